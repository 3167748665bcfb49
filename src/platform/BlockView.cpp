#include "platform/BlockView.h"

#include "platform/Desktop.h"
#include "platform/RepaintPacer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextFrame>
#include <QTimerEvent>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

namespace platform {

namespace {

constexpr int marginX = 4;
constexpr int marginY = 2;
// Laid out blocks kept: twice those on screen, so scrolling back a screen
// lays nothing out again; each costs about 10 KB.
constexpr int minCachedDocuments = 32;
constexpr int dragScrollMs = 50;

// Selected text as a user copies it: line and paragraph breaks as "\n",
// pictures as nothing.
QString plain(QString text)
{
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    text.replace(QChar::Nbsp, u' ');
    text.remove(QChar::ObjectReplacementCharacter);
    return text;
}

}  // namespace

BlockView::BlockView(QWidget* parent) : QAbstractScrollArea(parent)
{
    documents_.setMaxCost(minCachedDocuments);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &BlockView::onScrollAction);
    verticalScrollBar()->installEventFilter(this);
}

BlockView::~BlockView() = default;

QTextDocument* BlockView::createDocument() const { return new QTextDocument; }

void BlockView::setColors(const QColor& background, const QColor& text)
{
    background_ = background;
    text_ = text;
    viewport()->update();
}

qsizetype BlockView::layoutMemory() const { return qsizetype(heights_.memoryUsed()); }

// --- Layout ---------------------------------------------------------------

int BlockView::contentWidth() const { return std::max(1, viewport()->width() - 2 * marginX); }
int BlockView::contentHeight() const { return std::max(1, viewport()->height() - 2 * marginY); }
int BlockView::lineStep() const { return QFontMetrics(layoutFont()).lineSpacing(); }

// The skin's style sheet sets the font when the view is polished: a view
// laid out before it is first shown must already use that font.
QFont BlockView::layoutFont() const
{
    ensurePolished();
    return font();
}

QTextDocument* BlockView::document(int block) const
{
    const qreal width = contentWidth();
    if (QTextDocument* doc = documents_.object(block)) {
        if (doc->textWidth() != width)
            doc->setTextWidth(width);
        return doc;
    }
    QTextDocument* doc = createDocument();
    doc->setUndoRedoEnabled(false);
    doc->setDocumentMargin(0);
    doc->setDefaultFont(layoutFont());
    QTextOption option = doc->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    doc->setDefaultTextOption(option);
    fillBlock(block, *doc);
    doc->setTextWidth(width);
    documents_.insert(block, doc);
    return doc;
}

int BlockView::blockHeight(int block) const
{
    quint32& known = heights_[size_t(block)];
    if (known == 0) {
        const int height = std::clamp(int(std::ceil(document(block)->size().height())), 1, INT_MAX / 2);
        known = quint32(height);
        knownHeights_ += height;
        ++knownCount_;
    }
    return int(known);
}

int BlockView::estimatedHeight() const
{
    const qint64 total = knownHeights_ + qint64(blockCount() - knownCount_) * lineStep();
    return int(std::min<qint64>(total, INT_MAX));
}

void BlockView::forgetHeights()
{
    heights_.fill(0u);
    knownHeights_ = 0;
    knownCount_ = 0;
    endValid_ = false;
}

// --- Position -------------------------------------------------------------

BlockView::Pos BlockView::endPos() const
{
    if (!endValid_) {
        Pos end;
        int room = contentHeight();
        for (int i = blockCount() - 1; i >= 0; --i) {
            const int height = blockHeight(i);
            if (height >= room) {
                end = {i, height - room};
                break;
            }
            room -= height;
        }
        end_ = end;
        endValid_ = true;
    }
    return end_;
}

BlockView::Pos BlockView::current() const
{
    if (blockCount() == 0)
        return Pos();
    if (atEnd_)
        return endPos();
    Pos p = pos_;
    p.block = std::min(p.block, blockCount() - 1);
    p.offset = std::min(p.offset, blockHeight(p.block) - 1);
    return std::min(p, endPos());
}

BlockView::Pos BlockView::moveBy(Pos p, int dy) const
{
    if (blockCount() == 0)
        return Pos();
    p.offset += dy;
    if (dy > 0) {
        const Pos end = endPos();
        while (p.block < end.block && p.offset >= blockHeight(p.block)) {
            p.offset -= blockHeight(p.block);
            ++p.block;
        }
        p = std::min(p, end);
    } else {
        while (p.offset < 0 && p.block > 0)
            p.offset += blockHeight(--p.block);
        p.offset = std::max(p.offset, 0);
    }
    return p;
}

