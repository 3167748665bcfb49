// The decorations window: its colours, the stored pairs in their list file,
// the rotation, the preview, the colour grids and its life.
#include "AppFixture.h"
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/PictureBox.h"
#include "platform/Text.h"
#include "windows/frmAdornos.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace platform;
using namespace Function;

namespace {

QString c3(const char* code) { return Chr(3) + QString::fromLatin1(code); }

QString entry(const QString& left, const QString& right)
{
    return QStringLiteral("[IZQ]") + left + QStringLiteral("[/IZQ][DER]") + right + QStringLiteral("[/DER]");
}

// ">>" in colour 4 and "<<" in colour 12, as the list file holds it.
const QByteArray kStoredPair = QByteArray("\xC6\xD4\xC7\xCC\xC0\x9E\xAD\xA9\xA3\xA3\xC6\xB2\xD4\xC7\xCC\xC0\xC6\xD9\xD8"
                                          "\xCF\xC0\x9E\xAC\xAF\xA1\xA1\xC6\xB2\xD9\xD8\xCF\xC0\r\n");

}  // namespace

class Adornos : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        irc = frmIRC::instance();
        w = frmAdornos::instance();
    }
    void choose(int position)
    {
        w->List1->setListIndex(position);
        w->List1_Click();
    }
    QByteArray stored() const { return readFile(QStringLiteral("Adornos.ini")); }
    // The program again, from its files.
    void restart()
    {
        destroyAllForms();
        ResetState();
        irc = frmIRC::instance();
        w = frmAdornos::instance();
    }
    frmIRC* irc = nullptr;
    frmAdornos* w = nullptr;
};

TEST_F(Adornos, LoadedHiddenAtStartWithTheSavedDecorations)
{
    writeFile(QStringLiteral("Parlowen.nt"), "Adorno Izquierdo=<<\r\nAdorno Derecho=>>\r\n");
    writeFile(QStringLiteral("Adornos.ini"), kStoredPair);
    restart();
    EXPECT_TRUE(w->isLoaded());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->Caption(), QStringLiteral("Adornos"));
    EXPECT_EQ(w->AdornoI->text(), QStringLiteral("<<"));
    EXPECT_EQ(w->AdornoD->text(), QStringLiteral(">>"));
    EXPECT_EQ(w->List1->count(), 1);

    irc->Command36->click();
    EXPECT_TRUE(w->isVisible());
    w->Command1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->isLoaded());
}

TEST_F(Adornos, AStoredPairIsWrittenByteForByteAndComesBackWhenChosen)
{
    w->HScroll1->setValue(4);
    w->HScroll2->setValue(12);
    w->AdornoI->setText(QStringLiteral(">>"));
    w->AdornoD->setText(QStringLiteral("<<"));
    w->Command6->click();
    EXPECT_EQ(w->List1->item(0), entry(c3("04") + QStringLiteral(">>"), c3("12") + QStringLiteral("<<")));
    EXPECT_EQ(stored(), kStoredPair);

    w->Command5->click();
    EXPECT_EQ(w->AdornoI->text(), QString());
    EXPECT_EQ(w->AdornoD->text(), QString());
    choose(0);
    EXPECT_EQ(w->AdornoI->text(), c3("04") + QStringLiteral(">>"));
    EXPECT_EQ(w->AdornoD->text(), c3("12") + QStringLiteral("<<"));

    // Storing again: the colour code taken back from the entry stays in the
    // box, so the codes pile up; entries may repeat.
    w->Command6->click();
    EXPECT_EQ(w->List1->item(1), entry(c3("04") + c3("04") + QStringLiteral(">>"), c3("12") + c3("12") + QStringLiteral("<<")));
    EXPECT_TRUE(stored().startsWith(kStoredPair));
}

