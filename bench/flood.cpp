// An in-process server sends 100,000 PRIVMSG lines for the main room through
// the real socket, then "PING :fin"; times from the first line to the PONG.
#include "common/BenchSupport.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bench::Server server;
    frmIRC* irc = bench::connectShown(server);
    if (!irc) {
        std::fprintf(stderr, "the client did not connect\n");
        return 1;
    }

    const int total = 100000;
    QByteArray flood;
    flood.reserve(total * 80);
    const char* texts[] = {"hola a todos :) que tal", "jajaja :D", "\x03" "04rojo\x03 y \x02negrita\x02",
                           "una linea de charla corriente sin nada especial", "alguien de Lima? //07"};
    for (int i = 0; i < total; ++i)
        flood += ":nick" + QByteArray::number(i % 700) + "!u@10.0." + QByteArray::number(i % 250) +
                 ".1 PRIVMSG #sala :" + texts[i % 5] + "\r\n";
    flood += "PING :fin\r\n";

    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = bench::cpuSeconds();
    server.send(flood);
    if (!server.waitForReceived("PONG :fin")) {
        std::fprintf(stderr, "flood: no PONG\n");
        return 1;
    }
    const double seconds = clock.elapsed() / 1000.0;
    const double cpu = bench::cpuSeconds() - cpuBefore;
    std::printf("flood: %d lines to the PONG in %.2f s: %.0f lines/s; %.2f s CPU: %.0f lines per CPU second; view "
                "holds %d; peak memory %.1f MiB\n",
                total, seconds, total / seconds, cpu, total / cpu, irc->DHTMLEdit1->fragmentCount(), bench::peakMiB());
    return 0;
}
