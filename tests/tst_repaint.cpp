#include "WindowTestCase.h"

#include "platform/FormButton.h"
#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"

#include <QPaintEvent>
#include <QRadioButton>

// What a tick or a resize costs in drawing: the big digits are the most expensive thing the
// window paints, so writes that change nothing must not repaint, a changed caption must not
// repaint more than its own label, and a layout pass must not set fonts it already has.
class RepaintTest : public WindowTestCase {
    Q_OBJECT
private slots:
    void tickWithoutChangePaintsNothing_data();
    void tickWithoutChangePaintsNothing();
    void changedCaptionRepaintsOnlyItsLabel();
    void fontsAreSetOncePerPass_data();
    void fontsAreSetOncePerPass();

private:
    // Counts paint events (with the region painted, in window coordinates) and font changes
    // of the window and every control in it.
    class Recorder : public QObject {
    public:
        explicit Recorder(QWidget *window) : m_window(window)
        {
            window->installEventFilter(this);
            for (QWidget *child : window->findChildren<QWidget *>())
                child->installEventFilter(this);
        }
        QRegion painted;
        QList<QObject *> paintedWidgets;
        QHash<QObject *, int> fontChanges;

    protected:
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                auto *widget = static_cast<QWidget *>(watched);
                const QRegion region = static_cast<QPaintEvent *>(event)->region();
                painted += region.translated(widget->mapTo(m_window, QPoint(0, 0)));
                paintedWidgets << watched;
            } else if (event->type() == QEvent::FontChange) {
                ++fontChanges[watched];
            }
            return false;
        }

    private:
        QWidget *m_window;
    };

    // One tick at a new second: every caption shows what the mode shows.
    void settle()
    {
        clock.advance(1);
        w->Timer1->fire();
        flushPaint();
    }
};

void RepaintTest::tickWithoutChangePaintsNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("step");
    // Counting writes both captions on every tick; the time of day rewrites them at each new
    // second even when the minute stays.
    QTest::newRow("counting, same second") << 1 << 0;
    QTest::newRow("time of day, same second") << 2 << 0;
    QTest::newRow("time of day, new second, same minute") << 2 << 1;
}

void RepaintTest::tickWithoutChangePaintsNothing()
{
    QFETCH(int, mode);
    QFETCH(int, step);
    if (mode != 2) {
        w->Option1->select(mode);
        startPeriod(*w, QStringLiteral("5"), QStringLiteral("0"));
    }
    settle();
    Recorder recorder(w.get());
    for (int i = 0; i < 4; ++i) {
        clock.advance(step);
        w->Timer1->fire();
        flushPaint();
    }
    QVERIFY2(recorder.paintedWidgets.isEmpty(),
        qPrintable(QStringLiteral("%1 paint events").arg(recorder.paintedWidgets.size())));
}

void RepaintTest::changedCaptionRepaintsOnlyItsLabel()
{
    w->Option1->select(1);
    startPeriod(*w, QStringLiteral("5"), QStringLiteral("0"));
    clock.advance(2);
    settle();
    Recorder recorder(w.get());
    clock.advance(1); // 4分57秒 → 4分56秒: only the seconds change
    w->Timer1->fire();
    flushPaint();

    QVERIFY(!recorder.painted.isEmpty());
    QVERIFY(recorder.paintedWidgets.contains(w->lblTime[1]));
    QCOMPARE(
        recorder.painted.boundingRect() | w->lblTime[1]->geometry(), w->lblTime[1]->geometry());
    QWidget *const untouched[] = { w->cmdStart, w->cmdStop, w->cmdEnd, w->Combo1, w->Combo2,
        w->Option1->at(0), w->Option1->at(1), w->Option1->at(2) };
    for (QWidget *control : untouched)
        QVERIFY2(!recorder.paintedWidgets.contains(control), qPrintable(control->objectName()));
}

void RepaintTest::fontsAreSetOncePerPass_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("expectedChanges");
    // The point sizes follow the width alone.
    QTest::newRow("taller, same width") << QSize(594, 400) << 0;
    QTest::newRow("wider") << QSize(800, 400) << 1;
    // Too flat: the pass asks for a taller window, and a second pass follows.
    QTest::newRow("wider and limited") << QSize(900, 200) << 1;
}

void RepaintTest::fontsAreSetOncePerPass()
{
    QFETCH(QSize, client);
    QFETCH(int, expectedChanges);
    settle();
    Recorder recorder(w.get());
    w->resize(client);
    flushPaint();
    for (int i = 0; i <= 4; ++i)
        QCOMPARE(recorder.fontChanges.value(w->lblTime[i]), expectedChanges);
}

MOVARC_TEST_MAIN(RepaintTest)
#include "tst_repaint.moc"
