// The alert of Timer2: "時間です" blinking through six colours.

#include "window/frmSarvelTimer.h"

void frmSarvelTimer::Timer2_Timer() { }
