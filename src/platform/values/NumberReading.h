// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

namespace NumberReading {

// The number a text begins with, as the classic forms runtime reads it: blanks, tabs and line
// feeds are ignored anywhere; an optional sign, digits, an optional "." fraction and an
// optional exponent; or "&H" / "&O" followed by a hexadecimal or octal integer. Reading stops
// at the first character that cannot continue the number, and a text without a leading number
// gives 0. A number beyond the double range gives +/- infinity; nothing here ever fails.
double leadingNumber(QStringView text);

} // namespace NumberReading
