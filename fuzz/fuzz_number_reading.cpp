// Any text: the leading-number reading never fails and never gives NaN.

#include "platform/NumberReading.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString utf8
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString utf16 = QString::fromUtf16(
        reinterpret_cast<const char16_t *>(data), static_cast<qsizetype>(size / 2));
    for (const QString &text : { utf8, utf16 }) {
        if (std::isnan(NumberReading::leadingNumber(text)))
            std::abort();
    }
    return 0;
}
