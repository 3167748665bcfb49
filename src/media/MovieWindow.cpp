#include "media/MovieWindow.h"

#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Geometry.h"
#include "platform/Handlers.h"
#include "platform/MovieControl.h"

using namespace platform;

MovieControl* makeMovieWindow(Form* window, int width, int height, const QRect& movie)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint);
    fixedTwipsWindow(window, width, height);
    MovieControl* control = makeMovieControl(window);
    control->setObjectName(QStringLiteral("ShockwaveFlash1"));
    control->setGeometry(movie);
    on(control, &MovieControl::Failed, window, "ShockwaveFlash1_Failed",
       [window](const QString& reason) { MsgBox(reason, vbCritical, window->Caption()); });
    return control;
}
