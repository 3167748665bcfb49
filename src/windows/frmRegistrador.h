#pragma once
// Registration with the network's service bots: the current nick (mail
// address, confirmation code, new password) and a room.
#include "platform/Form.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace platform {
class DefaultButtons;
class TextBox;
}  // namespace platform

class frmRegistrador : public platform::FormOf<frmRegistrador> {
    Q_OBJECT
public:
    frmRegistrador();

    std::array<QLabel*, 5> Label1;
    QGroupBox* Frame1;  // "Registrar Nick"
    platform::TextBox* Instruciones;
    QLineEdit* Text1;  // mail address
    QPushButton* Command1;
    QLineEdit* Text3;  // confirmation code
    QPushButton* Command2;
    QLineEdit* Text2;  // new password
    QPushButton* Command3;
    QGroupBox* Frame2;  // "Registrar Canal"
    platform::TextBox* Text4;
    QLineEdit* Text5;  // room name
    QLineEdit* Text6;  // password
    QLineEdit* Text7;  // session
    QLineEdit* Text8;  // description
    QPushButton* Command4;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void Form_Load() override;

private:
    platform::DefaultButtons* defaultButtons;
};
