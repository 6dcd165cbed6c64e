// The alert of Timer2: "時間です" blinking through six colours.

#include "window/frmSarvelTimer.h"

#include "platform/FormLabel.h"
#include "platform/Palette.h"

void frmSarvelTimer::Timer2_Timer()
{
    lblTime[4]->setForeColor(Palette::entry(m_alertCycle.advance()));
}
