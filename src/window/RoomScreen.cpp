// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// On a room's screen: the display stays awake while the room watches, and the digits can take
// the whole screen.

#include "window/frmSarvelTimer.h"

#include "platform/desktop/ScreenAwake.h"
#include "platform/forms/FormLabel.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/forms/OptionArray.h"
#include "timer/DisplayHold.h"

#include <QKeyEvent>
#include <QMouseEvent>

void frmSarvelTimer::watchDisplayHold()
{
    m_screenAwake = new ScreenAwake(this);
    m_holdEnds = new IntervalTimer(this);
    m_holdEnds->setObjectName(QStringLiteral("holdEnds"));
    // What the hold depends on; the decision waits until the handler that changed it is done,
    // so that the steps inside one handler never take and drop a hold in between.
    const auto changed = [this] { m_holdInputsChanged = true; };
    connect(Timer1, &IntervalTimer::enabledChanged, this, changed);
    connect(Timer2, &IntervalTimer::enabledChanged, this, changed);
    connect(Option1, &OptionArray::click, this, changed);
    onEvent(m_holdEnds, &IntervalTimer::timer, changed);
}

void frmSarvelTimer::updateDisplayHold() noexcept
{
    m_holdInputsChanged = false;
    const DisplayHold hold { Timer1->isEnabled(), Timer2->isEnabled(),
        Option1->isSelected(TimeOfDay), isVisible() && formState() != Minimized && !isEnded() };
    qint64 seconds = 0;
    try {
        seconds = hold.secondsLeft(SarvelTimeEnd, clock().now());
    } catch (const RuntimeError &) {
        return; // a clock outside the dates it can show: nothing changes
    }
    m_screenAwake->setAwake(seconds > 0);
    // A blinking message's hold ends by itself: look again when it should.
    const bool limited = seconds > 0 && seconds != DisplayHold::Unlimited;
    if (limited)
        m_holdEnds->setInterval(
            static_cast<int>(std::min<qint64>(seconds, DisplayHold::BlinkingSeconds) * 1000));
    m_holdEnds->setEnabled(limited);
}

void frmSarvelTimer::programEnding() noexcept
{
    m_screenAwake->setAwake(false);
    m_holdEnds->setEnabled(false);
}

void frmSarvelTimer::changeEvent(QEvent *event)
{
    // Minimised, nobody sees the display; restored, the room watches it again.
    if (event->type() == QEvent::WindowStateChange)
        m_holdInputsChanged = true;
    Form::changeEvent(event);
}

void frmSarvelTimer::keyPressEvent(QKeyEvent *event)
{
    // Reached by the keys that no control takes: an open list keeps Escape for itself.
    const bool plain = event->modifiers() == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_F11)
        toggleFullScreen();
    else if (plain && event->key() == Qt::Key_Escape && isFullScreen())
        toggleFullScreen();
    else
        Form::keyPressEvent(event);
}

void frmSarvelTimer::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The digits' area, which passes the mouse on: a projector is often run by mouse alone.
    if (event->button() == Qt::LeftButton && event->position().y() >= lblTime[LeftNumber]->y())
        toggleFullScreen();
    else
        Form::mouseDoubleClickEvent(event);
}
