// The four faces of the user lists, 15 x 15: the emoticon faces scaled down.
#include "pictures/Face.h"
#include "pictures/Paint.h"
#include "pictures/Palette.h"
#include "pictures/Pictures.h"

namespace pictures {
namespace {

constexpr int kSize = 15;

// Eyes moved and widened so that, scaled, each is two whole pixels wide.
void eyes(Face& f, qreal dy = 0)
{
    f.eye(Face::left + QPointF(0.33, dy), 2.53, 3.8);
    f.eye(Face::right + QPointF(-0.33, dy), 2.53, 3.8);
}

QImage userFace(const Skin& skin, void (*features)(Face&))
{
    return paint(kSize, kSize, [&](QPainter& p) {
        p.scale(kSize / 19.0, kSize / 19.0);
        Face f(p, skin);
        f.head();
        features(f);
    });
}

}  // namespace

std::vector<Picture> userIcons()
{
    const QImage ordinary = userFace(skins::yellow, [](Face& f) {
        eyes(f);
        f.smile();
    });
    const QImage ignored = userFace(skins::yellow, [](Face& f) {
        eyes(f, 0.3);
        f.frown();
    });
    const QImage own = userFace(skins::yellow, [](Face& f) {
        f.sunglasses(5.0);
        f.smile(4.2);
    });
    const QImage operatorFace = userFace(skins::pink, [](Face& f) {
        f.cheeks(230, palette::red);
        eyes(f);
        f.smile(4.0, 3.6);
    });
    return {{QStringLiteral("ui/user1.png"), QStringLiteral("user1"), ordinary},
            {QStringLiteral("ui/user2.png"), QStringLiteral("user2"), ignored},
            {QStringLiteral("ui/user3.png"), QStringLiteral("user3"), own},
            {QStringLiteral("ui/user4.png"), QStringLiteral("user4"), operatorFace}};
}

}  // namespace pictures
