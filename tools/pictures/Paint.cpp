#include "pictures/Paint.h"

#include <QFont>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

namespace pictures {

QImage paint(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPen linePen(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& color, qreal width)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(linePen(color, width));
    p.drawPath(path);
    p.restore();
}

void shade(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& base,
           const QColor& line, qreal lineWidth)
{
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, light);
    g.setColorAt(1, base);
    p.save();
    p.setBrush(g);
    p.setPen(lineWidth > 0 ? linePen(line, lineWidth) : QPen(Qt::NoPen));
    p.drawPath(path);
    p.restore();
}

void shadeRound(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& base,
                const QColor& edge, const QColor& line, qreal lineWidth)
{
    const QRectF r = path.boundingRect();
    const QPointF focal(r.left() + r.width() * 0.36, r.top() + r.height() * 0.3);
    QRadialGradient g(focal, qMax(r.width(), r.height()) * 0.78, focal);
    g.setColorAt(0, light);
    g.setColorAt(0.5, base);
    g.setColorAt(1, edge);
    p.save();
    p.setBrush(g);
    p.setPen(lineWidth > 0 ? linePen(line, lineWidth) : QPen(Qt::NoPen));
    p.drawPath(path);
    p.restore();
}

void shine(QPainter& p, const QRectF& r, int alpha)
{
    QRadialGradient g(r.center(), qMax(r.width(), r.height()) / 2);
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
    p.restore();
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    for (const QPointF pt : points) {
        if (path.elementCount() == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    return path;
}

QPainterPath curve(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path;
    path.moveTo(from);
    path.quadTo(control, to);
    return path;
}

QPainterPath merged(QPainterPath shapes)
{
    shapes.setFillRule(Qt::WindingFill);
    return shapes.simplified();
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath heart(const QRectF& r)
{
    const qreal x = r.left(), y = r.top(), w = r.width(), h = r.height();
    QPainterPath path;
    path.moveTo(x + w * 0.5, y + h);
    path.cubicTo(x + w * 0.3, y + h * 0.8, x, y + h * 0.6, x, y + h * 0.3);
    path.cubicTo(x, y + h * 0.05, x + w * 0.2, y - h * 0.02, x + w * 0.28, y);
    path.cubicTo(x + w * 0.4, y, x + w * 0.48, y + h * 0.1, x + w * 0.5, y + h * 0.22);
    path.cubicTo(x + w * 0.52, y + h * 0.1, x + w * 0.6, y, x + w * 0.72, y);
    path.cubicTo(x + w * 0.8, y - h * 0.02, x + w, y + h * 0.05, x + w, y + h * 0.3);
    path.cubicTo(x + w, y + h * 0.6, x + w * 0.7, y + h * 0.8, x + w * 0.5, y + h);
    path.closeSubpath();
    return path;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal turnDegrees)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = qDegreesToRadians(turnDegrees - 90.0 + i * 180.0 / points);
        const qreal r = i % 2 ? inner : outer;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath speechBubble(const QRectF& box, qreal radius, qreal tailFrom, qreal tailTo, QPointF tip)
{
    QPainterPath bubble;
    bubble.addRoundedRect(box, radius, radius);
    const qreal base = box.bottom() - 1;
    QPainterPath tail;
    tail.moveTo(tailFrom, base);
    tail.quadTo((tailFrom + tip.x()) / 2, (base + tip.y()) / 2, tip.x(), tip.y());
    tail.quadTo((tailTo + tip.x()) / 2, base, tailTo, base);
    tail.closeSubpath();
    return bubble.united(tail);
}

QPainterPath drop(QPointF tip, qreal radius, qreal length)
{
    const QPointF c(tip.x(), tip.y() + length);
    QPainterPath path;
    path.moveTo(tip);
    path.cubicTo(tip.x() + radius * 0.4, tip.y() + length * 0.45, c.x() + radius, c.y() - radius * 0.6,
                 c.x() + radius, c.y());
    path.arcTo(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), 0, -180);
    path.cubicTo(c.x() - radius, c.y() - radius * 0.6, tip.x() - radius * 0.4, tip.y() + length * 0.45,
                 tip.x(), tip.y());
    path.closeSubpath();
    return path;
}

QPainterPath text(const QString& s, qreal pixelSize, QPointF centre, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    // Laid out large and scaled down: pixel sizes are whole numbers and small
    // ones would be hinted to the pixel grid.
    font.setPixelSize(100);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath big;
    big.addText(0, 0, font, s);
    const QPainterPath path = QTransform::fromScale(pixelSize / 100, pixelSize / 100).map(big);
    return path.translated(centre - path.boundingRect().center());
}

}  // namespace pictures
