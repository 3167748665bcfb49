// The dispatcher against a scripted server: what the server sends, what the
// client answers and shows.
#include "ConnectedClient.h"
#include "ErrorRecorder.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/HtmlView.h"
#include "platform/LogBox.h"
#include "platform/TcpClient.h"
#include "windows/frmInvita.h"
#include "windows/frmServer.h"
#include "windows/frmWhois.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace platform;
using namespace Function;

using Dispatcher = ConnectedClient;

TEST_F(Dispatcher, RegistersWithPassNickAndAUserLineWithoutThePassword)
{
    FakeServer other;
    PassIRC = QStringLiteral("secreta");
    PuertoIRC = other.port();
    irc->sockIRC->Close();
    irc->ConnectarChat();
    ASSERT_TRUE(other.waitForLines(3));
    const QString local = QStringLiteral("127.0.0.1");
    EXPECT_EQ(other.lines(), (QStringList{QStringLiteral("PASS secreta"), QStringLiteral("NICK yo"),
                                          QStringLiteral("USER yoPASS ") + local +
                                              QStringLiteral(" vexloteam2009 :Vexlo Team")}));
    EXPECT_TRUE(Conectado);
    EXPECT_EQ(irc->TxtPass->text(), QStringLiteral("secreta"));
    EXPECT_TRUE(statusLines().contains(QStringLiteral("> Connected to server !")));
}

TEST_F(Dispatcher, AnswersPingWithAndWithoutPrefix)
{
    server.sends(QStringLiteral("PING :srv.red"));
    ASSERT_TRUE(server.clientSent(QStringLiteral("PONG :srv.red")));
    server.sends(QStringLiteral(":srv PING :x"));
    ASSERT_TRUE(server.clientSent(QStringLiteral("PONG :x")));
    server.sends(QStringLiteral(":ana!a@h PRIVMSG #otra :PING me"));
    sync();
    EXPECT_EQ(server.lines(), QStringList());
    const QStringList status = statusLines();
    EXPECT_EQ(status.last(), QStringLiteral("<srv> PING :x"));
    EXPECT_EQ(irc->txtStatus->text().count(QStringLiteral("PING? PONG!")), 2 + 1);
}

TEST_F(Dispatcher, ServerLinesGoToTheStatusBox)
{
    struct Case {
        QString line, shown;
    } cases[] = {
        {QStringLiteral(":srv"), QStringLiteral("<> ")},
        {QStringLiteral(":srv 001"), QStringLiteral("<srv> 001")},
        {QStringLiteral(":srv.red 372 yo :- texto"), QStringLiteral("<srv.red> 372 yo :- texto")},
        {QStringLiteral(":srv 005 yo MODES=4 :are supported"), QStringLiteral("<srv> 005 yo MODES=4 :are supported")},
        {QStringLiteral(":ana!a@h WALLOPS :hola"), QStringLiteral("<ana> WALLOPS :hola")},
    };
    for (const Case& c : cases) {
        server.sends(c.line);
        sync();
        EXPECT_EQ(statusLines().last(), c.shown) << c.line.toStdString();
    }
    const qsizetype before = irc->txtStatus->text().size();
    server.sends(QStringLiteral("NOTICE AUTH :*** Looking up"));
    server.sends(QStringLiteral(":srv NOTICE yo :hola"));
    server.sends(QStringLiteral(":srv MODE yo +i"));
    sync();
    EXPECT_EQ(irc->txtStatus->text().size(), before + QStringLiteral("PING? PONG!\n").size());
}

TEST_F(Dispatcher, EveryReceivedLineIsLoggedWithTheTimeOfDay)
{
    server.sendsRaw("uno\r\n\ndos\n");
    sync();
    const QStringList log = frmServer::instance()->RichTextBox1->text().split(u'\n');
    QStringList entries;
    for (const QString& e : log)
        if (!e.isEmpty() && !e.contains(QStringLiteral("sync")))
            entries << e.mid(9);  // past "HH:mm:ss "
    EXPECT_EQ(entries, (QStringList{QStringLiteral("uno "), QStringLiteral(" "), QStringLiteral("dos ")}));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d uno $")).match(log.first()).hasMatch())
        << log.first().toStdString();
}

