// The client against a real ngircd: it connects, registers, joins its room
// at the end of the message of the day; a second client sees it and talks.
#include "AlertWatch.h"
#include "AppFixture.h"
#include "Ngircd.h"
#include "core/Function.h"
#include "core/frmDialog.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ColorSwatch.h"
#include "platform/ListView.h"
#include "platform/LogBox.h"
#include "platform/ToggleButton.h"
#include "windows/frmOperador.h"
#include "windows/frmRoom.h"
#include "windows/frmAdornos.h"
#include "windows/frmAlert.h"
#include "windows/frmContestador.h"
#include "windows/frmPrivado.h"
#include "windows/frmServer.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace Function;

class RealServer : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(ngircd.isRunning()) << ngircd.error().toStdString();
    }
    // The main window connects as "trovelin" for the room "#sala".
    frmIRC* connectClient()
    {
        frmIRC* irc = frmIRC::instance();
        MiNick = QStringLiteral("trovelin");
        NickAnterior = QStringLiteral("trovelin_");
        CanalActual = QStringLiteral("#sala");
        ServidorIRC = QStringLiteral("127.0.0.1");
        PuertoIRC = ngircd.port();
        irc->ConnectarChat();
        return irc;
    }
    // The peer in "#sala" first, then the client, joined once the peer sees it.
    frmIRC* connectBesides(IrcPeer& peer)
    {
        EXPECT_TRUE(peer.isRegistered());
        peer.send(QStringLiteral("JOIN #sala"));
        frmIRC* irc = connectClient();
        EXPECT_FALSE(peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("JOIN")}, 8000).isEmpty());
        irc->Show();
        return irc;
    }
    Ngircd ngircd;
};

TEST_F(RealServer, ConnectsRegistersAndJoinsItsRoomAfterTheMessageOfTheDay)
{
    IrcPeer peer(ngircd.port(), QStringLiteral("testigo"));
    ASSERT_TRUE(peer.isRegistered());
    peer.send(QStringLiteral("JOIN #sala"));
    ASSERT_FALSE(peer.waitFor({QStringLiteral("JOIN"), QStringLiteral("#sala")}).isEmpty());

    frmIRC* irc = connectClient();

    // The peer sees the client join the room.
    ASSERT_FALSE(peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("JOIN"), QStringLiteral("#sala")}, 8000)
                     .isEmpty());
    EXPECT_TRUE(Conectado);

    // What the peer says reaches the client's view, escaped.
    peer.send(QStringLiteral("PRIVMSG #sala :hola <b>trovelin</b>"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return irc->DHTMLEdit1->documentHTML().contains(QStringLiteral("hola &lt;b&gt;trovelin&lt;/b&gt;")); },
        5000));
    EXPECT_TRUE(irc->DHTMLEdit1->documentHTML().contains(QStringLiteral("<b> testigo :</B>  hola")));

    // And the peer gets the client's lines.
    irc->send(QStringLiteral("PRIVMSG #sala :buenas, testigo"));
    EXPECT_FALSE(peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("PRIVMSG #sala :buenas, testigo")}).isEmpty());
    EXPECT_EQ(irc->txtNick->text(), QStringLiteral("trovelin"));
}

