// Saves a picture of the whole X screen (or of one window, by id) to a PNG:
//   grabscreen OUT.png [window-id]
// Used to look at the program running under xvfb-run.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: grabscreen OUT.png [window-id]\n");
        return 2;
    }
    const WId id = argc > 2 ? WId(QByteArray(argv[2]).toULongLong(nullptr, 0)) : 0;
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(id);
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
