#pragma once
// The original's positions and sizes are in twips, 15 to a pixel here.
#include <QRect>

namespace platform {

constexpr int twips(int t) { return (t + 7) / 15; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

}  // namespace platform
