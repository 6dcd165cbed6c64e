#include "WindowTestCase.h"

#include "platform/FormButton.h"
#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"
#include "platform/IntervalTimer.h"
#include "platform/OptionArray.h"

#include <QAccessible>
#include <QRadioButton>

// The window as designed: every control where it belongs, with its name, caption and font.
class DesignTest : public WindowTestCase {
    Q_OBJECT
private slots:
    void window();
    void controls_data();
    void controls();
    void initialFocusAndTabOrder();
    void enterAndSpaceClickButtons();
    void accessibility_data();
    void accessibility();
    void settingLabelWrapsOnTwoLines();
};

void DesignTest::window()
{
    QCOMPARE(w->objectName(), QStringLiteral("frmSarvelTimer"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Sarvel用タイマー"));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(w->twipsPerPixel(), 15.0F);
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Movarc"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
    const QIcon icon = QApplication::windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes().value(0), QSize(48, 48));
    // The window's icon and the one installed for the desktop are the same picture.
    const QImage shown
        = icon.pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage installed = QImage(QFINDTESTDATA("../resources/movarc.png"))
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown.size(), installed.size());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            QCOMPARE(shown.pixel(x, y), installed.pixel(x, y));
    QVERIFY(w->findChild<IntervalTimer *>(QStringLiteral("Timer1")));
    QVERIFY(w->findChild<IntervalTimer *>(QStringLiteral("Timer2")));
    QVERIFY(w->findChild<OptionArray *>(QStringLiteral("Option1")));
}

void DesignTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Label1") << "Label1"
                            << "設定時間" << QRect(120, 120, 495, 375) << 9.0 << false;
    QTest::newRow("Combo1") << "Combo1"
                            << "3" << QRect(600, 120, 735, 360) << 12.0 << true;
    QTest::newRow("Label2") << "Label2"
                            << "分" << QRect(1440, 240, 375, 255) << 9.0 << false;
    QTest::newRow("Combo2") << "Combo2"
                            << "0" << QRect(1680, 120, 735, 360) << 12.0 << true;
    QTest::newRow("Label3") << "Label3"
                            << "秒" << QRect(2520, 240, 375, 255) << 9.0 << false;
    QTest::newRow("Option1(0)") << "Option1(0)"
                                << "経過時間の表示" << QRect(3000, 0, 1935, 180) << 9.0 << false;
    QTest::newRow("Option1(1)") << "Option1(1)"
                                << "残り時間の表示" << QRect(3000, 240, 2055, 180) << 9.0 << false;
    QTest::newRow("Option1(2)") << "Option1(2)"
                                << "現在の時刻" << QRect(3000, 480, 2055, 180) << 9.0 << false;
    QTest::newRow("cmdStart") << "cmdStart"
                              << "ｽﾀｰﾄ" << QRect(5160, 0, 735, 495) << 9.75 << false;
    QTest::newRow("cmdStop") << "cmdStop"
                             << "ｽﾄｯﾌﾟ" << QRect(6240, 0, 735, 495) << 9.75 << false;
    QTest::newRow("cmdEnd") << "cmdEnd"
                            << "終了" << QRect(7320, 0, 735, 495) << 9.75 << false;
}

void DesignTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, twips);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    auto *control = w->findChild<QWidget *>(name);
    QVERIFY(control);
    QString text;
    if (auto *label = qobject_cast<QLabel *>(control))
        text = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        text = button->text();
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        text = combo->currentText();
    QCOMPARE(text, caption);
    QCOMPARE(control->geometry(),
        QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    QCOMPARE(control->font().family(), QStringLiteral("ＭＳ ゴシック"));
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    QVERIFY(control->isVisible());
}

void DesignTest::initialFocusAndTabOrder()
{
    QCOMPARE(QApplication::focusWidget(), w->cmdEnd);
    const QStringList expected { "cmdStart", "cmdStop", "Option1(2)", "Combo1", "Combo2",
        "cmdEnd" };
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void DesignTest::enterAndSpaceClickButtons()
{
    w->Option1->select(1);
    w->cmdStop->setFocus(Qt::TabFocusReason);
    w->Timer1->setInterval(200);
    w->Timer1->setEnabled(true);
    QTest::keyClick(w->cmdStop, Qt::Key_Return);
    QVERIFY(!w->Timer1->isEnabled());
    w->cmdStart->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->cmdStart, Qt::Key_Space);
    QVERIFY(w->Timer1->isTicking());
}

void DesignTest::accessibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("Combo1") << "Combo1"
                            << "設定時間の分";
    QTest::newRow("Combo2") << "Combo2"
                            << "設定時間の秒";
    QTest::newRow("lblTime(0)") << "lblTime(0)"
                                << "左の数字";
    QTest::newRow("lblTime(1)") << "lblTime(1)"
                                << "右の数字";
    QTest::newRow("lblTime(2)") << "lblTime(2)"
                                << "左の単位";
    QTest::newRow("lblTime(3)") << "lblTime(3)"
                                << "右の単位";
    QTest::newRow("lblTime(4)") << "lblTime(4)"
                                << "時間切れのお知らせ";
}

void DesignTest::accessibility()
{
    QFETCH(QString, name);
    QFETCH(QString, description);
    auto *control = w->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->accessibleDescription(), description);
    QVERIFY(control->accessibleName().isEmpty()); // the screen reader reads the text itself
    if (auto *label = qobject_cast<FormLabel *>(control)) {
        label->setCaption(QStringLiteral(" 3"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral(" 3"));
    }
}

void DesignTest::settingLabelWrapsOnTwoLines()
{
    // "設定時間" in a label 33 pixels wide: "設定" above "時間".
    QImage image = w->Label1->grab().toImage();
    int firstInkRow = -1;
    int lastInkRow = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                firstInkRow = firstInkRow < 0 ? y : firstInkRow;
                lastInkRow = y;
                break;
            }
        }
    }
    QVERIFY(firstInkRow >= 0);
    QVERIFY2(lastInkRow - firstInkRow > 16, "the caption should span two lines");
}

MOVARC_TEST_MAIN(DesignTest)
#include "tst_design.moc"