TEST_F(RealServer, ChoosingAnAreaAndARoomInTheDialogConnectsAndJoins)
{
    writeFile(QStringLiteral("Parlowen.ini"),
              QStringLiteral("[Prueba]\r\nLOGINSERVER=127.0.0.1\r\nLOGINPORT=%1\r\nROOMS=Amistad:a;Tertulia:b\r\n")
                  .arg(ngircd.port())
                  .toLatin1());
    IrcPeer peer(ngircd.port(), QStringLiteral("testigo"));
    ASSERT_TRUE(peer.isRegistered());
    peer.send(QStringLiteral("JOIN #tertulia"));

    frmIRC::instance();
    frmDialog* d = frmDialog::instance();
    d->txtNick->setText(QStringLiteral("marta"));
    d->txtAlt->setText(QStringLiteral("marta_"));
    d->List1_Click(0);
    d->List2_Click(1);

    ASSERT_FALSE(peer.waitFor({QStringLiteral(":marta!"), QStringLiteral("JOIN"), QStringLiteral("#tertulia")}, 8000)
                     .isEmpty());
    EXPECT_EQ(CanalActual, QStringLiteral("#tertulia"));
    const QByteArray saved = readFile(QStringLiteral("Parlowen.nt"));
    EXPECT_TRUE(saved.startsWith("Nick=marta\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("\r\nAlterno=marta_\r\n"));
}

TEST_F(RealServer, TheUserListFollowsTwoPeersThatTalkChangeNickAndLeave)
{
    frmIRC* irc = connectClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->find(QStringLiteral("trovelin")) >= 0; }, 8000));

    IrcPeer ana(ngircd.port(), QStringLiteral("ana"));
    IrcPeer luis(ngircd.port(), QStringLiteral("luis"));
    ana.send(QStringLiteral("JOIN #sala"));
    luis.send(QStringLiteral("JOIN #sala"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->count() == 3; }, 5000));
    EXPECT_EQ(irc->TxtUsala->text(), QStringLiteral("3"));

    ana.send(QStringLiteral("PRIVMSG #sala :hola a todos"));
    luis.send(QStringLiteral("NICK lucho"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->find(QStringLiteral("lucho")) >= 0; }, 5000));
    EXPECT_EQ(irc->ListView1->find(QStringLiteral("luis")), -1);
    ana.send(QStringLiteral("PART #sala :chao"));
    luis.send(QStringLiteral("QUIT :me voy"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->count() == 1; }, 5000));
    EXPECT_EQ(irc->lstUsers->count(), 1);
    EXPECT_EQ(irc->TxtUsala->text(), QStringLiteral("1"));

    const QString doc = irc->DHTMLEdit1->documentHTML();
    for (const QString& part : {QStringLiteral("<b> ana :</B>  hola a todos"), QStringLiteral(" [luis ] a Cambiado su Nick por [ lucho ]."),
                                QStringLiteral(" [ana ] a Salido de sala."), QStringLiteral(" [ lucho ] a cerrado su Cliente [ \"me voy\" ] "),
                                QStringLiteral(" [ana ] a Entrado a sala.")})
        EXPECT_TRUE(doc.contains(part)) << part.toStdString();
}

TEST_F(RealServer, ALineTypedInTheMainRoomReachesAnotherClient)
{
    IrcPeer peer(ngircd.port(), QStringLiteral("testigo"));
    frmIRC* irc = connectBesides(peer);
    irc->txtChatMsg->setFocus();
    QTest::keyClicks(irc->txtChatMsg, QStringLiteral("hola desde Trovelin"));
    QTest::keyClick(irc->txtChatMsg, Qt::Key_Return);
    const QString got = peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("PRIVMSG #sala :")});
    ASSERT_FALSE(got.isEmpty());
    EXPECT_TRUE(got.contains(QStringLiteral("hola desde Trovelin")));
    EXPECT_TRUE(irc->txtChatMsg->toPlainText().isEmpty());
}

TEST_F(RealServer, ASecondRoomLivesInItsOwnWindow)
{
    frmIRC* irc = connectClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->find(QStringLiteral("trovelin")) >= 0; }, 8000));
    irc->DHTMLEdit1->setDocumentHTML(QString());

    irc->send(QStringLiteral("JOIN #otra"));
    frmRoom* room = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        room = VentanasSala.first(QStringLiteral("Canal otra"));
        return room && room->ListView1->count() == 1;
    }, 5000));
    EXPECT_TRUE(room->isVisible());
    EXPECT_EQ(room->ListView1->text(0), QStringLiteral("trovelin"));
    EXPECT_EQ(room->ListView1->smallIcon(0), 4) << "the room's first user is its operator";

    IrcPeer ana(ngircd.port(), QStringLiteral("ana"));
    IrcPeer luis(ngircd.port(), QStringLiteral("luis"));
    ana.send(QStringLiteral("JOIN #otra"));
    luis.send(QStringLiteral("JOIN #otra"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return room->ListView1->count() == 3; }, 5000));
    EXPECT_EQ(room->Text1->text(), QStringLiteral("3"));

    ana.send(QStringLiteral("PRIVMSG #otra :hola <b>sala</b>"));
    ana.send(QStringLiteral("NICK anita"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return room->ListView1->find(QStringLiteral("anita")) >= 0; }, 5000));
    irc->send(QStringLiteral("KICK #otra anita :fuera"));
    luis.send(QStringLiteral("QUIT :me voy"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return room->ListView1->count() == 1; }, 5000));
    EXPECT_EQ(room->Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(room->ListView1->text(0), QStringLiteral("trovelin"));

    const QString doc = room->DHTMLEdit1->documentHTML();
    for (const QString& part : {QStringLiteral(" [ana ] a Entrado a otra."), QStringLiteral("<b> ana :</B>  hola &lt;b&gt;sala"),
                                QStringLiteral(" [ana ] a Cambiado su Nick por [ anita ]."),
                                QStringLiteral(" [ trovelin ] a  Expulsado a  [ anita ] en otra"),
                                QStringLiteral(" [ luis ] a cerrado su Cliente [ \"me voy\" ] ")})
        EXPECT_TRUE(doc.contains(part)) << part.toStdString() << "\n" << doc.toStdString();

    // The main room is untouched.
    EXPECT_EQ(irc->ListView1->count(), 1);
    EXPECT_EQ(irc->TxtUsala->text(), QStringLiteral("1"));
    EXPECT_FALSE(irc->DHTMLEdit1->documentHTML().contains(QStringLiteral("ana")));
}

