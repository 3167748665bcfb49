// The windows' icon: the program's blue chat bubble in front of an orange
// one, drawn for each size rather than scaled, so the small one stays sharp.
#include "pictures/Paint.h"
#include "pictures/Palette.h"
#include "pictures/Pictures.h"

namespace pictures {

namespace pal = palette;

// On a 64 x 64 grid; bigger icons scale the painter.
void appIcon(QPainter& p)
{
    const QPainterPath back = speechBubble(QRectF(22, 3, 39, 30), 13, 46, 54, {59, 41});
    shade(p, back, pal::orangeLight, pal::orange, pal::orangeDeep, 1.6);
    const QPainterPath front = speechBubble(QRectF(3, 15, 48, 35), 15, 12, 24, {7, 61});
    shadeRound(p, front, pal::blueLight, pal::blue, pal::blueDeep, pal::blueDeep, 2.0);
    p.save();
    p.setClipPath(front);
    shine(p, QRectF(8, 15, 30, 14), 120);
    p.restore();
    for (const qreal x : {16.0, 27.0, 38.0})
        shadeRound(p, circle({x, 33}, 3.8), pal::white, pal::white, pal::greyLight, pal::blueDeep, 0.8);
}

std::vector<Picture> appIcons()
{
    std::vector<Picture> out;
    for (const int size : {64, 256}) {
        const QImage icon = paint(size, size, [size](QPainter& p) {
            p.scale(size / 64.0, size / 64.0);
            appIcon(p);
        });
        const QString name = size == 64 ? QStringLiteral("trovelin") : QStringLiteral("trovelin-%1").arg(size);
        out.push_back({QStringLiteral("ui/%1.png").arg(name), name, icon});
    }
    return out;
}

}  // namespace pictures
