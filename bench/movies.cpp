// What a movie window costs: the time from setting the movie to Ruffle's
// report and to the first frame on screen, and the memory of the program
// with the web engine's processes while a movie plays and after it closed.
//
//   bench_movies [ROUNDS]     offscreen unless a display is set
#include "platform/MovieControl.h"
#include "platform/RuffleMovie.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QThread>

#include <cstdio>
#include <functional>

namespace {

// Proportional set size of this process and all its descendants, in MiB.
double treePssMiB(qint64 pid)
{
    double kib = 0;
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (rollup.open(QIODevice::ReadOnly))
        for (const QByteArray& line : rollup.readAll().split('\n'))
            if (line.startsWith("Pss:"))
                kib += line.mid(4).trimmed().split(' ').first().toDouble();
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(tasks.filePath(task) + QStringLiteral("/children"));
        if (children.open(QIODevice::ReadOnly))
            for (const QByteArray& child : children.readAll().split(' '))
                if (!child.trimmed().isEmpty())
                    kib += treePssMiB(child.trimmed().toLongLong()) * 1024;
    }
    return kib / 1024;
}

bool waitUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return done();
}

void wait(int ms)
{
    waitUntil([] { return false; }, ms);
}

bool drawn(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return colours.size() > 20;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::prepareMovieEngine();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    const QString flash = QCoreApplication::applicationDirPath() + QStringLiteral("/Files/Flash/");
    std::printf("program alone: %.0f MiB\n", treePssMiB(QCoreApplication::applicationPid()));
    for (const char* name : {"Tetriswm2.swf", "Parlowen.swf"}) {
        for (int round = 1; round <= rounds; ++round) {
            QElapsedTimer clock;
            clock.start();
            auto* movie = new platform::RuffleMovie;
            movie->resize(497, 377);
            movie->show();
            qint64 loadedAt = -1;
            QObject::connect(movie, &platform::MovieControl::Loaded, [&] { loadedAt = clock.elapsed(); });
            movie->setMovie(flash + QString::fromLatin1(name));
            if (!waitUntil([&] { return loadedAt >= 0; }, 60000)) {
                std::printf("%s: no movie after 60 s\n", name);
                return 1;
            }
            (void)waitUntil([&] { return drawn(movie->grab().toImage()); }, 60000);
            const qint64 firstFrame = clock.elapsed();
            wait(2000);
            const double playing = treePssMiB(QCoreApplication::applicationPid());
            delete movie;
            wait(2000);
            const double closed = treePssMiB(QCoreApplication::applicationPid());
            std::printf("%-14s round %d: Ruffle's report %4lld ms, first frame %4lld ms, "
                        "memory playing %4.0f MiB, after closing %4.0f MiB\n",
                        name, round, loadedAt, firstFrame, playing, closed);
            std::fflush(stdout);
        }
    }
    return 0;
}
