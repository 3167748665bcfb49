// Draws every picture the program ships under Files/Pictures:
//   drawpictures FILES_PICTURES_DIR [CONTACT_SHEET.png]
// Run with QT_QPA_PLATFORM=offscreen. The same program draws the same bytes,
// so the committed pictures can always be redrawn.
#include "pictures/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool loadFonts()
{
    const char* files[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                           "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};
    for (const char* file : files) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) {
            std::fprintf(stderr, "drawpictures: cannot load %s\n", file);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawpictures FILES_PICTURES_DIR [CONTACT_SHEET.png]\n");
        return 2;
    }
    if (!loadFonts())
        return 1;

    std::vector<pictures::Picture> all;
    for (auto set : {pictures::emoticons, pictures::listPictures, pictures::userIcons,
                     pictures::welcomePicture, pictures::appIcons}) {
        for (pictures::Picture& picture : set())
            all.push_back(std::move(picture));
    }

    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const pictures::Picture& picture : all) {
        const QString file = root.filePath(picture.path);
        if (!QDir().mkpath(QFileInfo(file).path()) || !picture.image.save(file, "PNG")) {
            std::fprintf(stderr, "drawpictures: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    std::printf("drawpictures: %zu pictures in %s\n", all.size(), qPrintable(root.path()));

    if (argc > 2 && !pictures::contactSheet(all).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "drawpictures: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
