#pragma once
// Small drawing kit shared by every picture: a transparent anti-aliased
// canvas, the shaded fill with outline that gives the set its look, and the
// shapes that several pictures use.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <initializer_list>

namespace pictures {

QImage paint(int width, int height, const std::function<void(QPainter&)>& draw);

QPen linePen(const QColor& color, qreal width);
void stroke(QPainter& p, const QPainterPath& path, const QColor& color, qreal width);

// Top-lit fill (light at the top, base at the bottom) and an outline.
void shade(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& base,
           const QColor& line, qreal lineWidth = 1.0);
// Lit from the upper left, as a ball.
void shadeRound(QPainter& p, const QPainterPath& path, const QColor& light, const QColor& base,
                const QColor& edge, const QColor& line, qreal lineWidth = 1.0);
// A small white shine, the highlight every glossy thing gets.
void shine(QPainter& p, const QRectF& r, int alpha = 200);

QPainterPath polyline(std::initializer_list<QPointF> points);
QPainterPath curve(QPointF from, QPointF control, QPointF to);
// One outline round overlapping shapes, whichever way each was drawn.
QPainterPath merged(QPainterPath shapes);
QPainterPath circle(QPointF centre, qreal radius);
QPainterPath heart(const QRectF& r);
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points = 5, qreal turnDegrees = 0);
// A rounded box with a tail from its bottom edge (between tailFrom and
// tailTo, in x) to the tip: the chat bubble of the banner and the icon.
QPainterPath speechBubble(const QRectF& box, qreal radius, qreal tailFrom, qreal tailTo, QPointF tip);
QPainterPath drop(QPointF tip, qreal radius, qreal length);
// Text outline centred on a point, in DejaVu Sans.
QPainterPath text(const QString& s, qreal pixelSize, QPointF centre, bool bold = true);

}  // namespace pictures
