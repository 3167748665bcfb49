// The room list and the moves between rooms: rows from LIST replies, the
// three ways to make a listed room the main room or join it, and the
// reconnects to the maker's room and to a given server and room.
#include "ConnectedClient.h"
#include "ErrorRecorder.h"
#include "core/Function.h"
#include "core/Hosts.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/TcpClient.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace platform;
using namespace Function;

class RoomList : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        irc->Marquesina->stop();  // the marquee text stays as the moves set it
    }
    // The server lists these rooms ("#room users :topic"), then the client
    // has handled them.
    void lists(const QStringList& rooms)
    {
        for (const QString& r : rooms)
            server.sends(QStringLiteral(":srv 322 yo ") + r);
        sync();
    }
    // The main room "#sala" with two users, something in the view and the
    // count, as before any change.
    void inTheMainRoom()
    {
        server.sends(QStringLiteral(":srv 353 yo = #sala :yo ana"));
        server.sends(QStringLiteral(":ana!a@h PRIVMSG #sala :hola"));
        sync();
        ASSERT_EQ(irc->ListView1->count(), 2);
        ASSERT_FALSE(irc->DHTMLEdit1->documentHTML().isEmpty());
        ASSERT_FALSE(irc->TxtUsala->text().isEmpty());
    }
    QPoint rowCenter(int row) const
    {
        return irc->ListView2->visualRect(irc->ListView2->model()->index(row, 0)).center();
    }
    void expectLeftForTheNewRoom(const QString& room)
    {
        ASSERT_TRUE(server.waitForLines(2));
        EXPECT_EQ(server.lines(), (QStringList{QStringLiteral("PART #sala"), QStringLiteral("JOIN ") + room}));
        EXPECT_EQ(CanalActual, room);
        EXPECT_EQ(irc->txtChannel->text(), room);
        EXPECT_EQ(irc->ListView1->count(), 0);
        EXPECT_EQ(irc->lstUsers->count(), 0);
        EXPECT_EQ(irc->DHTMLEdit1->documentHTML(), QString());
        EXPECT_EQ(irc->TxtUsala->text(), QString());
        EXPECT_FALSE(irc->Picture5->isHidden());
        EXPECT_TRUE(irc->Picture6->isHidden());
    }
};

TEST_F(RoomList, EachListReplyIsARowThatKeepsTheRoomAsSent)
{
    struct Case {
        QString reply, shown, users, room;
    } cases[] = {
        {QStringLiteral("#Amigos 12 :Charla y amistad"), QStringLiteral("Amigos"), QStringLiteral("12"), QStringLiteral("#Amigos")},
        {QStringLiteral("#sala 5 :"), QStringLiteral("sala"), QStringLiteral("5"), QStringLiteral("#sala")},
        {QStringLiteral("#Puerto 3 :isla"), QStringLiteral("Puerto Rico "), QStringLiteral("3"), QStringLiteral("#Puerto")},
        {QStringLiteral("#Republica 4 :x"), QStringLiteral("Republica Dominicana "), QStringLiteral("4"), QStringLiteral("#Republica")},
        {QStringLiteral("#El 1 :x"), QStringLiteral("El Salvador"), QStringLiteral("1"), QStringLiteral("#El")},
        // "el" in any case inside a name, and every "#" of the name, go.
        {QStringLiteral("#HotEL 7 :x"), QStringLiteral("HotEl Salvador"), QStringLiteral("7"), QStringLiteral("#HotEL")},
        {QStringLiteral("#a#b 2 :x"), QStringLiteral("ab"), QStringLiteral("2"), QStringLiteral("#a#b")},
        // A "[" in the name cuts the shown name where the count is looked for.
        {QStringLiteral("#a[b 5 :x"), QStringLiteral("a"), QStringLiteral("b[5"), QStringLiteral("#a[b")},
    };
    for (const Case& c : cases)
        server.sends(QStringLiteral(":srv 322 yo ") + c.reply);
    sync();
    ASSERT_EQ(irc->ListView2->count(), int(std::size(cases)));
    for (int row = 0; row < irc->ListView2->count(); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(c.reply.toStdString());
        EXPECT_EQ(irc->ListView2->text(row), c.shown);
        EXPECT_EQ(irc->ListView2->subItem(row, 1), c.users);
        EXPECT_EQ(irc->listedRoom(row), c.room);
        EXPECT_EQ(irc->ListView2->smallIcon(row), 0);
    }

    // A reply without " :" gives no row; the line's handling ends there.
    {
        ExpectedError noTopic("processCommand", errInvalidCall);
        server.sends(QStringLiteral(":srv 322 yo #sintema 5"));
        sync();
    }
    EXPECT_EQ(irc->ListView2->count(), int(std::size(cases)));
}

