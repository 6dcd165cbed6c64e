// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Clock.h"

#include <QDateTime>

DateValue Clock::now() const
{
    return m_source ? m_source() : systemNow();
}

DateValue Clock::systemNow()
{
    // Local date and time fields, fraction of the second dropped, and how far the local clock
    // is ahead of UTC at this instant.
    const QDateTime now = QDateTime::currentDateTime();
    return DateValue::fromLocal(now.date(), now.time(), now.offsetFromUtc());
}
