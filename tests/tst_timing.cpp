#include "WindowTestCase.h"

#include "platform/FormButton.h"
#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"
#include "platform/Palette.h"

// Start, Stop and the tick, on a fake clock with the ticks fired by the test.
class TimingTest : public WindowTestCase {
    Q_OBJECT
private slots:

    void startSetsThePeriod_data();
    void startSetsThePeriod();
    void startLeavesTheTimeOfDay();
    void startOutsideTheDateRangeChangesNothing_data();
    void startOutsideTheDateRangeChangesNothing();
    void startByMouse();
    void countDown_data();
    void countDown();
    void countUpEndsOneSecondShort();
    void zeroDurationEndsOnTheFirstTick();
    void timeUpReadsTheClockAgain();
    void longPeriodBeyondSixteenBits();
    void timeOfDay_data();
    void timeOfDay();
    void timeOfDayRewritesOncePerSecond();
    void timeOfDaySuspendsTheEnd();
    void stopFreezes();
    void startDuringTheAlertBeginsAnew();

private:
    void start(const QString &minutes, const QString &seconds);
    // Fires one tick as the event loop would and returns what the digits show.
    QString tick();
    FormLabel *label(int i) const { return w->lblTime[i]; }
};

void TimingTest::start(const QString &minutes, const QString &seconds)
{
    startPeriod(*w, minutes, seconds);
}

QString TimingTest::tick()
{
    w->Timer1->fire();
    QString shown = label(0)->caption() + QLatin1Char('|') + label(1)->caption();
    if (!label(2)->isHidden())
        shown += QLatin1Char('|') + label(2)->caption();
    return shown;
}

void TimingTest::startSetsThePeriod_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<qint64>("length");
    QTest::newRow("defaults") << "3"
                              << "0" << qint64(180);
    QTest::newRow("empty seconds") << "3"
                                   << "" << qint64(180);
    QTest::newRow("written-back form") << " 5"
                                       << " 5" << qint64(305);
    QTest::newRow("uncorrected seconds") << "1"
                                         << "75" << qint64(135);
    QTest::newRow("negative total") << "-1"
                                    << "30" << qint64(-30);
    QTest::newRow("fraction of a minute") << "1.5"
                                          << "0" << qint64(90);
}

void TimingTest::startSetsThePeriod()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(qint64, length);
    w->Option1->select(1);
    start(minutes, seconds);
    QCOMPARE(w->SarvelTimeStart, clock.now);
    QCOMPARE(w->SarvelTimeNow, clock.now);
    QCOMPARE(w->SarvelTimeStart.secondsTo(w->SarvelTimeEnd), length);
    QVERIFY(w->Timer1->isTicking());
    QCOMPARE(w->Timer1->interval(), 200);
    QVERIFY(!w->Timer2->isEnabled());
    QVERIFY(label(4)->isHidden());
    QVERIFY(!label(1)->isHidden());
    QVERIFY(!label(3)->isHidden());
}

void TimingTest::startLeavesTheTimeOfDay()
{
    QVERIFY(w->Option1->isSelected(2));
    label(2)->setCaption(QStringLiteral("時"));
    label(3)->setCaption(QStringLiteral("分"));
    start(QStringLiteral("3"), QStringLiteral("0"));
    QVERIFY(w->Option1->isSelected(1));
    QCOMPARE(label(2)->caption(), QStringLiteral("分"));
    QCOMPARE(label(3)->caption(), QStringLiteral("秒"));
    QCOMPARE(tick(), QStringLiteral(" 3|00|分"));
}

void TimingTest::startOutsideTheDateRangeChangesNothing_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<DateValue>("now");
    QTest::newRow("end after year 9999") << "10"
                                         << "0" << at(9999, 12, 31, 23, 55, 0);
    QTest::newRow("seconds push it over") << "4"
                                          << "60" << at(9999, 12, 31, 23, 55, 0);
    QTest::newRow("end before year 100") << "-1e10"
                                         << "0" << at(2026, 1, 1);
    QTest::newRow("beyond double") << "1e999"
                                   << "0" << at(2026, 1, 1);
}

