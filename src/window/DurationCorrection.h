// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace DurationCorrection {

// The text a duration list is left with when an item is picked: the number the text begins
// with, rounded down and written back with a leading blank (" 45"); below 0 it becomes "0",
// above the list's limit the limit itself ("60", "59"), both without the blank. A number beyond
// the double range counts as beyond the limit on its side. Never fails, whatever the text.
QString corrected(const QString &text, int upperLimit);

} // namespace DurationCorrection
