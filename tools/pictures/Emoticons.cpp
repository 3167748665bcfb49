// The 44 emoticons of the chat text, numbered as their codes are listed.
#include "pictures/Face.h"
#include "pictures/Paint.h"
#include "pictures/Palette.h"
#include "pictures/Pictures.h"
#include "pictures/Symbols.h"

#include <QtMath>
#include <array>

namespace pictures {
namespace {

namespace pal = palette;

constexpr QPointF L = Face::left;
constexpr QPointF R = Face::right;

void sadBrows(Face& f)
{
    f.brow({4.0, 4.4}, {7.8, 3.2});
    f.brow({15.0, 4.4}, {11.2, 3.2});
}

void angryBrows(Face& f)
{
    f.brow({3.6, 3.6}, {8.2, 5.6}, 1.4);
    f.brow({15.4, 3.6}, {10.8, 5.6}, 1.4);
}

// Letters and signs floating beside a face: white rim so they read on any background.
void sign(QPainter& p, const QPainterPath& glyph, const QColor& color)
{
    stroke(p, glyph, pal::white, 1.6);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(glyph);
    p.restore();
}

void smile(QPainter& p)
{
    Face f(p);
    f.head();
    f.eyes();
    f.smile();
}

void bigGrin(QPainter& p)
{
    Face f(p);
    f.head();
    f.eyes({0, -0.6});
    f.grin();
}

void surprised(QPainter& p)
{
    Face f(p);
    f.head();
    f.wideEye(L + QPointF(0, -0.6), {0, 0.3});
    f.wideEye(R + QPointF(0, -0.6), {0, 0.3});
    f.open({9.5, 13.7}, 4.4, 5.0);
}

void smallO(QPainter& p)
{
    Face f(p);
    f.head();
    f.brow({4.6, 3.4}, {7.8, 2.8}, 1.1);
    f.brow({11.2, 2.8}, {14.4, 3.4}, 1.1);
    f.eyes({0, 0.4});
    f.open({9.5, 13.4}, 2.6, 3.0);
}

void tongueOut(QPainter& p)
{
    Face f(p);
    f.head();
    f.eyes();
    f.tongue(QRectF(7.5, 12.0, 4.0, 5.2));
    f.smile(3.4);
}

void wink(QPainter& p)
{
    Face f(p);
    f.head();
    f.eye(L);
    f.happyEye(R + QPointF(0, 0.4));
    f.line(curve({4.8, 11.8}, {9.0, 16.4}, {14.4, 10.4}));
}

void sad(QPainter& p)
{
    Face f(p);
    f.head();
    f.eyes({0, 0.3});
    f.frown();
}

void neutral(QPainter& p)
{
    Face f(p);
    f.head();
    f.eyes();
    f.flat(13.5, 5.8, 13.2);
}

void crying(QPainter& p)
{
    Face f(p);
    f.head();
    sadBrows(f);
    f.eyes({0, 0.6});
    f.frown();
    shade(p, drop({13.4, 9.2}, 1.7, 4.6), pal::white, pal::tear, pal::tearLine, 0.8);
}

void blushing(QPainter& p)
{
    Face f(p);
    f.head();
    f.cheeks(210);
    f.eye(L + QPointF(0.3, 0.9), 2.0, 2.8);
    f.eye(R + QPointF(-0.3, 0.9), 2.0, 2.8);
    QPainterPath mouth;
    mouth.moveTo(6.8, 13.8);
    mouth.quadTo(7.7, 12.6, 8.6, 13.4);
    mouth.quadTo(9.5, 14.2, 10.4, 13.4);
    mouth.quadTo(11.3, 12.6, 12.2, 13.8);
    f.line(mouth, 1.1);
}

void sunglasses(QPainter& p)
{
    Face f(p);
    f.head();
    f.sunglasses(5.0);
    f.smile(4.2);
}

void angry(QPainter& p)
{
    Face f(p, skins::red);
    f.head();
    angryBrows(f);
    f.eye(L + QPointF(0.2, 1.0), 2.1, 2.6);
    f.eye(R + QPointF(-0.2, 1.0), 2.1, 2.6);
    f.frown();
}

void shouting(QPainter& p)
{
    Face f(p, skins::red);
    f.head();
    angryBrows(f);
    f.eye(L + QPointF(0.2, 0.8), 2.1, 2.4);
    f.eye(R + QPointF(-0.2, 0.8), 2.1, 2.4);
    QPainterPath mouth;
    mouth.addRoundedRect(QRectF(4.6, 11.2, 9.8, 6.0), 3.0, 3.0);
    p.save();
    p.setPen(linePen(f.colours().ink, 1.0));
    p.setBrush(pal::mouth);
    p.drawPath(mouth);
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::white);
    p.drawRect(QRectF(4, 11.2, 11, 1.5));
    p.drawRect(QRectF(4, 15.9, 11, 1.5));
    p.restore();
    stroke(p, mouth, f.colours().ink, 1.0);
}

void confused(QPainter& p)
{
    Face f(p);
    f.head();
    f.brow({4.2, 3.4}, {8.0, 4.6}, 1.1);
    f.line(curve({11.0, 3.6}, {12.8, 1.8}, {14.8, 3.4}), 1.1);
    f.eye(L + QPointF(0, 0.6), 2.0, 2.8);
    f.eye(R + QPointF(0, 0.2), 2.5, 3.8);
    f.wavy(13.4);
}

void angel(QPainter& p)
{
    p.save();
    placeFace(p, {9.5, 11.4}, 0.8);
    Face f(p);
    f.head();
    f.eyes();
    f.smile(4.0);
    p.restore();
    QPainterPath halo;
    halo.addEllipse(QPointF(9.5, 2.4), 5.4, 1.7);
    stroke(p, halo, QColor(0x9A, 0x66, 0x00), 1.8);
    stroke(p, halo, pal::yellow, 0.8);
}

void grumpy(QPainter& p)
{
    Face f(p);
    f.head();
    f.brow({4.0, 4.2}, {8.2, 5.0}, 1.3);
    f.brow({15.0, 4.2}, {10.8, 5.0}, 1.3);
    f.heavyEye(L, 0, 0.6);
    f.heavyEye(R, 0, 0.6);
    f.line(curve({6.8, 14.4}, {9.5, 12.2}, {12.2, 14.4}), 1.3);
}

void cap(QPainter& p)
{
    Face f(p);
    f.head();
    QPainterPath headShape;
    headShape.addEllipse(QRectF(0.5, 0.5, 18, 18));
    QPainterPath top;
    top.addRect(QRectF(0, 0, 19, 6.8));
    shade(p, headShape.intersected(top), pal::blueLight, pal::blue, pal::blueDeep, 1.0);
    QPainterPath brim;
    brim.moveTo(1.4, 6.4);
    brim.lineTo(9.0, 6.4);
    brim.quadTo(12.0, 6.6, 13.2, 8.4);
    brim.quadTo(6.0, 9.2, 1.0, 8.0);
    brim.closeSubpath();
    shade(p, brim, pal::blue, pal::blueDeep, pal::blueDeep, 0.9);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::orange);
    p.drawEllipse(QPointF(9.5, 1.3), 1.2, 0.8);
    p.restore();
    f.eye(L + QPointF(0.4, 3.0), 2.1, 2.8);
    f.eye(R + QPointF(0, 3.0), 2.1, 2.8);
    f.line(curve({6.4, 13.8}, {10.4, 16.2}, {14.0, 12.4}));
}

