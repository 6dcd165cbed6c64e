// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The load handler: the window's first working state.

#include "window/frmSarvelTimer.h"

#include "platform/forms/FormComboBox.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/forms/OptionArray.h"

void frmSarvelTimer::Form_Load()
{
    FontEnlage = 4.0F; // before the layout below divides by it
    // Three separate readings: the end is never earlier than the others, so switching to a
    // counting mode before any Start finds the period run out.
    SarvelTimeStart = clock().now();
    SarvelTimeNow = clock().now();
    SarvelTimeEnd = clock().now();
    Timer1->setInterval(200);
    Timer1->setEnabled(true);
    for (const char *item : { "0", "1", "2", "3", "4", "5", "10", "15", "20", "30", "45" })
        Combo1->addItem(QLatin1String(item));
    for (const char *item : { "0", "10", "20", "30", "40", "50" })
        Combo2->addItem(QLatin1String(item));
    Combo1->setText(QStringLiteral("3"));
    Combo2->setText(QStringLiteral("0"));
    Form_Resize();
    Option1->select(TimeOfDay);
    Option1_Click(TimeOfDay);
}
