// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesignFont.h"

#include <QStringList>

// Windows has the design's font itself, with a real bold; elsewhere fonts stand in for it.
void DesignFont::prepareEnvironment()
{
#ifndef Q_OS_WIN
    qputenv("QT_NO_SYNTHESIZED_BOLD_LIMIT", "1");
#endif
}

void DesignFont::installSubstitutes()
{
#ifndef Q_OS_WIN
    // Fixed-pitch Japanese gothics with metrics close to the design's font; BIZ UDGothic has a
    // real bold face.
    QFont::insertSubstitutions(QString::fromUtf16(Family),
        QStringList { QStringLiteral("BIZ UDGothic"), QStringLiteral("IPAGothic") });
#endif
}

QFont DesignFont::font(qreal points, bool bold)
{
    QFont f(QString::fromUtf16(Family));
    f.setPointSizeF(points);
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setStyleHint(QFont::Monospace);
    // The stand-in fonts cover every text the window shows; looking up fallback fonts for
    // each script and size would cost a third of the start-up time.
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}
