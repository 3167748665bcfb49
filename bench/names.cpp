// A names list of 10,000 users (in several 353 lines, as servers send it)
// into the main room, then 10,000 JOIN and 10,000 PART lines, then 10,000
// JOIN lines behind one host key (each a clone of every user before it);
// prints the milliseconds of each phase, each timed to the PONG of a
// trailing PING, and the processor time the phase took.
//   bench_names USERS N    first ignores the first N of the joining users
#include "common/BenchSupport.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"

#include <QApplication>

int main(int argc, char** argv)
{
    bench::offscreenWithoutDisplay();
    QApplication app(argc, argv);
    const int users = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const int ignored = argc > 2 ? QByteArray(argv[2]).toInt() : 0;
    bench::Server server;
    frmIRC* irc = bench::connectShown(server);
    if (!irc)
        return 1;
    for (int i = 0; i < ignored; ++i)
        Function::Ignorar(QStringLiteral("nuevo%1").arg(i), QStringLiteral("+"));

    // Names as servers send them: lines of at most about 400 bytes.
    QByteArray names, line;
    for (int i = 0; i < users; ++i) {
        line += (i % 50 == 0 ? "@" : i % 20 == 0 ? "+" : "") + QByteArray("usuario") + QByteArray::number(i) + ' ';
        if (line.size() > 380 || i == users - 1) {
            names += ":srv 353 yo = #sala :" + line.trimmed() + "\r\n";
            line.clear();
        }
    }
    names += ":srv 366 yo #sala :End of NAMES list\r\n";
    // Hosts that differ in their first six characters: no clones.
    QByteArray joins, parts, clones;
    for (int i = 0; i < users; ++i) {
        const QByteArray host = "h" + QByteArray::number(i).rightJustified(5, '0') + ".red";
        joins += ":nuevo" + QByteArray::number(i) + "!u@" + host + " JOIN :#sala\r\n";
        parts += ":nuevo" + QByteArray::number(i) + "!u@" + host + " PART #sala :adios\r\n";
        clones += ":clon" + QByteArray::number(i) + "!u@cloak.red JOIN :#sala\r\n";
    }

    struct Took {
        double ms;
        double cpuMs;
    };
    auto phase = [&](const QByteArray& lines, const char* token) {
        const double cpu = bench::cpuMs();
        const double ms = bench::timeToPong(server, lines, token);
        return Took{ms, bench::cpuMs() - cpu};
    };
    const Took n = phase(names, "names");
    const int afterNames = irc->ListView1->count();
    const Took j = phase(joins, "joins");
    const int afterJoins = irc->ListView1->count();
    const Took p = phase(parts, "parts");
    const int afterParts = irc->ListView1->count();
    const Took c = phase(clones, "clones");
    std::printf("names: %d users: names list %.1f ms (processor %.1f ms, %d entries), %d joins %.1f ms (%.1f ms, %d "
                "entries), %d parts %.1f ms (%.1f ms, %d entries), %d joins of clones %.1f ms (%.1f ms, %d entries); "
                "%d ignored\n",
                users, n.ms, n.cpuMs, afterNames, users, j.ms, j.cpuMs, afterJoins, users, p.ms, p.cpuMs, afterParts,
                users, c.ms, c.cpuMs, irc->ListView1->count(), ignored);
    return 0;
}
