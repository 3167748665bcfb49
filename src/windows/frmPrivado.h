#pragma once
// The window of one private conversation, kept in VentanasPrivado under its
// caption, "Privado Con : " and the partner's nick, from which the partner
// is always read back. The conversation is kept as received and typed, IRC
// codes and all, and shown as FormatoHTML of the whole of it.
#include "core/GrowingFormat.h"
#include "platform/Form.h"

#include <QString>

class QLineEdit;
class QPushButton;

namespace platform {
class DefaultButtons;
class HtmlView;
}  // namespace platform

class frmPrivado : public platform::Form {
    Q_OBJECT
public:
    frmPrivado();

    // "Privado Con : " and the nick: the key the window is found by.
    static QString captionFor(const QString& nick);

    // A line from incomingnick: it names the window after the partner
    // (a line from the own nick leaves the caption alone) and is shown.
    void nuevomsg(const QString& incomingnick, const QString& incomingmsg);
    // Appends one line to the conversation and shows it.
    void Imprime_rich(const QString& newmsg);

    // The conversation: every line as it came, each followed by "<br>".
    QString RichTextBox1;

    platform::HtmlView* DHTML;  // the conversation, rendered
    QLineEdit* Text1;           // the input line
    QPushButton* Command1;      // "Send"

    void Command1_Click();
    void Text1_KeyPress();  // Enter

protected:
    void Form_Load() override;

private:
    GrowingFormat formato_;
    platform::DefaultButtons* defaultButtons;
};
