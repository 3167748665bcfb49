#include "core/UserList.h"

#include "platform/AppFiles.h"
#include "platform/Colors.h"
#include "platform/ListView.h"

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
