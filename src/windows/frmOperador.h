#pragma once
// The operator panel: operator rights and bans in the main room, each nick
// kept in the panel's list, and invitations to any room of the room list.
#include "platform/Form.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace platform {
class ListBox;
}

class frmOperador : public platform::FormOf<frmOperador> {
    Q_OBJECT
public:
    frmOperador();

    // The entry last clicked in each list (0: List1, 1: List2) and its text;
    // -1 when none is chosen, so "Remover" acts only on a chosen entry.
    std::array<qint16, 2> IndiceElegido{-1, -1};
    std::array<QString, 2> NickElegido;

    QLabel* SkinLabel1;  // "Usuario:"
    QLineEdit* Text1;    // the nick to act on; the user lists' menus write it
    QGroupBox* Frame1;   // "Operadores"
    QPushButton* Command4;
    platform::ListBox* List1;  // nicks made operators here
    QPushButton* Command1;
    QGroupBox* Frame2;   // "Baneados"
    QPushButton* Command5;
    platform::ListBox* List2;  // nicks banned here, and kicked ones
    QPushButton* Command2;
    QLabel* SkinLabel2;  // "Invitar a :"
    QLineEdit* Text2;    // the nick to invite
    QLabel* SkinLabel3;  // "Canal"
    QComboBox* Combo1;   // the room, without "#"
    QPushButton* Command3;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void List1_Click();
    void List2_Click();
    void Text1_Change();

protected:
    void Form_Load() override;

private:
    void choose(int slot, platform::ListBox* list);
    void remove(int slot, platform::ListBox* list, const QString& mode);
};