TEST_F(Dispatcher, EndOfTheMessageOfTheDayJoinsTheMainRoom)
{
    server.sends(QStringLiteral(":srv 376 yo :End of MOTD command"));
    ASSERT_TRUE(server.clientSent(QStringLiteral("JOIN #sala")));
    EXPECT_TRUE(statusLines().contains(QStringLiteral("<srv> 376 yo :End of MOTD command")));
}

TEST_F(Dispatcher, WhoisRepliesFillTheDialogAtTheirEnd)
{
    server.sends(QStringLiteral(":srv 311 yo pepe usuario host * :Nombre Real"));
    server.sends(QStringLiteral(":srv 319 yo pepe :@#viejo"));
    server.sends(QStringLiteral(":srv 319 yo pepe :@#uno +#dos #tres"));
    server.sends(QStringLiteral(":srv 312 yo pepe irc.red :Servidor de la red"));
    server.sends(QStringLiteral(":srv 318 yo pepe :End of WHOIS list"));
    sync();
    frmWhois* w = frmWhois::loadedInstance();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Caption(), QStringLiteral("Quien es pepe "));
    EXPECT_EQ(w->Text1->text(), QStringLiteral("Nombre Real"));
    EXPECT_EQ(w->Text2->text(), QStringLiteral("uno | dos | tres"));
    EXPECT_EQ(w->Text3->text(), QStringLiteral("Servidor de la red"));
    EXPECT_EQ(w->Text4->text(), QStringLiteral(" host")) << "the box keeps the host";
    EXPECT_EQ(irc->Whois.Nick, QStringLiteral("pepe "));
    EXPECT_TRUE(irc->Whois.Nombre.isEmpty());

    // A second whois without 311 keeps the nick and host of the first.
    server.sends(QStringLiteral(":srv 312 yo juan otro.red :Otro"));
    server.sends(QStringLiteral(":srv 318 yo juan :End of WHOIS list"));
    sync();
    EXPECT_EQ(w->Caption(), QStringLiteral("Quien es pepe "));
    EXPECT_EQ(w->Text4->text(), QStringLiteral(" host")) << "the box keeps the host";
    EXPECT_EQ(w->Text3->text(), QStringLiteral("Otro"));
    EXPECT_EQ(w->Text1->text(), QString());

    // 378 replaces the host; a 311 without "*" stops after the nick.
    ExpectedError noStar("processCommand", errInvalidCall);
    server.sends(QStringLiteral(":srv 378 yo ana :is connecting from *@10.0.0.1"));
    server.sends(QStringLiteral(":srv 311 yo ana sin asterisco :Ana"));
    server.sends(QStringLiteral(":srv 318 yo ana :End"));
    sync();
    EXPECT_EQ(w->Caption(), QStringLiteral("Quien es ana "));
    EXPECT_EQ(w->Text4->text(), QStringLiteral(" :is connecting from *@10.0.0.1"));
}

TEST_F(Dispatcher, ARefusedNickFallsBackWithOneBoxAndOneNickLine)
{
    struct Case {
        QString numeric, text;
    } cases[] = {
        {QStringLiteral("431"), QStringLiteral("<!> Failed changing nickname (You have to supply a nickname)")},
        {QStringLiteral("432"), QStringLiteral("<!> Failed changing nickname (The nickname you entered is not valid)")},
        {QStringLiteral("433"), QStringLiteral("<!> Failed changing nickname (The nickname is allready in use)")},
    };
    for (const Case& c : cases) {
        MiNick = QStringLiteral("pepe");
        NickAnterior = QStringLiteral("yo");
        dialogs.expectMsgBox(QStringLiteral("Ha ocurido un error al tratar de conectar el nick pepe Su nick a Sido "
                                            "replazado por yo"),
                             vbInformation, QStringLiteral("Error de Nick"));
        server.sends(QStringLiteral(":srv ") + c.numeric + QStringLiteral(" yo pepe :Nickname is already in use"));
        sync();
        dialogs.verify();
        EXPECT_EQ(server.lines(), QStringList()) << "the NICK line comes before the sync";
        EXPECT_TRUE(statusLines().contains(c.text)) << c.numeric.toStdString();
        EXPECT_EQ(irc->NickFallido, QStringLiteral("pepe"));
        EXPECT_EQ(MiNick, QStringLiteral("yo"));
        EXPECT_EQ(irc->txtNick->text(), QStringLiteral("yo"));
    }
    // Exactly one NICK line per refusal, the fallback nick alone (no password box text).
    EXPECT_EQ(QString::fromUtf8(server.rawReceived()).count(QStringLiteral("NICK yo\r\n")), 3 + 1);
}

