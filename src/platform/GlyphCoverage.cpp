// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GlyphCoverage.h"

#include <QPainter>

#include <cmath>
#include <memory>

namespace {

// The raster engine spreads a blend of 96 lines or more over its thread pool; glyphs are cheap
// enough to blend on this thread, without waking others.
constexpr int StripHeight = 64;
// Up to this many pixels a glyph is kept as an image, premultiplied, which the raster engine
// blends fastest. A larger one would take too much memory, and blending it costs more than
// filling it, so it keeps its outline instead: not loaded and hinted again, only filled.
constexpr int ImagePixels = 160 * 160;

} // namespace

void GlyphCoverage::draw(QPainter &painter, const QRawFont &font, qreal scale, quint32 index,
    QPointF origin, const QColor &color)
{
    const QPointF whole(std::floor(origin.x()), std::floor(origin.y()));
    const Coverage *c = coverage(font, scale, index, origin - whole);
    if (!c)
        return;
    if (!c->outline.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(c->outline.translated(origin), color);
        return;
    }
    if (c->mask.isNull())
        return;
    const QPoint at = whole.toPoint() + c->topLeft;
    const QImage &mask = c->mask;
    for (int y = 0; y < mask.height(); y += StripHeight) {
        // Each strip shares the image's pixels; drawn whole at a point, it takes the direct path.
        const QImage strip(mask.constScanLine(y), mask.width(),
            qMin(StripHeight, mask.height() - y), mask.bytesPerLine(), mask.format());
        if (color == Qt::black) {
            painter.drawImage(at + QPoint(0, y), strip);
            continue;
        }
        // The coverage is black; another colour needs it tinted.
        QImage tinted(strip.size(), QImage::Format_ARGB32_Premultiplied);
        tinted.fill(color);
        QPainter tint(&tinted);
        tint.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        tint.drawImage(0, 0, strip);
        tint.end();
        painter.drawImage(at + QPoint(0, y), tinted);
    }
}

// Rendered on first use as the paint engine renders a glyph this large: its outline, filled
// with antialiasing.
const GlyphCoverage::Coverage *GlyphCoverage::coverage(
    const QRawFont &font, qreal scale, quint32 index, QPointF fraction)
{
    const auto steps = [](qreal f) { return static_cast<int>(std::lround(f * 256)); };
    const Key key { font.familyName(), font.pixelSize(), font.weight(), scale, index,
        steps(fraction.x()), steps(fraction.y()) };
    if (const Coverage *c = m_coverage.object(key))
        return c;
    const QPainterPath outline = QTransform::fromScale(scale, scale).map(font.pathForGlyph(index));
    const QPainterPath placed = outline.translated(fraction);
    auto c = std::make_unique<Coverage>();
    const QRect box = placed.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    if (box.width() * box.height() > ImagePixels) {
        c->outline = outline;
    } else if (!placed.isEmpty()) {
        c->mask = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
        c->mask.fill(0);
        c->topLeft = box.topLeft();
        QPainter fill(&c->mask);
        fill.setRenderHint(QPainter::Antialiasing);
        fill.translate(-box.topLeft());
        fill.fillPath(placed, Qt::black);
    }
    const qsizetype bytes = c->mask.sizeInBytes() + c->outline.elementCount() * 24 + 64;
    const int cost = static_cast<int>(qMin<qsizetype>(bytes, Budget));
    return m_coverage.insert(key, c.release(), cost) ? m_coverage.object(key) : nullptr;
}
