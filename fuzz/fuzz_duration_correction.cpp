// Any text picked in a list: the corrected text reads back as a whole number within the list's
// limits, and correcting it again keeps that number.

#include "platform/NumberReading.h"
#include "window/DurationCorrection.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const int limit : { 60, 59 }) {
        const QString corrected = DurationCorrection::corrected(text, limit);
        const double value = NumberReading::leadingNumber(corrected);
        if (!(value >= 0 && value <= limit) || value != std::floor(value)
            || NumberReading::leadingNumber(DurationCorrection::corrected(corrected, limit))
                != value)
            std::abort();
    }
    return 0;
}