void TimingTest::startOutsideTheDateRangeChangesNothing()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(DateValue, now);
    const DateValue before = w->SarvelTimeEnd;
    w->Option1->select(1);
    w->Timer1->setEnabled(false);
    clock.now = now;
    start(minutes, seconds);
    QCOMPARE(w->SarvelTimeEnd, before);
    QVERIFY(!w->Timer1->isEnabled());

    // Right at the edge it still starts.
    clock.now = at(9999, 12, 31, 23, 55, 0);
    start(QStringLiteral("4"), QStringLiteral("59"));
    QCOMPARE(w->SarvelTimeEnd, at(9999, 12, 31, 23, 59, 59));
    QVERIFY(w->Timer1->isTicking());
}

void TimingTest::startByMouse()
{
    w->Option1->select(1);
    QTest::mouseClick(w->cmdStart, Qt::LeftButton);
    QVERIFY(w->Timer1->isTicking());
    QCOMPARE(w->SarvelTimeStart.secondsTo(w->SarvelTimeEnd), 180);
}

void TimingTest::countDown_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QStringList>("shown"); // one row per second, from the first tick on
    QTest::newRow("remaining, one minute") << 1 << "1"
                                           << "0" << QStringList { " 1|00|分", "|59", "|58" };
    QTest::newRow("remaining, last second") << 1 << "0"
                                            << "2" << QStringList { "| 2", "| 1", "timeup" };
    QTest::newRow("elapsed") << 0 << "0"
                             << "2" << QStringList { "| 0", "| 1", "timeup" };
    QTest::newRow("elapsed across a minute") << 0 << "2"
                                             << "0" << QStringList { "| 0" };
}

void TimingTest::countDown()
{
    QFETCH(int, option);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QStringList, shown);
    w->Option1->select(option);
    start(minutes, seconds);
    for (const QString &expected : shown) {
        // About five ticks see the same second.
        for (int i = 0; i < 5; ++i) {
            const QString seen = tick();
            if (expected == QStringLiteral("timeup")) {
                QVERIFY(!label(4)->isHidden());
                QCOMPARE(label(4)->caption(), QStringLiteral("時間です"));
                break;
            }
            QCOMPARE(seen, expected);
        }
        clock.advance(1);
    }
    if (option == 0 && minutes == QStringLiteral("2")) {
        clock.advance(60);
        QCOMPARE(tick(), QStringLiteral(" 1|01|分"));
    }
}

void TimingTest::countUpEndsOneSecondShort()
{
    w->Option1->select(0);
    start(QStringLiteral("1"), QStringLiteral("0"));
    clock.advance(59);
    QCOMPARE(tick(), QStringLiteral("|59"));
    QCOMPARE(w->SarvelSecond, 59);
    clock.advance(1);
    tick();
    QVERIFY(!w->Timer1->isEnabled());
    QVERIFY(!label(4)->isHidden());
    QCOMPARE(label(1)->caption(), QStringLiteral("59")); // hidden, with the last count
    QVERIFY(label(1)->isHidden());
}

void TimingTest::zeroDurationEndsOnTheFirstTick()
{
    w->Option1->select(1);
    label(0)->setCaption(QStringLiteral(" 7"));
    start(QStringLiteral("abc"), QString());
    tick();
    // The transition, in full.
    QVERIFY(!w->Timer1->isEnabled());
    QVERIFY(w->Timer2->isTicking());
    QCOMPARE(w->Timer2->interval(), 500);
    QVERIFY(!label(4)->isHidden());
    QVERIFY(label(3)->isHidden());
    QVERIFY(label(2)->isHidden());
    QVERIFY(label(1)->isHidden());
    QCOMPARE(label(4)->caption(), QStringLiteral("時間です"));
    QCOMPARE(label(0)->caption(), QStringLiteral(" 7")); // never shown a count: untouched
    QVERIFY(!label(0)->isHidden());
}

void TimingTest::timeUpReadsTheClockAgain()
{
    w->Option1->select(1);
    start(QStringLiteral("0"), QStringLiteral("1"));
    // The second boundary falls between the tick's two clock readings.
    const DateValue first = clock.now;
    int reads = 0;
    w->clock().setSource([&] { return reads++ == 0 ? first : first.addSeconds(1); });
    tick();
    QCOMPARE(w->SarvelTimeNow, first);
    QVERIFY(!label(4)->isHidden());
}

