#include "CountDigits.h"

#include "platform/NumberFormat.h"

CountDigits CountDigits::fromCount(qint64 count)
{
    const qint64 minutes = count / 60; // truncated toward zero
    const qint64 seconds = count - 60 * minutes;
    if (minutes > 0)
        return { NumberFormat::spacePadded(NumberFormat::digits(minutes)),
            NumberFormat::zeroPadded(NumberFormat::digits(seconds)), true };
    return { QString(), NumberFormat::wideSpacePadded(NumberFormat::digits(seconds)), false };
}
