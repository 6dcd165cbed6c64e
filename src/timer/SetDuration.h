// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/values/DateValue.h"

#include <QStringView>

#include <optional>

// The duration set in the two lists, as Start adds it to the clock: the minutes turned into
// seconds, then the seconds, each rounded to the nearest whole second so that every instant
// stays on a whole second.
struct SetDuration {
    qint64 minuteSeconds = 0;
    qint64 seconds = 0;

    // Empty when a text's number is beyond what an instant can be moved by.
    static std::optional<SetDuration> fromTexts(QStringView minutes, QStringView seconds);

    // Whether start + minutes and then + seconds both stay inside the date range.
    bool fitsAfter(const DateValue &start) const;
};
