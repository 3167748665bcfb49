#include "platform/ProgressBar.h"

#include "platform/Errors.h"

namespace platform {

namespace {
constexpr int kSteps = 1000;  // Qt's bar counts in whole steps
}

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, kSteps);
    setTextVisible(false);
    redraw();
}

void ProgressBar::setMax(float max)
{
    if (!(max > 0))
        throw RuntimeError(errInvalidPropertyValue);
    max_ = max;
    redraw();
}

void ProgressBar::setValue(float value)
{
    if (!(value >= 0 && value <= max_))
        throw RuntimeError(errInvalidPropertyValue);
    value_ = value;
    redraw();
}

void ProgressBar::redraw() { QProgressBar::setValue(int(qMin(1.0f, value_ / max_) * kSteps)); }

}  // namespace platform
