#pragma once
// One clock for the repaints of every view. A view asks for a repaint; a
// round repaints, there and then, the views that asked, oldest first, until
// a frame's time is spent (the rest go first in the next round). Rounds come
// at most once a frame, and the next round waits nine times as long as the
// last one took: however many busy views are on screen, painting keeps to
// about a tenth of the time and received lines go on being handled in the
// rest. A quiet view still repaints within a frame.
#include <QObject>
#include <functional>

namespace platform {

constexpr int kFrameMs = 16;

// Runs refresh in a coming round, once however often owner asks before it;
// nothing runs for an owner that is gone by then.
void requestRepaint(QObject* owner, std::function<void()> refresh);

}  // namespace platform
