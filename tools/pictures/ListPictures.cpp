// The 65 list pictures a user drops into a line with "//00" to "//64";
// file K.png is code K - 1.
#include "pictures/Paint.h"
#include "pictures/Palette.h"
#include "pictures/Pictures.h"
#include "pictures/Symbols.h"

#include <QtMath>
#include <array>

namespace pictures {
namespace {

namespace pal = palette;

constexpr int kSize = 20;

struct Tint {
    QColor light, base, deep;
};

const Tint redTint{pal::redLight, pal::red, pal::redDeep};
const Tint pinkTint{pal::pinkLight, pal::pink, pal::pinkDeep};
const Tint purpleTint{pal::purpleLight, pal::purple, pal::purpleDeep};
const Tint blueTint{pal::blueLight, pal::blue, pal::blueDeep};
const Tint greenTint{pal::greenLight, pal::green, pal::greenDeep};
const Tint orangeTint{pal::orangeLight, pal::orange, pal::orangeDeep};
const Tint goldTint{pal::yellowLight, pal::yellow, pal::yellowDeep};
const Tint greyTint{pal::greyLight, pal::grey, pal::greyDeep};
const Tint whiteTint{pal::white, pal::greyLight, pal::greyDeep};
const Tint brownTint{pal::brownLight, pal::brown, pal::brownDeep};

void fill(QPainter& p, const QPainterPath& path, const Tint& t, qreal line = 1.0)
{
    shade(p, path, t.light, t.base, t.deep, line);
}

void ball(QPainter& p, const QPainterPath& path, const Tint& t, qreal line = 1.0)
{
    shadeRound(p, path, t.light, t.base, t.deep, t.deep, line);
}

void dot(QPainter& p, QPointF at, qreal r, const QColor& c)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(at, r, r);
    p.restore();
}

QPainterPath rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath ellipse(QPointF c, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath closed(std::initializer_list<QPointF> points)
{
    QPainterPath path = polyline(points);
    path.closeSubpath();
    return path;
}

QPainterPath turned(const QPainterPath& path, QPointF about, qreal degrees)
{
    QTransform t;
    t.translate(about.x(), about.y());
    t.rotate(degrees);
    t.translate(-about.x(), -about.y());
    return t.map(path);
}

QPainterPath mirrored(const QPainterPath& path)
{
    return QTransform(-1, 0, 0, 1, kSize, 0).map(path);
}

// The emoticon-grid drawings, one pixel larger.
void onGrid(QPainter& p, void (*draw)(QPainter&))
{
    p.save();
    p.scale(kSize / 19.0, kSize / 19.0);
    draw(p);
    p.restore();
}

// Hearts -----------------------------------------------------------------

void plainHeart(QPainter& p, const QRectF& r, const Tint& t)
{
    fill(p, heart(r), t);
    shine(p, QRectF(r.left() + r.width() * 0.13, r.top() + r.height() * 0.12, r.width() * 0.28,
                    r.height() * 0.2), 210);
}

void heartIn(QPainter& p, const Tint& t)
{
    plainHeart(p, QRectF(1.5, 2.5, 17, 15.5), t);
}

void redHeart(QPainter& p) { heartIn(p, redTint); }
void pinkHeart(QPainter& p) { heartIn(p, pinkTint); }
void purpleHeart(QPainter& p) { heartIn(p, purpleTint); }
void blueHeart(QPainter& p) { heartIn(p, blueTint); }
void greenHeart(QPainter& p) { heartIn(p, greenTint); }
void orangeHeart(QPainter& p) { heartIn(p, orangeTint); }

void arrowedHeart(QPainter& p)
{
    stroke(p, polyline({{1.5, 18.5}, {18.5, 1.5}}), pal::brownDeep, 2.2);
    stroke(p, polyline({{1.5, 18.5}, {18.5, 1.5}}), pal::brownLight, 1.0);
    plainHeart(p, QRectF(3.5, 4.0, 13, 12.5), redTint);
    stroke(p, polyline({{12.8, 7.2}, {17.0, 3.0}}), pal::brownDeep, 2.2);
    stroke(p, polyline({{12.8, 7.2}, {17.0, 3.0}}), pal::brownLight, 1.0);
    fill(p, closed({{19.6, 0.4}, {14.6, 1.8}, {18.2, 5.4}}), greyTint, 0.8);
    fill(p, closed({{1.0, 15.0}, {4.2, 15.8}, {5.0, 19.0}, {1.4, 19.4}}), redTint, 0.7);
}

void twoHearts(QPainter& p)
{
    plainHeart(p, QRectF(0.8, 1.2, 10.5, 9.5), pinkTint);
    plainHeart(p, QRectF(6.4, 6.6, 12.8, 12.0), redTint);
}

// Stars and sky ---------------------------------------------------------------

void yellowStar(QPainter& p) { onGrid(p, bigStar); }

void shootingStar(QPainter& p)
{
    for (const auto& [from, to, c] : {std::tuple{QPointF(1.0, 14.0), QPointF(9.6, 9.4), pal::orange},
                                      std::tuple{QPointF(3.0, 18.6), QPointF(10.6, 11.6), pal::yellow},
                                      std::tuple{QPointF(6.4, 19.2), QPointF(12.2, 12.6), pal::orangeLight}})
        stroke(p, polyline({from, to}), c, 1.6);
    fill(p, star({13.2, 7.4}, 6.6, 2.8, 5, 18), goldTint);
    shine(p, QRectF(11.0, 4.6, 3.0, 2.4), 200);
}

void sparkles(QPainter& p)
{
    fill(p, star({8.0, 11.0}, 8.0, 2.0, 4), goldTint, 0.9);
    fill(p, star({15.8, 4.2}, 4.0, 1.1, 4), goldTint, 0.8);
    fill(p, star({16.0, 15.4}, 3.0, 0.9, 4), goldTint, 0.7);
    shine(p, QRectF(6.4, 9.4, 3.2, 3.2), 230);
}

void sunPicture(QPainter& p) { onGrid(p, sun); }

void moon(QPainter& p)
{
    const QPainterPath crescent = circle({9.4, 10.0}, 8.4).subtracted(circle({14.2, 6.8}, 7.0));
    shadeRound(p, crescent, pal::yellowLight, QColor(0xFF, 0xE8, 0x6A), pal::yellow, pal::yellowDeep);
    fill(p, star({16.0, 14.4}, 2.6, 1.0, 5), goldTint, 0.6);
}

QPainterPath cloudShape(qreal dy)
{
    QPainterPath c;
    c.addEllipse(QPointF(6.0, 12.0 + dy), 4.4, 4.0);
    c.addEllipse(QPointF(10.6, 8.6 + dy), 5.0, 5.0);
    c.addEllipse(QPointF(15.0, 11.8 + dy), 4.0, 4.0);
    c.addRoundedRect(QRectF(2.0, 11.0 + dy, 16.8, 5.2), 2.6, 2.6);
    return merged(c);
}

void cloud(QPainter& p)
{
    shade(p, cloudShape(0), pal::white, QColor(0xC6, 0xDA, 0xF0), QColor(0x5C, 0x7C, 0xA4));
}

void rain(QPainter& p)
{
    shade(p, cloudShape(-3.4), QColor(0xE6, 0xEC, 0xF4), QColor(0x94, 0xA6, 0xBE), pal::greyDeep);
    for (const QPointF at : {QPointF(5.4, 14.2), QPointF(10.0, 15.4), QPointF(14.6, 14.2)})
        shade(p, drop(at, 1.5, 3.2), pal::white, pal::tear, pal::tearLine, 0.8);
}

void lightning(QPainter& p)
{
    fill(p, closed({{12.0, 0.8}, {4.0, 11.4}, {9.0, 11.4}, {6.4, 19.4}, {16.4, 7.6}, {11.0, 7.6}, {14.8, 0.8}}),
         goldTint);
}

void snowflake(QPainter& p)
{
    const QPointF c(10, 10);
    QPainterPath flake;
    for (int i = 0; i < 6; ++i) {
        QPainterPath arm = polyline({{10, 10}, {10, 1.2}});
        arm.addPath(polyline({{8.0, 2.6}, {10, 4.6}, {12.0, 2.6}}));
        flake.addPath(turned(arm, c, i * 60.0));
    }
    stroke(p, flake, QColor(0x2A, 0x6C, 0xB8), 2.4);
    stroke(p, flake, QColor(0xD8, 0xF0, 0xFF), 1.0);
}

void umbrella(QPainter& p)
{
    QPainterPath handle;
    handle.moveTo(10, 9);
    handle.lineTo(10, 16.4);
    handle.quadTo(10, 18.6, 12.2, 18.6);
    handle.quadTo(14.0, 18.6, 14.0, 16.6);
    stroke(p, handle, pal::greyDeep, 1.5);
    QPainterPath canopy;
    canopy.moveTo(1.0, 10.4);
    canopy.cubicTo(1.4, 3.4, 6.0, 1.4, 10.0, 1.4);
    canopy.cubicTo(14.0, 1.4, 18.6, 3.4, 19.0, 10.4);
    canopy.quadTo(16.8, 8.6, 14.5, 10.4);
    canopy.quadTo(12.2, 8.6, 10.0, 10.4);
    canopy.quadTo(7.8, 8.6, 5.5, 10.4);
    canopy.quadTo(3.2, 8.6, 1.0, 10.4);
    canopy.closeSubpath();
    fill(p, canopy, purpleTint);
    stroke(p, curve({10, 1.6}, {6.4, 4.4}, {5.5, 10.0}), pal::purpleDeep, 0.7);
    stroke(p, curve({10, 1.6}, {13.6, 4.4}, {14.5, 10.0}), pal::purpleDeep, 0.7);
}

// Flowers ---------------------------------------------------------------------

void daisy(QPainter& p)
{
    const QPointF c(10, 10);
    for (int i = 0; i < 8; ++i)
        fill(p, turned(ellipse({10, 4.6}, 2.6, 4.2), c, i * 45.0), whiteTint, 0.8);
    ball(p, circle(c, 3.4), goldTint, 0.8);
}

void tulip(QPainter& p)
{
    stroke(p, polyline({{10, 10}, {10, 19.4}}), pal::greenDeep, 1.6);
    fill(p, closed({{10, 18.4}, {4.0, 10.4}, {5.4, 16.0}}), greenTint, 0.8);
    fill(p, closed({{10, 18.4}, {16.0, 10.4}, {14.6, 16.0}}), greenTint, 0.8);
    QPainterPath bloom;
    bloom.moveTo(4.4, 1.6);
    bloom.lineTo(7.2, 4.4);
    bloom.lineTo(10, 1.0);
    bloom.lineTo(12.8, 4.4);
    bloom.lineTo(15.6, 1.6);
    bloom.quadTo(16.6, 11.6, 10, 11.6);
    bloom.quadTo(3.4, 11.6, 4.4, 1.6);
    bloom.closeSubpath();
    fill(p, bloom, pinkTint);
    stroke(p, curve({7.2, 4.8}, {7.4, 9.4}, {10, 11.0}), pal::pinkDeep, 0.7);
}

void rosePicture(QPainter& p) { onGrid(p, rose); }

void sunflower(QPainter& p)
{
    const QPointF c(10, 10);
    fill(p, star(c, 9.6, 5.6, 12, 0), orangeTint, 0.8);
    fill(p, star(c, 8.0, 5.0, 12, 15), goldTint, 0.7);
    ball(p, circle(c, 4.4), brownTint, 0.8);
    for (const QPointF d : {QPointF(8.6, 9.0), QPointF(11.2, 8.8), QPointF(9.6, 11.4), QPointF(11.6, 11.2)})
        dot(p, d, 0.6, pal::brownDeep);
}

void clover(QPainter& p)
{
    stroke(p, curve({10, 10}, {11, 16}, {14.4, 19.0}), pal::greenDeep, 1.5);
    const QPointF c(10, 10);
    for (int i = 0; i < 4; ++i)
        fill(p, turned(heart(QRectF(6.6, 1.4, 6.8, 8.4)), c, 45.0 + i * 90.0), greenTint, 0.9);
    dot(p, c, 1.0, pal::greenDeep);
}

// Music -------------------------------------------------------------------------

void note(QPainter& p)
{
    const Tint& t = purpleTint;
    QPainterPath flag;
    flag.moveTo(9.6, 1.4);
    flag.cubicTo(10.4, 5.4, 16.8, 5.0, 14.4, 12.0);
    flag.cubicTo(15.0, 7.8, 12.0, 7.4, 10.6, 6.6);
    flag.lineTo(10.6, 15.8);
    flag.lineTo(9.6, 15.8);
    flag.closeSubpath();
    fill(p, flag, t, 0.8);
    fill(p, turned(ellipse({7.2, 15.8}, 3.4, 2.5), {7.2, 15.8}, -22), t);
}

void notes(QPainter& p)
{
    const Tint& t = blueTint;
    fill(p, closed({{5.8, 4.6}, {17.6, 1.4}, {17.6, 4.6}, {5.8, 7.8}}), t, 0.8);
    fill(p, rounded(QRectF(5.0, 5.0, 1.4, 11.0), 0.3), t, 0.6);
    fill(p, rounded(QRectF(16.8, 2.0, 1.4, 11.0), 0.3), t, 0.6);
    fill(p, turned(ellipse({3.8, 16.2}, 3.0, 2.2), {3.8, 16.2}, -22), t);
    fill(p, turned(ellipse({15.6, 13.2}, 3.0, 2.2), {15.6, 13.2}, -22), t);
}

// Food and drink ----------------------------------------------------------------

void cake(QPainter& p)
{
    fill(p, ellipse({10, 17.8}, 9.0, 1.8), whiteTint, 0.8);
    fill(p, rounded(QRectF(2.6, 9.0, 14.8, 8.4), 1.6), brownTint);
    QPainterPath icing;
    icing.moveTo(2.6, 10.6);
    icing.quadTo(2.6, 9.0, 4.2, 9.0);
    icing.lineTo(15.8, 9.0);
    icing.quadTo(17.4, 9.0, 17.4, 10.6);
    icing.lineTo(17.4, 12.0);
    for (const qreal x : {15.0, 12.2, 9.4, 6.6, 3.8})
        icing.quadTo(x + 1.3, 14.6, x, 12.2);
    icing.lineTo(2.6, 12.0);
    icing.closeSubpath();
    fill(p, icing, pinkTint, 0.8);
    fill(p, rounded(QRectF(9.0, 3.6, 2.0, 5.4), 0.4), blueTint, 0.6);
    fill(p, drop({10, 0.2}, 1.4, 2.4), orangeTint, 0.6);
    for (const QPointF d : {QPointF(5.2, 15.0), QPointF(10.0, 15.6), QPointF(14.6, 15.0)})
        dot(p, d, 0.7, pal::yellow);
}

void gift(QPainter& p)
{
    fill(p, rounded(QRectF(2.6, 9.0, 14.8, 9.8), 0.8), redTint);
    fill(p, rounded(QRectF(1.4, 6.2, 17.2, 3.8), 0.8), redTint);
    const QColor band = pal::yellow;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(8.6, 6.6, 2.8, 11.8));
    p.restore();
    QPainterPath bow;
    bow.moveTo(10, 6.0);
    bow.cubicTo(6.4, 0.4, 2.2, 3.0, 5.0, 6.0);
    bow.closeSubpath();
    bow.addPath(mirrored(bow));
    fill(p, bow, goldTint, 0.8);
}

void beer(QPainter& p)
{
    QPainterPath handle = rounded(QRectF(12.0, 7.0, 6.2, 8.0), 2.6);
    handle = handle.subtracted(rounded(QRectF(13.6, 8.8, 3.0, 4.4), 1.2));
    fill(p, handle, whiteTint, 0.8);
    fill(p, rounded(QRectF(2.4, 5.0, 11.0, 14.0), 1.4), {QColor(0xFF, 0xDE, 0x6A), QColor(0xF2, 0x9A, 0x10), pal::orangeDeep});
    for (const qreal x : {5.4, 8.0, 10.6})
        stroke(p, polyline({{x, 9.0}, {x, 17.0}}), QColor(255, 255, 255, 110), 0.9);
    QPainterPath foam;
    foam.addEllipse(QPointF(4.2, 4.6), 2.8, 2.6);
    foam.addEllipse(QPointF(8.0, 3.4), 3.2, 3.0);
    foam.addEllipse(QPointF(11.8, 4.6), 2.6, 2.4);
    foam.addRect(QRectF(2.4, 4.6, 11.0, 2.6));
    fill(p, merged(foam), whiteTint, 0.8);
}

void coffeePicture(QPainter& p) { onGrid(p, coffee); }

void pizza(QPainter& p)
{
    QPainterPath slice;
    slice.moveTo(10, 19.2);
    slice.lineTo(1.4, 4.2);
    slice.quadTo(10, -0.6, 18.6, 4.2);
    slice.closeSubpath();
    fill(p, slice, goldTint);
    QPainterPath crust;
    crust.moveTo(1.0, 4.4);
    crust.quadTo(10, -0.8, 19.0, 4.4);
    stroke(p, crust, pal::brownDeep, 3.4);
    stroke(p, crust, pal::brownLight, 1.8);
    for (const QPointF at : {QPointF(7.4, 7.0), QPointF(12.6, 7.6), QPointF(10.0, 12.6)})
        ball(p, circle(at, 1.8), redTint, 0.6);
}

void iceCream(QPainter& p)
{
    QPainterPath cone = closed({{4.0, 9.6}, {16.0, 9.6}, {10, 19.6}});
    fill(p, cone, {pal::orangeLight, pal::brownLight, pal::brownDeep});
    p.save();
    p.setClipPath(cone);
    for (qreal x = -6; x < 20; x += 3.2) {
        stroke(p, polyline({{x, 9.0}, {x + 10, 20}}), pal::brown, 0.6);
        stroke(p, polyline({{x + 10, 9.0}, {x, 20}}), pal::brown, 0.6);
    }
    p.restore();
    stroke(p, cone, pal::brownDeep, 0.9);
    QPainterPath scoop;
    scoop.addEllipse(QPointF(10, 6.8), 6.4, 5.0);
    scoop.addRect(QRectF(3.6, 8.0, 12.8, 2.4));
    fill(p, merged(scoop), pinkTint);
    ball(p, circle({10.6, 1.8}, 1.6), redTint, 0.6);
}

void cherries(QPainter& p)
{
    stroke(p, curve({5.6, 12.0}, {7.0, 5.0}, {12.4, 2.0}), pal::greenDeep, 1.2);
    stroke(p, curve({14.4, 13.0}, {13.6, 6.0}, {12.4, 2.0}), pal::greenDeep, 1.2);
    QPainterPath leaf;
    leaf.moveTo(12.4, 2.0);
    leaf.quadTo(15.6, -0.6, 18.6, 2.4);
    leaf.quadTo(15.4, 4.6, 12.4, 2.0);
    fill(p, leaf, greenTint, 0.7);
    for (const QPointF at : {QPointF(5.4, 14.8), QPointF(14.2, 15.4)}) {
        ball(p, circle(at, 4.0), redTint);
        shine(p, QRectF(at.x() - 2.8, at.y() - 2.8, 2.4, 2.0), 220);
    }
}

void apple(QPainter& p)
{
    QPainterPath body;
    body.moveTo(10, 5.6);
    body.cubicTo(13.0, 3.4, 19.0, 4.4, 18.4, 11.0);
    body.cubicTo(18.0, 16.0, 14.4, 19.6, 10, 18.0);
    body.cubicTo(5.6, 19.6, 2.0, 16.0, 1.6, 11.0);
    body.cubicTo(1.0, 4.4, 7.0, 3.4, 10, 5.6);
    body.closeSubpath();
    stroke(p, curve({10, 6.0}, {9.8, 3.0}, {11.2, 1.0}), pal::brownDeep, 1.4);
    ball(p, body, redTint);
    fill(p, curve({11.0, 3.6}, {14.0, 0.2}, {17.0, 2.2}).united(curve({17.0, 2.2}, {14.6, 5.2}, {11.0, 3.6})),
         greenTint, 0.7);
    shine(p, QRectF(4.2, 7.0, 3.6, 3.0), 220);
}

void lollipop(QPainter& p)
{
    stroke(p, polyline({{10, 11}, {10, 19.6}}), pal::greyDeep, 2.4);
    stroke(p, polyline({{10, 11}, {10, 19.6}}), pal::white, 1.2);
    const QPointF c(10, 7.6);
    ball(p, circle(c, 7.2), pinkTint);
    QPainterPath swirl;
    for (int i = 0; i <= 50; ++i) {
        const qreal t = i / 50.0;
        const qreal a = qDegreesToRadians(t * 760.0);
        const qreal r = 0.4 + 6.2 * t;
        const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
        if (i == 0)
            swirl.moveTo(pt);
        else
            swirl.lineTo(pt);
    }
    stroke(p, swirl, pal::white, 1.4);
    stroke(p, circle(c, 7.2), pal::pinkDeep, 1.0);
}

// Animals -------------------------------------------------------------------------

void cat(QPainter& p)
{
    const Tint fur = orangeTint;
    QPainterPath head = ellipse({10, 11.4}, 8.4, 7.2);
    head.addPath(closed({{2.2, 9.0}, {3.0, 1.2}, {8.4, 5.2}}));
    head.addPath(closed({{17.8, 9.0}, {17.0, 1.2}, {11.6, 5.2}}));
    fill(p, merged(head), fur);
    fill(p, closed({{3.6, 6.4}, {4.0, 3.0}, {6.6, 5.0}}), pinkTint, 0);
    fill(p, closed({{16.4, 6.4}, {16.0, 3.0}, {13.4, 5.0}}), pinkTint, 0);
    for (const qreal x : {6.6, 13.4}) {
        dot(p, {x, 10.2}, 1.5, pal::greenDeep);
        dot(p, {x, 10.2}, 0.6, pal::black);
    }
    fill(p, closed({{8.8, 12.6}, {11.2, 12.6}, {10, 13.8}}), pinkTint, 0.6);
    stroke(p, curve({8.0, 15.0}, {10, 16.4}, {10, 13.8}).united(curve({12.0, 15.0}, {10, 16.4}, {10, 13.8})),
           pal::orangeDeep, 0.8);
    for (const qreal dy : {-0.6, 1.0}) {
        stroke(p, polyline({{7.0, 13.6}, {0.6, 13.0 + dy}}), pal::brownDeep, 0.6);
        stroke(p, polyline({{13.0, 13.6}, {19.4, 13.0 + dy}}), pal::brownDeep, 0.6);
    }
}

void dog(QPainter& p)
{
    fill(p, ellipse({10, 10.6}, 7.4, 7.8), brownTint);
    const QPainterPath ear = ellipse({3.0, 8.4}, 2.6, 5.6);
    fill(p, turned(ear, {3.0, 8.4}, 18), {pal::brown, pal::brownDeep, pal::brownDeep});
    fill(p, mirrored(turned(ear, {3.0, 8.4}, 18)), {pal::brown, pal::brownDeep, pal::brownDeep});
    fill(p, ellipse({10, 14.0}, 4.6, 3.8), {pal::white, QColor(0xF4, 0xDC, 0xBC), pal::brown}, 0.8);
    dot(p, {7.2, 9.4}, 1.3, pal::black);
    dot(p, {12.8, 9.4}, 1.3, pal::black);
    dot(p, {7.6, 9.0}, 0.4, pal::white);
    dot(p, {13.2, 9.0}, 0.4, pal::white);
    ball(p, ellipse({10, 12.4}, 2.0, 1.4), {pal::greyDeep, pal::black, pal::black}, 0.5);
    fill(p, rounded(QRectF(9.0, 15.0, 2.0, 3.0), 1.0), pinkTint, 0.6);
}

void fish(QPainter& p)
{
    fill(p, closed({{13.6, 10}, {18.8, 4.4}, {17.6, 10}, {18.8, 15.6}}), orangeTint);
    fill(p, closed({{6.4, 4.8}, {10.0, 1.8}, {12.0, 5.4}}), orangeTint, 0.8);
    QPainterPath body;
    body.moveTo(0.8, 10.4);
    body.cubicTo(3.0, 3.4, 12.4, 2.6, 16.2, 10.0);
    body.cubicTo(12.4, 17.4, 3.0, 16.6, 0.8, 10.4);
    body.closeSubpath();
    fill(p, body, orangeTint);
    stroke(p, curve({8.4, 5.8}, {10.0, 10}, {8.4, 14.2}), pal::orangeDeep, 0.8);
    dot(p, {4.4, 8.8}, 1.4, pal::white);
    dot(p, {4.6, 8.8}, 0.8, pal::black);
    shine(p, QRectF(5.6, 5.6, 4.0, 2.2), 170);
}

void butterfly(QPainter& p)
{
    QPainterPath upper;
    upper.moveTo(9.4, 8.6);
    upper.cubicTo(7.0, 2.0, 2.0, 0.2, 1.0, 2.4);
    upper.cubicTo(0.2, 5.0, 1.6, 9.6, 9.4, 10.4);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(9.4, 10.6);
    lower.cubicTo(4.0, 10.4, 1.6, 14.4, 3.4, 17.2);
    lower.cubicTo(5.2, 19.4, 8.6, 16.0, 9.4, 12.6);
    lower.closeSubpath();
    for (const QTransform& side : {QTransform(), QTransform(-1, 0, 0, 1, kSize, 0)}) {
        fill(p, side.map(lower), purpleTint, 0.9);
        fill(p, side.map(upper), orangeTint, 0.9);
        dot(p, side.map(QPointF(4.0, 4.6)), 1.3, pal::white);
        dot(p, side.map(QPointF(5.4, 14.6)), 1.0, pal::yellow);
    }
    stroke(p, curve({9.4, 5.0}, {8.8, 2.0}, {6.8, 1.0}), pal::black, 0.8);
    stroke(p, curve({10.6, 5.0}, {11.2, 2.0}, {13.2, 1.0}), pal::black, 0.8);
    fill(p, rounded(QRectF(8.9, 4.4, 2.2, 12.6), 1.1), {pal::greyDeep, pal::black, pal::black}, 0.6);
}

// Things ------------------------------------------------------------------------------

void footballPicture(QPainter& p) { onGrid(p, football); }

void trophy(QPainter& p)
{
    QPainterPath handles = ellipse({4.0, 6.8}, 3.0, 3.4);
    handles.addPath(mirrored(handles));
    stroke(p, handles, pal::yellowDeep, 2.2);
    stroke(p, handles, pal::yellow, 1.0);
    fill(p, rounded(QRectF(4.4, 17.0, 11.2, 2.4), 0.6), brownTint, 0.8);
    fill(p, closed({{8.4, 12.0}, {11.6, 12.0}, {12.6, 17.0}, {7.4, 17.0}}), goldTint, 0.8);
    QPainterPath cup;
    cup.moveTo(3.4, 1.4);
    cup.lineTo(16.6, 1.4);
    cup.quadTo(16.6, 12.6, 10, 12.6);
    cup.quadTo(3.4, 12.6, 3.4, 1.4);
    cup.closeSubpath();
    fill(p, cup, goldTint);
    shine(p, QRectF(5.4, 2.8, 3.0, 5.0), 210);
    fill(p, star({10, 6.4}, 2.6, 1.1), orangeTint, 0.5);
}

void crown(QPainter& p)
{
    fill(p, closed({{1.6, 5.4}, {6.0, 10.0}, {10, 2.6}, {14.0, 10.0}, {18.4, 5.4}, {16.8, 16.0}, {3.2, 16.0}}),
         goldTint);
    fill(p, rounded(QRectF(3.0, 14.8, 14.0, 3.4), 0.8), goldTint, 0.8);
    for (const QPointF at : {QPointF(1.6, 4.8), QPointF(10, 2.0), QPointF(18.4, 4.8)})
        ball(p, circle(at, 1.4), whiteTint, 0.6);
    ball(p, circle({10, 12.0}, 1.7), redTint, 0.6);
    ball(p, circle({5.6, 16.5}, 1.0), blueTint, 0.5);
    ball(p, circle({14.4, 16.5}, 1.0), blueTint, 0.5);
}

void diamond(QPainter& p)
{
    const Tint ice{QColor(0xE8, 0xFA, 0xFF), QColor(0x6C, 0xD4, 0xF4), QColor(0x1C, 0x7C, 0xB0)};
    const QPainterPath gem = closed({{5.0, 2.4}, {15.0, 2.4}, {19.2, 7.4}, {10, 18.8}, {0.8, 7.4}});
    fill(p, gem, ice);
    const QColor facet = ice.deep;
    stroke(p, polyline({{0.8, 7.4}, {19.2, 7.4}}), facet, 0.7);
    stroke(p, polyline({{5.0, 2.4}, {7.0, 7.4}, {10, 18.8}, {13.0, 7.4}, {15.0, 2.4}}), facet, 0.7);
    stroke(p, polyline({{7.0, 7.4}, {10, 2.4}, {13.0, 7.4}}), facet, 0.7);
    shine(p, QRectF(4.0, 3.2, 4.0, 3.4), 230);
}

void camera(QPainter& p)
{
    fill(p, rounded(QRectF(6.0, 2.8, 6.4, 3.6), 1.0), greyTint, 0.8);
    fill(p, rounded(QRectF(0.8, 5.0, 18.4, 12.8), 2.4), {QColor(0x6A, 0x74, 0x82), QColor(0x2E, 0x34, 0x3C), pal::black});
    fill(p, rounded(QRectF(14.4, 6.4, 3.0, 2.0), 0.6), goldTint, 0.5);
    ball(p, circle({9.6, 11.6}, 4.8), greyTint, 0.8);
    ball(p, circle({9.6, 11.6}, 3.2), {QColor(0x7C, 0xC2, 0xFF), QColor(0x1A, 0x3C, 0x7A), QColor(0x08, 0x10, 0x24)}, 0.6);
    shine(p, QRectF(7.6, 9.4, 2.4, 2.0), 230);
}

void mobile(QPainter& p)
{
    fill(p, rounded(QRectF(4.6, 0.8, 10.8, 18.4), 2.2), {QColor(0x6A, 0x74, 0x82), QColor(0x2E, 0x34, 0x3C), pal::black});
    fill(p, rounded(QRectF(6.0, 3.0, 8.0, 11.6), 0.6), {QColor(0xC8, 0xEE, 0xFF), pal::blue, pal::blueDeep}, 0.6);
    stroke(p, polyline({{8.6, 1.9}, {11.4, 1.9}}), pal::grey, 0.7);
    ball(p, circle({10, 16.9}, 1.2), greyTint, 0.6);
    shine(p, QRectF(6.6, 3.6, 3.6, 3.0), 180);
}

void letter(QPainter& p)
{
    const QRectF r(1.0, 4.0, 18.0, 12.6);
    fill(p, rounded(r, 1.2), {pal::white, QColor(0xF4, 0xEC, 0xD8), pal::brown});
    stroke(p, polyline({{1.6, 15.8}, {8.0, 10.2}}), pal::brown, 0.8);
    stroke(p, polyline({{18.4, 15.8}, {12.0, 10.2}}), pal::brown, 0.8);
    fill(p, closed({{1.4, 4.6}, {10, 11.8}, {18.6, 4.6}}), {pal::white, QColor(0xEC, 0xE0, 0xC4), pal::brown}, 0.8);
    plainHeart(p, QRectF(8.2, 9.0, 3.6, 3.4), redTint);
}

void clock(QPainter& p)
{
    const QPointF c(10, 10);
    ball(p, circle(c, 9.0), blueTint);
    fill(p, circle(c, 7.2), whiteTint, 0.8);
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(i * 30.0);
        const qreal r = i % 3 ? 0.45 : 0.75;
        dot(p, QPointF(c.x() + 5.8 * qCos(a), c.y() + 5.8 * qSin(a)), r, pal::greyDeep);
    }
    stroke(p, polyline({c, {10, 4.8}}), pal::black, 1.3);
    stroke(p, polyline({c, {13.8, 10}}), pal::black, 1.3);
    dot(p, c, 1.0, pal::red);
}