TEST_F(RealServer, AStyledDecoratedLineReachesAnotherClientByteForByte)
{
    IrcPeer peer(ngircd.port(), QStringLiteral("testigo"));
    frmIRC* irc = connectBesides(peer);
    // Bold, red on yellow, between a blue "«" and a green "»".
    irc->Command2->click();
    irc->Option1[4]->click();
    irc->Option2[8]->click();
    frmAdornos* adornos = frmAdornos::instance();
    adornos->HScroll1->setValue(12);
    adornos->HScroll2->setValue(3);
    adornos->AdornoI->setText(QStringLiteral(u"\u00AB"));
    adornos->AdornoD->setText(QStringLiteral(u"\u00BB"));
    irc->txtChatMsg->setFocus();
    QTest::keyClicks(irc->txtChatMsg, QStringLiteral("hola sala"));
    QTest::keyClick(irc->txtChatMsg, Qt::Key_Return);

    const QString got = peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("PRIVMSG #sala :")});
    ASSERT_FALSE(got.isEmpty());
    EXPECT_EQ(got.mid(got.indexOf(QStringLiteral(" :")) + 2).toUtf8(),
              QByteArray("\x03" "12\xC2\xAB\x0F\x0F\x02\x03" "0,8\x03" "04hola sala\x0F\x0F\x03" "03\xC2\xBB\x0F"));
}

TEST_F(RealServer, APrivateLineOpensAWindowBehindAnAlertAndTheAnswersReachThePartner)
{
    PrivadosEnVentanas = true;
    frmIRC* irc = connectClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->find(QStringLiteral("trovelin")) >= 0; }, 8000));
    IrcPeer ana(ngircd.port(), QStringLiteral("ana"));
    ASSERT_TRUE(ana.isRegistered());
    AlertWatch watch;

    ana.send(QStringLiteral("PRIVMSG trovelin :hola, estas?"));
    frmPrivado* w = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        w = VentanasPrivado.first(frmPrivado::captionFor(QStringLiteral("ana")));
        return w && w->isVisible();
    }, 8000));
    ASSERT_EQ(watch.shown().size(), 1u);
    EXPECT_EQ(watch.shown()[0].title, QStringLiteral("Privado Con : ana"));
    EXPECT_EQ(w->windowStateValue(), platform::vbMinimized);

    w->Text1->setText(QStringLiteral("si, aqui estoy"));
    w->Command1->click();
    EXPECT_FALSE(ana.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("PRIVMSG ana : si, aqui estoy")}).isEmpty());

    // The auto-answer, with private windows off: two quick lines, one answer.
    PrivadosEnVentanas = false;
    frmContestador* contestador = frmContestador::instance();
    contestador->Text1->setPlainText(QStringLiteral("Ahora no, (USUARIO)"));
    contestador->Check1->setChecked(true);
    ana.send(QStringLiteral("PRIVMSG trovelin :uno"));
    ana.send(QStringLiteral("PRIVMSG trovelin :dos"));
    EXPECT_FALSE(ana.waitFor({QStringLiteral("PRIVMSG ana : Ahora no, ana")}).isEmpty());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return frmServer::instance()->RichTextBox1->text().contains(QStringLiteral("PRIVMSG trovelin :dos")); },
        5000));
    irc->send(QStringLiteral("PRIVMSG ana :fin"));
    ASSERT_FALSE(ana.waitFor({QStringLiteral("PRIVMSG ana :fin")}).isEmpty());
    EXPECT_EQ(ana.received().filter(QStringLiteral("Ahora no")).size(), 1);
}

