// The server console's command line: what each command sends.
#include "ConnectedClient.h"
#include "core/frmIRC.h"
#include "windows/frmServer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class Console : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        w = frmServer::instance();
        w->Show();
    }
    frmServer* w = nullptr;
};

TEST_F(Console, EachCommandGoesOutWithoutItsSlashes)
{
    struct Case {
        QString typed, sent;
    } cases[] = {
        {"/join #sala", "join #sala"},
        {"JOIN #sala", "JOIN #sala"},
        {"PRIVMSG #a :a/b", "PRIVMSG #a :ab"},
        {"PRIVMSG #a :http://sitio", "PRIVMSG #a :http:sitio"},
        {"/open ctrl", "open ctrl"},  // the panel's command is written in capitals
        {"", ""},
        {"PRIVMSG #a :uno\r\nQUIT :dos", "PRIVMSG #a :uno  QUIT :dos"},
    };
    for (const Case& c : cases) {
        w->Text1->setText(c.typed);
        w->CmdCommando->click();
        ASSERT_TRUE(server.waitForLines(1)) << c.typed.toStdString();
        EXPECT_EQ(server.lines(), QStringList{c.sent}) << c.typed.toStdString();
        EXPECT_EQ(w->Text1->text(), QString());
        server.clearLines();
    }
}

TEST_F(Console, EnterInTheCommandLinePressesEnviaComando)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->Text1->setFocus();
    QTest::keyClicks(w->Text1, QStringLiteral("/who #sala"));
    QTest::keyClick(w->Text1, Qt::Key_Return);
    ASSERT_TRUE(server.waitForLines(1));
    EXPECT_EQ(server.lines(), QStringList{QStringLiteral("who #sala")});
    EXPECT_EQ(w->Text1->text(), QString());
}

class ConsoleDisconnected : public AppFixture {};

TEST_F(ConsoleDisconnected, TheRefusedCommandIsClearedToo)
{
    frmIRC::instance();
    frmServer* w = frmServer::instance();
    w->Text1->setText(QStringLiteral("/join #sala"));
    expectSendRefused();
    w->CmdCommando->click();
    EXPECT_EQ(w->Text1->text(), QString());
}
