#pragma once
// The HTML chat view, in place of the original's HTML edit control.
//
// The document is set whole (or emptied) and grows by fragments that the
// script "document.writeln('...');" appends. Each fragment is its own block:
// tags left open in one do not reach the next. A document written on
// (writeOn) grows instead as one document would: each such fragment starts
// with the tags left open before it. The view keeps the source
// text compactly and lays out only the blocks on screen, each through Qt's
// rich-text engine, so appending costs the same whatever the length of the
// conversation. It runs no script and fetches nothing from the network:
// addresses under a served prefix show pictures from a local folder, every
// other address shows nothing.
#include "platform/BlockView.h"

#include <QString>
#include <memory>

namespace platform {

// The body of a single-quoted script string, unescaped as a script engine
// would: \n \t \r \b \f \v \0, \xHH, \uHHHH, \u{...}, a backslash before a
// line end continues the line, and a backslash before any other character
// stands for that character. start is the index just past the opening
// quote. Returns the text up to the closing quote; *end receives the index
// just past that quote, or -1 when the string is not closed.
QString unescapeScriptString(const QString& code, qsizetype start, qsizetype* end = nullptr);

class HtmlView : public BlockView {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent = nullptr);
    ~HtmlView() override;

    // The whole document, shown as the first block; "" empties the view.
    void setDocumentHTML(const QString& html);
    // The source text: what was set, then each written fragment, followed
    // by "\n" when writeln wrote it.
    QString documentHTML() const;

    // Runs a script of the form document.writeln('...'); or
    // document.write('...');. Any other script is refused (RuntimeError).
    void execScript(const QString& code, const QString& language = QStringLiteral("JavaScript"));
    // What writeln and write do with their (unescaped) argument.
    void writeln(const QString& html);
    void write(const QString& html);
    // Appends html as the continuation of the document: it is shown inside
    // the inline tags left open by the block before it.
    void writeOn(const QString& html);
    // The tags that end the source text, after every block; they show
    // nothing. setDocumentHTML() drops them.
    void setClosingTags(const QString& tags);

    // Scrolls the document to pixel y; a y past the end brings the end into
    // view. x is ignored: lines wrap at the view's width.
    void scroll(int x, int y);

    int fragmentCount() const;  // fragments written since the last set
    qsizetype storageBytes() const;  // what the view keeps of its document

    // Addresses that begin with urlPrefix are served from folder: the rest
    // of the address is the file's path below it (a ".gif" that is missing
    // is served from the ".png" of the same name). For every view.
    static void servePictures(const QString& urlPrefix, const QString& folder);

protected:
    QTextDocument* createDocument() const override;
    void fillBlock(int block, QTextDocument& doc) const override;
    bool continuesPrevious(int block) const override;

private:
    void add(const QString& html, bool lineEnd, const QString& opened = {});

    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace platform
