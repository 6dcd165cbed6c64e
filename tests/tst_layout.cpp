#include "WindowTestCase.h"

#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"
#include "platform/Palette.h"

#include <QFontMetricsF>
#include <QSignalSpy>

// Start-up and the proportional layout.
class LayoutTest : public WindowTestCase {
    Q_OBJECT
private slots:

    void startUpState();
    void startUpReadsTheClockThreeTimes();
    void designedClient();
    void widerClient();
    void heightLimit_data();
    void heightLimit();
    void maximisedIsNotLimited();
    void minimisedGuardAndRestore();
    void resizeEndsTheAlert();
    void clampingWindowSystemIsNotFought();
    void faultEndsThePass();
    void digitsAreBoldAndInsideTheClient();

private:
    void resizeClient(int width, int height);
    void startAlert();
    FormLabel *label(int i) const { return w->lblTime[i]; }
    // The outer size minus the client size: the window system's frame.
    QSize frame() const { return w->frameGeometry().size() - w->size(); }
};

void LayoutTest::resizeClient(int width, int height)
{
    w->resize(width, height);
}

void LayoutTest::startAlert()
{
    w->Option1->select(1);
    w->Combo1->setText(QStringLiteral("0"));
    w->Combo2->setText(QStringLiteral("0"));
    w->cmdStart_Click();
    w->Timer1->fire();
    w->Timer2->fire();
    QVERIFY(w->Timer2->isTicking());
    QVERIFY(!label(4)->isHidden());
}

void LayoutTest::startUpState()
{
    QVERIFY(w->Option1->isSelected(2));
    QCOMPARE(label(2)->caption(), QStringLiteral("時"));
    QCOMPARE(label(3)->caption(), QStringLiteral("分"));
    for (int i : { 0, 1, 2, 3 })
        QVERIFY(!label(i)->isHidden());
    QVERIFY(label(4)->isHidden());
    QCOMPARE(label(0)->foreColor(), Palette::entry(Palette::Black));
    QVERIFY(w->Timer1->isTicking());
    QCOMPARE(w->Timer1->interval(), 200);
    QVERIFY(!w->Timer2->isEnabled());
    QCOMPARE(w->FontEnlage, 4.0F);
    QStringList minutes, seconds;
    for (int i = 0; i < w->Combo1->count(); ++i)
        minutes << w->Combo1->itemText(i);
    for (int i = 0; i < w->Combo2->count(); ++i)
        seconds << w->Combo2->itemText(i);
    QCOMPARE(minutes, QStringList({ "0", "1", "2", "3", "4", "5", "10", "15", "20", "30", "45" }));
    QCOMPARE(seconds, QStringList({ "0", "10", "20", "30", "40", "50" }));
    QCOMPARE(w->Combo1->text(), QStringLiteral("3"));
    QCOMPARE(w->Combo2->text(), QStringLiteral("0"));
    clock.advance(30);
    w->Timer1->fire();
    QCOMPARE(label(0)->caption() + label(1)->caption(), QStringLiteral(" 905"));
}

void LayoutTest::startUpReadsTheClockThreeTimes()
{
    frmSarvelTimer window;
    DateValue t = at(2026, 12, 6, 23, 59, 58);
    window.clock().setSource([&t] {
        const DateValue reading = t;
        t = t.addSeconds(1); // a second boundary between every two readings
        return reading;
    });
    QSignalSpy focus1(window.Combo1, &FormComboBox::gotFocus);
    QSignalSpy focus2(window.Combo2, &FormComboBox::gotFocus);
    window.open();
    QCOMPARE(window.SarvelTimeStart, at(2026, 12, 6, 23, 59, 58));
    QCOMPARE(window.SarvelTimeNow, at(2026, 12, 6, 23, 59, 59));
    QCOMPARE(window.SarvelTimeEnd, at(2026, 12, 7, 0, 0, 0));
    QCOMPARE(focus1.size() + focus2.size(), 0);
}