void bulb(QPainter& p)
{
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-170.0 + i * 40.0);
        const QPointF c(10, 7.4);
        stroke(p, polyline({{c.x() + 8.0 * qCos(a), c.y() + 8.0 * qSin(a)}, {c.x() + 9.6 * qCos(a), c.y() + 9.6 * qSin(a)}}),
               pal::orange, 1.1);
    }
    QPainterPath glass;
    glass.moveTo(7.4, 13.4);
    glass.cubicTo(6.8, 11.0, 3.6, 10.2, 3.6, 7.0);
    glass.cubicTo(3.6, 3.4, 6.6, 1.2, 10, 1.2);
    glass.cubicTo(13.4, 1.2, 16.4, 3.4, 16.4, 7.0);
    glass.cubicTo(16.4, 10.2, 13.2, 11.0, 12.6, 13.4);
    glass.closeSubpath();
    shadeRound(p, glass, pal::white, pal::yellowLight, pal::yellow, pal::yellowDeep);
    stroke(p, polyline({{8.4, 13.0}, {8.4, 9.0}, {10, 7.4}, {11.6, 9.0}, {11.6, 13.0}}), pal::orangeDeep, 0.7);
    fill(p, rounded(QRectF(7.2, 13.2, 5.6, 4.4), 1.0), greyTint, 0.8);
    stroke(p, polyline({{7.4, 14.7}, {12.6, 14.7}}), pal::greyDeep, 0.6);
    stroke(p, polyline({{7.4, 16.2}, {12.6, 16.2}}), pal::greyDeep, 0.6);
    fill(p, rounded(QRectF(8.6, 17.4, 2.8, 1.8), 0.8), {pal::greyDeep, pal::black, pal::black}, 0.5);
}

