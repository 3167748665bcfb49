// The style of the user's own lines: bold and underline, the font and
// background swatches, mix colour, the palette, the rainbow, and the style
// coming back after a restart.
#include "AppFixture.h"
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/ColorSwatch.h"
#include "platform/Dialogs.h"
#include "platform/PictureBox.h"
#include "platform/Text.h"
#include "platform/ToggleButton.h"
#include "windows/frmAdornos.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace platform;
using namespace Function;

namespace {

QString c3(const char* code) { return Chr(3) + QString::fromLatin1(code); }

QColor foreOf(QWidget* box)
{
    box->ensurePolished();
    return box->palette().color(QPalette::Text);
}

QColor backOf(QWidget* box)
{
    box->ensurePolished();
    return box->palette().color(QPalette::Base);
}

}  // namespace

TEST(Arcoiris, EveryCodeIsWrittenAndEachPieceFollowsItsCode)
{
    // Characters numbered from 1, so a piece shows where it was cut.
    auto numbered = [](int n) {
        QString t;
        for (int i = 1; i <= n; ++i)
            t += QChar(u'A' + (i - 1) % 26);
        return t;
    };
    const QString allCodes = c3("02") + c3("04") + c3("07") + c3("04") + c3("06") + c3("10") + u' ' + c3("05") +
                             c3("01") + c3("12") + c3("07") + c3("06") + c3("09") + c3("04") + c3("03") + c3("12") +
                             c3("07") + c3("03") + c3("04") + c3("09") + c3("07") + c3("04");
    QString empty;
    EXPECT_EQ(Arcoiris(empty), allCodes);

    QString abc = QStringLiteral("abc");
    EXPECT_EQ(Arcoiris(abc), c3("02") + QStringLiteral("abc") + allCodes.mid(3));
    EXPECT_EQ(abc, c3("02") + QStringLiteral("abc") + allCodes.mid(3)) << "the argument is rewritten too";

    const QString long_ = numbered(230);
    struct Case {
        int textLength;
        QString expected;  // a stretch the result must hold
    } cases[] = {
        // The blank of piece 7 between characters 60 and 61.
        {65, c3("10") + Mid(numbered(65), 51, 10) + u' ' + c3("05") + Mid(numbered(65), 61)},
        // 161 to 180 are one piece in 03; 211 on the last piece in 04.
        {230, c3("07") + Mid(long_, 151, 10) + c3("03") + Mid(long_, 161, 20) + c3("04") + Mid(long_, 181, 10)},
        {230, c3("07") + Mid(long_, 201, 10) + c3("04") + Mid(long_, 211)},
    };
    for (const Case& c : cases) {
        QString t = numbered(c.textLength);
        const QString r = Arcoiris(t);
        EXPECT_TRUE(r.contains(c.expected)) << c.textLength;
        EXPECT_EQ(r.count(QChar(3)), 21);
        EXPECT_EQ(QString(r).remove(QChar(3)).remove(QRegularExpression(QStringLiteral("\\d\\d"))).remove(u' '),
                  numbered(c.textLength))
            << "nothing of the text is lost";
    }
}

class TextStyle : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        irc = frmIRC::instance();
    }
    QByteArray settings() const { return readFile(QStringLiteral("Parlowen.nt")); }
    frmIRC* irc = nullptr;
};

