// The duration lists and the display-mode options.

#include "window/frmSarvelTimer.h"

void frmSarvelTimer::Option1_Click(int index)
{
    Q_UNUSED(index);
}

void frmSarvelTimer::Combo1_GotFocus() { }

void frmSarvelTimer::Combo2_GotFocus() { }

void frmSarvelTimer::Combo1_Click() { }

void frmSarvelTimer::Combo2_Click() { }
