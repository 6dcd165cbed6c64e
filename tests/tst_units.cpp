// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The plain classes under the window, each with a table of what a user would see go wrong: number
// reading with the list corrections, date values and the clock, and the decisions of timing and
// of the window. The window's own tests cover the rest through what it shows.

#include "TestRows.h"

#include "platform/values/Clock.h"
#include "platform/values/NumberReading.h"
#include "platform/values/Palette.h"
#include "platform/values/RuntimeError.h"
#include "timer/AlertCycle.h"
#include "timer/DisplayHold.h"
#include "timer/DurationDigits.h"
#include "timer/SetDuration.h"
#include "window/DigitLayout.h"
#include "window/DisplayDescription.h"
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
    // Each row's case is computed in the data function, and compared with what is due.
    void decisions_data();
    void decisions()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }
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

void UnitsTest::decisions_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    // The digits for a count of seconds or for the lists' texts: left and right, and the minute
    // unit when it shows.
    const auto digits = [](const DurationDigits &d) {
        return d.left + u'|' + d.right + (d.minuteUnitShown ? QStringLiteral("|分") : QString());
    };
    row("digits: two of the minutes", digits(DurationDigits::fromCount(6000)), "00|00|分");
    row("digits: past the end", digits(DurationDigits::fromCount(-61)), "|-1");
    row("digits: texts as typed", digits(DurationDigits::fromSetTexts("1.5", "75.5")), ".5|.5|分");
    row("digits: blanks trimmed", digits(DurationDigits::fromSetTexts(" 5 ", "\t7")), " 5|\t7|分");
    row("digits: no minutes", digits(DurationDigits::fromSetTexts("-1", "5")), "| 5");
    // How long more the display is kept awake, for what runs (c: the count, b: the message),
    // whether the time of day shows (t) and the window is seen (s), a period ended N s ago.
    const auto held = [](const QByteArray &w, qint64 ago) {
        const qint64 s
            = DisplayHold { w.contains('c'), w.contains('b'), w.contains('t'), w.contains('s') }
                  .secondsLeft(at(2026, 12, 6), at(2026, 12, 6).addSeconds(ago));
        return s == DisplayHold::Unlimited ? QStringLiteral("all along") : QString::number(s);
    };
    row("hold: a count minimised", held("c", -100), "0");
    row("hold: a count as the time of day", held("cts", -100), "0");
    row("hold: the message at 9:59", held("bs", 599), "1");
    row("hold: the message at 10:00", held("bs", 600), "0");
    row("hold: the clock set back", held("bs", -30), "630");
    // For a client width and pixels per point: the digits' and the message's font sizes, the
    // units' left edges, width, font size and top under digits at (8, 56), and the height limit
    // at 15 twips a pixel; or the error that ends the layout.
    const auto laidOut = [](float width, float perPoint) {
        using namespace DigitLayout;
        try {
            const float size = digitFontSize(width, perPoint);
            return QString::asprintf("%g %g %g %g %g %g %g %g", size,
                messageFontSize(width, perPoint), leftUnitLeft(width, 8), rightUnitLeft(width, 8),
                quarter(width), half(size), unitTop(size, 56), heightLimit(width * 15));
        } catch (const RuntimeError &e) {
            return QStringLiteral("error %1").arg(e.code());
        }
    };
    row("layout: designed", laidOut(594, 4), "148.5 99 199.613 490.865 148.5 74.25 130.25 3873.91");
    row("layout: a pixel a point", laidOut(300, 1), "300 200 104.774 251.871 75 150 206 1956.52");
    row("layout: no pixels per point", laidOut(594, 0), "error 11");
    row("layout: beyond single precision", laidOut(3e38F, 0.5F), "error 6");
    // What screen readers hear.
    using enum DigitDisplay::Mode;
    const auto heard = [](DigitDisplay::Mode mode, const char *left, const char *right, bool m) {
        return DisplayDescription::describe({ mode, left, right, m });
    };
    row("heard: below a minute", heard(Remaining, "", "  9", false), "残り 0分9秒");
    row("heard: time of day", heard(TimeOfDay, " 9", "05", false), "現在 9時05分");
    row("heard: the message", heard(Elapsed, " 1", "05", true), "時間です");
    // The message's colours step by step, then where the cycle stands; and the whole palette.
    AlertCycle cycle;
    QString colours;
    for (int n = 0; n < 8; ++n)
        colours += QString::number(cycle.advance()) + u' ';
    row("colours: six and round again", colours + QString::number(cycle.position()),
        "8 9 10 11 12 13 8 9 2");
    QString palette;
    for (int i = 0; i < 16; ++i)
        palette += Palette::toQColor(Palette::entry(i)).name().mid(1) + u' ';
    row("colours: the palette", palette,
        "000000 000080 008000 008080 800000 800080 808000 c0c0c0 808080 0000ff 00ff00 00ffff "
        "ff0000 ff00ff ffff00 ffffff ");
}

QTEST_GUILESS_MAIN(UnitsTest)
#include "tst_units.moc"
