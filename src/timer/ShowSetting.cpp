// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The set-duration display: halts all timing and shows the duration of the two lists.

#include "window/frmSarvelTimer.h"

#include "platform/forms/FormComboBox.h"
#include "platform/forms/FormLabel.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/forms/OptionArray.h"
#include "timer/DurationDigits.h"

void frmSarvelTimer::ShowSetting()
{
    Timer2->setEnabled(false);
    Timer1->setEnabled(false);
    lblTime[Message]->setVisible(false);
    const DurationDigits digits = DurationDigits::fromSetTexts(Combo1->text(), Combo2->text());
    if (digits.minuteUnitShown) {
        lblTime[LeftNumber]->setCaption(digits.left);
        lblTime[RightNumber]->setCaption(digits.right);
        lblTime[LeftNumber]->setVisible(true);
        lblTime[RightNumber]->setVisible(true);
        lblTime[LeftUnit]->setVisible(true);
        lblTime[RightUnit]->setVisible(true);
    } else {
        lblTime[LeftNumber]->setCaption(QString());
        lblTime[LeftUnit]->setVisible(false);
        lblTime[RightNumber]->setCaption(digits.right);
        lblTime[RightNumber]->setVisible(true);
        lblTime[RightUnit]->setVisible(true);
    }
    // Set even while hidden, so that a later count shows the right unit.
    lblTime[LeftUnit]->setCaption(QStringLiteral("分"));
    lblTime[RightUnit]->setCaption(QStringLiteral("秒"));
    // Leaves the time of day for the remaining mode; the option click runs nested and may run
    // this procedure once more, which then ends here.
    if (Option1->isSelected(TimeOfDay))
        Option1->select(Remaining);
}
