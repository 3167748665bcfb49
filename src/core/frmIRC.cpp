#include "core/frmIRC.h"

frmIRC::frmIRC() {}
