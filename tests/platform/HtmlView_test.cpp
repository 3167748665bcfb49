#include "platform/Desktop.h"
#include "platform/BlockPieces.h"
#include "platform/Errors.h"
#include "platform/HtmlView.h"
#include "platform/PictureStore.h"

#include <QDir>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;
using namespace std::literals;

namespace {

const QString tail = QStringLiteral("</font></b></u><br>");

// The escaping the program applies before it writes a fragment.
QString escapeForScript(QString t)
{
    t.remove(u'\n').remove(u'\r');
    t.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    for (QChar c : QStringLiteral("{};'\"()][#"))
        t.replace(c, QStringLiteral("\\") + c);
    return t;
}

QString writelnScript(const QString& html) { return "document.writeln('" + escapeForScript(html) + "');"; }

QImage filledImage(QSize size, QColor color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// Where the scroll bar's thumb is when the view shows the end.
QPoint endOfGroove(const QScrollBar& bar)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.subControls = QStyle::SC_All;
    const QRect groove = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, &bar);
    return QPoint(groove.center().x(), groove.bottom() - 2);
}

// A view on screen (offscreen), as the user sees it.
struct ShownView : ::testing::Test {
    HtmlView view;
    void SetUp() override
    {
        view.resize(360, 240);
        view.show();
        QApplication::processEvents();
    }
    void writeLines(int count, const QString& word = QStringLiteral("linea"))
    {
        for (int i = 0; i < count; ++i) {
            view.writeln(word + ' ' + QString::number(i) + tail);
            view.scroll(0, 800000000);
        }
    }
    QPoint inside(int block, int x) const { return QPoint(x, view.blockRect(block).center().y()); }
    int bottomBlock() const { return view.blockAt(QPoint(10, view.viewport()->height() - 4)); }
    int topBlock() const { return view.blockAt(QPoint(10, 3)); }
};

// Pictures served from a temporary folder under an address prefix of the
// test's own, so no other test's answers are remembered for it.
struct ServedPictures : ShownView {
    QTemporaryDir folder;
    QString prefix;
    void SetUp() override
    {
        ShownView::SetUp();
        ASSERT_TRUE(folder.isValid());
        prefix = QStringLiteral("http://img.%1.test/")
                     .arg(::testing::UnitTest::GetInstance()->current_test_info()->name());
        HtmlView::servePictures(prefix, folder.path());
    }
    void picture(const QString& path, QSize size)
    {
        const QString file = folder.path() + '/' + path;
        QDir().mkpath(QFileInfo(file).path());
        ASSERT_TRUE(filledImage(size, Qt::blue).save(file));
    }
};

}  // namespace

TEST(UnescapeScriptString, EscapesAsAScriptEngineReadsThem)
{
    const struct {
        std::u16string_view body;  // what follows the opening quote
        std::u16string_view text;
        qsizetype end;             // just past the closing quote
    } cases[] = {
        {u"plain'", u"plain", 6},
        {u"a\\nb\\tc\\rd'", u"a\nb\tc\rd", 11},
        {u"\\b\\f\\v'", u"\b\f\v", 7},
        {u"x\\0y'"sv, u"x\0y"sv, 5},
        {u"\\x41\\x6a'", u"Aj", 9},
        {u"\\u00e9\\u00F1'", u"éñ", 13},
        {u"\\u{1F600}\\u{41}'", u"\U0001F600A", 16},
        {u"it\\'s'", u"it's", 6},
        {u"\\\\'", u"\\", 3},
        {u"\\{\\}\\;\\\"\\(\\)\\]\\[\\#'", u"{};\"()][#", 19},
        {u"\\q\\%\\ '", u"q% ", 7},
        {u"\\x4g\\u12'", u"x4gu12", 9},  // malformed: the letter stands for itself
        {u"\\u{}\\u{110000}'", u"u{}u{110000}", 15},
        {u"one \\\ntwo\\\r\nthree\\\u2028.'", u"one twothree.", 21},  // line continuations
        {u"ends' here'", u"ends", 5},
    };
    for (const auto& c : cases) {
        const QString code = QStringView(c.body).toString();
        qsizetype end = -2;
        EXPECT_EQ(unescapeScriptString(code, 0, &end), QStringView(c.text).toString())
            << code.toStdString();
        EXPECT_EQ(end, c.end) << code.toStdString();
    }
}

