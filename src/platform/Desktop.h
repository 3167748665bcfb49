#pragma once
// What the program asks of the desktop: web addresses, the clipboard, the
// screen's work area, always-on-top, and ending the program. Behind a
// replaceable host so tests see what was asked and survive End().
#include <QRect>
#include <QString>

class QWidget;

namespace platform {

class DesktopHost {
public:
    virtual ~DesktopHost() = default;
    virtual void openUrl(const QString& url) = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() = 0;
    virtual QRect workArea() = 0;
    // The whole screen, task bar included.
    virtual QRect screenArea();
    virtual void setAlwaysOnTop(QWidget* window, bool onTop) = 0;
    // Ends the program at once; the real host does not return.
    virtual void end() = 0;
};

DesktopHost& desktop();
void setDesktopHost(DesktopHost* host);  // nullptr restores the real one

// True for the addresses the program may hand to the desktop's opener.
bool isWebAddress(const QString& url);

// Opens url in the browser when it is an http:// or https:// address;
// anything else is refused silently.
void OpenWebAddress(const QString& url);

// The original's End: the program stops at once. The calling handler is
// unwound (ProgramEnded), in tests as in the real program.
[[noreturn]] void End();

}  // namespace platform