void LayoutTest::designedClient()
{
    resizeClient(594, 274);
    QCOMPARE(label(0)->widthPx(), 594.0F);
    QCOMPARE(label(0)->heightPx(), 274.0F);
    QCOMPARE(label(0)->fontSize(), 148.5F);
    QCOMPARE(label(0)->leftPx(), 8.0F);
    QCOMPARE(label(0)->topPx(), 56.0F);
    QCOMPARE(label(1)->leftPx(), 297.0F);
    QCOMPARE(label(1)->widthPx(), 297.0F);
    QCOMPARE(label(1)->heightPx(), 274.0F);
    QCOMPARE(label(1)->topPx(), 56.0F);
    QCOMPARE(label(1)->fontSize(), 148.5F);
    QCOMPARE(label(2)->leftPx(), static_cast<float>(594 / 3.1 + 8)); // 199.6129
    QCOMPARE(label(2)->topPx(), 130.25F);
    QCOMPARE(label(2)->widthPx(), 148.5F);
    QCOMPARE(label(2)->heightPx(), 137.0F);
    QCOMPARE(label(2)->fontSize(), 74.25F);
    QCOMPARE(label(3)->leftPx(), static_cast<float>(594 / 3.1 * 2.52 + 8)); // 490.8645
    QCOMPARE(label(3)->topPx(), 130.25F);
    QCOMPARE(label(3)->widthPx(), 148.5F);
    QCOMPARE(label(3)->heightPx(), 137.0F);
    QCOMPARE(label(3)->fontSize(), 74.25F);
    QCOMPARE(label(4)->widthPx(), 594.0F);
    QCOMPARE(label(4)->heightPx(), 274.0F);
    QCOMPARE(label(4)->fontSize(), 99.0F);
    // What a user sees follows the numbers, rounded.
    QCOMPARE(label(2)->geometry(), QRect(200, 130, 149, 137));
    QCOMPARE(label(3)->geometry(), QRect(491, 130, 149, 137));
    QCOMPARE(label(0)->font().pointSizeF(), 148.5);
}

void LayoutTest::widerClient()
{
    resizeClient(1000, 500);
    QCOMPARE(label(0)->fontSize(), 250.0F);
    QCOMPARE(label(1)->leftPx(), 500.0F);
    QCOMPARE(label(2)->leftPx(), 330.58064F);
    QCOMPARE(label(2)->topPx(), 181.0F);
    QCOMPARE(label(3)->leftPx(), 820.90326F);
    QCOMPARE(label(2)->heightPx(), 250.0F);
    QCOMPARE(label(4)->fontSize(), 166.66667F);
}

void LayoutTest::heightLimit_data()
{
    // Outer width 230 px is 3450 twips; divided by 2.3 that is 1500 twips, 100 px.
    QTest::addColumn<int>("outerHeight");
    QTest::addColumn<int>("expectedOuterHeight");
    QTest::addColumn<int>("resizeEvents");
    QTest::newRow("flatter: raised") << 90 << 100 << 2;
    QTest::newRow("exactly the limit: written again, nothing happens") << 100 << 100 << 1;
    QTest::newRow("taller: left alone") << 110 << 110 << 1;
}

void LayoutTest::heightLimit()
{
    QFETCH(int, outerHeight);
    QFETCH(int, expectedOuterHeight);
    QFETCH(int, resizeEvents);
    const QSize f = frame();
    w->resize(230 - f.width(), 200);
    int events = 0;
    struct Counter : QObject {
        int *count;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Resize)
                ++*count;
            return false;
        }
    } counter;
    counter.count = &events;
    w->installEventFilter(&counter);
    w->resize(230 - f.width(), outerHeight - f.height());
    QCOMPARE(w->frameGeometry().height(), expectedOuterHeight);
    QCOMPARE(events, resizeEvents);
    QCOMPARE(label(0)->heightPx(), static_cast<float>(w->height()));
}

void LayoutTest::maximisedIsNotLimited()
{
    w->showMaximized();
    QTRY_COMPARE(w->formState(), int(Form::Maximized));
    const QSize screen = w->size();
    QCOMPARE(label(0)->widthPx(), static_cast<float>(screen.width()));
    w->resize(2000, 200); // far flatter than 2.3 : 1
    if (w->formState() == Form::Maximized)
        QCOMPARE(w->height(), 200);
}

