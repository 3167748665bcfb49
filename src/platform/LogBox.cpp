// Placeholder: keeps the text; drawing comes with the real log box.
#include "platform/LogBox.h"

namespace platform {

struct LogBox::Impl {
    QString text;
};

LogBox::LogBox(QWidget* parent) : QAbstractScrollArea(parent), d(new Impl) {}
LogBox::~LogBox() = default;
void LogBox::setSelColor(const QColor&) {}
void LogBox::append(const QString& text) { d->text += QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
QString LogBox::text() const { return d->text; }
void LogBox::clear() { d->text.clear(); }
int LogBox::lineCount() const { return int(d->text.count(u'\n')); }
QString LogBox::selectedText() const { return QString(); }
void LogBox::copy() const {}
void LogBox::paintEvent(QPaintEvent*) {}
void LogBox::resizeEvent(QResizeEvent* e) { QAbstractScrollArea::resizeEvent(e); }
void LogBox::scrollContentsBy(int, int) {}
void LogBox::mousePressEvent(QMouseEvent* e) { QAbstractScrollArea::mousePressEvent(e); }
void LogBox::mouseMoveEvent(QMouseEvent* e) { QAbstractScrollArea::mouseMoveEvent(e); }
void LogBox::keyPressEvent(QKeyEvent* e) { QAbstractScrollArea::keyPressEvent(e); }

}  // namespace platform
