// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GlyphCoverage.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QRect>
#include <QString>
#include <QTransform>

class QPainter;

// Plain text laid out as QPainter::drawText(rect, flags, text) lays it out, and drawn from the
// coverage of its glyphs. Qt draws glyphs this large from their outlines on every paint, hinting
// each one again; here each is rendered once (GlyphCoverage) and then only blended. The layouts
// of the texts shown are kept, as a count shows the same few dozen again and again, until the
// font, the rectangle or the painter's device transform changes.
class CachedText {
public:
    // Draws the text and returns true, or returns false and draws nothing for what it does not
    // lay out as Qt does: right or bottom alignment, mnemonics, length variants, a glyph from a
    // fallback font, a painter that rotates or shears; or for a colour that is not opaque. Only
    // what lies in `visible` (in the painter's coordinates) needs drawing.
    bool draw(QPainter &painter, const QRect &rect, int flags, const QString &text,
        const QFont &font, const QColor &color, GlyphCoverage &glyphs, const QRect &visible);

private:
    // Layouts kept at most; a count shows 60 captions.
    static constexpr qsizetype MaxLayouts = 100;

    struct Glyph {
        quint32 index;
        QPointF position; // of its origin, in device pixels
    };
    struct Layout {
        bool drawable = false; // whether it can be drawn from the cache
        bool clipped = false; // whether the text reaches past its rectangle
        GlyphCoverage::Face face;
        QList<Glyph> glyphs;
    };
    Layout layOut(const QString &text) const;

    // What the layouts were made for; a change of any drops them all.
    QFont m_font;
    QRect m_rect;
    int m_flags = 0;
    QTransform m_device;
    QHash<QString, Layout> m_layouts;
};
