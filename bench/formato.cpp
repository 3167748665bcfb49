// FormatoHTML on 100,000 room lines of a realistic mix, against the literal
// passes (one case-insensitive replace per emoticon and per list code).
// Prints microseconds per line for both; then milliseconds for each of the
// worst lines, with EscapaJS after it as the main view does.
#include "common/WorstLines.h"
#include "core/Function.h"
#include "../tests/core/LiteralFormato.h"

#include <QStringList>

#include <chrono>
#include <cstdio>
#include <random>

namespace {

// Lines as the room view gets them: "<b> nick :</B>  " and the text. Most
// carry no code; some emoticons; some the colour, bold and decoration codes
// that this client wraps around what its users send; a few list pictures.
QStringList roomLines(int count)
{
    std::mt19937 random(7);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const QStringList nicks = {"Maria_23", "elTigre", "Sol", "Kike", "Luna-Llena", "DJ_Fer", "Paty", "xXAngelXx"};
    const QStringList words = {
        "hola", "que", "tal", "todos", "como", "estan", "bien", "y", "tu", "de", "donde", "eres",
        "jaja", "si", "no", "gracias", "buenas", "noches", "la", "sala", "esta", "muy", "tranquila",
        "alguien", "quiere", "platicar", "me", "voy", "a", "dormir", "saludos", "desde", "Lima",
        "M\u00E9xico", "ma\u00F1ana", "&lt;3", "jeje", "ok", "vale", "pues", "oye", "amigo",
    };
    const QStringList smileys = {":)", ":D", ";)", ":p", ":(", ":O", "(H)", ":@", "xD", ":s", "8)", "ZzZ"};
    const QString c = QString(QChar(3)), b = QString(QChar(2));
    QStringList lines;
    for (int n = 0; n < count; ++n) {
        QString text;
        for (int w = 4 + pick(12); w > 0; --w)
            text += words[pick(words.size())] + " ";
        const int kind = pick(100);
        if (kind < 20) {
            for (int s = 1 + pick(3); s > 0; --s)
                text.insert(pick(int(text.size())), " " + smileys[pick(smileys.size())] + " ");
        } else if (kind < 32) {
            const QString colour = QString::number(pick(16)).rightJustified(2, '0');
            text = b + c + "0," + QString::number(pick(16)) + c + colour + c + "04\u00AB\u00B7" + c + colour +
                   text + c + "04\u00B7\u00BB";
        } else if (kind < 35) {
            text = "//" + QString::number(pick(65)).rightJustified(2, '0') + " " + text + " //" +
                   QString::number(pick(65)).rightJustified(2, '0');
        }
        lines << "<b> " + nicks[pick(nicks.size())] + " :</B>  " + text;
    }
    return lines;
}

template <typename Render>
double microsecondsPerLine(const QStringList& lines, Render render)
{
    qsizetype written = 0;  // keeps the work from being optimised away
    const auto start = std::chrono::steady_clock::now();
    for (const QString& line : lines) {
        QString text = line;
        written += render(text).size();
    }
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    return written > 0 ? took.count() / double(lines.size()) : 0.0;
}

}  // namespace

int main()
{
    const QStringList lines = roomLines(100000);
    for (const QString& line : lines) {
        QString fast = line, slow = line;
        if (Function::FormatoHTML(fast) != literal::formatoHtml(slow)) {
            std::printf("the outputs differ for: %s\n", qPrintable(line));
            return 1;
        }
    }
    const double literal = microsecondsPerLine(lines, [](QString& t) { return literal::formatoHtml(t); });
    const double real = microsecondsPerLine(lines, [](QString& t) { return Function::FormatoHTML(t); });
    const double copy = microsecondsPerLine(lines, [](QString& t) { t.detach(); return t; });
    std::printf("%lld lines\n", static_cast<long long>(lines.size()));
    std::printf("FormatoHTML:     %.2f us a line\n", real);
    std::printf("literal passes:  %.2f us a line\n", literal);
    std::printf("(copying a line: %.2f us)\n", copy);

    for (const bench::WorstLine& worst : bench::worstTexts()) {
        QString text = QString::fromLatin1(worst.line);
        const auto start = std::chrono::steady_clock::now();
        Function::FormatoHTML(text);
        const std::chrono::duration<double, std::milli> rendered = std::chrono::steady_clock::now() - start;
        Function::EscapaJS(text);
        const std::chrono::duration<double, std::milli> escaped = std::chrono::steady_clock::now() - start;
        std::printf("%-34s FormatoHTML %7.1f ms, with EscapaJS %7.1f ms\n", worst.name, rendered.count(),
                    escaped.count());
    }
    return 0;
}
