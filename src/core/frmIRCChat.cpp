// The main window's chat: what the user types (the chat box posts into the
// main room, the private box sends to the nick chosen in the list; every
// window posts through RoomMsg and SendMsg), and the two views every line
// may be written to (the main chat view and the status box).
#include "core/ChatView.h"
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/HtmlView.h"
#include "platform/ListView.h"
#include "platform/LogBox.h"
#include "platform/Text.h"
#include "windows/frmAdornos.h"
#include "windows/frmRoom.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace platform;
using namespace Function;

void frmIRC::RoomMsg(QString& text, const QString& room)
{
    const QString target = room.isEmpty() ? CanalActual : room;
    frmAdornos* adornos = frmAdornos::instance();
    const QString f15 = Chr(15);
    text = FormatoTexto[4] + adornos->AdornoI->text() + f15 + f15 + FormatoTexto[0] + FormatoTexto[1] +
           FormatoTexto[2] + FormatoTexto[3] + text + f15 + f15 + FormatoTexto[5] + adornos->AdornoD->text() + f15;
    send(QStringLiteral("PRIVMSG ") + target + QStringLiteral(" :") + Trim(text));

    const QString echo = QStringLiteral("<font color=Navy><b> ") + MiNick + QStringLiteral(" </font> : </b>") + text;
    if (target == CanalActual)
        New_msg(echo);
    else if (frmRoom* w = VentanasSala.first(frmRoom::captionFor(Mid(target, 2))))
        w->New_msg(echo);
}

void frmIRC::SendMsg(const QString& text, const QString& nick)
{
    const QString t = Trim(text);
    const QString n = Trim(nick);
    if (t.isEmpty() || n.isEmpty())
        return;
    if (PrivadosEnChat)
        New_msg(Chr(3) + QStringLiteral("0,17 ") + Chr(3) + QStringLiteral("01 Mensaje privado para  [ ") + Chr(3) +
                QStringLiteral("12 ") + n + QStringLiteral("  ]  ") + Chr(3) + QStringLiteral("01 : ") + Chr(3) +
                QStringLiteral("04") + t);
    send(QStringLiteral("PRIVMSG ") + n + QStringLiteral(" : ") + t);
}

void frmIRC::cmdChat_Click()
{
    if (!Conectado)
        return;
    QString text = txtChatMsg->toPlainText();
    if (mcolors->text() == QStringLiteral("Colores Normales"))
        Arcoiris(text);
    RoomMsg(text, CanalActual);
    txtChatMsg->clear();
    txtChatMsg->setFocus();
    frmAdornos* adornos = frmAdornos::instance();
    AdornoIzquierdo = adornos->AdornoI->text();
    AdornoDerecho = adornos->AdornoD->text();
    GuardaDatos();
}

void frmIRC::cmdPriv_Click()
{
    SendMsg(txtPrivMsg->toPlainText(), lstUsers->selectedText());
    txtPrivMsg->clear();
    txtPrivMsg->setFocus();
}

void frmIRC::txtNick_Change() { TxtPass->clear(); }

void frmIRC::New_msg(QString tmstr) { writeChatLine(*DHTMLEdit1, std::move(tmstr)); }

void frmIRC::display(const QString& msg)
{
    txtStatus->append(msg + QStringLiteral("\r\n"));
    txtStatus->scrollToEnd();
}
