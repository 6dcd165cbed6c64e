// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>

class QButtonGroup;
class QRadioButton;

// An array of option buttons forming one group with exactly one selected. click(index) is
// raised whenever a button becomes selected, by the user (mouse, arrow keys) or by select()
// from code; it runs nested, before select() returns. A click on the selected button raises
// nothing.
class OptionArray : public QObject {
    Q_OBJECT
public:
    explicit OptionArray(QObject *parent);

    void append(QRadioButton *button);
    qsizetype count() const { return m_buttons.size(); }
    QRadioButton *at(qsizetype index) const { return m_buttons.at(index); }

    bool isSelected(qsizetype index) const;
    // Writing True to a button's value. There is no deselecting write: one stays selected.
    void select(qsizetype index);
    int selectedIndex() const;

signals:
    void click(int index);

private:
    void onToggled(QRadioButton *button, bool checked);
    void updateTabStop();

    QButtonGroup *m_group;
    QList<QRadioButton *> m_buttons;
};
