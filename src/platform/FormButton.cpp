#include "FormButton.h"

FormButton::FormButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    // Without auto-default, Enter on a focused button does nothing outside a dialog.
    setAutoDefault(true);
    setDefault(false);
    connect(this, &QPushButton::clicked, this, &FormButton::click);
}
