// The favourite rooms: the stored entry byte for byte, the list file across
// restarts, and a click that moves the main window to another server.
#include "ConnectedClient.h"
#include "ListEntries.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/ListView.h"
#include "platform/TcpClient.h"
#include "windows/frmFavoritos.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace platform;
using namespace Function;

namespace {

// The entry as the list shows and stores it.
QString entryFor(const QString& room, const QString& server, const QString& port)
{
    return room.mid(1) + QString(56, u' ') + QStringLiteral("<chan>") + room + QStringLiteral("</chan><srv>") + server +
           QStringLiteral("</srv><port>") + port + QStringLiteral("</port>");
}

// A file line: each Windows-1252 byte XORed with 0x9D, then CR LF.
QByteArray stored(const QString& item)
{
    QByteArray bytes = toCp1252(item);
    for (char& b : bytes)
        b = char(quint8(b) ^ 0x9D);
    return bytes + "\r\n";
}

}  // namespace

class Favoritos : public ConnectedClient {
protected:
    frmFavoritos* open()
    {
        frmFavoritos* f = frmFavoritos::instance();
        f->Show();
        return f;
    }
    // Closes the window through its frame and deletes it, as a restart would.
    void close(frmFavoritos* f)
    {
        f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(frmFavoritos::loadedInstance(), nullptr);
    }
    void click(frmFavoritos* f, int row)
    {
        const QPoint at = f->lstCanales->visualRect(f->lstCanales->model()->index(row, 0)).center();
        QTest::mouseClick(f->lstCanales->viewport(), Qt::LeftButton, {}, at);
    }
    // Nothing moved: the connection and the main room are as they were.
    void expectUnchanged()
    {
        EXPECT_EQ(CanalActual, QStringLiteral("#sala"));
        EXPECT_EQ(ServidorIRC, QStringLiteral("127.0.0.1"));
        EXPECT_EQ(PuertoIRC, server.port());
        EXPECT_EQ(irc->sockIRC->State(), TcpClient::sckConnected);
        EXPECT_EQ(irc->ListView1->count(), 1);
    }
    void setUpUsers()
    {
        server.sends(QStringLiteral(":srv 353 yo = #sala :yo"));
        sync();
    }
};

TEST_F(Favoritos, TheShippedEmptyFileOpensWithoutABox)
{
    ASSERT_TRUE(QFile::exists(filePath(QStringLiteral("Channels.ini"))));
    irc->Command33->click();
    frmFavoritos* f = frmFavoritos::loadedInstance();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->lstCanales->count(), 0);
    EXPECT_EQ(f->Caption(), QStringLiteral("Favoritos"));
    EXPECT_EQ(f->Command1->text(), QStringLiteral("Agrega"));
    EXPECT_EQ(f->Command2->text(), QStringLiteral("Remover"));
    EXPECT_TRUE(f->Text2->isHidden() && f->Text3->isHidden() && f->Text4->isHidden());
    close(f);

    QFile::remove(filePath(QStringLiteral("Channels.ini")));
    dialogs.expectMsgBox(QStringLiteral("File Not Found"), vbOKOnly, QStringLiteral("Error"));
    EXPECT_EQ(open()->lstCanales->count(), 0);
}

TEST_F(Favoritos, AgregaStoresTheEntryByteForByteAndItComesBack)
{
    ServidorIRC = QStringLiteral("S");
    PuertoIRC = 6667;
    CanalActual = QStringLiteral("#amigos");
    frmFavoritos* f = open();
    f->Command1->click();
    f->Command1->click();  // the same room twice gives two entries
    const QString amigos = entryFor(QStringLiteral("#amigos"), QStringLiteral("S"), QStringLiteral("6667"));
    EXPECT_EQ(boxItems(*f->lstCanales), (QStringList{amigos, amigos}));
    EXPECT_EQ(readFile(QStringLiteral("Channels.ini")), stored(amigos) + stored(amigos));

    // Not in any room: blanks and empty tags.
    CanalActual.clear();
    f->Command1->click();
    const QString none = QString(56, u' ') + QStringLiteral("<chan></chan><srv>S</srv><port>6667</port>");
    EXPECT_EQ(f->lstCanales->item(2), none);

    // "±" is stored as a comma: its entry comes back cut into fields.
    CanalActual = QStringLiteral(u"#a\u00B1b");
    f->Command1->click();
    close(f);
    f = open();
    EXPECT_EQ(boxItems(*f->lstCanales),
              (QStringList{amigos, amigos, none, QStringLiteral("a"),
                           QStringLiteral("b") + QString(56, u' ') + QStringLiteral("<chan>#a"),
                           QStringLiteral("b</chan><srv>S</srv><port>6667</port>")}));
}

