#pragma once
// Message to many users: one typed message sent privately to every ticked
// user of a copy of the main room's user list, one entry a second.
#include "platform/Form.h"

class QLineEdit;
class QPushButton;
class QTimer;

namespace platform {
class ListView;
}

class frmMultiPrivados : public platform::FormOf<frmMultiPrivados> {
    Q_OBJECT
public:
    frmMultiPrivados();

    // The list again from the main room's users, none ticked.
    void Actualiza_Usuarios();

    qint16 IndiceEnvio = 0;  // the entry handled last in this pass, from 1
    QString NickEnvio;       // the ticked entry sent to last

    QLineEdit* Text1;        // the message
    QPushButton* Command1;   // "Actualizar"
    QPushButton* Command3;   // "Todos"
    QPushButton* Command4;   // "Ninguno"
    QPushButton* Command2;   // "Enviar Mensajes"
    platform::ListView* ListView1;
    QTimer* Timer1;          // one entry a tick

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Timer1_Timer();

protected:
    void Form_Load() override;

private:
    void endPass();
};
