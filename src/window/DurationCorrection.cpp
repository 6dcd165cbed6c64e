// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DurationCorrection.h"

#include "platform/values/NumberFormat.h"
#include "platform/values/NumberReading.h"

#include <cmath>

QString DurationCorrection::corrected(const QString &text, int upperLimit)
{
    const QString upper = QString::number(upperLimit);
    const double read = NumberReading::leadingNumber(text);
    if (std::isinf(read))
        return read > 0 ? upper : QStringLiteral("0");

    // Each step reads the text the step before left.
    QString result = NumberFormat::numberToText(std::floor(read));
    if (NumberReading::leadingNumber(result) < 0)
        result = QStringLiteral("0");
    if (NumberReading::leadingNumber(result) > upperLimit)
        result = upper;
    return result;
}