void telephone(QPainter& p)
{
    QPainterPath body;
    body.moveTo(5.6, 8.0);
    body.lineTo(13.4, 8.0);
    body.quadTo(14.8, 8.0, 15.4, 9.6);
    body.lineTo(17.6, 16.0);
    body.quadTo(18.0, 17.6, 16.4, 17.6);
    body.lineTo(2.6, 17.6);
    body.quadTo(1.0, 17.6, 1.4, 16.0);
    body.lineTo(3.6, 9.6);
    body.quadTo(4.2, 8.0, 5.6, 8.0);
    body.closeSubpath();
    shade(p, body, pal::redLight, pal::red, pal::redDeep);
    QPainterPath handset;
    handset.addRoundedRect(QRectF(3.0, 2.4, 13.0, 3.0), 1.5, 1.5);
    handset.addEllipse(QPointF(3.8, 5.6), 2.6, 1.7);
    handset.addEllipse(QPointF(15.2, 5.6), 2.6, 1.7);
    handset = merged(handset);
    shade(p, handset, pal::redLight, pal::red, pal::redDeep);
    shine(p, QRectF(5.0, 2.6, 6.0, 1.4), 170);
    const QPointF dial(9.5, 12.9);
    p.save();
    p.setPen(linePen(pal::redDeep, 0.8));
    p.setBrush(pal::white);
    p.drawEllipse(dial, 3.0, 3.0);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::greyDeep);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(-60.0 + i * 36.0);
        p.drawEllipse(QPointF(dial.x() + 1.9 * qCos(a), dial.y() + 1.9 * qSin(a)), 0.45, 0.45);
    }
    p.setBrush(pal::red);
    p.drawEllipse(dial, 0.9, 0.9);
    p.restore();
}

