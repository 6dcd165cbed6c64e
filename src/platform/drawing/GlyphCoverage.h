// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>

#include <QCache>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QRawFont>

class QPainter;

// Glyphs as the paint engine draws large text, rendered once for a font, a scale and a position
// within a device pixel, from the glyph's outline and with the same rasteriser, then only
// blended; or, when too large, kept as outlines, which saves loading and hinting them again. One
// cache serves all the labels of a window, which show the same digits at the same size.
class GlyphCoverage {
public:
    // Rendered glyphs kept at most, in bytes; the least recently drawn go first.
    static constexpr int Budget = 6 * 1024 * 1024;

    // A font at a scale, as the cache tells glyphs apart; made once per layout, not per glyph.
    struct Face {
        Face() = default;
        Face(const QRawFont &rawFont, qreal deviceScale);
        QRawFont font;
        QString family;
        qreal pixelSize = 0;
        int weight = 0;
        qreal scale = 1;
    };

    // What the glyphs kept take: as the cache counts them against its budget, and in memory.
    // For checks and measurements: reading them counts as drawing them, for the cache's order.
    struct Held {
        qsizetype glyphs = 0;
        qsizetype counted = 0;
        qsizetype bytes = 0;
    };
    Held held() const;

    // Blends the glyph whose origin lies at `origin` (device pixels; the painter draws in
    // device pixels) in the given colour. Only what lies in `visible` needs drawing: the rest is
    // outside the region being repainted.
    void draw(QPainter &painter, const Face &face, quint32 index, QPointF origin,
        const QColor &color, const QRect &visible);

private:
    struct Key {
        QString family;
        qreal pixelSize;
        int weight;
        qreal scale;
        quint32 index;
        int x; // position within the pixel, in 1/256 steps
        int y;
        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &k, size_t seed = 0)
        {
            return qHashMulti(seed, k.family, k.pixelSize, k.weight, k.scale, k.index, k.x, k.y);
        }
    };
    struct Coverage {
        // The coverage, a byte a pixel, at whole device pixels: a quarter of the memory of a
        // colour image, which is made for each band as it is drawn, in the colour it is drawn in.
        QImage alpha;
        int bandHeight = 0; // rows blended at a time, so that the engine blends on this thread
        QPoint topLeft; // relative to the whole pixel of the glyph's origin
        QPainterPath outline; // instead, for a glyph too large to keep as an image
    };

    const Coverage *coverage(const Face &face, quint32 index, QPointF fraction);
    void setTint(const QColor &color);

    QCache<Key, Coverage> m_coverage { Budget };
    // The colour last drawn, at each coverage, and room to tint a band in.
    std::optional<QRgb> m_tintOf;
    std::array<QRgb, 256> m_tint {};
    QImage m_tinted;
};
