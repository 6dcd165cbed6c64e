// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The plain parts under the window: number reading with the list corrections, and date values. The
// window's own tests cover the rest through what it shows.

#include "TestRows.h"

#include "platform/values/Clock.h"
#include "platform/values/NumberReading.h"
#include "platform/values/RuntimeError.h"
#include "timer/SetDuration.h"
#include "window/DurationCorrection.h"

#include <QDateTime>
#include <QScopeGuard>

class UnitsTest : public QObject {
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void dateValue_data();
    void dateValue();
    void arithmeticAndFaults();
    void systemClock_data();
    void systemClock();
};

void UnitsTest::numbers_data()
{
    // A text; the number it begins with, then the text a pick leaves of it in the minutes list
    // (up to 60) and in the seconds list (up to 59).
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    row("digits", "1234567890", "1234567890|60|59");
    row("blanks, tabs and line feeds anywhere", " 1 2\t3\n4", "1234|60|59");
    row("bare fraction", ".5", "0.5| 0| 0");
    row("leading zeros", "007.05", "7.05| 7| 7");
    row("item", "45", "45| 45| 45");
    row("above the seconds only", "60", "60| 60|59");
    row("exponent", "1e12", "1000000000000|60|59");
    row("upper exponent, signed", "- 25E-1", "-2.5|0|0");
    row("exponent without digits", "7e+", "7| 7| 7");
    row("hex", "&hfF0g", "4080|60|59");
    row("octal stops at 8", "&o178", "15| 15| 15");
    row("small negative fraction", "-0.5", "-0.5|0|0");
    row("huge but finite", "1e300", "1e+300|60|59");
    row("overflow", "1e999", "inf|60|59");
    row("negative overflow", "-1e999", "-inf|0|0");
    row("underflow", "0.5e-999", "0| 0| 0");
    row("zero, huge exponent", "0.0e99999999999", "0| 0| 0");
}

void UnitsTest::numbers()
{
    QFETCH(QString, text);
    QTEST(QString::number(NumberReading::leadingNumber(text), 'g', 15) + u'|'
            + DurationCorrection::corrected(text, 60) + u'|'
            + DurationCorrection::corrected(text, 59),
        "expected");
}

void UnitsTest::dateValue_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<double>("serial");
    row("epoch", "1899-12-30T00:00:00", 0.0);
    row("noon after the epoch", "1899-12-31T12:00:00", 1.5);
    row("before the epoch keeps the time of day", "1899-12-29T06:07:08", -1 - 22028.0 / 86400);
    row("2000", "2000-01-01T23:59:30", 36526 + 86370.0 / 86400);
    row("first day", "0100-01-01T00:00:00", -657434.0);
    row("last second", "9999-12-31T23:59:59", 2958465 + 86399.0 / 86400);
}

void UnitsTest::dateValue()
{
    QFETCH(QString, date);
    QFETCH(double, serial);
    const QDateTime dt = QDateTime::fromString(date, Qt::ISODate);
    const DateValue value = DateValue::fromLocal(dt.date(), dt.time());
    QCOMPARE(value.toDouble(), serial);
    QCOMPARE(DateValue::fromDouble(serial), value);
    QCOMPARE(QTime(value.hour(), value.minute(), value.second()), dt.time());
    QCOMPARE(value < at(1899, 12, 30), serial < 0); // ordered in time, not by the serial's sign
}

void UnitsTest::arithmeticAndFaults()
{
    const DateValue start = at(2026, 12, 31, 23, 59, 30);
    QCOMPARE(start.secondsTo(start.addMinutes(3).addSeconds(-45)), 135);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, DateValue::fromDouble(qQNaN()));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, at(9999, 12, 31, 23, 59, 59).addSeconds(1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, at(100, 1, 1).addSeconds(-1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, at(2026, 1, 1).addMinutes(1LL << 62));
    QVERIFY(!SetDuration::fromTexts(u"0", u"1e300")); // beyond any instant, not even a number
}

void UnitsTest::systemClock_data()
{
    // A zone in POSIX form, which needs no zone database, and its offset east of UTC.
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("offset");
    row("UTC", QByteArray("UTC0"), 0);
    row("half an hour east", QByteArray("IST-5:30"), 19800);
    row("west", QByteArray("NST3:30"), -12600);
}

void UnitsTest::systemClock()
{
    QFETCH(QByteArray, zone);
    QFETCH(int, offset);
    const QByteArray saved = qgetenv("TZ");
    const auto restore
        = qScopeGuard([&saved] { saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", saved); });
    const Clock clock;
    qputenv("TZ", "UTC0");
    const DateValue utc = clock.now();
    qputenv("TZ", zone);
    // The new zone shows once the second of the last reading is over; real time goes on.
    DateValue now;
    QTRY_VERIFY_WITH_TIMEOUT(
        (now = clock.now()).seconds() == utc.seconds() + utc.secondsTo(now) + offset, 1500);
    const QDateTime local = QDateTime::currentDateTime();
    QVERIFY(qAbs(DateValue::fromLocal(local.date(), local.time()).seconds() - now.seconds()) <= 1);
}

QTEST_GUILESS_MAIN(UnitsTest)
#include "tst_units.moc"
