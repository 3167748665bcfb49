#include "platform/PictureStore.h"

#include <QDir>
#include <QUrl>

#include <algorithm>

namespace platform {

PictureStore& PictureStore::instance()
{
    static PictureStore store;
    return store;
}

void PictureStore::serve(const QString& urlPrefix, const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    auto it = std::find_if(served_.begin(), served_.end(), [&](const Served& s) {
        return s.prefix.compare(urlPrefix, Qt::CaseInsensitive) == 0;
    });
    if (it != served_.end())
        it->folder = clean;
    else
        served_.push_back({urlPrefix, clean});
    // Addresses already answered may be answered differently now. Numbers
    // already given keep their pictures: laid-out views still use them.
    ids_.clear();
}

int PictureStore::find(const QString& address)
{
    if (auto it = ids_.constFind(address); it != ids_.constEnd())
        return *it;
    ++lookups_;
    int id = -1;
    for (const Served& s : served_) {
        if (!s.prefix.isEmpty() && address.startsWith(s.prefix, Qt::CaseInsensitive)) {
            const QImage picture = load(s.folder, address.mid(s.prefix.size()));
            if (!picture.isNull()) {
                id = int(images_.size());
                images_.push_back(picture);
            }
            break;
        }
    }
    ids_.insert(address, id);
    return id;
}

QImage PictureStore::image(int id) const
{
    return id >= 0 && size_t(id) < images_.size() ? images_[size_t(id)] : QImage();
}

QImage PictureStore::load(const QString& folder, QString rest) const
{
    const auto query = std::find_if(rest.cbegin(), rest.cend(), [](QChar c) { return c == u'?' || c == u'#'; });
    rest.truncate(query - rest.cbegin());
    rest = QUrl::fromPercentEncoding(rest.toUtf8());
    const QString path = QDir::cleanPath(folder + u'/' + rest);
    if (!path.startsWith(folder + u'/'))
        return QImage();  // the address climbs out of the folder
    QImage picture(path);
    if (picture.isNull() && path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
        picture = QImage(path.chopped(4) + QLatin1String(".png"));
    return picture;
}

}  // namespace platform