void fire(QPainter& p)
{
    QPainterPath outer;
    outer.moveTo(10, 19.4);
    outer.cubicTo(3.0, 19.4, 1.6, 12.0, 6.0, 7.6);
    outer.cubicTo(6.0, 10.0, 7.4, 11.0, 8.2, 11.0);
    outer.cubicTo(6.6, 6.0, 9.6, 2.4, 11.6, 0.6);
    outer.cubicTo(11.4, 4.8, 17.8, 7.6, 16.8, 13.6);
    outer.cubicTo(16.2, 17.6, 13.4, 19.4, 10, 19.4);
    outer.closeSubpath();
    fill(p, outer, {pal::orange, pal::red, pal::redDeep});
    QPainterPath inner;
    inner.moveTo(10, 18.6);
    inner.cubicTo(6.4, 18.6, 5.6, 14.6, 8.0, 12.0);
    inner.cubicTo(8.4, 13.6, 9.4, 14.0, 10.2, 13.6);
    inner.cubicTo(9.6, 11.2, 11.0, 9.4, 12.0, 8.4);
    inner.cubicTo(12.2, 11.0, 14.6, 12.6, 13.8, 15.4);
    inner.cubicTo(13.2, 17.6, 11.6, 18.6, 10, 18.6);
    inner.closeSubpath();
    fill(p, inner, goldTint, 0);
}

