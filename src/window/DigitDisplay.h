// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the indexes of the window's two control arrays stand for: the display modes, by the
// option button of Option1 that selects each, and the roles of the five labels of lblTime.
namespace DigitDisplay {

enum Mode : int { Elapsed = 0, Remaining = 1, TimeOfDay = 2 };

enum Role : int {
    LeftNumber = 0, // minutes, or the hour
    RightNumber = 1, // seconds, or the minute
    LeftUnit = 2, // 分 or 時
    RightUnit = 3, // 秒 or 分
    Message = 4, // 時間です
};

} // namespace DigitDisplay
