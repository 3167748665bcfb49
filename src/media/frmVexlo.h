#pragma once
// The team window: one movie, the program's banner and team.
#include "platform/Form.h"

namespace platform {
class MovieControl;
}

class frmVexlo : public platform::FormOf<frmVexlo> {
    Q_OBJECT
public:
    frmVexlo();

    platform::MovieControl* ShockwaveFlash1;

protected:
    void Form_Load() override;
};
