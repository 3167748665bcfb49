#include "platform/BlockPieces.h"
#include "platform/LogBox.h"

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <initializer_list>

using namespace platform;

namespace {

struct ShownLog : ::testing::Test {
    LogBox log;
    void SetUp() override
    {
        log.resize(320, 160);
        log.show();
        QApplication::processEvents();
    }
    void appendLines(int count, const QString& word)
    {
        for (int i = 0; i < count; ++i)
            log.append(word + ' ' + QString::number(i) + "\r\n");
    }
    int bottomLine() const { return log.blockAt(QPoint(10, log.viewport()->height() - 4)); }
    int topLine() const { return log.blockAt(QPoint(10, 3)); }
};

bool hasPixel(const QImage& image, const QRect& area, bool (*test)(QColor))
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(QColor(image.pixel(x, y))))
                return true;
    return false;
}

}  // namespace

TEST(LogBox, LineEndsOfEveryKindEndLines)
{
    const struct {
        std::initializer_list<const char*> appends;
        const char* text;
        int lines;
    } cases[] = {
        {{"a\r\nb\nc\rd"}, "a\nb\nc\nd", 4},
        {{"a\r", "\nb"}, "a\nb", 2},  // CR LF split over two appends
        {{"a\r", "b"}, "a\nb", 2},
        {{"a\r", "\r\n"}, "a\n\n", 2},
        {{"abc"}, "abc", 1},
        {{"abc\r\n"}, "abc\n", 1},
        {{"a", "b", "\n", "c"}, "ab\nc", 2},
        {{"\n\n"}, "\n\n", 2},
        {{"", ""}, "", 0},
    };
    for (const auto& c : cases) {
        LogBox log;
        for (const char* a : c.appends)
            log.append(QString::fromUtf8(a));
        EXPECT_EQ(log.text(), QString::fromUtf8(c.text)) << c.text;
        EXPECT_EQ(log.lineCount(), c.lines) << c.text;
        EXPECT_EQ(log.blockCount(), c.lines) << c.text;
    }
}

TEST(LogBox, TextIsNeverReadAsHtml)
{
    LogBox log;
    const QString line = QStringLiteral(":srv 372 yo :<b>negrita</b> &amp; <img src='x.gif'> ñ");
    log.append(line + "\r\n");
    log.append(QStringLiteral("segunda"));
    log.selectAll();
    EXPECT_EQ(log.selectedText(), line + "\nsegunda");
    EXPECT_EQ(log.text(), line + "\nsegunda");
}

TEST(LogBox, ClearEmptiesItAndItFillsAgain)
{
    LogBox log;
    log.append(QStringLiteral("uno\r\ndos\r"));
    log.clear();
    EXPECT_EQ(log.text(), QString());
    EXPECT_EQ(log.lineCount(), 0);
    log.append(QStringLiteral("\ntres"));  // the CR before the clear is forgotten
    EXPECT_EQ(log.text(), QStringLiteral("\ntres"));
    EXPECT_EQ(log.lineCount(), 2);
}

