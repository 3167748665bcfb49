#pragma once
// A multi-line text box with a vertical scroll bar, for texts the program
// sets. Its text is exactly what was set, line ends included; on screen CR LF
// ends a line and a lone CR shows nothing, as in the original's edit control.
#include <QPlainTextEdit>

namespace platform {

class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }

private:
    QString text_;
};

}  // namespace platform
