#pragma once
// The rich text log box: appends plain text (never parsed as HTML), keeps
// all of it compactly and draws only the lines on screen.
#include <QAbstractScrollArea>
#include <QColor>
#include <QString>
#include <memory>

namespace platform {

class LogBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LogBox(QWidget* parent = nullptr);
    ~LogBox() override;

    // Colour of the text appended from now on.
    void setSelColor(const QColor& color);
    // Appends text at the end; CR LF, LF or CR inside it end lines.
    void append(const QString& text);
    QString text() const;
    void clear();
    int lineCount() const;   // finished lines, plus the open last one when not empty

    QString selectedText() const;
    void copy() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace platform
