#include "platform/Desktop.h"

#include "platform/Errors.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

class QtDesktopHost final : public DesktopHost {
public:
    void openUrl(const QString& url) override { QDesktopServices::openUrl(QUrl(url)); }
    void setClipboardText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
    QString clipboardText() override { return QGuiApplication::clipboard()->text(); }
    QRect workArea() override
    {
        QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->availableGeometry() : QRect(0, 0, 1280, 1024);
    }
    QRect screenArea() override
    {
        QScreen* s = QGuiApplication::primaryScreen();
        return s ? s->geometry() : QRect(0, 0, 1280, 1024);
    }
    void setAlwaysOnTop(QWidget* window, bool onTop) override
    {
        const bool visible = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (visible)
            window->show();
    }
    void end() override
    {
        std::fflush(nullptr);
        std::_Exit(0);
    }
};

QtDesktopHost realHost;
DesktopHost* current = &realHost;

}  // namespace

QRect DesktopHost::screenArea() { return workArea(); }

DesktopHost& desktop() { return *current; }
void setDesktopHost(DesktopHost* host) { current = host ? host : &realHost; }

bool isWebAddress(const QString& url)
{
    const QUrl u(url.trimmed(), QUrl::StrictMode);
    const QString scheme = u.scheme().toLower();
    return u.isValid() && (scheme == u"http" || scheme == u"https") && !u.host().isEmpty();
}

void OpenWebAddress(const QString& url)
{
    if (isWebAddress(url))
        desktop().openUrl(url.trimmed());
}

void End()
{
    desktop().end();
    throw ProgramEnded{};
}

}  // namespace platform
