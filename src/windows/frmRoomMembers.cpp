// The room window's public operations: what it does when the rest of the
// program reports a change in the room's membership, hands it a line to
// show, or marks a user ignored. None talks to the server. Names go into
// the status lines escaped, as received text does.
#include "core/ChatView.h"
#include "core/Function.h"
#include "core/UserList.h"
#include "platform/ListView.h"
#include "platform/Text.h"
#include "windows/frmRoom.h"

#include <QLineEdit>

using namespace platform;
using namespace Function;

void frmRoom::New_msg(QString tmstr) { writeChatLine(*DHTMLEdit1, std::move(tmstr)); }

void frmRoom::statusLine(const QString& html) { New_msg(QStringLiteral("<font color=Silver>") + html); }

void frmRoom::refreshCount() { Text1->setText(QString::number(ListView1->count())); }

int frmRoom::addEntry(const QString& nick, int icon, const QString& host)
{
    const int pos = ListView1->add(nick, icon);
    ListView1->setSubItem(pos, 1, host);
    return pos;
}

QString frmRoom::nickclean(QString msg)
{
    TeniaPrefijo = msg.startsWith(u'@') || msg.startsWith(u'+');
    return TeniaPrefijo ? msg.mid(1) : msg;
}

void frmRoom::NickComming(QString& Entrantes)
{
    Entrantes = Mid(Entrantes, InStr(Entrantes, QStringLiteral(":")) + 1);
    for (const QString& piece : Entrantes.split(u' ')) {
        if (piece.isEmpty())
            break;
        const QString n = nickclean(piece);
        // A second names list of the room must not double every user.
        if (ListView1->find(n) >= 0)
            continue;
        const bool ignored = EstaIgnorado(n);
        const int icon = ignored ? 2 : TeniaPrefijo ? 4 : n == MiNick ? 3 : 1;
        const int pos = ListView1->add(n, icon);
        if (n == MiNick)
            ListView1->setForeColor(pos, ownNickColor());
    }
    refreshCount();
}

void frmRoom::NickJoin(const QString& LLega, const QString& IpEntrante)
{
    const QString n = nickclean(LLega);
    if (ListView1->find(n) < 0) {
        const int icon = EstaIgnorado(LLega) ? 2 : TeniaPrefijo ? 4 : n == MiNick ? 3 : 1;
        addEntry(n, icon, IpEntrante);
    }
    if (VerMovimiento)
        statusLine(QStringLiteral(" [") + TextoHTML(n) + QStringLiteral(" ] a Entrado a ") + TextoHTML(roomName()) + u'.');
    refreshCount();
    for (const QString& other : clonesOf(*ListView1, n, IpEntrante))
        statusLine(QStringLiteral(" Clones [") + TextoHTML(LLega) + QStringLiteral(" | ") + TextoHTML(other) +
                   QStringLiteral(" ]"));
}

void frmRoom::nickexpulsado(const QString& Entrante, const QString& Saliente, const QString& salede)
{
    const int i = ListView1->find(Saliente);
    if (i >= 0) {
        ListView1->remove(i);
        if (VerMovimiento)
            statusLine(QStringLiteral(" [ ") + TextoHTML(Entrante) + QStringLiteral(" ] a  Expulsado a  [ ") +
                       TextoHTML(Saliente) + QStringLiteral(" ] en ") + TextoHTML(salede));
    }
    refreshCount();
}

// The own nick's change was saved by the main window's own handling of the
// line, which also emptied its password box on the way: saving again here
// would store that empty password, once per room window.
void frmRoom::NickChange(const QString& viejo, const QString& nuevo, const QString& servidor, const QString& host)
{
    const int i = ListView1->find(viejo);
    if (i >= 0) {
        const int icon = EstaIgnorado(nuevo) ? 2 : (viejo == MiNick || nuevo == servidor) ? 3 : 1;
        ListView1->remove(i);
        const int pos = addEntry(nuevo, icon, host);
        if (nuevo == MiNick)
            ListView1->setForeColor(pos, ownNickColor());
        if (VerMovimiento)
            statusLine(QStringLiteral(" [") + TextoHTML(viejo) + QStringLiteral(" ] a Cambiado su Nick por [ ") +
                       TextoHTML(nuevo) + QStringLiteral(" ]."));
    }
    refreshCount();
}

void frmRoom::NickClose(QString Saliente, QString qMensaje)
{
    const int i = ListView1->find(Saliente);
    if (i >= 0) {
        ListView1->remove(i);
        if (VerMovimiento)
            statusLine(QStringLiteral(" [ ") + TextoHTML(Saliente) + QStringLiteral(" ] a cerrado su Cliente [ ") +
                       TextoHTML(qMensaje) + QStringLiteral(" ] "));
    }
    refreshCount();
}

void frmRoom::NickPart(const QString& Saliente, const QString& qMensaje)
{
    const int i = ListView1->find(Saliente);
    if (i >= 0) {
        ListView1->remove(i);
        if (VerMovimiento)
            statusLine(QStringLiteral(" [") + TextoHTML(Saliente) + QStringLiteral(" ] a Salido de ") + TextoHTML(qMensaje) +
                       u'.');
    }
    refreshCount();
}

void frmRoom::ignora(const QString& nick, const QString& op)
{
    const int i = ListView1->find(nick);
    if (i >= 0 && (op == u"+" || op == u"-"))
        markIgnored(*ListView1, i, op == u"+");
}
