#pragma once

#include <QtGlobal>

class QDate;
class QTime;

// An instant as the classic automation date: days since 1899-12-30 00:00 with the time of
// day as the fraction. Held as whole seconds since that epoch so that every sum and
// difference is exact; toDouble() gives the 64-bit float view.
class DateValue {
public:
    constexpr DateValue() = default;

    // Throws RuntimeError when the instant lies outside 100-01-01 .. 9999-12-31 23:59:59.
    static DateValue fromSeconds(qint64 secondsSinceEpoch);
    static DateValue fromDouble(double serial);
    static DateValue fromLocal(const QDate &date, const QTime &time);
    static bool isInRange(qint64 secondsSinceEpoch);

    constexpr qint64 seconds() const { return m_seconds; }
    double toDouble() const;

    DateValue addMinutes(qint64 minutes) const;
    DateValue addSeconds(qint64 seconds) const;
    // Whole seconds from this instant to `later`; negative when `later` lies before.
    qint64 secondsTo(const DateValue &later) const { return later.m_seconds - m_seconds; }

    int hour() const;
    int minute() const;
    int second() const;

    friend constexpr auto operator<=>(const DateValue &, const DateValue &) = default;

private:
    constexpr explicit DateValue(qint64 seconds) : m_seconds(seconds) { }
    qint64 secondOfDay() const;

    qint64 m_seconds = 0;
};
