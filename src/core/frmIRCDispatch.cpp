// The dispatcher of received lines: PING, the line split, the shared values
// of a line, and every command and numeric the client acts on.
#include "core/Function.h"
#include "core/ReceivedLine.h"
#include "core/UserList.h"
#include "core/frmIRC.h"
#include "platform/Dialogs.h"
#include "platform/ListView.h"
#include "platform/Text.h"
#include "windows/frmContestador.h"
#include "windows/frmInvita.h"
#include "windows/frmRoom.h"
#include "windows/frmWhois.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace platform;
using namespace Function;

namespace {

// The main room M: CanalActual without its "#".
QString mainRoom() { return Mid(CanalActual, 2); }

// The word at 1-based position p up to the next blank.
QString wordAt(const QString& line, int p)
{
    const int blank = InStr(p, line, QStringLiteral(" "));
    return blank == 0 ? Mid(line, p) : Mid(line, p, blank - p);
}

// 1-based position of the command word when it is PING, else 0.
int pingPosition(const QString& line)
{
    if (line.startsWith(u':')) {
        const int b = InStr(line, QStringLiteral(" "));
        return b > 0 && wordAt(line, b + 1) == u"PING" ? b + 1 : 0;
    }
    return wordAt(line, 1) == u"PING" ? 1 : 0;
}

}  // namespace

QString frmIRC::processParam(QString& msg)
{
    msg = TextoHTML(msg);
    if (msg.startsWith(u':'))
        return msg.mid(1);
    const qsizetype blank = msg.indexOf(u' ');
    if (blank >= 1)
        return msg.left(blank);
    return msg;
}

QString frmIRC::processRest(const QString& msg)
{
    if (msg.startsWith(u':'))
        return QString();
    const qsizetype blank = msg.indexOf(u' ');
    return blank < 0 ? QString() : msg.mid(blank + 1);
}

QString frmIRC::IdentificaChannel(QString nDatos)
{
    const int h = InStr(nDatos, QStringLiteral("#"));
    const int k = InStr(nDatos, QStringLiteral(":"));
    return Mid(nDatos, h + 1, k - h - 2);
}

QString frmIRC::QuikChannel(QString nDatos)
{
    const int h = InStr(nDatos, QStringLiteral("#"));
    const int s = InStr(nDatos, QStringLiteral(" "));
    return Mid(nDatos, h + 1, s - h - 1);
}

void frmIRC::CleanWhois()
{
    Whois.Nombre.clear();
    Whois.Canales.clear();
    Whois.Servidor.clear();
    Whois.Campo7.clear();
}

