// A large network's LIST reply, 50,000 322 lines by default, into the room
// list through the real socket; prints the milliseconds to the PONG of a
// trailing PING, the peak memory, and the time to scroll the list from top
// to bottom a page at a time.
#include "common/BenchSupport.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int rooms = argc > 1 ? QByteArray(argv[1]).toInt() : 50000;
    bench::Server server;
    frmIRC* irc = bench::connectShown(server);
    if (!irc)
        return 1;
    irc->Command12->click();  // the room list on screen, as the user asks for it

    // Names and topics as large networks have them: mixed case, some with
    // the words the list rewrites.
    QByteArray lines;
    for (int i = 0; i < rooms; ++i)
        lines += ":srv 322 yo #" + QByteArray(i % 7 == 0 ? "Hotel" : i % 11 == 0 ? "Puerto" : "Sala") +
                 QByteArray::number(i) + ' ' + QByteArray::number(i % 500) + " :[+nt] Charla de la sala " +
                 QByteArray::number(i) + "\r\n";
    const double before = bench::peakMiB();
    QElapsedTimer clock;
    clock.start();
    server.send(lines + "PING :fin\r\n");
    if (!server.waitForReceived("PONG :fin")) {
        std::fprintf(stderr, "no PONG\n");
        return 1;
    }
    const double listed = clock.nsecsElapsed() / 1e6;
    const int rows = irc->ListView2->count();

    // Scrolling: every page painted once.
    QScrollBar* bar = irc->ListView2->verticalScrollBar();
    clock.restart();
    int pages = 0;
    for (int v = 0; v <= bar->maximum(); v += bar->pageStep(), ++pages) {
        bar->setValue(v);
        irc->ListView2->viewport()->repaint();
    }
    const double scrolled = clock.nsecsElapsed() / 1e6;

    std::printf("roomlist: %d LIST replies in %.1f ms (%d rows), peak %.1f MiB (%.1f before); "
                "%d pages scrolled in %.1f ms (%.3f ms a page)\n",
                rooms, listed, rows, bench::peakMiB(), before, pages, scrolled, pages ? scrolled / pages : 0.0);
    return 0;
}
