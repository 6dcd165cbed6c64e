#include "TestSupport.h"

#include "platform/FormButton.h"
#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

// Entering and picking in the duration lists with real mouse and keyboard input: the input
// path decides which handler runs, and how often.
class ListInputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clickIntoListRunsFocusOnce();
    void tabIntoListRunsFocus();
    void pickWithTheMouse();
    void pickTheCurrentItemOverTypedText();
    void pickWithTheKeyboardFromTheOpenList();
    void arrowKeysPickWithTheListClosed();
    void escapeAndTypingRunNothing();
    void enterInTheFieldRunsNothing();
    void wheelChangesNothing();

private:
    void openList(FormComboBox *list);
    void clickItem(FormComboBox *list, const QString &item);

    FakeClock clock;
    std::unique_ptr<frmSarvelTimer> w;
    std::unique_ptr<QSignalSpy> focus1, focus2, click1, click2;
};

void ListInputTest::initTestCase()
{
    // A list ignores a release that comes within the double-click interval of opening it.
    QApplication::setDoubleClickInterval(1);
}

void ListInputTest::init()
{
    clock = FakeClock();
    w = openWindow(clock);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    focus1 = std::make_unique<QSignalSpy>(w->Combo1, &FormComboBox::gotFocus);
    focus2 = std::make_unique<QSignalSpy>(w->Combo2, &FormComboBox::gotFocus);
    click1 = std::make_unique<QSignalSpy>(w->Combo1, &FormComboBox::click);
    click2 = std::make_unique<QSignalSpy>(w->Combo2, &FormComboBox::click);
}

void ListInputTest::cleanup()
{
    focus1.reset();
    focus2.reset();
    click1.reset();
    click2.reset();
    w.reset();
}

void ListInputTest::openList(FormComboBox *list)
{
    // The arrow at the right end opens the list.
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->width() - 6, list->height() / 2));
    QTRY_VERIFY(list->view()->isVisible());
}

void ListInputTest::clickItem(FormComboBox *list, const QString &item)
{
    QAbstractItemView *view = list->view();
    const QModelIndex index = view->model()->index(list->findText(item), 0);
    QVERIFY(index.isValid());
    QTest::mouseMove(view->viewport(), view->visualRect(index).center());
    QTest::qWait(20);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTRY_VERIFY(!view->isVisible());
}

void ListInputTest::clickIntoListRunsFocusOnce()
{
    w->Timer1->setInterval(200);
    w->Timer1->setEnabled(true);
    QTest::mouseClick(w->Combo1->lineEdit(), Qt::LeftButton);
    QCOMPARE(focus1->size(), 1);
    QVERIFY(!w->Timer1->isEnabled());
    QVERIFY(w->Option1->isSelected(1));
    // Opening and closing its list is no new entry.
    openList(w->Combo1);
    QTest::keyClick(w->Combo1->view(), Qt::Key_Escape);
    QTRY_VERIFY(!w->Combo1->view()->isVisible());
    QCOMPARE(focus1->size(), 1);
    QCOMPARE(click1->size(), 0);
    // Another application taking and giving back the focus is no entry either.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget(), w->Combo1);
    QCOMPARE(focus1->size(), 1);
}

