#include "Clock.h"

#include <QDateTime>

DateValue Clock::now() const
{
    return m_source ? m_source() : systemNow();
}

DateValue Clock::systemNow()
{
    // Local date and time fields, fraction of the second dropped.
    const QDateTime now = QDateTime::currentDateTime();
    return DateValue::fromLocal(now.date(), now.time());
}
