#include "core/ChatColors.h"

#include <QPainter>
#include <array>

namespace chatcolors {

namespace {

// Red, green, blue.
constexpr std::array<QRgb, 17> kSwatches = {
    0xE0E0E0, 0x000000, 0x000080, 0x008000, 0xFF0000, 0x800000, 0x800080, 0xFF8000, 0xFFFF00,
    0x00FF00, 0x00C0C0, 0x00FFFF, 0x0000FF, 0xFF00FF, 0xC0C0C0, 0x808080, 0xFFFFFF,
};
constexpr std::array<QRgb, 16> kCells = {
    0xF3F3F3, 0x000000, 0x000080, 0x008000, 0xFF0000, 0x800000, 0x800080, 0xFF8040,
    0xFFFF00, 0x00FF00, 0x00C0C0, 0x00FFFF, 0x0000FF, 0xFF00FF, 0xC0C0C0, 0x808080,
};

}  // namespace

QColor swatch(int n) { return QColor::fromRgb(kSwatches.at(n)); }

QColor cell(int n) { return QColor::fromRgb(kCells.at(n)); }

QPixmap grid(int cellPixels)
{
    QPixmap picture(65, 65);
    picture.fill(Qt::white);
    QPainter p(&picture);
    for (int n = 0; n < 16; ++n)
        p.fillRect((n % 4) * cellPixels, (n / 4) * cellPixels, cellPixels, cellPixels, cell(n));
    // Thin light lines between the cells keep neighbours of one shade apart.
    p.setPen(QColor(255, 255, 255, 150));
    for (int k = 1; k < 4; ++k) {
        p.drawLine(k * cellPixels, 0, k * cellPixels, 64);
        p.drawLine(0, k * cellPixels, 64, k * cellPixels);
    }
    return picture;
}

QString fontCode(int n) { return QChar(3) + QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); }

QString backCode(int n) { return QChar(3) + QStringLiteral("0,") + QString::number(n); }

}  // namespace chatcolors
