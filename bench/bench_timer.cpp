// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks of the tick, the repaint, the layout and start-up, on the offscreen platform. Run them
// with scripts/bench; add -callgrind for instruction counts instead of time.

#include "../tests/WindowDriver.h"

#include "platform/forms/FormComboBox.h"
#include "platform/forms/FormLabel.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/forms/OptionArray.h"

#include <QBackingStore>

// Paints what is pending, as the event loop would before the next tick.
static void flushPaint()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
}

class TimerBenchmark : public QObject, public ProgramSetup {
    Q_OBJECT
private slots:
    void initTestCase() { finish(); }
    void tick_data();
    void tick();
    void tickWithRepaint_data();
    void tickWithRepaint();
    void paint_data();
    void paint();
    void resize_data();
    void resize();
    void startUp();

private:
    // Opens a window showing the given mode: counting a long period down, or the time of day.
    void prepare(const QString &mode);

    FakeClock clock;
    std::unique_ptr<frmSarvelTimer> w;
};

void TimerBenchmark::prepare(const QString &mode)
{
    clock = FakeClock();
    w = openWindow(clock);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    if (mode != QStringLiteral("time of day")) {
        w->Option1->select(frmSarvelTimer::Remaining);
        w->Combo1->setText(QStringLiteral("600"));
        w->cmdStart_Click();
    } else {
        w->Option1->select(frmSarvelTimer::TimeOfDay);
    }
    w->Timer1->fire();
    flushPaint();
}

void TimerBenchmark::tick_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("step");
    QTest::newRow("counting, no visible change") << "counting" << 0;
    QTest::newRow("counting, second boundary") << "counting" << 1;
    QTest::newRow("time of day, no visible change") << "time of day" << 0;
    QTest::newRow("time of day, second boundary") << "time of day" << 1;
}

void TimerBenchmark::tick()
{
    QFETCH(QString, mode);
    QFETCH(int, step);
    prepare(mode);
    QBENCHMARK
    {
        clock.local = clock.local.addSecs(step);
        w->Timer1_Timer();
    }
}

void TimerBenchmark::tickWithRepaint_data()
{
    tick_data();
}

void TimerBenchmark::tickWithRepaint()
{
    QFETCH(QString, mode);
    QFETCH(int, step);
    prepare(mode);
    QBENCHMARK
    {
        clock.local = clock.local.addSecs(step);
        w->Timer1->fire();
        flushPaint();
    }
}

void TimerBenchmark::paint_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("alert");
    QTest::newRow("second changes, 594 x 274") << QSize(594, 274) << false;
    QTest::newRow("second changes, 3840 x 2160") << QSize(3840, 2160) << false;
    QTest::newRow("alert colour changes, 594 x 274") << QSize(594, 274) << true;
}

void TimerBenchmark::paint()
{
    // The tick and the repaint of a second boundary while counting, at the designed size and
    // maximised on a 4K screen, where the digits are 960 points; or one colour of the alert.
    QFETCH(QSize, client);
    QFETCH(bool, alert);
    prepare(QStringLiteral("counting"));
    w->resize(client);
    flushPaint();
    IntervalTimer *timer = w->Timer1;
    if (alert) {
        clock.local = clock.local.addSecs(600 * 60);
        w->Timer1->fire();
        flushPaint();
        timer = w->Timer2;
        // The first blink makes what every later one reuses.
        timer->fire();
        flushPaint();
    }
    QBENCHMARK
    {
        clock.local = clock.local.addSecs(1);
        timer->fire();
        flushPaint();
    }
}

void TimerBenchmark::resize_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("dragged");
    for (const QSize client : { QSize(594, 274), QSize(1920, 1080), QSize(3840, 2160) }) {
        const QByteArray size
            = QByteArray::number(client.width()) + " x " + QByteArray::number(client.height());
        QTest::newRow(size + ", +-1 px") << client << false;
        QTest::newRow(size + ", dragged") << client << true;
    }
}

void TimerBenchmark::resize()
{
    QFETCH(QSize, client);
    QFETCH(bool, dragged);
    prepare(QStringLiteral("time of day"));
    w->resize(client);
    flushPaint();
    int step = 0;
    QBENCHMARK
    {
        // Every iteration is a real resize with a full pass: either alternating by one pixel
        // (two sizes, whose fonts stay cached) or as in a drag, a new width every time.
        ++step;
        const int extra = dragged ? step % 400 : step % 2;
        w->resize(client.width() - extra, client.height());
        flushPaint();
    }
}

void TimerBenchmark::startUp()
{
    QBENCHMARK
    {
        frmSarvelTimer window;
        window.open();
        window.repaint();
    }
}

QTEST_MAIN(TimerBenchmark)
#include "bench_timer.moc"
