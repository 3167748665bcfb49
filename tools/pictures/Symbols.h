#pragma once
// Things without a face, drawn on the 19 x 19 emoticon grid; the list
// pictures draw the same ones scaled to their own size.
#include <QPainter>

namespace pictures {

void sun(QPainter& p);
void rose(QPainter& p);
void football(QPainter& p);
void coffee(QPainter& p);
void bigStar(QPainter& p);

}  // namespace pictures
