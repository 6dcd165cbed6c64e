// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DateValue.h"

#include "RuntimeError.h"

#include <QDate>
#include <QTime>

#include <cmath>

namespace {

constexpr qint64 SecondsPerDay = 86400;

qint64 epochJulianDay()
{
    return QDate(1899, 12, 30).toJulianDay();
}

qint64 firstSecond()
{
    return (QDate(100, 1, 1).toJulianDay() - epochJulianDay()) * SecondsPerDay;
}

qint64 lastSecond()
{
    return (QDate(9999, 12, 31).toJulianDay() - epochJulianDay()) * SecondsPerDay + SecondsPerDay
        - 1;
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

bool DateValue::isInRange(qint64 secondsSinceEpoch)
{
    return secondsSinceEpoch >= firstSecond() && secondsSinceEpoch <= lastSecond();
}

DateValue DateValue::checked(qint64 secondsSinceEpoch, int utcOffset)
{
    if (!isInRange(secondsSinceEpoch))
        throw RuntimeError(RuntimeError::InvalidProcedureCall, "date out of range");
    return DateValue(secondsSinceEpoch, utcOffset);
}

DateValue DateValue::fromSeconds(qint64 secondsSinceEpoch)
{
    return checked(secondsSinceEpoch, 0);
}

DateValue DateValue::fromDouble(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 1e7)
        throw RuntimeError(RuntimeError::InvalidProcedureCall, "date out of range");
    // Before the epoch the whole part counts days backwards while the fraction stays the time
    // of day, so -1.25 is 1899-12-29 06:00.
    const double whole = std::trunc(serial);
    const auto timeOfDay
        = static_cast<qint64>(std::llround(std::fabs(serial - whole) * SecondsPerDay));
    return fromSeconds(static_cast<qint64>(whole) * SecondsPerDay + timeOfDay);
}

DateValue DateValue::fromLocal(const QDate &date, const QTime &time, int utcOffset)
{
    const qint64 days = date.toJulianDay() - epochJulianDay();
    return checked(days * SecondsPerDay + time.msecsSinceStartOfDay() / 1000, utcOffset);
}

double DateValue::toDouble() const
{
    const qint64 day = floorDiv(m_seconds, SecondsPerDay);
    const double fraction = static_cast<double>(secondOfDay()) / SecondsPerDay;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

DateValue DateValue::addMinutes(qint64 minutes) const
{
    // Anything beyond the range is caught by fromSeconds; clamp first so the product cannot
    // overflow 64 bits.
    const qint64 limit = 10LL * 1000 * 1000 * 1000;
    return addSeconds(qBound(-limit, minutes, limit) * 60);
}

DateValue DateValue::addSeconds(qint64 seconds) const
{
    const qint64 limit = 1LL << 40;
    return checked(m_seconds + qBound(-limit, seconds, limit), m_utcOffset);
}

qint64 DateValue::secondOfDay() const
{
    return m_seconds - floorDiv(m_seconds, SecondsPerDay) * SecondsPerDay;
}

int DateValue::hour() const
{
    return static_cast<int>(secondOfDay() / 3600);
}

int DateValue::minute() const
{
    return static_cast<int>(secondOfDay() / 60 % 60);
}

int DateValue::second() const
{
    return static_cast<int>(secondOfDay() % 60);
}
