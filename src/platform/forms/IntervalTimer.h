// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QTimer;

// An interval timer with the classic Enabled and Interval properties. It ticks while enabled
// with an interval above 0; an interval of 0 gives no ticks.
class IntervalTimer : public QObject {
    Q_OBJECT
public:
    explicit IntervalTimer(QObject *parent);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int interval() const { return m_interval; }
    // Restarts the interval of a running timer.
    void setInterval(int milliseconds);
    bool isTicking() const;

    // Delivers one expiry now, as the event loop would, when the timer is ticking. Lets tests
    // step time without waiting. Returns whether a tick was delivered.
    bool fire();

signals:
    void timer();
    // The Enabled property changed, from code: lets the window follow whether timing runs.
    void enabledChanged(bool enabled);

private:
    void apply();

    QTimer *m_timer;
    bool m_enabled = false;
    int m_interval = 0;
};
