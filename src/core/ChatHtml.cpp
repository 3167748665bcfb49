// Chat text to HTML: FormatoHTML, ColorHTML, EscapaJS.
//
// FormatoHTML gives exactly what its passes give when each runs over the
// whole text in turn (44 emoticon passes, 65 list-picture passes, then the
// codes), including codes that only form inside tags inserted by earlier
// passes. It is called for every line shown, so a pass that cannot match is
// skipped without a search; the passes that run keep their order.
//
// The module compares text without regard to case. List and colour codes
// hold only slashes, digits, commas and Chr(3), which no case folding
// reaches, so their searches compare exactly: the same matches, faster.
#include "core/ColourCodes.h"
#include "core/Function.h"
#include "core/Hosts.h"
#include "platform/Errors.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstring>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace Function {

const QList<QString>& EmoticonCodes()
{
    static const QList<QString> codes = {
        u":)"_s,  u":D"_s,  u":O"_s,  u":o"_s,  u":p"_s,  u";)"_s,  u":("_s,
        u":|"_s,  u":\u00B4("_s, u":$"_s, u"(H)"_s, u":@"_s, u":-@"_s, u":s"_s,
        u"o:"_s,  u">o"_s,  u"b)"_s,  u"<t>"_s, u"&)"_s,  u":%"_s,
        u"\u00AC\u00AC"_s, u"(#)"_s, u":="_s, u"(/)"_s, u":["_s, u"[@"_s,
        u"x)"_s,  u"ZzZ"_s, u":{}"_s, u"8)"_s,  u":)?"_s, u">:b"_s, u"@-"_s,
        u"#("_s,  u"(0)"_s, u":9"_s,  u"@@"_s,  u"|)"_s,  u"#/"_s,  u"XxX"_s,
        u"c()"_s, u"@*"_s,  u"@="_s,  u"()"_s,
    };
    return codes;
}

QString TextoHTML(QString text)
{
    return text.replace(u'<', QLatin1String("&lt;")).replace(u'>', QLatin1String("&gt;"));
}

QString ColorHTML(qint16 index)
{
    static const std::array<QString, 18> names = {
        u"white"_s, u"black"_s, u"darkblue"_s, u"darkgreen"_s, u"red"_s, u"darkred"_s,
        u"#800080"_s, u"orange"_s, u"yellow"_s, u"#00FF00"_s, u"#008080"_s, u"cyan"_s,
        u"blue"_s, u"FUCHSIA"_s, u"darkgray"_s, u"gray"_s, QString(), u"silver"_s,
    };
    if (index < 0 || index >= qint16(names.size()))
        return QString();
    return names[size_t(index)];
}

namespace {

// --- Emoticons

// The characters that occur in emoticon codes, case-folded as a
// case-insensitive search folds them, numbered 1 to N; 0 for every other.
class CodeAlphabet {
public:
    static constexpr int kMax = 64;

    explicit CodeAlphabet(const QList<QString>& codes)
    {
        int next = 1;
        for (const QString& code : codes)
            for (QChar c : code) {
                const char16_t f = QChar::toCaseFolded(c.unicode());
                Q_ASSERT(f < 256);
                if (!byFolded_[f])
                    byFolded_[f] = quint8(next++);
            }
        Q_ASSERT(next <= kMax);
        for (int c = 0; c < 256; ++c) {
            const char16_t f = QChar::toCaseFolded(char16_t(c));
            byRaw_[c] = f < 256 ? byFolded_[f] : 0;
        }
    }

    int of(char16_t c) const
    {
        if (c < 256)
            return byRaw_[c];
        // A few letters above Latin-1 fold into it (U+017F long s folds to "s").
        const char16_t f = QChar::toCaseFolded(c);
        return f < 256 ? byFolded_[f] : 0;
    }

private:
    std::array<quint8, 256> byFolded_{};
    std::array<quint8, 256> byRaw_{};
};

// The pairs of neighbouring code characters a text holds. A code can only
// occur in a text that holds every pair of neighbours of the code; a set
// that holds a few pairs more only costs a search.
class PairSet {
public:
    void add(int first, int second)
    {
        if (first && second)
            bits_[index(first, second)] = true;
    }

    void addText(const CodeAlphabet& alphabet, QStringView text)
    {
        int previous = 0;
        for (QChar c : text) {
            const int current = alphabet.of(c.unicode());
            add(previous, current);
            previous = current;
        }
    }

    void addAll(const PairSet& other) { bits_ |= other.bits_; }

    bool holdsAll(const std::vector<size_t>& pairs) const
    {
        for (size_t p : pairs)
            if (!bits_[p])
                return false;
        return true;
    }

