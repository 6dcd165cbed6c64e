#pragma once

#include <QString>

// What the big digits show for a count of whole seconds: minutes and seconds, or, below a
// minute, the seconds alone without a leading zero. Minutes show their last two digits.
struct CountDigits {
    QString left; // minutes, or empty below a minute
    QString right; // seconds
    bool minuteUnitShown = false;

    static CountDigits fromCount(qint64 count);
};
