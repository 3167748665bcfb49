#pragma once
// The skin: one look for every window of the program.
class QWidget;

namespace platform {

void applySkin(QWidget* window);

}  // namespace platform
