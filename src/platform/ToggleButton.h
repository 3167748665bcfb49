#pragma once
// A button that switches an option on and off. Its caption keeps naming what
// its next click does; the checked look, a lamp beside the caption and the
// tooltip show whether the option is on now.
#include <QPushButton>

namespace platform {

class ToggleButton : public QPushButton {
    Q_OBJECT
public:
    // offCaption shows while the option is off, onCaption while it is on; the
    // tooltip is tip (may be empty) followed by the state.
    ToggleButton(const QString& offCaption, const QString& onCaption, const QString& tip, QWidget* parent = nullptr);

    bool isOn() const { return isChecked(); }
    // Caption, look and tooltip change together.
    void setOn(bool on);

protected:
    // The program decides the state, not the click: a click that its handler
    // rejects leaves the look as it was.
    void nextCheckState() override {}

private:
    QString offCaption_;
    QString onCaption_;
    QString tip_;
};

}  // namespace platform
