#include "windows/frmOperador.h"

#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/Errors.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/ListView.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace platform;
using namespace Function;

frmOperador::frmOperador()
{
    setObjectName(QStringLiteral("frmOperador"));
    setCaption(QStringLiteral("Moderador"));
    fixedTwipsWindow(this, 3975, 4200);
    SkinLabel1 = placed(new QLabel(QStringLiteral("Usuario:"), this), "SkinLabel1", twipsRect(120, 240, 1095, 255));
    Text1 = placed(new QLineEdit(this), "Text1", twipsRect(1200, 210, 2655, 285));

    Frame1 = placed(new QGroupBox(QStringLiteral("Operadores"), this), "Frame1", twipsRect(120, 600, 1815, 2415));
    Command4 =
        placed(new QPushButton(QStringLiteral("Operadores"), Frame1), "Command4", twipsRect(120, 360, 1575, 255));
    List1 = placed(new ListBox(Frame1), "List1", twipsRect(120, 720, 1575, 1230));
    Command1 = placed(new QPushButton(QStringLiteral("Remover"), Frame1), "Command1", twipsRect(120, 2040, 1575, 255));
    Frame2 = placed(new QGroupBox(QStringLiteral("Baneados"), this), "Frame2", twipsRect(2040, 600, 1815, 2415));
    Command5 = placed(new QPushButton(QStringLiteral("Banear"), Frame2), "Command5", twipsRect(120, 360, 1575, 255));
    List2 = placed(new ListBox(Frame2), "List2", twipsRect(120, 720, 1575, 1230));
    Command2 = placed(new QPushButton(QStringLiteral("Remover"), Frame2), "Command2", twipsRect(120, 2040, 1575, 255));

    SkinLabel2 = placed(new QLabel(QStringLiteral("Invitar a :"), this), "SkinLabel2", twipsRect(120, 3120, 855, 255));
    Text2 = placed(new QLineEdit(this), "Text2", twipsRect(1080, 3120, 2775, 285));
    SkinLabel3 = placed(new QLabel(QStringLiteral("Canal"), this), "SkinLabel3", twipsRect(120, 3480, 735, 255));
    Combo1 = placed(new QComboBox(this), "Combo1", twipsRect(1080, 3480, 2775, 315));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Command3 = placed(new QPushButton(QStringLiteral("Invitar"), this), "Command3", twipsRect(120, 3840, 3735, 255));

    on(Command1, &QPushButton::clicked, this, "Command1_Click", [this] { Command1_Click(); });
    on(Command2, &QPushButton::clicked, this, "Command2_Click", [this] { Command2_Click(); });
    on(Command3, &QPushButton::clicked, this, "Command3_Click", [this] { Command3_Click(); });
    on(Command4, &QPushButton::clicked, this, "Command4_Click", [this] { Command4_Click(); });
    on(Command5, &QPushButton::clicked, this, "Command5_Click", [this] { Command5_Click(); });
    on(List1, &ListBox::itemClicked, this, "List1_Click", [this] { List1_Click(); });
    on(List2, &ListBox::itemClicked, this, "List2_Click", [this] { List2_Click(); });
    on(Text1, &QLineEdit::textChanged, this, "Text1_Change", [this] { Text1_Change(); });
}

void frmOperador::Form_Load()
{
    // The room list as it stands now; rooms listed later come with the next load.
    resumeNext("frmOperador rooms", [this] {
        const frmIRC* irc = frmIRC::instance();
        for (int i = 0; i < irc->ListView2->count(); ++i) {
            // Invitations name the room as the server sent it; the row's
            // shown text has been rewritten for reading.
            const QString room = irc->listedRoom(i);
            Combo1->addItem(room.startsWith(u'#') ? room.mid(1) : room, room);
        }
        Combo1->setCurrentIndex(-1);
    });
}

void frmOperador::Command4_Click()
{
    List1->addItem(Text1->text());
    frmIRC::instance()->send(QStringLiteral("MODE ") + CanalActual + QStringLiteral(" +oooo ") + Text1->text());
}

void frmOperador::Command5_Click()
{
    List2->addItem(Text1->text());
    frmIRC::instance()->send(QStringLiteral("MODE ") + CanalActual + QStringLiteral(" +bbbb ") + Text1->text());
}

void frmOperador::Command1_Click() { remove(0, List1, QStringLiteral(" -oooo ")); }

void frmOperador::Command2_Click() { remove(1, List2, QStringLiteral(" -bbbb ")); }

void frmOperador::remove(int slot, ListBox* list, const QString& mode)
{
    // Only the entry the user chose, while it is still there: a stale choice
    // would take rights from another nick, or from nobody.
    const int chosen = IndiceElegido[slot];
    if (chosen < 0 || chosen >= list->count() || list->item(chosen) != NickElegido[slot])
        return;
    frmIRC::instance()->send(QStringLiteral("MODE ") + CanalActual + mode + NickElegido[slot]);
    list->removeItem(chosen);
    list->setListIndex(-1);
    IndiceElegido[slot] = -1;
    NickElegido[slot].clear();
}

void frmOperador::Command3_Click()
{
    // A listed room, picked or typed as the box shows it, goes as the server
    // named it; any other text is a room name without its "#".
    const QString typed = Combo1->currentText();
    int listed = Combo1->currentIndex();
    if (listed < 0 || Combo1->itemText(listed) != typed)
        listed = Combo1->findText(typed, Qt::MatchFixedString);  // room names know no case
    const QString room = listed >= 0 ? Combo1->itemData(listed).toString() : u'#' + typed;
    frmIRC::instance()->send(QStringLiteral("INVITE ") + Text2->text() + u' ' + room);
}

void frmOperador::List1_Click() { choose(0, List1); }

void frmOperador::List2_Click() { choose(1, List2); }

void frmOperador::choose(int slot, ListBox* list)
{
    IndiceElegido[slot] = qint16(list->listIndex());
    NickElegido[slot] = list->selectedText();
}

void frmOperador::Text1_Change() { Text2->setText(Text1->text()); }
