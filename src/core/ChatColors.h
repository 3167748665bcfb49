#pragma once
// The chat colours as the style controls show and write them: the colour
// swatches, the 4 x 4 colour grids, and the codes they put into text.
#include <QColor>
#include <QPixmap>
#include <QString>

namespace chatcolors {

// Swatch n (0 to 16; 16 is "none", white).
QColor swatch(int n);
// Cell n (0 to 15) of a colour grid.
QColor cell(int n);
// A 65 x 65 pixel picture of the sixteen cells, cell = column + 4 x row,
// each cellPixels wide; cells past the picture's edge are cut.
QPixmap grid(int cellPixels);

// Chr(3) and n as two digits: a font colour.
QString fontCode(int n);
// Chr(3), "0," and n without a leading zero: n as background, which names
// font colour 0 as well.
QString backCode(int n);

}  // namespace chatcolors
