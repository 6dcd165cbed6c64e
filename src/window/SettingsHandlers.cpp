// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The duration lists and the display-mode options.

#include "window/frmSarvelTimer.h"

#include "platform/forms/FormComboBox.h"
#include "platform/forms/FormLabel.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/values/Palette.h"
#include "window/DurationCorrection.h"

namespace {

// The largest minutes and seconds a pick leaves in the lists. Minutes go to 60, not 59.
constexpr int MinutesLimit = 60;
constexpr int SecondsLimit = 59;

} // namespace

void frmSarvelTimer::Option1_Click(int index)
{
    lblTime[LeftNumber]->setForeColor(Palette::entry(Palette::Black));
    lblTime[Message]->setVisible(false);
    if (index == TimeOfDay) {
        lblTime[LeftUnit]->setCaption(QStringLiteral("時"));
        lblTime[RightUnit]->setCaption(QStringLiteral("分"));
        lblTime[RightUnit]->setVisible(true);
        lblTime[LeftUnit]->setVisible(true);
        lblTime[RightNumber]->setVisible(true);
        Timer1->setInterval(200);
        Timer1->setEnabled(true);
        return;
    }
    // An end on the current second counts as run out.
    if (SarvelTimeEnd <= clock().now()) {
        ShowSetting();
    } else {
        lblTime[LeftUnit]->setCaption(QStringLiteral("分"));
        lblTime[RightUnit]->setCaption(QStringLiteral("秒"));
    }
}

void frmSarvelTimer::Combo1_GotFocus()
{
    lblTime[LeftNumber]->setForeColor(Palette::entry(Palette::Black));
    ShowSetting();
}

void frmSarvelTimer::Combo2_GotFocus()
{
    lblTime[LeftNumber]->setForeColor(Palette::entry(Palette::Black));
    ShowSetting();
}

void frmSarvelTimer::Combo1_Click()
{
    correctListText(Combo1, MinutesLimit);
    ShowSetting();
}

void frmSarvelTimer::Combo2_Click()
{
    correctListText(Combo2, SecondsLimit);
    ShowSetting();
}

void frmSarvelTimer::correctListText(FormComboBox *list, int upperLimit)
{
    list->setText(DurationCorrection::corrected(list->text(), upperLimit));
}