TEST_F(ShownLog, EachAppendTakesTheColourSetBeforeIt)
{
    QFont big = log.font();
    big.setPointSize(22);
    log.setFont(big);
    log.append(QStringLiteral("MMMM"));
    log.setSelColor(QColor(255, 0, 0));
    log.append(QStringLiteral("MMMM"));
    log.setSelColor(QColor(0, 255, 0));
    log.append(QStringLiteral("MMMM\r\nMMMM"));
    const QImage shot = log.viewport()->grab().toImage();
    const QRect first = log.blockRect(0);
    const QRect second = log.blockRect(1);
    const auto red = [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    const auto green = [](QColor c) { return c.green() > 200 && c.red() < 60 && c.blue() < 60; };
    const auto grey = [](QColor c) { return c.red() > 150 && c.red() == c.green() && c.green() == c.blue(); };
    const int plain = QFontMetrics(big).horizontalAdvance(QStringLiteral("MMMM"));  // before any colour
    const QRect left(first.left(), first.top(), plain, first.height());
    EXPECT_TRUE(hasPixel(shot, left, grey));
    EXPECT_FALSE(hasPixel(shot, left, red));
    EXPECT_TRUE(hasPixel(shot, first, red));
    EXPECT_TRUE(hasPixel(shot, first, green));
    EXPECT_TRUE(hasPixel(shot, second, green));
    EXPECT_FALSE(hasPixel(shot, second, red));
}

TEST_F(ShownLog, NewLinesKeepTheViewAtTheEndOnlyWhenItWasThere)
{
    appendLines(100, QStringLiteral("linea"));
    EXPECT_TRUE(log.isAtEnd());
    EXPECT_EQ(bottomLine(), 99);

    QTest::keyClick(&log, Qt::Key_PageUp);
    EXPECT_FALSE(log.isAtEnd());
    const int top = topLine();
    appendLines(10, QStringLiteral("mas"));
    EXPECT_EQ(topLine(), top);

    QTest::keyClick(&log, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bottomLine(), 109);
    appendLines(10, QStringLiteral("y mas"));
    EXPECT_EQ(bottomLine(), 119);
}

TEST_F(ShownLog, AnOpenLineGrowsInPlace)
{
    log.append(QStringLiteral("PING :irc"));
    const int lines = log.lineCount();
    const int height = log.blockHeight(0);
    log.append(QStringLiteral(".test.local ") + QStringLiteral("x").repeated(200));
    EXPECT_EQ(log.lineCount(), lines);
    EXPECT_GT(log.blockHeight(0), 2 * height);  // re-laid out, and wrapped at the width
    log.selectAll();
    EXPECT_EQ(log.selectedText(), log.text());
}

// A log whose pieces can be looked at as it lays them out.
struct PieceLog : LogBox {
    using LogBox::continuesPrevious;
    using LogBox::fillBlock;
};

// A console line of a few hundred thousand characters, written in several
// appends with a colour change inside, is laid out in pieces: together they
// hold the line, each character in the colour it was written in, and it is
// copied as one line.
TEST(LogBox, AVeryLongLineIsLaidOutInPiecesThatHoldItWhole)
{
    PieceLog log;
    const QString first = QStringLiteral("\u00F1").repeated(100000), second = QString(150000, u'x');
    log.append(QStringLiteral("antes\r\n"));
    log.append(first);
    log.setSelColor(QColor(255, 0, 0));
    log.append(second + QStringLiteral("\r\ndespues"));
    EXPECT_EQ(log.lineCount(), 3);
    EXPECT_GT(log.blockCount(), 2 + 250000 / int(kPieceLength));

    QString text;
    bool coloursRight = true;
    for (int block = 0; block < log.blockCount(); ++block) {
        QTextDocument piece;
        log.fillBlock(block, piece);
        if (block > 0 && !log.continuesPrevious(block))
            text += u'\n';
        for (QTextBlock b = piece.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QString t = it.fragment().text();
                const bool red = it.fragment().charFormat().foreground().color() == QColor(255, 0, 0);
                coloursRight = coloursRight && (t.contains(u'x') || t.contains(QStringLiteral("despues"))) == red;
                text += t;
            }
    }
    const QString all = "antes\n" + first + second + "\ndespues";
    EXPECT_TRUE(text == all) << text.size() << " characters laid out of " << all.size();
    EXPECT_TRUE(coloursRight);
    log.selectAll();
    EXPECT_TRUE(log.selectedText() == all);
}

TEST_F(ShownLog, SelectingByMouseTakesWholeLinesInOrder)
{
    appendLines(3, QStringLiteral("linea"));
    const QPoint from(1, log.blockRect(0).center().y());
    const QPoint to(log.viewport()->width() - 2, log.blockRect(2).center().y());
    QTest::mousePress(log.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(log.viewport(), to);
    QTest::mouseRelease(log.viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(log.selectedText(), QStringLiteral("linea 0\nlinea 1\nlinea 2"));
}
