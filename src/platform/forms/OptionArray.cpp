// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OptionArray.h"

#include <QButtonGroup>
#include <QRadioButton>

OptionArray::OptionArray(QObject *parent) : QObject(parent), m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
}

void OptionArray::append(QRadioButton *button)
{
    m_group->addButton(button, static_cast<int>(m_buttons.size()));
    m_buttons.append(button);
    connect(button, &QRadioButton::toggled, this,
        [this, button](bool checked) { onToggled(button, checked); });
    updateTabStop();
}

bool OptionArray::isSelected(qsizetype index) const
{
    return m_buttons.at(index)->isChecked();
}

void OptionArray::select(qsizetype index)
{
    m_buttons.at(index)->setChecked(true);
}

int OptionArray::selectedIndex() const
{
    return m_group->checkedId();
}

void OptionArray::onToggled(QRadioButton *button, bool checked)
{
    if (!checked)
        return;
    updateTabStop();
    emit click(static_cast<int>(m_buttons.indexOf(button)));
}

void OptionArray::updateTabStop()
{
    // The group is one tab stop that lands on the selected button; Qt would otherwise keep the
    // stop on whichever button last had the focus.
    for (QRadioButton *b : std::as_const(m_buttons))
        b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}
