#pragma once
// What the main window's user list and every room window's share: the
// four faces of their image list, the own nick's colour, the clones a JOIN
// reports, the ignore marks, and what both nick menus do with the nick
// chosen last (NickSeleccionado).
#include <QColor>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <Qt>

class QAction;
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

// The entry at position marked ignored (the sad face, silver) or no longer
// ignored (the smiling face, black, whatever face it had).
void markIgnored(platform::ListView& list, int position, bool ignored);

// --- The nick menus ---------------------------------------------------------------
// A mouse button released over a user list: the selected entry's nick
// becomes the chosen one. True when the right button asks for the menu.
// With no entry selected nothing is chosen: no menu for a stale nick.
bool chooseNick(const platform::ListView& list, Qt::MouseButton button);
// "Ignorar a: " and nick, or "Designorar a: " and nick when it is ignored.
QString ignoreCaption(const QString& nick);
// The ignore item: ignores the chosen nick when its caption offers that,
// else unignores it; then the caption offers the other.
void ignoreItemClicked(QAction& mignore);
// What a mention of nick adds to an input box: red " (]", the nick in
// orange between blanks, red "[)", then black and a blank.
QString mentionOf(const QString& nick);
// The chosen nick to the clipboard; then no nick is chosen.
void copyChosenNick();
// Asks for a nick and opens a private window with it.
void privateWithTypedNick();
