// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/values/DateValue.h"

#include <limits>

// Whether a room is watching the display, so that the desktop must not blank it: while a count
// runs in a counting mode, and while the time-up message blinks, but then only for a while, so
// that a room left alone does not keep its screen on all night. Nobody watches the time of day
// that closely, nor a minimised or closed window.
struct DisplayHold {
    bool counting = false; // the tick timer runs
    bool blinking = false; // the alert timer runs
    bool timeOfDay = false; // the time of day is the selected display
    bool seen = false; // the window is open and not minimised

    static constexpr qint64 BlinkingSeconds = 10 * 60;
    static constexpr qint64 Unlimited = std::numeric_limits<qint64>::max();

    // How many more seconds the display is held by the program's clock, for a period that ends
    // at `end`: 0 when it is not held, Unlimited while a count runs.
    qint64 secondsLeft(const DateValue &end, const DateValue &now) const
    {
        if (!seen || timeOfDay)
            return 0;
        if (counting)
            return Unlimited;
        return blinking ? std::max<qint64>(0, BlinkingSeconds - end.secondsTo(now)) : 0;
    }
};
