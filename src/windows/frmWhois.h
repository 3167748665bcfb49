#pragma once
// The reply to a whois request, filled and shown by the dispatcher.
#include "platform/Form.h"

class QLineEdit;

class frmWhois : public platform::FormOf<frmWhois> {
    Q_OBJECT
public:
    frmWhois();

    QLineEdit* Text1;  // "Cliente:"   the real name
    QLineEdit* Text2;  // "Canales:"   the channels
    QLineEdit* Text3;  // "Servidor:"  the server
    QLineEdit* Text4;  // "Ip:"        user and host

    // The box keeps the host: the text from its first blank on.
    void Text4_Change();
};
