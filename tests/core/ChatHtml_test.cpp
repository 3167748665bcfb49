#include "core/Function.h"
#include "core/Hosts.h"
#include "LiteralFormato.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QString E(int n) { return literal::emoticonTag(n); }
QString L(int picture) { return literal::listTag(picture); }
QString F(const char* foreground, const char* background)
{
    return QString("<font color='%1' STYLE='background: %2'>").arg(foreground, background);
}

// Control characters shown as \xNN, so a failing case can be read.
std::string shown(const QString& s)
{
    std::string out;
    for (QChar c : s) {
        if (c.unicode() < 32)
            out += "\\x" + QString::number(c.unicode(), 16).rightJustified(2, '0').toStdString();
        else
            out += QString(c).toStdString();
    }
    return out;
}

QString formato(QString text)
{
    const QString result = Function::FormatoHTML(text);
    EXPECT_EQ(result, text) << "the argument is rewritten to the result";
    return result;
}

QString literalFormato(QString text) { return literal::formatoHtml(text); }

struct Case {
    QString text;
    QString html;
};

void checkCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        EXPECT_EQ(formato(c.text), c.html) << "text: " << shown(c.text);
        EXPECT_EQ(literalFormato(c.text), c.html) << "literal passes, text: " << shown(c.text);
    }
}

}  // namespace

TEST(FormatoHTML, EmoticonsMatchInTableOrderAndAnyCase)
{
    checkCases({
        {"hola", "hola"},
        {":)", E(0)},
        {":o", E(2)},  // ":O" comes first and matches it
        {":)?", E(0) + "?"},
        {"(h)", E(10)},
        {"zzz", E(27)},
        {":S", E(13)},
        {"xXx", E(39)},
        {":\u00B4(", E(8)},
        {"\u00AC\u00AC", E(20)},
        {":-@", E(12)},
        {":@-@", E(11) + "-@"},  // ":@" comes first and takes the "@"
        {"a :) b :) c", "a " + E(0) + " b " + E(0) + " c"},
        {"()", E(43)},
        {"c()", E(40)},
    });
}

TEST(FormatoHTML, CodesFormInsideEarlierTags)
{
    QString first = E(0);
    first.chop(1);  // its "'>" takes the following "o" as ">o"
    checkCases({
        {":)o", first + E(15)},
        {":)O", first + E(15)},
        {":):b", first + E(31)},
    });
}

TEST(FormatoHTML, ListPictures)
{
    checkCases({
        {"//07", L(8)},
        {"//00", L(1)},
        {"//64", L(65)},
        {"//7", "//7"},
        {"//100", L(11) + "0"},
        {"//65", "//65"},
        {"///07", "/" + L(8)},
        {"a//12b//12//03", "a" + L(13) + "b" + L(13) + L(4)},
        {":)//01", E(0) + L(2)},
    });
}

TEST(FormatoHTML, ColourCodes)
{
    const QString c = QString(QChar(3));
    checkCases({
        {c + "4,12hola", F("red", "blue") + "hola</font>"},
        {c + "04a", F("red", "white") + "a</font>"},
        {c + "4,12a" + c + "7b", F("red", "blue") + "a</font>" + F("orange", "blue") + "b</font>"},
        {c + "12,a", F("blue", "white") + ",a</font>"},
        {c + "12,3a", F("blue", "darkgreen") + "a</font>"},
        {c + "12,34a", F("blue", "") + "a</font>"},
        {c + "123", F("blue", "white") + "3</font>"},
        {c + "1,234", F("black", "") + "4</font>"},
        {c + "16x" + c + "17y", F("", "white") + "x</font>" + F("silver", "white") + "y</font>"},
        {c + "99x", F("", "white") + "x</font>"},
        {c + "ab", "ab"},
        {"a" + c, "a"},
        {c + "4a" + c + "b", F("red", "white") + "a</font>b"},
        {c + "4a" + c + "b" + c + "c", F("red", "white") + "a</font>bc"},
    });
}