void frmIRC::processCommand()
{
    const QString line = BufferIRC;

    // PING, with or without a prefix.
    if (const int p = pingPosition(line)) {
        send(QStringLiteral("PONG ") + Mid(line, p + 5));
        display(QStringLiteral("PING? PONG!"));
    }
    ReceivedLine l = splitLine(line);
    if (!l.prefixed)
        return;
    const QString& command = l.command;
    if (!l.hasCommand) {
        display(u'<' + l.sender + QStringLiteral("> ") + l.body);
        return;
    }

    if (command == u"NOTICE" || command == u"MODE" || command == u"TOPIC" || command == u"331")
        return;
    if (command == u"PRIVMSG")
        return privmsgLine(l);
    if (command == u"JOIN")
        return joinLine(l);
    if (command == u"KICK")
        return kickLine(l);
    if (command == u"QUIT")
        return quitLine(l);
    if (command == u"NICK")
        return nickLine(l);
    if (command == u"PART")
        return partLine(l);
    if (command == u"353")
        return namesLine(l);
    if (command == u"INVITE") {
        if (Invitaciones) {
            QString rest = processRest(l.parameters);
            frmInvita::instance()->Text1->setText(Mid(processParam(rest), 2));
            frmInvita::instance()->Show();
        }
        return;
    }
    if (command == u"311" || command == u"312" || command == u"318" || command == u"319" ||
        command == u"378")
        return whoisReply(command, l.parameters);
    if (command == u"322") {
        AgregaSala(322, MiNick, l.body);
        return;
    }
    if (command == u"370") {
        txtChatMsg->setPlainText(l.parameters);
        return;
    }
    if (command == u"376") {
        display(u'<' + l.sender + QStringLiteral("> ") + l.body);
        send(QStringLiteral("JOIN ") + CanalActual);
        return;
    }
    if (command == u"396") {
        MiNick = processParam(l.parameters);
        NickServidor = MiNick;
        txtNick->setText(MiNick);
        return;
    }
    if (command == u"401") {
        MsgBox(QStringLiteral("Error"), vbOKOnly, appTitle());
        return;
    }
    if (command == u"431")
        return nickFailure(QStringLiteral("<!> Failed changing nickname (You have to supply a nickname)"));
    if (command == u"432")
        return nickFailure(QStringLiteral("<!> Failed changing nickname (The nickname you entered is not valid)"));
    if (command == u"433")
        return nickFailure(QStringLiteral("<!> Failed changing nickname (The nickname is allready in use)"));
    if (command == u"465") {
        MsgBox(Mid(l.body, InStr(l.body, QStringLiteral(":")) + 1), vbCritical,
               QStringLiteral("Mensaje de ") + ServidorIRC);
        return;
    }
    if (command == u"474") {
        if (VerMovimiento)
            New_msg(QStringLiteral("<font color=Silver> [") + processParam(l.parameters) +
                    QStringLiteral(" ] No Puedes Entrar a la Sala,Has sido Baneado."));
        return;
    }
    if (command == u"482") {
        MsgBox(QStringLiteral("No puedes ejecutar comandos de Operador, no tienes o no estas autorizado a ese nivel."),
               vbInformation, QStringLiteral("Mensaje de Cliente"));
        return;
    }
    display(u'<' + l.sender + QStringLiteral("> ") + l.body);
}

void frmIRC::whoisReply(const QString& command, QString& parameters)
{
    const QString t = processRest(parameters);
    if (command == u"311") {
        const int s = InStr(t, QStringLiteral(" "));
        const int a = InStr(t, QStringLiteral(":"));
        const int r = InStr(t, QStringLiteral("*"));
        Whois.Nick = Left(t, s);
        Whois.Host = Mid(t, s, r - s);
        Whois.Nombre = Mid(t, a + 1);
    } else if (command == u"312") {
        Whois.Servidor = Mid(t, InStr(t, QStringLiteral(":")) + 1);
    } else if (command == u"319") {
        QString canales = Mid(t, InStr(t, QStringLiteral(":")) + 1);
        canales.remove(u'#').remove(u'@').remove(u'+');
        Whois.Canales = canales.replace(u' ', QLatin1String(" | "));
    } else if (command == u"378") {
        Whois.Host = t;
    } else {  // 318: the end of the reply
        frmWhois* w = frmWhois::instance();
        w->Text1->setText(Whois.Nombre);
        w->Text2->setText(Whois.Canales);
        w->Text3->setText(Whois.Servidor);
        w->Text4->setText(Trim(Whois.Host));
        w->setCaption(QStringLiteral("Quien es ") + Whois.Nick);
        w->Show();
        CleanWhois();
    }
}

void frmIRC::nickFailure(const QString& text)
{
    NickFallido = MiNick;
    MiNick = NickAnterior;
    display(text);
    txtNick->setText(MiNick);
    MsgBox(QStringLiteral("Ha ocurido un error al tratar de conectar el nick ") + NickFallido +
               QStringLiteral(" Su nick a Sido replazado por ") + NickAnterior,
           vbInformation, QStringLiteral("Error de Nick"));
    // A refused fallback is not offered again: the server would refuse it
    // again, one box after another.
    if (NickFallido != NickAnterior)
        cmdNick_Click();
}

void frmIRC::removeUser(int position)
{
    lstUsers->removeItem(position);
    ListView1->remove(position);
}

void frmIRC::refreshCount()
{
    TxtUsala->setText(QString::number(ListView1->count()));
}

void frmIRC::clearUsers()
{
    lstUsers->clear();
    ListView1->clear();
    refreshCount();
}

