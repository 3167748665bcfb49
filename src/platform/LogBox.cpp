#include "platform/LogBox.h"

#include "platform/BlockPieces.h"
#include "platform/BlockStore.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QTextCursor>

#include <algorithm>

namespace platform {

struct LogBox::Impl {
    // One block a line, each closed by "\n" but the open last one.
    BlockStore store;
    BlockPieces pieces;
    qsizetype openCut = 0;  // where the open line's last piece begins
    // Colour changes, by line and byte in the line; none before the first.
    struct Run {
        int line;
        qsizetype from;
        QColor color;
        bool operator<(const Run& other) const { return line != other.line ? line < other.line : from < other.from; }
    };
    std::vector<Run> runs;
    QColor color;
    bool afterCR = false;  // the last append ended in CR: a leading LF is its pair

    void startLine()
    {
        store.startBlock();
        pieces.addBlock();
        openCut = 0;
    }

    // Cuts the open line into pieces as it grows, each at a character's
    // first byte.
    void cutOpenLine()
    {
        const QByteArrayView line = store.bytes(store.count() - 1);
        for (qsizetype at = openCut + kPieceLength; at < line.size(); at = openCut + kPieceLength) {
            while (at < line.size() && (uchar(line[at]) & 0xC0) == 0x80)
                ++at;
            if (at == line.size())
                break;
            pieces.cutLast({at, {}});
            openCut = at;
        }
    }

    // The pieces shown: an empty open line shows none.
    int shownPieces() const
    {
        const int open = store.count() - 1;
        return pieces.count() - (open >= 0 && store.bytes(open).isEmpty() ? 1 : 0);
    }
};

LogBox::LogBox(QWidget* parent) : BlockView(parent), d(new Impl)
{
    QFont console = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    console.setPointSize(10);
    setFont(console);
    setColors(Qt::black, QColor(0xc0, 0xc0, 0xc0));
    setFollowsUser(true);
    resetBlocks(0);
}

LogBox::~LogBox() = default;

void LogBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    BlockView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void LogBox::setSelColor(const QColor& color) { d->color = color; }

void LogBox::append(const QString& text)
{
    if (text.isEmpty())
        return;
    BlockStore& store = d->store;
    if (store.count() == 0)
        d->startLine();
    const int open = store.count() - 1;
    if (d->runs.empty() ? d->color.isValid() : d->runs.back().color != d->color)
        d->runs.push_back({open, store.bytes(open).size(), d->color});

    QStringView rest(text);
    if (d->afterCR && rest.front() == u'\n')
        rest = rest.sliced(1);
    d->afterCR = false;
    while (!rest.isEmpty()) {
        const auto lineEnd = std::find_if(rest.begin(), rest.end(), [](QChar c) { return c == u'\n' || c == u'\r'; });
        const qsizetype at = lineEnd - rest.begin();
        store.append(rest.first(at));
        d->cutOpenLine();
        if (at == rest.size())
            break;
        store.append(QByteArrayView("\n"));
        d->startLine();
        qsizetype skip = 1;
        if (rest[at] == u'\r' && at + 1 < rest.size() && rest[at + 1] == u'\n')
            skip = 2;
        else if (rest[at] == u'\r' && at + 1 == rest.size())
            d->afterCR = true;
        rest = rest.sliced(at + skip);
    }
    blocksChanged(d->pieces.firstPiece(open), d->shownPieces());
}

QString LogBox::text() const { return d->store.all(); }

void LogBox::clear()
{
    d->store.clear();
    d->pieces.clear();
    d->runs.clear();
    d->afterCR = false;
    resetBlocks(0);
}

int LogBox::lineCount() const
{
    const BlockStore& store = d->store;
    if (store.count() == 0)
        return 0;
    const int open = store.count() - 1;
    return open + (store.bytes(open).isEmpty() ? 0 : 1);
}

qsizetype LogBox::storageBytes() const
{
    return d->store.memoryUsed() + layoutMemory() + qsizetype(d->runs.capacity() * sizeof(Impl::Run));
}

void LogBox::fillBlock(int block, QTextDocument& doc) const
{
    const BlockPieces::Where where = d->pieces.locate(block);
    const BlockPieces::Span span = d->pieces.span(where);
    QByteArrayView line = d->store.bytes(where.block);
    if (line.endsWith('\n'))
        line.chop(1);
    const qsizetype end = span.to < 0 ? line.size() : span.to;
    const auto& runs = d->runs;
    auto run = std::upper_bound(runs.begin(), runs.end(), Impl::Run{where.block, span.from, QColor()});
    QColor color = run == runs.begin() ? QColor() : std::prev(run)->color;
    QTextCursor cursor(&doc);
    for (qsizetype at = span.from; at < end;) {
        const bool changes = run != runs.end() && run->line == where.block;
        const qsizetype next = changes ? std::min(end, run->from) : end;
        if (next > at) {
            QTextCharFormat format;
            if (color.isValid())
                format.setForeground(color);
            cursor.insertText(QString::fromUtf8(line.sliced(at, next - at)), format);
            at = next;
        }
        if (changes && run->from <= at)
            color = (run++)->color;
    }
}

bool LogBox::continuesPrevious(int block) const { return d->pieces.locate(block).piece > 0; }

}  // namespace platform