TEST(FormatoHTML, ColourSearchGoesOnOnePlaceAfterARemovedCode)
{
    const QString c = QString(QChar(3));
    checkCases({
        // The second Chr(3) moves into the place of the removed first and is
        // skipped: it stays in the text.
        {c + c + "4x", c + "4x"},
        {c + c + "4,2x" + c + "5y", c + "4,2x" + F("darkred", "white") + "y</font>"},
        // The last code replaces the skipped Chr(3) (the first "\x035" of
        // the text), then its own.
        {c + c + "5x" + c + "1,2y" + c + "5z",
         "</font>" + F("darkred", "darkblue") + "x" + F("black", "darkblue") + "y</font>" +
             F("darkred", "darkblue") + "z</font>"},
    });
}

TEST(FormatoHTML, BoldUnderlineAndPlain)
{
    const QString b = QString(QChar(2)), u = QString(QChar(31)), o = QString(QChar(15));
    const QString plain = "</u></b></font> </font>";
    checkCases({
        {b + "a" + b + "b", "<b>a</b>b"},
        {b + "a", "<b>a</b>"},
        {b + b + b, "<b></b><b></b>"},
        {u + "a" + u, "<u>a</u>"},
        {u + "a", "<u>a</u>"},
        {o, plain},
        {"a" + o + "b" + o, "a" + plain + "b" + plain},
        {b + "a" + o + "b", "<b>a" + plain + "b</b>"},
        {QString(QChar(3)) + "4" + b + u + "x", F("red", "white") + "<b><u>x</u></b></font>"},
    });
}

// Texts where a shortcut could go wrong: letters that fold into a code's
// letters, codes split by what the earlier passes insert.
TEST(FormatoHTML, TrickyTextsGiveWhatTheLiteralPassesGive)
{
    const QString c = QString(QChar(3));
    for (const QString& text : {
             QString(":\u017F"),          // long s folds to "s"
             QString("Zz\u017F:\u212A"),  // Kelvin sign folds to "k"
             QString(":\u00B4\u00B4("), QString("\u00AC\u00AC\u00AC"), QString(":))"),
             QString(":)):)?o:"), QString("<t><T>"), QString("zZzZzZ"), QString("xxxx"),
             QString("@@@-@*@="), QString("//0//07"), QString("////12"), QString("//6//5"),
             c + "4//07" + c, QString(":\U0001F600)"), QString("\U0001F600:)"),
         })
        EXPECT_EQ(formato(text), literalFormato(text)) << "text: " << shown(text);
}

TEST(FormatoHTML, GeneratedTextsGiveWhatTheLiteralPassesGive)
{
    std::mt19937 random(20090101);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    auto digits = [&](int n) {
        QString s;
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + pick(10));
        return s;
    };
    const QStringList& codes = literal::emoticonCodes();
    const QStringList words = {
        "hola", " ", "que tal", "o", "O", "b", "x", "X", "z", "s", "h", "p", "t", "c", "D", "8", "9", "0",
        "<", ">", "'", "\"", "(", ")", ":", ";", "@", "#", "/", "-", "<b> ", " :</B>  ", "&lt;", "&gt;",
        "\u00F1", "\u00B4", "\u00AC", "\u017F", "\u212A", "\u0130", "\U0001F600",
    };
    auto piece = [&]() -> QString {
        switch (pick(8)) {
        case 0:
        case 1: {
            QString code = codes[pick(codes.size())];
            for (QChar& ch : code)
                ch = pick(2) ? ch.toUpper() : ch.toLower();
            return code;
        }
        case 2: {
            const QString& code = codes[pick(codes.size())];
            return code.left(1 + pick(int(code.size()) - 1));
        }
        case 3: return "//" + digits(1 + pick(3));
        case 4: {
            static const QStringList shapes = {"", "d", "dd", "d,", "d,d", "d,dd", "dd,", "dd,d", "dd,dd", "ddd", ","};
            QString code = QString(QChar(3));
            for (QChar ch : shapes[pick(shapes.size())])
                code += ch == u'd' ? digits(1) : QString(ch);
            return code;
        }
        case 5: {
            static const char16_t toggles[] = {2, 31, 15, 3};
            return QString(QChar(toggles[pick(4)]));
        }
        default: return words[pick(words.size())];
        }
    };
    for (int n = 0; n < 5000; ++n) {
        QString text;
        for (int i = pick(14); i >= 0; --i)
            text += piece();
        ASSERT_EQ(formato(text), literalFormato(text)) << "text: " << shown(text);
        QString escaped = text, literalEscaped = text;
        ASSERT_EQ(Function::EscapaJS(escaped), literal::escapaJs(literalEscaped)) << "text: " << shown(text);
        ASSERT_EQ(escaped, literalEscaped);
    }
}

