#pragma once
// A desktop host that records what the program asked of the desktop.
#include "platform/Desktop.h"

#include <QHash>
#include <QStringList>

class ScriptedDesktop : public platform::DesktopHost {
public:
    ScriptedDesktop() { platform::setDesktopHost(this); }
    ~ScriptedDesktop() override { platform::setDesktopHost(nullptr); }

    void openUrl(const QString& url) override { opened << url; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QString clipboardText() override { return clipboard; }
    // A 1280 x 1024 screen with a 30-pixel task bar at the bottom.
    QRect workArea() override { return QRect(0, 0, 1280, 994); }
    QRect screenArea() override { return QRect(0, 0, 1280, 1024); }
    void setAlwaysOnTop(QWidget* window, bool onTop) override { alwaysOnTop[window] = onTop; }
    void end() override { ++ended; }

    QStringList opened;
    QHash<QWidget*, bool> alwaysOnTop;
    QString clipboard;
    int ended = 0;
};
