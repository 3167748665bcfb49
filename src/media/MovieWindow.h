#pragma once
// What the two movie windows share: a fixed frame without minimise and
// maximise buttons, and one movie control that says in a box why its movie
// cannot play.
#include <QRect>

namespace platform {
class Form;
class MovieControl;
}  // namespace platform

// The window's client area in twips; the control's place in pixels.
platform::MovieControl* makeMovieWindow(platform::Form* window, int width, int height, const QRect& movie);
