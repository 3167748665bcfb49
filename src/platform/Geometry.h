#pragma once
// The original's positions and sizes are in twips, 15 to a pixel here.
#include <QRect>
#include <QWidget>

namespace platform {

constexpr int twips(int t) { return (t + 7) / 15; }
constexpr int pixelsToTwips(int pixels) { return pixels * 15; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// A window laid out with the original's fixed numbers: its client area in
// twips, and the skin's compact look for controls placed by hand.
inline void fixedTwipsWindow(QWidget* window, int width, int height)
{
    window->setFixedSize(twips(width), twips(height));
    window->setProperty("fixed", true);
}

}  // namespace platform
