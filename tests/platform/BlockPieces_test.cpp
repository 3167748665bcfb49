#include "platform/BlockPieces.h"
#include "platform/HtmlBlock.h"
#include "platform/HtmlView.h"

#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <random>

using namespace platform;

TEST(BlockPieces, PiecesCountThroughShortAndLongBlocks)
{
    BlockPieces pieces;
    pieces.addBlock();  // block 0: piece 0
    pieces.addBlock();  // block 1: pieces 1 to 3
    pieces.cutLast({10, QStringLiteral("<b>")});
    pieces.cutLast({20, QString()});
    pieces.addBlock();  // block 2: piece 4
    pieces.addBlock();  // block 3: pieces 5 and 6
    pieces.cutLast({5, QString()});
    pieces.addBlock();  // block 4: piece 7
    EXPECT_EQ(pieces.count(), 8);

    const struct {
        int block, piece;
        qsizetype from, to;
        const char* open;
    } expected[] = {
        {0, 0, 0, -1, ""}, {1, 0, 0, 10, ""}, {1, 1, 10, 20, "<b>"}, {1, 2, 20, -1, ""},
        {2, 0, 0, -1, ""}, {3, 0, 0, 5, ""},  {3, 1, 5, -1, ""},     {4, 0, 0, -1, ""},
    };
    for (int p = 0; p < pieces.count(); ++p) {
        const auto& e = expected[p];
        const BlockPieces::Where where = pieces.locate(p);
        EXPECT_EQ(where.block, e.block) << "piece " << p;
        EXPECT_EQ(where.piece, e.piece) << "piece " << p;
        const BlockPieces::Span span = pieces.span(where);
        EXPECT_EQ(span.from, e.from) << "piece " << p;
        EXPECT_EQ(span.to, e.to) << "piece " << p;
        EXPECT_EQ(span.open, QString::fromLatin1(e.open)) << "piece " << p;
        if (e.piece == 0) {
            EXPECT_EQ(pieces.firstPiece(e.block), p);
        }
    }
}

namespace {

// Each character of a document with how it looks; blocks end in "\n".
struct Look {
    QChar c;
    bool bold;
    bool underline;
    QRgb foreground;
    QRgb background;
    bool centred;
    bool operator==(const Look&) const = default;
};

void addLooks(const QTextDocument& doc, std::vector<Look>& looks)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin())
            looks.push_back({u'\n', false, false, 0, 0, false});
        const bool centred = b.blockFormat().alignment() & Qt::AlignHCenter;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (QChar c : it.fragment().text())
                looks.push_back({c, f.fontWeight() >= QFont::Bold, f.fontUnderline(), f.foreground().color().rgba(),
                                 f.background().color().rgba(), centred});
        }
    }
}

// A long fragment of chat HTML: words and blanks, entities, the renderer's
// tags, line breaks, letters outside Latin-1.
QString longFragment(std::mt19937& random, qsizetype size)
{
    static const char* const pieces[] = {
        "hola", "que", " ", " ", "  ", "&lt;b&gt;", "&amp;", "<b>", "</b>", "<u>", "</u>", "</B>",
        "<font color='red' STYLE='background: white'>", "</font><font color='blue' STYLE='background: '>",
        "</font>", "<br>", "\u00F1and\u00FA",
        "\U0001F600", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
    };
    QString html = QStringLiteral("<b> ana :</B>  ");
    while (html.size() < size)
        html += QString::fromUtf8(pieces[random() % std::size(pieces)]);
    return html + QStringLiteral("</font></b></u><br>");
}

}  // namespace

// A view's pieces as it lays them out.
struct PieceView : HtmlView {
    using HtmlView::fillBlock;
};

// Cut where it may be, each piece with the tags open at its cut looks and
// reads as its part of the whole fragment.
TEST(HtmlCuts, EachPieceLooksAsItsPartOfTheWhole)
{
    std::mt19937 random(5);
    const std::vector<QString> fragments = {
        QStringLiteral("<b> ana :</B>  ") + QString(60000, u'a') + QStringLiteral("</font></b></u><br>"),
        QStringLiteral("<font color='red' STYLE='background: blue'>x</font>").repeated(20000),
        longFragment(random, 60000),
        longFragment(random, 200000),
    };
    for (const QString& html : fragments) {
        PieceView view;
        view.writeln(QStringLiteral("antes"));
        view.writeln(html);
        view.writeln(QStringLiteral("despues"));
        ASSERT_GT(view.blockCount(), 4) << "cut into pieces";
        std::vector<Look> whole, pieces;
        for (const QString& fragment : {QStringLiteral("antes"), html, QStringLiteral("despues")}) {
            QTextDocument doc;
            doc.setHtml(htmlForLayout(fragment));
            addLooks(doc, whole);
        }
        for (int block = 0; block < view.blockCount(); ++block) {
            QTextDocument piece;
            view.fillBlock(block, piece);
            addLooks(piece, pieces);
        }
        ASSERT_EQ(pieces.size(), whole.size());
        for (size_t i = 0; i < whole.size(); ++i)
            ASSERT_EQ(pieces[i], whole[i]) << "character " << i << " of " << whole.size();
    }
}

