// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/ApplicationSetup.h"
#include "window/frmSarvelTimer.h"

#include <QApplication>
#include <QDateTime>
#include <QTest>

// Like QTEST_MAIN, with the application set up as the program sets it up.
#define MOVARC_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        ApplicationSetup::beforeApplication();                                                     \
        QApplication app(argc, argv);                                                              \
        ApplicationSetup::configure(app);                                                          \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

inline DateValue at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return DateValue::fromLocal(QDate(y, mo, d), QTime(h, mi, s));
}

// One data row, on one line: the row's name, then a value for each column.
template<typename... Values> void row(const char *name, Values... values)
{
    (QTest::newRow(name) << ... << values);
}

// A clock the test moves by hand, in real time and in its offset from UTC.
struct FakeClock {
    QDateTime local = QDateTime(QDate(2026, 12, 6), QTime(9, 5), Qt::UTC);
    DateValue now() const
    {
        return DateValue::fromLocal(local.date(), local.time(), local.offsetFromUtc());
    }
};

// The window as the program opens it, on a fake clock.
inline std::unique_ptr<frmSarvelTimer> openWindow(FakeClock &clock)
{
    auto window = std::make_unique<frmSarvelTimer>();
    window->clock().setSource([&clock] { return clock.now(); });
    window->open();
    return window;
}
