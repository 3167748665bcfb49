// Lines the user sends: the chat box into the main room, the private box to
// the chosen nick, and RoomMsg / SendMsg as other windows call them.
#include "ConnectedClient.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/Text.h"
#include "windows/frmAdornos.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace platform;
using namespace Function;

class Sending : public ConnectedClient {
protected:
    void SetUp() override
    {
        ConnectedClient::SetUp();
        irc->Show();
        irc->DHTMLEdit1->setDocumentHTML(QString());
    }
    // The next line the server gets from the client.
    QString nextLine()
    {
        EXPECT_TRUE(server.waitForLines(1));
        const QString l = server.lines().value(0);
        server.clearLines();
        return l;
    }
    static QString f15(int n) { return QString(n, QChar(15)); }
};

TEST_F(Sending, TheWrappedLineByteByByte)
{
    struct Case {
        const char* name;
        std::array<QString, 6> format;
        QString left, right, text;
        QString sent, echoTail;
    } cases[] = {
        {"no style, empty line", {}, {}, {}, {}, QStringLiteral("PRIVMSG #sala :") + f15(5), f15(5)},
        {"bold with colour 4",
         {{Chr(2), {}, {}, Chr(3) + QStringLiteral("04"), {}, {}}},
         {},
         {},
         QStringLiteral("hola"),
         QStringLiteral("PRIVMSG #sala :") + f15(2) + Chr(2) + Chr(3) + QStringLiteral("04hola") + f15(3),
         f15(2) + Chr(2) + Chr(3) + QStringLiteral("04hola") + f15(3)},
        {"decorations with their colours",
         {{{}, Chr(31), Chr(3) + QStringLiteral("0,2"), {}, Chr(3) + QStringLiteral("12"), Chr(3) + QStringLiteral("04")}},
         QStringLiteral("<<"),
         QStringLiteral(">>"),
         QStringLiteral(" hola "),
         QStringLiteral("PRIVMSG #sala :") + Chr(3) + QStringLiteral("12<<") + f15(2) + Chr(31) + Chr(3) +
             QStringLiteral("0,2 hola ") + f15(2) + Chr(3) + QStringLiteral("04>>") + f15(1),
         {}},
        {"blanks of the left decoration are trimmed off the wire only",
         {},
         QStringLiteral("  *"),
         {},
         QStringLiteral("x"),
         QStringLiteral("PRIVMSG #sala :*") + f15(2) + QStringLiteral("x") + f15(3),
         QStringLiteral("  *") + f15(2) + QStringLiteral("x") + f15(3)},
    };
    for (const Case& c : cases) {
        FormatoTexto = c.format;
        frmAdornos::instance()->AdornoI->setText(c.left);
        frmAdornos::instance()->AdornoD->setText(c.right);
        irc->DHTMLEdit1->setDocumentHTML(QString());
        QString text = c.text;
        irc->RoomMsg(text);
        EXPECT_EQ(nextLine(), c.sent) << c.name;
        if (!c.echoTail.isEmpty()) {
            QString echo = QStringLiteral("<font color=Navy><b> yo </font> : </b>") + c.echoTail;
            EXPECT_EQ(viewFragments(), QStringList{FormatoHTML(echo) + QStringLiteral("</font></b></u><br>")}) << c.name;
        }
    }
}

TEST_F(Sending, TheEchoGoesToTheMainViewOnlyForTheMainRoom)
{
    QString a = QStringLiteral("uno");
    irc->RoomMsg(a, QStringLiteral("#sala"));
    EXPECT_EQ(nextLine(), QStringLiteral("PRIVMSG #sala :") + f15(2) + QStringLiteral("uno") + f15(3));
    EXPECT_EQ(viewFragments().size(), 1);
    QString b = QStringLiteral("dos");
    irc->RoomMsg(b, QStringLiteral("#Sala"));
    EXPECT_EQ(nextLine(), QStringLiteral("PRIVMSG #Sala :") + f15(2) + QStringLiteral("dos") + f15(3));
    EXPECT_EQ(viewFragments().size(), 1) << "another room (even by case) gets no echo here";
    EXPECT_EQ(b, f15(2) + QStringLiteral("dos") + f15(3)) << "the text comes back wrapped";
}