TEST(UnescapeScriptString, ReadsFromStartAndReportsWhereTheStringEnds)
{
    const QString code = QStringLiteral("document.writeln('hola');");
    qsizetype end = -2;
    EXPECT_EQ(unescapeScriptString(code, 18, &end), QStringLiteral("hola"));
    EXPECT_EQ(end, 23);
    EXPECT_EQ(code.mid(end), QStringLiteral(");"));
}

TEST(UnescapeScriptString, UnterminatedStringsEndAtMinusOne)
{
    for (const QString& code : {QStringLiteral("sin cierre"), QStringLiteral("escapada\\'"), QStringLiteral("barra\\")}) {
        qsizetype end = 0;
        unescapeScriptString(code, 0, &end);
        EXPECT_EQ(end, -1) << code.toStdString();
    }
}

TEST(HtmlViewSource, IsExactlyWhatWasSetAndWritten)
{
    HtmlView view;
    view.setDocumentHTML(QStringLiteral("<body bgcolor='black'>"));
    view.writeln(QStringLiteral("uno") + tail);
    view.execScript(QStringLiteral("document.write('dos');"));
    view.execScript(QStringLiteral("document.writeln('tres');"));
    EXPECT_EQ(view.documentHTML(), "<body bgcolor='black'>uno" + tail + "\ndostres\n");
    EXPECT_EQ(view.fragmentCount(), 3);
    EXPECT_EQ(view.blockCount(), 4);

    view.setDocumentHTML(QString());
    EXPECT_EQ(view.documentHTML(), QString());
    EXPECT_EQ(view.fragmentCount(), 0);
    EXPECT_EQ(view.blockCount(), 0);
    view.writeln(QStringLiteral("otra"));
    EXPECT_EQ(view.documentHTML(), QStringLiteral("otra\n"));
}

TEST(HtmlViewSource, EscapedFragmentsComeBackAsTheyWere)
{
    const QString fragments[] = {
        "<b> pepe :</B>  hola <img src='http://img.vexlo-team.example/Brisolo/IconCG/00.gif'> que tal" + tail,
        "<font color='red' STYLE='background: white'>texto rojo</font>" + tail,
        QStringLiteral("{llaves}; \"comillas\" (y) [corchetes] #sala \\barra\\ \\n no es salto á ñ ☺") + tail,
        "<IMG SRC=\"http://img.vexlo-team.example/img/list-new/8.gif\">" + tail,
    };
    HtmlView view;
    QString expected;
    for (const QString& f : fragments) {
        view.execScript(writelnScript(f), QStringLiteral("JavaScript"));
        expected += f + '\n';
    }
    EXPECT_EQ(view.documentHTML(), expected);
}

TEST(HtmlViewSource, ScriptsThatAreNotAWriteAreRefused)
{
    const QString scripts[] = {
        QStringLiteral("alert('hola');"),
        QStringLiteral("document.writeln(\"hola\");"),
        QStringLiteral("document.writeln('hola'"),
        QStringLiteral("document.writeln('hola);"),
        QStringLiteral("document.writeln('hola'); alert(1);"),
        QStringLiteral("document.writeln('a' + 'b');"),
        QStringLiteral("window.document.writeln('hola');"),
        QString(),
    };
    HtmlView view;
    view.writeln(QStringLiteral("antes"));
    for (const QString& s : scripts)
        EXPECT_THROW(view.execScript(s), RuntimeError) << s.toStdString();
    EXPECT_THROW(view.execScript(QStringLiteral("document.writeln('hola');"), QStringLiteral("VBScript")), RuntimeError);
    EXPECT_EQ(view.documentHTML(), QStringLiteral("antes\n"));

    view.execScript(QStringLiteral("  document.writeln( 'sin punto y coma' )  "));
    EXPECT_EQ(view.documentHTML(), QStringLiteral("antes\nsin punto y coma\n"));
}

// The skin's style sheet sets every widget's font when it is polished: a
// view laid out before it was ever shown uses that font too.
TEST(HtmlViewLayout, AViewNeverShownLaysOutInTheFontOfTheStyleSheet)
{
    struct Sheet {
        const QString before = qApp->styleSheet();
        ~Sheet() { qApp->setStyleSheet(before); }
    } sheet;
    qApp->setStyleSheet(QStringLiteral("QWidget { font-size: 30pt; }"));
    HtmlView hidden, shown;
    for (HtmlView* view : {&hidden, &shown}) {
        view->resize(360, 240);
        view->writeln("hola" + tail);
    }
    shown.show();
    EXPECT_GT(shown.blockHeight(0), 30);
    EXPECT_EQ(hidden.blockHeight(0), shown.blockHeight(0));
}

