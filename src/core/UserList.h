#pragma once
// What the main window's user list and every room window's share: the
// four faces of their image list, the own nick's colour, and the clones a
// JOIN reports.
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QStringList>

namespace platform {
class ListView;
}

// SmallIcon 1 ordinary user, 2 ignored, 3 the own nick, 4 a nick that came
// with "@" or "+".
QList<QPixmap> userFaces();

// The own nick's entry: &HF4B795.
QColor ownNickColor();

// The nicks of the entries, in list order, whose host key (SubItems(1)) is
// hostKey and whose text is not nick: the clones a JOIN of nick reports.
// At most the first 10, so one shared host cannot flood the view.
QStringList clonesOf(const platform::ListView& list, const QString& nick, const QString& hostKey);
