// Placeholder until the settings files land.
#include "core/Function.h"

namespace Function {

void LeeDatos() {}
void GuardaDatos() {}

}  // namespace Function
