// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The tick of Timer1: turns the clock into the big digits five times a second.

#include "window/frmSarvelTimer.h"

#include "platform/forms/FormLabel.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/forms/OptionArray.h"
#include "platform/values/NumberFormat.h"
#include "timer/DurationDigits.h"

#include <algorithm>
#include <limits>

void frmSarvelTimer::Timer1_Timer()
{
    SarvelTimeNow = clock().now();

    if (Option1->isSelected(TimeOfDay)) {
        // The time of day changes its digits once a second, not on every tick.
        const int second = SarvelTimeNow.second();
        if (second != SarvelMinute) {
            lblTime[LeftNumber]->setCaption(
                NumberFormat::spacePadded(NumberFormat::digits(SarvelTimeNow.hour())));
            lblTime[RightNumber]->setCaption(
                NumberFormat::zeroPadded(NumberFormat::digits(SarvelTimeNow.minute())));
        }
        SarvelMinute = static_cast<qint16>(second);
        return;
    }

    // The clock is read again for the time-up test.
    if (SarvelTimeEnd <= clock().now()) {
        Timer1->setEnabled(false);
        lblTime[Message]->setVisible(true);
        lblTime[RightUnit]->setVisible(false);
        lblTime[LeftUnit]->setVisible(false);
        lblTime[RightNumber]->setVisible(false);
        lblTime[Message]->setCaption(QStringLiteral("時間です"));
        Timer2->setInterval(500);
        Timer2->setEnabled(true);
        return;
    }

    const qint64 count = Option1->isSelected(Elapsed) ? SarvelTimeStart.secondsTo(SarvelTimeNow)
                                                      : SarvelTimeNow.secondsTo(SarvelTimeEnd);
    // The field is 16 bits wide; the digits come from the exact count, so a period longer than
    // nine hours still counts correctly.
    SarvelSecond = static_cast<qint16>(std::clamp<qint64>(
        count, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
    if (count != m_formattedCount) {
        m_formattedCount = count;
        m_formattedDigits = DurationDigits::fromCount(count);
    }
    const DurationDigits &digits = m_formattedDigits;
    if (digits.minuteUnitShown) {
        lblTime[LeftUnit]->setVisible(true);
        lblTime[LeftNumber]->setCaption(digits.left);
        lblTime[RightNumber]->setCaption(digits.right);
    } else {
        lblTime[LeftNumber]->setCaption(QString());
        lblTime[LeftUnit]->setVisible(false);
        lblTime[RightNumber]->setCaption(digits.right);
    }
}
