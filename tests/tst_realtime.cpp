#include "TestSupport.h"

#include "platform/FormButton.h"
#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/OptionArray.h"

#include <QElapsedTimer>
#include <QTimer>

// The real program on the real clock and timers: short end-to-end runs.
class RealTimeTest : public QObject {
    Q_OBJECT
private slots:
    void oneSecondPeriodRunsOut();
    void enterOnTheQuitButtonEndsTheProgram();
    void closeBoxEndsTheProgram();

private:
    static int runEventLoop();
};

int RealTimeTest::runEventLoop()
{
    // A stuck program fails the test instead of hanging it.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

void RealTimeTest::oneSecondPeriodRunsOut()
{
    frmSarvelTimer w;
    w.open();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Option1->select(1);
    w.Combo1->setText(QStringLiteral("0"));
    w.Combo2->setText(QStringLiteral("1"));
    QElapsedTimer elapsed;
    elapsed.start();
    QTest::mouseClick(w.cmdStart, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!w.lblTime[4]->isHidden(), 2500);
    // The end is the next second boundary of the clock; a tick comes every 200 ms.
    QVERIFY2(elapsed.elapsed() <= 1400, qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(w.lblTime[4]->caption(), QStringLiteral("時間です"));
}

void RealTimeTest::enterOnTheQuitButtonEndsTheProgram()
{
    frmSarvelTimer w;
    w.open();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.cmdEnd);
    QTimer::singleShot(0, &w, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(!w.isVisible());
}

void RealTimeTest::closeBoxEndsTheProgram()
{
    frmSarvelTimer w;
    w.open();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    QCOMPARE(runEventLoop(), 0);
}

MOVARC_TEST_MAIN(RealTimeTest)
#include "tst_realtime.moc"
