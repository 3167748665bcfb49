// The welcome picture the main chat view shows on a black page at start-up.
#include "pictures/Face.h"
#include "pictures/Paint.h"
#include "pictures/Palette.h"
#include "pictures/Pictures.h"

#include <QRadialGradient>

namespace pictures {
namespace {

namespace pal = palette;

constexpr int kWidth = 470, kHeight = 400;

// Text with a soft dark shadow under it, so it stands out of the bubbles.
void title(QPainter& p, const QPainterPath& glyphs, const QColor& top, const QColor& bottom, const QColor& shadow)
{
    for (int i = 3; i >= 1; --i) {
        QColor c = shadow;
        c.setAlpha(50 + 30 * (3 - i));
        stroke(p, glyphs.translated(0, 2.5), c, i * 1.6);
    }
    shade(p, glyphs, top, bottom, shadow, 0);
}

void faceAt(QPainter& p, QPointF centre, qreal radius, const Skin& skin, void (*features)(Face&))
{
    p.save();
    placeFace(p, centre, radius / 9.0);
    Face f(p, skin);
    f.head();
    features(f);
    p.restore();
}

void background(QPainter& p)
{
    // Fades to black at the rim: the page around the picture is black.
    QRadialGradient glow(QPointF(kWidth / 2.0, 175), 300);
    glow.setColorAt(0, QColor(0x1C, 0x3C, 0x72));
    glow.setColorAt(0.55, QColor(0x0B, 0x18, 0x34));
    glow.setColorAt(1, Qt::black);
    p.fillRect(QRect(0, 0, kWidth, kHeight), glow);
    for (const auto& [at, r] : {std::pair{QPointF(40, 40), 7.0}, std::pair{QPointF(430, 30), 5.0},
                                std::pair{QPointF(445, 235), 6.0}, std::pair{QPointF(22, 250), 4.0},
                                std::pair{QPointF(300, 22), 4.0}, std::pair{QPointF(250, 385), 4.0}}) {
        shade(p, star(at, r, r * 0.25, 4), pal::white, pal::blueLight, pal::blueLight, 0);
    }
}

// A bubble with a drop shadow and a gloss over its upper part.
void bubble(QPainter& p, const QPainterPath& shape, const QColor& light, const QColor& base, const QColor& deep,
            const QColor& rim)
{
    p.save();
    p.translate(0, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(shape);
    p.restore();
    shadeRound(p, shape, light, base, deep, rim, 3);
    const QRectF r = shape.boundingRect();
    p.save();
    p.setClipPath(shape);
    shine(p, QRectF(r.left() + r.width() * 0.08, r.top() - r.height() * 0.1, r.width() * 0.75, r.height() * 0.45), 80);
    p.restore();
}

void draw(QPainter& p)
{
    background(p);

    // The bubbles are sized from their words, with room around them.
    const QPainterPath name = text(QStringLiteral("Trovelin"), 80, {235, 128});
    const QPainterPath tagline = text(QStringLiteral("Chat en espa\u00f1ol"), 26, {235, 196}, false);
    const QRectF nameBox = name.boundingRect().adjusted(-44, -46, 44, 86);
    bubble(p, speechBubble(nameBox, 60, nameBox.left() + 70, nameBox.left() + 130, {nameBox.left() + 44, 300}),
           pal::blueLight, pal::blue, pal::blueDeep, QColor(0xA8, 0xD6, 0xFF));
    title(p, name, pal::white, QColor(0xC8, 0xE4, 0xFF), pal::blueDeep);
    title(p, tagline, QColor(0xE8, 0xF4, 0xFF), QColor(0xB8, 0xDC, 0xFF), pal::blueDeep);

    const QPainterPath welcome = text(QStringLiteral("\u00a1Bienvenidos!"), 30, {310, 303});
    const QRectF welcomeBox = welcome.boundingRect().adjusted(-26, -22, 26, 22);
    bubble(p, speechBubble(welcomeBox, welcomeBox.height() / 2, welcomeBox.right() - 60, welcomeBox.right() - 26,
                           {welcomeBox.right() - 8, 372}),
           pal::orangeLight, pal::orange, pal::orangeDeep, QColor(0xFF, 0xE2, 0xA8));
    title(p, welcome, pal::white, QColor(0xFF, 0xF2, 0xD8), pal::orangeDeep);

    faceAt(p, {104, 336}, 40, skins::yellow, [](Face& f) {
        f.eyes({0, -0.6});
        f.grin();
    });
    faceAt(p, {50, 374}, 19, skins::pink, [](Face& f) {
        f.cheeks(200, palette::red);
        f.eyes();
        f.smile();
    });
    faceAt(p, {166, 376}, 18, skins::yellow, [](Face& f) {
        f.eye(Face::left);
        f.happyEye(Face::right + QPointF(0, 0.4));
        f.smile();
    });
}

}  // namespace

std::vector<Picture> welcomePicture()
{
    return {{QStringLiteral("ClientePictures/Parlowen(2).png"), QStringLiteral("Parlowen(2)"), paint(kWidth, kHeight, draw)}};
}

}  // namespace pictures