void wacky(QPainter& p)
{
    Face f(p);
    f.head();
    QPainter& q = f.painter();
    q.save();
    q.setPen(linePen(pal::ink, 0.8));
    q.setBrush(pal::white);
    q.drawEllipse(L + QPointF(-0.3, -0.4), 3.0, 3.2);
    q.setPen(Qt::NoPen);
    q.setBrush(pal::ink);
    q.drawEllipse(L + QPointF(0.9, 0.3), 1.3, 1.4);
    q.restore();
    f.eye(R + QPointF(0.4, 0.2), 1.8, 2.2);
    q.save();
    q.translate(12.0, 13.6);
    q.rotate(-28);
    f.tongue(QRectF(-1.8, -1.6, 3.6, 5.0));
    q.restore();
    f.line(curve({4.6, 12.6}, {9.0, 15.2}, {15.0, 11.2}));
}

void sick(QPainter& p)
{
    Face f(p, skins::green);
    f.head();
    f.heavyEye(L, 0, 0.8);
    f.heavyEye(R, 0, 0.8);
    f.wavy(13.6);
    shade(p, drop({15.8, 1.6}, 1.4, 3.4), pal::white, pal::tear, pal::tearLine, 0.7);
}

void sideGlance(QPainter& p)
{
    Face f(p);
    f.head();
    f.heavyEye(L, 0.9, 0.2);
    f.heavyEye(R, 0.9, 0.2);
    f.line(curve({8.2, 13.4}, {11.0, 12.8}, {13.8, 13.0}));
}


void robot(QPainter& p)
{
    stroke(p, polyline({{9.5, 4.6}, {9.5, 1.8}}), pal::greyDeep, 1.1);
    shadeRound(p, circle({9.5, 1.6}, 1.3), pal::redLight, pal::red, pal::redDeep, pal::redDeep, 0.6);
    QPainterPath ears;
    ears.addRoundedRect(QRectF(1.0, 8.6, 2.4, 4.6), 0.8, 0.8);
    ears.addRoundedRect(QRectF(15.6, 8.6, 2.4, 4.6), 0.8, 0.8);
    shade(p, ears, pal::grey, pal::greyDeep, pal::greyDeep, 0.8);
    QPainterPath head;
    head.addRoundedRect(QRectF(2.8, 4.4, 13.4, 13.6), 3.0, 3.0);
    shade(p, head, pal::greyLight, pal::grey, pal::greyDeep);
    QPainterPath eyes;
    eyes.addRoundedRect(QRectF(5.0, 7.8, 3.4, 3.4), 0.9, 0.9);
    eyes.addRoundedRect(QRectF(10.6, 7.8, 3.4, 3.4), 0.9, 0.9);
    shade(p, eyes, QColor(0xC8, 0xFA, 0xFF), QColor(0x18, 0xC6, 0xF0), pal::greyDeep, 0.8);
    QPainterPath grille;
    grille.addRoundedRect(QRectF(5.6, 13.0, 7.8, 2.8), 0.8, 0.8);
    shade(p, grille, pal::greyDeep, pal::black, pal::black, 0.6);
    for (const qreal x : {7.6, 9.5, 11.4})
        stroke(p, polyline({{x, 13.5}, {x, 15.3}}), pal::greyLight, 0.7);
}

