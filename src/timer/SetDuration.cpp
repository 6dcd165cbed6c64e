// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SetDuration.h"

#include "platform/values/NumberReading.h"

#include <cmath>

namespace {

// Far beyond the span of the date range (about 3.2e11 s), well inside 64 bits.
constexpr double MaxSeconds = 1.0e15;

std::optional<qint64> wholeSeconds(double value)
{
    const double rounded = std::round(value);
    if (!std::isfinite(rounded) || std::fabs(rounded) > MaxSeconds)
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

} // namespace

std::optional<SetDuration> SetDuration::fromTexts(QStringView minutes, QStringView seconds)
{
    const auto m = wholeSeconds(NumberReading::leadingNumber(minutes) * 60.0);
    const auto s = wholeSeconds(NumberReading::leadingNumber(seconds));
    if (!m || !s)
        return std::nullopt;
    return SetDuration { *m, *s };
}

bool SetDuration::fitsAfter(const DateValue &start) const
{
    const qint64 afterMinutes = start.seconds() + minuteSeconds;
    return DateValue::isInRange(afterMinutes) && DateValue::isInRange(afterMinutes + seconds);
}
