// Private conversations through the real socket: 10,000 lines from one
// partner into one private window, then 100 partners with 100 lines each
// into 100 windows, then idle seconds with the 100 windows open. Prints
// lines per second, the process's CPU time while idle as a share of one
// core, and peak memory. For comparison, the same window rendering the
// whole conversation again for each line, as a plain reading of the
// window's rule would, over its first lines.
//   bench_private [idle seconds]
#include "common/BenchSupport.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "windows/frmPrivado.h"

#include <QApplication>

namespace {

const char* const kTexts[] = {"hola que tal :) como va todo", "jajaja :D", ("\x03" "04rojo\x03 y \x02negrita\x02"),
                              "una linea de charla corriente sin nada especial", "te paso esto //07 mira"};

QByteArray lines(const QByteArray& nick, int count)
{
    QByteArray out;
    out.reserve(count * 70);
    for (int i = 0; i < count; ++i)
        out += ":" + nick + "!u@10.0.0.1 PRIVMSG yo :" + kTexts[i % 5] + "\r\n";
    return out;
}

frmPrivado* window(const QString& nick) { return Function::VentanasPrivado.first(frmPrivado::captionFor(nick)); }

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int idleSeconds = argc > 1 ? QByteArray(argv[1]).toInt() : 30;
    bench::Server server;
    frmIRC* irc = bench::connectShown(server);
    if (!irc) {
        std::fprintf(stderr, "the client did not connect\n");
        return 1;
    }
    Function::PrivadosEnVentanas = true;

    // The window open and shown, as after its alert.
    irc->Abre_Privado(QStringLiteral("ana"));
    const int one = 10000;
    const double oneMs = bench::timeToPong(server, lines("ana", one), "one");
    const frmPrivado* ana = window(QStringLiteral("ana"));
    const int inAna = ana ? int(ana->RichTextBox1.count(QStringLiteral("<br>"))) : -1;

    const int partners = 100, each = 100;
    QByteArray many;
    for (int p = 0; p < partners; ++p)
        irc->Abre_Privado(QStringLiteral("nick%1").arg(p));
    for (int i = 0; i < each; ++i)
        for (int p = 0; p < partners; ++p)
            many += ":nick" + QByteArray::number(p) + "!u@10.0.0.1 PRIVMSG yo :" + kTexts[(i + p) % 5] + "\r\n";
    const double manyMs = bench::timeToPong(server, many, "many");
    int inMany = 0;
    for (int p = 0; p < partners; ++p)
        if (const frmPrivado* w = window(QStringLiteral("nick%1").arg(p)))
            inMany += int(w->RichTextBox1.count(QStringLiteral("<br>")));

    const double idleCpu = bench::idleCpu(idleSeconds);
    const double peak = bench::peakMiB();

    // The whole conversation rendered again for each line.
    const int whole = 2000;
    platform::HtmlView view;
    QString store;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < whole; ++i) {
        store += QChar(2) + QStringLiteral(" ana : ") + QChar(15) + QString::fromLatin1(kTexts[i % 5]) + QStringLiteral("<br>");
        QString html = store;
        view.setDocumentHTML(Function::FormatoHTML(html));
        view.scrollToEnd();
    }
    const double wholeMs = clock.nsecsElapsed() / 1e6;

    std::printf("private: %d lines into one window to the PONG in %.2f s: %.0f lines/s (%d in the window)\n", one,
                oneMs / 1000, one / (oneMs / 1000), inAna);
    std::printf("private: %d partners x %d lines to the PONG in %.2f s: %.0f lines/s (%d in the windows)\n", partners,
                each, manyMs / 1000, partners * each / (manyMs / 1000), inMany);
    std::printf("private: idle %d s with %d windows open: %.3f s CPU, %.2f %% of one core; peak memory %.1f MiB\n",
                idleSeconds, partners + 1, idleCpu, 100 * idleCpu / idleSeconds, peak);
    std::printf("private: rendering the whole conversation for each line: %d lines in %.2f s, %.0f lines/s\n", whole,
                wholeMs / 1000, whole / (wholeMs / 1000));
    return 0;
}