void brokenHeart(QPainter& p)
{
    const QPainterPath whole = heart(QRectF(1.2, 2.6, 16.6, 15.0));
    const std::initializer_list<QPointF> crack = {{9.5, 3.0}, {8.2, 6.6}, {10.6, 9.4}, {8.4, 12.4}, {10.0, 15.0}, {9.5, 18.0}};
    QPainterPath leftSide = polyline(crack);
    leftSide.lineTo(0, 19);
    leftSide.lineTo(0, 0);
    leftSide.closeSubpath();
    QPainterPath rightSide = polyline(crack);
    rightSide.lineTo(19, 19);
    rightSide.lineTo(19, 0);
    rightSide.closeSubpath();
    p.save();
    p.translate(-0.7, 0.1);
    p.rotate(-4);
    shade(p, whole.intersected(leftSide), pal::redLight, pal::red, pal::redDeep);
    p.restore();
    p.save();
    p.translate(1.0, 0.0);
    p.rotate(4);
    shade(p, whole.intersected(rightSide), pal::redLight, pal::red, pal::redDeep);
    p.restore();
    shine(p, QRectF(3.0, 4.0, 4.0, 2.6), 190);
}

void bat(QPainter& p)
{
    QPainterPath wing;
    wing.moveTo(8.0, 8.0);
    wing.quadTo(4.0, 4.0, 0.4, 5.4);
    wing.quadTo(1.8, 8.2, 1.2, 11.2);
    wing.quadTo(2.6, 10.0, 3.8, 11.4);
    wing.quadTo(4.8, 10.2, 6.2, 12.4);
    wing.quadTo(7.0, 11.4, 8.4, 12.2);
    wing.closeSubpath();
    QPainterPath wings = wing;
    wings.addPath(QTransform(-1, 0, 0, 1, 19, 0).map(wing));
    QPainterPath body;
    body.addEllipse(QPointF(9.5, 10.6), 2.8, 3.6);
    body.addEllipse(QPointF(9.5, 7.2), 2.5, 2.2);
    body.addPath(polyline({{7.3, 6.8}, {7.6, 3.6}, {9.0, 5.4}}));
    body.addPath(polyline({{11.7, 6.8}, {11.4, 3.6}, {10.0, 5.4}}));
    const QPainterPath bat = merged(wings.united(body));
    shade(p, bat, QColor(0x7A, 0x4E, 0xA8), QColor(0x2C, 0x16, 0x44), QColor(0x16, 0x08, 0x24));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::yellow);
    p.drawEllipse(QPointF(8.5, 7.0), 0.75, 0.65);
    p.drawEllipse(QPointF(10.5, 7.0), 0.75, 0.65);
    p.setBrush(pal::white);
    p.drawPath(polyline({{8.5, 8.6}, {9.1, 8.6}, {8.8, 9.8}}));
    p.drawPath(polyline({{9.9, 8.6}, {10.5, 8.6}, {10.2, 9.8}}));
    p.restore();
}

void snail(QPainter& p)
{
    QPainterPath body;
    body.moveTo(1.0, 17.8);
    body.quadTo(1.2, 15.8, 4.0, 15.6);
    body.lineTo(13.6, 15.6);
    body.quadTo(14.6, 11.4, 16.2, 10.6);
    body.quadTo(18.2, 10.4, 18.2, 13.0);
    body.lineTo(17.6, 17.8);
    body.closeSubpath();
    stroke(p, polyline({{15.6, 11.2}, {14.4, 7.2}}), pal::greenDeep, 0.9);
    stroke(p, polyline({{17.0, 11.0}, {17.6, 7.0}}), pal::greenDeep, 0.9);
    shade(p, body, QColor(0xE4, 0xF2, 0x9A), QColor(0x9C, 0xC8, 0x44), pal::greenDeep);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::greenDeep);
    p.drawEllipse(QPointF(14.4, 7.0), 0.9, 0.9);
    p.drawEllipse(QPointF(17.6, 6.8), 0.9, 0.9);
    p.restore();
    const QPointF c(8.2, 9.8);
    shadeRound(p, circle(c, 6.0), pal::orangeLight, pal::orange, pal::orangeDeep, pal::brownDeep);
    QPainterPath spiral;
    for (int i = 0; i <= 60; ++i) {
        const qreal t = i / 60.0;
        const qreal a = qDegreesToRadians(t * 720.0 + 90.0);
        const qreal r = 0.5 + 4.3 * t;
        const QPointF pt(c.x() + r * qCos(a), c.y() - r * qSin(a));
        if (i == 0)
            spiral.moveTo(pt);
        else
            spiral.lineTo(pt);
    }
    stroke(p, spiral, pal::brownDeep, 0.9);
}

