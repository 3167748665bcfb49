#pragma once
// An option button shown as a colour: its back colour is what it offers, and
// the selected one of its group carries a ring.
#include <QAbstractButton>

namespace platform {

class ColorSwatch : public QAbstractButton {
    Q_OBJECT
public:
    explicit ColorSwatch(const QColor& color, QWidget* parent = nullptr);
    QColor backColor() const { return color_; }
    QSize sizeHint() const override { return {16, 15}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

}  // namespace platform
