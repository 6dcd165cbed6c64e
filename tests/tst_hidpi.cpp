#include "TestSupport.h"

#include "platform/FormComboBox.h"
#include "platform/FormLabel.h"

// At a device pixel ratio of 2 (run with QT_SCALE_FACTOR=2): the same window in twice the
// pixels, with the digits drawn at full resolution and inside the window.
class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void twiceThePixels();
};

void HiDpiTest::twiceThePixels()
{
    FakeClock clock;
    auto w = openWindow(clock);
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->devicePixelRatio(), 2.0);
    w->resize(594, 274);
    QCOMPARE(w->lblTime[0]->fontSize(), 148.5F); // the layout works in logical pixels
    w->Combo1->setText(QStringLiteral("58"));
    w->Combo2->setText(QStringLiteral("58"));
    w->Combo1_GotFocus();
    const QImage image = w->grab().toImage();
    QCOMPARE(image.size(), QSize(1188, 548));
    QRect ink;
    for (int y = 120; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ink |= QRect(x, y, 1, 1);
    QVERIFY2(
        ink.bottom() < image.height() - 8 && ink.right() < image.width() - 8, "digits cut off");
    QVERIFY(ink.width() > 900); // "58分58秒" across the window, at full size
    // Crisp: the strokes have solid black at full resolution, not only grey edges.
    int black = 0;
    for (int x = ink.left(); x <= ink.right(); ++x)
        black += qGray(image.pixel(x, ink.center().y())) < 20 ? 1 : 0;
    QVERIFY(black > 100);
}

MOVARC_TEST_MAIN(HiDpiTest)
#include "tst_hidpi.moc"
