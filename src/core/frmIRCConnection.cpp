// The one connection to the chat server: connecting, registration, the
// received stream cut into lines, sending, the nick change, the raw command
// entry and disconnect.
#include "core/Function.h"
#include "core/Hosts.h"
#include "core/frmDialog.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/Errors.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/LogBox.h"
#include "platform/TcpClient.h"
#include "platform/Text.h"
#include "platform/WireText.h"
#include "windows/frmServer.h"

#include <QLineEdit>
#include <QDateTime>
#include <QTime>

using namespace platform;
using namespace Function;

namespace {

// The time of day as the log shows it; the local time is worked out once
// a second, since asking for it costs a look at the time zone each time.
QString timeOfDay()
{
    static qint64 lastSecond = -1;
    static QString text;
    const qint64 second = QDateTime::currentMSecsSinceEpoch() / 1000;
    if (second != lastSecond) {
        lastSecond = second;
        text = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    }
    return text;
}

}  // namespace

void frmIRC::ConnectarChat()
{
    try {
        lstUsers->clear();
        sockIRC->Connect(ServidorIRC, PuertoIRC);
    } catch (const RuntimeError&) {
        sockIRC->Close();
        MsgBox(QStringLiteral("Un Error Al Tratar De Conectar Al Server."), vbInformation, QStringLiteral("Error"));
        return;
    }
    txtNick->setText(MiNick);
    txtChannel->setText(CanalActual);
    TxtPass->setText(PassIRC);
    if (frmDialog* dialog = frmDialog::loadedInstance())
        dialog->Unload();
}

void frmIRC::sockIRC_Connect()
{
    Conectado = true;
    display(QStringLiteral("> Connected to server !"));
    send(QStringLiteral("PASS ") + PassIRC);
    send(QStringLiteral("NICK ") + MiNick);
    // The password goes in PASS only: in the USER line it would become the
    // user name the server shows to everyone.
    send(QStringLiteral("USER ") + MiNick + QStringLiteral("PASS ") + sockIRC->LocalIP() +
         QStringLiteral(" vexloteam2009 :Vexlo Team"));
}

void frmIRC::sockIRC_LineArrival(const QByteArray& line)
{
    BufferIRC = decodeLine(line);
    // Lines handled while this one waits (a message box) reuse BufferIRC.
    const QString text = BufferIRC;
    resumeNext("processCommand", [this] { processCommand(); });
    resumeNext("frmServer log", [&] {
        LogBox* log = frmServer::instance()->RichTextBox1;
        log->setSelColor(Qt::white);
        log->append(timeOfDay() + u' ' + text + QStringLiteral(" \r\n"));
    });
    BufferIRC.clear();
}

QString frmIRC::farewellText()
{
    return QStringLiteral("Vexlo-iRc-Trovelin [") + hosts::kSite + QStringLiteral(" Bye :D ]");
}

QString frmIRC::farewellLine() { return QStringLiteral("QUIT :") + farewellText(); }

QString frmIRC::disconnectedNotice()
{
    return QStringLiteral("<center><font color=silver><b>Has Desconectado el Trovelin</b></font></center>");
}

void frmIRC::sockIRC_Close() { New_msg(disconnectedNotice()); }

void frmIRC::sockIRC_Error() { New_msg(disconnectedNotice()); }

void frmIRC::send(const QString& msg)
{
    if (Conectado) {
        try {
            sockIRC->SendData(encodeLine(msg) + "\r\n");
            return;
        } catch (const RuntimeError&) {
        }
    }
    MsgBox(QStringLiteral("Ha Ocurrido Un Error al intentar enviar el mensaje. \r\nEstas Desconectado!"),
           vbInformation, QStringLiteral("Error"));
}

void frmIRC::cmdDisconnect_Click()
{
    if (sockIRC->State() == TcpClient::sckConnected)
        send(farewellLine());
}

void frmIRC::cmdNick_Click()
{
    if (!Conectado)
        return;
    NickAnterior = MiNick;
    display(QStringLiteral("<!> Changing nickname to ") + txtNick->text());
    MiNick = txtNick->text();
    // Without a password the nick goes alone: "NICK :nick:" would ask the
    // server for a nick that ends in ":", which it refuses.
    if (TxtPass->text().isEmpty())
        send(QStringLiteral("NICK ") + txtNick->text());
    else
        send(QStringLiteral("NICK :") + txtNick->text() + u':' + TxtPass->text());
    NickServidor = txtNick->text();
}

void frmIRC::txtStatus_DblClick()
{
    const QString c = Trim(InputBox(QStringLiteral("Please enter a command (eg. PRIVMSG Bot :Hello bot)\r\n\r\nCommand:"),
                                    QStringLiteral("Custom command")));
    if (c.isEmpty())
        return;
    // A command is known by its first four letters: "Quitar" is a QUIT.
    const QString word = UCase(Left(c, 4));
    QString rest = processRest(c);
    if (word == u"JOIN") {
        send(QStringLiteral("PART ") + CanalActual);
        clearUsers();
        const QString room = processParam(rest);
        send(QStringLiteral("JOIN ") + room);
        // In lower case, as every other way to a new main room: the
        // dispatcher knows the main room's lines by the lower-cased name.
        CanalActual = LCase(room);
        txtChannel->setText(CanalActual);
    } else if (word == u"PART") {
        clearUsers();
        send(QStringLiteral("PART ") + CanalActual);
        CanalActual.clear();
        txtChannel->clear();
    } else if (word == u"NICK") {
        txtNick->setText(processParam(rest));
        cmdNick_Click();
    } else if (word == u"QUIT") {
        display(QStringLiteral(
            "<!> QUIT message canceled! Please click the X button in the bottom right corner of the window!"));
    } else {
        send(c);
    }
}
