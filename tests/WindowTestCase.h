#pragma once

#include "TestSupport.h"

// A test case whose every test function gets a freshly opened, active window on a fake clock.
class WindowTestCase : public QObject {
    Q_OBJECT
protected:
    FakeClock clock;
    std::unique_ptr<frmSarvelTimer> w;

private slots:
    void init()
    {
        clock = FakeClock();
        w = openWindow(clock);
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    void cleanup() { w.reset(); }
};
