// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class QDate;
class QTime;

// An instant as the classic automation date: days since 1899-12-30 00:00 of the local clock,
// with the time of day as the fraction. Held as whole seconds since that epoch so that every
// sum and difference is exact; toDouble() gives the 64-bit float view. It also keeps the local
// clock's offset from UTC at the reading, so that comparisons and differences measure real
// time: a period started before a daylight-saving change lasts its length after it.
class DateValue {
public:
    constexpr DateValue() = default;

    // Throws RuntimeError when the instant lies outside 100-01-01 .. 9999-12-31 23:59:59.
    static DateValue fromSeconds(qint64 secondsSinceEpoch);
    static DateValue fromDouble(double serial);
    // The local date and time, at the given offset from UTC in seconds east.
    static DateValue fromLocal(const QDate &date, const QTime &time, int utcOffset = 0);
    static bool isInRange(qint64 secondsSinceEpoch);

    // Seconds of the local clock since the epoch; the range applies to them.
    constexpr qint64 seconds() const { return m_seconds; }
    double toDouble() const;

    // Later by real time, on the local clock of this reading's offset.
    DateValue addMinutes(qint64 minutes) const;
    DateValue addSeconds(qint64 seconds) const;
    // Whole seconds from this instant to `later`; negative when `later` lies before.
    qint64 secondsTo(const DateValue &later) const { return later.utc() - utc(); }

    int hour() const;
    int minute() const;
    int second() const;

    // Instants are ordered, and equal, by real time.
    friend constexpr auto operator<=>(const DateValue &a, const DateValue &b)
    {
        return a.utc() <=> b.utc();
    }
    friend constexpr bool operator==(const DateValue &a, const DateValue &b)
    {
        return a.utc() == b.utc();
    }

private:
    constexpr DateValue(qint64 seconds, int utcOffset) : m_seconds(seconds), m_utcOffset(utcOffset)
    {
    }
    // Throws RuntimeError for seconds outside the range.
    static DateValue checked(qint64 secondsSinceEpoch, int utcOffset);
    constexpr qint64 utc() const { return m_seconds - m_utcOffset; }
    qint64 secondOfDay() const;

    qint64 m_seconds = 0;
    int m_utcOffset = 0;
};
