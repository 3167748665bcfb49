#pragma once
// Qt's own texts (the buttons and labels of standard dialogs) in Spanish.
class QTranslator;

namespace platform {

// Installs Qt's Spanish translation on the application, from the folder of
// Debian's Qt translations. Returns the installed translator (owned by the
// application), or nullptr when the translation is not there: Qt's dialogs
// then speak English and everything else works as before.
QTranslator* installQtSpanish();

}  // namespace platform
