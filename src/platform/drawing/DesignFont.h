// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace DesignFont {

// The family every control asks for. Fonts installed on Linux stand in for it, through the
// substitutes installed by installSubstitutes().
inline constexpr char16_t Family[] = u"ＭＳ ゴシック";

// Before QApplication: lets Qt synthesise bold at any size for a fallback font without a bold
// face, so the digits stay bold however large they grow.
void prepareEnvironment();
// After QApplication, before any widget: only fonts resolved after this call see it.
void installSubstitutes();

QFont font(qreal points, bool bold);

} // namespace DesignFont
