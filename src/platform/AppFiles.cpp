#include "platform/AppFiles.h"

#include "platform/WireText.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace platform {

QString AppPath()
{
    const QByteArray home = qgetenv("TROVELIN_HOME");
    QString path = home.isEmpty() ? QCoreApplication::applicationDirPath() : QString::fromLocal8Bit(home);
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QString FilesPath(const QString& name)
{
    return AppPath() + QStringLiteral("/Files/") + name;
}

// 0x80..0x9F of Windows-1252; the five unassigned bytes keep their own code.
static const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromCp1252(const QByteArray& bytes)
{
    QString s(bytes.size(), Qt::Uninitialized);
    QChar* out = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(char16_t(b));
    }
    return s;
}

QByteArray toCp1252(const QString& text)
{
    static const QHash<char16_t, char> high = [] {
        QHash<char16_t, char> h;
        for (int i = 0; i < 32; ++i)
            h.insert(kHigh[i], char(0x80 + i));
        return h;
    }();
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            out[i] = char(c);
        else
            out[i] = high.value(c, '?');
    }
    return out;
}

static QStringList splitLines(const QByteArray& bytes, QString (*decode)(const QByteArray&) = fromCp1252)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines << decode(bytes.mid(start, i - start));
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < bytes.size())
        lines << decode(bytes.mid(start));
    return lines;
}

static std::optional<QByteArray> readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

std::optional<QStringList> readTextLines(const QString& path)
{
    const auto bytes = readAll(path);
    if (!bytes)
        return std::nullopt;
    return splitLines(*bytes);
}

bool writeFileWhole(const QString& path, const QByteArray& bytes)
{
    // commit() misses a write that fails while it flushes the buffer (Qt 6.4),
    // so the flush is checked first; the new file is discarded unless
    // committed.
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush() && f.commit();
}

bool writeTextLines(const QString& path, const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += toCp1252(line) + "\r\n";
    return writeFileWhole(path, out);
}

std::optional<QStringList> readUtf8Lines(const QString& path)
{
    const auto bytes = readAll(path);
    if (!bytes)
        return std::nullopt;
    return splitLines(*bytes, decodeLine);
}

bool writeUtf8Lines(const QString& path, const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines)
        out += line.toUtf8() + "\r\n";
    return writeFileWhole(path, out);
}

QStringList readFields(const QByteArray& bytes, Decoder decode)
{
    QStringList fields;
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    auto atEnd = [&](qsizetype k) { return k >= n || bytes[k] == ',' || bytes[k] == '\r' || bytes[k] == '\n'; };
    auto skipSeparator = [&] {
        if (i < n && bytes[i] == ',') {
            ++i;
        } else if (i < n && bytes[i] == '\r') {
            ++i;
            if (i < n && bytes[i] == '\n')
                ++i;
        } else if (i < n && bytes[i] == '\n') {
            ++i;
        }
    };
    while (i < n) {
        while (i < n && (bytes[i] == ' ' || bytes[i] == '\t'))
            ++i;
        if (i < n && bytes[i] == '"') {
            const qsizetype open = ++i;
            while (i < n && bytes[i] != '"' && bytes[i] != '\n' && bytes[i] != '\r')
                ++i;
            fields << decode(bytes.mid(open, i - open));
            if (i < n && bytes[i] == '"')
                ++i;
            while (!atEnd(i))  // whatever follows the closing quote up to the separator is dropped
                ++i;
        } else {
            const qsizetype start = i;
            while (!atEnd(i))
                ++i;
            qsizetype end = i;
            while (end > start && (bytes[end - 1] == ' ' || bytes[end - 1] == '\t'))
                --end;
            fields << decode(bytes.mid(start, end - start));
        }
        skipSeparator();
    }
    return fields;
}

std::optional<QStringList> readFieldsOfFile(const QString& path, Decoder decode)
{
    const auto bytes = readAll(path);
    if (!bytes)
        return std::nullopt;
    return readFields(*bytes, decode);
}

QString readProfileString(const QString& path, const QString& section, const QString& key, int bufferSize)
{
    const auto lines = readTextLines(path);
    if (!lines || bufferSize <= 1)
        return QString();
    bool inSection = false;
    for (const QString& raw : *lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            if (inSection)
                return QString();  // only the first section of that name counts
            inSection = name.compare(section.trimmed(), Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || line.left(eq).trimmed().compare(key.trimmed(), Qt::CaseInsensitive) != 0)
            continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && ((value.startsWith(u'"') && value.endsWith(u'"')) ||
                                  (value.startsWith(u'\'') && value.endsWith(u'\''))))
            value = value.mid(1, value.size() - 2);
        return value.left(bufferSize - 1);
    }
    return QString();
}

}  // namespace platform
