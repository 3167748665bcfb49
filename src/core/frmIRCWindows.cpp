// The main window's routing of lines to the windows of further rooms and of
// private conversations, which VentanasSala and VentanasPrivado keep under
// their captions.
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"
#include "platform/Text.h"
#include "windows/frmPrivado.h"
#include "windows/frmRoom.h"

#include <QPointer>

using namespace platform;
using namespace Function;

void frmIRC::Abre_Privado(const QString& Whoto)
{
    if (Whoto.isEmpty())
        return;
    frmPrivado* w = VentanasPrivado.first(frmPrivado::captionFor(Whoto));
    if (!w) {
        w = new frmPrivado;
        VentanasPrivado.add(w);
        w->Load();
        w->setCaption(frmPrivado::captionFor(Whoto));
    }
    w->setWindowStateValue(vbNormal);
    w->Show();
}

void frmIRC::MsgPrvComming(const QString& Mensajero, const QString& iMensaje)
{
    const QString key = frmPrivado::captionFor(Mensajero);
    if (frmPrivado* found = VentanasPrivado.first(key)) {
        found->nuevomsg(Mensajero, iMensaje);
        return;
    }
    QPointer<frmPrivado> w = new frmPrivado;
    VentanasPrivado.add(w);
    w->Load();
    // The key from the start: a second line from this partner during the
    // alert, and a click on the alert, find this window. A line from the
    // own nick, which never names the window, finds it again too.
    w->setCaption(key);
    w->setWindowStateValue(AlertaPrivados ? vbMinimized : vbNormal);
    // The first line goes in before the alert, so that lines from this
    // partner during the alert come after it.
    w->nuevomsg(Mensajero, iMensaje);
    if (AlertaPrivados) {
        MuestraAlerta(iMensaje, key, QString());
        if (!w)
            return;  // closed while the alert was up
    }
    w->Show();
}

void frmIRC::MsgComming(const QString& EntraA, const QString& Mensajero, const QString& iMensaje)
{
    const QString s = Mensajero + iMensaje;
    for (frmRoom* w : VentanasSala.all(frmRoom::captionFor(EntraA)))
        w->New_msg(s);
}

QString frmIRC::nickclean(QString msg)
{
    PrefijoNick = msg.startsWith(u'@') || msg.startsWith(u'+');
    return PrefijoNick ? msg.mid(1) : msg;
}

void frmIRC::NickComming(const QString& EntraA, QString& Entrantes)
{
    Entrantes = Mid(Entrantes, InStr(Entrantes, QStringLiteral(":")) + 1);
    const QStringList tokens = Entrantes.split(u' ');
    for (frmRoom* w : VentanasSala.all(frmRoom::captionFor(EntraA))) {
        for (const QString& token : tokens) {
            const QString name = nickclean(token);
            if (name.isEmpty()) {
                // An empty name ends the whole list, here.
                w->refreshCount();
                return;
            }
            // A second names list of the room (a NAMES typed in the console)
            // must not double every user.
            if (w->ListView1->find(name) >= 0)
                continue;
            w->ListView1->add(name, PrefijoNick ? 4 : name == MiNick ? 3 : 1);
        }
        w->refreshCount();
    }
}

frmRoom* frmIRC::newRoomWindow(const QString& room)
{
    auto* w = new frmRoom;
    VentanasSala.add(w);
    w->Show();
    w->setCaption(frmRoom::captionFor(room));
    w->setWindowStateValue(vbNormal);
    return w;
}
