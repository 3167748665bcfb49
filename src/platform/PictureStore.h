#pragma once
// The pictures that HTML views show, shared by every view. Only addresses
// under a served prefix are found, in a local folder; each address is looked
// up once and its picture decoded once, and an address that shows nothing is
// remembered as such. Nothing is ever fetched from the network.
#include <QHash>
#include <QImage>
#include <QString>
#include <vector>

namespace platform {

class PictureStore {
public:
    static PictureStore& instance();

    // Addresses that begin with urlPrefix (compared ignoring case) are
    // served from folder plus the rest of the address; when that file is a
    // missing ".gif", the ".png" of the same name stands in. A later call
    // for the same prefix replaces its folder.
    void serve(const QString& urlPrefix, const QString& folder);

    // The picture's number for an address, or -1 when it shows nothing.
    int find(const QString& address);
    QImage image(int id) const;

    // How many addresses have been looked up (not answered from memory).
    int lookups() const { return lookups_; }

private:
    QImage load(const QString& folder, QString rest) const;

    struct Served {
        QString prefix;
        QString folder;
    };
    std::vector<Served> served_;
    QHash<QString, int> ids_;
    std::vector<QImage> images_;
    int lookups_ = 0;
};

}  // namespace platform