// --- Main room events and the user list -----------------------------------------------
// Parameters are escaped in place by processParam, for the calls that follow.

void frmIRC::privmsgLine(ReceivedLine& l)
{
    const QString nick = TextoHTML(l.sender);
    const QString target = processParam(l.parameters);
    QString rest = processRest(l.parameters);
    const QString text = processParam(rest);
    if (target != MiNick) {
        if (EstaIgnorado(l.sender))
            return;
        const QString r = IdentificaChannel(l.body);
        const QString head = QStringLiteral("<b> ") + nick + QStringLiteral(" :</B>  ");
        if (LCase(r) == mainRoom()) {
            New_msg(head + text);
            if (AntiFlood)
                ControlFlood(text, l.sender);
        } else {
            MsgComming(r, head, text);
        }
        return;
    }
    if (PrivadosEnVentanas) {
        MsgPrvComming(l.sender, text);
        return;
    }
    if (PrivadosEnChat)
        New_msg(Chr(3) + QStringLiteral("0,17 ") + Chr(3) + QStringLiteral("01 [ ") + Chr(3) +
                QStringLiteral("12") + nick + u' ' + Chr(3) +
                QStringLiteral("01 ] Te Comenta Por Privado :  ") + Chr(3) + QStringLiteral("04 ") + text);
    if (PublicarPrivados) {
        QString repost = u'[' + l.sender + QStringLiteral(" ] Te Comenta Por Privado :  ") + text;
        RoomMsg(repost, CanalActual);
    }
    if (frmContestador* answer = frmContestador::instance(); answer->Check1->isChecked())
        answer->contesta(l.sender, text);
}

void frmIRC::joinLine(ReceivedLine& l)
{
    const QString M = mainRoom();
    const QString& sender = l.sender;
    if (LCase(l.lineChannel) != M) {
        // The joining user is not added to a new window: the names list
        // that follows fills it.
        frmRoom* w = VentanasSala.first(frmRoom::captionFor(l.lineChannel));
        if (!w) {
            newRoomWindow(l.lineChannel);
            return;
        }
        // Rejoining (after a kick, say) starts the list afresh: the names
        // list that follows would otherwise find every user there already.
        if (sender == MiNick)
            w->ListView1->clear();
        w->NickJoin(sender, l.hostKey);
        return;
    }
    const QString nick = TextoHTML(sender);
    if (sender == MiNick) {
        Picture6->hide();
        Picture5->show();
    }
    int icon = sender == MiNick ? 3 : 1;
    if (EstaIgnorado(sender))
        icon = 2;
    if (ListView1->find(sender) < 0) {
        lstUsers->addItem(sender);
        const int pos = ListView1->add(sender, icon);
        ListView1->setSubItem(pos, 1, l.hostKey);
        if (sender == MiNick)
            ListView1->setForeColor(pos, ownNickColor());
    }
    if (VerMovimiento)
        New_msg(QStringLiteral("<font color=Silver> [") + nick + QStringLiteral(" ] a Entrado a ") + M + u'.');
    refreshCount();
    for (const QString& other : clonesOf(*ListView1, sender, l.hostKey))
        New_msg(QStringLiteral("<font color=Silver> Clones [") + nick + QStringLiteral(" | ") + TextoHTML(other) +
                QStringLiteral(" ]"));
}

void frmIRC::kickLine(ReceivedLine& l)
{
    const QString M = mainRoom();
    const QString c = QuikChannel(l.parameters);
    QString rest = processRest(l.parameters);
    const QString kicked = processParam(rest);
    if (LCase(c) != M) {
        if (frmRoom* w = VentanasSala.first(frmRoom::captionFor(c)))
            w->nickexpulsado(l.sender, kicked, c);
        return;
    }
    if (VerMovimiento)
        New_msg(QStringLiteral("<font color=Silver> [ ") + TextoHTML(l.sender) + QStringLiteral(" ] a  Expulsado a  [ ") +
                kicked + QStringLiteral(" ] en ") + M);
    const int pos = ListView1->find(kicked);
    if (pos >= 0)
        removeUser(pos);
    refreshCount();
}

