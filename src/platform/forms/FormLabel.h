// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/drawing/CachedText.h"

#include <QLabel>

// A label with the classic properties. Geometry and font size are held as the floats that were
// written and read back exactly; the widget realises them rounded to whole pixels.
class FormLabel : public QLabel {
    Q_OBJECT
public:
    // Big enough for the digits of a maximised 8K screen (7680 px / 4 px per point).
    static constexpr float MaxFontSize = 1920.0F;
    // From this size on, text is drawn without hinting.
    static constexpr float UnhintedFontSize = 24.0F;

    explicit FormLabel(QWidget *parent);

    QString caption() const { return text(); }
    void setCaption(const QString &caption);

    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 bgr);

    float leftPx() const { return m_left; }
    float topPx() const { return m_top; }
    float widthPx() const { return m_width; }
    float heightPx() const { return m_height; }
    void setLeftPx(float value);
    void setTopPx(float value);
    void setWidthPx(float value);
    void setHeightPx(float value);
    void setGeometryPx(float left, float top, float width, float height);

    float fontSize() const { return m_fontSize; }
    // Throws RuntimeError for a size the label cannot render: not finite, zero or less, or
    // above MaxFontSize.
    void setFontSize(float points);

    // The glyphs that text at display sizes is drawn from, rendered once and shared with the
    // other labels that show the same digits; it must outlive the label's painting. A label
    // without one draws as QLabel does.
    void setGlyphCoverage(GlyphCoverage *glyphs) { m_glyphs = glyphs; }

protected:
    // Text at display sizes is drawn from the glyph coverage, when the label has one.
    void paintEvent(QPaintEvent *event) override;

private:
    void realiseGeometry();

    quint32 m_foreColor = 0;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    float m_fontSize = 0;
    GlyphCoverage *m_glyphs = nullptr;
    CachedText m_cachedText;
};