TEST_F(TextStyle, SwatchesBuildTheColourSlotsAndColourTheBoxes)
{
    EXPECT_TRUE(irc->Option1[1]->isChecked()) << "font colour 1 is chosen when the window loads";
    struct Case {
        const char* name;
        int font, back;  // -1: not clicked
        QString slot3, slot2;
        QColor fore, backColor;
    } cases[] = {
        {"background 5 with font 16", 16, 5, {}, c3("0,5"), Qt::black, QColor(0x80, 0, 0)},
        {"background 10", -1, 10, {}, c3("0,10"), Qt::black, QColor(0, 0xC0, 0xC0)},
        {"font 7", 7, -1, c3("07"), c3("0,10"), QColor(0xFF, 0x80, 0), QColor(0, 0xC0, 0xC0)},
        {"font 0 is light grey", 0, -1, c3("00"), c3("0,10"), QColor(0xE0, 0xE0, 0xE0), QColor(0, 0xC0, 0xC0)},
        {"16 gives nothing", 16, 16, {}, {}, Qt::black, Qt::white},
    };
    for (const Case& c : cases) {
        if (c.font >= 0)
            irc->Option1[c.font]->click();
        if (c.back >= 0)
            irc->Option2[c.back]->click();
        EXPECT_EQ(FormatoTexto[3], c.slot3) << c.name;
        EXPECT_EQ(FormatoTexto[2], c.slot2) << c.name;
        EXPECT_EQ(foreOf(irc->txtChatMsg), c.fore) << c.name;
        EXPECT_EQ(backOf(irc->txtChatMsg), c.backColor) << c.name;
        EXPECT_EQ(backOf(frmAdornos::instance()->AdornoI), c.backColor) << c.name;
        EXPECT_EQ(backOf(frmAdornos::instance()->AdornoD), c.backColor) << c.name;
        if (c.font >= 0) {
            EXPECT_TRUE(settings().contains("Color Central=" + QByteArray::number(c.font) + "\r\n")) << c.name;
        }
        if (c.back >= 0) {
            EXPECT_TRUE(settings().contains("Color Fondo=" + QByteArray::number(c.back) + "\r\n")) << c.name;
        }
    }
    EXPECT_EQ(irc->Option1[1]->toolTip(), QStringLiteral("Color de fuente/Font Color"));
    EXPECT_EQ(irc->Option2[1]->toolTip(), QStringLiteral("Color de fondo/Background Color"));
}

TEST_F(TextStyle, BoldAndUnderlineToggleTheirCodeCaptionAndSavedValue)
{
    struct Case {
        ToggleButton* button;
        QString caption;
        QString code;
        int slot;
        QString* saved;
        QByteArray key;
        bool (QFont::*shows)() const;
    } cases[] = {
        {irc->Command2, QStringLiteral("Negrita"), Chr(2), 0, &CodigoBold, "Bold=", &QFont::bold},
        {irc->Command3, QStringLiteral("Subrayada"), Chr(31), 1, &CodigoUnder, "Under=", &QFont::underline},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.button->text(), c.caption);
        EXPECT_FALSE(c.button->isChecked());
        c.button->click();
        EXPECT_EQ(c.button->text(), QStringLiteral("Normal"));
        EXPECT_TRUE(c.button->isChecked());
        EXPECT_EQ(FormatoTexto[c.slot], c.code);
        EXPECT_EQ(*c.saved, c.code);
        EXPECT_TRUE(settings().contains(c.key + toCp1252(c.code) + "\r\n"));
        irc->txtChatMsg->ensurePolished();
        EXPECT_TRUE((irc->txtChatMsg->font().*c.shows)());
        c.button->click();
        EXPECT_EQ(c.button->text(), c.caption);
        EXPECT_FALSE(c.button->isChecked());
        EXPECT_EQ(FormatoTexto[c.slot], QString());
        EXPECT_TRUE(settings().contains("\r\n" + c.key + "\r\n"));
        irc->txtChatMsg->ensurePolished();
        EXPECT_FALSE((irc->txtChatMsg->font().*c.shows)());
    }
}

