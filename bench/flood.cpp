// An in-process server sends 100,000 PRIVMSG lines for the main room through
// the real socket, then "PING :fin"; times from the first line to the PONG.
// Prints the memory of the process before the flood, after it and at its
// peak, and what the main view and the server console keep of the history.
//   bench_flood            the server console loaded, hidden
//   bench_flood --console  the server console on screen too
//   bench_flood --ignore N first ignores N nicks that never speak and turns
//                          the flood check on: every line asks both
#include "common/BenchSupport.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
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
    const QStringList args = app.arguments();
    const qsizetype ignoreAt = args.indexOf(QStringLiteral("--ignore"));
    const int ignored = ignoreAt > 0 && ignoreAt + 1 < args.size() ? args[ignoreAt + 1].toInt() : 0;
    for (int i = 0; i < ignored; ++i)
        Function::Ignorar(QStringLiteral("callado%1").arg(i), QStringLiteral("+"));
    Function::AntiFlood = ignored > 0;

    const int total = 100000;
    QByteArray flood = bench::chatFlood(total, [](int) { return QByteArray("#sala"); }, "fin");

    const platform::LogBox* console = frmServer::instance()->RichTextBox1;
    if (args.contains(QStringLiteral("--console")))
        frmServer::instance()->Show();
    const double before = bench::residentMiB();
    QElapsedTimer clock;
    clock.start();
    const double cpu = bench::cpuMs();
    server.sendPaced(flood);
    if (!server.waitForReceived("PONG :fin")) {
        std::fprintf(stderr, "flood: no PONG\n");
        return 1;
    }
    const double seconds = clock.elapsed() / 1000.0, cpuSeconds = (bench::cpuMs() - cpu) / 1000.0;
    flood.clear();
    bench::Server::waitUntil([] { return false; }, 500);  // the last repaints
    const double after = bench::residentMiB(), peak = bench::peakMiB();
    std::printf("flood: %d lines to the PONG in %.2f s (processor %.2f s): %.0f lines/s; view holds %d, console %d; "
                "%d ignored, flood check %s\n",
                total, seconds, cpuSeconds, total / seconds, irc->DHTMLEdit1->fragmentCount(), console->lineCount(),
                ignored, Function::AntiFlood ? "on" : "off");
    std::printf("memory: before %.1f MiB, after %.1f MiB (+%.1f), peak %.1f MiB (+%.1f); history kept: view %.1f MiB, "
                "console %.1f MiB\n",
                before, after, after - before, peak, peak - before, irc->DHTMLEdit1->storageBytes() / 1048576.0,
                console->storageBytes() / 1048576.0);
    return 0;
}