std::vector<BlockView::Shown> BlockView::shown() const
{
    std::vector<Shown> blocks;
    const Pos p = current();
    int y = marginY - p.offset;
    for (int i = p.block; i < blockCount() && y < viewport()->height(); ++i) {
        const int height = blockHeight(i);
        blocks.push_back({i, y, height});
        y += height;
    }
    return blocks;
}

// The scroll bar counts blocks, each split in unit() steps.
int BlockView::unit() const { return int(std::clamp<qint64>(INT_MAX / (qint64(blockCount()) + 1), 1, 256)); }

int BlockView::toValue(Pos p) const
{
    if (blockCount() == 0)
        return 0;
    const qint64 u = unit();
    return int(p.block * u + p.offset * u / blockHeight(p.block));
}

BlockView::Pos BlockView::fromValue(int value) const
{
    const int u = unit();
    const Pos end = endPos();
    Pos p{value / u, 0};
    if (p.block >= blockCount())
        return end;
    p.offset = int(qint64(value % u) * blockHeight(p.block) / u);
    return std::min(p, end);
}

bool BlockView::isAtEnd() const { return atEnd_ || current() >= endPos(); }

void BlockView::scrollToEnd()
{
    if (atEnd_)
        return;  // called after every line: must cost nothing
    atEnd_ = true;
    scheduleRefresh();
}

void BlockView::scrollToTop()
{
    atEnd_ = false;
    pos_ = Pos();
    scheduleRefresh();
}

void BlockView::scrollToPixel(int y)
{
    if (y <= 0) {
        scrollToTop();
    } else if (y >= estimatedHeight() - contentHeight()) {
        scrollToEnd();
    } else {
        // A far jump lays nothing out: blocks not laid out yet count as one line.
        Pos p;
        const int line = lineStep();
        for (; p.block < blockCount() - 1; ++p.block) {
            const int height = heights_[size_t(p.block)] ? heights_[size_t(p.block)] : line;
            if (y < height)
                break;
            y -= height;
        }
        p.offset = y;
        atEnd_ = false;
        pos_ = p;
        scheduleRefresh();
    }
}

// Where the user scrolled to.
void BlockView::setPosition(Pos p)
{
    const Pos end = endPos();
    pos_ = std::min(p, end);
    atEnd_ = followsUser_ && pos_ == end;
    syncScrollBar();
    viewport()->update();
}

void BlockView::scrollByPixels(int dy) { setPosition(moveBy(current(), dy)); }

void BlockView::resetBlocks(int count)
{
    documents_.clear();
    heights_.assign(size_t(count), 0);
    forgetHeights();
    pos_ = Pos();
    atEnd_ = followsUser_;
    anchor_ = cursor_ = TextPos();
    dragging_ = false;
    dragScroll_.stop();
    scheduleRefresh();
}

void BlockView::blocksChanged(int from, int count)
{
    for (int i = from; i < blockCount(); ++i) {
        documents_.remove(i);
        quint32& known = heights_[size_t(i)];
        if (known) {
            knownHeights_ -= known;
            --knownCount_;
            known = 0;
        }
    }
    heights_.resize(size_t(count), 0);
    endValid_ = false;
    scheduleRefresh();
}

// --- Repaints ---------------------------------------------------------------

void BlockView::scheduleRefresh()
{
    scrollBarDirty_ = true;
    if (!isVisible())
        return;  // a hidden view catches up when it is painted
    requestRepaint(this, [this] { refresh(); });
}

void BlockView::refresh()
{
    syncScrollBar();
    // Painted now, so that the round knows what painting cost.
    viewport()->repaint();
}

void BlockView::syncScrollBar()
{
    scrollBarDirty_ = false;
    QScrollBar* bar = verticalScrollBar();
    const int u = unit();
    const int shownBlocks = int(shown().size());
    syncing_ = true;
    bar->setRange(0, toValue(endPos()));
    bar->setPageStep(std::max(1, shownBlocks - 1) * u);
    bar->setSingleStep(u);
    bar->setValue(toValue(current()));
    syncing_ = false;
}

