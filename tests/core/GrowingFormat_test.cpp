// A conversation rendered a line at a time gives, after every line, exactly
// what FormatoHTML gives for the whole of it; and only a line that could
// change what came before it makes the whole be rendered again.
#include "core/Function.h"
#include "core/GrowingFormat.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

#include <random>

using platform::Chr;

namespace {

// What a private window does with each line: the line is rendered on its
// own when it can be, else the whole conversation is.
struct Conversation {
    GrowingFormat format;
    QString text, html;
    int restarts = 0;

    void add(const QString& line)
    {
        const QString piece = line + QStringLiteral("<br>");
        text += piece;
        if (format.continues(piece)) {
            html += format.add(piece);
        } else {
            html = format.restart(text);
            ++restarts;
        }
    }
    QString whole() const { return html + format.closing(); }
};

QString incoming(const QString& nick, const QString& text) { return Chr(2) + u' ' + nick + QStringLiteral(" : ") + Chr(15) + text; }
QString own(const QString& text) { return Chr(2) + QStringLiteral("yo : ") + Chr(15) + text; }

void expectSameAsWhole(const QStringList& lines, int restarts)
{
    Conversation c;
    for (const QString& line : lines) {
        c.add(line);
        QString whole = c.text;
        ASSERT_EQ(c.whole(), Function::FormatoHTML(whole)) << "after " << line.toStdString();
    }
    EXPECT_EQ(c.restarts, restarts);
}

}  // namespace

TEST(GrowingFormat, EachLineContinuesTheStateOfTheLinesBefore)
{
    const QString c3 = Chr(3), b = Chr(2), u = Chr(31), o = Chr(15);
    struct Case {
        const char* what;
        QStringList lines;
        int restarts;
    } cases[] = {
        {"bold toggling across lines", {incoming("ana", "hola"), own("que tal"), incoming("ana", "bien " + b + "y tu")}, 0},
        {"a background carried by a later foreground",
         {incoming("ana", c3 + "4,12rojo sobre azul"), incoming("ana", c3 + "7naranja, fondo de antes"), own("nada")}, 0},
        {"colour closed by a bare Chr(3) on a later line", {incoming("ana", c3 + "04rojo"), incoming("ana", c3 + "fin")}, 0},
        {"underline left open", {incoming("ana", u + "subrayado"), own("sigue"), incoming("ana", u + "ya no")}, 0},
        {"emoticons and list pictures, case folded", {incoming("ana", ":)o (h) //07 //100 zzz"), own(":D :-@")}, 0},
        {"codes that form inside the tags of earlier codes", {incoming("ana", ":)o"), incoming("ana", "o:)")}, 0},
        {"a stray Chr(3) kept, and a later code that finds it",
         {incoming("ana", c3 + c3 + "04 se queda"), incoming("ana", c3 + "04 lo encuentra"), own("sin codigos")}, 1},
        {"a stray Chr(3) kept, and a later bare Chr(3)",
         {incoming("ana", c3 + c3 + "x"), own(c3 + "quita el primero")}, 1},
        {"a line that does not open with Chr(2): \"<br>\" and \"o\" make \">o\"",
         {incoming("ana", "hola"), QStringLiteral("o que"), own("ok")}, 1},
        {"a line with plain codes in its text", {incoming("ana", "a" + o + b + "b" + c3 + "3c"), own("d" + o)}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectSameAsWhole(c.lines, c.restarts);
    }
}

TEST(GrowingFormat, ARandomConversationOfEveryCodeStaysTheSameAsTheWhole)
{
    // Pieces that make codes of every kind, also across one another.
    const QStringList parts = {
        Chr(2), Chr(3), Chr(15), Chr(31), QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("12"),
        QStringLiteral(","), QStringLiteral(":"), QStringLiteral(")"), QStringLiteral("o"), QStringLiteral("O"),
        QStringLiteral("//"), QStringLiteral("&gt;"), QStringLiteral("h"), QStringLiteral(" "), QStringLiteral("ab"),
    };
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> part(0, int(parts.size()) - 1), length(0, 12), layout(0, 1);
    QStringList lines;
    for (int n = 0; n < 400; ++n) {
        QString text;
        for (int k = length(random); k > 0; --k)
            text += parts[part(random)];
        lines << (layout(random) ? incoming(QStringLiteral("ana"), text) : own(text));
    }
    Conversation c;
    for (const QString& line : lines) {
        c.add(line);
        QString whole = c.text;
        ASSERT_EQ(c.whole(), Function::FormatoHTML(whole)) << "after line " << lines.indexOf(line);
    }
    EXPECT_LT(c.restarts, int(lines.size())) << "most lines are rendered on their own";
}
