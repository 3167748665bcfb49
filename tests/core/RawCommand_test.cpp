// The raw command entry: a double click on the status box asks for a line
// and sends it, with JOIN, PART, NICK and QUIT known by their first four
// letters. The own nick is "yo"; the main room starts as "#vieja".
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/LogBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace platform;
using namespace Function;

namespace {

const QString kPrompt = QStringLiteral("Please enter a command (eg. PRIVMSG Bot :Hello bot)\r\n\r\nCommand:");
const QString kTitle = QStringLiteral("Custom command");
const QString kQuitRefused =
    QStringLiteral("<!> QUIT message canceled! Please click the X button in the bottom right corner of the window!");

}  // namespace

class RawCommand : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        CanalActual = QStringLiteral("#vieja");
        irc->txtChannel->setText(CanalActual);
    }
    void type(const QString& command)
    {
        dialogs.expectInputBox(kPrompt, kTitle, command);
        irc->txtStatus_DblClick();
    }
};

TEST_F(RawCommand, ADoubleClickOnTheStatusBoxAsksForTheCommand)
{
    irc->Show();
    irc->display(QStringLiteral("una linea"));
    QCoreApplication::processEvents();
    dialogs.expectInputBox(kPrompt, kTitle, QStringLiteral("PRIVMSG Bot :Hello bot"));
    QTest::mouseDClick(irc->txtStatus->viewport(), Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_EQ(sentLines(), QStringList{QStringLiteral("PRIVMSG Bot :Hello bot")});
}

TEST_F(RawCommand, CommandsByTheirFirstFourLetters)
{
    struct Case {
        QString typed;
        QStringList sent;
        QString room;  // CanalActual and txtChannel after
        bool listsCleared;
        QString statusLine;
    } cases[] = {
        {"join #sala clave", {"PART #vieja", "JOIN #sala"}, "#sala", true, {}},
        {"  JOIN #Sala  ", {"PART #vieja", "JOIN #Sala"}, "#sala", true, {}},
        {"JOIN", {"PART #vieja", "JOIN "}, "", true, {}},
        {"part #otra", {"PART #vieja"}, "", true, {}},
        {"PARTY", {"PART #vieja"}, "", true, {}},
        {"Quitar", {}, "#vieja", false, kQuitRefused},
        {"PRIVMSG Bot :Hello bot", {"PRIVMSG Bot :Hello bot"}, "#vieja", false, {}},
        {"  MODE #vieja +m ", {"MODE #vieja +m"}, "#vieja", false, {}},
        // Cancel answers "" as an empty line does.
        {"", {}, "#vieja", false, {}},
        {"   ", {}, "#vieja", false, {}},
    };
    for (const Case& c : cases) {
        CanalActual = QStringLiteral("#vieja");
        irc->txtChannel->setText(CanalActual);
        irc->ListView1->add(QStringLiteral("ana"), 1);
        irc->lstUsers->addItem(QStringLiteral("ana"));
        irc->TxtUsala->setText(QStringLiteral("1"));
        const QStringList statusBefore = statusLines();

        type(c.typed);
        EXPECT_EQ(sentLines(), c.sent) << c.typed.toStdString();
        EXPECT_EQ(CanalActual, c.room) << c.typed.toStdString();
        EXPECT_EQ(irc->txtChannel->text(), c.room) << c.typed.toStdString();
        // Both lists and the count go together, or not at all.
        EXPECT_EQ(irc->ListView1->count(), c.listsCleared ? 0 : 1) << c.typed.toStdString();
        EXPECT_EQ(irc->lstUsers->count(), irc->ListView1->count()) << c.typed.toStdString();
        EXPECT_EQ(irc->TxtUsala->text(), c.listsCleared ? QStringLiteral("0") : QStringLiteral("1")) << c.typed.toStdString();
        const QStringList newStatus = statusLines().mid(statusBefore.size());
        EXPECT_EQ(newStatus, c.statusLine.isEmpty() ? QStringList{} : QStringList{c.statusLine}) << c.typed.toStdString();
        irc->ListView1->clear();
        irc->lstUsers->clear();
    }
}

TEST_F(RawCommand, AfterATypedJoinTheNewRoomsLinesReachTheMainView)
{
    type(QStringLiteral("JOIN #Sala"));
    irc->DHTMLEdit1->setDocumentHTML(QString());
    receive({QStringLiteral(":ana!a@h JOIN :#Sala"), QStringLiteral(":ana!a@h PRIVMSG #Sala :hola")});
    EXPECT_TRUE(irc->DHTMLEdit1->documentHTML().contains(QStringLiteral("<b> ana :</B>  hola")));
    EXPECT_EQ(irc->ListView1->find(QStringLiteral("ana")), 0);
}

TEST_F(RawCommand, ATypedNickChangesTheNickBoxAndSendsOnlyWhileConnected)
{
    type(QStringLiteral("NICK pepe"));
    EXPECT_EQ(irc->txtNick->text(), QStringLiteral("pepe"));
    EXPECT_EQ(MiNick, QStringLiteral("pepe"));
    EXPECT_EQ(NickAnterior, QStringLiteral("yo"));
    EXPECT_EQ(sentLines(), QStringList{QStringLiteral("NICK pepe")});

    Conectado = false;
    type(QStringLiteral("nick luis"));
    EXPECT_EQ(irc->txtNick->text(), QStringLiteral("luis"));
    EXPECT_EQ(MiNick, QStringLiteral("pepe"));
    Conectado = true;  // for the look at what was sent
    EXPECT_EQ(sentLines(), QStringList{});
}

TEST_F(RawCommand, ATypedLineIsOneLineOnTheWire)
{
    type(QStringLiteral("PRIVMSG Bot :uno\r\nQUIT :dos\nJOIN #x"));
    EXPECT_EQ(sentLines(), QStringList{QStringLiteral("PRIVMSG Bot :uno  QUIT :dos JOIN #x")});
}
