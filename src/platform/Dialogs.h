#pragma once
// Message boxes, input boxes and file dialogs, all through one replaceable
// host: the real one shows modal Qt dialogs; tests install one that answers
// from a script.
#include <QString>
#include <functional>

namespace platform {

// Message box styles, by the original's numbers.
enum MsgStyle : int {
    vbOKOnly = 0,
    vbCritical = 16,
    vbYesNoQuestion = 36,  // question icon with Yes and No
    vbInformation = 64,
};
// Answers.
enum MsgAnswer : int { vbOK = 1, vbYes = 6, vbNo = 7 };

// The program's own title: the caption of a box that names none.
QString appTitle();

class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual int msgBox(const QString& text, int style, const QString& title) = 0;
    // Cancel gives "".
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // filter in Qt's form ("archivos HTML (*.HTML *.HTM)"); start is the
    // folder or file the dialog opens at; "" when cancelled.
    virtual QString openFileName(const QString& filter, const QString& title = QString(),
                                 const QString& start = QString()) = 0;
    virtual QString saveFileName(const QString& filter, const QString& defaultExt,
                                 const QString& start = QString()) = 0;
};

DialogHost& dialogs();
// Installs a host (nullptr restores the real one); the caller keeps ownership.
void setDialogHost(DialogHost* host);

// A message box. One raised while a received line is handled never stacks
// on another box a received line raised: while that one is open, the text
// of each further one goes to the diverted-box sink as one line, and it
// answers at once as a box whose user chose OK (or No, for a question).
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());
inline QString InputBox(const QString& prompt, const QString& title = QString(),
                        const QString& defaultText = QString())
{
    return dialogs().inputBox(prompt, title.isEmpty() ? appTitle() : title, defaultText);
}

// Marks, while it lives, that a received line is being handled: the line
// reader holds one around each line it hands over. What runs inside the
// event loop of a box that line opened is not part of it.
class ReceivedLineScope {
public:
    ReceivedLineScope();
    ~ReceivedLineScope();
    ReceivedLineScope(const ReceivedLineScope&) = delete;
    ReceivedLineScope& operator=(const ReceivedLineScope&) = delete;

private:
    bool outer_;
};

// Where the text of a box that was not stacked goes (the status box); an
// empty sink drops it.
void setDivertedBoxSink(std::function<void(const QString& line)> sink);

}  // namespace platform