TEST_F(Adornos, ChoosingAnEntryTakesWhatStandsBetweenItsTags)
{
    struct Case {
        QString entry;
        QString left, right;
    } cases[] = {
        {entry(QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("a"), QStringLiteral("b")},
        {entry(QString(), QStringLiteral("b")), QStringLiteral("L"), QStringLiteral("R")},
        {entry(QStringLiteral("a"), QString()), QStringLiteral("a"), QStringLiteral("R")},
        {QStringLiteral("[IZQ]a[DER]b[/DER]"), QStringLiteral("L"), QStringLiteral("R")},
        // Without "[IZQ]" the left part starts at character 5.
        {QStringLiteral("1234567[/IZQ][DER]b[/DER]"), QStringLiteral("567"), QStringLiteral("b")},
    };
    for (const Case& c : cases) {
        w->List1->clear();
        w->List1->addItem(c.entry);
        w->AdornoI->setText(QStringLiteral("L"));
        w->AdornoD->setText(QStringLiteral("R"));
        choose(0);
        EXPECT_EQ(w->AdornoI->text(), c.left) << c.entry.toStdString();
        EXPECT_EQ(w->AdornoD->text(), c.right) << c.entry.toStdString();
        EXPECT_EQ(w->IndiceAdorno, 0);
    }
}

TEST_F(Adornos, TheRotationTakesTheStoredPairsInTurn)
{
    EXPECT_EQ(w->Timer1->interval(), 500);
    EXPECT_FALSE(w->Timer1->isActive());
    w->List1->addItem(entry(QStringLiteral("1"), QStringLiteral("a")));
    w->Command7->click();
    EXPECT_EQ(w->Command7->text(), QStringLiteral("Random Off"));
    EXPECT_TRUE(w->Timer1->isActive()) << "it runs while the window stays hidden";
    w->AdornoI->setText(QStringLiteral("L"));
    w->Timer1_Timer();
    EXPECT_EQ(w->AdornoI->text(), QStringLiteral("L")) << "one entry: nothing turns";

    w->List1->addItem(entry(QStringLiteral("2"), QStringLiteral("b")));
    w->List1->addItem(entry(QStringLiteral("3"), QStringLiteral("c")));
    QStringList seen;
    for (int tick = 0; tick < 4; ++tick) {
        w->Timer1_Timer();
        seen << w->AdornoI->text() + w->AdornoD->text();
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("1a"), QStringLiteral("2b"), QStringLiteral("3c"), QStringLiteral("1a")}));
    EXPECT_EQ(w->IndiceAdorno, 0);

    w->Command7->click();
    EXPECT_EQ(w->Command7->text(), QStringLiteral("Random On"));
    EXPECT_FALSE(w->Timer1->isActive());
}

TEST_F(Adornos, ARemovalReachesTheFileOnlyWithTheNextStore)
{
    w->AdornoI->setText(QStringLiteral("uno"));
    w->Command6->click();
    w->AdornoI->setText(QStringLiteral("dos"));
    w->Command6->click();
    choose(1);
    w->Command8->click();
    EXPECT_EQ(w->List1->count(), 1);
    w->Command8->click();  // the chosen position names no entry now: nothing goes
    EXPECT_EQ(w->List1->count(), 1);

    restart();
    EXPECT_EQ(w->List1->count(), 2) << "the removed entry comes back";

    choose(0);
    w->Command8->click();
    w->AdornoI->setText(QStringLiteral("tres"));
    w->AdornoD->clear();
    w->Command6->click();
    restart();
    ASSERT_EQ(w->List1->count(), 2);
    EXPECT_EQ(w->List1->item(0), entry(QStringLiteral("dos"), QString()));
    EXPECT_EQ(w->List1->item(1), entry(QStringLiteral("tres"), QString()));
}

TEST_F(Adornos, ADecorationTheListFileCannotHoldIsRefused)
{
    w->AdornoI->setText(QStringLiteral(u"\u2605"));  // a star: not in Windows-1252
    dialogs.expectMsgBox(QStringLiteral("Este adorno tiene caracteres que no se pueden almacenar."), vbInformation,
                         QStringLiteral("Adornos"));
    w->Command6->click();
    dialogs.verify();
    EXPECT_EQ(w->List1->count(), 0);
    EXPECT_EQ(stored(), QByteArray());
}

