// The load handler: the window's first working state.

#include "window/frmSarvelTimer.h"

void frmSarvelTimer::Form_Load() { }
