#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::ScriptedDialogs() { platform::setDialogHost(this); }
ScriptedDialogs::~ScriptedDialogs() { platform::setDialogHost(nullptr); }

ScriptedDialogs& ScriptedDialogs::expectMsgBox(const QString& text, int style, const QString& title, int answer,
                                               std::function<void()> whileOpen)
{
    expected_.push_back({{Prompt::MsgBox, text, title, style, {}}, answer, {}, std::move(whileOpen)});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectInputBox(const QString& prompt, const QString& title, const QString& answer)
{
    expected_.push_back({{Prompt::InputBox, prompt, title, 0, {}}, 0, answer, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectSaveFile(const QString& answer)
{
    expected_.push_back({{Prompt::SaveFile, {}, {}, 0, {}}, 0, answer, {}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectOpenFile(const QString& answer)
{
    expected_.push_back({{Prompt::OpenFile, {}, {}, 0, {}}, 0, answer, {}});
    return *this;
}

int ScriptedDialogs::msgBoxCount() const
{
    return int(std::count_if(shown_.begin(), shown_.end(), [](const Prompt& p) { return p.kind == Prompt::MsgBox; }));
}

void ScriptedDialogs::verify()
{
    for (const Expected& e : expected_)
        ADD_FAILURE() << "expected dialog not shown: " << e.prompt.text.toStdString() << " / "
                      << e.prompt.title.toStdString();
    expected_.clear();
}

// A copy: a box opened while this one is open takes the next expectation.
std::optional<ScriptedDialogs::Expected> ScriptedDialogs::take(const Prompt& p)
{
    shown_.push_back(p);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << p.text.toStdString() << " / " << p.title.toStdString();
        return std::nullopt;
    }
    const Expected current = expected_.front();
    expected_.pop_front();
    const Prompt& e = current.prompt;
    EXPECT_EQ(e.kind, p.kind);
    if (p.kind == Prompt::MsgBox || p.kind == Prompt::InputBox) {
        EXPECT_EQ(e.text.toStdString(), p.text.toStdString());
        EXPECT_EQ(e.title.toStdString(), p.title.toStdString());
        EXPECT_EQ(e.style, p.style);
    }
    if (current.whileOpen)
        current.whileOpen();
    return current;
}

int ScriptedDialogs::msgBox(const QString& text, int style, const QString& title)
{
    const auto e = take({Prompt::MsgBox, text, title, style, {}});
    return e ? e->answer : platform::vbOK;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title, const QString&)
{
    const auto e = take({Prompt::InputBox, prompt, title, 0, {}});
    return e ? e->textAnswer : QString();
}

QString ScriptedDialogs::openFileName(const QString& filter, const QString& title, const QString& start)
{
    const auto e = take({Prompt::OpenFile, filter, title, 0, start});
    return e ? e->textAnswer : QString();
}

QString ScriptedDialogs::saveFileName(const QString& filter, const QString&, const QString& start)
{
    const auto e = take({Prompt::SaveFile, filter, {}, 0, start});
    return e ? e->textAnswer : QString();
}