TEST_F(RealServer, AnIgnoredUserFallsSilentAndTheRoomsOperatorKicksAndBansHim)
{
    // First into the room, the client is its operator.
    frmIRC* irc = connectClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->find(QStringLiteral("trovelin")) >= 0; }, 8000));
    EXPECT_TRUE(EsOperador);
    IrcPeer ana(ngircd.port(), QStringLiteral("ana"));
    IrcPeer luis(ngircd.port(), QStringLiteral("luis"));
    ana.send(QStringLiteral("JOIN #sala"));
    luis.send(QStringLiteral("JOIN #sala"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->count() == 3; }, 5000));

    // Ignore ana from the list's menu.
    const int anaRow = irc->ListView1->find(QStringLiteral("ana"));
    irc->ListView1->select(anaRow);
    irc->ListView1_MouseUp(Qt::RightButton, QPoint());
    irc->mpop->hide();
    irc->mignore->trigger();
    EXPECT_EQ(irc->ListView1->smallIcon(anaRow), 2);

    // Once luis has seen ana's line, the server has passed it on to the client too.
    ana.send(QStringLiteral("PRIVMSG #sala :uno de ana"));
    ASSERT_FALSE(luis.waitFor({QStringLiteral("uno de ana")}).isEmpty());
    luis.send(QStringLiteral("PRIVMSG #sala :dos de luis"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return irc->DHTMLEdit1->documentHTML().contains(QStringLiteral("<b> luis :</B>  dos de luis")); }, 5000));
    EXPECT_FALSE(irc->DHTMLEdit1->documentHTML().contains(QStringLiteral("uno de ana")));

    // Kick and ban: ana is thrown out and cannot come back.
    irc->mKick->trigger();
    EXPECT_FALSE(ana.waitFor({QStringLiteral(" KICK #sala ana")}).isEmpty());
    EXPECT_FALSE(luis.waitFor({QStringLiteral(" MODE #sala +b ana")}).isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->count() == 2; }, 5000));
    ana.send(QStringLiteral("JOIN #sala"));
    EXPECT_FALSE(ana.waitFor({QStringLiteral(" 474 ana #sala")}).isEmpty()) << "banned";
}

TEST_F(RealServer, ARobotFileReachesAnotherClientLineByLineInOrder)
{
    IrcPeer peer(ngircd.port(), QStringLiteral("testigo"));
    frmIRC* irc = connectBesides(peer);
    writeFile(QStringLiteral("robot.txt"),
              "buenas noches\r\n_.-+ Vexlo-TeaM +-._que tal, todo bien\r\nhasta luego\r\n");
    dialogs.expectOpenFile(filePath(QStringLiteral("robot.txt")));
    irc->Command22->click();
    irc->Command24->click();  // the real timer: 1.5 s, then 1 s a line
    for (const QString& entry : {QStringLiteral("buenas noches"), QStringLiteral("que tal"),
                                 QStringLiteral("todo bien"), QStringLiteral("hasta luego")}) {
        const QString got = peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("PRIVMSG #sala :")}, 8000);
        EXPECT_EQ(got.mid(got.indexOf(QStringLiteral(" :")) + 2), QString(2, QChar(15)) + entry + QString(3, QChar(15)));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !irc->Timer2->isActive(); }, 5000));
    EXPECT_EQ(irc->List1->listIndex(), -1);
}

TEST_F(RealServer, TheRoomsOperatorGivesRightsToAnotherClientAndBansIt)
{
    frmIRC* irc = connectClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return EsOperador; }, 8000)) << "the first in a room is its operator";
    IrcPeer peer(ngircd.port(), QStringLiteral("testigo"));
    peer.send(QStringLiteral("JOIN #sala"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->find(QStringLiteral("testigo")) >= 0; }, 5000));

    irc->Command16->click();
    frmOperador* panel = frmOperador::loadedInstance();
    ASSERT_NE(panel, nullptr);
    panel->Text1->setText(QStringLiteral("testigo"));
    panel->Command4->click();
    EXPECT_FALSE(peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("MODE #sala +o testigo")}).isEmpty());
    panel->Command5->click();
    EXPECT_FALSE(peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("MODE #sala +b testigo")}).isEmpty());
    EXPECT_EQ(panel->List1->item(0), QStringLiteral("testigo"));
    EXPECT_EQ(panel->List2->item(0), QStringLiteral("testigo"));
}
