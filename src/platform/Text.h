#pragma once
// The text functions of the original's language, with its semantics:
// positions count from 1, 0 means "not found", and a call the original would
// reject (negative length, start before 1, overflow) throws RuntimeError with
// the original's error number. Compare::Text ignores letter case.
#include <QString>

namespace platform {

enum class Compare { Binary, Text };

// InStr([start,] s1, s2): first position of s2 in s1 at or after start.
int InStr(int start, const QString& s1, const QString& s2, Compare c = Compare::Binary);
int InStr(const QString& s1, const QString& s2, Compare c = Compare::Binary);

QString Mid(const QString& s, int start);
QString Mid(const QString& s, int start, int length);
QString Left(const QString& s, int length);
QString Right(const QString& s, int length);

// Replace(expr, find, with): every occurrence, left to right, non-overlapping.
QString Replace(const QString& expr, const QString& find, const QString& with,
                Compare c = Compare::Binary);

// Trim, LTrim, RTrim strip blanks (character 32) only.
QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);

QString LCase(const QString& s);
QString UCase(const QString& s);

inline QString Chr(int code) { return QString(QChar(char16_t(code))); }

// Like with the digit patterns the program uses: "#" one digit, "?" one
// character, "*" any rest; every other pattern character stands for itself.
bool Like(const QString& s, const QString& pattern);

// CInt of a text: a number (blanks around it allowed, fractions rounded to
// even) in -32768..32767; anything else is a type mismatch (13) or an
// overflow (6).
qint16 CInt(const QString& s);
// A count or position that must fit a 16-bit integer.
qint16 CInt(qint64 n);
// A number rounded to a 32-bit integer, a half to the even neighbour;
// anything beyond the range (or not a number) is an overflow (6).
qint32 CLng(double d);

}  // namespace platform
