#pragma once
// The scrolling, selectable text view that the HTML view and the log box
// share. The content is a sequence of blocks kept by the subclass; the view
// lays out only the blocks it shows, each as a small QTextDocument (the most
// recent ones cached), and remembers each block's height once known.
//
// The position is a block and how many of its pixels lie above the top
// edge; the scroll bar's value is that block plus the fraction, so a long
// history costs nothing to scroll and a tall block can still be scrolled
// through. A view that follows the end shows the last block's bottom at the
// bottom edge, whatever is appended.
#include "platform/PagedArray.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QCache>
#include <QColor>
#include <QTextDocument>
#include <vector>

namespace platform {

class BlockView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit BlockView(QWidget* parent = nullptr);
    ~BlockView() override;

    int blockCount() const { return int(heights_.size()); }

    QString selectedText() const;
    void selectAll();
    void copy() const;  // the selected text to the clipboard, when there is one

    bool isAtEnd() const;
    void scrollToEnd();
    void scrollToTop();
    // As a document scrolled to y pixels from its top; past the end is the end.
    void scrollToPixel(int y);

    // Where blocks are shown, in viewport coordinates.
    int blockAt(const QPoint& pos) const;  // -1 where no block is shown
    QRect blockRect(int block) const;      // empty when the block is not shown
    int blockHeight(int block) const;      // at the current width

    void setColors(const QColor& background, const QColor& text);
    qsizetype layoutMemory() const;  // what the view keeps per block, besides its cache

protected:
    // An empty document for one block; the view sets its font and width.
    virtual QTextDocument* createDocument() const;
    virtual void fillBlock(int block, QTextDocument& doc) const = 0;
    // Whether the block is a further piece of the line before it (see
    // BlockPieces): copied text then joins them without a line break.
    virtual bool continuesPrevious(int block) const { Q_UNUSED(block); return false; }

    // What the subclass tells of its content.
    void resetBlocks(int count);               // all replaced; back to the top
    void blocksChanged(int from, int count);   // blocks from `from` on are new or changed

    // Whether reaching the end by scrolling makes the view follow the end.
    // Otherwise only scrollToEnd() does.
    void setFollowsUser(bool follows) { followsUser_ = follows; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Pos {
        int block = 0;
        int offset = 0;  // pixels of the block above the top edge
        auto operator<=>(const Pos&) const = default;
    };
    struct TextPos {
        int block = 0;
        int pos = 0;  // cursor position in the block's document
        auto operator<=>(const TextPos&) const = default;
    };
    struct Shown {
        int block;
        int y;
        int height;
    };

    QFont layoutFont() const;
    QTextDocument* document(int block) const;
    int contentWidth() const;
    int contentHeight() const;
    int lineStep() const;
    int estimatedHeight() const;

    Pos endPos() const;
    Pos current() const;
    Pos moveBy(Pos from, int dy) const;
    std::vector<Shown> shown() const;
    int unit() const;
    int toValue(Pos p) const;
    Pos fromValue(int value) const;

    void setPosition(Pos p);
    void scrollByPixels(int dy);
    void forgetHeights();
    void scheduleRefresh();
    void refresh();
    void syncScrollBar();
    void onScrollAction(int action);

    TextPos hit(const QPoint& pos) const;
    bool hasSelection() const { return anchor_ != cursor_; }
    bool selectionIn(int block, const QTextDocument& doc, int* from, int* to) const;
    void dragTo(const QPoint& pos);

    // Layout, per width.
    mutable QCache<int, QTextDocument> documents_;
    mutable PagedArray<quint32> heights_;  // 0 until known
    mutable qint64 knownHeights_ = 0;
    mutable int knownCount_ = 0;
    mutable Pos end_;
    mutable bool endValid_ = false;
    int layoutWidth_ = 0;

    // Position.
    Pos pos_;
    bool atEnd_ = false;
    bool followsUser_ = false;
    bool syncing_ = false;
    int expectedValue_ = -1;

    // Repaints come in the rounds of the repaint pacer.
    bool scrollBarDirty_ = true;

    // Selection.
    TextPos anchor_;
    TextPos cursor_;
    bool dragging_ = false;
    QPoint dragPoint_;
    QBasicTimer dragScroll_;

    QColor background_ = Qt::white;
    QColor text_ = Qt::black;
};

}  // namespace platform