void frmIRC::quitLine(ReceivedLine& l)
{
    const QString quitText = processParam(l.parameters);
    const QList<int> entries = ListView1->findAll(l.sender);
    if (VerMovimiento)
        for (qsizetype i = 0; i < entries.size(); ++i)
            New_msg(QStringLiteral("<font color=Silver> [ ") + TextoHTML(l.sender) +
                    QStringLiteral(" ] a cerrado su Cliente [ ") + quitText + QStringLiteral(" ] "));
    if (!entries.isEmpty())
        removeUser(entries.first());
    refreshCount();
    for (frmRoom* w : VentanasSala.open())
        w->NickClose(l.sender, quitText);
}

void frmIRC::nickLine(ReceivedLine& l)
{
    const QString& sender = l.sender;
    const QString newNick = processParam(l.parameters);
    if (sender == MiNick) {
        NickGuardado = txtNick->text();
        PassGuardado = TxtPass->text();
        txtNick->setText(newNick);
        GuardaDatos();
    }
    const int p = ListView1->find(sender);
    if (p >= 0) {
        int icon = (NickServidor == newNick || sender == MiNick) ? 3 : 1;
        lstUsers->removeItem(p);
        lstUsers->addItem(newNick);
        if (EstaIgnorado(newNick))
            icon = 2;
        ListView1->remove(p);
        const int pos = ListView1->add(newNick, icon);
        ListView1->setSubItem(pos, 1, l.hostKey);
        if (VerMovimiento)
            New_msg(QStringLiteral("<font color=Silver> [") + TextoHTML(sender) +
                    QStringLiteral(" ] a Cambiado su Nick por [ ") + newNick + QStringLiteral(" ]."));
        if (newNick == MiNick)
            ListView1->setForeColor(pos, ownNickColor());
    }
    refreshCount();
    for (frmRoom* w : VentanasSala.open())
        w->NickChange(sender, newNick, NickServidor, l.hostKey);
}

void frmIRC::partLine(ReceivedLine& l)
{
    const QString roomName = Mid(processParam(l.parameters), 2);
    if (LCase(l.lineChannel) != mainRoom()) {
        if (frmRoom* w = VentanasSala.first(frmRoom::captionFor(l.lineChannel)))
            w->NickPart(l.sender, roomName);
        return;
    }
    if (VerMovimiento)
        New_msg(QStringLiteral("<font color=Silver> [") + TextoHTML(l.sender) + QStringLiteral(" ] a Salido de ") +
                roomName + u'.');
    const int pos = ListView1->find(l.sender);
    if (pos >= 0)
        removeUser(pos);
    refreshCount();
}

void frmIRC::namesLine(ReceivedLine& l)
{
    const QString r = IdentificaChannel(l.body);
    if (LCase(r) != mainRoom()) {
        NickComming(r, l.body);
        return;
    }
    display(u'<' + l.sender + QStringLiteral("> ") + l.body);
    QString list = processRest(processRest(processRest(l.parameters)));
    list = processParam(list);
    // Each name is taken from the front as processParam and processRest
    // take it (the list is escaped once, here), without copying the rest:
    // a list of 60,000 names costs no more than 60,000 names in small lists.
    const Filling<ListView> fillingList(ListView1);
    const Filling<ListBox> fillingTwin(lstUsers);
    for (QStringView names(list); !names.isEmpty();) {
        const qsizetype blank = names.startsWith(u':') ? -1 : names.indexOf(u' ');
        QString n = (names.startsWith(u':') ? names.sliced(1) : blank >= 1 ? names.first(blank) : names).toString();
        names = blank < 0 ? QStringView() : names.sliced(blank + 1);
        PrefijoNames = false;
        while (n.startsWith(u'+') || n.startsWith(u'@')) {
            n = Mid(n, 2);
            if (n == MiNick)
                EsOperador = true;
            PrefijoNames = true;
        }
        int icon = n == MiNick ? 3 : 1;
        if (PrefijoNames)
            icon = 4;
        if (ListView1->find(n) < 0) {
            lstUsers->addItem(n);
            ListView1->add(n, icon);
        }
    }
    refreshCount();
}