void laughing(QPainter& p)
{
    Face f(p);
    f.head();
    f.line(polyline({{4.4, 5.0}, {7.8, 6.8}, {4.4, 8.6}}), 1.3);
    f.line(polyline({{14.6, 5.0}, {11.2, 6.8}, {14.6, 8.6}}), 1.3);
    f.laugh();
}

void sleeping(QPainter& p)
{
    p.save();
    placeFace(p, {8.0, 10.6}, 0.84);
    Face f(p);
    f.head();
    f.closedEye(L);
    f.closedEye(R);
    f.open({9.5, 13.8}, 2.4, 2.0);
    p.restore();
    sign(p, text(QStringLiteral("Z"), 7.5, {15.4, 4.6}), pal::blue);
    sign(p, text(QStringLiteral("z"), 5.0, {12.0, 1.9}), pal::blue);
}

void hug(QPainter& p)
{
    p.save();
    placeFace(p, {9.5, 8.6}, 0.82);
    Face f(p);
    f.head();
    f.happyEye(L);
    f.happyEye(R);
    f.cheeks(170);
    f.smile(4.0);
    p.restore();
    for (const qreal side : {1.0, -1.0}) {
        QTransform mirror;
        if (side < 0)
            mirror = QTransform(-1, 0, 0, 1, 19, 0);
        const QPainterPath arm = mirror.map(curve({1.6, 10.4}, {1.6, 16.6}, {7.4, 16.4}));
        stroke(p, arm, pal::faceLine, 3.2);
        stroke(p, arm, pal::faceBase, 1.6);
    }
}

void nerd(QPainter& p)
{
    Face f(p);
    f.head();
    f.eye(L, 1.6, 2.2);
    f.eye(R, 1.6, 2.2);
    p.save();
    p.setPen(linePen(pal::ink, 1.0));
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(L, 2.9, 2.9);
    p.drawEllipse(R, 2.9, 2.9);
    p.restore();
    f.line(polyline({{9.2, 7.0}, {9.8, 7.0}}), 1.0);
    f.smile(4.0);
    p.save();
    p.setPen(linePen(pal::ink, 0.6));
    p.setBrush(pal::white);
    p.drawRect(QRectF(7.9, 13.0, 1.6, 2.0));
    p.drawRect(QRectF(9.5, 13.0, 1.6, 2.0));
    p.restore();
}

void thinking(QPainter& p)
{
    p.save();
    placeFace(p, {8.0, 10.8}, 0.82);
    Face f(p);
    f.head();
    f.eye(L + QPointF(0.6, -0.8), 2.1, 3.0);
    f.eye(R + QPointF(0.6, -0.8), 2.1, 3.0);
    f.line(curve({6.2, 12.6}, {10.0, 15.4}, {13.6, 11.8}));
    p.restore();
    sign(p, text(QStringLiteral("?"), 9.5, {15.8, 4.4}), pal::blue);
}

void devil(QPainter& p)
{
    const Skin& skin = skins::purple;
    QPainterPath horns;
    horns.moveTo(2.8, 6.4);
    horns.quadTo(0.6, 3.2, 1.6, 0.4);
    horns.quadTo(3.4, 3.0, 6.6, 3.4);
    horns.closeSubpath();
    horns.addPath(QTransform(-1, 0, 0, 1, 19, 0).map(horns));
    shade(p, horns, pal::redLight, pal::red, pal::redDeep, 0.9);
    p.save();
    placeFace(p, {9.5, 10.2}, 0.92);
    Face f(p, skin);
    f.head();
    f.brow({3.8, 4.0}, {8.0, 5.8}, 1.4);
    f.brow({15.2, 4.0}, {11.0, 5.8}, 1.4);
    f.eye(L + QPointF(0.2, 1.0), 2.1, 2.6);
    f.eye(R + QPointF(-0.2, 1.0), 2.1, 2.6);
    f.tongue(QRectF(9.8, 12.6, 3.8, 5.0));
    f.line(curve({4.0, 10.6}, {9.5, 17.0}, {15.0, 10.6}), 1.4);
    p.restore();
}


