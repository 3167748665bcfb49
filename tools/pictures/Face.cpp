#include "pictures/Face.h"

#include "pictures/Palette.h"
#include "pictures/Paint.h"

#include <QRadialGradient>

namespace pictures {

namespace pal = palette;

namespace skins {
const Skin yellow{palette::faceLight, palette::faceBase, palette::faceEdge, palette::faceLine, palette::ink};
const Skin pink{{0xFF, 0xE4, 0xF0}, {0xFF, 0xA6, 0xCC}, {0xEC, 0x6A, 0xA2}, {0x8A, 0x1E, 0x50}, {0x5A, 0x0F, 0x30}};
const Skin red{{0xFF, 0xC8, 0xAE}, {0xFF, 0x6A, 0x3D}, {0xD6, 0x2A, 0x10}, {0x7A, 0x10, 0x00}, {0x4A, 0x08, 0x00}};
const Skin green{{0xF0, 0xFF, 0xC0}, {0xB4, 0xE0, 0x5C}, {0x72, 0xA8, 0x2C}, {0x3D, 0x5E, 0x10}, {0x2A, 0x40, 0x08}};
const Skin purple{{0xF0, 0xD4, 0xFF}, {0xB7, 0x7A, 0xF0}, {0x7A, 0x36, 0xC2}, {0x3C, 0x0F, 0x66}, {0x2A, 0x08, 0x48}};
}  // namespace skins

void placeFace(QPainter& p, QPointF centre, qreal scale)
{
    p.translate(centre);
    p.scale(scale, scale);
    p.translate(-9.5, -9.5);
}

void Face::head(const QRectF& r)
{
    QPainterPath round;
    round.addEllipse(r);
    shadeRound(p, round, skin.light, skin.base, skin.edge, skin.line, 1.0);
    shine(p, QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.08, r.width() * 0.34,
                    r.height() * 0.2), 150);
}

void Face::eye(QPointF c, qreal w, qreal h)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(skin.ink);
    p.drawEllipse(c, w / 2, h / 2);
    p.restore();
}

void Face::eyes(QPointF offset)
{
    eye(left + offset);
    eye(right + offset);
}

void Face::wideEye(QPointF c, QPointF look)
{
    p.save();
    p.setPen(linePen(skin.ink, 0.8));
    p.setBrush(palette::white);
    p.drawEllipse(c, 2.0, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(skin.ink);
    p.drawEllipse(c + look, 1.0, 1.25);
    p.restore();
}

void Face::happyEye(QPointF c)
{
    QPainterPath arc;
    arc.moveTo(c.x() - 1.7, c.y() + 1.0);
    arc.quadTo(c.x(), c.y() - 2.2, c.x() + 1.7, c.y() + 1.0);
    line(arc, 1.3);
}

void Face::closedEye(QPointF c)
{
    QPainterPath arc;
    arc.moveTo(c.x() - 1.8, c.y());
    arc.quadTo(c.x(), c.y() + 2.0, c.x() + 1.8, c.y());
    line(arc, 1.2);
}

void Face::heavyEye(QPointF c, qreal look, qreal lid)
{
    const qreal top = c.y() - 0.3 + lid;
    p.save();
    QPainterPath below;
    below.addRect(QRectF(c.x() - 3, top, 6, 4));
    p.setClipPath(below);
    eye(QPointF(c.x() + look, c.y()), 2.4, 3.6);
    p.restore();
    QPainterPath lidLine;
    lidLine.moveTo(c.x() - 1.9, top);
    lidLine.lineTo(c.x() + 1.9, top);
    line(lidLine, 1.1);
}

void Face::brow(QPointF a, QPointF b, qreal width)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    line(path, width);
}

void Face::sunglasses(qreal top)
{
    QPainterPath lenses;
    lenses.addRoundedRect(QRectF(2.2, top, 6.6, 4.6), 2.0, 2.0);
    lenses.addRoundedRect(QRectF(10.2, top, 6.6, 4.6), 2.0, 2.0);
    const QColor rim = skin.ink;
    stroke(p, polyline({{8.4, top + 1.2}, {10.6, top + 1.2}}), rim, 1.3);
    stroke(p, polyline({{2.6, top + 1.0}, {1.0, top - 0.2}}), rim, 1.0);
    stroke(p, polyline({{16.4, top + 1.0}, {18.0, top - 0.2}}), rim, 1.0);
    shade(p, lenses, QColor(0x5A, 0x66, 0x78), QColor(0x0E, 0x10, 0x16), rim, 0.9);
    const QColor glint(255, 255, 255, 190);
    stroke(p, polyline({{3.6, top + 2.6}, {5.0, top + 1.2}}), glint, 0.9);
    stroke(p, polyline({{11.6, top + 2.6}, {13.0, top + 1.2}}), glint, 0.9);
}

