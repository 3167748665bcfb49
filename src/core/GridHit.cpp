#include "core/GridHit.h"

#include "platform/PictureBox.h"

#include <optional>

namespace {

struct Scan {
    int passed = 0;
    std::optional<int> start;
};

Scan scan(int v, int step, int last)
{
    Scan s;
    for (int start = 0; start <= last; start += step) {
        if (start <= v && v <= start + step - 1) {
            s.start = start;
            return s;
        }
        ++s.passed;
    }
    return s;
}

}  // namespace

void hitGrid(int x, int y, int step, int lastX, int lastY, int rowWeight, platform::Shape& shape, qint32& column,
             qint32& row)
{
    const Scan across = scan(x, step, lastX);
    const Scan down = scan(y, step, lastY);
    column = across.passed;
    row = down.passed * rowWeight;
    if (across.start)
        shape.setLeft(*across.start);
    if (down.start)
        shape.setTop(*down.start);
}
