#pragma once
// The HTML chat view, in place of the original's HTML edit control.
//
// The document is set whole (or emptied) and grows by fragments that the
// script "document.writeln('...');" appends. The view keeps the fragments
// compactly and lays out only the lines on screen, each through Qt's own
// rich-text engine, so appending costs the same whatever the length of the
// conversation. It runs no script and fetches nothing from the network:
// addresses under a served prefix show pictures from a local folder, every
// other address shows nothing.
#include <QAbstractScrollArea>
#include <QString>
#include <memory>

namespace platform {

// The body of a single-quoted script string, unescaped as a script engine
// would (\n, \t, \xHH, \uHHHH, \u{...}; a backslash before any other
// character stands for that character). Returns the text up to the closing
// quote; *end receives the index just past that quote, or -1 when the
// string is not closed.
QString unescapeScriptString(const QString& code, qsizetype start, qsizetype* end = nullptr);

class HtmlView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent = nullptr);
    ~HtmlView() override;

    // The whole document; "" empties the view.
    void setDocumentHTML(const QString& html);
    // The source text: what was set, then each written fragment with the
    // line end that writeln adds.
    QString documentHTML() const;

    // Runs a script of the form document.writeln('...'); or
    // document.write('...');. Any other script is refused (RuntimeError).
    void execScript(const QString& code, const QString& language = QStringLiteral("JavaScript"));
    // What writeln does with its (unescaped) argument.
    void writeln(const QString& html);

    // Scrolls the document; a y past the end brings the end into view.
    void scroll(int x, int y);
    bool isAtEnd() const;

    int fragmentCount() const;      // fragments written since the last set
    QString selectedText() const;
    void selectAll();
    void copy() const;

    // Addresses that begin with urlPrefix are served from folder: the rest
    // of the address is the file's path below it (a ".gif" that is missing
    // is served from the ".png" of the same name). For every view.
    static void servePictures(const QString& urlPrefix, const QString& folder);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace platform
