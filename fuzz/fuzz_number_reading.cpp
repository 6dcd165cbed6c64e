// Any text, read as UTF-8 or UTF-16: the leading-number reading never fails and never gives NaN.

#include "platform/NumberReading.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto length = static_cast<qsizetype>(size);
    for (const QString &text : { QString::fromUtf8(reinterpret_cast<const char *>(data), length),
             QString::fromUtf16(reinterpret_cast<const char16_t *>(data), length / 2) })
        if (std::isnan(NumberReading::leadingNumber(text)))
            std::abort();
    return 0;
}
