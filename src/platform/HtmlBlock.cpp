#include "platform/HtmlBlock.h"

#include "platform/PictureStore.h"

#include <QUrl>

#include <algorithm>
#include <optional>

namespace platform {

namespace {

const QString pictureScheme = QStringLiteral("picture");

bool isSpace(QChar c) { return c.isSpace(); }
bool endsName(QChar c) { return isSpace(c) || c == u'=' || c == u'>' || c == u',' || c == u';' || c == u'/'; }
bool endsBareValue(QChar c) { return isSpace(c) || c == u'>' || c == u',' || c == u';'; }

bool isTag(QStringView html, qsizetype lt, QLatin1StringView name)
{
    const qsizetype after = lt + 1 + name.size();
    return after < html.size() && html.mid(lt + 1, name.size()).compare(name, Qt::CaseInsensitive) == 0
        && (isSpace(html[after]) || html[after] == u'>' || html[after] == u'/');
}

// The index of the '>' that closes the tag opened at lt, quotes honoured.
qsizetype tagEnd(QStringView html, qsizetype lt)
{
    QChar quote;
    for (qsizetype i = lt + 1; i < html.size(); ++i) {
        const QChar c = html[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'>') {
            return i;
        }
    }
    return -1;
}

QString leadingDigits(QStringView value)
{
    qsizetype n = 0;
    while (n < value.size() && value[n].isDigit())
        ++n;
    return value.left(n).toString();
}

// The <img> tag with the given attribute text, as it is laid out.
QString pictureTag(QStringView attributes)
{
    QString src, width, height, align;
    qsizetype i = 0;
    const qsizetype n = attributes.size();
    while (i < n) {
        while (i < n && (isSpace(attributes[i]) || attributes[i] == u',' || attributes[i] == u';' || attributes[i] == u'/'))
            ++i;
        const qsizetype nameStart = i;
        while (i < n && !endsName(attributes[i]))
            ++i;
        const QString name = attributes.mid(nameStart, i - nameStart).toString().toLower();
        if (name.isEmpty()) {
            ++i;
            continue;
        }
        while (i < n && isSpace(attributes[i]))
            ++i;
        QStringView value;
        if (i < n && attributes[i] == u'=') {
            ++i;
            while (i < n && isSpace(attributes[i]))
                ++i;
            if (i < n && (attributes[i] == u'\'' || attributes[i] == u'"')) {
                const QChar quote = attributes[i++];
                const qsizetype valueStart = i;
                while (i < n && attributes[i] != quote)
                    ++i;
                value = attributes.mid(valueStart, i - valueStart);
                ++i;
            } else {
                const qsizetype valueStart = i;
                while (i < n && !endsBareValue(attributes[i]))
                    ++i;
                value = attributes.mid(valueStart, i - valueStart);
            }
        }
        if (name == u"src")
            src = value.toString().replace(QLatin1String("&amp;"), QLatin1String("&"));
        else if (name == u"width")
            width = leadingDigits(value);
        else if (name == u"height")
            height = leadingDigits(value);
        else if (name == u"align")
            align = value.toString().toHtmlEscaped();
    }
    const int id = src.isEmpty() ? -1 : PictureStore::instance().find(src);
    if (id < 0)
        return QString();
    QString tag = QStringLiteral("<img src=\"%1:%2\"").arg(pictureScheme).arg(id);
    if (!width.isEmpty())
        tag += QStringLiteral(" width=\"%1\"").arg(width);
    if (!height.isEmpty())
        tag += QStringLiteral(" height=\"%1\"").arg(height);
    if (!align.isEmpty())
        tag += QStringLiteral(" align=\"%1\"").arg(align);
    return tag + u'>';
}

// Drops a <br> (or <br/>) that ends the text, blanks after it included.
void dropClosingBreak(QString& html)
{
    qsizetype end = html.size();
    while (end > 0 && html[end - 1].isSpace())
        --end;
    if (end == 0 || html[end - 1] != u'>')
        return;
    const qsizetype lt = html.lastIndexOf(u'<', end - 1);
    if (lt < 0)
        return;
    QStringView tag = QStringView(html).mid(lt + 1, end - lt - 2).trimmed();
    if (tag.endsWith(u'/'))
        tag = tag.chopped(1).trimmed();
    if (tag.compare(QLatin1String("br"), Qt::CaseInsensitive) == 0)
        html.truncate(lt);
}

// Tag names compared as HTML compares them, ASCII letters in any case;
// called for every tag of a long fragment, so without a library call.
bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode(), y = b[i].unicode();
        x = x >= u'A' && x <= u'Z' ? char16_t(x + 32) : x;
        y = y >= u'A' && y <= u'Z' ? char16_t(y + 32) : y;
        if (x != y)
            return false;
    }
    return true;
}

