#pragma once
// The decorations window. For now it holds the two decoration boxes that
// every line sent is wrapped in; the window itself comes later.
#include "platform/Form.h"

class QLineEdit;

class frmAdornos : public platform::FormOf<frmAdornos> {
    Q_OBJECT
public:
    frmAdornos();

    QLineEdit* AdornoI;  // left decoration
    QLineEdit* AdornoD;  // right decoration
};
