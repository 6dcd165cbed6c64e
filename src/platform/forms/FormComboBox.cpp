// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormComboBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

FormComboBox::FormComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // Typed text must never become an item, nor be completed into one ("5" into "50").
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // A wheel turn over an unfocused list must not take the focus.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QComboBox::activated, this, &FormComboBox::onActivated);
}

void FormComboBox::hidePopup()
{
    // A pick from the open list closes it here and emits activated() right after, in the same
    // call; Escape and clicks outside close it without a pick.
    m_pickArmed = true;
    QComboBox::hidePopup();
    QMetaObject::invokeMethod(
        this, [this] { m_pickArmed = false; }, Qt::QueuedConnection);
}

void FormComboBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    // Opening and closing the list, and coming back from another application, move the focus
    // too; none of them is the user entering the list.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        emit gotFocus();
}

void FormComboBox::keyPressEvent(QKeyEvent *event)
{
    const bool opensList = event->modifiers().testFlag(Qt::AltModifier);
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!opensList) {
            m_pickArmed = true;
            QComboBox::keyPressEvent(event);
            m_pickArmed = false;
            return;
        }
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void FormComboBox::wheelEvent(QWheelEvent *event)
{
    // Turning the wheel over a closed list would change its text without a pick.
    event->ignore();
}

void FormComboBox::onActivated(int index)
{
    if (!m_pickArmed)
        return;
    m_pickArmed = false;
    // Picking the item that is already current leaves typed text in the field; the pick
    // means the item.
    if (index >= 0 && index < count() && currentText() != itemText(index))
        setEditText(itemText(index));
    emit click();
}