void hurt(QPainter& p)
{
    Face f(p);
    f.head();
    sadBrows(f);
    f.eye(L + QPointF(0, 0.8), 2.1, 2.8);
    f.closedEye(R + QPointF(0, 0.4));
    f.frown();
    for (const qreal angle : {45.0, -45.0}) {
        p.save();
        p.translate(13.6, 4.6);
        p.rotate(angle);
        QPainterPath strip;
        strip.addRoundedRect(QRectF(-3.8, -1.2, 7.6, 2.4), 1.0, 1.0);
        shade(p, strip, QColor(0xFF, 0xE2, 0xB8), QColor(0xF2, 0xB8, 0x78), pal::brown, 0.7);
        p.restore();
    }
}

void yummy(QPainter& p)
{
    Face f(p);
    f.head();
    f.happyEye(L);
    f.happyEye(R);
    f.smile(4.4);
    p.save();
    p.translate(12.4, 12.2);
    p.rotate(-35);
    f.tongue(QRectF(-1.6, -1.4, 3.2, 3.8));
    p.restore();
}

void spiralEye(Face& f, QPointF c, bool clockwise)
{
    QPainterPath spiral;
    for (int i = 0; i <= 40; ++i) {
        const qreal t = i / 40.0;
        const qreal a = qDegreesToRadians((clockwise ? 1 : -1) * t * 450.0);
        const qreal r = 0.3 + 2.6 * t;
        const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
        if (i == 0)
            spiral.moveTo(pt);
        else
            spiral.lineTo(pt);
    }
    f.line(spiral, 1.1);
}

void dizzy(QPainter& p)
{
    Face f(p);
    f.head();
    spiralEye(f, L + QPointF(-0.2, 0), true);
    spiralEye(f, R + QPointF(0.2, 0), false);
    f.wavy(13.6);
}

void drowsy(QPainter& p)
{
    Face f(p);
    f.head();
    f.heavyEye(L, 0, 1.2);
    f.heavyEye(R, 0, 1.2);
    f.open({9.5, 14.0}, 3.0, 3.6);
}

void skeptical(QPainter& p)
{
    Face f(p);
    f.head();
    f.line(curve({3.8, 4.2}, {6.0, 1.6}, {8.4, 3.6}), 1.2);
    f.brow({10.8, 5.0}, {15.0, 5.0}, 1.3);
    f.eye(L + QPointF(0, 0.4), 2.3, 3.4);
    f.heavyEye(R + QPointF(0, 0.6), 0, 0.2);
    f.line(polyline({{6.0, 14.0}, {13.6, 12.0}}));
}

void lips(QPainter& p)
{
    QPainterPath upper;
    upper.moveTo(1.2, 9.8);
    upper.cubicTo(4.0, 5.0, 7.0, 4.0, 9.5, 6.4);
    upper.cubicTo(12.0, 4.0, 15.0, 5.0, 17.8, 9.8);
    upper.cubicTo(13.0, 10.8, 6.0, 10.8, 1.2, 9.8);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(1.2, 10.0);
    lower.cubicTo(6.0, 11.2, 13.0, 11.2, 17.8, 10.0);
    lower.cubicTo(15.4, 16.6, 3.6, 16.6, 1.2, 10.0);
    lower.closeSubpath();
    shade(p, upper, pal::redLight, pal::red, pal::redDeep);
    shade(p, lower, pal::redLight, pal::red, pal::redDeep);
    shine(p, QRectF(6.4, 11.8, 5.4, 2.2), 200);
    shine(p, QRectF(4.4, 6.6, 3.2, 1.6), 150);
}



