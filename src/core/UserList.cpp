#include "core/UserList.h"

#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/AppFiles.h"
#include "platform/Colors.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/ListView.h"
#include "platform/Text.h"

#include <QAction>

using namespace Function;

QList<QPixmap> userFaces()
{
    QList<QPixmap> faces;
    for (int i = 1; i <= 4; ++i)
        faces << QPixmap(platform::FilesPath(QStringLiteral("Pictures/ui/user%1.png").arg(i)));
    return faces;
}

QColor ownNickColor() { return platform::vbColor(0xF4B795); }

QStringList clonesOf(const platform::ListView& list, const QString& nick, const QString& hostKey)
{
    constexpr int kMaxClones = 10;
    QStringList clones;
    // Asking for no more matches than can be needed keeps a JOIN's cost
    // bounded however many entries share the host key.
    const int limit = kMaxClones + int(list.findAll(nick).size());
    for (const int pos : list.findBySubItem1(hostKey, limit)) {
        const QString other = list.text(pos);
        if (other == nick)
            continue;
        clones << other;
        if (clones.size() == kMaxClones)
            break;
    }
    return clones;
}

void markIgnored(platform::ListView& list, int position, bool ignored)
{
    list.setSmallIcon(position, ignored ? 2 : 1);
    list.setForeColor(position, platform::vbColor(ignored ? 0xC0C0C0 : 0));
}

bool chooseNick(const platform::ListView& list, Qt::MouseButton button)
{
    const int selected = list.selectedPosition();
    if (selected < 0)
        return false;
    NickSeleccionado = list.text(selected);
    return button == Qt::RightButton && !NickSeleccionado.isEmpty();
}

QString ignoreCaption(const QString& nick)
{
    return (EstaIgnorado(nick) ? QStringLiteral("Designorar a: ") : QStringLiteral("Ignorar a: ")) + nick;
}

void ignoreItemClicked(QAction& mignore)
{
    const QString offer = QStringLiteral("Ignorar a: ") + NickSeleccionado;
    const bool ignore = mignore.text() == offer;
    Ignorar(NickSeleccionado, ignore ? QStringLiteral("+") : QStringLiteral("-"));
    mignore.setText(ignore ? QStringLiteral("Designorar a: ") + NickSeleccionado : offer);
}

QString mentionOf(const QString& nick)
{
    using platform::Chr;
    return Chr(3) + QStringLiteral("04 (]") + Chr(3) + QStringLiteral("07 ") + nick + u' ' + Chr(3) +
           QStringLiteral("04[)") + Chr(3) + QStringLiteral("01 ");
}

void copyChosenNick()
{
    platform::desktop().setClipboardText(NickSeleccionado);
    NickSeleccionado.clear();
}

void privateWithTypedNick()
{
    const QString nick =
        platform::dialogs().inputBox(QStringLiteral("Introduce Nick con quien quieres comunicarte."), QString(), QString());
    if (!nick.isEmpty())
        frmIRC::instance()->Abre_Privado(nick);
}
