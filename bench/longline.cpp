// The worst single lines a server can send, each through the real socket
// with the main window shown and the server console open, each followed by
// a PING. Prints the time to the PONG, and to the moment every view has
// painted the line (main view, status box, console log), and the processor
// time until then. Goal: each well under a quarter of a second.
//
//   bench_longline            every line
//   bench_longline N          the N-th line alone (for a profiler)
//   bench_longline --show DIR every line, with pictures of the main window
//                             and the console after each in DIR
#include "common/BenchSupport.h"
#include "common/WorstLines.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/LogBox.h"
#include "windows/frmServer.h"

#include <QApplication>

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    bench::Server server;
    frmIRC* irc = bench::connectShown(server);
    if (!irc)
        return 1;
    frmServer* console = frmServer::instance();
    console->Show();
    QApplication::processEvents();

    std::vector<bench::WorstLine> cases;
    for (const bench::WorstLine& text : bench::worstTexts())
        cases.push_back({text.name, ":ana!a@host.example PRIVMSG #sala :" + text.line});
    cases.push_back({"353 with 60,000 names", bench::namesLine(60000)});
    const QWidget* views[] = {irc->DHTMLEdit1->viewport(), irc->txtStatus->viewport(),
                              console->RichTextBox1->viewport()};
    const bool show = argc > 2 && QByteArray(argv[1]) == "--show";
    const int only = argc > 1 && !show ? QByteArray(argv[1]).toInt() : 0;
    int n = 0;
    for (const bench::WorstLine& c : cases) {
        const QByteArray token = "case" + QByteArray::number(++n);
        if (only && n != only)
            continue;
        server.clearReceived();
        QElapsedTimer clock;
        clock.start();
        const double cpu = bench::cpuMs();
        server.send(c.line + "\r\nPING :" + token + "\r\n");
        if (!server.waitForReceived("PONG :" + token, 600000)) {
            std::fprintf(stderr, "%s: no PONG\n", c.name);
            return 1;
        }
        const double pong = clock.nsecsElapsed() / 1e6;
        for (const QWidget* view : views)
            const_cast<QWidget*>(view)->repaint();
        const double shown = clock.nsecsElapsed() / 1e6;
        std::printf("%-34s %7.1f kB  PONG %8.1f ms  shown %8.1f ms (processor %6.1f ms)\n", c.name,
                    c.line.size() / 1000.0, pong, shown, bench::cpuMs() - cpu);
        std::fflush(stdout);
        if (show) {
            const QString dir = QString::fromLocal8Bit(argv[2]);
            irc->grab().save(QStringLiteral("%1/longline-%2-main.png").arg(dir).arg(n));
            console->grab().save(QStringLiteral("%1/longline-%2-console.png").arg(dir).arg(n));
        }
    }
    std::printf("user list: %d entries; peak memory %.1f MiB\n", irc->ListView1->count(), bench::peakMiB());
    return 0;
}