void bomb(QPainter& p)
{
    QPainterPath fuse;
    fuse.moveTo(12.8, 4.8);
    fuse.quadTo(13.8, 1.8, 15.8, 2.8);
    stroke(p, fuse, pal::brown, 1.2);
    p.save();
    p.translate(12.0, 5.6);
    p.rotate(40);
    QPainterPath neck;
    neck.addRoundedRect(QRectF(-1.9, -1.6, 3.8, 3.0), 0.6, 0.6);
    shade(p, neck, pal::greyLight, pal::grey, pal::black, 0.8);
    p.restore();
    shadeRound(p, circle({8.4, 11.4}, 6.8), QColor(0x9A, 0xA0, 0xAC), QColor(0x40, 0x44, 0x4E),
               QColor(0x12, 0x12, 0x18), pal::black);
    shine(p, QRectF(4.6, 7.0, 3.4, 2.6), 200);
    shade(p, star({16.2, 2.6}, 2.8, 1.0, 8), pal::yellowLight, pal::orange, pal::orangeDeep, 0.6);
}

void friends(QPainter& p)
{
    const auto happy = [&p](QPointF at, const Skin& skin) {
        p.save();
        placeFace(p, at, 0.62);
        Face f(p, skin);
        f.head();
        f.happyEye(L);
        f.happyEye(R);
        f.cheeks(180);
        f.smile(4.2);
        p.restore();
    };
    happy({12.8, 11.6}, skins::pink);
    happy({6.2, 11.6}, skins::yellow);
    shade(p, heart(QRectF(7.6, 0.6, 4.0, 3.6)), pal::redLight, pal::red, pal::redDeep, 0.7);
}

struct Emoticon {
    const char* code;
    const char* meaning;
    void (*draw)(QPainter&);
};

// In the order of the code table: picture NN is entry NN.
const std::array<Emoticon, 44> table = {{
    {":)", "smile", smile},
    {":D", "big grin", bigGrin},
    {":O", "surprised, wide eyes and open mouth", surprised},
    {":o", "small surprise, raised brows", smallO},
    {":p", "tongue out", tongueOut},
    {";)", "wink", wink},
    {":(", "sad", sad},
    {":|", "straight face", neutral},
    {":\u00b4(", "crying, a tear", crying},
    {":$", "embarrassed, blushing", blushing},
    {"(H)", "hot, sunglasses", sunglasses},
    {":@", "angry, red", angry},
    {":-@", "shouting, red, open mouth", shouting},
    {":s", "confused, wavy mouth", confused},
    {"o:", "angel with a halo", angel},
    {">o", "grumpy, heavy lids and pursed mouth", grumpy},
    {"b)", "cool with a cap", cap},
    {"<t>", "telephone", telephone},
    {"&)", "wacky, odd eyes and tongue", wacky},
    {":%", "sick, green", sick},
    {"\u00ac\u00ac", "unimpressed side glance", sideGlance},
    {"(#)", "sun", sun},
    {":=", "robot", robot},
    {"(/)", "broken heart", brokenHeart},
    {":[", "bat", bat},
    {"[@", "snail", snail},
    {"x)", "laughing, eyes shut", laughing},
    {"ZzZ", "sleeping", sleeping},
    {":{}", "hug", hug},
    {"8)", "nerd with glasses", nerd},
    {":)?", "wondering", thinking},
    {">:b", "devil with tongue", devil},
    {"@-", "rose", rose},
    {"#(", "hurt, with a plaster", hurt},
    {"(0)", "football", football},
    {":9", "yummy, licking lips", yummy},
    {"@@", "dizzy", dizzy},
    {"|)", "drowsy, yawning", drowsy},
    {"#/", "sceptical, one brow up", skeptical},
    {"XxX", "kisses, lips", lips},
    {"c()", "coffee", coffee},
    {"@*", "star", bigStar},
    {"@=", "bomb", bomb},
    {"()", "two friends hugging", friends},
}};

}  // namespace

std::vector<Picture> emoticons()
{
    std::vector<Picture> out;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const QString nn = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
        out.push_back({QStringLiteral("Brisolo/IconCG/%1.png").arg(nn),
                       nn + QLatin1Char(' ') + QString::fromUtf8(table[i].code), paint(19, 19, table[i].draw)});
    }
    return out;
}

}  // namespace pictures
