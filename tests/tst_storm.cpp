#include "TestSupport.h"

#include "platform/FormButton.h"
#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"
#include "timer/DurationDigits.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QRandomGenerator>

#include <algorithm>

// Long random sequences of user actions, ticks and clock moves on the real window, checking
// after every action what a person could see go wrong. MOVARC_STORM_ACTIONS sets the length
// (100,000 by default) and MOVARC_STORM_SEED replays a failure.
class StormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void storm();

private:
    enum Action {
        TickTimer1,
        TickTimer2,
        ClockStep,
        ClockJump,
        ClickStart,
        ClickStop,
        ClickOption,
        ArrowOption,
        EnterList,
        ArrowPick,
        PopupPick,
        TypeText,
        Resize,
        ChangeState,
        ProcessEvents,
        ActionCount
    };

    void perform(Action action);
    QString checkInvariants(Action action);
    QString nastyText();
    FormComboBox *anyList() { return random.bounded(2) ? w->Combo1 : w->Combo2; }

    quint64 seed = 0;
    QRandomGenerator random;
    FakeClock clock;
    std::unique_ptr<frmSarvelTimer> w;
    bool tickDelivered = false;
    bool clockSetBack = false;
    int secondBeforeTick = -1;
    QMap<int, int> errors;
};

void StormTest::initTestCase()
{
    QApplication::setDoubleClickInterval(1);
    const QByteArray fixed = qgetenv("MOVARC_STORM_SEED");
    seed = fixed.isEmpty() ? QRandomGenerator::global()->generate64() : fixed.toULongLong();
    qInfo("storm seed %llu (replay with MOVARC_STORM_SEED=%llu)", seed, seed);
    random.seed(static_cast<quint32>(seed ^ (seed >> 32)));
}

QString StormTest::nastyText()
{
    static const QStringList pieces
        = { "0", "1", "5", "9", "59", "60", "+", "-", ".", "e", "E", "&H", "&O", "F", " ", "\t",
              "\n", "５", "分", "時間です", "1e308", "1e999", "-0", "😀", "<b>", "&" };
    QString text;
    const int length = random.bounded(100) < 3 ? 2000 : random.bounded(8);
    for (int i = 0; i < length; ++i)
        text += pieces.at(random.bounded(pieces.size()));
    return text;
}

void StormTest::perform(Action action)
{
    switch (action) {
    case TickTimer1:
        secondBeforeTick = w->SarvelMinute;
        tickDelivered = w->Timer1->fire();
        break;
    case TickTimer2:
        w->Timer2->fire();
        break;
    case ClockStep: {
        const qint64 step = random.bounded(4);
        if (DateValue::isInRange(clock.now.seconds() + step))
            clock.advance(step);
        else
            clock.now = at(2027, 1, 1); // the clock never runs past the last valid second
        break;
    }
    case ClockJump: {
        const int kind = random.bounded(4);
        const DateValue now = clock.now;
        if (kind == 0) // to just before midnight
            clock.advance(86400 - 2 - (now.hour() * 3600 + now.minute() * 60 + now.second()));
        else if (kind == 1) // to just before a new year
            clock.now = at(2026 + random.bounded(3), 12, 31, 23, 59, 58);
        else if (kind == 2) { // set back, as when the system clock is corrected
            clock.advance(-random.bounded(1, 3600));
            clockSetBack = true;
        } else
            clock.now = at(9999, 12, 31, 23, 50, 0);
        break;
    }
    case ClickStart:
        QTest::mouseClick(w->cmdStart, Qt::LeftButton);
        break;
    case ClickStop:
        QTest::mouseClick(w->cmdStop, Qt::LeftButton);
        break;
    case ClickOption: {
        QRadioButton *b = w->Option1->at(random.bounded(3));
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        break;
    }
    case ArrowOption: {
        QRadioButton *b = w->Option1->at(w->Option1->selectedIndex());
        b->setFocus(Qt::TabFocusReason);
        QTest::keyClick(b, random.bounded(2) ? Qt::Key_Up : Qt::Key_Down);
        break;
    }
    case EnterList: {
        FormComboBox *list = anyList();
        w->cmdStart->setFocus(Qt::TabFocusReason);
        if (random.bounded(2))
            QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        else
            list->setFocus(Qt::TabFocusReason);
        break;
    }
    case ArrowPick: {
        FormComboBox *list = anyList();
        list->setFocus(Qt::TabFocusReason);
        const Qt::Key keys[] = { Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown };
        QTest::keyClick(list, keys[random.bounded(4)]);
        break;
    }
    case PopupPick: {
        FormComboBox *list = anyList();
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        for (int i = random.bounded(3); i > 0; --i)
            QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), random.bounded(4) ? Qt::Key_Return : Qt::Key_Escape);
        break;
    }
    case TypeText: {
        FormComboBox *list = anyList();
        const QString text = nastyText();
        // QTest types printable ASCII only; anything else arrives as if pasted.
        const bool typeable = text.size() < 6 && std::all_of(text.begin(), text.end(), [](QChar c) {
            return c >= u' ' && c <= u'~';
        });
        if (typeable) {
            list->lineEdit()->selectAll();
            QTest::keyClicks(list->lineEdit(), text);
        } else {
            list->setText(text); // pasted
        }
        if (random.bounded(3) == 0)
            QTest::keyClick(list->lineEdit(), Qt::Key_Return);
        break;
    }
    case Resize: {
        const int pick = random.bounded(10);
        if (pick == 0)
            w->resize(1, 1);
        else if (pick == 1)
            w->resize(10000, random.bounded(1, 5000));
        else if (pick == 2)
            w->resize(594, 274);
        else
            w->resize(random.bounded(1, 2500), random.bounded(1, 1500));
        break;
    }
    case ChangeState: {
        const int pick = random.bounded(3);
        if (pick == 0)
            w->showMinimized();
        else if (pick == 1)
            w->showMaximized();
        else
            w->showNormal();
        break;
    }
    case ProcessEvents:
        QCoreApplication::processEvents();
        break;
    case ActionCount:
        break;
    }
}

