#include "platform/Skin.h"

#include <QWidget>

namespace platform {

void applySkin(QWidget* window)
{
    Q_UNUSED(window);
}

}  // namespace platform