// The scroll bar catches up in the next repaint round; what the user does
// with it must start from the view's position as it is now.
bool BlockView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == verticalScrollBar() && scrollBarDirty_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu: syncScrollBar(); break;
        default: break;
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void BlockView::onScrollAction(int action)
{
    int dy = 0;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: dy = lineStep(); break;
    case QAbstractSlider::SliderSingleStepSub: dy = -lineStep(); break;
    case QAbstractSlider::SliderPageStepAdd: dy = std::max(lineStep(), contentHeight() - lineStep()); break;
    case QAbstractSlider::SliderPageStepSub: dy = -std::max(lineStep(), contentHeight() - lineStep()); break;
    default: return;  // dragging and the ends go by the value
    }
    // Steps go by pixels, finer than the scroll bar's value can say.
    const Pos end = endPos();
    pos_ = moveBy(current(), dy);
    atEnd_ = followsUser_ && pos_ == end;
    const int value = toValue(pos_);
    QScrollBar* bar = verticalScrollBar();
    expectedValue_ = value == bar->value() ? -1 : value;
    bar->setSliderPosition(value);
    viewport()->update();
}

void BlockView::scrollContentsBy(int, int)
{
    if (syncing_)
        return;
    QScrollBar* bar = verticalScrollBar();
    const int value = bar->value();
    const bool stepped = expectedValue_ >= 0 && value == expectedValue_;
    expectedValue_ = -1;
    if (stepped)
        return;
    const Pos end = endPos();
    pos_ = value >= bar->maximum() ? end : fromValue(value);
    atEnd_ = followsUser_ && pos_ == end;
    viewport()->update();
}

// --- Painting ---------------------------------------------------------------

void BlockView::paintEvent(QPaintEvent* event)
{
    if (scrollBarDirty_)
        syncScrollBar();
    QPainter painter(viewport());
    painter.fillRect(event->rect(), background_);

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, text_);
    QTextCharFormat highlight;
    highlight.setBackground(palette().color(QPalette::Active, QPalette::Highlight));
    highlight.setForeground(palette().color(QPalette::Active, QPalette::HighlightedText));

    const std::vector<Shown> blocks = shown();
    documents_.setMaxCost(std::max(minCachedDocuments, 2 * int(blocks.size())));
    for (const Shown& s : blocks) {
        const QRect area(0, s.y, viewport()->width(), s.height);
        if (!area.intersects(event->rect()))
            continue;
        QTextDocument* doc = document(s.block);
        const QBrush background = doc->rootFrame()->frameFormat().background();
        if (background.style() != Qt::NoBrush)
            painter.fillRect(s.block == 0 ? area.adjusted(0, -marginY, 0, 0) : area, background);  // flush with the top
        context.selections.clear();
        int from = 0, to = 0;
        if (selectionIn(s.block, *doc, &from, &to)) {
            QAbstractTextDocumentLayout::Selection selection;
            selection.cursor = QTextCursor(doc);
            selection.cursor.setPosition(from);
            selection.cursor.setPosition(to, QTextCursor::KeepAnchor);
            selection.format = highlight;
            context.selections.append(selection);
        }
        // The clip also keeps a document's own background inside its block.
        const QRect clip = area.intersected(event->rect());
        painter.save();
        painter.setClipRect(clip);
        painter.translate(marginX, s.y);
        context.clip = QRectF(clip.translated(-marginX, -s.y));
        doc->documentLayout()->draw(&painter, context);
        painter.restore();
    }
}

void BlockView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (contentWidth() != layoutWidth_) {
        layoutWidth_ = contentWidth();
        forgetHeights();  // cached documents are re-wrapped when next used
    }
    endValid_ = false;
    scrollBarDirty_ = true;
}

void BlockView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        documents_.clear();
        forgetHeights();
        scheduleRefresh();
    }
    QAbstractScrollArea::changeEvent(event);
}

// --- Selection --------------------------------------------------------------

int BlockView::blockAt(const QPoint& pos) const
{
    for (const Shown& s : shown())
        if (pos.y() >= s.y && pos.y() < s.y + s.height)
            return s.block;
    return -1;
}

QRect BlockView::blockRect(int block) const
{
    for (const Shown& s : shown())
        if (s.block == block)
            return QRect(0, s.y, viewport()->width(), s.height);
    return QRect();
}

BlockView::TextPos BlockView::hit(const QPoint& pos) const
{
    const std::vector<Shown> blocks = shown();
    if (blocks.empty())
        return TextPos();
    if (pos.y() < blocks.front().y)
        return {blocks.front().block, 0};
    for (const Shown& s : blocks) {
        if (pos.y() < s.y + s.height) {
            const QTextDocument* doc = document(s.block);
            const int at = doc->documentLayout()->hitTest(QPointF(pos.x() - marginX, pos.y() - s.y), Qt::FuzzyHit);
            return {s.block, std::max(at, 0)};
        }
    }
    return {blocks.back().block, document(blocks.back().block)->characterCount() - 1};
}

