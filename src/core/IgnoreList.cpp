// The module's ignore list and flood control. The module compares text
// without regard to letter case: the list, the own nick, the flood check
// and the main list's marks; each room window marks its own list by the
// exact nick.
#include "core/Function.h"
#include "core/UserList.h"
#include "core/frmIRC.h"
#include "platform/ListView.h"
#include "windows/frmRoom.h"

using namespace platform;

namespace Function {

namespace {

bool sameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

bool Ignorar(const QString& nick, const QString& op)
{
    if (sameText(nick, MiNick))
        return false;
    if (op == u"+") {
        if (ListaIgnorados.fill(nick) < 0)
            return false;
    } else if (op == u"-") {
        if (ListaIgnorados.release(nick) < 0)
            return false;
    } else {
        return false;
    }
    MarcaIgnorado(nick, op);
    return true;
}

bool EstaIgnorado(const QString& nick)
{
    return !nick.isEmpty() && !sameText(nick, MiNick) && ListaIgnorados.contains(nick);
}

void MarcaIgnorado(const QString& nick, const QString& op)
{
    if (op != u"+" && op != u"-")
        return;
    if (frmIRC* irc = frmIRC::loadedInstance()) {
        ListView& list = *irc->ListView1;
        for (int i = 0; i < list.count(); ++i)
            if (sameText(list.text(i), nick)) {
                markIgnored(list, i, op == u"+");
                break;
            }
    }
    for (frmRoom* w : VentanasSala.open())
        w->ignora(nick, op);
}

void ControlFlood(const QString& text, const QString& nick)
{
    UltimosMensajes[size_t(TurnoFlood)] = text;
    TurnoFlood = TurnoFlood == 0 ? 1 : 0;
    if (!sameText(UltimosMensajes[0], UltimosMensajes[1]))
        return;
    // Only a nick that really went into the list is announced: a full list
    // takes none, and saying otherwise would tell the room a lie.
    if (!Ignorar(nick, QStringLiteral("+")))
        return;
    QString notice = QStringLiteral("Usuario [ ") + nick + QStringLiteral(" ] has ignorado Por Hacer Flood");
    frmIRC::instance()->RoomMsg(notice);
}

}  // namespace Function
