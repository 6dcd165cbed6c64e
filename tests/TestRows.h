// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTest>

// One data row, on one line: the row's name, then a value for each column.
template<typename... Values> void row(const char *name, Values... values)
{
    (QTest::newRow(name) << ... << values);
}
