#pragma once
// The original's positions and sizes are in twips, 15 to a pixel here.
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace platform {

constexpr int twips(int t) { return (t + 7) / 15; }
constexpr int pixelsToTwips(int pixels) { return pixels * 15; }
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Where a window of the given outer size starts to sit in the middle of the
// screen, all in twips: the original's (screen - window) \ 2, whose fraction
// is dropped.
constexpr int centredTwips(int screen, int window) { return (screen - window) / 2; }

// Puts the window in the middle of the primary screen, as the original
// worked it out from the sizes in twips.
inline void centreOnScreen(QWidget* window)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize outer = window->frameGeometry().size();
    window->move(twips(centredTwips(screen.width() * 15, outer.width() * 15)),
                 twips(centredTwips(screen.height() * 15, outer.height() * 15)));
}

// A window laid out with the original's fixed numbers: its client area in
// twips, and the skin's compact look for controls placed by hand.
inline void fixedTwipsWindow(QWidget* window, int width, int height)
{
    window->setFixedSize(twips(width), twips(height));
    window->setProperty("fixed", true);
}

// A control of such a layout, named as the original named it (or not, for
// nullptr), at its place.
template <class W>
W* placed(W* control, const char* name, const QRect& place)
{
    if (name)
        control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(place);
    return control;
}

// The original laid resizable windows out from their outer size, frame and
// title bar included. A window manager's frame is unknown until the window
// is shown and differs between desktops (and there is none offscreen), so
// the outer size is the client area plus the frame the layouts were drawn
// with: 3 pixels each side, and a 28-pixel title bar.
constexpr int kFrameWidthTwips = 90;
constexpr int kFrameHeightTwips = 510;
inline QSizeF outerSizeTwips(const QWidget* window)
{
    return QSizeF(window->width() * 15.0 + kFrameWidthTwips, window->height() * 15.0 + kFrameHeightTwips);
}

}  // namespace platform
