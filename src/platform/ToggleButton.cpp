#include "platform/ToggleButton.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace platform {

namespace {

QPixmap lamp(const QColor& fill, const QColor& rim)
{
    QPixmap pixmap(20, 20);  // drawn at twice its size, for sharp edges
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rim, 1.2));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1, 1, 8, 8));
    return pixmap;
}

// Off: a dark, hollow lamp; on: a green one, lit.
const QIcon& lampIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        i.addPixmap(lamp(QColor(0x5b, 0x6b, 0x80, 90), QColor(0x5b, 0x6b, 0x80)), QIcon::Normal, QIcon::Off);
        i.addPixmap(lamp(QColor(0x4c, 0xe0, 0x6a), QColor(0x1d, 0x7a, 0x34)), QIcon::Normal, QIcon::On);
        return i;
    }();
    return icon;
}

}  // namespace

ToggleButton::ToggleButton(const QString& offCaption, const QString& onCaption, const QString& tip, QWidget* parent)
    : QPushButton(parent), offCaption_(offCaption), onCaption_(onCaption), tip_(tip)
{
    setCheckable(true);
    setAutoDefault(false);
    setIcon(lampIcon());
    setIconSize(QSize(10, 10));
    setOn(false);
}

void ToggleButton::setOn(bool on)
{
    setChecked(on);
    setText(on ? onCaption_ : offCaption_);
    const QString state = on ? QStringLiteral("Estado: activado") : QStringLiteral("Estado: desactivado");
    setToolTip(tip_.isEmpty() ? state : tip_ + u'\n' + state);
}

}  // namespace platform
