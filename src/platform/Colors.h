#pragma once
// The original's colour values are &HBBGGRR, red in the low byte.
#include <QColor>

namespace platform {

inline QColor vbColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace platform
