// Placeholder until the settings files land.
#include "core/Function.h"

namespace Function {

void LeeDatos() {}
void GuardaDatos() {}
void CargaSecciones() {}
bool CargaServidor(qint16, const QString&) { return true; }
QString LeeINI(const QString&, const QString&) { return QString(); }

}  // namespace Function
