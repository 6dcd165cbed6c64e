// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The resize handler: keeps the big digits in proportion to the window.

#include "window/frmSarvelTimer.h"

#include "platform/forms/FormLabel.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/values/Palette.h"
#include "window/DigitLayout.h"

void frmSarvelTimer::Form_Resize()
{
    if (formState() == Minimized)
        return; // an alert in progress goes on

    // A normal window is never flatter than 2.3 : 1. The write may run this handler nested;
    // every pass computes everything from the current sizes, so repeating it is harmless.
    const float limit = DigitLayout::heightLimit(outerWidthTwips());
    if (limit >= outerHeightTwips() && formState() == Normal)
        setOuterHeightTwips(limit);

    // Each row reads its inputs back from the labels, so that the units follow whatever size
    // the digits really got.
    FormLabel *const digits = lblTime[0];
    FormLabel *const seconds = lblTime[1];
    FormLabel *const leftUnit = lblTime[2];
    FormLabel *const rightUnit = lblTime[3];
    FormLabel *const message = lblTime[4];
    digits->setWidthPx(scaleWidth());
    digits->setHeightPx(scaleHeight());
    digits->setFontSize(DigitLayout::digitFontSize(digits->widthPx(), FontEnlage));
    seconds->setLeftPx(DigitLayout::half(scaleWidth()));
    seconds->setWidthPx(DigitLayout::half(scaleWidth()));
    seconds->setHeightPx(scaleHeight());
    seconds->setFontSize(digits->fontSize());
    leftUnit->setLeftPx(DigitLayout::leftUnitLeft(digits->widthPx(), digits->leftPx()));
    leftUnit->setTopPx(DigitLayout::unitTop(digits->fontSize(), digits->topPx()));
    leftUnit->setWidthPx(DigitLayout::quarter(digits->widthPx()));
    leftUnit->setHeightPx(DigitLayout::half(digits->heightPx()));
    leftUnit->setFontSize(DigitLayout::half(digits->fontSize()));
    rightUnit->setLeftPx(DigitLayout::rightUnitLeft(digits->widthPx(), digits->leftPx()));
    rightUnit->setTopPx(leftUnit->topPx());
    rightUnit->setWidthPx(DigitLayout::quarter(digits->widthPx()));
    rightUnit->setHeightPx(DigitLayout::half(digits->heightPx()));
    rightUnit->setFontSize(DigitLayout::half(digits->fontSize()));
    message->setWidthPx(scaleWidth());
    message->setHeightPx(scaleHeight());
    message->setFontSize(DigitLayout::messageFontSize(digits->widthPx(), FontEnlage));

    // Any resize ends the alert.
    message->setVisible(false);
    Timer2->setEnabled(false);
    lblTime[0]->setForeColor(Palette::entry(Palette::Black));
}
