// Further rooms in windows of their own, through the real socket: the own
// JOIN of 100 rooms opens 100 room windows; 100,000 PRIVMSG lines spread
// over them; a names list of 10,000 users into one of them (in 353 lines of
// about 400 bytes, as servers send it); then, once the last repaints are
// done, 30 idle seconds with the 100 windows open. Prints lines per second,
// the names time, what the last repaints took and the process's CPU time
// while idle, as a share of one core.
//   bench_rooms [idle seconds]
#include "common/BenchSupport.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"
#include "windows/frmRoom.h"

#include <QApplication>
#include <QElapsedTimer>

namespace {

QByteArray room(int i) { return "#sala" + QByteArray::number(i); }

}  // namespace

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int idleSeconds = argc > 1 ? QByteArray(argv[1]).toInt() : 30;
    bench::Server server;
    frmIRC* irc = bench::connectShown(server);
    if (!irc)
        return 1;

    const int rooms = 100;
    QByteArray joins;
    for (int r = 0; r < rooms; ++r)
        joins += ":yo!y@10.0.0.1 JOIN :" + room(r) + "\r\n";
    const double opened = bench::timeToPong(server, joins, "rooms");
    if (Function::VentanasSala.open().size() != rooms) {
        std::fprintf(stderr, "rooms: %lld windows open, not %d\n", qlonglong(Function::VentanasSala.open().size()), rooms);
        return 1;
    }

    // The new windows are shown and painted before the flood begins.
    bench::Server::waitUntil([] { return false; }, 2000);

    // The main-room flood's lines, spread over the rooms.
    const int total = 100000;
    const QByteArray flood = bench::chatFlood(total, [](int i) { return room(i % rooms); }, "flood");
    // Sent as the main-room flood sends its lines, so the two compare.
    server.clearReceived();
    const double floodCpuMs = bench::cpuMs();
    QElapsedTimer clock;
    clock.start();
    server.sendPaced(flood);
    if (!server.waitForReceived("PONG :flood")) {
        std::fprintf(stderr, "rooms: no PONG\n");
        return 1;
    }
    const double floodSeconds = clock.elapsed() / 1000.0;
    const double floodCpuSeconds = (bench::cpuMs() - floodCpuMs) / 1000.0;

    const int users = 10000;
    QByteArray names, line;
    for (int i = 0; i < users; ++i) {
        line += (i % 50 == 0 ? "@" : i % 20 == 0 ? "+" : "") + QByteArray("usuario") + QByteArray::number(i) + ' ';
        if (line.size() > 380 || i == users - 1) {
            names += ":srv 353 yo = " + room(42) + " :" + line.trimmed() + "\r\n";
            line.clear();
        }
    }
    names += ":srv 366 yo " + room(42) + " :End of NAMES list\r\n";
    const double namesMs = bench::timeToPong(server, names, "names");
    const frmRoom* named = Function::VentanasSala.first(frmRoom::captionFor(room(42).mid(1)));

    // The views catch up with the flood within their repaint budget: that
    // work ends before the idle seconds begin.
    const double settleCpu = bench::idleCpu(2);
    const double idleCpu = bench::idleCpu(idleSeconds);

    std::printf("rooms: %d windows opened in %.1f ms\n", rooms, opened);
    std::printf("rooms: %d lines over %d rooms to the PONG in %.2f s: %.0f lines/s; %.2f s CPU: %.0f lines per CPU "
                "second\n",
                total, rooms, floodSeconds, total / floodSeconds, floodCpuSeconds, total / floodCpuSeconds);
    std::printf("rooms: names list of %d into one room in %.1f ms (%d entries)\n", users, namesMs,
                named ? named->ListView1->count() : -1);
    std::printf("rooms: %.3f s CPU for the last repaints; then idle %d s with %d windows open: %.3f s CPU, %.2f %% of "
                "one core; peak memory %.1f MiB\n",
                settleCpu, idleSeconds, rooms, idleCpu, 100 * idleCpu / idleSeconds, bench::peakMiB());
    return 0;
}
