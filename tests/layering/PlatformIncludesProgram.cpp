// Built with the platform layer's include paths only. The first include
// proves they reach the platform's headers; the second must not be found.
#include "platform/Text.h"
#include "core/frmIRC.h"