void ListInputTest::tabIntoListRunsFocus()
{
    w->Option1->at(2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->Combo1);
    QCOMPARE(focus1->size(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focus2->size(), 1);
    QCOMPARE(w->lblTime[1]->caption(), QStringLiteral("00"));
}

void ListInputTest::pickWithTheMouse()
{
    // Clicking the arrow of an unfocused list: the focus handler, then the pick.
    openList(w->Combo1);
    QCOMPARE(focus1->size(), 1);
    clickItem(w->Combo1, QStringLiteral("5"));
    QCOMPARE(click1->size(), 1);
    QCOMPARE(w->Combo1->text(), QStringLiteral(" 5"));
    QCOMPARE(w->lblTime[0]->caption(), QStringLiteral(" 5"));

    openList(w->Combo2);
    clickItem(w->Combo2, QStringLiteral("10"));
    QCOMPARE(click2->size(), 1);
    QCOMPARE(w->Combo2->text(), QStringLiteral(" 10"));
    QCOMPARE(w->lblTime[1]->caption(), QStringLiteral("10"));
    QCOMPARE(w->Combo2->count(), 6);
}

void ListInputTest::pickTheCurrentItemOverTypedText()
{
    // The first opening after start-up must not pick "3" by itself (its text equals an item
    // that is not the current one).
    openList(w->Combo1);
    QTest::keyClick(w->Combo1->view(), Qt::Key_Escape);
    QTRY_VERIFY(!w->Combo1->view()->isVisible());
    QCOMPARE(click1->size(), 0);
    QCOMPARE(w->Combo1->text(), QStringLiteral("3"));

    w->Combo1->setCurrentIndex(w->Combo1->findText(QStringLiteral("4")));
    w->Combo1->lineEdit()->selectAll();
    QTest::keyClicks(w->Combo1->lineEdit(), QStringLiteral("abc"));
    openList(w->Combo1);
    clickItem(w->Combo1, QStringLiteral("4"));
    QCOMPARE(w->Combo1->text(), QStringLiteral(" 4")); // the item, not the typed text
}

void ListInputTest::pickWithTheKeyboardFromTheOpenList()
{
    w->Combo2->setFocus(Qt::TabFocusReason);
    QCOMPARE(focus2->size(), 1);
    QTest::keyClick(w->Combo2, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(w->Combo2->view()->isVisible());
    QTest::keyClick(w->Combo2->view(), Qt::Key_Down);
    QTest::keyClick(w->Combo2->view(), Qt::Key_Down);
    QTest::keyClick(w->Combo2->view(), Qt::Key_Return);
    QTRY_VERIFY(!w->Combo2->view()->isVisible());
    QCOMPARE(click2->size(), 1);
    QCOMPARE(focus2->size(), 1);
    QCOMPARE(w->Combo2->text(), QStringLiteral(" 20"));
}

void ListInputTest::arrowKeysPickWithTheListClosed()
{
    w->Combo1->setFocus(Qt::TabFocusReason);
    w->Combo1->setCurrentIndex(w->Combo1->findText(QStringLiteral("3")));
    QTest::keyClick(w->Combo1, Qt::Key_Down);
    QCOMPARE(click1->size(), 1);
    QCOMPARE(w->Combo1->text(), QStringLiteral(" 4"));
    QCOMPARE(w->lblTime[0]->caption(), QStringLiteral(" 4"));
    QTest::keyClick(w->Combo1, Qt::Key_Up);
    QCOMPARE(click1->size(), 2);
    QCOMPARE(w->Combo1->text(), QStringLiteral(" 3"));
}

void ListInputTest::escapeAndTypingRunNothing()
{
    w->Combo1->setFocus(Qt::TabFocusReason);
    w->Timer1->setInterval(200);
    w->Timer1->setEnabled(true); // as if Start had been pressed after entering
    w->Combo1->lineEdit()->selectAll();
    QTest::keyClicks(w->Combo1->lineEdit(), QStringLiteral("5"));
    QCOMPARE(w->Combo1->text(), QStringLiteral("5")); // not completed into an item
    QCOMPARE(click1->size(), 0);
    QVERIFY(w->Timer1->isTicking());
}

void ListInputTest::enterInTheFieldRunsNothing()
{
    w->Combo2->setFocus(Qt::TabFocusReason);
    w->Combo2->lineEdit()->selectAll();
    QTest::keyClicks(w->Combo2->lineEdit(), QStringLiteral("37"));
    QTest::keyClick(w->Combo2->lineEdit(), Qt::Key_Return);
    QCOMPARE(click2->size(), 0);
    QCOMPARE(w->Combo2->count(), 6); // never added as an item
    QCOMPARE(w->Combo2->text(), QStringLiteral("37"));
    // Enter when the typed text equals an item is no pick either.
    w->Combo2->lineEdit()->selectAll();
    QTest::keyClicks(w->Combo2->lineEdit(), QStringLiteral("40"));
    QTest::keyClick(w->Combo2->lineEdit(), Qt::Key_Return);
    QTest::keyClick(w->Combo2, Qt::Key_Tab);
    QCOMPARE(click2->size(), 0);
    QCOMPARE(w->Combo2->text(), QStringLiteral("40"));
}

void ListInputTest::wheelChangesNothing()
{
    QTest::mouseMove(w->Combo1);
    QWheelEvent wheel(QPointF(10, 10), w->Combo1->mapToGlobal(QPointF(10, 10)), QPoint(),
        QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->Combo1, &wheel);
    QCOMPARE(w->Combo1->text(), QStringLiteral("3"));
    QCOMPARE(click1->size(), 0);
    QCOMPARE(focus1->size(), 0);
}

MOVARC_TEST_MAIN(ListInputTest)
#include "tst_listinput.moc"
