#include "platform/EventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

namespace platform {

void DoEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

double Timer()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void PumpEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(qMax(0, ms), &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace platform
