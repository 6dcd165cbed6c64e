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
    FormLabel *const left = lblTime[LeftNumber];
    FormLabel *const right = lblTime[RightNumber];
    FormLabel *const leftUnit = lblTime[LeftUnit];
    FormLabel *const rightUnit = lblTime[RightUnit];
    FormLabel *const message = lblTime[Message];
    left->setWidthPx(scaleWidth());
    left->setHeightPx(scaleHeight());
    left->setFontSize(DigitLayout::digitFontSize(left->widthPx(), FontEnlage));
    right->setLeftPx(DigitLayout::half(scaleWidth()));
    right->setWidthPx(DigitLayout::half(scaleWidth()));
    right->setHeightPx(scaleHeight());
    right->setFontSize(left->fontSize());
    leftUnit->setLeftPx(DigitLayout::leftUnitLeft(left->widthPx(), left->leftPx()));
    leftUnit->setTopPx(DigitLayout::unitTop(left->fontSize(), left->topPx()));
    leftUnit->setWidthPx(DigitLayout::quarter(left->widthPx()));
    leftUnit->setHeightPx(DigitLayout::half(left->heightPx()));
    leftUnit->setFontSize(DigitLayout::half(left->fontSize()));
    rightUnit->setLeftPx(DigitLayout::rightUnitLeft(left->widthPx(), left->leftPx()));
    rightUnit->setTopPx(leftUnit->topPx());
    rightUnit->setWidthPx(DigitLayout::quarter(left->widthPx()));
    rightUnit->setHeightPx(DigitLayout::half(left->heightPx()));
    rightUnit->setFontSize(DigitLayout::half(left->fontSize()));
    message->setWidthPx(scaleWidth());
    message->setHeightPx(scaleHeight());
    message->setFontSize(DigitLayout::messageFontSize(left->widthPx(), FontEnlage));

    // Any resize ends the alert.
    message->setVisible(false);
    Timer2->setEnabled(false);
    left->setForeColor(Palette::entry(Palette::Black));
}