TEST_F(Adornos, TheScrollBarsColourTheDecorations)
{
    struct Case {
        QScrollBar* bar;
        QLineEdit* box;
        int slot;
        QString* saved;
        int value;
        QString code;
        QColor text;
    } cases[] = {
        {w->HScroll1, w->AdornoI, 4, &ColorIzquierdo, 4, c3("04"), QColor(0xFF, 0, 0)},
        {w->HScroll1, w->AdornoI, 4, &ColorIzquierdo, 7, c3("07"), QColor(0xC0, 0x40, 0)},
        {w->HScroll1, w->AdornoI, 4, &ColorIzquierdo, 16, QString(), Qt::black},
        {w->HScroll2, w->AdornoD, 5, &ColorDerecho, 2, c3("02"), QColor(0, 0, 0x80)},
        {w->HScroll2, w->AdornoD, 5, &ColorDerecho, 0, c3("00"), QColor(0xE0, 0xE0, 0xE0)},
    };
    for (const Case& c : cases) {
        c.bar->setValue(c.value);
        EXPECT_EQ(FormatoTexto[c.slot], c.code) << c.value;
        c.box->ensurePolished();
        EXPECT_EQ(c.box->palette().color(QPalette::Text), c.text) << c.value;
        EXPECT_EQ(*c.saved, QString::number(c.value));
    }
    EXPECT_TRUE(readFile(QStringLiteral("Parlowen.nt")).contains("Color Derecho=0\r\n"));
}

TEST_F(Adornos, TheColourGridsInsertCodesAtTheCaret)
{
    struct Case {
        PictureBox* grid;
        int x, y;
        QString code;
    } cases[] = {
        {w->Picture1, 0, 0, c3("00")},
        {w->Picture1, 960, 960, c3("15")},
        {w->Picture2, 300, 300, c3("0,5")},
        {w->Picture2, 960, 0, c3("0,3")},
    };
    for (const Case& c : cases) {
        w->Text1->setText(QStringLiteral("ab"));
        w->Text1->setCursorPosition(1);
        if (c.grid == w->Picture1) {
            w->Picture1_MouseMove(c.x, c.y);
            w->Picture1_Click();
        } else {
            w->Picture2_MouseMove(c.x, c.y);
            w->Picture2_Click();
        }
        EXPECT_EQ(w->Text1->text(), QStringLiteral("a") + c.code + QStringLiteral("b"));
    }
    EXPECT_EQ(w->Picture1->toolTip(), QStringLiteral("Color de fuente/Font color"));
    EXPECT_EQ(w->Picture2->toolTip(), QStringLiteral("Color de fondo/Background color"));

    w->Command2->click();
    w->Command3->click();
    EXPECT_EQ(w->AdornoI->text(), w->Text1->text());
    EXPECT_EQ(w->AdornoD->text(), w->Text1->text());
}

TEST_F(Adornos, ClosingUnloadsAndTheNextUseLoadsItAgainFromTheSettings)
{
    w->Show();
    w->AdornoI->setText(QStringLiteral("guardado"));
    w->Command1->click();  // Aceptar keeps it in the settings
    EXPECT_EQ(AdornoIzquierdo, QStringLiteral("guardado"));
    EXPECT_TRUE(readFile(QStringLiteral("Parlowen.nt")).contains("Adorno Izquierdo=guardado\r\n"));

    w->Show();
    w->AdornoI->setText(QStringLiteral("sin aceptar"));
    w->List1->addItem(QStringLiteral("sin guardar"));
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmAdornos::loadedInstance(), nullptr);

    frmAdornos* again = frmAdornos::instance();
    EXPECT_EQ(again->AdornoI->text(), QStringLiteral("guardado"));
    EXPECT_EQ(again->List1->count(), 0);
}

class AdornosPreview : public ConnectedClient {};

TEST_F(AdornosPreview, ShowsTheDecorationsAsWrittenInTheMainView)
{
    frmAdornos* w = frmAdornos::instance();
    w->AdornoI->setText(c3("04") + QStringLiteral("<b>"));
    w->AdornoD->setText(QStringLiteral("</b>>"));
    w->Command4->click();
    const QStringList fragments = viewFragments();
    ASSERT_EQ(fragments.size(), 1);
    EXPECT_TRUE(fragments[0].contains(QStringLiteral("<font color='red' STYLE='background: white'>&lt;b&gt; Tu adorno "
                                                     "&lt;/b&gt;&gt;<br>")))
        << fragments[0].toStdString();
}
