// The user settings file "Parlowen.nt": read once at start-up, written
// whole after every change.
#include "core/Function.h"

#include "platform/AppFiles.h"
#include "platform/Dialogs.h"
#include "platform/Text.h"

#include <QScopedValueRollback>

#include <array>

using namespace Qt::StringLiterals;

namespace Function {

namespace {

struct Setting {
    QString key;
    QString* value;
};

// The order in which the writer puts the lines.
const std::array<Setting, 12>& writtenSettings()
{
    static const std::array<Setting, 12> settings = {{
        {u"Nick="_s, &NickGuardado},
        {u"Password="_s, &PassGuardado},
        {u"Adorno Izquierdo="_s, &AdornoIzquierdo},
        {u"Adorno Derecho="_s, &AdornoDerecho},
        {u"Alterno="_s, &AlternoGuardado},
        {u"Color Izquierdo="_s, &ColorIzquierdo},
        {u"Color Derecho="_s, &ColorDerecho},
        {u"Color Central="_s, &ColorCentral},
        {u"Color Fondo="_s, &ColorFondo},
        {u"Bold="_s, &CodigoBold},
        {u"Under="_s, &CodigoUnder},
        {u"Contestadora="_s, &TextoContestadora},
    }};
    return settings;
}

// The order in which the reader tests the keys on each line.
const std::array<Setting, 12>& readSettings()
{
    static const std::array<Setting, 12> settings = {{
        {u"Nick="_s, &NickGuardado},
        {u"Alterno="_s, &AlternoGuardado},
        {u"Password="_s, &PassGuardado},
        {u"Adorno Izquierdo="_s, &AdornoIzquierdo},
        {u"Adorno Derecho="_s, &AdornoDerecho},
        {u"Color Izquierdo="_s, &ColorIzquierdo},
        {u"Color Central="_s, &ColorCentral},
        {u"Color Fondo="_s, &ColorFondo},
        {u"Color Derecho="_s, &ColorDerecho},
        {u"Bold="_s, &CodigoBold},
        {u"Under="_s, &CodigoUnder},
        {u"Contestadora="_s, &TextoContestadora},
    }};
    return settings;
}

QString settingsFile() { return platform::FilesPath(u"Parlowen.nt"_s); }

// A value with a line break (the auto-answer comes from a multi-line box)
// cannot stand on its line as it is. Its line begins with a backslash before
// the key, and the value is escaped: "\\" a backslash, "\r" and "\n" CR and
// LF, "\=" an equals sign (so no key can be read out of it), "\s" a blank at
// the end (the reader drops trailing blanks). The writer puts nothing before
// the key of any other value, so those lines stay exactly as they always
// were, whatever they hold, and the backslash alone tells the two apart.
constexpr QChar kEscaped = u'\\';

bool needsEscape(const QString& value) { return value.contains(u'\r') || value.contains(u'\n'); }

QString escaped(const QString& value)
{
    qsizetype trailing = value.size();
    while (trailing > 0 && value.at(trailing - 1) == u' ')
        --trailing;
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        switch (const QChar c = value.at(i); c.unicode()) {
        case u'\\': out += u"\\\\"; break;
        case u'\r': out += u"\\r"; break;
        case u'\n': out += u"\\n"; break;
        case u'=': out += u"\\="; break;
        case u' ': out += i >= trailing ? u"\\s"_s : u" "_s; break;
        default: out += c;
        }
    }
    return out;
}

QString unescaped(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != kEscaped || i + 1 == value.size()) {
            out += c;
            continue;
        }
        switch (const QChar next = value.at(++i); next.unicode()) {
        case u'\\': out += u'\\'; break;
        case u'r': out += u'\r'; break;
        case u'n': out += u'\n'; break;
        case u'=': out += u'='; break;
        case u's': out += u' '; break;
        default: out += QStringView(value).sliced(i - 1, 2);  // not one of ours: kept as it stands
        }
    }
    return out;
}

QString settingLine(const Setting& s)
{
    if (needsEscape(*s.value))
        return kEscaped + s.key + escaped(*s.value);
    return s.key + *s.value;
}

}  // namespace

void LeeDatos()
{
    const auto lines = platform::readTextLines(settingsFile());
    if (!lines)
        return;
    for (const QString& line : *lines) {
        for (const Setting& s : readSettings()) {
            const qsizetype at = line.indexOf(s.key, 0, Qt::CaseInsensitive);
            if (at < 0)
                continue;
            const QString value = platform::RTrim(line.mid(at + s.key.size()));
            *s.value = at == 1 && line.at(0) == kEscaped ? unescaped(value) : value;
        }
    }
}

void GuardaDatos()
{
    QStringList lines;
    for (const Setting& s : writtenSettings())
        lines << settingLine(s);
    if (platform::writeTextLines(settingsFile(), lines))
        return;
    // The previous file is still whole. The mix-colour cycle saves every
    // 100 ms and ticks on under the box, so only one box is up at a time.
    static bool boxOpen = false;
    if (boxOpen)
        return;
    const QScopedValueRollback open(boxOpen, true);
    platform::MsgBox(u"There has been a error!"_s, platform::vbOKOnly, u"Error"_s);
}

}  // namespace Function
