#pragma once
// The hit test of the pictures laid out as grids (the colour grids, the
// emoticon picker), as the original did it, in twips.
#include <QtGlobal>

namespace platform {
class Shape;
}

// Cells start every step twips on each axis, while the start is at most
// lastX (lastY), each covering its start to start + step - 1. column := the
// cells passed on x before the one holding x; row := rowWeight times the
// cells passed on y. The shape moves onto the cell hit on each axis; a
// coordinate in no cell leaves it where it was on that axis and counts every
// cell as passed.
void hitGrid(int x, int y, int step, int lastX, int lastY, int rowWeight, platform::Shape& shape, qint32& column,
             qint32& row);