void Face::smile(qreal depth, qreal halfWidth)
{
    QPainterPath path;
    path.moveTo(9.5 - halfWidth, 11.0);
    path.quadTo(9.5, 11.0 + depth, 9.5 + halfWidth, 11.0);
    line(path, 1.3);
}

void Face::mouthFill(const QPainterPath& path)
{
    p.save();
    p.setPen(linePen(skin.ink, 1.0));
    p.setBrush(palette::mouth);
    p.drawPath(path);
    p.restore();
}

void Face::grin()
{
    QPainterPath mouth;
    mouth.moveTo(4.4, 10.6);
    mouth.lineTo(14.6, 10.6);
    mouth.quadTo(14.2, 16.8, 9.5, 16.8);
    mouth.quadTo(4.8, 16.8, 4.4, 10.6);
    mouth.closeSubpath();
    mouthFill(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::white);
    p.drawRect(QRectF(4, 10.6, 11, 2.2));
    p.restore();
    stroke(p, mouth, skin.ink, 1.0);
}

void Face::laugh()
{
    QPainterPath mouth;
    mouth.moveTo(4.2, 10.8);
    mouth.quadTo(9.5, 9.8, 14.8, 10.8);
    mouth.quadTo(14.2, 17.4, 9.5, 17.4);
    mouth.quadTo(4.8, 17.4, 4.2, 10.8);
    mouth.closeSubpath();
    mouthFill(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::tongue);
    p.drawEllipse(QPointF(9.5, 17.6), 3.6, 2.8);
    p.restore();
    stroke(p, mouth, skin.ink, 1.0);
}

void Face::frown()
{
    QPainterPath path;
    path.moveTo(5.4, 14.6);
    path.quadTo(9.5, 10.6, 13.6, 14.6);
    line(path, 1.3);
}

void Face::flat(qreal y, qreal from, qreal to)
{
    QPainterPath path;
    path.moveTo(from, y);
    path.lineTo(to, y);
    line(path, 1.3);
}

void Face::wavy(qreal y)
{
    QPainterPath path;
    path.moveTo(4.8, y + 0.6);
    path.quadTo(6.1, y - 1.4, 7.4, y);
    path.quadTo(8.4, y + 1.4, 9.5, y);
    path.quadTo(10.6, y - 1.4, 11.6, y);
    path.quadTo(12.9, y + 1.4, 14.2, y - 0.6);
    line(path, 1.2);
}

void Face::open(QPointF c, qreal w, qreal h)
{
    QPainterPath mouth;
    mouth.addEllipse(c, w / 2, h / 2);
    mouthFill(mouth);
}

void Face::tongue(QRectF r)
{
    QPainterPath t;
    t.moveTo(r.left(), r.top());
    t.lineTo(r.left(), r.bottom() - r.width() / 2);
    t.arcTo(QRectF(r.left(), r.bottom() - r.width(), r.width(), r.width()), 180, 180);
    t.lineTo(r.right(), r.top());
    t.closeSubpath();
    p.save();
    p.setPen(linePen(palette::tongueLine, 0.9));
    p.setBrush(palette::tongue);
    p.drawPath(t);
    p.restore();
    QPainterPath mid;
    mid.moveTo(r.center().x(), r.top() + 0.8);
    mid.lineTo(r.center().x(), r.bottom() - r.width() * 0.45);
    stroke(p, mid, palette::tongueLine, 0.7);
}

void Face::cheeks(int alpha, const QColor& colour)
{
    QColor c = colour.isValid() ? colour : palette::blush;
    c.setAlpha(alpha);
    p.save();
    p.setPen(Qt::NoPen);
    for (const QPointF at : {QPointF(3.9, 11.2), QPointF(15.1, 11.2)}) {
        QRadialGradient soft(at, 2.4);
        soft.setColorAt(0, c);
        soft.setColorAt(0.6, c);
        soft.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
        p.setBrush(soft);
        p.drawEllipse(at, 2.4, 1.7);
    }
    p.restore();
}

void Face::line(const QPainterPath& path, qreal width)
{
    stroke(p, path, skin.ink, width);
}

}  // namespace pictures