void balloon(QPainter& p)
{
    stroke(p, curve({10.2, 14.4}, {7.6, 17.0}, {10.6, 19.8}), pal::greyDeep, 0.8);
    fill(p, closed({{10.2, 13.6}, {8.8, 15.4}, {11.6, 15.4}}), redTint, 0.6);
    ball(p, ellipse({10.2, 7.6}, 6.6, 7.2), redTint);
    shine(p, QRectF(5.6, 2.6, 3.8, 4.6), 220);
}

void house(QPainter& p)
{
    fill(p, rounded(QRectF(13.0, 2.6, 2.8, 5.0), 0.4), brownTint, 0.7);
    fill(p, rounded(QRectF(3.4, 9.0, 13.2, 10.0), 0), {pal::white, QColor(0xF4, 0xE2, 0xB8), pal::brown});
    fill(p, closed({{0.6, 10.2}, {10, 1.2}, {19.4, 10.2}}), redTint);
    fill(p, rounded(QRectF(5.4, 12.6, 3.8, 6.4), 0.6), brownTint, 0.7);
    fill(p, rounded(QRectF(11.2, 12.0, 3.6, 3.4), 0), blueTint, 0.7);
}

void car(QPainter& p)
{
    QPainterPath body;
    body.moveTo(1.0, 14.6);
    body.lineTo(1.0, 11.0);
    body.quadTo(1.0, 9.6, 2.6, 9.4);
    body.lineTo(5.0, 9.0);
    body.lineTo(7.4, 4.8);
    body.quadTo(8.0, 4.0, 9.0, 4.0);
    body.lineTo(14.0, 4.0);
    body.quadTo(15.0, 4.0, 15.6, 5.0);
    body.lineTo(17.6, 9.0);
    body.quadTo(19.0, 9.4, 19.0, 11.0);
    body.lineTo(19.0, 14.6);
    body.closeSubpath();
    fill(p, body, redTint);
    fill(p, closed({{6.8, 9.0}, {8.6, 5.6}, {11.0, 5.6}, {11.0, 9.0}}), {pal::white, pal::blueLight, pal::blueDeep}, 0.6);
    fill(p, closed({{12.4, 9.0}, {12.4, 5.6}, {14.4, 5.6}, {16.0, 9.0}}), {pal::white, pal::blueLight, pal::blueDeep}, 0.6);
    for (const qreal x : {5.4, 14.6}) {
        ball(p, circle({x, 14.8}, 2.8), {pal::greyDeep, pal::black, pal::black}, 0.6);
        dot(p, {x, 14.8}, 1.1, pal::greyLight);
    }
    dot(p, {18.2, 11.4}, 0.8, pal::yellowLight);
}

