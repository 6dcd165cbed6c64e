// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayDescription.h"

QString DisplayDescription::describe(const Shown &shown)
{
    if (shown.messageShown)
        return QStringLiteral("時間です");
    const QString first
        = shown.left.trimmed().isEmpty() ? QStringLiteral("0") : shown.left.trimmed();
    const QString second = shown.right.trimmed();
    switch (shown.mode) {
    case DigitDisplay::TimeOfDay:
        return QStringLiteral("現在 %1時%2分").arg(first, second);
    case DigitDisplay::Elapsed:
        return QStringLiteral("経過 %1分%2秒").arg(first, second);
    case DigitDisplay::Remaining:
        break;
    }
    return QStringLiteral("残り %1分%2秒").arg(first, second);
}
