// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QRawFont>
#include <QRect>
#include <QString>
#include <QTransform>

class GlyphCoverage;
class QPainter;

// Plain text laid out as QPainter::drawText(rect, flags, text) lays it out, and drawn from the
// coverage of its glyphs. Qt draws glyphs this large from their outlines on every paint, hinting
// each one again; here each is rendered once (GlyphCoverage) and then only blended. The layout is
// made again only when the text, the font, the rectangle or the painter's device transform
// changes.
class CachedText {
public:
    // Draws the text and returns true, or returns false and draws nothing for what it does not
    // lay out as Qt does: right or bottom alignment, mnemonics, length variants, a glyph from a
    // fallback font, a painter that rotates or shears.
    bool draw(QPainter &painter, const QRect &rect, int flags, const QString &text,
        const QFont &font, const QColor &color, GlyphCoverage &glyphs);

private:
    struct Glyph {
        quint32 index;
        QPointF position; // of its origin, in device pixels
    };
    bool layOut(const QRect &rect, int flags, const QString &text, const QFont &font,
        const QTransform &device);

    // What the glyphs were laid out for; a change of any lays them out again.
    QString m_text;
    QFont m_font;
    QRect m_rect;
    int m_flags = 0;
    QTransform m_device;

    QRawFont m_rawFont;
    QList<Glyph> m_glyphs;
    bool m_laidOut = false; // whether the last layout could be drawn from the cache
    bool m_clipped = false; // whether the text reaches past its rectangle
};
