#include "WindowTestCase.h"

#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"
#include "platform/Palette.h"
#include "window/DurationCorrection.h"

// The alert, the set-duration display and the settings handlers, and how they interlock with a
// running count.
class SettingsTest : public WindowTestCase {
    Q_OBJECT
private slots:

    void correction_data();
    void correction();
    void alertCyclesAndContinues();
    void stopFreezesTheAlertColour();
    void setDuration_data();
    void setDuration();
    void setDurationEndsTheAlert();
    void focusWhileShowingTheTimeOfDay();
    void pickCorrectsAndShows();
    void switchingModesWhileCounting();
    void timeOfDayThenBackAfterTheEnd();
    void optionBeforeAnyStartShowsTheSetting();
    void startWithNothingLeftHaltsThenRuns();
    void timeOfDayClickIsIdempotent();

private:
    void start(const QString &minutes, const QString &seconds);
    QString shown() const;
    FormLabel *label(int i) const { return w->lblTime[i]; }
};

void SettingsTest::start(const QString &minutes, const QString &seconds)
{
    startPeriod(*w, minutes, seconds);
}

// The digits and units as a person sees them: hidden labels left out.
QString SettingsTest::shown() const
{
    QStringList parts;
    for (int i = 0; i < 5; ++i)
        parts << (label(i)->isHidden() ? QStringLiteral("-") : label(i)->caption());
    return parts.join(QLatin1Char('|'));
}

void SettingsTest::correction_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::newRow("item") << "45"
                          << " 45"
                          << " 45";
    QTest::newRow("zero") << "0"
                          << " 0"
                          << " 0";
    QTest::newRow("negative") << "-3"
                              << "0"
                              << "0";
    QTest::newRow("above seconds only") << "60"
                                        << " 60"
                                        << "59";
    QTest::newRow("above both") << "75"
                                << "60"
                                << "59";
    QTest::newRow("letters") << "abc"
                             << " 0"
                             << " 0";
    QTest::newRow("empty") << ""
                           << " 0"
                           << " 0";
    QTest::newRow("unit after number") << " 7分"
                                       << " 7"
                                       << " 7";
    QTest::newRow("fraction rounds down") << "1.9"
                                          << " 1"
                                          << " 1";
    QTest::newRow("small negative fraction") << "-0.5"
                                             << "0"
                                             << "0";
    QTest::newRow("negative zero") << "-0"
                                   << " 0"
                                   << " 0";
    QTest::newRow("overflow") << "1e999"
                              << "60"
                              << "59";
    QTest::newRow("negative overflow") << "-1e999"
                                       << "0"
                                       << "0";
    QTest::newRow("huge but finite") << "1e300"
                                     << "60"
                                     << "59";
    QTest::newRow("hex") << "&H10"
                         << " 16"
                         << " 16";
    QTest::newRow("already corrected") << " 5"
                                       << " 5"
                                       << " 5";
}

void SettingsTest::correction()
{
    QFETCH(QString, text);
    QTEST(DurationCorrection::corrected(text, 60), "minutes");
    QTEST(DurationCorrection::corrected(text, 59), "seconds");
}

void SettingsTest::alertCyclesAndContinues()
{
    w->Option1->select(1);
    label(4)->setForeColor(Palette::entry(Palette::Black));
    start(QStringLiteral("0"), QStringLiteral("0"));
    w->Timer1->fire();
    QCOMPARE(label(4)->foreColor(), Palette::entry(0)); // shown in the colour it had
    QList<quint32> seen;
    for (int i = 0; i < 7; ++i) {
        QVERIFY(w->Timer2->fire());
        seen << label(4)->foreColor();
    }
    QCOMPARE(seen,
        (QList<quint32> { Palette::entry(8), Palette::entry(9), Palette::entry(10),
            Palette::entry(11), Palette::entry(12), Palette::entry(13), Palette::entry(8) }));

    // Ended after bright blue; a second alert starts in bright blue and goes on to green.
    start(QStringLiteral("0"), QStringLiteral("0"));
    w->Timer1->fire();
    QCOMPARE(label(4)->foreColor(), Palette::entry(8));
    w->Timer2->fire();
    QCOMPARE(label(4)->foreColor(), Palette::entry(9));
    w->Timer2->fire();
    QCOMPARE(label(4)->foreColor(), Palette::entry(10));
}

void SettingsTest::stopFreezesTheAlertColour()
{
    w->Option1->select(1);
    start(QStringLiteral("0"), QStringLiteral("0"));
    w->Timer1->fire();
    for (int i = 0; i < 4; ++i)
        w->Timer2->fire();
    w->cmdStop_Click();
    QVERIFY(!w->Timer2->isTicking());
    QVERIFY(!label(4)->isHidden());
    QCOMPARE(label(4)->foreColor(), Palette::entry(11)); // bright cyan stays
}

void SettingsTest::setDuration_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << "0"
                          << "0"
                          << "| 0|-|秒|-";
    QTest::newRow("five") << "5"
                          << "0"
                          << " 5|00|分|秒|-";
    QTest::newRow("ten fifty") << "10"
                               << "50"
                               << "10|50|分|秒|-";
    QTest::newRow("leading blanks") << " 5"
                                    << " 10"
                                    << " 5|10|分|秒|-";
    QTest::newRow("no number") << "abc"
                               << "30"
                               << "|30|-|秒|-";
    QTest::newRow("three digits") << "100"
                                  << "5"
                                  << "00|05|分|秒|-";
    QTest::newRow("fraction") << "1.5"
                              << "0"
                              << ".5|00|分|秒|-";
    QTest::newRow("negative") << "-2"
                              << "7"
                              << "| 7|-|秒|-";
}

