#pragma once
// The rich text log box: appends plain text (never parsed as HTML), keeps
// all of it compactly and draws only the lines on screen, in a monospace
// font, light on dark like a console. A new line keeps the view at the end
// when it was there.
#include "platform/BlockView.h"

#include <QColor>
#include <QString>
#include <memory>

namespace platform {

class LogBox : public BlockView {
    Q_OBJECT
public:
    explicit LogBox(QWidget* parent = nullptr);
    ~LogBox() override;

    // Colour of the text appended from now on; an invalid colour is the
    // box's own text colour.
    void setSelColor(const QColor& color);
    // Appends text at the end; CR LF, LF or CR inside it end lines (also a
    // CR LF split over two appends).
    void append(const QString& text);
    QString text() const;  // with "\n" line ends
    void clear();
    int lineCount() const;  // finished lines, plus the open last one when not empty
    qsizetype storageBytes() const;  // what the box keeps of its text

signals:
    // A double click with the left button, after it selected its word.
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void fillBlock(int block, QTextDocument& doc) const override;
    bool continuesPrevious(int block) const override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace platform
