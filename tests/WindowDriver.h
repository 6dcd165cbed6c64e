// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestRows.h"

#include "platform/desktop/ApplicationSetup.h"
#include "window/frmSarvelTimer.h"

#include <QApplication>
#include <QDateTime>

// The program's own set-up, in two halves: before the application is made, and after. QTest's
// main calls initMain() before it makes the application, so a test class derives from this and
// calls finish() in its initTestCase().
struct ProgramSetup {
    static void initMain() { ApplicationSetup::beforeApplication(); }
    static void finish() { ApplicationSetup::configure(*qApp); }
};

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
