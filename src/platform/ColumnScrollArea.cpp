#include "platform/ColumnScrollArea.h"

#include <QEvent>
#include <QScrollBar>

namespace platform {

ColumnScrollArea::ColumnScrollArea(QWidget* column, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    setWidget(column);
}

QSize ColumnScrollArea::minimumSizeHint() const
{
    // Room for the scroll bar is kept even while it is hidden: the column
    // must not lose width when the window gets shorter.
    const int width = widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    return QSize(width, QScrollArea::minimumSizeHint().height());
}

QSize ColumnScrollArea::sizeHint() const { return QSize(minimumSizeHint().width(), QScrollArea::sizeHint().height()); }

bool ColumnScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    // The column's width follows its controls (a new style, a longer
    // caption): the window lays itself out again.
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace platform
