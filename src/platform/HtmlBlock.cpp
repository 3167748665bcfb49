#include "platform/HtmlBlock.h"

#include "platform/PictureStore.h"

#include <QUrl>

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
