// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GlyphCoverage.h"

#include <QPainter>

#include <cmath>
#include <memory>

namespace {

// The raster engine spreads a blend of 96 lines or more over its thread pool; glyphs are cheap
// enough to blend on this thread, without waking others.
constexpr int MaxBandHeight = 95;
// Up to this many pixels a glyph is kept as its coverage, and drawn through a premultiplied
// image, which the raster engine blends fastest. A larger one would take too much memory, and
// blending it costs more than filling it, so it keeps its outline instead: not loaded and hinted
// again, only filled.
constexpr int ImagePixels = 160 * 160;

} // namespace

GlyphCoverage::Face::Face(const QRawFont &rawFont, qreal deviceScale)
    : font(rawFont), family(rawFont.familyName()), pixelSize(rawFont.pixelSize()),
      weight(rawFont.weight()), scale(deviceScale)
{
}

void GlyphCoverage::draw(QPainter &painter, const Face &face, quint32 index, QPointF origin,
    const QColor &color, const QRect &visible)
{
    const QPointF whole(std::floor(origin.x()), std::floor(origin.y()));
    const Coverage *c = coverage(face, index, origin - whole);
    if (!c)
        return;
    if (!c->outline.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(c->outline.translated(origin), color);
        return;
    }
    const QPoint at = whole.toPoint() + c->topLeft;
    setTint(color);
    const int height = c->alpha.height();
    for (int top = 0; top < height; top += c->bandHeight) {
        const QRect band(
            at + QPoint(0, top), QSize(c->alpha.width(), qMin(c->bandHeight, height - top)));
        // Only what is repainted is tinted: a neighbour's repaint may cross one column of it.
        const QRect part = band & visible;
        if (part.isEmpty())
            continue;
        if (m_tinted.width() < part.width() || m_tinted.height() < part.height())
            m_tinted = QImage(
                part.size().expandedTo(m_tinted.size()), QImage::Format_ARGB32_Premultiplied);
        const QPoint from = part.topLeft() - at;
        for (int y = 0; y < part.height(); ++y) {
            const uchar *coverage = c->alpha.constScanLine(from.y() + y) + from.x();
            auto *to = reinterpret_cast<QRgb *>(m_tinted.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                to[x] = m_tint[coverage[x]];
        }
        painter.drawImage(part.topLeft(), m_tinted, QRect(QPoint(0, 0), part.size()));
    }
}

// The colour at each coverage, premultiplied with the rounding the paint engine uses, so that a
// tinted glyph blends to the very pixels a filled one does. Colours here are opaque.
void GlyphCoverage::setTint(const QColor &color)
{
    const QRgb rgb = color.rgb();
    if (rgb == m_tintOf)
        return;
    m_tintOf = rgb;
    for (int a = 0; a < 256; ++a)
        m_tint[a] = qPremultiply(qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), a));
}

// Rendered on first use as the paint engine renders a glyph this large: its outline, filled
// with antialiasing.
const GlyphCoverage::Coverage *GlyphCoverage::coverage(
    const Face &face, quint32 index, QPointF fraction)
{
    const auto steps = [](qreal f) { return static_cast<int>(std::lround(f * 256)); };
    const Key key { face.family, face.pixelSize, face.weight, face.scale, index,
        steps(fraction.x()), steps(fraction.y()) };
    if (const Coverage *c = m_coverage.object(key))
        return c;
    const QPainterPath outline
        = QTransform::fromScale(face.scale, face.scale).map(face.font.pathForGlyph(index));
    const QPainterPath placed = outline.translated(fraction);
    auto c = std::make_unique<Coverage>();
    const QRect box = placed.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    if (box.width() * box.height() > ImagePixels) {
        c->outline = outline;
    } else if (!placed.isEmpty()) {
        QImage mask(box.size(), QImage::Format_ARGB32_Premultiplied);
        mask.fill(0);
        QPainter fill(&mask);
        fill.setRenderHint(QPainter::Antialiasing);
        fill.translate(-box.topLeft());
        fill.fillPath(placed, Qt::black);
        fill.end();
        c->alpha = mask.convertToFormat(QImage::Format_Alpha8);
        c->topLeft = box.topLeft();
        // Bands of even height: as few blends as the engine keeps on this thread.
        const int bands = (box.height() + MaxBandHeight - 1) / MaxBandHeight;
        c->bandHeight = (box.height() + bands - 1) / bands;
    }
    const qsizetype bytes = c->alpha.sizeInBytes()
        + c->outline.elementCount() * qsizetype(sizeof(QPainterPath::Element)) + 64;
    const int cost = static_cast<int>(qMin<qsizetype>(bytes, Budget));
    return m_coverage.insert(key, c.release(), cost) ? m_coverage.object(key) : nullptr;
}

GlyphCoverage::Held GlyphCoverage::held() const
{
    Held result { m_coverage.size(), m_coverage.totalCost(), 0 };
    for (const Key &key : m_coverage.keys()) {
        const Coverage *c = m_coverage.object(key);
        result.bytes += c->alpha.sizeInBytes()
            + c->outline.elementCount() * qsizetype(sizeof(QPainterPath::Element));
    }
    return result;
}
