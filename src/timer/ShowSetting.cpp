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
    lblTime[4]->setVisible(false);
    const DurationDigits digits = DurationDigits::fromSetTexts(Combo1->text(), Combo2->text());
    if (digits.minuteUnitShown) {
        lblTime[0]->setCaption(digits.left);
        lblTime[1]->setCaption(digits.right);
        lblTime[0]->setVisible(true);
        lblTime[1]->setVisible(true);
        lblTime[2]->setVisible(true);
        lblTime[3]->setVisible(true);
    } else {
        lblTime[0]->setCaption(QString());
        lblTime[2]->setVisible(false);
        lblTime[1]->setCaption(digits.right);
        lblTime[1]->setVisible(true);
        lblTime[3]->setVisible(true);
    }
    // Set even while hidden, so that a later count shows the right unit.
    lblTime[2]->setCaption(QStringLiteral("分"));
    lblTime[3]->setCaption(QStringLiteral("秒"));
    // Leaves the time of day for the remaining mode; the option click runs nested and may run
    // this procedure once more, which then ends here.
    if (Option1->isSelected(2))
        Option1->select(1);
}
