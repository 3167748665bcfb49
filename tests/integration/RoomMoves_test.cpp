// Moving between rooms on real servers: the room list from LIST, a listed
// room made the main room, and a favourite on a second server.
#include "AppFixture.h"
#include "Ngircd.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/ListView.h"
#include "windows/frmFavoritos.h"

#include <QPushButton>
#include <QTest>

using namespace Function;

class TwoServers : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(first.isRunning()) << first.error().toStdString();
        ASSERT_TRUE(second.isRunning()) << second.error().toStdString();
    }
    Ngircd first;
    Ngircd second;
};

TEST_F(TwoServers, ListedRoomsAMainRoomChangeAndAFavouriteElsewhere)
{
    // A peer opens several rooms on the first server and waits in "#sala".
    IrcPeer peer(first.port(), QStringLiteral("testigo"));
    ASSERT_TRUE(peer.isRegistered());
    const QStringList rooms{QStringLiteral("#sala"), QStringLiteral("#Amigos"), QStringLiteral("#cine"),
                            QStringLiteral("#hotel")};
    for (const QString& r : rooms)
        peer.send(QStringLiteral("JOIN ") + r);
    ASSERT_FALSE(peer.waitFor({QStringLiteral("JOIN"), QStringLiteral("#hotel")}).isEmpty());

    frmIRC* irc = frmIRC::instance();
    irc->Show();
    MiNick = QStringLiteral("trovelin");
    CanalActual = QStringLiteral("#sala");
    ServidorIRC = QStringLiteral("127.0.0.1");
    PuertoIRC = first.port();
    irc->ConnectarChat();
    ASSERT_FALSE(peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("JOIN"), QStringLiteral("#sala")}, 8000)
                     .isEmpty());

    // "Salas": one row per room, each keeping its name as the server has it.
    irc->Command12->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return irc->ListView2->count() >= rooms.size(); }, 5000));
    QStringList listed;
    for (int row = 0; row < irc->ListView2->count(); ++row)
        listed << irc->listedRoom(row);
    for (const QString& r : rooms)
        EXPECT_TRUE(listed.contains(r)) << r.toStdString() << " in " << listed.join(u' ').toStdString();

    // A double click on "#Amigos": the server sees the PART, then the JOIN.
    const int row = int(listed.indexOf(QStringLiteral("#Amigos")));
    const QPoint at = irc->ListView2->visualRect(irc->ListView2->model()->index(row, 0)).center();
    QTest::mouseClick(irc->ListView2->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(irc->ListView2->viewport(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("PART #sala")}).isEmpty());
    EXPECT_FALSE(peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("JOIN"), QStringLiteral("#amigos")})
                     .isEmpty());
    EXPECT_EQ(CanalActual, QStringLiteral("#amigos"));
    // The server's names reply refills the user list.
    EXPECT_TRUE(QTest::qWaitFor([&] { return irc->ListView1->find(QStringLiteral("testigo")) >= 0; }, 5000));

    // A favourite on the second server, with a peer waiting there.
    IrcPeer far(second.port(), QStringLiteral("lejano"));
    ASSERT_TRUE(far.isRegistered());
    far.send(QStringLiteral("JOIN #lejos"));
    ASSERT_FALSE(far.waitFor({QStringLiteral("JOIN"), QStringLiteral("#lejos")}).isEmpty());
    const QString entry = QStringLiteral("lejos") + QString(56, u' ') +
                          QStringLiteral("<chan>#lejos</chan><srv>127.0.0.1</srv><port>") +
                          QString::number(second.port()) + QStringLiteral("</port>");
    writeFile(QStringLiteral("Channels.ini"), platform::toCp1252(Cifra(entry, kClaveListas)) + "\r\n");
    frmFavoritos* f = frmFavoritos::instance();
    f->Show();
    ASSERT_EQ(f->lstCanales->count(), 1);
    const QPoint entryAt = f->lstCanales->visualRect(f->lstCanales->model()->index(0, 0)).center();
    QTest::mouseClick(f->lstCanales->viewport(), Qt::LeftButton, {}, entryAt);

    EXPECT_FALSE(far.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("JOIN"), QStringLiteral("#lejos")}, 8000)
                     .isEmpty());
    EXPECT_FALSE(peer.waitFor({QStringLiteral(":trovelin!"), QStringLiteral("QUIT")}).isEmpty())
        << "the first server saw the client go";
    EXPECT_EQ(ServidorIRC, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(PuertoIRC, second.port());
}
