// Starts the application and loads the main window.
#include "core/Function.h"
#include "core/frmIRC.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trovelin"));
    Function::ResetState();
    frmIRC::instance()->Show();
    return app.exec();
}
