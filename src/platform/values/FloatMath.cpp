// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FloatMath.h"

#include "RuntimeError.h"

#include <cmath>
#include <limits>

double FloatMath::divide(double dividend, double divisor)
{
    if (divisor == 0)
        throw RuntimeError(RuntimeError::DivisionByZero, "division by zero");
    return dividend / divisor;
}

float FloatMath::toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        throw RuntimeError(RuntimeError::Overflow, "overflow");
    return static_cast<float>(value);
}
