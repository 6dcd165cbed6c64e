#pragma once

#include "platform/ApplicationSetup.h"
#include "platform/DateValue.h"
#include "platform/FormComboBox.h"
#include "window/frmSarvelTimer.h"

#include <QApplication>
#include <QDate>
#include <QTest>
#include <QTime>

#include <memory>

Q_DECLARE_METATYPE(DateValue)

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

// A clock the test moves by hand.
struct FakeClock {
    DateValue now = at(2026, 12, 6, 9, 5, 0);
    int readings = 0;

    void attach(frmSarvelTimer &window)
    {
        window.clock().setSource([this] {
            ++readings;
            return now;
        });
    }
    void advance(qint64 seconds) { now = now.addSeconds(seconds); }
};

// Types the duration into the two lists and presses Start, as the handler runs it.
inline void startPeriod(frmSarvelTimer &window, const QString &minutes, const QString &seconds)
{
    window.Combo1->setEditText(minutes);
    window.Combo2->setEditText(seconds);
    window.cmdStart_Click();
}

// Paints what is pending, as the event loop would before the next tick: the repaint that a tick
// or a resize caused.
inline void flushPaint()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
}

// The window as the program opens it, on a fake clock.
inline std::unique_ptr<frmSarvelTimer> openWindow(FakeClock &clock)
{
    auto window = std::make_unique<frmSarvelTimer>();
    clock.attach(*window);
    window->open();
    return window;
}