void key(QPainter& p)
{
    QPainterPath k = circle({6.0, 6.0}, 5.0);
    k.addPath(turned(rounded(QRectF(8.0, 4.7, 12.0, 2.6), 0.6), {6.0, 6.0}, 45));
    k.addPath(turned(rounded(QRectF(14.0, 7.0, 2.0, 3.0), 0), {6.0, 6.0}, 45));
    k.addPath(turned(rounded(QRectF(17.0, 7.0, 2.0, 4.0), 0), {6.0, 6.0}, 45));
    k = merged(k).subtracted(circle({4.8, 4.8}, 1.7));
    fill(p, k, goldTint);
}

// Hands and signs -------------------------------------------------------------------

void thumbUp(QPainter& p)
{
    const Tint skin{pal::faceLight, pal::faceBase, pal::faceLine};
    fill(p, rounded(QRectF(1.0, 8.8, 4.2, 10.4), 0.8), blueTint, 0.9);
    QPainterPath palm = rounded(QRectF(5.0, 8.8, 8.0, 10.2), 2.0);
    palm.addPath(turned(rounded(QRectF(6.2, 1.0, 4.4, 10.4), 2.2), {8.4, 10.0}, 8));
    fill(p, merged(palm), skin, 1.0);
    for (int i = 3; i >= 0; --i)
        fill(p, rounded(QRectF(9.6, 8.8 + i * 2.5, 8.4 - (i == 3 ? 1.2 : 0), 2.7), 1.3), skin, 0.9);
}

