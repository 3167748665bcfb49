// The colour pass, n log n.
//
// The text only ever changes at a Chr(3): its code (the Chr(3) and up to
// five digits and commas after it) becomes a tag, "</font>" or nothing. So
// the text is kept as it came, cut into segments that each begin at a
// Chr(3), with what became of each segment's Chr(3) and how many of the
// characters after it a code took. The segments' lengths sit in a Fenwick
// tree, which turns a place in the edited text into a segment and back.
//
// A code is replaced where it first occurs in the text. That is the Chr(3)
// at hand, unless a Chr(3) before it was passed over (it moved into the
// place of a removed one) and is followed by the same digits. The passed
// over ones are indexed by what follows them, which stays as it is while
// they stay: their digits can be taken by their own code alone, and the
// Chr(3) that ends them is not the first one, the only one ever removed.
#include "core/ColourCodes.h"

#include "core/Function.h"

#include <algorithm>
#include <array>
#include <bit>
#include <numeric>
#include <queue>
#include <unordered_map>
#include <vector>

namespace Function {

namespace {

constexpr char16_t kColour = 3;
constexpr int kLongestCode = 5;  // after its Chr(3): "##,##"

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool inCode(char16_t c) { return isDigit(c) || c == u','; }

// Sums of lengths that change one at a time.
class Fenwick {
public:
    explicit Fenwick(const std::vector<qsizetype>& values) : tree_(values.size() + 1, 0)
    {
        for (size_t i = 1; i < tree_.size(); ++i) {
            tree_[i] += values[i - 1];
            total_ += values[i - 1];
            const size_t parent = i + (i & -i);
            if (parent < tree_.size())
                tree_[parent] += tree_[i];
        }
    }
    void add(size_t i, qsizetype delta)
    {
        total_ += delta;
        for (++i; i < tree_.size(); i += i & -i)
            tree_[i] += delta;
    }
    // The sum of the values before i.
    qsizetype prefix(size_t i) const
    {
        qsizetype sum = 0;
        for (; i > 0; i -= i & -i)
            sum += tree_[i];
        return sum;
    }
    qsizetype total() const { return total_; }
    // The most leading values whose sum stays at most limit, and that sum.
    std::pair<size_t, qsizetype> leadingUpTo(qsizetype limit) const
    {
        size_t count = 0;
        qsizetype sum = 0;
        for (size_t step = std::bit_floor(tree_.size() - 1); step > 0; step >>= 1)
            if (count + step < tree_.size() && sum + tree_[count + step] <= limit) {
                count += step;
                sum += tree_[count];
            }
        return {count, sum};
    }

private:
    std::vector<qsizetype> tree_;
    qsizetype total_ = 0;
};

// Indices 0 to n - 1 that are only ever removed: the next one still there
// at or after i, n when none.
class Survivors {
public:
    explicit Survivors(size_t n) : next_(n + 1) { std::iota(next_.begin(), next_.end(), size_t(0)); }
    void remove(size_t i) { next_[i] = i + 1; }
    size_t next(size_t i)
    {
        while (next_[i] != i) {
            next_[i] = next_[next_[i]];
            i = next_[i];
        }
        return i;
    }

private:
    std::vector<size_t> next_;
};

enum class Fate : quint8 { Kept, Removed, Closed, Tagged };

struct Segment {
    qsizetype begin;  // where its Chr(3) stands in the text as it came
    Fate fate = Fate::Kept;
    quint8 taken = 0;  // characters after the Chr(3) that a code took
    bool closeFirst = false;
    quint8 foreground = 0;
    quint8 background = 0;
};

using Run = std::array<char16_t, kLongestCode>;

class EditedText {
public:
    explicit EditedText(const QString& text) : text_(text)
    {
        for (qsizetype i = text.indexOf(QChar(kColour)); i >= 0; i = text.indexOf(QChar(kColour), i + 1))
            segments_.push_back({i});
        head_ = segments_.empty() ? text.size() : segments_.front().begin;
        std::vector<qsizetype> lengths(segments_.size());
        for (size_t s = 0; s < segments_.size(); ++s)
            lengths[s] = end(s) - segments_[s].begin;
        lengths_ = Fenwick(lengths);
        kept_ = Survivors(segments_.size());
        notEmpty_ = Survivors(segments_.size());
    }