TEST_F(Favoritos, ARemovalIsSavedOnlyByTheNextAgrega)
{
    writeFile(QStringLiteral("Channels.ini"),
              stored(entryFor(QStringLiteral("#uno"), QStringLiteral("s1"), QStringLiteral("1"))) +
                  stored(entryFor(QStringLiteral("#dos"), QStringLiteral("s2"), QStringLiteral("2"))));
    frmFavoritos* f = open();
    ASSERT_EQ(f->lstCanales->count(), 2);
    f->Command2->click();  // no click yet: the first entry
    EXPECT_EQ(f->lstCanales->count(), 1);
    EXPECT_TRUE(f->lstCanales->item(0).startsWith(QStringLiteral("dos ")));
    close(f);

    f = open();
    ASSERT_EQ(f->lstCanales->count(), 2) << "the removal was never written";
    f->Command2->click();
    CanalActual = QStringLiteral("#tres");
    ServidorIRC = QStringLiteral("s3");
    PuertoIRC = 3;
    f->Command1->click();
    close(f);
    f = open();
    EXPECT_EQ(boxItems(*f->lstCanales),
              (QStringList{entryFor(QStringLiteral("#dos"), QStringLiteral("s2"), QStringLiteral("2")),
                           entryFor(QStringLiteral("#tres"), QStringLiteral("s3"), QStringLiteral("3"))}));
}

TEST_F(Favoritos, RemovingAtAPositionTheListNoLongerHasRemovesNothing)
{
    setUpUsers();
    writeFile(QStringLiteral("Channels.ini"), stored(QStringLiteral("uno")) + stored(QStringLiteral("dos")));
    frmFavoritos* f = open();
    click(f, 1);  // an entry without tags: nothing else happens
    expectUnchanged();
    f->Command2->click();
    f->Command2->click();
    EXPECT_EQ(boxItems(*f->lstCanales), QStringList{QStringLiteral("uno")});
    f->Command2->click();
    f->Command2->click();  // index 1 and then an empty list
    EXPECT_EQ(boxItems(*f->lstCanales), QStringList{QStringLiteral("uno")});
    click(f, 0);
    f->Command2->click();
    f->Command2->click();
    EXPECT_EQ(f->lstCanales->count(), 0);
    EXPECT_TRUE(f->isVisible());
}

TEST_F(Favoritos, AnEntryThatIsNotWholeChangesNothing)
{
    setUpUsers();
    struct Case {
        const char* what;
        QString entry;
        QString badPort;  // the box names it
    } cases[] = {
        {"no room", entryFor(QString(), QStringLiteral("s"), QStringLiteral("6667")), {}},
        {"no server", entryFor(QStringLiteral("#a"), QString(), QStringLiteral("6667")), {}},
        {"no port tag", QStringLiteral("a <chan>#a</chan><srv>s</srv>"), {}},
        {"a port past 65535", entryFor(QStringLiteral("#a"), QStringLiteral("s"), QStringLiteral("70000")),
         QStringLiteral("70000")},
        {"a port that is no number", entryFor(QStringLiteral("#a"), QStringLiteral("s"), QStringLiteral("66x")),
         QStringLiteral("66x")},
    };
    QByteArray file;
    for (const Case& c : cases)
        file += stored(c.entry);
    writeFile(QStringLiteral("Channels.ini"), file);
    frmFavoritos* f = open();
    ASSERT_EQ(f->lstCanales->count(), int(std::size(cases)));
    for (int row = 0; row < int(std::size(cases)); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE(c.what);
        if (!c.badPort.isEmpty())
            dialogs.expectMsgBox(PuertoNoValido(c.badPort), vbInformation, QStringLiteral("Error"));
        click(f, row);
        dialogs.verify();
        EXPECT_EQ(f->IndiceFavorito, row);
        expectUnchanged();
        EXPECT_EQ(f->Text2->text(), QString());
    }
}

TEST_F(Favoritos, AClickReconnectsToTheStoredServerAndRoom)
{
    FakeServer other;
    writeFile(QStringLiteral("Channels.ini"),
              stored(entryFor(QStringLiteral("#lejos"), QStringLiteral("127.0.0.1"), QString::number(other.port()))));
    frmFavoritos* f = open();
    f->lstCanales->setListIndex(0);  // a keyboard move reconnects nothing
    EXPECT_EQ(CanalActual, QStringLiteral("#sala"));
    click(f, 0);
    EXPECT_EQ(CanalActual, QStringLiteral("#lejos"));
    EXPECT_EQ(PuertoIRC, other.port());
    EXPECT_EQ(f->Text2->text(), QStringLiteral("#lejos"));
    EXPECT_EQ(f->Text3->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(f->Text4->text(), QString::number(other.port()));
    ASSERT_TRUE(other.waitForLines(3));
    other.sends(QStringLiteral(":srv 376 yo :End of MOTD"));
    EXPECT_TRUE(other.clientSent(QStringLiteral("JOIN #lejos")));

    // The room box follows the main room without a timer of its own: it
    // catches up whenever the event loop is about to wait.
    PumpEventsFor(0);
    EXPECT_EQ(f->Text1->text(), QStringLiteral("lejos"));
    CanalActual = QStringLiteral("#otra");
    PumpEventsFor(0);
    EXPECT_EQ(f->Text1->text(), QStringLiteral("otra"));
    CanalActual.clear();
    PumpEventsFor(0);
    EXPECT_EQ(f->Text1->text(), QString());
}