void SettingsTest::setDuration()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    w->Option1->select(1);
    w->Combo1->setText(minutes);
    w->Combo2->setText(seconds);
    w->Combo1_GotFocus();
    QTEST(shown(), "expected");
    QVERIFY(!w->Timer1->isEnabled());
    QVERIFY(!w->Timer2->isEnabled());
}

void SettingsTest::setDurationEndsTheAlert()
{
    w->Option1->select(1);
    start(QStringLiteral("0"), QStringLiteral("0"));
    w->Timer1->fire();
    w->Timer2->fire();
    w->Combo1->setText(QStringLiteral("3"));
    w->Combo2_GotFocus();
    QCOMPARE(shown(), QStringLiteral(" 3|00|分|秒|-"));
    QVERIFY(!w->Timer2->isEnabled());
    QCOMPARE(label(0)->foreColor(), Palette::entry(Palette::Black));
}

void SettingsTest::focusWhileShowingTheTimeOfDay()
{
    w->Option1_Click(2);
    clock.advance(1);
    w->Timer1->fire();
    QCOMPARE(label(2)->caption(), QStringLiteral("時"));
    w->Combo2_GotFocus();
    QVERIFY(w->Option1->isSelected(1));
    QVERIFY(!w->Timer1->isEnabled());
    // The nested option click found no period ahead and showed the setting once more.
    QCOMPARE(shown(), QStringLiteral(" 3|00|分|秒|-"));
}

void SettingsTest::pickCorrectsAndShows()
{
    w->Option1->select(1);
    start(QStringLiteral("3"), QStringLiteral("0"));
    w->Timer1->fire();
    w->Combo2->setText(QStringLiteral("75"));
    w->Combo2_Click();
    QCOMPARE(w->Combo2->text(), QStringLiteral("59"));
    QCOMPARE(shown(), QStringLiteral(" 3|59|分|秒|-"));
    QVERIFY(!w->Timer1->isEnabled());
    w->Combo1->setText(QStringLiteral("10"));
    w->Combo1_Click();
    QCOMPARE(w->Combo1->text(), QStringLiteral(" 10"));
    QCOMPARE(shown(), QStringLiteral("10|59|分|秒|-"));
}

void SettingsTest::switchingModesWhileCounting()
{
    w->Option1->select(1);
    start(QStringLiteral("3"), QStringLiteral("0"));
    clock.advance(10);
    w->Timer1->fire();
    QCOMPARE(shown(), QStringLiteral(" 2|50|分|秒|-"));
    w->Option1->select(0);
    QVERIFY(w->Timer1->isTicking());
    QCOMPARE(label(2)->caption(), QStringLiteral("分"));
    w->Timer1->fire();
    QCOMPARE(shown(), QStringLiteral("|10|-|秒|-"));
    w->Option1->select(2);
    w->Timer1->fire();
    QCOMPARE(shown(), QStringLiteral(" 9|05|時|分|-"));
    w->Option1->select(1);
    w->Timer1->fire();
    QCOMPARE(shown(), QStringLiteral(" 2|50|分|秒|-"));
}

void SettingsTest::timeOfDayThenBackAfterTheEnd()
{
    w->Option1->select(1);
    start(QStringLiteral("0"), QStringLiteral("5"));
    w->Option1->select(2);
    clock.advance(10);
    w->Timer1->fire();
    QVERIFY(label(4)->isHidden()); // no alert while the time of day shows
    w->Option1->select(1);
    QVERIFY(!w->Timer1->isEnabled());
    QVERIFY(label(4)->isHidden());
    QCOMPARE(shown(), QStringLiteral("| 5|-|秒|-"));
}

void SettingsTest::optionBeforeAnyStartShowsTheSetting()
{
    w->SarvelTimeEnd = clock.now; // the end on the current second has run out
    w->Option1->select(0);
    QVERIFY(!w->Timer1->isEnabled());
    QCOMPARE(shown(), QStringLiteral(" 3|00|分|秒|-"));
    QVERIFY(w->Option1->isSelected(0));
}

void SettingsTest::startWithNothingLeftHaltsThenRuns()
{
    // Start from the time of day with an empty duration: the nested option click shows the
    // setting and halts, then Start enables the tick again.
    QVERIFY(w->Option1->isSelected(2));
    start(QStringLiteral("0"), QStringLiteral("0"));
    QVERIFY(w->Option1->isSelected(1));
    QVERIFY(w->Timer1->isTicking());
    QCOMPARE(shown(), QStringLiteral("| 0|-|秒|-"));
    w->Timer1->fire();
    QVERIFY(!label(4)->isHidden());
}

void SettingsTest::timeOfDayClickIsIdempotent()
{
    w->Option1_Click(2);
    const QString once = shown();
    const bool ticking = w->Timer1->isTicking();
    w->Option1_Click(2);
    QCOMPARE(shown(), once);
    QCOMPARE(w->Timer1->isTicking(), ticking);
    QVERIFY(ticking);
}

MOVARC_TEST_MAIN(SettingsTest)
#include "tst_settings.moc"
