// The main user list as the user handles it: clicks on real rows, the nick
// menu's captions, and what each item does. The main room is "#sala", the
// own nick "yo"; the main window is shown and connected to a scripted server.
#include "ConnectedClient.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/ListView.h"
#include "platform/Text.h"
#include "windows/frmOperador.h"
#include "windows/frmPrivado.h"
#include "windows/frmRoom.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

using namespace platform;
using namespace Function;

class UserMenu : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        irc->Show();
        for (const char* nick : {"ana", "luis"})
            irc->ListView1->add(QString::fromLatin1(nick), 1);
        QCoreApplication::processEvents();
    }
    QPoint rowCenter(int row) const
    {
        return irc->ListView1->visualRect(irc->ListView1->model()->index(row, 0)).center();
    }
    void rightClick(int row) { QTest::mouseClick(irc->ListView1->viewport(), Qt::RightButton, {}, rowCenter(row)); }
    // The menu's visible captions, in order.
    QStringList captions() const
    {
        QStringList c;
        for (QAction* a : irc->mpop->actions())
            if (a->isVisible())
                c << a->text();
        return c;
    }
};

TEST_F(UserMenu, TheCaptionsNameTheNickAndShowTheKickToOperatorsOnly)
{
    struct Case {
        const char* name;
        bool operador, ignored;
        QStringList captions;
    } cases[] = {
        {"a plain user", false, false,
         {"Copiar Nick", "Mencionar", "Ignorar a: luis", "Quien es: luis", "Privado Libre"}},
        {"an ignored nick", false, true,
         {"Copiar Nick", "Mencionar", "Designorar a: luis", "Quien es: luis", "Privado Libre"}},
        {"an operator", true, false,
         {"Copiar Nick", "Mencionar", "Ignorar a: luis", "Sacar  a: luis", "Quien es: luis", "Privado Libre"}},
    };
    for (const Case& c : cases) {
        EsOperador = c.operador;
        ListaIgnorados.clear();
        if (c.ignored)
            Ignorar(QStringLiteral("LUIS"), QStringLiteral("+"));
        rightClick(1);
        EXPECT_EQ(NickSeleccionado, QStringLiteral("luis")) << c.name;
        EXPECT_TRUE(irc->mpop->isVisible()) << c.name;
        EXPECT_EQ(captions(), c.captions) << c.name;
        irc->mpop->hide();
    }
}

TEST_F(UserMenu, TheIgnoreItemIgnoresThenUnignoresEverywhere)
{
    frmRoom* room = new frmRoom;
    VentanasSala.add(room);
    room->Show();
    room->setCaption(frmRoom::captionFor(QStringLiteral("otra")));
    room->ListView1->add(QStringLiteral("luis"), 1);

    rightClick(1);
    irc->mpop->hide();
    irc->mignore->trigger();
    EXPECT_TRUE(EstaIgnorado(QStringLiteral("luis")));
    EXPECT_EQ(irc->mignore->text(), QStringLiteral("Designorar a: luis"));
    EXPECT_EQ(listEntries(*irc->ListView1)[1], (ListEntry{"luis", 2, {}, QStringLiteral("#c0c0c0")}));
    EXPECT_EQ(listEntries(*room->ListView1)[0], (ListEntry{"luis", 2, {}, QStringLiteral("#c0c0c0")}));

    irc->mignore->trigger();
    EXPECT_FALSE(EstaIgnorado(QStringLiteral("luis")));
    EXPECT_EQ(irc->mignore->text(), QStringLiteral("Ignorar a: luis"));
    EXPECT_EQ(listEntries(*irc->ListView1)[1], (ListEntry{"luis", 1, {}, QStringLiteral("#000000")}));
    EXPECT_EQ(listEntries(*room->ListView1)[0], (ListEntry{"luis", 1, {}, QStringLiteral("#000000")}));
}

TEST_F(UserMenu, CopyMentionAndWhoisActOnTheChosenNick)
{
    rightClick(0);
    irc->mpop->hide();
    irc->txtChatMsg->setPlainText(QStringLiteral("hola"));
    irc->mmenci->trigger();
    EXPECT_EQ(irc->txtChatMsg->toPlainText(), QStringLiteral("hola\x03" "04 (]\x03" "07 ana \x03" "04[)\x03" "01 "));
    irc->mwhois->trigger();
    EXPECT_EQ(sentLines(), QStringList{QStringLiteral("WHOIS ana")});
    irc->mncopy->trigger();
    EXPECT_EQ(desktop.clipboard, QStringLiteral("ana"));
    EXPECT_EQ(NickSeleccionado, QString());
}

