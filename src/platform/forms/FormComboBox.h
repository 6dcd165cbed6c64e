// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

// A drop-down list with an editable text field, raising the two classic events:
// gotFocus() once per genuine entry (mouse, Tab, code), and click() only when the user
// picks an item: from the open list, or with the arrow and page keys while it is closed.
// Typing, Enter in the field, and Qt's own unasked-for activations raise nothing.
class FormComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit FormComboBox(QWidget *parent);

    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }

    void hidePopup() override;

signals:
    void gotFocus();
    void click();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void onActivated(int index);

    bool m_pickArmed = false;
};
