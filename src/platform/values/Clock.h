// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DateValue.h"

#include <functional>
#include <limits>

// The local wall clock to the whole second. Tests replace the source to step time at will.
class Clock {
public:
    using Source = std::function<DateValue()>;

    DateValue now() const;
    void setSource(Source source) { m_source = std::move(source); }

    // The system clock, read anew on every call. The zone's offset is looked up once per second
    // of UTC: offsets change only on whole seconds, and a new zone setting shows within one.
    DateValue systemNow() const;

private:
    Source m_source;
    mutable qint64 m_zoneSecond = std::numeric_limits<qint64>::min();
    mutable int m_zoneOffset = 0;
};