void TimingTest::longPeriodBeyondSixteenBits()
{
    w->Option1->select(1);
    start(QStringLiteral("600"), QStringLiteral("0"));
    QCOMPARE(tick(), QStringLiteral("00|00|分")); // 600 minutes show their last two digits
    QCOMPARE(w->SarvelSecond, 32767);
    clock.advance(1);
    QCOMPARE(tick(), QStringLiteral("99|59|分"));
    clock.advance(36000 - 32767 - 1);
    tick();
    QCOMPARE(w->SarvelSecond, 32767);
    clock.advance(1);
    tick();
    QCOMPARE(w->SarvelSecond, 32766);
    QCOMPARE(label(0)->caption(), QStringLiteral("46")); // 32766 s = 546 min 6 s
}

void TimingTest::timeOfDay_data()
{
    QTest::addColumn<DateValue>("now");
    QTest::addColumn<QString>("shown");
    QTest::newRow("9:05") << at(2026, 12, 6, 9, 5, 30) << " 9|05";
    QTest::newRow("23:59") << at(2026, 12, 6, 23, 59, 59) << "23|59";
    QTest::newRow("midnight") << at(2027, 1, 1, 0, 0, 1) << " 0|00";
}

void TimingTest::timeOfDay()
{
    QFETCH(DateValue, now);
    QFETCH(QString, shown);
    w->Option1->select(2);
    w->Timer1->setInterval(200);
    w->Timer1->setEnabled(true);
    clock.now = now;
    w->Timer1->fire();
    QCOMPARE(label(0)->caption() + QLatin1Char('|') + label(1)->caption(), shown);
    QCOMPARE(w->SarvelMinute, now.second());
}

void TimingTest::timeOfDayRewritesOncePerSecond()
{
    w->Option1->select(2);
    w->Timer1->setInterval(200);
    w->Timer1->setEnabled(true);
    clock.now = at(2026, 12, 6, 9, 5, 7);
    w->Timer1->fire();
    label(0)->setCaption(QStringLiteral("x"));
    w->Timer1->fire(); // same second: the digits stay as they are
    QCOMPARE(label(0)->caption(), QStringLiteral("x"));
    clock.advance(1);
    w->Timer1->fire();
    QCOMPARE(label(0)->caption(), QStringLiteral(" 9"));
}

void TimingTest::timeOfDaySuspendsTheEnd()
{
    w->Option1->select(1);
    start(QStringLiteral("0"), QStringLiteral("1"));
    w->Option1->select(2);
    clock.advance(5);
    w->Timer1->fire();
    QVERIFY(label(4)->isHidden());
    QVERIFY(w->Timer1->isTicking());
}

void TimingTest::stopFreezes()
{
    w->Option1->select(1);
    start(QStringLiteral("3"), QStringLiteral("0"));
    clock.advance(2);
    tick();
    label(0)->setForeColor(Palette::entry(12));
    w->cmdStop_Click();
    QVERIFY(!w->Timer1->isEnabled());
    QVERIFY(!w->Timer2->isEnabled());
    QCOMPARE(label(0)->foreColor(), Palette::entry(Palette::Black));
    QCOMPARE(label(0)->caption() + label(1)->caption(), QStringLiteral(" 258"));

    // Stop during the alert leaves the message showing.
    start(QStringLiteral("0"), QStringLiteral("0"));
    tick();
    w->cmdStop_Click();
    QVERIFY(!label(4)->isHidden());
    QVERIFY(!w->Timer2->isEnabled());
}

void TimingTest::startDuringTheAlertBeginsAnew()
{
    w->Option1->select(1);
    start(QStringLiteral("0"), QStringLiteral("0"));
    tick();
    QVERIFY(w->Timer2->isTicking());
    clock.advance(30);
    start(QStringLiteral("0"), QStringLiteral("10"));
    QVERIFY(!w->Timer2->isEnabled());
    QVERIFY(label(4)->isHidden());
    QCOMPARE(w->SarvelTimeStart, clock.now);
    QCOMPARE(tick(), QStringLiteral("|10"));
    QVERIFY(!label(1)->isHidden());
}

MOVARC_TEST_MAIN(TimingTest)
#include "tst_timing.moc"
