// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DurationDigits.h"

#include "platform/values/NumberFormat.h"
#include "platform/values/NumberReading.h"

namespace {

// Only blanks are trimmed; a tab stays part of the text.
QString trimmedBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

} // namespace

DurationDigits DurationDigits::fromCount(qint64 count)
{
    const qint64 minutes = count / 60; // truncated toward zero
    const qint64 seconds = count - 60 * minutes;
    if (minutes > 0)
        return { NumberFormat::spacePadded(NumberFormat::digits(minutes)),
            NumberFormat::zeroPadded(NumberFormat::digits(seconds)), true };
    return { QString(), NumberFormat::wideSpacePadded(NumberFormat::digits(seconds)), false };
}

DurationDigits DurationDigits::fromSetTexts(const QString &minutes, const QString &seconds)
{
    if (NumberReading::leadingNumber(minutes) > 0)
        return { NumberFormat::spacePadded(trimmedBlanks(minutes)),
            NumberFormat::zeroPadded(trimmedBlanks(seconds)), true };
    return { QString(), NumberFormat::wideSpacePadded(trimmedBlanks(seconds)), false };
}
