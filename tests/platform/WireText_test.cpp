#include "QtPrinters.h"
#include "platform/WireText.h"

#include <QList>
#include <gtest/gtest.h>

using namespace platform;

TEST(WireText, ReceivedLinesAreUtf8WhenValidElseWindows1252)
{
    struct Case {
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"hola", QStringLiteral("hola")},
        {"ni\xc3\xb1o", QStringLiteral("niño")},
        {"ni\xf1o", QStringLiteral("niño")},                      // Windows-1252 ñ
        {"\x80 y \x93x\x94", QStringLiteral("€ y “x”")},          // 1252's own range
        {"\xc3\xb1 y \xf1", QStringLiteral("Ã± y ñ")},            // one bad byte: the whole line is 1252
        {"\xe2\x82", QStringLiteral("â‚")},                       // cut sequence
        {"\xed\xa0\x80", QStringLiteral("í\u00a0€")},             // a surrogate is not UTF-8
        {"\xf0\x9f\x98\x80", QString::fromUtf8("\xf0\x9f\x98\x80")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeLine(c.bytes), c.expected) << c.bytes.toHex().toStdString();
}

TEST(WireText, OutgoingTextCannotBecomeASecondCommand)
{
    EXPECT_EQ(encodeLine(QStringLiteral("PRIVMSG #a :x\r\nQUIT")), QByteArray("PRIVMSG #a :x  QUIT"));
    EXPECT_EQ(encodeLine(QString(QStringLiteral("a")) + QChar(0) + u'b'), QByteArray("a b"));
    EXPECT_EQ(encodeLine(QStringLiteral("niño")), QByteArray("ni\xc3\xb1o"));
}

namespace {

QList<QByteArray> feedAll(LineFramer& f, const QList<QByteArray>& pieces)
{
    QList<QByteArray> lines;
    for (const QByteArray& p : pieces) {
        f.feed(p);
        while (auto line = f.takeLine())
            lines << *line;
    }
    return lines;
}

}  // namespace

TEST(LineFramer, CutsTheStreamAtLineFeeds)
{
    struct Case {
        const char* name;
        QList<QByteArray> pieces;
        QList<QByteArray> lines;
        QByteArray partial;
    } cases[] = {
        {"CR LF", {"uno\r\ndos\r\n"}, {"uno", "dos"}, ""},
        {"bare LF", {"uno\ndos\n"}, {"uno", "dos"}, ""},
        {"bare CR disappears", {"u\rno\r\n"}, {"uno"}, ""},
        {"split across reads", {"PRIV", "MSG #a :h", "ola\r", "\n"}, {"PRIVMSG #a :hola"}, ""},
        {"empty lines", {"\n\r\n\n"}, {"", "", ""}, ""},
        {"partial kept", {"uno\ndo"}, {"uno"}, "do"},
    };
    for (const Case& c : cases) {
        LineFramer f;
        EXPECT_EQ(feedAll(f, c.pieces), c.lines) << c.name;
        EXPECT_EQ(f.partial(), c.partial) << c.name;
    }
}

TEST(LineFramer, ALineOverTheLimitIsCutAndHandedOverOnce)
{
    LineFramer f(8);
    const auto lines = feedAll(f, {"0123456", "789abc", "def\r\nnext\n"});
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QByteArray("01234567"));
    EXPECT_EQ(lines[1], QByteArray("next"));
}

TEST(LineFramer, TheRealLimitIsOneMebibyte)
{
    LineFramer f;
    QByteArray huge(3 * 1024 * 1024, 'x');
    const auto lines = feedAll(f, {huge, "\nPING :x\n"});
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), 1024 * 1024);
    EXPECT_EQ(lines[1], QByteArray("PING :x"));
}
