#include "WindowTestCase.h"

#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"
#include "timer/DurationDigits.h"

// Hours of running on the fake clock, five ticks to the second as on the real timer.
class LongRunTest : public WindowTestCase {
    Q_OBJECT
private slots:
    void dayOfTimeAcrossMidnight();
    void sixHundredMinuteCountdown();
    void periodsEndingAtMidnight_data();
    void periodsEndingAtMidnight();
    void lastMinutesOfTheDateRange();

private:
    QString digits() const
    {
        return w->lblTime[0]->caption() + QLatin1Char('|') + w->lblTime[1]->caption();
    }
    void start(const QString &minutes, const QString &seconds);
    void ticks(int n = 5);
};

void LongRunTest::start(const QString &minutes, const QString &seconds)
{
    w->Option1->select(1);
    startPeriod(*w, minutes, seconds);
}

void LongRunTest::ticks(int n)
{
    for (int i = 0; i < n; ++i)
        w->Timer1->fire();
}

void LongRunTest::dayOfTimeAcrossMidnight()
{
    clock.now = at(2026, 12, 31, 12, 0, 1);
    w->Option1->select(2);
    for (int second = 0; second < 86400; ++second) {
        ticks();
        const DateValue now = clock.now;
        const QString expected
            = QStringLiteral("%1|%2").arg(now.hour(), 2).arg(now.minute(), 2, 10, QLatin1Char('0'));
        if (digits() != expected)
            QFAIL(qPrintable(QStringLiteral("at %1:%2:%3 shown %4")
                                 .arg(now.hour())
                                 .arg(now.minute())
                                 .arg(now.second())
                                 .arg(digits())));
        clock.advance(1);
    }
    QCOMPARE(clock.now, at(2027, 1, 1, 12, 0, 1));
}

void LongRunTest::sixHundredMinuteCountdown()
{
    start(QStringLiteral("600"), QStringLiteral("0"));
    for (qint64 left = 36000; left > 0; --left) {
        ticks(1);
        const DurationDigits expected = DurationDigits::fromCount(left);
        if (digits() != expected.left + QLatin1Char('|') + expected.right)
            QFAIL(qPrintable(QStringLiteral("%1 s left shown %2").arg(left).arg(digits())));
        if (w->SarvelSecond != qMin<qint64>(left, 32767))
            QFAIL(qPrintable(QStringLiteral("%1 s left stored %2").arg(left).arg(w->SarvelSecond)));
        clock.advance(1);
    }
    ticks(1);
    QVERIFY(!w->lblTime[4]->isHidden());
}

void LongRunTest::periodsEndingAtMidnight_data()
{
    QTest::addColumn<DateValue>("start");
    QTest::newRow("new day") << at(2026, 12, 6, 23, 59, 0);
    QTest::newRow("new year") << at(2026, 12, 31, 23, 59, 0);
    QTest::newRow("leap day") << at(2028, 2, 28, 23, 59, 0);
}

void LongRunTest::periodsEndingAtMidnight()
{
    QFETCH(DateValue, start);
    clock.now = start;
    this->start(QStringLiteral("1"), QStringLiteral("0"));
    QCOMPARE(start.secondsTo(w->SarvelTimeEnd), 60);
    QCOMPARE(
        w->SarvelTimeEnd.hour() * 3600 + w->SarvelTimeEnd.minute() * 60 + w->SarvelTimeEnd.second(),
        0);
    clock.advance(59);
    ticks();
    QCOMPARE(digits(), QStringLiteral("| 1"));
    clock.advance(1);
    ticks(1);
    QVERIFY(!w->lblTime[4]->isHidden());
}

void LongRunTest::lastMinutesOfTheDateRange()
{
    clock.now = at(9999, 12, 31, 23, 59, 0);
    start(QStringLiteral("0"), QStringLiteral("59"));
    QCOMPARE(w->SarvelTimeEnd, at(9999, 12, 31, 23, 59, 59));
    for (int left = 59; left > 0; --left) {
        ticks();
        QCOMPARE(digits(), QStringLiteral("|") + QStringLiteral("%1").arg(left, 2));
        clock.advance(1);
    }
    ticks(1);
    QVERIFY(!w->lblTime[4]->isHidden());
    // One second more would end after the last valid instant: nothing starts.
    w->cmdStop_Click();
    start(QStringLiteral("1"), QStringLiteral("0"));
    QVERIFY(!w->Timer1->isEnabled());
    QVERIFY(!w->lblTime[4]->isHidden());
}

MOVARC_TEST_MAIN(LongRunTest)
#include "tst_longrun.moc"