    static size_t index(int first, int second) { return size_t(first * CodeAlphabet::kMax + second); }

private:
    std::bitset<CodeAlphabet::kMax * CodeAlphabet::kMax> bits_;
};

// A text beside the number in the alphabet of each of its characters: a
// pass finds the places of its code's first character with memchr, instead
// of folding every character of the text once for each code.
struct CodedText {
    QString text;
    QByteArray codes;

    CodedText() = default;
    CodedText(const QString& t, const CodeAlphabet& alphabet) : text(t), codes(t.size(), Qt::Uninitialized)
    {
        for (qsizetype i = 0; i < t.size(); ++i)
            codes[i] = char(alphabet.of(t[i].unicode()));
    }
};

struct Emoticon {
    CodedText tag;
    QByteArray letters;  // the code's characters in the alphabet
    std::vector<size_t> pairs;
    PairSet tagPairs;
};

struct EmoticonTable {
    CodeAlphabet alphabet{EmoticonCodes()};
    std::vector<Emoticon> emoticons;

    EmoticonTable()
    {
        const QList<QString>& codes = EmoticonCodes();
        for (qsizetype n = 0; n < codes.size(); ++n) {
            Emoticon e;
            e.tag = CodedText(u"<img src='http://"_s + hosts::kPictures + u"/Brisolo/IconCG/"_s +
                                  QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')) + u".gif'>"_s,
                              alphabet);
            e.letters = CodedText(codes[n], alphabet).codes;
            for (qsizetype i = 0; i + 1 < e.letters.size(); ++i)
                e.pairs.push_back(PairSet::index(e.letters[i], e.letters[i + 1]));
            e.tagPairs.addText(alphabet, e.tag.text);
            emoticons.push_back(std::move(e));
        }
    }
};

// Replaces every occurrence of the code, left to right, as a case-insensitive
// replace does: two characters match when they fold alike, which for code
// characters is when the alphabet gives them the same number. Adds the pairs
// that the tags bring, inside and at both ends. Returns whether it replaced
// any. The new text is written into spare, whose buffers serve one pass
// after the other, and the two are swapped.
bool replaceCode(CodedText& t, CodedText& spare, const Emoticon& e, PairSet& present)
{
    const qsizetype length = e.letters.size();
    const char* codes = t.codes.constData();
    const qsizetype last = t.codes.size() - length;  // the last place a code may begin
    CodedText& out = spare;
    out.text.resize(0);
    out.codes.resize(0);
    auto append = [&](QStringView text, QByteArrayView textCodes) {
        if (!out.codes.isEmpty() && !textCodes.isEmpty())
            present.add(out.codes.back(), textCodes.front());
        out.text.append(text);
        out.codes.append(textCodes);
    };
    qsizetype copied = 0;
    for (qsizetype i = 0; i <= last;) {
        const void* hit = std::memchr(codes + i, e.letters[0], size_t(last + 1 - i));
        if (!hit)
            break;
        i = static_cast<const char*>(hit) - codes;
        if (QByteArrayView(codes + i, length) != e.letters) {
            ++i;
            continue;
        }
        if (copied == 0) {
            out.text.reserve(t.text.size() + 2 * e.tag.text.size());
            out.codes.reserve(t.codes.size() + 2 * e.tag.codes.size());
        }
        append(QStringView(t.text).sliced(copied, i - copied), QByteArrayView(t.codes).sliced(copied, i - copied));
        append(e.tag.text, e.tag.codes);
        i += length;
        copied = i;
    }
    if (copied == 0)
        return false;
    append(QStringView(t.text).sliced(copied), QByteArrayView(t.codes).sliced(copied));
    present.addAll(e.tagPairs);
    std::swap(t, out);
    return true;
}

void replaceEmoticons(QString& text)
{
    static const EmoticonTable table;
    PairSet present;
    present.addText(table.alphabet, text);
    std::optional<CodedText> coded;  // made when a pass first needs it: most lines hold no code
    CodedText spare;
    bool replaced = false;
    for (const Emoticon& e : table.emoticons) {
        if (!present.holdsAll(e.pairs))
            continue;
        if (!coded)
            coded.emplace(text, table.alphabet);
        replaced = replaceCode(*coded, spare, e, present) || replaced;
    }
    if (replaced)
        text = std::move(coded->text);
}

// --- List pictures

constexpr int kListPictures = 65;

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The list codes ("//00" to "//64") a text holds. Two of them never overlap,
// and a list tag (its "//" is followed by the host's first letter) holds none
// nor forms one with its neighbours; so a code found here is still there when
// its own pass comes, and no other appears.
std::bitset<kListPictures> listCodesIn(const QString& text)
{
    std::bitset<kListPictures> found;
    for (qsizetype i = text.indexOf(u'/'); i >= 0 && i + 3 < text.size(); i = text.indexOf(u'/', i + 1)) {
        if (text[i + 1] != u'/' || !isDigit(text[i + 2]) || !isDigit(text[i + 3]))
            continue;
        const int k = (text[i + 2].unicode() - u'0') * 10 + (text[i + 3].unicode() - u'0');
        if (k < kListPictures)
            found.set(size_t(k));
    }
    return found;
}

struct ListPicture {
    QString code;
    QString tag;
};

const std::array<ListPicture, kListPictures>& listPictures()
{
    static const auto table = [] {
        std::array<ListPicture, kListPictures> t;
        for (int k = 0; k < kListPictures; ++k)
            t[size_t(k)] = {u"//"_s + QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')),
                            u"<IMG SRC=\"http://"_s + hosts::kPictures + u"/img/list-new/"_s +
                                QString::number(k + 1) + u".gif\">"_s};
        return t;
    }();
    return table;
}

void replaceListPictures(QString& text)
{
    const std::bitset<kListPictures> found = listCodesIn(text);
    for (int k = 0; k < kListPictures && found.any(); ++k)
        if (found[size_t(k)])
            text.replace(listPictures()[size_t(k)].code, listPictures()[size_t(k)].tag);
}

// --- Bold and underline

// Chr(2) and Chr(31) switch on and off, from the first to the last.
void replaceToggles(QString& text, char16_t code, bool& open, QStringView on, QStringView off)
{
    qsizetype at = text.indexOf(QChar(code));
    if (at < 0)
        return;
    QString out;
    out.reserve(text.size() + 4 * text.count(QChar(code)));
    qsizetype copied = 0;
    for (; at >= 0; at = text.indexOf(QChar(code), copied)) {
        out.append(QStringView(text).sliced(copied, at - copied));
        open = !open;
        out.append(open ? on : off);
        copied = at + 1;
    }
    out.append(QStringView(text).sliced(copied));
    text = out;
}

}  // namespace

