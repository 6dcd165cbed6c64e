// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Palette.h"

#include <array>

namespace {

constexpr quint32 bgr(int r, int g, int b)
{
    return static_cast<quint32>(r) | static_cast<quint32>(g) << 8 | static_cast<quint32>(b) << 16;
}

constexpr std::array<quint32, 16> Entries = {
    bgr(0, 0, 0),
    bgr(0, 0, 128),
    bgr(0, 128, 0),
    bgr(0, 128, 128),
    bgr(128, 0, 0),
    bgr(128, 0, 128),
    bgr(128, 128, 0),
    bgr(192, 192, 192),
    bgr(128, 128, 128),
    bgr(0, 0, 255),
    bgr(0, 255, 0),
    bgr(0, 255, 255),
    bgr(255, 0, 0),
    bgr(255, 0, 255),
    bgr(255, 255, 0),
    bgr(255, 255, 255),
};

} // namespace

quint32 Palette::entry(int index)
{
    return Entries.at(static_cast<size_t>(index));
}

QColor Palette::toQColor(quint32 bgrValue)
{
    return QColor(bgrValue & 0xff, bgrValue >> 8 & 0xff, bgrValue >> 16 & 0xff);
}