void thumbDown(QPainter& p)
{
    p.save();
    p.translate(kSize, kSize);
    p.rotate(180);
    thumbUp(p);
    p.restore();
}

void check(QPainter& p)
{
    const QPainterPath mark = polyline({{2.4, 10.8}, {7.6, 16.0}, {17.6, 3.6}});
    stroke(p, mark, pal::greenDeep, 5.0);
    stroke(p, mark, pal::green, 3.0);
    stroke(p, polyline({{3.4, 10.4}, {7.6, 14.6}}), pal::greenLight, 1.0);
}

void cross(QPainter& p)
{
    QPainterPath mark = polyline({{3.4, 3.4}, {16.6, 16.6}});
    mark.addPath(polyline({{16.6, 3.4}, {3.4, 16.6}}));
    stroke(p, mark, pal::redDeep, 5.0);
    stroke(p, mark, pal::red, 3.0);
}

void arrow(QPainter& p, qreal degrees)
{
    const QPainterPath a = closed({{10, 1.0}, {18.6, 9.6}, {13.4, 9.6}, {13.4, 18.6}, {6.6, 18.6}, {6.6, 9.6}, {1.4, 9.6}});
    fill(p, turned(a, {10, 10}, degrees), blueTint);
}

void arrowUp(QPainter& p) { arrow(p, 0); }
void arrowDown(QPainter& p) { arrow(p, 180); }
void arrowLeft(QPainter& p) { arrow(p, -90); }
void arrowRight(QPainter& p) { arrow(p, 90); }

