#pragma once
// An invitation to a room: "Ir al canal" reconnects for the invited room.
#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class frmInvita : public platform::FormOf<frmInvita> {
    Q_OBJECT
public:
    frmInvita();

    QLabel* SkinLabel1;
    QLineEdit* Text1;  // the invited room, without its "#"
    QPushButton* Command1;

    void Command1_Click();
};