TEST_F(TextStyle, MixColourRunsThroughEveryFontColourThenNone)
{
    EXPECT_FALSE(irc->Timer3->isActive()) << "no ticks while mix colour is off";
    EXPECT_EQ(irc->Timer3->interval(), 100);
    irc->Timer3_Timer();
    EXPECT_EQ(FormatoTexto[3], QString()) << "a tick does nothing while mix colour is off";

    irc->Command29->click();
    EXPECT_TRUE(irc->Timer3->isActive());
    EXPECT_EQ(irc->Command29->text(), QStringLiteral("Normal color"));
    EXPECT_TRUE(irc->Command29->isChecked());
    QStringList seen;
    for (int tick = 0; tick < 18; ++tick) {
        irc->Timer3_Timer();
        seen << QString(FormatoTexto[3]).remove(QChar(3));
    }
    QStringList expected;
    for (int n = 0; n <= 15; ++n)
        expected << QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
    expected << QString() << QStringLiteral("00");
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(irc->Option1[0]->isChecked());
    EXPECT_EQ(foreOf(irc->txtChatMsg), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_TRUE(settings().contains("Color Central=0\r\n")) << "every step saves";

    irc->Command29->click();
    EXPECT_EQ(irc->Command29->text(), QStringLiteral("Mix color"));
    EXPECT_FALSE(irc->Command29->isChecked());
    EXPECT_FALSE(irc->Timer3->isActive());
    irc->Timer3_Timer();
    EXPECT_EQ(FormatoTexto[3], c3("00")) << "the last colour stays";
}

TEST_F(TextStyle, AMixColourStepWaitsWhileItsSaveIsRefusedOnScreen)
{
    // The settings file cannot be rewritten: a folder stands in its place.
    ASSERT_TRUE(QDir().mkpath(filePath(QStringLiteral("Parlowen.nt"))));
    irc->Command29->click();
    int ticks = 0;
    const auto counting = QObject::connect(irc->Timer3, &QTimer::timeout, [&] {
        if (!dialogs.shown().empty())
            ++ticks;
    });
    dialogs.expectMsgBox(QStringLiteral("There has been a error!"), vbOKOnly, QStringLiteral("Error"), vbOK, [&] {
        // Events go on under the box; a timer due after several steps
        // fires, and still no second step has started.
        bool later = false;
        QTimer::singleShot(450, [&] { later = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return later; }, 10000));
        EXPECT_EQ(ticks, 0);
        EXPECT_EQ(irc->MixColor, 1);
        QDir().rmdir(filePath(QStringLiteral("Parlowen.nt")));  // the next steps save again
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->MixColor == 2; }, 10000));
    EXPECT_EQ(FormatoTexto[3], c3("00"));
    irc->Command29->click();
    QObject::disconnect(counting);
    dialogs.verify();
    EXPECT_EQ(dialogs.msgBoxCount(), 1);
}

TEST_F(TextStyle, ThePaletteInsertsTheCodeOfTheCellUnderTheMouse)
{
    irc->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(irc));
    EXPECT_FALSE(irc->Picture1->isVisible());
    irc->minsert->trigger();
    EXPECT_TRUE(irc->Picture1->isVisible());
    EXPECT_EQ(irc->minsert->text(), QStringLiteral("Ocultar Colores"));
    EXPECT_TRUE(irc->minsert->isChecked());

    irc->Picture1_Click();
    EXPECT_EQ(irc->txtChatMsg->toPlainText(), c3("00")) << "before any movement";

    struct Case {
        int x, y;
        const char* code;
        int frameLeft, frameTop;
    } cases[] = {
        {0, 0, "00", 0, 0},          {254, 254, "00", 0, 0},     {255, 0, "01", 255, 0},
        {600, 300, "06", 510, 255},  {959, 959, "15", 765, 765}, {240, 240, "00", 0, 0},
        {764, 1019, "14", 510, 765},
    };
    for (const Case& c : cases) {
        irc->txtChatMsg->clear();
        irc->Picture1_MouseMove(c.x, c.y);
        irc->Picture1_Click();
        EXPECT_EQ(irc->txtChatMsg->toPlainText(), c3(c.code)) << c.x << "," << c.y;
        EXPECT_EQ(irc->Shape1->Left(), c.frameLeft) << c.x;
        EXPECT_EQ(irc->Shape1->Top(), c.frameTop) << c.y;
    }

    // The real mouse: pixel 40, 20 is twips 600, 300; the code replaces the
    // selection at the caret.
    irc->txtChatMsg->setPlainText(QStringLiteral("hola mundo"));
    QTextCursor cursor = irc->txtChatMsg->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    irc->txtChatMsg->setTextCursor(cursor);
    QTest::mouseMove(irc->Picture1, QPoint(40, 20));
    QTest::mouseClick(irc->Picture1, Qt::LeftButton, {}, QPoint(40, 20));
    EXPECT_EQ(irc->txtChatMsg->toPlainText(), QStringLiteral("hola ") + c3("06"));

    irc->minsert->trigger();
    EXPECT_FALSE(irc->Picture1->isVisible());
    EXPECT_EQ(irc->minsert->text(), QStringLiteral("Insertar Colores"));
    EXPECT_FALSE(irc->minsert->isChecked());
}

