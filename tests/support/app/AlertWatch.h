#pragma once
// Watches the pop-up alerts that show while it lives: what each said, and
// a step of the test's own run inside the wait of each, once it is on
// screen (to look at it, freeze it, or click it).
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class frmAlert;

class AlertWatch : public QObject {
public:
    struct Shown {
        QPointer<frmAlert> alert;
        QString title, message, link;
    };

    AlertWatch();
    ~AlertWatch() override;

    // Runs for each alert that shows, from the event loop of its wait.
    void whileShown(std::function<void(frmAlert*)> step) { step_ = std::move(step); }
    const std::vector<Shown>& shown() const { return shown_; }

    // Stops an alert's ticks, so that it stays where it is.
    static void freeze(frmAlert* alert);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<Shown> shown_;
    std::function<void(frmAlert*)> step_;
};
