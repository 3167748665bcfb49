#pragma once
// The progress bar with the old control's single-precision Max and Value
// (Min is 0) and its refusals: a Max not above Min, or a Value below Min or
// above Max, throws RuntimeError 380 and changes nothing. A Max below the
// Value is taken; the bar then shows full until the Value is set again.
#include <QProgressBar>

namespace platform {

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    float Max() const { return max_; }
    void setMax(float max);
    float Value() const { return value_; }
    void setValue(float value);

private:
    void redraw();

    float max_ = 100;
    float value_ = 0;
};

}  // namespace platform
