// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DigitLayout.h"

#include "platform/values/FloatMath.h"

using FloatMath::divide;
using FloatMath::toSingle;

float DigitLayout::heightLimit(float outerWidth)
{
    return toSingle(divide(outerWidth, 2.3));
}

float DigitLayout::half(float value)
{
    return toSingle(divide(value, 2));
}

float DigitLayout::quarter(float value)
{
    return toSingle(divide(value, 4));
}

float DigitLayout::digitFontSize(float width, float pixelsPerPoint)
{
    return toSingle(divide(width, pixelsPerPoint));
}

float DigitLayout::messageFontSize(float width, float pixelsPerPoint)
{
    return toSingle(divide(divide(width, pixelsPerPoint), 1.5));
}

float DigitLayout::leftUnitLeft(float digitsWidth, float digitsLeft)
{
    return toSingle(divide(digitsWidth, 3.1) + digitsLeft);
}

float DigitLayout::rightUnitLeft(float digitsWidth, float digitsLeft)
{
    return toSingle(divide(digitsWidth, 3.1) * 2.52 + digitsLeft);
}

float DigitLayout::unitTop(float digitFontSize, float digitsTop)
{
    return toSingle(divide(digitFontSize, 2) + digitsTop);
}