void LayoutTest::minimisedGuardAndRestore()
{
    startAlert();
    w->showMinimized();
    QCOMPARE(w->formState(), int(Form::Minimized));
    QVERIFY(w->Timer2->isTicking()); // minimising does not end the alert
    QVERIFY(!label(4)->isHidden());
    w->showNormal();
    QCOMPARE(w->formState(), int(Form::Normal));
    QVERIFY(!w->Timer2->isEnabled());
    QVERIFY(label(4)->isHidden());
}

void LayoutTest::resizeEndsTheAlert()
{
    startAlert();
    label(0)->setForeColor(Palette::entry(12));
    const QString digits = label(0)->caption();
    resizeClient(700, 320);
    QVERIFY(label(4)->isHidden());
    QVERIFY(!w->Timer2->isEnabled());
    QCOMPARE(label(0)->foreColor(), Palette::entry(Palette::Black));
    QCOMPARE(label(0)->caption(), digits);
    for (int i : { 1, 2, 3 })
        QVERIFY(label(i)->isHidden()); // the labels time-up hid stay hidden
    QVERIFY(!w->Timer1->isEnabled());
}

void LayoutTest::clampingWindowSystemIsNotFought()
{
    // A window system that will not let the window grow taller than 150 px: every size the
    // program asks for comes back clamped, one event-loop pass later.
    struct ClampingWindowSystem : QObject {
        frmSarvelTimer *window;
        int configures = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Resize && window->height() > 150) {
                ++configures;
                QMetaObject::invokeMethod(
                    window, [this] { window->resize(window->width(), 150); }, Qt::QueuedConnection);
            }
            return false;
        }
    } windowSystem;
    windowSystem.window = w.get();
    w->installEventFilter(&windowSystem);
    w->resize(800, 150); // needs 348 px of outer height; the window system says no
    QTest::qWait(50);
    QVERIFY2(windowSystem.configures <= 3, qPrintable(QString::number(windowSystem.configures)));
    QCOMPARE(w->height(), 150);
    QCOMPARE(label(0)->heightPx(), 150.0F); // laid out for the size it got
    // A different width is a new request, and a taller height is still fine.
    w->removeEventFilter(&windowSystem);
    w->resize(600, 150);
    QCOMPARE(w->frameGeometry().height(), qRound(w->frameGeometry().width() / 2.3));
}

void LayoutTest::faultEndsThePass()
{
    startAlert();
    // A division by zero at the digits' font size: the rows before it stay written, the rows
    // after it and the end of the alert do not happen.
    w->FontEnlage = 0;
    resizeClient(640, 300);
    QCOMPARE(w->lastError(), RuntimeError::DivisionByZero);
    QCOMPARE(label(0)->widthPx(), 640.0F);
    QCOMPARE(label(0)->heightPx(), 300.0F);
    QCOMPARE(label(1)->leftPx(), 297.0F);
    QVERIFY(w->Timer2->isTicking());
    // A font size the label refuses (a very wide window) ends the pass the same way.
    w->FontEnlage = 4;
    resizeClient(8000, 3500);
    QCOMPARE(w->lastError(), RuntimeError::InvalidPropertyValue);
    QCOMPARE(label(0)->widthPx(), 8000.0F);
    QCOMPARE(label(0)->fontSize(), 148.5F); // from the last pass that got that far
    // Called directly, as start-up calls it, the error reaches the caller.
    w->FontEnlage = 0;
    QVERIFY_THROWS_EXCEPTION(RuntimeError, w->Form_Resize());
}

void LayoutTest::digitsAreBoldAndInsideTheClient()
{
    resizeClient(594, 274);
    w->Option1->select(1);
    w->Combo1->setText(QStringLiteral("58"));
    w->Combo2->setText(QStringLiteral("58"));
    w->Combo1_GotFocus();
    const QImage image = w->grab().toImage();
    QRect ink;
    for (int y = 60; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.bottom() < image.height() - 4, "digits cut off at the bottom");
    QVERIFY2(ink.right() < image.width() - 4, "units cut off at the right");
    // Half-width digits at 148.5 points: each 99 px wide.
    const QFontMetricsF metrics(label(0)->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("58")), 198.0);
    QCOMPARE(QFontInfo(label(0)->font()).weight(), int(QFont::Bold));
}

MOVARC_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
