#include "TestSupport.h"

#include "platform/DesignFont.h"
#include "platform/FormButton.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"
#include "platform/Palette.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QRadioButton>
#include <QSignalSpy>

#include <limits>

// The forms layer on its own: what the handlers rely on from the toolkit.
class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void labelReadsBackWhatWasSet();
    void labelRefusesFontSizes_data();
    void labelRefusesFontSizes();
    void labelShowsTextLiterally();
    void optionArrayRaisesClickOncePerChange();
    void optionArrayKeysAndTabStop();
    void intervalTimer();
    void dispatchSwallowsErrors();
    void palette();
    void designFontIsBoldFixedPitchGothic();
};

void ControlsTest::labelReadsBackWhatWasSet()
{
    QWidget parent;
    FormLabel label(&parent);
    label.setGeometryPx(8, 56, 594, 274);
    label.setLeftPx(199.6129F);
    label.setTopPx(130.25F);
    label.setFontSize(74.25F);
    QCOMPARE(label.leftPx(), 199.6129F);
    QCOMPARE(label.topPx(), 130.25F);
    QCOMPARE(label.fontSize(), 74.25F);
    QCOMPARE(label.geometry(), QRect(200, 130, 594, 274)); // realised, rounded
    QCOMPARE(label.font().pointSizeF(), 74.25);
    label.setForeColor(Palette::entry(11));
    QCOMPARE(label.foreColor(), 0x00FFFF00u);
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 255, 255));
}

void ControlsTest::labelRefusesFontSizes_data()
{
    QTest::addColumn<float>("size");
    QTest::newRow("zero") << 0.0F;
    QTest::newRow("negative") << -1.0F;
    QTest::newRow("above maximum") << 1920.5F;
    QTest::newRow("infinite") << std::numeric_limits<float>::infinity();
    QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN();
}

void ControlsTest::labelRefusesFontSizes()
{
    QFETCH(float, size);
    QWidget parent;
    FormLabel label(&parent);
    label.setFontSize(12);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, label.setFontSize(size));
    QCOMPARE(label.fontSize(), 12.0F);
    label.setFontSize(FormLabel::MaxFontSize); // the largest still accepted
}

void ControlsTest::labelShowsTextLiterally()
{
    QWidget parent;
    FormLabel label(&parent);
    label.setCaption(QStringLiteral("<b>&H10</b>"));
    QCOMPARE(label.textFormat(), Qt::PlainText);
    QCOMPARE(label.caption(), QStringLiteral("<b>&H10</b>"));
}

void ControlsTest::optionArrayRaisesClickOncePerChange()
{
    QWidget parent;
    OptionArray array(&parent);
    for (int i = 0; i < 3; ++i)
        array.append(new QRadioButton(QStringLiteral("option %1").arg(i), &parent));
    array.select(2);
    QSignalSpy clicks(&array, &OptionArray::click);
    QList<bool> stateSeenInside;
    connect(&array, &OptionArray::click, &parent, [&](int) {
        stateSeenInside = { array.isSelected(0), array.isSelected(1), array.isSelected(2) };
    });

    array.select(1); // raised nested, with the new selection already in place
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 1);
    QCOMPARE(stateSeenInside, (QList<bool> { false, true, false }));

    array.select(1); // already selected: nothing
    QCOMPARE(clicks.size(), 1);

    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QRadioButton *first = array.at(0);
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(6, first->height() / 2));
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks.at(1).at(0).toInt(), 0);
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(6, first->height() / 2));
    QCOMPARE(clicks.size(), 2); // a click on the selected button raises nothing
    QCOMPARE(array.selectedIndex(), 0);
}

void ControlsTest::optionArrayKeysAndTabStop()
{
    QWidget parent;
    OptionArray array(&parent);
    for (int i = 0; i < 3; ++i) {
        auto *b = new QRadioButton(QStringLiteral("option %1").arg(i), &parent);
        b->setGeometry(0, 20 * i, 100, 18);
        array.append(b);
    }
    array.select(2);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicks(&array, &OptionArray::click);
    array.at(2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(array.at(2), Qt::Key_Up);
    QCOMPARE(array.selectedIndex(), 1);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 1);
    // Only the selected button is a tab stop, so Tab lands on the selection.
    QCOMPARE(array.at(1)->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(array.at(0)->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(array.at(2)->focusPolicy(), Qt::ClickFocus);
}

void ControlsTest::intervalTimer()
{
    QObject owner;
    IntervalTimer timer(&owner);
    QSignalSpy ticks(&timer, &IntervalTimer::timer);
    timer.setEnabled(true);
    QVERIFY(timer.isEnabled());
    QVERIFY(!timer.isTicking()); // no interval yet: no ticks
    QVERIFY(!timer.fire());
    timer.setInterval(10);
    QVERIFY(timer.isTicking());
    QVERIFY(ticks.wait(1000));
    timer.setInterval(0);
    QVERIFY(timer.isEnabled());
    QVERIFY(!timer.isTicking());
    timer.setInterval(200);
    timer.setEnabled(false);
    QVERIFY(!timer.isTicking());
    QCOMPARE(timer.interval(), 200);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, timer.setInterval(-1));
}

void ControlsTest::dispatchSwallowsErrors()
{
    Form form;
    int stepsRun = 0;
    form.dispatch([&] {
        ++stepsRun;
        throw RuntimeError(RuntimeError::Overflow, "overflow");
        ++stepsRun; // never reached
    });
    QCOMPARE(stepsRun, 1);
    QCOMPARE(form.lastError(), RuntimeError::Overflow);
}

void ControlsTest::palette()
{
    QCOMPARE(Palette::entry(0), 0x000000u);
    QCOMPARE(Palette::entry(1), 0x800000u); // blue in the high byte
    QCOMPARE(Palette::entry(12), 0x0000FFu);
    QCOMPARE(Palette::toQColor(Palette::entry(8)), QColor(128, 128, 128));
    QCOMPARE(Palette::toQColor(Palette::entry(13)), QColor(255, 0, 255));
}

void ControlsTest::designFontIsBoldFixedPitchGothic()
{
    const QFont digits = DesignFont::font(148.5, true);
    const QFontInfo info(digits);
    QVERIFY2(info.family() == QStringLiteral("BIZ UDGothic")
            || info.family() == QStringLiteral("IPAGothic"),
        qPrintable(info.family()));
    QCOMPARE(info.weight(), int(QFont::Bold));
    const QFontMetricsF metrics(digits);
    // A digit, a half-width katakana and a blank are half an em wide: the digits never jump.
    const qreal em = metrics.horizontalAdvance(QStringLiteral("分"));
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('0')), em / 2);
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char('1')), em / 2);
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char(' ')), em / 2);
    QCOMPARE(QFontMetricsF(DesignFont::font(9.75, false)).horizontalAdvance(QStringLiteral("ｽ")),
        QFontMetricsF(DesignFont::font(9.75, false)).horizontalAdvance(QStringLiteral("ス")) / 2);
}

MOVARC_TEST_MAIN(ControlsTest)
#include "tst_controls.moc"
