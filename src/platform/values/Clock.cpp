// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Clock.h"

#include <QDateTime>

DateValue Clock::now() const
{
    return m_source ? m_source() : systemNow();
}

DateValue Clock::systemNow() const
{
    // Looking the zone up costs a system call and the zone rules on every read, ten reads a
    // second while counting; reading UTC costs neither.
    const qint64 second = QDateTime::currentSecsSinceEpoch();
    if (second != m_zoneSecond) {
        // How far the local clock is ahead of UTC: the difference of the two sets of fields.
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(second, Qt::UTC);
        const QDateTime local = utc.toLocalTime();
        m_zoneOffset = static_cast<int>(utc.secsTo(QDateTime(local.date(), local.time(), Qt::UTC)));
        m_zoneSecond = second;
    }
    const QDateTime local = QDateTime::fromSecsSinceEpoch(second + m_zoneOffset, Qt::UTC);
    return DateValue::fromLocal(local.date(), local.time(), m_zoneOffset);
}
