// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace NumberFormat {

// A whole number as the classic runtime writes it: a blank in front when it is not negative,
// "-" when it is ("5" gives " 5"). Very large values use an exponent (" 1E+20").
QString numberToText(double whole);

// Decimal digits of n, a "-" in front when negative, no blank.
QString digits(qint64 n);

// The two-character display formats: the pad followed by the text, of which the rightmost two
// characters are shown.
QString spacePadded(const QString &text); // pad " "
QString zeroPadded(const QString &text); // pad "00"
QString wideSpacePadded(const QString &text); // pad "  "

} // namespace NumberFormat