TEST_F(RoomList, SalasAsksAgainAndUsuariosGoesBack)
{
    lists({QStringLiteral("#viejo 1 :x")});
    irc->Command12->click();
    ASSERT_TRUE(server.clientSent(QStringLiteral("LIST")));
    EXPECT_EQ(irc->ListView2->count(), 0);
    EXPECT_TRUE(irc->Picture5->isHidden());
    EXPECT_FALSE(irc->Picture6->isHidden());
    irc->Command13->click();
    EXPECT_FALSE(irc->Picture5->isHidden());
    EXPECT_TRUE(irc->Picture6->isHidden());

    // Once the connection is gone, send refuses the LIST; the rows go all the same.
    lists({QStringLiteral("#viejo 1 :x")});
    irc->sockIRC->Close();
    dialogs.expectMsgBox(QStringLiteral("Ha Ocurrido Un Error al intentar enviar el mensaje. \r\nEstas Desconectado!"),
                         vbInformation, QStringLiteral("Error"));
    irc->Command12->click();
    EXPECT_EQ(irc->ListView2->count(), 0);
    EXPECT_FALSE(irc->Picture6->isHidden());
}

TEST_F(RoomList, ADoubleClickMakesTheListedRoomTheMainRoomInLowerCase)
{
    irc->Show();
    inTheMainRoom();
    irc->Command12->click();
    lists({QStringLiteral("#uno 1 :x"), QStringLiteral("#HotEL 7 :de lujo")});
    QTest::mouseClick(irc->ListView2->viewport(), Qt::LeftButton, {}, rowCenter(1));
    EXPECT_EQ(SalaSeleccionada, QStringLiteral("#HotEL"));
    QTest::mouseDClick(irc->ListView2->viewport(), Qt::LeftButton, {}, rowCenter(1));
    // The room as the server named it, never the shown "HotEl Salvador".
    expectLeftForTheNewRoom(QStringLiteral("#hotel"));
    EXPECT_EQ(TextoMarquesina, QStringLiteral("HotEL ... "));
    EXPECT_FALSE(irc->msalas->isVisible()) << "a left click opens no menu";
}

TEST_F(RoomList, TheMenuOfARightClickedRow)
{
    irc->Show();
    inTheMainRoom();
    irc->Command12->click();
    lists({QStringLiteral("#Amigos 3 :x"), QStringLiteral("#cine 9 :x")});
    QTest::mouseClick(irc->ListView2->viewport(), Qt::RightButton, {}, rowCenter(0));
    EXPECT_EQ(SalaSeleccionada, QStringLiteral("#Amigos"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->msalas->isVisible(); }, 2000));
    EXPECT_EQ(irc->msalas->actions(), (QList<QAction*>{irc->mproom, irc->msroom, irc->mnsala}));
    irc->msalas->hide();

    // "Sala Secundaria" joins beside the main room.
    irc->msroom->trigger();
    ASSERT_TRUE(server.clientSent(QStringLiteral("JOIN #Amigos")));
    EXPECT_EQ(CanalActual, QStringLiteral("#sala"));
    sync();

    // "Introduce Nombre De Sala": the answer trimmed after "JOIN #", even
    // when it brings its own "#"; no answer, no line.
    dialogs.expectInputBox(QStringLiteral("Introduce el nombre de la sala."), appTitle(), QString());
    irc->mnsala->trigger();
    dialogs.expectInputBox(QStringLiteral("Introduce el nombre de la sala."), appTitle(), QStringLiteral("  #x y "));
    irc->mnsala->trigger();
    ASSERT_TRUE(server.clientSent(QStringLiteral("JOIN ##x y")));
    EXPECT_EQ(server.lines(), QStringList{QStringLiteral("JOIN ##x y")});
    sync();

    // "Sala Principal" moves the main room, lower-cased so that its lines
    // reach the main view.
    irc->mproom->trigger();
    expectLeftForTheNewRoom(QStringLiteral("#amigos"));
    EXPECT_EQ(TextoMarquesina, QStringLiteral("Amigos ... "));
    server.sends(QStringLiteral(":ana!a@h PRIVMSG #Amigos :llegaste"));
    sync();
    EXPECT_TRUE(irc->DHTMLEdit1->documentHTML().contains(QStringLiteral("llegaste")));
}

