#include "platform/ColorSwatch.h"

#include <QPainter>

namespace platform {

ColorSwatch::ColorSwatch(const QColor& color, QWidget* parent) : QAbstractButton(parent), color_(color)
{
    setCheckable(true);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(underMouse() ? QColor(0x3a, 0x6f, 0xb0) : QColor(0x8a, 0x98, 0xaa), 1));
    p.setBrush(color_);
    p.drawRoundedRect(r, 2, 2);
    if (isChecked()) {
        // A ring in the colour that stands out on this swatch.
        const int luma = (299 * color_.red() + 587 * color_.green() + 114 * color_.blue()) / 1000;
        const QColor ring = luma > 150 ? QColor(0x1b, 0x33, 0x52) : QColor(Qt::white);
        p.setPen(QPen(ring, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
    }
}

}  // namespace platform
