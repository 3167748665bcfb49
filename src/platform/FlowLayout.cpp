#include "platform/FlowLayout.h"

#include <QWidget>

namespace platform {

namespace {

bool expands(const QLayoutItem* item) { return item->expandingDirections() & Qt::Horizontal; }

// An item that expands may shrink to its minimum; any other keeps its
// preferred width, so a button's caption is never cut.
int narrowest(const QLayoutItem* item)
{
    return expands(item) ? item->minimumSize().width() : item->sizeHint().width();
}

}  // namespace

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* FlowLayout::takeAt(int index)
{
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : items_)
        if (!item->isEmpty())
            size = size.expandedTo(QSize(narrowest(item), item->minimumSize().height()));
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const
{
    // One row of everything.
    int width = 0, height = 0, shown = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        width += item->sizeHint().width();
        height = qMax(height, item->sizeHint().height());
        ++shown;
    }
    const QMargins m = contentsMargins();
    return QSize(width + qMax(0, shown - 1) * spacing() + m.left() + m.right(), height + m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = qMax(0, spacing());
    int y = area.y();
    QList<QLayoutItem*> row;
    int rowWidth = 0;

    auto closeRow = [&] {
        if (row.isEmpty())
            return;
        int height = 0, expanding = 0;
        for (const QLayoutItem* item : row) {
            height = qMax(height, item->sizeHint().height());
            expanding += expands(item);
        }
        if (apply) {
            const int spare = qMax(0, area.width() - rowWidth);
            int x = area.x(), given = 0;
            for (QLayoutItem* item : row) {
                int w = narrowest(item);
                if (expands(item)) {
                    ++given;
                    const int share = spare * given / expanding - spare * (given - 1) / expanding;
                    w = qMin(w + share, item->maximumSize().width());
                }
                const int h = qMin(height, item->maximumSize().height());
                item->setGeometry(QRect(x, y + (height - h) / 2, w, h));
                x += w + gap;
            }
        }
        y += height + gap;
        row.clear();
        rowWidth = 0;
    };

    for (QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        const int w = narrowest(item);
        if (!row.isEmpty() && rowWidth + gap + w > area.width())
            closeRow();
        rowWidth += (row.isEmpty() ? 0 : gap) + w;
        row.append(item);
    }
    closeRow();
    const QMargins m = contentsMargins();
    return y - area.y() - (y > area.y() ? gap : 0) + m.top() + m.bottom();
}

}  // namespace platform
