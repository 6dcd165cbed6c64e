// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The arithmetic of the proportional layout. Each value is computed in double precision and
// reduced to single precision; a fault raises RuntimeError. Inputs are what the labels and the
// window read back.
namespace DigitLayout {

// The outer height below which a normal window of this outer width is too flat (2.3 : 1).
float heightLimit(float outerWidth);

float half(float value); // value / 2
float quarter(float value); // value / 4
float digitFontSize(float width, float pixelsPerPoint); // W0 / F
float messageFontSize(float width, float pixelsPerPoint); // W0 / F / 1.5
float leftUnitLeft(float digitsWidth, float digitsLeft); // W0 / 3.1 + L0
float rightUnitLeft(float digitsWidth, float digitsLeft); // W0 / 3.1 * 2.52 + L0
// The point size used as a distance in pixels: the units sit half of it below the digits' top.
float unitTop(float digitFontSize, float digitsTop); // S0 / 2 + T0

} // namespace DigitLayout