bool nameIn(QStringView name, std::initializer_list<QStringView> names)
{
    return std::any_of(names.begin(), names.end(), [&](QStringView n) { return sameName(name, n); });
}

// Tags that stay inside a line of text.
bool isInline(QStringView name)
{
    return nameIn(name, {u"b", u"u", u"i", u"s", u"font", u"span", u"a", u"strong", u"em", u"big", u"small",
                         u"sub", u"sup", u"tt", u"code", u"nobr", u"strike", u"img"});
}

// Tags that have no end tag.
bool isVoid(QStringView name)
{
    return nameIn(name, {u"br", u"img", u"hr", u"meta", u"link", u"input", u"area", u"base", u"col", u"param",
                         u"wbr"});
}

// The length of an entity such as "&lt;" or "&#233;" at i, or 0.
qsizetype entityLength(QStringView html, qsizetype i)
{
    for (qsizetype j = i + 1; j < html.size() && j <= i + 10; ++j) {
        if (html[j] == u';')
            return j > i + 1 ? j + 1 - i : 0;
        if (!html[j].isLetterOrNumber() && html[j] != u'#')
            return 0;
    }
    return 0;
}

qsizetype utf8Bytes(QStringView text)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3;  // a lone surrogate is written as the replacement character
        }
    }
    return bytes;
}

// The tag that opens at lt: where it ends (one past its '>'), its name and
// whether it closes. An unclosed tag runs to the end of the text.
struct Tag {
    qsizetype end;
    QStringView name;
    bool closing;
    bool complete;  // its '>' was found
};

Tag tagAt(QStringView html, qsizetype lt)
{
    const qsizetype gt = tagEnd(html, lt);
    const qsizetype end = gt < 0 ? html.size() : gt + 1;
    const bool closing = lt + 1 < html.size() && html[lt + 1] == u'/';
    const qsizetype nameStart = lt + 1 + (closing ? 1 : 0);
    qsizetype nameEnd = nameStart;
    while (nameEnd < end && html[nameEnd].isLetterOrNumber())
        ++nameEnd;
    return {end, html.sliced(nameStart, nameEnd - nameStart), closing, gt >= 0};
}

// The inline tags open at a place of a text, as Qt's parser keeps them: a
// closing tag closes the nearest open tag of its name and every tag opened
// after it, and one with no open tag of its name is ignored.
class OpenTags {
public:
    // Starts with the tags that open already (a text such as "<b><u>").
    explicit OpenTags(QStringView opened) { takeAll(opened); }

    // Every tag of html, which outlives this.
    void takeAll(QStringView html)
    {
        for (qsizetype lt = html.indexOf(u'<'); lt >= 0; lt = html.indexOf(u'<', lt + 1)) {
            const Tag tag = tagAt(html, lt);
            take(html, lt, tag);
            lt = tag.end - 1;
        }
    }

    // The tag at lt of html, which outlives this.
    void take(QStringView html, qsizetype lt, const Tag& tag)
    {
        if (!tag.complete || !isInline(tag.name))
            return;
        if (tag.closing) {
            for (auto o = open_.rbegin(); o != open_.rend(); ++o)
                if (sameName(o->name, tag.name)) {
                    open_.erase(std::prev(o.base()), open_.end());
                    break;
                }
        } else if (!tag.name.isEmpty() && !isVoid(tag.name) && html[tag.end - 2] != u'/') {
            open_.push_back({tag.name, html.sliced(lt, tag.end - lt)});
        }
    }

