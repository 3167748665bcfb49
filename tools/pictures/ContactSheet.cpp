// A sheet to look at the pictures: small ones four times their size (each
// pixel a block, so nothing is hidden by smoothing) beside their real size.
#include "pictures/Paint.h"
#include "pictures/Palette.h"
#include "pictures/Pictures.h"

namespace pictures {
namespace {

int zoomFor(const QImage& image)
{
    return image.width() <= 32 ? 4 : image.width() <= 64 ? 2 : 1;
}

QString group(const Picture& picture)
{
    return picture.path.section(QLatin1Char('/'), 0, -2);
}

}  // namespace

QImage contactSheet(const std::vector<Picture>& all)
{
    constexpr int width = 1500, gap = 8, label = 16;
    struct Placed {
        const Picture* picture;
        QRect cell;
    };
    std::vector<Placed> placed;
    int x = gap, y = gap, rowHeight = 0;
    QString previous;
    for (const Picture& picture : all) {
        const int zoom = zoomFor(picture.image);
        const QSize big = picture.image.size() * zoom;
        const int w = big.width() + (zoom > 1 ? picture.image.width() + gap : 0);
        const int h = big.height() + label;
        const bool newGroup = !previous.isEmpty() && group(picture) != previous;
        if (x + w + gap > width || newGroup) {
            x = gap;
            y += rowHeight + gap * (newGroup ? 3 : 1);
            rowHeight = 0;
        }
        placed.push_back({&picture, QRect(x, y, w, h)});
        x += w + gap;
        rowHeight = qMax(rowHeight, h);
        previous = group(picture);
    }
    const int height = y + rowHeight + gap;

    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(QColor(0xD8, 0xDC, 0xE2));
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    for (const Placed& at : placed) {
        const QImage& image = at.picture->image;
        const int zoom = zoomFor(image);
        const QRect big(at.cell.topLeft(), image.size() * zoom);
        p.fillRect(big, image.width() > 200 ? Qt::black : Qt::white);
        p.drawImage(big, image);
        if (zoom > 1) {
            const QRect real(big.right() + gap, big.top(), image.width(), image.height());
            p.fillRect(real, Qt::white);
            p.drawImage(real.topLeft(), image);
        }
        p.setPen(Qt::black);
        p.drawText(QRect(at.cell.left(), big.bottom() + 1, at.cell.width() + gap, label),
                   Qt::AlignLeft | Qt::AlignVCenter, at.picture->label);
    }
    p.end();
    return sheet;
}

}  // namespace pictures
