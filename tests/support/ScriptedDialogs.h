#pragma once
// A dialog host that answers from a script and records every prompt. A
// dialog the test did not expect fails the test.
#include "platform/Dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

struct Prompt {
    enum Kind { MsgBox, InputBox, OpenFile, SaveFile } kind;
    QString text;  // a file dialog's filter
    QString title;
    int style = 0;
    QString start;  // where a file dialog opens
};

class ScriptedDialogs : public platform::DialogHost {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // The next message box: its text, style and title, and the answer; while
    // it is "open", whileOpen runs (events go on, as under a real box).
    ScriptedDialogs& expectMsgBox(const QString& text, int style, const QString& title,
                                  int answer = platform::vbOK, std::function<void()> whileOpen = {});
    ScriptedDialogs& expectInputBox(const QString& prompt, const QString& title, const QString& answer);
    ScriptedDialogs& expectSaveFile(const QString& answer);
    ScriptedDialogs& expectOpenFile(const QString& answer);

    // Every dialog shown, in order.
    const std::vector<Prompt>& shown() const { return shown_; }
    int msgBoxCount() const;
    // Fails the test when an expected dialog was not shown.
    void verify();

    int msgBox(const QString& text, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const QString& filter, const QString& title, const QString& start) override;
    QString saveFileName(const QString& filter, const QString& defaultExt, const QString& start) override;

private:
    struct Expected {
        Prompt prompt;
        int answer = 0;
        QString textAnswer;
        std::function<void()> whileOpen;
    };
    std::optional<Expected> take(const Prompt& p);

    std::deque<Expected> expected_;
    std::vector<Prompt> shown_;
};
