#pragma once
// The movie control on a web view that plays the movie with Ruffle. The page,
// Ruffle's files and the movie come from a URL scheme of the program's own;
// every other request of the page is refused, so it reaches no network and
// reads no other file.
#include "platform/MovieControl.h"

class QWebEngineProfile;
class QWebEngineView;

namespace platform {

class MoviePage;
class MovieFiles;

class RuffleMovie : public MovieControl {
    Q_OBJECT
public:
    // ruffleFolder holds ruffle.js and the files it loads.
    explicit RuffleMovie(QWidget* parent = nullptr, const QString& ruffleFolder = defaultRuffleFolder());
    ~RuffleMovie() override;

    void setMovie(const QString& path) override;

    // <the executable's folder>/ruffle
    static QString defaultRuffleFolder();
    // Why the web engine cannot start here, or "" when it can.
    static QString engineMissing();

private:
    void start();
    void tearDown();

    QString ruffleFolder_;
    quint64 number_ = 0;
    QWebEngineProfile* profile_ = nullptr;
    MovieFiles* files_ = nullptr;
    MoviePage* page_ = nullptr;
    QWebEngineView* view_ = nullptr;
};

}  // namespace platform
