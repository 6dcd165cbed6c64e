// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Form.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include <cmath>

Form::Form(QWidget *parent) : QWidget(parent) { }

void Form::open()
{
    dispatch([this] { Form_Load(); });
    show();
    if (QWidget *first = nextInFocusChain(); first && first != this) {
        // The focus chain starts after the window itself: the first control in tab order.
        QWidget *w = first;
        while (w != this && !(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        if (w != this)
            w->setFocus(Qt::ActiveWindowFocusReason);
    }
}

int Form::formState() const
{
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized)
        return Minimized;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return Maximized;
    return Normal;
}

float Form::twipsPerPixel() const
{
    const int dpi = logicalDpiY();
    return dpi > 0 ? 1440.0F / static_cast<float>(dpi) : 15.0F;
}

float Form::outerWidthTwips() const
{
    return static_cast<float>(frameGeometry().width()) * twipsPerPixel();
}

float Form::outerHeightTwips() const
{
    return static_cast<float>(frameGeometry().height()) * twipsPerPixel();
}

void Form::setOuterHeightTwips(float twips)
{
    if (!std::isfinite(twips) || twips < 0)
        throw RuntimeError(RuntimeError::InvalidPropertyValue, "invalid height");
    const QSize outer = frameGeometry().size();
    if (m_refusals >= 2 && outer == m_refusedSize)
        return;
    const int frame = outer.height() - height();
    const double outerPixels = std::min(static_cast<double>(twips) / twipsPerPixel(), 1.0e6);
    const int client = std::max(0, static_cast<int>(std::lround(outerPixels)) - frame);
    if (client == height())
        return;
    m_heightWrite = QSize(outer.width(), client + frame);
    resize(width(), client);
}

void Form::noteHeightOutcome()
{
    if (!m_heightWrite.isValid())
        return;
    const QSize outer = frameGeometry().size();
    if (outer.width() != m_heightWrite.width() || outer.height() == m_heightWrite.height())
        return;
    m_refusals = outer == m_refusedSize ? m_refusals + 1 : 1;
    m_refusedSize = outer;
}

void Form::endProgram()
{
    if (!m_ended)
        programEnding();
    m_ended = true;
    hide();
    QCoreApplication::exit(0);
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    noteHeightOutcome();
    if (!m_ended)
        dispatch([this] { Form_Resize(); });
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Restoring from minimised brings no resize event, and maximising brings its resize late
    // or, without a window manager, never: a change of state is a resize too.
    if (event->type() == QEvent::WindowStateChange && !m_ended)
        dispatch([this] { Form_Resize(); });
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closing by the close box ends the program like the quit button; no handler runs.
    event->accept();
    if (!m_ended)
        programEnding();
    m_ended = true;
    QCoreApplication::exit(0);
}
