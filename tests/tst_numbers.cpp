#include "TestSupport.h"

#include "platform/NumberFormat.h"
#include "platform/NumberReading.h"
#include "timer/DurationDigits.h"

#include <cmath>
#include <limits>

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberOfHugeTexts();
    void numberToText_data();
    void numberToText();
    void padded_data();
    void padded();
    void durationDigits_data();
    void durationDigits();
};

void NumbersTest::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plain") << "45" << 45.0;
    QTest::newRow("leading blank") << " 5" << 5.0;
    QTest::newRow("blanks inside") << "1 2\t3\n4" << 1234.0;
    QTest::newRow("stops at unit") << "5分" << 5.0;
    QTest::newRow("blank then unit") << " 7分" << 7.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("sign then blank") << "- 3" << -3.0;
    QTest::newRow("plus") << "+8" << 8.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
    QTest::newRow("second point stops") << "1.5.3" << 1.5;
    QTest::newRow("bare fraction") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("comma is no separator") << "1,5" << 1.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent upper, signed") << "25E-1" << 2.5;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign only") << "7e+" << 7.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("hex") << "&H10" << 16.0;
    QTest::newRow("hex lower, stops") << "&hfFg" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&o178" << 15.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand digits") << "&12" << 0.0;
    QTest::newRow("full-width digits") << "５" << 0.0;
    QTest::newRow("full-width blank") << "\u30005" << 0.0;
    QTest::newRow("overflow") << "1e999" << inf;
    QTest::newRow("negative overflow") << "-1e999" << -inf;
    QTest::newRow("underflow") << "1e-999" << 0.0;
    QTest::newRow("long digits overflow") << QString(400, QLatin1Char('9')) << inf;
    QTest::newRow("zero with huge exponent") << "0e99999999999" << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
}

void NumbersTest::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(NumberReading::leadingNumber(text), expected);
}

void NumbersTest::leadingNumberOfHugeTexts()
{
    // Absurd lengths read without failing or taking long.
    QCOMPARE(NumberReading::leadingNumber(QString(1'000'000, QLatin1Char('7'))),
        std::numeric_limits<double>::infinity());
    QCOMPARE(
        NumberReading::leadingNumber(QStringLiteral("&H") + QString(100'000, QLatin1Char('F'))),
        std::numeric_limits<double>::infinity());
    QCOMPARE(NumberReading::leadingNumber(QStringLiteral("0.") + QString(100'000, QLatin1Char('0'))
                 + QStringLiteral("1e100000")),
        0.1);
}

void NumbersTest::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("five") << 5.0 << " 5";
    QTest::newRow("zero") << 0.0 << " 0";
    QTest::newRow("negative zero") << -0.0 << " 0";
    QTest::newRow("negative") << -3.0 << "-3";
    QTest::newRow("forty-five") << 45.0 << " 45";
    QTest::newRow("huge") << 1e20 << " 1E+20";
}

void NumbersTest::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberFormat::numberToText(value), expected);
}

void NumbersTest::padded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("space");
    QTest::addColumn<QString>("zero");
    QTest::addColumn<QString>("wide");
    QTest::newRow("one digit") << "5"
                               << " 5"
                               << "05"
                               << " 5";
    QTest::newRow("two digits") << "42"
                                << "42"
                                << "42"
                                << "42";
    QTest::newRow("three digits") << "125"
                                  << "25"
                                  << "25"
                                  << "25";
    QTest::newRow("empty") << ""
                           << " "
                           << "00"
                           << "  ";
    QTest::newRow("negative") << "-5"
                              << "-5"
                              << "-5"
                              << "-5";
    QTest::newRow("fraction") << "1.5"
                              << ".5"
                              << ".5"
                              << ".5";
    QTest::newRow("surrogate pair kept whole") << "a😀"
                                               << "a😀"
                                               << "a😀"
                                               << "a😀";
}

void NumbersTest::padded()
{
    QFETCH(QString, text);
    QFETCH(QString, space);
    QFETCH(QString, zero);
    QFETCH(QString, wide);
    QCOMPARE(NumberFormat::spacePadded(text), space);
    QCOMPARE(NumberFormat::zeroPadded(text), zero);
    QCOMPARE(NumberFormat::wideSpacePadded(text), wide);
}

void NumbersTest::durationDigits_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("minuteUnit");
    QTest::newRow("three minutes") << qint64(180) << " 3"
                                   << "00" << true;
    QTest::newRow("one minute") << qint64(60) << " 1"
                                << "00" << true;
    QTest::newRow("59 seconds") << qint64(59) << ""
                                << "59" << false;
    QTest::newRow("one second") << qint64(1) << ""
                                << " 1" << false;
    QTest::newRow("zero") << qint64(0) << ""
                          << " 0" << false;
    QTest::newRow("125 minutes") << qint64(125 * 60 + 7) << "25"
                                 << "07" << true;
    QTest::newRow("600 minutes") << qint64(600 * 60 - 1) << "99"
                                 << "59" << true;
    QTest::newRow("negative, clock set back") << qint64(-65) << ""
                                              << "-5" << false;
}

void NumbersTest::durationDigits()
{
    QFETCH(qint64, count);
    const DurationDigits digits = DurationDigits::fromCount(count);
    QTEST(digits.left, "left");
    QTEST(digits.right, "right");
    QTEST(digits.minuteUnitShown, "minuteUnit");
}

MOVARC_TEST_MAIN(NumbersTest)
#include "tst_numbers.moc"
