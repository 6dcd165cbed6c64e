// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the big digits show for a duration: minutes and seconds, or, below a minute, the seconds
// alone without a leading zero and without the minute unit.
struct DurationDigits {
    QString left; // minutes, or empty below a minute
    QString right; // seconds
    bool minuteUnitShown = false;

    // A count of whole seconds. Minutes show their last two digits.
    static DurationDigits fromCount(qint64 count);
    // The texts of the two lists as they stand, trimmed of blanks, not their numbers: a typed
    // "1.5" shows as ".5". Minutes count when the minutes text reads as more than 0.
    static DurationDigits fromSetTexts(const QString &minutes, const QString &seconds);
};
