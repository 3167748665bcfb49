// The program connected and left alone: the processor time it takes and how
// often it wakes up, read from /proc over a number of seconds (30 unless
// given).
#include "common/BenchSupport.h"
#include "core/frmIRC.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

namespace {

// Processor time of the whole process in ms, from /proc/self/stat.
double processorMs()
{
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = f.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

// Times a thread of the process gave up the processor to wait: each ends
// in a wake-up. (Switches forced by other work on the machine are left out.)
long long switches()
{
    long long total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks.filePath(task) + QStringLiteral("/status"));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
    }
    return total;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 30;
    bench::Server server;
    if (!bench::connectShown(server)) {
        std::fprintf(stderr, "the client did not connect\n");
        return 1;
    }
    bench::Server::waitUntil([] { return false; }, 2000);  // start-up settles

    const double cpu = processorMs();
    const long long woken = switches();
    QEventLoop idle;  // not the application's: quitting that would ask to close the window
    QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    const double used = processorMs() - cpu;
    std::printf("idle: %d s connected: %.0f ms of processor time (%.2f %% of a core), %.1f wake-ups a second\n",
                seconds, used, used / (seconds * 10.0), double(switches() - woken) / seconds);
    return 0;
}
