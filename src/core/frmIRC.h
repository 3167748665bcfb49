#pragma once
#include "platform/Form.h"

class frmIRC : public platform::FormOf<frmIRC> {
    Q_OBJECT
public:
    frmIRC();
};
