// A server that answers with thousands of error replies without pause: one
// box on screen, the rest in the status box, the stream still flowing.
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/LogBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace platform;
using namespace Function;

using ReplyStorm = ConnectedClient;

namespace {

constexpr int kReplies = 5000;

QByteArray storm(const QByteArray& line)
{
    QByteArray bytes;
    for (int i = 0; i < kReplies; ++i)
        bytes += line + "\r\n";
    return bytes + "PING :fin\r\n";
}

}  // namespace

TEST_F(ReplyStorm, OneBoxTheRestInTheStatusBoxAndThePingAnswered)
{
    ServidorIRC = QStringLiteral("irc.red");
    struct Case {
        QByteArray line;
        QString box, title, diverted;
        int style;
    } cases[] = {
        {":srv 433 yo yo :Nickname is already in use",
         QStringLiteral("Ha ocurido un error al tratar de conectar el nick yo Su nick a Sido replazado por yo_alt"),
         QStringLiteral("Error de Nick"),
         QStringLiteral("Ha ocurido un error al tratar de conectar el nick yo_alt Su nick a Sido replazado por yo_alt"),
         vbInformation},
        {":srv 401 yo nadie :No such nick", QStringLiteral("Error"), appTitle(), QStringLiteral("Error"), vbOKOnly},
        {":srv 465 yo :You are banned", QStringLiteral("You are banned"), QStringLiteral("Mensaje de irc.red"),
         QStringLiteral("You are banned"), vbCritical},
    };
    for (const Case& c : cases) {
        irc->txtStatus->clear();
        dialogs.expectMsgBox(c.box, c.style, c.title, vbOK, [&] {
            EXPECT_TRUE(server.clientSent(QStringLiteral("PONG :fin"), 60000)) << c.line.constData();
        });
        server.sendsRaw(storm(c.line));
        ASSERT_TRUE(server.clientSent(QStringLiteral("PONG :fin"), 60000));
        sync();
        dialogs.verify();
        EXPECT_EQ(statusLines().count(c.diverted), kReplies - 1) << c.line.constData();
        server.clearLines();
    }
    EXPECT_EQ(dialogs.msgBoxCount(), 3);
}

TEST_F(ReplyStorm, RefusedNicksStillFallBackWhileTheirBoxesAreDiverted)
{
    dialogs.expectMsgBox(
        QStringLiteral("Ha ocurido un error al tratar de conectar el nick yo Su nick a Sido replazado por yo_alt"),
        vbInformation, QStringLiteral("Error de Nick"), vbOK, [&] {
            // A second refusal, of the fallback nick this time, while the
            // box is open: its box is diverted, its fallback happens.
            NickAnterior = QStringLiteral("yo_otro");
            server.sends(QStringLiteral(":srv 433 yo yo_alt :Nickname is already in use"));
            EXPECT_TRUE(server.clientSent(QStringLiteral("NICK yo_otro")));
        });
    server.sends(QStringLiteral(":srv 433 yo yo :Nickname is already in use"));
    sync();
    EXPECT_EQ(MiNick, QStringLiteral("yo_otro"));
    EXPECT_EQ(irc->txtNick->text(), QStringLiteral("yo_otro"));
    EXPECT_EQ(statusLines().count(QStringLiteral("<!> Failed changing nickname (The nickname is allready in use)")), 2);
    EXPECT_TRUE(statusLines().contains(
        QStringLiteral("Ha ocurido un error al tratar de conectar el nick yo_alt Su nick a Sido replazado por yo_otro")));
}

TEST_F(ReplyStorm, OnlyOneRealBoxIsEverOnScreen)
{
    setDialogHost(nullptr);  // the real, modal Qt box
    int boxesOnScreen = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !server.lines().contains(QStringLiteral("PONG :fin")))
            return;
        boxesOnScreen = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            boxesOnScreen += qobject_cast<QMessageBox*>(w) && w->isVisible();
        box->accept();
    });
    poll.start(5);
    server.sendsRaw(storm(":srv 433 yo yo :Nickname is already in use"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxesOnScreen >= 0 && !QApplication::activeModalWidget(); }, 60000));
    setDialogHost(&dialogs);
    EXPECT_EQ(boxesOnScreen, 1);
    sync();
}