void badge(QPainter& p, const QString& digit, const Tint& t)
{
    ball(p, circle({10, 10}, 9.0), t);
    const QPainterPath glyph = text(digit, 14.0, {10, 10.2});
    stroke(p, glyph, t.deep, 1.4);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::white);
    p.drawPath(glyph);
    p.restore();
}

void one(QPainter& p) { badge(p, QStringLiteral("1"), blueTint); }
void two(QPainter& p) { badge(p, QStringLiteral("2"), orangeTint); }
void three(QPainter& p) { badge(p, QStringLiteral("3"), greenTint); }

void question(QPainter& p)
{
    const QPainterPath g = text(QStringLiteral("?"), 19.0, {10, 10});
    stroke(p, g, blueTint.deep, 2.0);
    fill(p, g, blueTint, 0);
}

void exclamation(QPainter& p)
{
    QPainterPath bar;
    bar.moveTo(7.2, 3.0);
    bar.quadTo(7.2, 0.8, 10, 0.8);
    bar.quadTo(12.8, 0.8, 12.8, 3.0);
    bar.lineTo(11.2, 12.6);
    bar.quadTo(10, 13.8, 8.8, 12.6);
    bar.closeSubpath();
    fill(p, bar, redTint);
    ball(p, circle({10, 16.9}, 2.3), redTint);
}

