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

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setAutoDefault(false);
    return b;
}

ListBox* listBox(QWidget* parent, const char* name, const QRect& place)
{
    auto* l = new ListBox(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    return l;
}

QLineEdit* box(QWidget* parent, const char* name, const QRect& place)
{
    auto* b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    return b;
}

QLabel* label(QWidget* parent, const QString& caption, const QRect& place)
{
    auto* l = new QLabel(caption, parent);
    l->setGeometry(place);
    return l;
}

}  // namespace

frmOperador::frmOperador()
{
    setObjectName(QStringLiteral("frmOperador"));
    setCaption(QStringLiteral("Moderador"));
    fixedTwipsWindow(this, 3975, 4200);
    SkinLabel1 = label(this, QStringLiteral("Usuario:"), twipsRect(120, 240, 1095, 255));
    Text1 = box(this, "Text1", twipsRect(1200, 210, 2655, 285));

    Frame1 = new QGroupBox(QStringLiteral("Operadores"), this);
    Frame1->setGeometry(twipsRect(120, 600, 1815, 2415));
    Command4 = button(Frame1, "Command4", QStringLiteral("Operadores"), twipsRect(120, 360, 1575, 255));
    List1 = listBox(Frame1, "List1", twipsRect(120, 720, 1575, 1230));
    Command1 = button(Frame1, "Command1", QStringLiteral("Remover"), twipsRect(120, 2040, 1575, 255));

    Frame2 = new QGroupBox(QStringLiteral("Baneados"), this);
    Frame2->setGeometry(twipsRect(2040, 600, 1815, 2415));
    Command5 = button(Frame2, "Command5", QStringLiteral("Banear"), twipsRect(120, 360, 1575, 255));
    List2 = listBox(Frame2, "List2", twipsRect(120, 720, 1575, 1230));
    Command2 = button(Frame2, "Command2", QStringLiteral("Remover"), twipsRect(120, 2040, 1575, 255));

    SkinLabel2 = label(this, QStringLiteral("Invitar a :"), twipsRect(120, 3120, 855, 255));
    Text2 = box(this, "Text2", twipsRect(1080, 3120, 2775, 285));
    SkinLabel3 = label(this, QStringLiteral("Canal"), twipsRect(120, 3480, 735, 255));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(twipsRect(1080, 3480, 2775, 315));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Command3 = button(this, "Command3", QStringLiteral("Invitar"), twipsRect(120, 3840, 3735, 255));

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
    // A room picked from the list goes as the server named it; a typed one gets its "#".
    const int picked = Combo1->currentIndex();
    const QString room = picked >= 0 && Combo1->currentText() == Combo1->itemText(picked)
                             ? Combo1->itemData(picked).toString()
                             : u'#' + Combo1->currentText();
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