TEST(HtmlCuts, ShortFragmentsAndFragmentsWithBlockTagsStayWhole)
{
    const QString line = QStringLiteral("<b> ana :</B>  ") + QString(kPieceLength - 40, u'a');
    const QString coloured = QStringLiteral("<font color='red' STYLE='background: blue'>x</font>");
    EXPECT_TRUE(htmlCuts(line).empty());
    EXPECT_FALSE(htmlCuts(line + line).empty());
    EXPECT_TRUE(htmlCuts(line + QStringLiteral("<center>fin</center>") + line).empty());
    EXPECT_TRUE(htmlCuts(QString(3 * kPieceLength, u' ')).empty()) << "no cut before a blank";
    // A piece weighs what it shows, each tag as four characters.
    EXPECT_TRUE(htmlCuts(coloured.repeated(800)).empty());
    EXPECT_FALSE(htmlCuts(coloured.repeated(1000)).empty());
}

// A document written on, fragment after fragment with tags left open
// across them, looks as the same text set whole: each block starts inside
// the tags open before it, and a long one is cut with them too.
TEST(HtmlCuts, AWrittenOnDocumentLooksAsTheWholeOfIt)
{
    std::mt19937 random(11);
    std::vector<QString> fragments;
    for (int n = 0; n < 60; ++n)
        fragments.push_back(longFragment(random, 40).chopped(int(QStringLiteral("</font></b></u><br>").size())) +
                            QStringLiteral("<br>"));
    fragments.push_back(longFragment(random, 30000).chopped(int(QStringLiteral("</font></b></u><br>").size())) +
                        QStringLiteral("<br>"));
    // Tags still open where a long one is cut.
    fragments.push_back(QStringLiteral("</b></u></font><u><font color='red' STYLE='background: white'>abre<br>"));
    fragments.push_back(QStringLiteral("texto largo ").repeated(2000) + QStringLiteral("<br>"));
    fragments.push_back(QStringLiteral("<b> ana :</B>  ultima<br>"));
    PieceView view;
    QString whole;
    for (const QString& f : fragments) {
        view.writeOn(f);
        whole += f;
    }
    view.setClosingTags(QStringLiteral("</u></b></font>"));
    EXPECT_EQ(view.documentHTML(), whole + QStringLiteral("</u></b></font>"));
    ASSERT_GT(view.blockCount(), int(fragments.size())) << "the long one is cut";

    // Line ends are a line break in the whole and a block end in the view.
    const auto visible = [](std::vector<Look> looks) {
        std::erase_if(looks, [](const Look& l) { return l.c == u'\n' || l.c == QChar::LineSeparator; });
        return looks;
    };
    QTextDocument doc;
    doc.setHtml(htmlForLayout(whole));
    std::vector<Look> expected, shown;
    addLooks(doc, expected);
    for (int block = 0; block < view.blockCount(); ++block) {
        QTextDocument piece;
        view.fillBlock(block, piece);
        addLooks(piece, shown);
    }
    expected = visible(expected);
    shown = visible(shown);
    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(shown[i], expected[i]) << "character " << i << " of " << expected.size();
}

TEST(HtmlCuts, OpenTagsFollowHowQtClosesThem)
{
    const struct {
        const char* opened;
        const char* html;
        const char* after;
    } cases[] = {
        {"", "<b>uno<u>dos", "<b><u>"},
        {"<b><u>", "</u>tres", "<b>"},
        {"<b><u>", "</b>cierra los dos", ""},
        {"<b>", "</u>no hay u abierta", "<b>"},
        {"", "<font color='red'>a</font></font><font color='blue'>b", "<font color='blue'>"},
        {"<font color='red'>", "<br><img src='x.gif'>c", "<font color='red'>"},
        {"<B>", "</b>", ""},
        {"", "<center>bloque</center><b", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(openTagsAfter(QString::fromLatin1(c.opened), QString::fromLatin1(c.html)), QString::fromLatin1(c.after))
            << c.opened << " + " << c.html;
}