// Codes looked up again from the start of the text: Chr(3)s passed over
// when the one before them was removed, codes whose digits were passed over
// with them, lone and doubled Chr(3)s next to bold and underline.
TEST(FormatoHTML, TextsDenseInCodesGiveWhatTheLiteralPassesGive)
{
    const QString c = QString(QChar(3));
    const QStringList pieces = {c, c, c + c, "4", "12", ",", "5,", "a", QString(QChar(2)), QString(QChar(31)), c + "1,2"};
    std::mt19937 random(3);
    for (int n = 0; n < 20000; ++n) {
        QString text;
        for (int i = int(random() % 24); i >= 0; --i)
            text += pieces[int(random() % pieces.size())];
        ASSERT_EQ(formato(text), literalFormato(text)) << "text: " << shown(text);
    }
}

// Long lines of codes, as a server may send them: the same result as the
// literal passes, which need a time that grows with the square of the line.
TEST(FormatoHTML, LongLinesOfCodesGiveWhatTheLiteralPassesGive)
{
    const QString c = QString(QChar(3)), b = QString(QChar(2)), u = QString(QChar(31));
    std::mt19937 random(11);
    auto generated = [&](const QStringList& pieces) {
        QString text;
        while (text.size() < 8000)
            text += pieces[int(random() % pieces.size())];
        return text;
    };
    const std::vector<std::pair<const char*, QString>> lines = {
        {"colour codes", generated({c + "04,12a", c + "3b", c + "1,2c", c + "15d", c + "x"})},
        {"stray Chr(3)", generated({c, c + c, c + "5", c + "4,1", c + "12x", "a", ",", c + c + c + "7"})},
        {"only Chr(3)", QString(8000, QChar(3))},
        {"bold and underline", generated({b, u, "a", b + u})},
        {"everything", generated({c, c + "4", b, u, QString(QChar(15)), ":)", "//07", "a"})},
    };
    for (const auto& [name, text] : lines)
        EXPECT_EQ(formato(text), literalFormato(text)) << name;
}

TEST(ColorHTML, NumbersToNames)
{
    const std::vector<std::pair<qint16, QString>> cases = {
        {0, "white"},    {1, "black"},    {2, "darkblue"},  {3, "darkgreen"}, {4, "red"},
        {5, "darkred"},  {6, "#800080"},  {7, "orange"},    {8, "yellow"},    {9, "#00FF00"},
        {10, "#008080"}, {11, "cyan"},    {12, "blue"},     {13, "FUCHSIA"},  {14, "darkgray"},
        {15, "gray"},    {16, ""},        {17, "silver"},   {18, ""},         {99, ""},
        {-1, ""},        {32767, ""},     {-32768, ""},
    };
    for (const auto& [index, name] : cases)
        EXPECT_EQ(Function::ColorHTML(index), name) << index;
}

TEST(EscapaJS, BackslashFirstThenEachSpecialCharacter)
{
    const std::vector<std::pair<QString, QString>> cases = {
        {"hola", "hola"},
        {"a\\b", "a\\\\b"},
        {"it's", "it\\'s"},
        {"\\'", "\\\\\\'"},
        {"say \"hi\"", "say \\\"hi\\\""},
        {"{a;b}", "\\{a\\;b\\}"},
        {"(x)[y]#z", "\\(x\\)\\[y\\]\\#z"},
        {"line1\r\nline2\n", "line1line2"},
        {"<font color='red'>", "<font color=\\'red\\'>"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) {
        QString argument = text;
        EXPECT_EQ(Function::EscapaJS(argument), expected) << text.toStdString();
        EXPECT_EQ(argument, expected) << "the argument is rewritten";
    }
}