TEST_F(Sending, EnterSendsOnceClearsTheBoxAndSavesTheSettings)
{
    frmAdornos::instance()->AdornoI->setText(QStringLiteral("~"));
    irc->txtChatMsg->setFocus();
    QTest::keyClicks(irc->txtChatMsg, QStringLiteral("hola"));
    QTest::keyClick(irc->txtChatMsg, Qt::Key_Return);
    sync();
    EXPECT_EQ(irc->txtChatMsg->toPlainText(), QString());
    EXPECT_TRUE(irc->txtChatMsg->hasFocus());
    const QString expected = QStringLiteral("PRIVMSG #sala :~") + f15(2) + QStringLiteral("hola") + f15(3);
    EXPECT_EQ(QString::fromUtf8(server.rawReceived()).count(expected + QStringLiteral("\r\n")), 1);
    EXPECT_EQ(AdornoIzquierdo, QStringLiteral("~"));
    EXPECT_TRUE(readFile(QStringLiteral("Parlowen.nt")).contains("Adorno Izquierdo=~\r\n"));
}

TEST_F(Sending, APastedLineBreakStaysInsideOneLine)
{
    irc->txtChatMsg->setPlainText(QStringLiteral("uno\ndos\r\nQUIT :adios"));
    irc->cmdChat_Click();
    EXPECT_EQ(nextLine(), QStringLiteral("PRIVMSG #sala :") + f15(2) + QStringLiteral("uno dos QUIT :adios") + f15(3));
    sync();
    EXPECT_EQ(server.lines(), QStringList());
}

TEST_F(Sending, NothingHappensInTheChatBoxWhileNeverConnected)
{
    Conectado = false;
    irc->txtChatMsg->setPlainText(QStringLiteral("hola"));
    irc->cmdChat_Click();
    EXPECT_EQ(irc->txtChatMsg->toPlainText(), QStringLiteral("hola"));
    EXPECT_TRUE(viewFragments().isEmpty());
}

TEST_F(Sending, PrivateLines)
{
    server.sends(QStringLiteral(":srv 353 yo = #sala :ana luis"));
    sync();
    irc->lstUsers->setListIndex(1);
    irc->txtPrivMsg->setPlainText(QStringLiteral("  que tal  "));
    irc->cmdPriv_Click();
    EXPECT_EQ(nextLine(), QStringLiteral("PRIVMSG luis : que tal"));
    EXPECT_TRUE(irc->txtPrivMsg->toPlainText().isEmpty());
    EXPECT_TRUE(viewFragments().isEmpty());

    PrivadosEnChat = true;
    irc->SendMsg(QStringLiteral("hola"), QStringLiteral(" ana "));
    EXPECT_EQ(nextLine(), QStringLiteral("PRIVMSG ana : hola"));
    QString inChat = Chr(3) + QStringLiteral("0,17 ") + Chr(3) + QStringLiteral("01 Mensaje privado para  [ ") + Chr(3) +
                     QStringLiteral("12 ana  ]  ") + Chr(3) + QStringLiteral("01 : ") + Chr(3) + QStringLiteral("04hola");
    EXPECT_EQ(viewFragments(), QStringList{FormatoHTML(inChat) + QStringLiteral("</font></b></u><br>")});

    // No nick chosen: nothing goes out and the typed text is gone.
    irc->lstUsers->setListIndex(-1);
    irc->txtPrivMsg->setPlainText(QStringLiteral("perdido"));
    irc->cmdPriv_Click();
    irc->SendMsg(QStringLiteral("   "), QStringLiteral("ana"));
    sync();
    EXPECT_EQ(server.lines(), QStringList());
    EXPECT_TRUE(irc->txtPrivMsg->toPlainText().isEmpty());
}

TEST_F(Sending, TheBoxWithTheFocusDecidesWhatEnterClicks)
{
    server.sends(QStringLiteral(":srv 353 yo = #sala :ana"));
    sync();
    irc->lstUsers->setListIndex(0);
    irc->txtPrivMsg->setFocus();
    EXPECT_TRUE(irc->cmdPriv->isDefault());
    QTest::keyClicks(irc->txtPrivMsg, QStringLiteral("psst"));
    QTest::keyClick(irc->txtPrivMsg, Qt::Key_Return);
    EXPECT_EQ(nextLine(), QStringLiteral("PRIVMSG ana : psst"));

    irc->txtNick->setFocus();
    EXPECT_TRUE(irc->cmdNick->isDefault());
    EXPECT_FALSE(irc->cmdPriv->isDefault());
    irc->txtNick->setText(QStringLiteral("yo2"));
    QTest::keyClick(irc->txtNick, Qt::Key_Return);
    EXPECT_EQ(nextLine(), QStringLiteral("NICK yo2"));
    EXPECT_EQ(MiNick, QStringLiteral("yo2"));
    EXPECT_EQ(NickAnterior, QStringLiteral("yo"));

    irc->txtChatMsg->setFocus();
    EXPECT_TRUE(irc->cmdChat->isDefault());
}
