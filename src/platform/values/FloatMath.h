// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Checked arithmetic for the single-precision properties: expressions are evaluated in double
// precision, and a fault raises RuntimeError instead of yielding an infinity or a NaN.
namespace FloatMath {

// Raises DivisionByZero for a zero divisor.
double divide(double dividend, double divisor);
// Reduces to single precision; raises Overflow for a value that is not finite or beyond the
// float range.
float toSingle(double value);

} // namespace FloatMath
