// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CachedText.h"

#include "GlyphCoverage.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

constexpr int Unhandled = Qt::AlignRight | Qt::AlignBottom | Qt::AlignVCenter | Qt::AlignJustify
    | Qt::TextShowMnemonic | Qt::TextHideMnemonic | Qt::TextForceRightToLeft | Qt::TextSingleLine
    | Qt::TextDontClip | Qt::TextExpandTabs | Qt::TextJustificationForced;

// What the text engine is given: line feeds break lines, tabs and returns are blanks.
QString engineText(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c == u'\n')
            c = QChar::LineSeparator;
        else if (c == u'\r' || c == u'\t')
            c = u' ';
    }
    return result;
}

} // namespace

bool CachedText::draw(QPainter &painter, const QRect &rect, int flags, const QString &text,
    const QFont &font, const QColor &color, GlyphCoverage &glyphs, const QRect &visible)
{
    // The tint is made for opaque colours; Qt blends a translucent one itself.
    if (color.alpha() != 255)
        return false;
    const QTransform device = painter.deviceTransform();
    if (font != m_font || rect != m_rect || flags != m_flags || device != m_device) {
        m_font = font;
        m_rect = rect;
        m_flags = flags;
        m_device = device;
        m_layouts.clear();
    }
    auto found = m_layouts.constFind(text);
    if (found == m_layouts.constEnd()) {
        if (m_layouts.size() >= MaxLayouts)
            m_layouts.clear();
        found = m_layouts.insert(text, layOut(text));
    }
    const Layout &layout = *found;
    if (!layout.drawable)
        return false;

    painter.save();
    if (layout.clipped)
        painter.setClipRect(rect, Qt::IntersectClip);
    // From here on one unit is one device pixel, so that each image lands on whole pixels.
    painter.setWorldTransform(device.inverted(), true);
    const QRect visiblePixels = device.mapRect(QRectF(visible)).toAlignedRect();
    for (const Glyph &glyph : layout.glyphs)
        glyphs.draw(painter, layout.face, glyph.index, glyph.position, color, visiblePixels);
    painter.restore();
    return true;
}

// As QPainter::drawText lays out a text in a rectangle: lines as wide as the rectangle when the
// text wraps, each on a whole pixel, a leading apart; the block, and each line, centred when
// asked; clipped to the rectangle when it reaches past it.
CachedText::Layout CachedText::layOut(const QString &text) const
{
    Layout result;
    if ((m_flags & Unhandled) || text.contains(u'\x9c') || m_device.type() > QTransform::TxScale
        || m_device.m11() != m_device.m22())
        return result;
    QTextLayout layout(engineText(text), m_font);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    if (m_flags & Qt::TextWrapAnywhere)
        option.setWrapMode(QTextOption::WrapAnywhere);
    layout.setTextOption(option);
    const bool wraps = m_flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere);
    const qreal lineWidth = wraps ? qMax<qreal>(0, m_rect.width()) : 0x01000000;
    const qreal leading = QFontMetricsF(m_font).leading();
    qreal height = -leading;
    qreal width = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = qMax(width, line.naturalTextWidth());
        if (height >= m_rect.height())
            break;
    }
    layout.endLayout();

    const qreal blockLeft = m_flags & Qt::AlignHCenter ? (m_rect.width() - width) / 2 : 0;
    result.clipped
        = !QRectF(m_rect).contains(QRectF(m_rect.x() + blockLeft, m_rect.y(), width, height));
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal left
            = m_flags & Qt::AlignHCenter ? (m_rect.width() - line.horizontalAdvance()) / 2 : 0;
        const QPointF origin(m_rect.x() + left, m_rect.y());
        for (const QGlyphRun &run : line.glyphRuns()) {
            if (i == 0 && result.glyphs.isEmpty())
                result.face = GlyphCoverage::Face(run.rawFont(), m_device.m11());
            if (run.rawFont() != result.face.font)
                return {};
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype g = 0; g < indexes.size(); ++g)
                result.glyphs.append({ indexes.at(g), m_device.map(origin + positions.at(g)) });
        }
    }
    result.drawable = true;
    return result;
}
