// Placeholder: keeps the source text; drawing comes with the real view.
#include "platform/HtmlView.h"

#include "platform/Errors.h"

#include <QStringList>

namespace platform {

QString unescapeScriptString(const QString& code, qsizetype start, qsizetype* end)
{
    QString out;
    for (qsizetype i = start; i < code.size(); ++i) {
        QChar c = code.at(i);
        if (c == u'\'') {
            if (end)
                *end = i + 1;
            return out;
        }
        if (c == u'\\' && i + 1 < code.size()) {
            c = code.at(++i);
            switch (c.unicode()) {
            case 'n': out += u'\n'; continue;
            case 't': out += u'\t'; continue;
            case 'r': out += u'\r'; continue;
            default: break;
            }
        }
        out += c;
    }
    if (end)
        *end = -1;
    return out;
}

struct HtmlView::Impl {
    QString set;
    QStringList fragments;
};

HtmlView::HtmlView(QWidget* parent) : QAbstractScrollArea(parent), d(new Impl) {}
HtmlView::~HtmlView() = default;

void HtmlView::setDocumentHTML(const QString& html)
{
    d->set = html;
    d->fragments.clear();
}

QString HtmlView::documentHTML() const
{
    QString s = d->set;
    for (const QString& f : d->fragments)
        s += f + u'\n';
    return s;
}

void HtmlView::execScript(const QString& code, const QString& language)
{
    Q_UNUSED(language);
    static const QString head = QStringLiteral("document.writeln('");
    if (!code.startsWith(head))
        throw RuntimeError(errInvalidCall, QStringLiteral("script not supported"));
    qsizetype end = -1;
    const QString s = unescapeScriptString(code, head.size(), &end);
    if (end < 0)
        throw RuntimeError(errInvalidCall, QStringLiteral("unterminated string"));
    writeln(s);
}

void HtmlView::writeln(const QString& html) { d->fragments << html; }
void HtmlView::scroll(int, int) {}
bool HtmlView::isAtEnd() const { return true; }
int HtmlView::fragmentCount() const { return int(d->fragments.size()); }
QString HtmlView::selectedText() const { return QString(); }
void HtmlView::selectAll() {}
void HtmlView::copy() const {}
void HtmlView::servePictures(const QString&, const QString&) {}
void HtmlView::paintEvent(QPaintEvent*) {}
void HtmlView::resizeEvent(QResizeEvent* e) { QAbstractScrollArea::resizeEvent(e); }
void HtmlView::scrollContentsBy(int, int) {}
void HtmlView::wheelEvent(QWheelEvent* e) { QAbstractScrollArea::wheelEvent(e); }
void HtmlView::mousePressEvent(QMouseEvent* e) { QAbstractScrollArea::mousePressEvent(e); }
void HtmlView::mouseMoveEvent(QMouseEvent* e) { QAbstractScrollArea::mouseMoveEvent(e); }
void HtmlView::mouseReleaseEvent(QMouseEvent* e) { QAbstractScrollArea::mouseReleaseEvent(e); }
void HtmlView::mouseDoubleClickEvent(QMouseEvent* e) { QAbstractScrollArea::mouseDoubleClickEvent(e); }
void HtmlView::keyPressEvent(QKeyEvent* e) { QAbstractScrollArea::keyPressEvent(e); }

}  // namespace platform
