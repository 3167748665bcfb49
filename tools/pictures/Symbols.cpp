#include "pictures/Symbols.h"

#include "pictures/Paint.h"
#include "pictures/Palette.h"

#include <QtMath>

namespace pictures {

namespace pal = palette;

void sun(QPainter& p)
{
    const QPointF c(9.5, 9.5);
    shade(p, star(c, 9.3, 5.2, 8, 0), pal::orangeLight, pal::orange, pal::orangeDeep, 0.9);
    shadeRound(p, circle(c, 5.6), pal::yellowLight, pal::yellow, pal::orange, pal::orangeDeep, 0.9);
}

void rose(QPainter& p)
{
    QPainterPath stem;
    stem.moveTo(9.4, 9.0);
    stem.quadTo(10.4, 14.0, 8.6, 18.4);
    stroke(p, stem, pal::greenDeep, 1.6);
    QPainterPath leaf;
    leaf.moveTo(9.6, 14.2);
    leaf.quadTo(12.0, 11.0, 15.4, 11.8);
    leaf.quadTo(13.2, 15.2, 9.6, 14.2);
    shade(p, leaf, pal::greenLight, pal::green, pal::greenDeep, 0.8);
    QPainterPath bloom;
    bloom.moveTo(3.6, 3.2);
    bloom.quadTo(6.0, 4.4, 7.0, 2.0);
    bloom.quadTo(9.5, 3.6, 12.0, 2.0);
    bloom.quadTo(13.0, 4.4, 15.4, 3.2);
    bloom.quadTo(15.8, 10.8, 9.5, 11.0);
    bloom.quadTo(3.2, 10.8, 3.6, 3.2);
    bloom.closeSubpath();
    shade(p, bloom, pal::redLight, pal::red, pal::redDeep);
    stroke(p, curve({6.0, 5.0}, {9.5, 9.2}, {13.0, 5.0}), pal::redDeep, 0.8);
    stroke(p, curve({7.6, 4.4}, {10.6, 5.4}, {11.0, 3.6}), pal::redDeep, 0.8);
}

void football(QPainter& p)
{
    const QPointF c(9.5, 9.5);
    const QPainterPath ball = circle(c, 8.8);
    shadeRound(p, ball, pal::white, QColor(0xEE, 0xEE, 0xEE), QColor(0xA8, 0xA8, 0xB0), pal::black);
    p.save();
    p.setClipPath(ball);
    p.setPen(linePen(pal::black, 0.8));
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + i * 72.0);
        const QPointF inner(c.x() + 2.6 * qCos(a), c.y() + 2.6 * qSin(a));
        const QPointF outer(c.x() + 6.6 * qCos(a), c.y() + 6.6 * qSin(a));
        p.drawLine(inner, outer);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(pal::black);
    const qreal edge = qCos(M_PI / 5);  // a star this fat is a pentagon
    p.drawPath(star(c, 2.9, 2.9 * edge, 5, 0));
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + i * 72.0);
        const QPointF at(c.x() + 8.4 * qCos(a), c.y() + 8.4 * qSin(a));
        p.drawPath(star(at, 2.6, 2.6 * edge, 5, 36 + i * 72.0));
    }
    p.restore();
    stroke(p, ball, pal::black, 1.0);
    shine(p, QRectF(3.4, 2.8, 4.4, 3.0), 170);
}

void coffee(QPainter& p)
{
    QPainterPath saucer;
    saucer.addEllipse(QPointF(9.2, 16.6), 8.4, 2.0);
    shade(p, saucer, pal::white, pal::greyLight, pal::greyDeep, 0.8);
    QPainterPath handle;
    handle.addEllipse(QPointF(15.2, 11.4), 2.4, 2.2);
    stroke(p, handle, pal::greyDeep, 2.2);
    stroke(p, handle, pal::white, 1.0);
    QPainterPath cup;
    cup.moveTo(3.0, 8.2);
    cup.lineTo(15.4, 8.2);
    cup.quadTo(15.2, 16.6, 9.2, 16.6);
    cup.quadTo(3.2, 16.6, 3.0, 8.2);
    cup.closeSubpath();
    shade(p, cup, pal::white, pal::greyLight, pal::greyDeep);
    QPainterPath drink;
    drink.addEllipse(QPointF(9.2, 8.4), 5.8, 1.3);
    shade(p, drink, pal::brownLight, pal::brownDeep, pal::brownDeep, 0.6);
    for (const qreal x : {7.0, 10.8}) {
        QPainterPath steam;
        steam.moveTo(x, 6.4);
        steam.quadTo(x - 1.4, 4.8, x, 3.4);
        steam.quadTo(x + 1.4, 2.0, x, 0.6);
        stroke(p, steam, pal::grey, 1.0);
    }
}

void bigStar(QPainter& p)
{
    shade(p, star({9.5, 10.2}, 9.4, 3.9), pal::yellowLight, pal::orange, pal::yellowDeep);
    shine(p, QRectF(6.6, 5.6, 3.8, 3.2), 200);
}

}  // namespace pictures
