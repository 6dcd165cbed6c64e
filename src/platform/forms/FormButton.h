// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A push button raising click() for a mouse click, Space, or Enter while it has the focus.
// It is never a default button: Enter elsewhere in the window does not press it.
class FormButton : public QPushButton {
    Q_OBJECT
public:
    FormButton(const QString &caption, QWidget *parent);

signals:
    void click();
};
