// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberFormat.h"

#include <cmath>

namespace {

// The rightmost two characters, counting a surrogate pair as one, so a typed emoji shows whole.
QString rightTwo(const QString &text)
{
    qsizetype start = text.size();
    for (int kept = 0; kept < 2 && start > 0; ++kept) {
        --start;
        if (start > 0 && text.at(start).isLowSurrogate() && text.at(start - 1).isHighSurrogate())
            --start;
    }
    return text.mid(start);
}

} // namespace

QString NumberFormat::numberToText(double whole)
{
    if (std::isnan(whole))
        return QStringLiteral(" 0");
    const bool negative = whole < 0;
    const double magnitude = std::fabs(whole);
    QString body;
    if (std::isinf(magnitude))
        body = QStringLiteral("1.#INF");
    else if (magnitude < 1e15)
        body = QString::number(static_cast<qint64>(magnitude));
    else
        body = QString::number(magnitude, 'G', 15)
                   .replace(QStringLiteral("E+0"), QStringLiteral("E+"));
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + body;
}

QString NumberFormat::digits(qint64 n)
{
    return QString::number(n);
}

QString NumberFormat::spacePadded(const QString &text)
{
    return rightTwo(QLatin1Char(' ') + text);
}

QString NumberFormat::zeroPadded(const QString &text)
{
    return rightTwo(QStringLiteral("00") + text);
}

QString NumberFormat::wideSpacePadded(const QString &text)
{
    return rightTwo(QStringLiteral("  ") + text);
}