TEST_F(TextStyle, TheChatButtonsRightClickOpensTheColourMenu)
{
    irc->Show();
    QTest::mouseClick(irc->cmdChat, Qt::RightButton);
    EXPECT_TRUE(irc->mcolor->isVisible());
    EXPECT_EQ(irc->mcolor->actions(), (QList<QAction*>{irc->minsert, irc->mcolors}));
    irc->mcolor->hide();

    EXPECT_EQ(irc->mcolors->text(), QStringLiteral("Colores Aleatorios"));
    EXPECT_FALSE(irc->mcolors->isChecked());
    irc->mcolors->trigger();
    EXPECT_EQ(irc->mcolors->text(), QStringLiteral("Colores Normales"));
    EXPECT_TRUE(irc->mcolors->isChecked());
    irc->mcolors->trigger();
    EXPECT_EQ(irc->mcolors->text(), QStringLiteral("Colores Aleatorios"));
    EXPECT_FALSE(irc->mcolors->isChecked());
}

TEST_F(TextStyle, TheStyleComesBackAfterARestart)
{
    irc->Command2->click();
    irc->Command3->click();
    irc->Option1[4]->click();
    irc->Option2[2]->click();
    frmAdornos::instance()->HScroll1->setValue(12);
    frmAdornos::instance()->HScroll2->setValue(16);
    const std::array<QString, 6> before = FormatoTexto;
    ASSERT_EQ(before[4], c3("12"));

    destroyAllForms();
    ResetState();
    irc = frmIRC::instance();
    EXPECT_EQ(FormatoTexto, before);
    EXPECT_EQ(irc->Command2->text(), QStringLiteral("Normal"));
    EXPECT_EQ(irc->Command3->text(), QStringLiteral("Normal"));
    EXPECT_TRUE(irc->Command2->isChecked() && irc->Command3->isChecked());
    EXPECT_TRUE(irc->Option1[4]->isChecked());
    EXPECT_TRUE(irc->Option2[2]->isChecked());
    EXPECT_EQ(foreOf(irc->txtChatMsg), QColor(0xFF, 0, 0));
    EXPECT_EQ(frmAdornos::instance()->HScroll1->value(), 12);
    EXPECT_EQ(frmAdornos::instance()->HScroll2->value(), 16);
}

TEST_F(TextStyle, SavedValuesThatAreNoColourLeaveTheStartStyle)
{
    // A decoration colour 0 is the scroll bar's start value: no change, so
    // no code; a bold code is taken as it stands.
    writeFile(QStringLiteral("Parlowen.nt"),
              "Color Izquierdo=0\r\nColor Derecho=x\r\nColor Central=99\r\nColor Fondo=\r\nBold=**\r\n");
    destroyAllForms();
    ResetState();
    irc = frmIRC::instance();
    EXPECT_EQ(FormatoTexto, (std::array<QString, 6>{QStringLiteral("**"), {}, {}, {}, {}, {}}));
    EXPECT_TRUE(irc->Option1[1]->isChecked());
    EXPECT_EQ(irc->Command2->text(), QStringLiteral("Normal"));
    EXPECT_EQ(irc->Command3->text(), QStringLiteral("Subrayada"));
}

class StyledLine : public ConnectedClient {};

TEST_F(StyledLine, TheRainbowGoesOutInsideTheStyle)
{
    irc->Command2->click();
    irc->Option1[4]->click();
    irc->mcolors->trigger();
    irc->txtChatMsg->setPlainText(QStringLiteral("hola"));
    irc->cmdChat_Click();
    QString rainbow = QStringLiteral("hola");
    Arcoiris(rainbow);
    const QString f15 = Chr(15);
    EXPECT_TRUE(server.waitForLines(1));
    EXPECT_EQ(server.lines().value(0), QStringLiteral("PRIVMSG #sala :") + f15 + f15 + Chr(2) + c3("04") + rainbow +
                                           f15 + f15 + f15);

    // Back to plain: the line goes as typed.
    server.clearLines();
    irc->mcolors->trigger();
    irc->txtChatMsg->setPlainText(QStringLiteral("hola"));
    irc->cmdChat_Click();
    EXPECT_TRUE(server.waitForLines(1));
    EXPECT_EQ(server.lines().value(0),
              QStringLiteral("PRIVMSG #sala :") + f15 + f15 + Chr(2) + c3("04") + QStringLiteral("hola") + f15 + f15 + f15);
}
