#pragma once
// The connect dialog: the areas and rooms of the server settings file, the
// nick, alternate nick and password; choosing a room connects at once.
#include "platform/Form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace platform {
class ListBox;
}

class frmDialog : public platform::FormOf<frmDialog> {
    Q_OBJECT
public:
    frmDialog();

    platform::ListBox* List1;  // the areas
    platform::ListBox* List2;  // the rooms of the chosen area
    QPushButton* Command1;     // "Regresar a Areas:"
    QLineEdit* txtNick;
    QLineEdit* txtAlt;
    QLineEdit* TxtPass;
    QPushButton* cmdOk;      // "Conectar"
    QPushButton* cmdCancel;  // "Cerrar Aplicacion"
    QGroupBox* Frame1;       // "Conexion Data"
    QLineEdit* cmbServer;
    QLineEdit* txtPort;
    QLineEdit* txtChannel;
    QLabel* SkinLabel1;  // "Seleccione una area :"

    void List1_Click(int index);
    void List2_Click(int index);
    void cmdOk_Click();
    void Command1_Click();
    void cmdCancel_Click();
    void txtNick_Change();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int area_ = -1;  // the area whose rooms List2 shows
};