QString FormatoHTML(QString& text)
{
    FormatState state;
    FormatoHTML(text, state);
    platform::resumeNext("FormatoHTML closing tags", [&] { text += ClosingTags(state); });
    return text;
}

QString FormatoHTML(QString& text, FormatState& state)
{
    using platform::resumeNext;
    resumeNext("FormatoHTML emoticons", [&] { replaceEmoticons(text); });
    resumeNext("FormatoHTML list pictures", [&] { replaceListPictures(text); });
    resumeNext("FormatoHTML colours", [&] { replaceColourCodes(text, state.colour); });
    resumeNext("FormatoHTML bold", [&] { replaceToggles(text, 2, state.bold, u"<b>", u"</b>"); });
    resumeNext("FormatoHTML underline", [&] { replaceToggles(text, 31, state.underline, u"<u>", u"</u>"); });
    resumeNext("FormatoHTML plain", [&] { text.replace(QChar(15), u"</u></b></font> </font>"_s); });
    return text;
}

QString ClosingTags(const FormatState& state)
{
    QString tags;
    if (state.underline)
        tags += u"</u>"_s;
    if (state.bold)
        tags += u"</b>"_s;
    if (state.colour.open)
        tags += u"</font>"_s;
    return tags;
}

// The escapes are one character each and only the backslash step meets
// backslashes, which it doubles before any other step adds one; so one pass
// that escapes each character gives what the thirteen replacements give.
QString EscapaJS(QString& text)
{
    auto special = [](QChar c) {
        switch (c.unicode()) {
        case u'\n': case u'\r': case u'\\': case u'{': case u'}': case u';': case u'\'':
        case u'"': case u'(': case u')': case u']': case u'[': case u'#':
            return true;
        default:
            return false;
        }
    };
    qsizetype first = 0;
    while (first < text.size() && !special(text.at(first)))
        ++first;
    if (first == text.size())
        return text;
    // Written through a pointer into room for the worst case: appending
    // one character at a time costs several times more on long lines.
    QString out(first + 2 * (text.size() - first), Qt::Uninitialized);
    QChar* end = std::copy(text.cbegin(), text.cbegin() + first, out.data());
    for (qsizetype i = first; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || c == u'\r')
            continue;
        if (special(c))
            *end++ = u'\\';
        *end++ = c;
    }
    out.truncate(end - out.constData());
    text = out;
    return text;
}

}  // namespace Function