TEST_F(ServedPictures, AServedPictureMakesItsLineTallerAndAMissingGifFallsBackToPng)
{
    picture(QStringLiteral("Brisolo/IconCG/07.png"), QSize(40, 40));
    view.writeln("<b> pepe :</B>  hola <img src='" + prefix + "Brisolo/IconCG/07.gif'> que tal" + tail);
    view.writeln("<b> pepe :</B>  hola que tal" + tail);
    EXPECT_GE(view.blockHeight(0), 40);
    EXPECT_LT(view.blockHeight(1), 40);
}

TEST_F(ServedPictures, TheWelcomePictureKeepsItsSizeInSpiteOfItsOddAttributes)
{
    picture(QStringLiteral("ClientePictures/Parlowen(2).png"), QSize(47, 40));
    view.setDocumentHTML("<body bgcolor='black'><center><img src='" + prefix
                         + "ClientePictures/Parlowen(2).gif', width=470; height=400; top=0; left=0>");
    EXPECT_EQ(view.blockHeight(0), 400);
}

TEST_F(ServedPictures, AnAddressThatShowsNothingLaysOutAsTextAndIsLookedUpOnce)
{
    const QString text = QStringLiteral("<b> ana :</B>  mira ");
    const QString elsewhere = QStringLiteral("<img src='http://elsewhere.example/%1.gif'>")
                                  .arg(::testing::UnitTest::GetInstance()->current_test_info()->name());
    const QString missing = "<IMG SRC=\"" + prefix + "img/list-new/99.gif\">";
    view.writeln(text + tail);
    view.writeln(text + elsewhere + tail);
    view.writeln(text + missing + tail);
    const int lookups = PictureStore::instance().lookups();
    const int textOnly = view.blockHeight(0);
    EXPECT_EQ(view.blockHeight(1), textOnly);
    EXPECT_EQ(view.blockHeight(2), textOnly);
    EXPECT_EQ(PictureStore::instance().lookups(), lookups + 2);

    // Laid out again, in this view and in another one: answered from memory.
    view.setDocumentHTML(QString());
    view.writeln(text + elsewhere + missing + tail);
    HtmlView other;
    other.writeln(text + missing + elsewhere + tail);
    EXPECT_EQ(view.blockHeight(0), textOnly);
    EXPECT_EQ(other.blockHeight(0), textOnly);
    EXPECT_EQ(PictureStore::instance().lookups(), lookups + 2);
}

TEST_F(ServedPictures, TheWelcomeBackgroundStaysInItsBlock)
{
    picture(QStringLiteral("ClientePictures/Parlowen(2).png"), QSize(100, 60));
    view.setDocumentHTML("<body bgcolor='black'><center><img src='" + prefix + "ClientePictures/Parlowen(2).gif'>");
    view.writeln(QStringLiteral("<font color=Silver> [ana ] a Entrado a sala.") + tail);
    const QImage shot = view.viewport()->grab().toImage();
    const QRect welcome = view.blockRect(0);
    const QRect line = view.blockRect(1);
    ASSERT_EQ(welcome.height(), 60);
    EXPECT_EQ(QColor(shot.pixel(2, welcome.top() + 1)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(welcome.center())), QColor(Qt::blue));  // the picture, centred
    EXPECT_EQ(QColor(shot.pixel(view.viewport()->width() - 2, line.center().y())), QColor(Qt::white));
    EXPECT_EQ(QColor(shot.pixel(2, line.bottom() + 5)), QColor(Qt::white));
}

TEST_F(ShownView, EachFragmentIsOneBlockAndItsClosingBreakAddsNoLine)
{
    view.writeln(QStringLiteral("uno"));
    view.writeln(QStringLiteral("uno") + tail);
    view.writeln("uno<br>dos" + tail);
    view.writeln("<center><font color=silver><b>Has Desconectado el Trovelin</b></font></center>" + tail);
    const int line = view.blockHeight(0);
    EXPECT_EQ(view.blockHeight(1), line);
    EXPECT_EQ(view.blockHeight(2), 2 * line);
    EXPECT_EQ(view.blockHeight(3), line);
    EXPECT_EQ(view.blockRect(3).top(), view.blockRect(2).bottom() + 1);
}

