// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormButton.h"

FormButton::FormButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    // Without auto-default, Enter on a focused button does nothing outside a dialog.
    setAutoDefault(true);
    setDefault(false);
    connect(this, &QPushButton::clicked, this, &FormButton::click);
}