TEST_F(RoomList, NuevoCanalLeavesTheServerForAnotherRoomAndServer)
{
    FakeServer other;
    irc->Nuevo_Canal(QStringLiteral("  #Otra "), QStringLiteral(" 127.0.0.1 "), other.port());
    EXPECT_EQ(CanalActual, QStringLiteral("#Otra"));
    EXPECT_EQ(ServidorIRC, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(PuertoIRC, other.port());
    EXPECT_EQ(irc->txtChannel->text(), QStringLiteral("#Otra")) << "the connect puts the trimmed room there";
    EXPECT_EQ(TextoMarquesina, QStringLiteral("Otra ... "));
    EXPECT_EQ(irc->DHTMLEdit1->documentHTML(), QString());

    // The old connection closes without a QUIT; the new one registers and
    // joins at the end of the message of the day.
    ASSERT_TRUE(other.waitForClient());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.hasClient(); }, 3000));
    EXPECT_EQ(server.lines(), QStringList());
    ASSERT_TRUE(other.waitForLines(3));
    other.sends(QStringLiteral(":srv 376 yo :End of MOTD"));
    EXPECT_TRUE(other.clientSent(QStringLiteral("JOIN #Otra")));
}

TEST_F(RoomList, VexloSalaGoesToTheFirstAreasServerOnlyWhenConnected)
{
    // The first area names a server that cannot be reached: the test sees
    // what is asked, and nothing connects to a real port 6667.
    writeFile(QStringLiteral("Parlowen.ini"), "[Vexlo]\r\nLOGINSERVER=nadie.invalid\r\nLOGINPORT=6667\r\nROOMS=a:b\r\n");
    server.sends(QStringLiteral(":srv 353 yo = #sala :yo ana"));
    sync();
    irc->Command35->click();
    EXPECT_EQ(CanalActual, QStringLiteral("#vexlo-team"));
    EXPECT_EQ(ServidorIRC, QStringLiteral("nadie.invalid"));
    EXPECT_EQ(PuertoIRC, 6667);
    EXPECT_EQ(irc->txtChannel->text(), QStringLiteral("#vexlo-team"));
    EXPECT_EQ(TextoMarquesina, QStringLiteral("vexlo-team ... "));
    EXPECT_EQ(irc->ListView1->count(), 0);
    EXPECT_EQ(irc->DHTMLEdit1->documentHTML(), QString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.hasClient(); }, 3000));
    EXPECT_EQ(server.lines(), QStringList()) << "no QUIT";
}

TEST(DefaultServer, TheFirstAreasServerOrTheMakersHost)
{
    struct Case {
        const char* file;  // nullptr: no file
        QString server;
    } cases[] = {
        {"[Uno]\r\nLOGINSERVER=irc.uno\r\n[Dos]\r\nLOGINSERVER=irc.dos\r\n", QStringLiteral("irc.uno")},
        {"; nada\r\n", hosts::kChat},
        {"[Uno]\r\nLOGINPORT=6667\r\n", hosts::kChat},
        {nullptr, hosts::kChat},
    };
    QTemporaryDir home;
    qputenv("TROVELIN_HOME", home.path().toLocal8Bit());
    QDir(home.path()).mkpath(QStringLiteral("Files"));
    for (const Case& c : cases) {
        QFile f(home.path() + QStringLiteral("/Files/Parlowen.ini"));
        f.remove();
        if (c.file) {
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.file);
            f.close();
        }
        EXPECT_EQ(ServidorPorDefecto(), c.server) << (c.file ? c.file : "no file");
    }
    qunsetenv("TROVELIN_HOME");
}

using NotConnected = AppFixture;

TEST_F(NotConnected, VexloSalaOnlySaysSo)
{
    frmIRC* irc = frmIRC::instance();
    CanalActual = QStringLiteral("#sala");
    dialogs.expectMsgBox(QStringLiteral("Debes estar Conectado"), vbOKOnly, appTitle());
    irc->Command35->click();
    EXPECT_EQ(CanalActual, QStringLiteral("#sala"));
    EXPECT_EQ(ServidorIRC, QString());
    EXPECT_EQ(irc->sockIRC->State(), TcpClient::sckClosed);
}
