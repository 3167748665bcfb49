// The program connected and left alone: the processor time it takes and how
// often it wakes up, over a number of seconds (30 unless given).
#include "common/BenchSupport.h"
#include "core/frmIRC.h"

#include <QApplication>

#include <sys/resource.h>

namespace {

// Times the process gave up the processor to wait: each ends in a wake-up.
// (Switches forced by other work on the machine are left out.) The process
// total keeps the switches of threads that have ended meanwhile.
long long switches()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 30;
    bench::Server server;
    if (!bench::connectShown(server))
        return 1;
    bench::Server::waitUntil([] { return false; }, 2000);  // start-up settles

    const long long woken = switches();
    const double used = bench::idleCpu(seconds) * 1000;
    std::printf("idle: %d s connected: %.0f ms of processor time (%.2f %% of a core), %.1f wake-ups a second\n",
                seconds, used, used / (seconds * 10.0), double(switches() - woken) / seconds);
    return 0;
}