TEST_F(Dispatcher, ARefusedFallbackIsNotOfferedAgain)
{
    MiNick = QStringLiteral("yo");
    NickAnterior = QStringLiteral("yo");
    dialogs.expectMsgBox(QStringLiteral("Ha ocurido un error al tratar de conectar el nick yo Su nick a Sido "
                                        "replazado por yo"),
                         vbInformation, QStringLiteral("Error de Nick"));
    server.sends(QStringLiteral(":srv 433 * yo :Nickname already in use"));
    sync();
    // Only the registration's NICK line: the refused fallback is not sent again.
    EXPECT_EQ(QString::fromUtf8(server.rawReceived()).count(QStringLiteral("NICK yo\r\n")), 1);
}

TEST_F(Dispatcher, ErrorNumericsShowTheirBoxesAndLines)
{
    ServidorIRC = QStringLiteral("irc.red");
    dialogs.expectMsgBox(QStringLiteral("You are banned from this server"), vbCritical,
                         QStringLiteral("Mensaje de irc.red"));
    server.sends(QStringLiteral(":srv 465 yo :You are banned from this server"));
    sync();
    dialogs.verify();

    dialogs.expectMsgBox(QStringLiteral("No puedes ejecutar comandos de Operador, no tienes o no estas autorizado a ese "
                                        "nivel."),
                         vbInformation, QStringLiteral("Mensaje de Cliente"));
    server.sends(QStringLiteral(":srv 482 yo #sala :You're not channel operator"));
    sync();
    dialogs.verify();

    dialogs.expectMsgBox(QStringLiteral("Error"), vbOKOnly, appTitle());
    server.sends(QStringLiteral(":srv 401 yo nadie :No such nick"));
    sync();
    dialogs.verify();

    server.sends(QStringLiteral(":srv 474 yo #cerrada :Cannot join channel (+b)"));
    sync();
    EXPECT_EQ(viewFragments().last(), QStringLiteral("<font color=Silver> [yo ] No Puedes Entrar a la Sala,Has sido "
                                                     "Baneado.</font></b></u><br>"));
    VerMovimiento = false;
    const int before = int(viewFragments().size());
    server.sends(QStringLiteral(":srv 474 yo #cerrada :Cannot join channel (+b)"));
    sync();
    EXPECT_EQ(viewFragments().size(), before);
}

TEST_F(Dispatcher, OwnNickAndChatBoxFromTheirNumerics)
{
    server.sends(QStringLiteral(":srv 396 yo2 cloak.red :is now your displayed host"));
    server.sends(QStringLiteral(":srv 370 yo :fin del mensaje"));
    sync();
    EXPECT_EQ(MiNick, QStringLiteral("yo2"));
    EXPECT_EQ(irc->NickServidor, QStringLiteral("yo2"));
    EXPECT_EQ(irc->txtNick->text(), QStringLiteral("yo2"));
    EXPECT_EQ(irc->txtChatMsg->toPlainText(), QStringLiteral("yo :fin del mensaje"));
}

TEST_F(Dispatcher, AnInvitationOpensItsDialogOnlyWhenAccepted)
{
    server.sends(QStringLiteral(":ana!a@h INVITE yo :#fiesta"));
    sync();
    EXPECT_EQ(frmInvita::loadedInstance(), nullptr);
    Invitaciones = true;
    server.sends(QStringLiteral(":ana!a@h INVITE yo #fiesta"));
    sync();
    ASSERT_NE(frmInvita::loadedInstance(), nullptr);
    EXPECT_EQ(frmInvita::instance()->Text1->text(), QStringLiteral("fiesta"));
    EXPECT_TRUE(frmInvita::instance()->isVisible());
}

TEST_F(Dispatcher, LinesKeepBeingHandledWhileAMessageBoxIsOpen)
{
    dialogs.expectMsgBox(QStringLiteral("Error"), vbOKOnly, appTitle(), vbOK, [&] {
        // The box is open: the PING that follows must be answered now.
        EXPECT_TRUE(server.clientSent(QStringLiteral("PONG :durante")));
    });
    server.sendsRaw(":srv 401 yo x :No such nick\r\nPING :durante\r\n:srv 999 yo :despues\r\n");
    sync();
    dialogs.verify();
    const QStringList status = statusLines();
    EXPECT_EQ(status.last(), QStringLiteral("<srv> 999 yo :despues"));
}

