// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IntervalTimer.h"

#include "platform/values/RuntimeError.h"

#include <QTimer>

IntervalTimer::IntervalTimer(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &IntervalTimer::timer);
}

void IntervalTimer::setEnabled(bool enabled)
{
    const bool changed = enabled != m_enabled;
    m_enabled = enabled;
    if (!m_enabled)
        m_timer->stop();
    else if (!m_timer->isActive())
        apply();
    if (changed)
        emit enabledChanged(m_enabled);
}

void IntervalTimer::setInterval(int milliseconds)
{
    if (milliseconds < 0)
        throw RuntimeError(RuntimeError::InvalidPropertyValue, "invalid interval");
    m_interval = milliseconds;
    apply();
}

bool IntervalTimer::isTicking() const
{
    return m_timer->isActive();
}

bool IntervalTimer::fire()
{
    if (!isTicking())
        return false;
    emit timer();
    return true;
}

void IntervalTimer::apply()
{
    // QTimer fires on every event-loop pass at interval 0; the classic timer stays silent.
    if (m_enabled && m_interval > 0)
        m_timer->start(m_interval);
    else
        m_timer->stop();
}
