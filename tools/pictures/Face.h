#pragma once
// The face kit: one round head and the eyes, brows and mouths the faces are
// made of, all laid out on the 19 x 19 emoticon grid. Smaller or shifted
// faces scale or move the painter first; the user icons scale it to 15.
#include <QPainter>
#include <QPainterPath>

namespace pictures {

struct Skin {
    QColor light, base, edge, line, ink;
};

namespace skins {
extern const Skin yellow;
extern const Skin pink;
extern const Skin red;
extern const Skin green;
extern const Skin purple;
}  // namespace skins

// Moves and scales the painter so the grid's face is centred on a point.
void placeFace(QPainter& p, QPointF centre, qreal scale);

class Face {
public:
    // Where the two eyes sit on the grid.
    static constexpr QPointF left{6.0, 7.0};
    static constexpr QPointF right{13.0, 7.0};

    explicit Face(QPainter& p, const Skin& skin = skins::yellow) : p(p), skin(skin) {}

    void head(const QRectF& r = QRectF(0.5, 0.5, 18, 18));

    void eye(QPointF c, qreal w = 2.0, qreal h = 3.6);
    void eyes(QPointF offset = {0, 0});
    void wideEye(QPointF c, QPointF look = {0.2, 0.4});
    void happyEye(QPointF c);   // closed with joy: ^
    void closedEye(QPointF c);  // closed, asleep: a lid curving down
    void heavyEye(QPointF c, qreal look = 0, qreal lid = 0);  // half-closed, pupil under a flat lid
    void brow(QPointF a, QPointF b, qreal width = 1.2);
    void sunglasses(qreal top);  // lenses from this height down

    void smile(qreal depth = 4.6, qreal halfWidth = 4.9);
    void grin();                 // wide open, teeth on top
    void laugh();                // wide open, tongue at the bottom
    void frown();
    void flat(qreal y = 13.5, qreal from = 6.0, qreal to = 13.0);
    void wavy(qreal y = 13.0);
    void open(QPointF c, qreal w, qreal h);  // round open mouth
    void tongue(QRectF r);
    void cheeks(int alpha = 150, const QColor& colour = QColor());  // blush pink unless told

    void line(const QPainterPath& path, qreal width = 1.3);
    QPainter& painter() { return p; }
    const Skin& colours() const { return skin; }

private:
    void mouthFill(const QPainterPath& path);

    QPainter& p;
    const Skin& skin;
};

}  // namespace pictures