    size_t count() const { return segments_.size(); }

    // The first Chr(3) at or after place `from` of the edited text; count() when none.
    size_t findFrom(qsizetype from)
    {
        size_t s = 0;
        if (from > head_) {
            const qsizetype inSegments = from - head_;
            if (inSegments >= lengths_.total())
                return count();
            const auto [holding, before] = lengths_.leadingUpTo(inSegments);
            s = before == inSegments ? holding : holding + 1;
        }
        return kept_.next(s);
    }
    size_t firstCode() { return kept_.next(0); }
    qsizetype placeOf(size_t s) const { return head_ + lengths_.prefix(s); }

    // The digits and commas that follow segment s's Chr(3), at most five.
    int runAfter(size_t s, Run& run)
    {
        int n = 0;
        size_t t = s;
        for (;;) {
            for (qsizetype i = rest(t); i < end(t); ++i) {
                if (n == kLongestCode || !inCode(text_[i].unicode()))
                    return n;
                run[size_t(n++)] = text_[i].unicode();
            }
            t = notEmpty_.next(t + 1);
            if (t == count() || segments_[t].fate != Fate::Removed)
                return n;
        }
    }

    // The first Chr(3), up to segment s, followed by code.
    size_t firstFollowedBy(size_t s, const Run& code, int length)
    {
        for (; indexed_ < s; ++indexed_)
            if (segments_[indexed_].fate == Fate::Kept)
                index(indexed_);
        const auto found = byFollowing_.find(key(code, length));
        if (found == byFollowing_.end())
            return s;
        auto& earliest = found->second;
        while (!earliest.empty() && segments_[earliest.top()].fate != Fate::Kept)
            earliest.pop();
        return earliest.empty() ? s : std::min(s, earliest.top());
    }

    // Segment s's Chr(3) and the codeLength characters after it become
    // what `fate` says.
    void replace(size_t s, Fate fate, int codeLength, const ColourState& state = {})
    {
        Segment& seg = segments_[s];
        seg.fate = fate;
        seg.closeFirst = state.open;
        seg.foreground = quint8(state.foreground);
        seg.background = quint8(state.background);
        lengths_.add(s, fateLength(seg) - 1);
        kept_.remove(s);
        take(s, codeLength);
        if (fate == Fate::Removed && rest(s) == end(s))
            notEmpty_.remove(s);
    }

    QString result() const
    {
        QString out;
        out.reserve(head_ + lengths_.total());
        out.append(QStringView(text_).first(head_));
        for (size_t s = 0; s < count(); ++s) {
            appendFate(out, segments_[s]);
            out.append(QStringView(text_).sliced(rest(s), end(s) - rest(s)));
        }
        return out;
    }

private:
    qsizetype end(size_t s) const { return s + 1 < count() ? segments_[s + 1].begin : text_.size(); }
    // Where the characters of segment s that are still there begin.
    qsizetype rest(size_t s) const { return segments_[s].begin + 1 + segments_[s].taken; }

    static constexpr QStringView kClose = u"</font>";
    static constexpr QStringView kFont = u"<font color='";
    static constexpr QStringView kBackground = u"' STYLE='background: ";
    static constexpr QStringView kTagEnd = u"'>";

    // What a segment's Chr(3) became, and its length.
    static void appendFate(QString& out, const Segment& seg)
    {
        switch (seg.fate) {
        case Fate::Kept: out += QChar(kColour); break;
        case Fate::Removed: break;
        case Fate::Closed: out += kClose; break;
        case Fate::Tagged:
            if (seg.closeFirst)
                out += kClose;
            out.append(kFont).append(ColorHTML(seg.foreground)).append(kBackground)
                .append(ColorHTML(seg.background)).append(kTagEnd);
            break;
        }
    }
    static qsizetype fateLength(const Segment& seg)
    {
        switch (seg.fate) {
        case Fate::Kept: return 1;
        case Fate::Removed: return 0;
        case Fate::Closed: return kClose.size();
        case Fate::Tagged: break;
        }
        return (seg.closeFirst ? kClose.size() : 0) + kFont.size() + ColorHTML(seg.foreground).size() +
               kBackground.size() + ColorHTML(seg.background).size() + kTagEnd.size();
    }

