// The client against a real ngircd: it connects, registers, joins its room
// at the end of the message of the day; a second client sees it and talks.
#include "AppFixture.h"
#include "Ngircd.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"

#include <QLineEdit>
#include <QTest>

using namespace Function;

class RealServer : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(ngircd.isRunning()) << ngircd.error().toStdString();
    }
    Ngircd ngircd;
};

TEST_F(RealServer, ConnectsRegistersAndJoinsItsRoomAfterTheMessageOfTheDay)
{
    IrcPeer peer(ngircd.port(), QStringLiteral("testigo"));
    ASSERT_TRUE(peer.isRegistered());
    peer.send(QStringLiteral("JOIN #sala"));
    ASSERT_FALSE(peer.waitFor({QStringLiteral("JOIN"), QStringLiteral("#sala")}).isEmpty());

    frmIRC* irc = frmIRC::instance();
    MiNick = QStringLiteral("trovelin");
    NickAnterior = QStringLiteral("trovelin_");
    CanalActual = QStringLiteral("#sala");
    ServidorIRC = QStringLiteral("127.0.0.1");
    PuertoIRC = qint16(ngircd.port());
    irc->ConnectarChat();

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
