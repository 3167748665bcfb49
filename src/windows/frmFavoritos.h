#pragma once
// Favourite rooms: each remembered with its chat server and port in a
// scrambled list file; a click on one moves the main window there.
#include "platform/Form.h"

class QLineEdit;
class QPushButton;
namespace platform {
class ListBox;
}

class frmFavoritos : public platform::FormOf<frmFavoritos> {
    Q_OBJECT
public:
    frmFavoritos();

    QLineEdit* Text1;       // the main window's room, without its "#"
    QPushButton* Command1;  // "Agrega"
    platform::ListBox* lstCanales;
    QPushButton* Command2;  // "Remover"
    // Room, server and port of the entry last clicked; never shown.
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    qint16 IndiceFavorito = 0;  // the entry last clicked

    void Command1_Click();
    void Command2_Click();
    void lstCanales_Click();

protected:
    void Form_Load() override;

private:
    void showCurrentRoom();
};