TEST_F(ShownView, TagsLeftOpenDoNotReachTheNextFragment)
{
    view.writeln(QStringLiteral("<font color='red' STYLE='background: red'>rojo sin cerrar"));
    view.writeln(QStringLiteral("texto normal sin color") + tail);
    const QImage shot = view.viewport()->grab().toImage();
    const QRect second = view.blockRect(1);
    bool red = false;
    for (int y = second.top(); y <= second.bottom(); ++y)
        for (int x = 0; x < shot.width() - 1; ++x)
            red = red || QColor(shot.pixel(x, y)).red() > 2 * QColor(shot.pixel(x, y)).green() + 40;
    EXPECT_FALSE(red);
    EXPECT_EQ(QColor(shot.pixel(6, view.blockRect(0).center().y())), QColor(Qt::red));  // the first one is red
}

TEST_F(ShownView, ScrollingToTheEndShowsTheLastFragmentAndStaysThere)
{
    writeLines(200);
    EXPECT_TRUE(view.isAtEnd());
    EXPECT_EQ(bottomBlock(), 199);
    const QRect last = view.blockRect(199);
    EXPECT_LE(last.bottom(), view.viewport()->height());
    EXPECT_GE(last.bottom(), view.viewport()->height() - 6);

    writeLines(50, QStringLiteral("mas"));
    EXPECT_EQ(bottomBlock(), 249);
    QApplication::processEvents();
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
}

// What reaches the screen, not only what the view would paint when asked:
// the window's pixels come to match the view's own drawing of its lines.
TEST_F(ShownView, TheScreenShowsTheNewLines)
{
    const auto darkPixels = [](const QImage& image) {
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width() - 20; ++x)  // the scroll bar aside
                dark += qGray(image.pixel(x, y)) < 100;
        return dark;
    };
    const auto onScreen = [&] { return view.screen()->grabWindow(view.winId()).toImage(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return darkPixels(onScreen()) == 0; }, 5000));
    writeLines(30, QStringLiteral("<b>negrita</b>"));
    const QImage own = view.grab().toImage();
    ASSERT_GT(darkPixels(own), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return onScreen() == own; }, 5000))
        << darkPixels(onScreen()) << " dark pixels on screen, " << darkPixels(own) << " in the view's drawing";
}

TEST_F(ShownView, WhenTheUserHasScrolledUpAppendsDoNotMoveTheView)
{
    writeLines(200);
    QApplication::processEvents();
    QTest::keyClick(&view, Qt::Key_PageUp);
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_FALSE(view.isAtEnd());
    const int top = topBlock();
    const QRect shown = view.blockRect(top);
    ASSERT_GE(top, 0);
    for (int i = 0; i < 20; ++i)
        view.writeln(QStringLiteral("nueva") + tail);
    EXPECT_EQ(topBlock(), top);
    EXPECT_EQ(view.blockRect(top), shown);

    view.scroll(0, 800000000);
    EXPECT_EQ(bottomBlock(), 219);
}

TEST_F(ShownView, TheScrollBarAndTheWheelMoveThroughTheHistory)
{
    writeLines(300);
    // Dragged to the top at once, before the scroll bar's repaint round.
    QScrollBar* bar = view.verticalScrollBar();
    const QPoint thumb = endOfGroove(*bar);
    const QPoint above(thumb.x(), -50);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, above);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, above);
    EXPECT_EQ(topBlock(), 0);
    EXPECT_EQ(view.blockRect(0).top(), 2);

    QWheelEvent down(QPointF(20, 20), view.mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &down);
    EXPECT_GT(topBlock(), 0);
    const int afterWheel = topBlock();

    bar->setValue(bar->maximum() / 2);
    EXPECT_GT(topBlock(), afterWheel + 100);
    EXPECT_LT(topBlock(), 200);
    bar->setValue(bar->maximum());
    EXPECT_EQ(bottomBlock(), 299);
}

