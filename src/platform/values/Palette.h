// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// The standard 16-colour palette, and colours as the classic 0x00BBGGRR value.
namespace Palette {

quint32 entry(int index); // 0x00BBGGRR; index 0..15
QColor toQColor(quint32 bgr);

enum Index { Black = 0, DarkGrey = 8, BrightMagenta = 13 };

} // namespace Palette
