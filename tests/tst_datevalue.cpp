#include "TestSupport.h"

#include "platform/RuntimeError.h"
#include "timer/SetDuration.h"

class DateValueTest : public QObject {
    Q_OBJECT
private slots:
    void serial_data();
    void serial();
    void range();
    void arithmetic();
    void setDuration_data();
    void setDuration();
};

void DateValueTest::serial_data()
{
    QTest::addColumn<DateValue>("date");
    QTest::addColumn<double>("serial");
    QTest::newRow("epoch") << at(1899, 12, 30) << 0.0;
    QTest::newRow("noon after epoch") << at(1899, 12, 31, 12) << 1.5;
    QTest::newRow("before epoch keeps time of day") << at(1899, 12, 29, 6) << -1.25;
    QTest::newRow("2000") << at(2000, 1, 1) << 36526.0;
    QTest::newRow("last second") << at(9999, 12, 31, 23, 59, 59) << 2958465.0 + 86399.0 / 86400;
    QTest::newRow("first day") << at(100, 1, 1) << -657434.0;
}

void DateValueTest::serial()
{
    QFETCH(DateValue, date);
    QFETCH(double, serial);
    QCOMPARE(date.toDouble(), serial);
    QCOMPARE(DateValue::fromDouble(serial), date);
}

void DateValueTest::range()
{
    QVERIFY_THROWS_EXCEPTION(RuntimeError, at(9999, 12, 31, 23, 59, 59).addSeconds(1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, at(100, 1, 1).addSeconds(-1));
    QVERIFY_THROWS_EXCEPTION(
        RuntimeError, at(2026, 1, 1).addMinutes(std::numeric_limits<qint64>::max()));
    QVERIFY_THROWS_EXCEPTION(
        RuntimeError, at(2026, 1, 1).addSeconds(std::numeric_limits<qint64>::min()));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, DateValue::fromDouble(qQNaN()));
}

void DateValueTest::arithmetic()
{
    const DateValue start = at(2026, 12, 31, 23, 59, 30);
    const DateValue end = start.addMinutes(3).addSeconds(45);
    QCOMPARE(end, at(2027, 1, 1, 0, 3, 15));
    QCOMPARE(start.secondsTo(end), 225);
    QCOMPARE(end.secondsTo(start), -225);
    QCOMPARE(end.hour(), 0);
    QCOMPARE(start.hour(), 23);
    QCOMPARE(start.minute(), 59);
    QCOMPARE(start.second(), 30);
    const DateValue early = at(1899, 12, 29, 6, 7, 8);
    QCOMPARE(early.hour(), 6);
    QCOMPARE(early.minute(), 7);
    QCOMPARE(early.second(), 8);
    QVERIFY(early < at(1899, 12, 29, 6, 7, 9)); // ordered in time, not by the serial's sign
}

void DateValueTest::setDuration_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("total");
    QTest::newRow("defaults") << "3"
                              << "0" << true << qint64(180);
    QTest::newRow("empty seconds") << "3"
                                   << "" << true << qint64(180);
    QTest::newRow("written back form") << " 5"
                                       << " 5" << true << qint64(305);
    QTest::newRow("unit after number") << "1"
                                       << "5分" << true << qint64(65);
    QTest::newRow("uncorrected seconds") << "1"
                                         << "75" << true << qint64(135);
    QTest::newRow("negative total") << "-1"
                                    << "30" << true << qint64(-30);
    QTest::newRow("fraction of a minute") << "1.5"
                                          << "0" << true << qint64(90);
    QTest::newRow("fraction of a second rounds") << "0"
                                                 << "2.5" << true << qint64(3);
    QTest::newRow("beyond double") << "1e999"
                                   << "0" << false << qint64(0);
    QTest::newRow("beyond any instant") << "1e300"
                                        << "0" << false << qint64(0);
}

void DateValueTest::setDuration()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(bool, valid);
    const auto duration = SetDuration::fromTexts(minutes, seconds);
    QCOMPARE(duration.has_value(), valid);
    if (valid)
        QTEST(duration->minuteSeconds + duration->seconds, "total");
}

MOVARC_TEST_MAIN(DateValueTest)
#include "tst_datevalue.moc"