bool BlockView::selectionIn(int block, const QTextDocument& doc, int* from, int* to) const
{
    if (!hasSelection())
        return false;
    const auto [first, last] = std::minmax(anchor_, cursor_);
    if (block < first.block || block > last.block)
        return false;
    const int end = doc.characterCount() - 1;
    *from = block == first.block ? std::min(first.pos, end) : 0;
    *to = block == last.block ? std::min(last.pos, end) : end;
    return *from < *to;
}

QString BlockView::selectedText() const
{
    if (!hasSelection())
        return QString();
    const auto [first, last] = std::minmax(anchor_, cursor_);
    std::unique_ptr<QTextDocument> scratch;  // for blocks not laid out
    QString text;
    for (int i = first.block; i <= last.block && i < blockCount(); ++i) {
        if (i > first.block && !continuesPrevious(i))
            text += u'\n';
        QTextDocument* doc = documents_.object(i);
        if (!doc) {
            if (!scratch)
                scratch.reset(createDocument());
            scratch->clear();
            fillBlock(i, *scratch);
            doc = scratch.get();
        }
        int from = 0, to = 0;
        if (!selectionIn(i, *doc, &from, &to))
            continue;
        QTextCursor cursor(doc);
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        text += plain(cursor.selectedText());
    }
    return text;
}

void BlockView::selectAll()
{
    if (blockCount() == 0)
        return;
    anchor_ = TextPos();
    cursor_ = {blockCount() - 1, INT_MAX};
    viewport()->update();
}

void BlockView::copy() const
{
    if (hasSelection())
        desktop().setClipboardText(selectedText());
}

void BlockView::dragTo(const QPoint& pos)
{
    dragPoint_ = pos;
    cursor_ = hit(pos);
    if (pos.y() < 0 || pos.y() >= viewport()->height()) {
        if (!dragScroll_.isActive())
            dragScroll_.start(dragScrollMs, this);
    } else {
        dragScroll_.stop();
    }
    viewport()->update();
}

void BlockView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != dragScroll_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    scrollByPixels(dragPoint_.y() < 0 ? -lineStep() : lineStep());
    cursor_ = hit(dragPoint_);
}

// --- Input ------------------------------------------------------------------

void BlockView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const TextPos at = hit(event->position().toPoint());
    if (!(event->modifiers() & Qt::ShiftModifier))
        anchor_ = at;
    cursor_ = at;
    dragging_ = true;
    dragPoint_ = event->position().toPoint();
    viewport()->update();
}

void BlockView::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        dragTo(event->position().toPoint());
    else
        QAbstractScrollArea::mouseMoveEvent(event);
}

void BlockView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && dragging_) {
        dragTo(event->position().toPoint());
        dragging_ = false;
        dragScroll_.stop();
    } else {
        QAbstractScrollArea::mouseReleaseEvent(event);
    }
}

void BlockView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || blockCount() == 0) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    const TextPos at = hit(event->position().toPoint());
    QTextCursor word(document(at.block));
    word.setPosition(at.pos);
    word.select(QTextCursor::WordUnderCursor);
    anchor_ = {at.block, word.anchor()};
    cursor_ = {at.block, word.position()};
    dragging_ = false;
    viewport()->update();
}

void BlockView::wheelEvent(QWheelEvent* event)
{
    const int dy = !event->pixelDelta().isNull()
        ? -event->pixelDelta().y()
        : -event->angleDelta().y() * QApplication::wheelScrollLines() * lineStep() / 120;
    scrollByPixels(dy);
    event->accept();
}

void BlockView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->matches(QKeySequence::MoveToStartOfDocument))
        setPosition(Pos());
    else if (event->matches(QKeySequence::MoveToEndOfDocument))
        setPosition(endPos());
    else
        QAbstractScrollArea::keyPressEvent(event);  // arrows and pages: onScrollAction
}

void BlockView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copyAction = menu.addAction(QStringLiteral("Copiar"));
    copyAction->setEnabled(hasSelection());
    QAction* allAction = menu.addAction(QStringLiteral("Seleccionar todo"));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == copyAction)
        copy();
    else if (chosen == allAction)
        selectAll();
}

}  // namespace platform
