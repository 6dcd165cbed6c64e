// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DateValue.h"

#include <functional>

// The local wall clock to the whole second. Tests replace the source to step time at will.
class Clock {
public:
    using Source = std::function<DateValue()>;

    DateValue now() const;
    void setSource(Source source) { m_source = std::move(source); }

    static DateValue systemNow();

private:
    Source m_source;
};
