// Starts the application and loads the main window.
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/MovieControl.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Debian's other media backend crashes without a sound device.
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    platform::prepareMovieEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trovelin"));
    Function::ResetState();
    frmIRC::instance()->Show();
    return app.exec();
}