    QString text() const
    {
        QString tags;
        for (const Open& o : open_)
            tags += o.tag;
        return tags;
    }

private:
    struct Open {
        QStringView name;
        QStringView tag;
    };
    std::vector<Open> open_;
};

}  // namespace

QString htmlForLayout(QStringView html)
{
    QString out;
    out.reserve(html.size());
    qsizetype copied = 0;
    for (qsizetype lt = html.indexOf(u'<'); lt >= 0; lt = html.indexOf(u'<', lt + 1)) {
        if (!isTag(html, lt, QLatin1StringView("img")))
            continue;
        const qsizetype gt = tagEnd(html, lt);
        if (gt < 0)
            break;
        out += html.mid(copied, lt - copied);
        out += pictureTag(html.mid(lt + 4, gt - lt - 4));
        copied = gt + 1;
        lt = gt;
    }
    out += html.mid(copied);
    dropClosingBreak(out);
    return out;
}

QString openTagsAfter(QStringView opened, QStringView html)
{
    OpenTags open(opened);
    open.takeAll(html);
    return open.text();
}

std::vector<Cut> htmlCuts(QStringView html, QStringView opened)
{
    std::vector<Cut> cuts;
    if (html.size() <= kPieceLength)
        return cuts;
    OpenTags open(opened);
    enum class Item { Text, Blank, Inline, Other };
    qsizetype lastCut = 0, pendingAt = 0, bytesToLastCut = 0;
    // What the piece since the last cut costs to lay out: its characters, and
    // each tag as much as a few, since every change of format is one more
    // run to shape.
    qsizetype weight = 0;
    std::optional<Cut> pending;  // a place to cut, if the text after it is no blank
    bool afterFitting = false;  // a cut may follow the items so far
    bool afterBlank = false;
    // Past the length, a cut waits a little for a word's beginning, where the
    // short line that ends the piece looks like any line wrapped at a word.
    auto time = [&] { return weight >= kPieceLength && (afterBlank || weight >= kPieceLength + 256); };
    for (qsizetype i = 0; i < html.size();) {
        Item item = Item::Text;
        qsizetype end = i + 1;
        const QChar c = html[i];
        if (c == u'<') {
            const Tag tag = tagAt(html, i);
            end = tag.end;
            item = tag.complete && isInline(tag.name) ? Item::Inline : Item::Other;
            if (item == Item::Other && !sameName(tag.name, u"br"))
                return {};  // Qt closes block tags in ways of its own
            if (!pending && afterFitting && item == Item::Inline && time()) {
                pending = Cut{0, open.text()};
                pendingAt = i;
            }
            open.take(html, i, tag);
        } else {
            if (c == u'&')
                end = i + std::max<qsizetype>(1, entityLength(html, i));
            else if (c.isHighSurrogate() && end < html.size() && html[end].isLowSurrogate())
                ++end;
            item = c.isSpace() ? Item::Blank : Item::Text;
            if (!pending && afterFitting && time()) {
                pending = Cut{0, open.text()};
                pendingAt = i;
            }
        }
        if (item == Item::Other || (pending && item == Item::Blank)) {
            pending.reset();
        } else if (pending && item == Item::Text) {
            bytesToLastCut += utf8Bytes(html.sliced(lastCut, pendingAt - lastCut));
            pending->at = bytesToLastCut;
            cuts.push_back(std::move(*pending));
            pending.reset();
            lastCut = pendingAt;
            weight = 0;
        }
        weight += item == Item::Inline ? 4 : 1;
        // Blanks after a line break keep it last in its piece, where
        // htmlForLayout would drop it as the fragment's closing break.
        if (item != Item::Blank)
            afterFitting = item != Item::Other;
        afterBlank = item == Item::Blank || (afterBlank && item == Item::Inline);
        i = end;
    }
    return cuts;
}

QVariant HtmlBlockDocument::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::ImageResource && name.scheme() == pictureScheme) {
        bool ok = false;
        const int id = name.path().toInt(&ok);
        if (ok)
            return PictureStore::instance().image(id);
    }
    return QVariant();
}

}  // namespace platform