TEST_F(Dispatcher, AnErrorEndsOneLineOnly)
{
    // No ":" after the "#": the room name cannot be cut out; the next line is handled.
    ExpectedError noColon("processCommand", errInvalidCall);
    server.sends(QStringLiteral(":ana!a@h PRIVMSG #sala hola"));
    server.sends(QStringLiteral(":srv 999 yo :sigue"));
    sync();
    EXPECT_EQ(statusLines().last(), QStringLiteral("<srv> 999 yo :sigue"));
}

TEST_F(Dispatcher, SendRefusesWhenNotConnectedAndAfterTheServerCloses)
{
    dialogs.expectMsgBox(QStringLiteral("Ha Ocurrido Un Error al intentar enviar el mensaje. \r\nEstas Desconectado!"),
                         vbInformation, QStringLiteral("Error"));
    server.closeClient();
    ASSERT_TRUE(QTest::qWaitFor([&] { return viewFragments().size() == 1; }));
    EXPECT_EQ(viewFragments().last(), QStringLiteral("<center><font color=silver><b>Has Desconectado el "
                                                     "Trovelin</b></font></center></font></b></u><br>"));
    EXPECT_TRUE(Conectado);
    irc->send(QStringLiteral("PRIVMSG #sala :hola"));
    dialogs.verify();

    // The disconnect button sends nothing on a closed socket.
    irc->cmdDisconnect_Click();
    EXPECT_EQ(dialogs.msgBoxCount(), 1);
}

TEST_F(Dispatcher, TheDisconnectButtonSendsTheFarewell)
{
    irc->cmdDisconnect_Click();
    ASSERT_TRUE(server.clientSent(QStringLiteral("QUIT :Vexlo-iRc-Trovelin [www.vexlo-team.example Bye :D ]")));
}

TEST_F(Dispatcher, ALineSplitAcrossReadsAndAReconnectAfterACutLine)
{
    server.sendsRaw(":srv 999 yo :pri");
    QTest::qWait(30);
    server.sendsRaw("mero\r\n:srv 998 yo :sin fin");
    ASSERT_TRUE(QTest::qWaitFor([&] { return statusLines().last().startsWith(QStringLiteral("<srv> 999")); }));
    EXPECT_EQ(statusLines().filter(QStringLiteral("<srv> 99")), QStringList{QStringLiteral("<srv> 999 yo :primero")});

    // The cut line dies with its connection: the next server's first line
    // is a line of its own, so its PING is answered.
    FakeServer next;
    irc->sockIRC->Close();
    PuertoIRC = next.port();
    irc->ConnectarChat();
    ASSERT_TRUE(next.waitForLines(3));
    next.sends(QStringLiteral("PING :primera"));
    ASSERT_TRUE(next.clientSent(QStringLiteral("PONG :primera")));
    EXPECT_EQ(statusLines().filter(QStringLiteral("sin fin")), QStringList());
}

TEST_F(Dispatcher, EachLineIsLoggedAsItCameAlsoWhenABoxWaits)
{
    dialogs.expectMsgBox(QStringLiteral("Error"), vbOKOnly, appTitle(), vbOK,
                         [&] { EXPECT_TRUE(server.clientSent(QStringLiteral("PONG :durante"))); });
    server.sendsRaw(":srv 401 yo x :No such nick\r\nPING :durante\r\n");
    sync();
    QStringList entries;
    for (const QString& e : frmServer::instance()->RichTextBox1->text().split(u'\n', Qt::SkipEmptyParts))
        if (!e.contains(QStringLiteral("sync")))
            entries << e.mid(9);  // past "HH:mm:ss "
    EXPECT_EQ(entries, (QStringList{QStringLiteral("PING :durante "), QStringLiteral(":srv 401 yo x :No such nick ")}));
}

TEST(Send, RefusesBeforeTheFirstConnection)
{
    ScriptedDialogs dialogs;
    Function::ResetState();
    frmIRC irc;
    dialogs.expectMsgBox(QStringLiteral("Ha Ocurrido Un Error al intentar enviar el mensaje. \r\nEstas Desconectado!"),
                         vbInformation, QStringLiteral("Error"));
    irc.send(QStringLiteral("JOIN #sala"));
    dialogs.verify();
}
