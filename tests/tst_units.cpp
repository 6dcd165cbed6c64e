// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The plain classes under the window, each with a table of what a user would see go wrong: number
// reading with the list corrections, date values and the clock, and the decisions of timing and
// of the window. The window's own tests cover the rest through what it shows.

#include "TestRows.h"

#include "platform/values/Clock.h"
#include "platform/values/DateValue.h"
#include "platform/values/NumberReading.h"
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

static DateValue at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return DateValue::fromLocal(QDate(y, mo, d), QTime(h, mi, s));
}

class UnitsTest : public QObject {
    Q_OBJECT
private slots:
    void arithmeticAndFaults();
    void systemClock();
    // Each row's case is computed in the data function, and compared with what is due.
    void decisions_data();
    void decisions()
    {
        QFETCH(QString, actual);
        QTEST(actual, "expected");
    }
};

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

void UnitsTest::systemClock()
{
    const QByteArray saved = qgetenv("TZ");
    const auto restore
        = qScopeGuard([&saved] { saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", saved); });
    const Clock clock;
    qputenv("TZ", "UTC0");
    const DateValue utc = clock.now();
    // The zone changes twice while the program runs, as on a laptop taken across zones: half an
    // hour east, then west, in POSIX form, which needs no zone database. Each change shows once
    // the second of the last reading is over, and real time goes on meanwhile.
    for (const auto &[zone, offset] :
        { std::pair("IST-5:30", 19800), std::pair("NST3:30", -12600) }) {
        qputenv("TZ", zone);
        DateValue now;
        QTRY_VERIFY_WITH_TIMEOUT(
            (now = clock.now()).seconds() == utc.seconds() + utc.secondsTo(now) + offset, 1500);
        const QDateTime local = QDateTime::currentDateTime();
        QVERIFY(
            qAbs(DateValue::fromLocal(local.date(), local.time()).seconds() - now.seconds()) <= 1);
    }
}

void UnitsTest::decisions_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    // A local date and time: the serial it stores as days since the epoch, and whether it reads
    // back from that as the same time of day and sorts before the epoch exactly when it is earlier.
    const auto serial = [](const QString &iso) {
        const QDateTime dt = QDateTime::fromString(iso, Qt::ISODate);
        const DateValue value = DateValue::fromLocal(dt.date(), dt.time());
        const bool readsBack = DateValue::fromDouble(value.toDouble()) == value
            && QTime(value.hour(), value.minute(), value.second()) == dt.time()
            && (value < at(1899, 12, 30)) == (value.toDouble() < 0);
        return QString::number(value.toDouble(), 'g', 17) + (readsBack ? "" : " read back wrong");
    };
    const auto days = [](double d) { return QString::number(d, 'g', 17); };
    row("dates: epoch", serial("1899-12-30T00:00:00"), days(0));
    row("dates: noon after the epoch", serial("1899-12-31T12:00:00"), days(1.5));
    row("dates: before the epoch", serial("1899-12-29T06:07:08"), days(-1 - 22028.0 / 86400));
    row("dates: 2000", serial("2000-01-01T23:59:30"), days(36526 + 86370.0 / 86400));
    row("dates: first day", serial("0100-01-01T00:00:00"), days(-657434));
    row("dates: last second", serial("9999-12-31T23:59:59"), days(2958465 + 86399.0 / 86400));
    // A text; the number it begins with, then the text a pick leaves of it in the minutes list
    // (up to 60) and in the seconds list (up to 59).
    const auto read = [](const QString &t) {
        return QString::number(NumberReading::leadingNumber(t), 'g', 15) + u'|'
            + DurationCorrection::corrected(t, 60) + u'|' + DurationCorrection::corrected(t, 59);
    };
    row("numbers: digits", read("1234567890"), "1234567890|60|59");
    row("numbers: blanks, tabs and line feeds anywhere", read(" 1 2\t3\n4"), "1234|60|59");
    row("numbers: bare fraction", read(".5"), "0.5| 0| 0");
    row("numbers: leading zeros", read("007.05"), "7.05| 7| 7");
    row("numbers: item", read("45"), "45| 45| 45");
    row("numbers: above the seconds only", read("60"), "60| 60|59");
    row("numbers: exponent", read("1e12"), "1000000000000|60|59");
    row("numbers: upper exponent, signed", read("- 25E-1"), "-2.5|0|0");
    row("numbers: exponent without digits", read("7e+"), "7| 7| 7");
    row("numbers: hex", read("&hfF0g"), "4080|60|59");
    row("numbers: octal stops at 8", read("&o178"), "15| 15| 15");
    row("numbers: small negative fraction", read("-0.5"), "-0.5|0|0");
    row("numbers: huge but finite", read("1e300"), "1e+300|60|59");
    row("numbers: overflow", read("1e999"), "inf|60|59");
    row("numbers: negative overflow", read("-1e999"), "-inf|0|0");
    row("numbers: underflow", read("0.5e-999"), "0| 0| 0");
    row("numbers: zero, huge exponent", read("0.0e99999999999"), "0| 0| 0");
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
        return QString::number(
            DisplayHold { w.contains('c'), w.contains('b'), w.contains('t'), w.contains('s') }
                .secondsLeft(at(2026, 12, 6), at(2026, 12, 6).addSeconds(ago)));
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
    const auto heard = &DisplayDescription::describe;
    row("heard: below a minute", heard({ Remaining, "", "  9", false }), "残り 0分9秒");
    row("heard: time of day", heard({ TimeOfDay, " 9", "05", false }), "現在 9時05分");
    row("heard: the message", heard({ Elapsed, " 1", "05", true }), "時間です");
    // The message's colours step by step, then where the cycle stands.
    AlertCycle cycle;
    QString colours;
    for (int n = 0; n < 8; ++n)
        colours += QString::number(cycle.advance()) + u' ';
    row("colours: cycled", colours + QString::number(cycle.position()), "8 9 10 11 12 13 8 9 2");
}

QTEST_GUILESS_MAIN(UnitsTest)
#include "tst_units.moc"
