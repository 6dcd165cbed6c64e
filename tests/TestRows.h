// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/values/DateValue.h"

#include <QDate>
#include <QTest>
#include <QTime>

inline DateValue at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return DateValue::fromLocal(QDate(y, mo, d), QTime(h, mi, s));
}

// One data row, on one line: the row's name, then a value for each column.
template<typename... Values> void row(const char *name, Values... values)
{
    (QTest::newRow(name) << ... << values);
}