TEST_F(ShownView, ATallBlockCanBeScrolledThroughToItsEnd)
{
    QString tall;
    for (int i = 0; i < 60; ++i)
        tall += QStringLiteral("renglon %1<br>").arg(i);
    view.setDocumentHTML(tall);
    EXPECT_GT(view.blockHeight(0), 3 * view.viewport()->height());
    EXPECT_EQ(view.blockRect(0).top(), 2);
    view.scroll(0, 99999);
    EXPECT_EQ(view.blockRect(0).bottom(), view.viewport()->height() - 3);
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_GT(view.blockRect(0).bottom(), view.viewport()->height() - 3);
}

TEST_F(ShownView, SelectingByMouseAcrossBlocksCopiesTheirPlainText)
{
    struct Clipboard : DesktopHost {
        QString text;
        void openUrl(const QString&) override {}
        void setClipboardText(const QString& t) override { text = t; }
        QString clipboardText() override { return text; }
        QRect workArea() override { return QRect(); }
        void setAlwaysOnTop(QWidget*, bool) override {}
        void end() override {}
    } clipboard;
    setDesktopHost(&clipboard);

    view.writeln("<b> ana :</B>  uno" + tail);
    view.writeln("<font color=Silver>dos dos</font>" + tail);
    view.writeln("tr&eacute;s <img src='http://nowhere.example/x.gif'>" + tail);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, inside(0, 1));
    QTest::mouseMove(view.viewport(), inside(1, 40));
    QTest::mouseMove(view.viewport(), inside(2, view.viewport()->width() - 5));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, inside(2, view.viewport()->width() - 5));
    EXPECT_EQ(view.selectedText(), QStringLiteral("ana : uno\ndos dos\ntrés "));
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text, view.selectedText());

    // From the start of a block to the start of the next: its text and the line end.
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, inside(1, 1));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, inside(2, 1));
    EXPECT_EQ(view.selectedText(), QStringLiteral("dos dos\n"));

    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, inside(1, 8));
    EXPECT_EQ(view.selectedText(), QStringLiteral("dos"));

    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    view.copy();
    EXPECT_EQ(clipboard.text, QStringLiteral("ana : uno\ndos dos\ntrés "));
    setDesktopHost(nullptr);
}

TEST_F(ShownView, SelectAllTakesBlocksNeverShown)
{
    writeLines(1000);
    view.selectAll();
    const QStringList lines = view.selectedText().split('\n');
    ASSERT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.front(), QStringLiteral("linea 0"));
    EXPECT_EQ(lines[500], QStringLiteral("linea 500"));
    EXPECT_EQ(lines.back(), QStringLiteral("linea 999"));
}

// A line of a few hundred thousand letters without a place to break is laid
// out in pieces, the ones on screen only: the view still follows the end,
// and a selection over it copies it as one line.
TEST_F(ShownView, AVeryLongLineIsShownAtTheEndAndCopiedWhole)
{
    const QString letters = QString(300000, u'a');
    writeLines(2);
    view.writeln("<b> ana :</B>  " + letters + " fin" + tail);
    writeLines(1, QStringLiteral("despues"));
    view.scroll(0, 800000000);
    QApplication::processEvents();
    EXPECT_GT(view.blockCount(), 3 + 300000 / int(kPieceLength) / 2);
    EXPECT_EQ(bottomBlock(), view.blockCount() - 1);

    const QString all = "linea 0\nlinea 1\nana : " + letters + " fin\ndespues 0";
    view.selectAll();
    EXPECT_EQ(view.selectedText(), all);

    // Dragged from the top of the screen, over the end of the long line.
    const QPoint from(1, 3), to(view.viewport()->width() - 5, view.blockRect(view.blockCount() - 1).center().y());
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view.viewport(), to);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
    const QString dragged = view.selectedText();
    EXPECT_TRUE(dragged.endsWith(QStringLiteral("aaa fin\ndespues 0"))) << dragged.right(40).toStdString();
    EXPECT_TRUE(all.endsWith(dragged));
}

TEST_F(ShownView, ResizingRewrapsLongLines)
{
    const QString words = QStringLiteral("palabra ").repeated(40);
    view.writeln("<b> pepe :</B>  " + words + tail);
    view.writeln(QStringLiteral("corta") + tail);
    view.resize(700, 240);
    QApplication::processEvents();
    const int wide = view.blockHeight(0);
    view.resize(200, 240);
    QApplication::processEvents();
    const int narrow = view.blockHeight(0);
    EXPECT_GT(narrow, 2 * wide);
    EXPECT_EQ(view.blockRect(1).top(), view.blockRect(0).bottom() + 1);
}
