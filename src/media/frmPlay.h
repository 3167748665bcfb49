#pragma once
// The game window: one movie, the falling-blocks game, over the whole window.
#include "platform/Form.h"

namespace platform {
class MovieControl;
}

class frmPlay : public platform::FormOf<frmPlay> {
    Q_OBJECT
public:
    frmPlay();

    platform::MovieControl* ShockwaveFlash1;

protected:
    void Form_Load() override;
};