TEST_F(UserMenu, AKickIsFollowedByABanOnTheSameChannel)
{
    struct Case {
        QString channel, sentChannel;
    } cases[] = {
        {"#sala", "#sala"},
        {"#Puerto Rico", "#Puerto"},
        {"#puerto rico", "#puerto rico"},  // the replacements heed letter case
        {"#Costa Rica", "#Costa"},
        {"#Republica Dominicana", "#Republica"},
    };
    EsOperador = true;
    for (const Case& c : cases) {
        CanalActual = c.channel;
        NickSeleccionado = QStringLiteral("ana");
        irc->mKick->trigger();
        EXPECT_EQ(sentLines(), (QStringList{QStringLiteral("KICK ") + c.sentChannel + QStringLiteral(" ana"),
                                            QStringLiteral("MODE ") + c.sentChannel + QStringLiteral(" +b ana")}))
            << c.channel.toStdString();
        EXPECT_EQ(CanalActual, c.sentChannel) << "the main room keeps the shortened name";
    }
    frmOperador* panel = frmOperador::loadedInstance();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible()) << "the panel is loaded hidden";
    EXPECT_EQ(panel->List2->count(), 5);
    EXPECT_EQ(panel->List2->item(4), QStringLiteral("ana"));
}

TEST_F(UserMenu, AKickWithoutOperatorRightsIsRefusedAndSendsNothing)
{
    NickSeleccionado = QStringLiteral("ana");
    dialogs.expectMsgBox(QStringLiteral("Debes Estar en Modo de Operador."), vbOKOnly, appTitle());
    irc->mKick_Click();
    EXPECT_EQ(sentLines(), QStringList{});
    EXPECT_EQ(frmOperador::loadedInstance(), nullptr);
}

TEST_F(UserMenu, AClickNamesTheNickInTheOperatorPanelADoubleClickOpensAPrivateWindow)
{
    QTest::mouseClick(irc->ListView1->viewport(), Qt::LeftButton, {}, rowCenter(1));
    frmOperador* panel = frmOperador::loadedInstance();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Text1->text(), QStringLiteral("luis"));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(NickSeleccionado, QStringLiteral("luis")) << "any button chooses the nick";

    // A widget's double click, as a user makes it: a click, then the second press.
    QTest::mouseClick(irc->ListView1->viewport(), Qt::LeftButton, {}, rowCenter(0));
    QTest::mouseDClick(irc->ListView1->viewport(), Qt::LeftButton, {}, rowCenter(0));
    frmPrivado* w = VentanasPrivado.first(QStringLiteral("Privado Con : ana"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
}

TEST_F(UserMenu, WithNoEntrySelectedTheListDoesNothing)
{
    NickSeleccionado = QStringLiteral("antes");
    irc->ListView1->select(-1);
    irc->ListView1_Click();
    irc->ListView1_DblClick();
    irc->ListView1_MouseUp(Qt::RightButton, rowCenter(0));
    EXPECT_FALSE(irc->mpop->isVisible());
    EXPECT_EQ(NickSeleccionado, QStringLiteral("antes"));
    EXPECT_EQ(frmOperador::loadedInstance(), nullptr);
    EXPECT_EQ(VentanasPrivado.count(), 1) << "no private window was made";

    // A right click below the last row selects nothing either.
    QTest::mouseClick(irc->ListView1->viewport(), Qt::RightButton, {}, QPoint(5, irc->ListView1->viewport()->height() - 3));
    EXPECT_FALSE(irc->mpop->isVisible());
    EXPECT_EQ(NickSeleccionado, QStringLiteral("antes"));
}

TEST_F(UserMenu, APrivateWindowWithATypedNick)
{
    const QString prompt = QStringLiteral("Introduce Nick con quien quieres comunicarte.");
    // Cancel answers "" as an empty answer does: neither opens a window.
    dialogs.expectInputBox(prompt, QString(), QString());
    irc->mfreeprv->trigger();
    EXPECT_EQ(VentanasPrivado.count(), 1);

    dialogs.expectInputBox(prompt, QString(), QStringLiteral("pepe"));
    irc->mfreeprv->trigger();
    frmPrivado* w = VentanasPrivado.first(QStringLiteral("Privado Con : pepe"));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
}
