// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestRows.h"

#include "platform/desktop/ApplicationSetup.h"
#include "window/frmSarvelTimer.h"

#include <QApplication>
#include <QDateTime>

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
