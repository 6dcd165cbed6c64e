// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Start, Stop and Quit: the three command buttons.

#include "window/frmSarvelTimer.h"

#include "platform/forms/FormComboBox.h"
#include "platform/forms/FormLabel.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/forms/OptionArray.h"
#include "platform/values/Palette.h"
#include "timer/SetDuration.h"

void frmSarvelTimer::cmdStart_Click()
{
    // A count whose end would fall outside the date range starts nothing and changes nothing,
    // so it is checked before the first write. The clock reading is the one that starts the
    // period.
    const DateValue now = clock().now();
    const auto duration = SetDuration::fromTexts(Combo1->text(), Combo2->text());
    if (!duration || !duration->fitsAfter(now))
        return;

    Timer2->setEnabled(false);
    lblTime[Message]->setVisible(false);
    lblTime[LeftNumber]->setForeColor(Palette::entry(Palette::Black));
    SarvelTimeStart = now;
    SarvelTimeNow = SarvelTimeStart;
    SarvelTimeEnd = SarvelTimeStart.addSeconds(duration->minuteSeconds);
    SarvelTimeEnd = SarvelTimeEnd.addSeconds(duration->seconds);
    if (Option1->isSelected(TimeOfDay))
        Option1->select(Remaining); // runs the option click nested, before the captions below
    lblTime[LeftUnit]->setCaption(QStringLiteral("分"));
    lblTime[RightUnit]->setCaption(QStringLiteral("秒"));
    lblTime[RightUnit]->setVisible(true);
    lblTime[RightNumber]->setVisible(true);
    Timer1->setInterval(200);
    Timer1->setEnabled(true);
}

void frmSarvelTimer::cmdStop_Click()
{
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    lblTime[LeftNumber]->setForeColor(Palette::entry(Palette::Black));
}

void frmSarvelTimer::cmdEnd_Click()
{
    endProgram();
}
