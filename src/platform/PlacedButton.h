#pragma once
// A button placed by hand, in a window laid out with fixed numbers. Enter
// never presses it by itself: only the box bound to it does.
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace platform {

QPushButton* placedButton(const QString& caption, const QString& tip, const char* name, QWidget* parent,
                          const QRect& place);

}  // namespace platform
