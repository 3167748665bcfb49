// Starts the application and loads the main window.
#include "core/Function.h"
#include "core/frmIRC.h"
#include "platform/MovieControl.h"
#include "platform/Translations.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Debian's other media backend crashes without a sound device.
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    platform::prepareMovieEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trovelin"));
    if (!platform::installQtSpanish())
        std::fputs("trovelin: falta la traducción de Qt al español (paquete qt6-translations-l10n); "
                   "los diálogos estándar saldrán en inglés\n",
                   stderr);
    Function::ResetState();
    // The last step of start-up: the window shows, and the promotion notice
    // is fetched 20 seconds later. Tests load the window without it.
    frmIRC::instance()->Actualizaciones(20);
    return app.exec();
}
