#include "AlertWatch.h"

#include "platform/ClickLabel.h"
#include "windows/frmAlert.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

AlertWatch::AlertWatch() { QCoreApplication::instance()->installEventFilter(this); }

AlertWatch::~AlertWatch() { QCoreApplication::instance()->removeEventFilter(this); }

void AlertWatch::freeze(frmAlert* alert)
{
    alert->Timer1->stop();
    alert->Timer2->stop();
}

bool AlertWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        if (auto* alert = qobject_cast<frmAlert*>(watched)) {
            shown_.push_back({alert, alert->Label1->text(), alert->Label4->text(), alert->Label2->text()});
            if (step_)
                QTimer::singleShot(0, alert, [this, alert] { step_(alert); });
        }
    }
    return false;
}
