// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text picked in a list, read as UTF-8 or UTF-16: its leading number is never NaN, and the
// corrected text reads back as a whole number within the list's limits, which correcting it
// again keeps.

#include "platform/values/NumberReading.h"
#include "window/DurationCorrection.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto length = static_cast<qsizetype>(size);
    for (const QString &text : { QString::fromUtf8(reinterpret_cast<const char *>(data), length),
             QString::fromUtf16(reinterpret_cast<const char16_t *>(data), length / 2) }) {
        if (std::isnan(NumberReading::leadingNumber(text)))
            std::abort();
        for (const int limit : { 60, 59 }) {
            const QString corrected = DurationCorrection::corrected(text, limit);
            const double value = NumberReading::leadingNumber(corrected);
            if (!(value >= 0 && value <= limit) || value != std::floor(value)
                || NumberReading::leadingNumber(DurationCorrection::corrected(corrected, limit))
                    != value)
                std::abort();
        }
    }
    return 0;
}
