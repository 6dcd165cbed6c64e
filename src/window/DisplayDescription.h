#pragma once

#include <QString>

namespace DisplayDescription {

enum class Mode { Elapsed, Remaining, TimeOfDay };

// The big display in words, for screen readers: "残り 2分59秒", "経過 0分12秒", "現在 9時05分",
// or "時間です" while the message shows. Built from the digit captions as they stand.
QString describe(Mode mode, const QString &left, const QString &right, bool messageShown);

} // namespace DisplayDescription
