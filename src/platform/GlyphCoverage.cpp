// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GlyphCoverage.h"

#include <QPainter>

#include <cmath>
#include <memory>

namespace {

// The raster engine spreads a blend of 96 lines or more over its thread pool; glyphs are cheap
// enough to blend on this thread, without waking others.
constexpr int MaxStripHeight = 95;
// Up to this many pixels a glyph is kept as an image, premultiplied, which the raster engine
// blends fastest. A larger one would take too much memory, and blending it costs more than
// filling it, so it keeps its outline instead: not loaded and hinted again, only filled.
constexpr int ImagePixels = 160 * 160;

QByteArray alphaOf(const QImage &mask)
{
    QByteArray alpha(mask.width() * mask.height(), Qt::Uninitialized);
    uchar *to = reinterpret_cast<uchar *>(alpha.data());
    for (int y = 0; y < mask.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < mask.width(); ++x)
            *to++ = static_cast<uchar>(qAlpha(from[x]));
    }
    return alpha;
}

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
    Coverage *c = coverage(face, index, origin - whole);
    if (!c)
        return;
    if (!c->outline.isEmpty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(c->outline.translated(origin), color);
        return;
    }
    const QPoint at = whole.toPoint() + c->topLeft;
    const bool black = color == Qt::black;
    if (!black) {
        setTint(color);
        if (c->alpha.isEmpty())
            c->alpha = alphaOf(c->mask);
    }
    const int width = c->mask.width();
    for (const Strip &strip : c->strips) {
        const QPoint stripAt = at + QPoint(0, strip.top);
        if (!visible.intersects(QRect(stripAt, strip.image.size())))
            continue;
        if (black) {
            painter.drawImage(stripAt, strip.image);
            continue;
        }
        // The coverage is black; another colour is looked up for each coverage value.
        const QSize size = strip.image.size();
        if (m_tinted.width() < size.width() || m_tinted.height() < size.height())
            m_tinted
                = QImage(size.expandedTo(m_tinted.size()), QImage::Format_ARGB32_Premultiplied);
        const auto *from
            = reinterpret_cast<const uchar *>(c->alpha.constData()) + strip.top * width;
        for (int y = 0; y < size.height(); ++y, from += width) {
            auto *to = reinterpret_cast<QRgb *>(m_tinted.scanLine(y));
            for (int x = 0; x < width; ++x)
                to[x] = m_tint[from[x]];
        }
        painter.drawImage(stripAt, m_tinted, QRect(QPoint(0, 0), size));
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
GlyphCoverage::Coverage *GlyphCoverage::coverage(const Face &face, quint32 index, QPointF fraction)
{
    const auto steps = [](qreal f) { return static_cast<int>(std::lround(f * 256)); };
    const Key key { face.family, face.pixelSize, face.weight, face.scale, index,
        steps(fraction.x()), steps(fraction.y()) };
    if (Coverage *c = m_coverage.object(key))
        return c;
    const QPainterPath outline
        = QTransform::fromScale(face.scale, face.scale).map(face.font.pathForGlyph(index));
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
        fill.end();
        // Bands of even height: as few blends as the engine keeps on this thread.
        const int bands = (box.height() + MaxStripHeight - 1) / MaxStripHeight;
        const int height = (box.height() + bands - 1) / bands;
        const QImage &mask = c->mask;
        for (int y = 0; y < mask.height(); y += height) {
            c->strips.append(
                { QImage(mask.constScanLine(y), mask.width(), qMin(height, mask.height() - y),
                      mask.bytesPerLine(), mask.format()),
                    y });
        }
    }
    // The cost includes the byte a pixel that a draw in colour adds later.
    const qsizetype bytes = c->mask.sizeInBytes() * 5 / 4 + c->outline.elementCount() * 24 + 64;
    const int cost = static_cast<int>(qMin<qsizetype>(bytes, Budget));
    return m_coverage.insert(key, c.release(), cost) ? m_coverage.object(key) : nullptr;
}
