// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormLabel.h"

#include "platform/values/Palette.h"
#include "platform/values/RuntimeError.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

void requireFinite(float value)
{
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::InvalidPropertyValue, "invalid property value");
}

void requireSize(float value)
{
    requireFinite(value);
    if (value < 0)
        throw RuntimeError(RuntimeError::InvalidPropertyValue, "invalid property value");
}

int toPixels(float value)
{
    // Keeps absurd values inside what a widget can hold instead of overflowing an int.
    return static_cast<int>(std::lround(std::clamp(value, -1.0e7F, 1.0e7F)));
}

} // namespace

FormLabel::FormLabel(QWidget *parent) : QLabel(parent)
{
    // Captions can hold typed text: never interpret it as markup.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_fontSize = static_cast<float>(font().pointSizeF());
}

void FormLabel::setCaption(const QString &caption)
{
    if (caption != text())
        setText(caption);
}

void FormLabel::setForeColor(quint32 bgr)
{
    if (bgr == m_foreColor && testAttribute(Qt::WA_SetPalette))
        return;
    m_foreColor = bgr;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Palette::toQColor(bgr));
    setPalette(p);
}

void FormLabel::setLeftPx(float value)
{
    requireFinite(value);
    m_left = value;
    realiseGeometry();
}

void FormLabel::setTopPx(float value)
{
    requireFinite(value);
    m_top = value;
    realiseGeometry();
}

void FormLabel::setWidthPx(float value)
{
    requireSize(value);
    m_width = value;
    realiseGeometry();
}

void FormLabel::setHeightPx(float value)
{
    requireSize(value);
    m_height = value;
    realiseGeometry();
}

void FormLabel::setGeometryPx(float left, float top, float width, float height)
{
    requireFinite(left);
    requireFinite(top);
    requireSize(width);
    requireSize(height);
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    realiseGeometry();
}

void FormLabel::setFontSize(float points)
{
    if (!std::isfinite(points) || points <= 0 || points > MaxFontSize)
        throw RuntimeError(RuntimeError::InvalidPropertyValue, "invalid font size");
    m_fontSize = points;
    QFont f = font();
    f.setPointSizeF(points);
    // Hinting sharpens small text on a coarse pixel grid; at display sizes it changes nothing
    // visible and costs a hinting pass for every glyph laid out or measured.
    f.setHintingPreference(
        points >= UnhintedFontSize ? QFont::PreferNoHinting : QFont::PreferDefaultHinting);
    if (f != font())
        setFont(f);
}

void FormLabel::realiseGeometry()
{
    const QRect target(toPixels(m_left), toPixels(m_top), toPixels(m_width), toPixels(m_height));
    // The program sets every size; held fixed, a label whose text changes asks its window for no
    // new layout, which a count would otherwise post once a second.
    setFixedSize(target.size());
    if (target != geometry())
        setGeometry(target);
}

void FormLabel::paintEvent(QPaintEvent *event)
{
    // An empty label without a frame shows nothing; the alert repaints over one twice a second.
    if (text().isEmpty() && frameShape() == QFrame::NoFrame)
        return;
    if (m_glyphs && m_fontSize >= UnhintedFontSize) {
        // As the label draws plain text: aligned and wrapped in its contents, left to right.
        QPainter painter(this);
        const int flags = int(alignment()) | Qt::TextForceLeftToRight
            | (wordWrap() ? int(Qt::TextWordWrap) : 0);
        if (m_cachedText.draw(painter, contentsRect(), flags, text(), painter.font(),
                palette().color(foregroundRole()), *m_glyphs, event->rect()))
            return;
    }
    QLabel::paintEvent(event);
}
