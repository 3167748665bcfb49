#include "platform/WireText.h"

#include "platform/AppFiles.h"

#include <cstring>

namespace platform {

static bool isAscii(const QByteArray& b)
{
    for (const char c : b)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

static bool isValidUtf8(const QByteArray& b)
{
    const auto* p = reinterpret_cast<const uchar*>(b.constData());
    const qsizetype n = b.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        uint cp;
        if (c >= 0xC2 && c <= 0xDF) { extra = 1; cp = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { extra = 2; cp = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { extra = 3; cp = c & 0x07; }
        else return false;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

QString decodeLine(const QByteArray& line)
{
    if (isAscii(line))
        return QString::fromLatin1(line);
    if (isValidUtf8(line))
        return QString::fromUtf8(line);
    return fromCp1252(line);
}

QByteArray encodeLine(const QString& text)
{
    QByteArray out = text.toUtf8();
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return out;
}

void LineFramer::feed(const QByteArray& bytes)
{
    compact();
    queue_ += bytes;
}

void LineFramer::compact()
{
    if (pos_ > 0 && pos_ >= queue_.size() / 2) {
        queue_.remove(0, pos_);
        pos_ = 0;
    }
}

std::optional<QByteArray> LineFramer::takeLine()
{
    while (pos_ < queue_.size()) {
        const qsizetype lf = queue_.indexOf('\n', pos_);
        const qsizetype end = lf < 0 ? queue_.size() : lf;
        if (!dropping_) {
            // Append the piece up to the limit, dropping CR.
            qsizetype i = pos_;
            while (i < end && !dropping_) {
                const char* base = queue_.constData();
                const void* hit = std::memchr(base + i, '\r', size_t(end - i));
                const qsizetype cr = hit ? static_cast<const char*>(hit) - base : -1;
                const qsizetype stop = cr < 0 ? end : cr;
                const qsizetype room = maxLine_ - current_.size();
                const qsizetype take = qMin(stop - i, room);
                current_.append(queue_.constData() + i, take);
                if (take < stop - i)
                    dropping_ = true;
                i = stop + (stop == cr ? 1 : 0);
            }
        }
        if (lf < 0) {
            pos_ = queue_.size();
            compact();
            return std::nullopt;
        }
        pos_ = lf + 1;
        dropping_ = false;
        QByteArray line;
        line.swap(current_);
        return line;
    }
    return std::nullopt;
}

QByteArray LineFramer::partial() const { return current_; }

}  // namespace platform
