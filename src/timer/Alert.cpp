// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The alert of Timer2: "時間です" blinking through six colours.

#include "window/frmSarvelTimer.h"

#include "platform/forms/FormLabel.h"
#include "platform/values/Palette.h"

void frmSarvelTimer::Timer2_Timer()
{
    lblTime[Message]->setForeColor(Palette::entry(m_alertCycle.advance()));
}
