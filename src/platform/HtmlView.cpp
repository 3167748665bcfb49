#include "platform/HtmlView.h"

#include "platform/BlockPieces.h"
#include "platform/BlockStore.h"
#include "platform/Errors.h"
#include "platform/HtmlBlock.h"
#include "platform/PictureStore.h"

#include <QFontDatabase>

#include <algorithm>
#include <optional>

namespace platform {

namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads count hex digits at i; false unless they are all there.
bool readHex(const QString& code, qsizetype i, int count, char32_t* value)
{
    if (i + count > code.size())
        return false;
    char32_t v = 0;
    for (int k = 0; k < count; ++k) {
        const int digit = hexDigit(code[i + k]);
        if (digit < 0)
            return false;
        v = v * 16 + char32_t(digit);
    }
    *value = v;
    return true;
}

}  // namespace

QString unescapeScriptString(const QString& code, qsizetype start, qsizetype* end)
{
    QString out;
    out.reserve(code.size() - start);
    const qsizetype n = code.size();
    qsizetype i = start;
    while (i < n) {
        const QChar c = code[i];
        if (c == u'\'') {
            if (end)
                *end = i + 1;
            return out;
        }
        if (c != u'\\') {
            // The characters up to the next quote or backslash stand for themselves.
            qsizetype plainEnd = i + 1;
            while (plainEnd < n && code[plainEnd] != u'\'' && code[plainEnd] != u'\\')
                ++plainEnd;
            out += QStringView(code).sliced(i, plainEnd - i);
            i = plainEnd;
            continue;
        }
        if (i + 1 >= n)
            break;  // a backslash that escapes nothing: the string never closes
        const QChar escaped = code[i + 1];
        i += 2;
        char32_t v = 0;
        switch (escaped.unicode()) {
        case 'n': out += u'\n'; break;
        case 't': out += u'\t'; break;
        case 'r': out += u'\r'; break;
        case 'b': out += u'\b'; break;
        case 'f': out += u'\f'; break;
        case 'v': out += u'\v'; break;
        case '0': out += QChar(0); break;
        case 'x':
            if (readHex(code, i, 2, &v)) {
                out += QChar(char16_t(v));
                i += 2;
            } else {
                out += escaped;
            }
            break;
        case 'u': {
            // "\u{...}" holds six digits at most: the search for its "}" ends there.
            const qsizetype close =
                i < n && code[i] == u'{' ? QStringView(code).first(std::min(n, i + 8)).indexOf(u'}', i) : -1;
            if (close > i + 1 && close - i - 1 <= 6 && readHex(code, i + 1, int(close - i - 1), &v) && v <= 0x10FFFF) {
                out += QString::fromUcs4(&v, 1);
                i = close + 1;
            } else if (readHex(code, i, 4, &v)) {
                out += QChar(char16_t(v));
                i += 4;
            } else {
                out += escaped;
            }
            break;
        }
        case '\r':
            if (i < n && code[i] == u'\n')
                ++i;
            break;
        case '\n':
        case 0x2028:
        case 0x2029:
            break;  // the line continues
        default: out += escaped; break;
        }
    }
    if (end)
        *end = -1;
    return out;
}

struct HtmlView::Impl {
    BlockStore store;
    BlockPieces pieces;
    bool hasSet = false;
    QString closing;
    // The tags each written-on block starts inside: the blocks that have
    // any, in order, with their tags among the distinct ones.
    std::vector<std::pair<int, int>> opened;
    QStringList distinctOpened;
    // The tags open after the last block, when it was written on.
    std::optional<QString> openAtEnd;

    void startBlock(const QString& html, const QString& tags)
    {
        store.startBlock();
        store.append(html);
        pieces.addBlock();
        for (Cut& cut : htmlCuts(html, tags))
            pieces.cutLast(std::move(cut));
        if (tags.isEmpty())
            return;
        qsizetype k = distinctOpened.indexOf(tags);
        if (k < 0) {
            k = distinctOpened.size();
            distinctOpened << tags;
        }
        opened.push_back({store.count() - 1, int(k)});
    }

    QString openedBefore(int block) const
    {
        const auto it = std::lower_bound(opened.begin(), opened.end(), std::pair(block, 0));
        return it != opened.end() && it->first == block ? distinctOpened[it->second] : QString();
    }

