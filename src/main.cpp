// Starts the application and loads the main window.
#include "core/frmIRC.h"
#include "platform/MovieControl.h"

#include <QApplication>

int main(int argc, char** argv)
{
    platform::prepareMovieEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trovelin"));
    frmIRC::instance()->Show();
    return app.exec();
}
