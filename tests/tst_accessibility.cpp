#include "WindowTestCase.h"

#include "platform/FormButton.h"
#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"

#include <QAccessible>
#include <QRadioButton>

// What a screen reader gets: every control reachable and named, and the display in words.
class AccessibilityTest : public WindowTestCase {
    Q_OBJECT
private slots:
    void initTestCase();
    void displayInWords();
    void everyControlIsReachableAndNamed();
};

void AccessibilityTest::initTestCase()
{
    QAccessible::setActive(true);
}

void AccessibilityTest::displayInWords()
{
    clock.now = at(2026, 12, 6, 9, 5, 30);
    w->Timer1->fire();
    QCOMPARE(w->accessibleDescription(), QStringLiteral("現在 9時05分"));
    QTest::mouseClick(w->cmdStart, Qt::LeftButton);
    w->Timer1->fire();
    QCOMPARE(w->accessibleDescription(), QStringLiteral("残り 3分00秒"));
    clock.advance(1);
    w->Timer1->fire();
    QCOMPARE(w->accessibleDescription(), QStringLiteral("残り 2分59秒"));
    QRadioButton *elapsed = w->Option1->at(0);
    QTest::mouseClick(elapsed, Qt::LeftButton, {}, QPoint(6, elapsed->height() / 2));
    clock.advance(11);
    w->Timer1->fire();
    QCOMPARE(w->accessibleDescription(), QStringLiteral("経過 0分12秒"));
    clock.advance(200);
    w->Timer1->fire();
    QCOMPARE(w->accessibleDescription(), QStringLiteral("時間です"));
}

void AccessibilityTest::everyControlIsReachableAndNamed()
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(w.get());
    QVERIFY(window);
    QStringList focusable;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        if (!child->state().focusable || child->state().invisible)
            continue;
        const QString words
            = child->text(QAccessible::Name) + child->text(QAccessible::Description);
        QVERIFY2(!words.trimmed().isEmpty(), qPrintable(child->object()->objectName()));
        focusable << child->object()->objectName();
    }
    focusable.sort();
    QCOMPARE(focusable,
        QStringList({ "Combo1", "Combo2", "Option1(0)", "Option1(1)", "Option1(2)", "cmdEnd",
            "cmdStart", "cmdStop" }));
    QAccessibleInterface *start = QAccessible::queryAccessibleInterface(w->cmdStart);
    QCOMPARE(start->role(), QAccessible::Button);
    QCOMPARE(start->text(QAccessible::Name), QStringLiteral("ｽﾀｰﾄ"));
    QAccessibleInterface *minutes = QAccessible::queryAccessibleInterface(w->Combo1);
    QCOMPARE(minutes->text(QAccessible::Description), QStringLiteral("設定時間の分"));
    QCOMPARE(minutes->role(), QAccessible::ComboBox);
}

MOVARC_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