    // Takes the count code characters after segment s's Chr(3): those that
    // runAfter gives.
    void take(size_t s, int count)
    {
        for (size_t t = s; count > 0; t = notEmpty_.next(t + 1)) {
            Segment& seg = segments_[t];
            const int here = int(std::min<qsizetype>(end(t) - rest(t), count));
            seg.taken = quint8(seg.taken + here);
            lengths_.add(t, -here);
            count -= here;
            if (seg.fate == Fate::Removed && rest(t) == end(t))
                notEmpty_.remove(t);
        }
    }

    static quint32 key(const Run& run, int length)
    {
        quint32 k = 0;
        for (int i = 0; i < length; ++i)
            k = k * 12 + (run[size_t(i)] == u',' ? 11 : run[size_t(i)] - u'0' + 1);
        return k;
    }

    // Indexes kept segment s by every beginning of what follows it.
    void index(size_t s)
    {
        Run run;
        const int n = runAfter(s, run);
        for (int length = 1; length <= n; ++length)
            byFollowing_[key(run, length)].push(s);
    }

    const QString& text_;
    std::vector<Segment> segments_;
    qsizetype head_ = 0;  // the text before the first Chr(3), which no code reaches
    Fenwick lengths_{{}};
    Survivors kept_{0};
    Survivors notEmpty_{0};
    // Kept Chr(3)s before segment indexed_, by what follows them.
    size_t indexed_ = 0;
    std::unordered_map<quint32, std::priority_queue<size_t, std::vector<size_t>, std::greater<>>> byFollowing_;
};

// The shapes of a colour code in the order they are tried: digits of the
// foreground, then digits of the background after a comma (0: none).
struct Shape {
    int foreground;
    int background;
    int length() const { return foreground + (background ? 1 + background : 0); }
};
constexpr std::array<Shape, 6> kShapes = {{{1, 2}, {1, 1}, {2, 2}, {2, 1}, {2, 0}, {1, 0}}};

bool fits(const Shape& shape, const Run& run, int n)
{
    auto digits = [&](int from, int count) {
        for (int i = from; i < from + count; ++i)
            if (i >= n || !isDigit(run[size_t(i)]))
                return false;
        return true;
    };
    if (!digits(0, shape.foreground))
        return false;
    return shape.background == 0 ||
           (shape.foreground < n && run[size_t(shape.foreground)] == u',' &&
            digits(shape.foreground + 1, shape.background));
}

qint16 number(const Run& run, int from, int digits)
{
    qint16 n = 0;
    for (int i = from; i < from + digits; ++i)
        n = qint16(n * 10 + (run[size_t(i)] - u'0'));
    return n;
}

}  // namespace

void replaceColourCodes(QString& text, ColourState& state)
{
    if (!text.contains(QChar(kColour)))
        return;
    EditedText edited(text);
    qsizetype from = 0;
    for (size_t code = edited.findFrom(0); code < edited.count(); code = edited.findFrom(from)) {
        // The next search starts one place after this Chr(3), whatever the
        // replacement does to the text before that place.
        from = edited.placeOf(code) + 1;
        Run run;
        const int n = edited.runAfter(code, run);
        if (n == 0 || !isDigit(run[0])) {
            edited.replace(edited.firstCode(), state.open ? Fate::Closed : Fate::Removed, 0);
            state.open = false;
            continue;
        }
        const Shape& shape = *std::find_if(kShapes.begin(), kShapes.end(),
                                           [&](const Shape& s) { return fits(s, run, n); });
        state.foreground = number(run, 0, shape.foreground);
        if (shape.background)
            state.background = number(run, shape.foreground + 1, shape.background);
        edited.replace(edited.firstFollowedBy(code, run, shape.length()), Fate::Tagged, shape.length(), state);
        state.open = true;
    }
    text = edited.result();
}

}  // namespace Function