QString StormTest::checkInvariants(Action action)
{
    int selected = 0;
    for (int i = 0; i < 3; ++i)
        selected += w->Option1->isSelected(i) ? 1 : 0;
    if (selected != 1)
        return QStringLiteral("%1 options selected").arg(selected);

    const bool ticking = w->Timer1->isEnabled();
    const bool alerting = w->Timer2->isEnabled();
    const bool message = !w->lblTime[4]->isHidden();
    if (message && w->lblTime[4]->caption() != QStringLiteral("時間です"))
        return QStringLiteral("message label shows %1").arg(w->lblTime[4]->caption());
    if (message && ticking)
        return QStringLiteral("time-up message shown while the tick runs");
    // Only a clock set back during an alert can make a counting option find the end ahead
    // again; the option then hides the message and leaves the alert timer alone.
    if (alerting && !ticking && !message && !clockSetBack)
        return QStringLiteral("alert blinking on a hidden message");
    if (ticking && w->Timer1->interval() != 200)
        return QStringLiteral("tick interval %1").arg(w->Timer1->interval());

    if (action == TickTimer1 && tickDelivered && w->Timer1->isEnabled()) {
        const DateValue now = w->SarvelTimeNow;
        if (w->Option1->isSelected(2)) {
            if (now.second() != secondBeforeTick) {
                const QString expected = QStringLiteral("%1|%2")
                                             .arg(now.hour(), 2)
                                             .arg(now.minute(), 2, 10, QLatin1Char('0'));
                const QString seen
                    = w->lblTime[0]->caption() + QLatin1Char('|') + w->lblTime[1]->caption();
                if (seen != expected)
                    return QStringLiteral("time of day %1, expected %2").arg(seen, expected);
            }
        } else {
            const qint64 count = w->Option1->isSelected(0) ? w->SarvelTimeStart.secondsTo(now)
                                                           : now.secondsTo(w->SarvelTimeEnd);
            const DurationDigits expected = DurationDigits::fromCount(count);
            if (w->lblTime[0]->caption() != expected.left
                || w->lblTime[1]->caption() != expected.right
                || w->lblTime[2]->isHidden() == expected.minuteUnitShown)
                return QStringLiteral("count %1 shown as '%2|%3'")
                    .arg(count)
                    .arg(w->lblTime[0]->caption(), w->lblTime[1]->caption());
        }
    }
    if (const auto error = w->lastError()) {
        ++errors[*error];
        // The only error a user can provoke: digits too large for a window over 7680 px wide.
        if (*error != RuntimeError::InvalidPropertyValue)
            return QStringLiteral("handler ended by error %1").arg(int(*error));
    }
    return QString();
}

void StormTest::storm()
{
    const QByteArray length = qgetenv("MOVARC_STORM_ACTIONS");
    const qint64 actions = length.isEmpty() ? 100000 : length.toLongLong();
    w = openWindow(clock);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    // Weights: mostly ticks and small clock steps, as in real use, with every input mixed in.
    const int weights[ActionCount] = { 30, 8, 20, 1, 4, 3, 3, 2, 3, 3, 1, 3, 3, 1, 2 };
    int total = 0;
    for (int weight : weights)
        total += weight;
    QMap<int, qint64> performed;
    for (qint64 i = 0; i < actions; ++i) {
        int roll = random.bounded(total);
        int action = 0;
        while (roll >= weights[action])
            roll -= weights[action++];
        perform(Action(action));
        ++performed[action];
        const QString fault = checkInvariants(Action(action));
        if (!fault.isEmpty())
            QFAIL(qPrintable(QStringLiteral("action %1 (kind %2), seed %3: %4")
                                 .arg(i)
                                 .arg(action)
                                 .arg(seed)
                                 .arg(fault)));
    }
    qInfo("storm: %lld actions; errors ended handlers: %d", actions,
        errors.value(RuntimeError::InvalidPropertyValue));
    w.reset();
}

MOVARC_TEST_MAIN(StormTest)
#include "tst_storm.moc"