struct ListPicture {
    const char* what;
    void (*draw)(QPainter&);
};

// Picture K is entry K - 1, the code "//" with K - 1 in two digits.
const std::array<ListPicture, 65> table = {{
    {"red heart", redHeart},
    {"pink heart", pinkHeart},
    {"purple heart", purpleHeart},
    {"blue heart", blueHeart},
    {"green heart", greenHeart},
    {"orange heart", orangeHeart},
    {"heart with an arrow", arrowedHeart},
    {"two hearts", twoHearts},
    {"star", yellowStar},
    {"shooting star", shootingStar},
    {"sparkles", sparkles},
    {"daisy", daisy},
    {"tulip", tulip},
    {"rose", rosePicture},
    {"sunflower", sunflower},
    {"music note", note},
    {"music notes", notes},
    {"birthday cake", cake},
    {"gift", gift},
    {"beer", beer},
    {"coffee", coffeePicture},
    {"pizza", pizza},
    {"sun", sunPicture},
    {"moon", moon},
    {"cloud", cloud},
    {"rain", rain},
    {"lightning", lightning},
    {"snowflake", snowflake},
    {"umbrella", umbrella},
    {"cat", cat},
    {"dog", dog},
    {"fish", fish},
    {"butterfly", butterfly},
    {"football", footballPicture},
    {"trophy", trophy},
    {"crown", crown},
    {"diamond", diamond},
    {"four-leaf clover", clover},
    {"camera", camera},
    {"mobile phone", mobile},
    {"letter", letter},
    {"clock", clock},
    {"light bulb", bulb},
    {"fire", fire},
    {"thumbs up", thumbUp},
    {"thumbs down", thumbDown},
    {"check mark", check},
    {"cross", cross},
    {"arrow up", arrowUp},
    {"arrow down", arrowDown},
    {"arrow left", arrowLeft},
    {"arrow right", arrowRight},
    {"number 1", one},
    {"number 2", two},
    {"number 3", three},
    {"question mark", question},
    {"exclamation mark", exclamation},
    {"ice cream", iceCream},
    {"cherries", cherries},
    {"apple", apple},
    {"balloon", balloon},
    {"lollipop", lollipop},
    {"house", house},
    {"car", car},
    {"key", key},
}};

}  // namespace

std::vector<Picture> listPictures()
{
    std::vector<Picture> out;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const QString k = QString::number(i + 1);
        out.push_back({QStringLiteral("img/list-new/%1.png").arg(k), k, paint(kSize, kSize, table[i].draw)});
    }
    return out;
}

}  // namespace pictures
