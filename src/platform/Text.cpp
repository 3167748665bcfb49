#include "platform/Text.h"

#include "platform/Errors.h"

#include <cmath>

namespace platform {

static Qt::CaseSensitivity cs(Compare c)
{
    return c == Compare::Text ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

int InStr(int start, const QString& s1, const QString& s2, Compare c)
{
    if (start < 1)
        throw RuntimeError(errInvalidCall);
    if (s1.isEmpty())
        return 0;
    if (s2.isEmpty())
        return start <= s1.size() + 1 ? start : 0;
    if (start > s1.size())
        return 0;
    return int(s1.indexOf(s2, start - 1, cs(c))) + 1;
}

int InStr(const QString& s1, const QString& s2, Compare c)
{
    return InStr(1, s1, s2, c);
}

QString Mid(const QString& s, int start)
{
    if (start < 1)
        throw RuntimeError(errInvalidCall);
    if (start > s.size())
        return QString();
    return s.mid(start - 1);
}

QString Mid(const QString& s, int start, int length)
{
    if (start < 1 || length < 0)
        throw RuntimeError(errInvalidCall);
    if (start > s.size())
        return QString();
    return s.mid(start - 1, length);
}

QString Left(const QString& s, int length)
{
    if (length < 0)
        throw RuntimeError(errInvalidCall);
    return s.left(length);
}

QString Right(const QString& s, int length)
{
    if (length < 0)
        throw RuntimeError(errInvalidCall);
    return s.right(length);
}

QString Replace(const QString& expr, const QString& find, const QString& with, Compare c)
{
    if (find.isEmpty())
        return expr;
    QString r = expr;
    return r.replace(find, with, cs(c));
}

QString LTrim(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == u' ')
        ++i;
    return s.mid(i);
}

QString RTrim(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    return s.left(n);
}

QString Trim(const QString& s)
{
    return LTrim(RTrim(s));
}

QString LCase(const QString& s) { return s.toLower(); }
QString UCase(const QString& s) { return s.toUpper(); }

static bool likeFrom(const QString& s, qsizetype i, const QString& p, qsizetype j)
{
    for (; j < p.size(); ++j, ++i) {
        const QChar pc = p.at(j);
        if (pc == u'*') {
            for (qsizetype k = i; k <= s.size(); ++k)
                if (likeFrom(s, k, p, j + 1))
                    return true;
            return false;
        }
        if (i >= s.size())
            return false;
        const QChar sc = s.at(i);
        if (pc == u'#') {
            if (sc < u'0' || sc > u'9')
                return false;
        } else if (pc != u'?' && pc != sc) {
            return false;
        }
    }
    return i == s.size();
}

bool Like(const QString& s, const QString& pattern)
{
    return likeFrom(s, 0, pattern, 0);
}

qint16 CInt(qint64 n)
{
    if (n < -32768 || n > 32767)
        throw RuntimeError(errOverflow);
    return qint16(n);
}

qint16 CInt(const QString& s)
{
    bool ok = false;
    const QString t = s.trimmed();
    const double d = t.toDouble(&ok);
    if (!ok || t.isEmpty() || !std::isfinite(d))
        throw RuntimeError(errTypeMismatch);
    const double r = std::nearbyint(d);  // rounds half to even
    if (r < -32768.0 || r > 32767.0)
        throw RuntimeError(errOverflow);
    return qint16(r);
}

qint32 CLng(double d)
{
    const double r = std::nearbyint(d);  // rounds half to even
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw RuntimeError(errOverflow);
    return qint32(r);
}

}  // namespace platform
