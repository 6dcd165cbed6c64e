// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/DigitDisplay.h"

#include <QString>

namespace DisplayDescription {

// What the display shows, as far as its description depends on it.
struct Shown {
    DigitDisplay::Mode mode = DigitDisplay::TimeOfDay;
    QString left;
    QString right;
    bool messageShown = false;

    friend bool operator==(const Shown &, const Shown &) = default;
};

// The big display in words, for screen readers: "残り 2分59秒", "経過 0分12秒", "現在 9時05分",
// or "時間です" while the message shows. Built from the digit captions as they stand.
QString describe(const Shown &shown);

} // namespace DisplayDescription