    void clear()
    {
        store.clear();
        pieces.clear();
        closing.clear();
        opened.clear();
        distinctOpened.clear();
        openAtEnd.reset();
    }
};

HtmlView::HtmlView(QWidget* parent) : BlockView(parent), d(new Impl)
{
    QFont chat = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    chat.setPointSize(10);
    setFont(chat);
    setColors(Qt::white, Qt::black);
}

HtmlView::~HtmlView() = default;

void HtmlView::setDocumentHTML(const QString& html)
{
    d->clear();
    d->hasSet = !html.isEmpty();
    if (d->hasSet)
        d->startBlock(html, {});
    resetBlocks(d->pieces.count());
}

QString HtmlView::documentHTML() const { return d->store.all() + d->closing; }

void HtmlView::execScript(const QString& code, const QString& language)
{
    if (language.compare(QLatin1String("JavaScript"), Qt::CaseInsensitive) != 0)
        throw RuntimeError(errInvalidCall, QStringLiteral("script language not supported: ") + language);
    const auto refuse = [] { throw RuntimeError(errInvalidCall, QStringLiteral("script not supported")); };
    const qsizetype n = code.size();
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < n && code[i].isSpace())
            ++i;
    };
    const auto take = [&](QLatin1StringView word) {
        if (QStringView(code).mid(i, word.size()) != word)
            return false;
        i += word.size();
        return true;
    };

    skipBlanks();
    const bool lineEnd = take(QLatin1StringView("document.writeln"));
    if (!lineEnd && !take(QLatin1StringView("document.write")))
        refuse();
    skipBlanks();
    if (!take(QLatin1StringView("(")))
        refuse();
    skipBlanks();
    if (!take(QLatin1StringView("'")))
        refuse();
    qsizetype end = -1;
    const QString html = unescapeScriptString(code, i, &end);
    if (end < 0)
        refuse();
    i = end;
    skipBlanks();
    if (!take(QLatin1StringView(")")))
        refuse();
    skipBlanks();
    take(QLatin1StringView(";"));
    skipBlanks();
    if (i != n)
        refuse();
    add(html, lineEnd);
}

void HtmlView::writeln(const QString& html) { add(html, true); }
void HtmlView::write(const QString& html) { add(html, false); }

void HtmlView::writeOn(const QString& html)
{
    QString opened;
    if (d->openAtEnd)
        opened = *d->openAtEnd;
    else if (const int last = d->store.count() - 1; last >= 0)
        opened = openTagsAfter({}, d->store.text(last));
    add(html, false, opened);
    d->openAtEnd = openTagsAfter(opened, html);
}

void HtmlView::setClosingTags(const QString& tags) { d->closing = tags; }

void HtmlView::add(const QString& html, bool lineEnd, const QString& opened)
{
    d->openAtEnd.reset();
    d->startBlock(html, opened);
    if (lineEnd)
        d->store.append(QByteArrayView("\n"));
    blocksChanged(d->pieces.firstPiece(d->store.count() - 1), d->pieces.count());
}

void HtmlView::scroll(int x, int y)
{
    Q_UNUSED(x);
    scrollToPixel(y);
}

int HtmlView::fragmentCount() const { return d->store.count() - (d->hasSet ? 1 : 0); }

qsizetype HtmlView::storageBytes() const { return d->store.memoryUsed() + layoutMemory(); }

void HtmlView::servePictures(const QString& urlPrefix, const QString& folder)
{
    PictureStore::instance().serve(urlPrefix, folder);
}

QTextDocument* HtmlView::createDocument() const { return new HtmlBlockDocument; }

void HtmlView::fillBlock(int block, QTextDocument& doc) const
{
    const BlockPieces::Where where = d->pieces.locate(block);
    const BlockPieces::Span span = d->pieces.span(where);
    QByteArrayView bytes = d->store.bytes(where.block);
    if (span.to < 0 && bytes.endsWith('\n'))
        bytes.chop(1);
    bytes = bytes.sliced(span.from, (span.to < 0 ? bytes.size() : span.to) - span.from);
    const QString opened = where.piece == 0 ? d->openedBefore(where.block) : span.open;
    doc.setHtml(htmlForLayout(opened + QString::fromUtf8(bytes)));
}

bool HtmlView::continuesPrevious(int block) const { return d->pieces.locate(block).piece > 0; }

}  // namespace platform
