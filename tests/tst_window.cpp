// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The window driven as a user drives it: rows of actions on a fake clock, each followed by what
// the user then sees; the same actions at random in the storm; and the few places where Qt's
// own input path, drawing or event loop is the risk.

#include "WindowDriver.h"

#include "platform/desktop/ScreenAwake.h"
#include "platform/forms/FormButton.h"
#include "platform/forms/FormComboBox.h"
#include "platform/forms/FormLabel.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/forms/OptionArray.h"

#include <QBackingStore>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTimer>

#include <xcb/screensaver.h>

using enum DigitDisplay::Mode;
using enum DigitDisplay::Role;

// A desktop service that hands out holds on the test's own bus: it answers at once with its
// cookie or, without one, keeps the question until the test answers it.
struct InhibitStandIn : QDBusVirtualObject {
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &bus) override
    {
        calls << message.member() + u' ' + message.arguments().value(0).toString();
        if (message.member() == QLatin1String("Inhibit") && starting > 0 && starting--)
            bus.send(message.createErrorReply(QDBusError::UnknownObject, {}));
        else if (message.member() == QLatin1String("Inhibit"))
            cookie ? void(bus.send(message.createReply(cookie))) : void(held = message);
        return true;
    }
    uint cookie = 0;
    int starting = 0; // questions answered as by a service that has not put its objects up yet
    QStringList calls;
    // What it has seen, in order, from the given call on.
    QString saw(int from = 0) const { return calls.mid(from).join(QStringLiteral(", ")); }
    QDBusMessage held;
};

class WindowTest : public QObject, public ProgramSetup {
    Q_OBJECT
private slots:
    void initTestCase() { finish(); }
    void init() { open(QPalette()); } // the desktop's
    void cleanup() { w.reset(); }
    void display_data();
    // What the user sees, and whether the desktop is kept from blanking the screen.
    void display() { check(&WindowTest::shown, true); }
    void layout_data();
    void layout() { check(&WindowTest::laidOut); }
    void digitsInsideTheClient_data();
    void digitsInsideTheClient() { QTEST(true, "holds"); }
    void realClockAndEventLoop();
    void screenAwakeOverDBus();
    void storm();

private:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Timer; }

    void open(const QPalette &desktop)
    {
        QApplication::setPalette(desktop);
        clock = FakeClock();
        clockSetBack = false;
        w = openWindow(clock);
        QVERIFY(QTest::qWaitForWindowExposed(w.get())); // a bare X server activates no window
        // Only the test ticks: the timers' own expiries are swallowed.
        for (IntervalTimer *t : w->findChildren<IntervalTimer *>())
            t->findChild<QTimer *>()->installEventFilter(this);
    }

    // Runs actions, comma-separated, checking after each what a user could see go wrong. Actions:
    // tick, blink[:N] (Timer1, Timer2), alert (a period of no time, just run out), later (the end
    // of the display's hold), +N / -N (the clock), at:ISO (with an offset from UTC, or in the local
    // zone), start, stop, end, optN (mouse), key:SEQ (to the focused widget), dclick[:top] (on the
    // digits, or beside the buttons), enter1/2 (click into a list), type1/2:TEXT, size:WxH[+X+Y],
    // show:Minimized, close (the window's slots).
    void run(const QString &actions)
    {
        for (const QString &action : actions.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            perform(action.section(u':', 0, 0), action.section(u':', 1));
            const QString fault = inconsistency();
            QVERIFY2(fault.isEmpty(), qPrintable(action.left(40) + QStringLiteral(": ") + fault));
        }
    }

    void check(QString (WindowTest::*view)() const, bool awake = false)
    {
        QFETCH(QString, actions);
        run(actions);
        QTEST((this->*view)(), "expected");
        if (awake)
            QTEST(w->screenAwake().isAwake(), "awake");
    }

    void perform(const QString &verb, const QString &arg);
    QString shown() const;
    QString laidOut() const;
    QString inconsistency() const;

    FakeClock clock;
    std::unique_ptr<frmSarvelTimer> w;
    bool tickDelivered = false;
    int secondBeforeTick = -1;
    bool clockSetBack = false;
};

void WindowTest::perform(const QString &verb, const QString &arg)
{
    FormComboBox *list = verb.endsWith(QLatin1Char('2')) ? w->Combo2 : w->Combo1;
    const QHash<QString, QWidget *> buttons { { "start", w->cmdStart }, { "stop", w->cmdStop },
        { "end", w->cmdEnd }, { "opt0", w->Option1->at(Elapsed) },
        { "opt1", w->Option1->at(Remaining) }, { "opt2", w->Option1->at(TimeOfDay) } };
    tickDelivered = false;
    if (verb == QLatin1String("tick")) {
        secondBeforeTick = w->SarvelMinute;
        tickDelivered = w->Timer1->fire();
    } else if (verb == QLatin1String("alert")) {
        run(QStringLiteral("type1:0,type2:0,start,tick"));
    } else if (verb == QLatin1String("later")) {
        w->findChild<IntervalTimer *>(QStringLiteral("holdEnds"))->fire();
    } else if (verb == QLatin1String("dclick")) {
        const QPoint digits = arg.isEmpty()
            ? QPoint(w->width() / 2, w->lblTime[LeftNumber]->y() + w->height() / 4)
            : QPoint(w->width() - 10, 40); // dclick:top, beside the buttons
        QWidget *under = w->childAt(digits) ? w->childAt(digits) : w.get();
        QTest::mouseDClick(under, Qt::LeftButton, {}, under->mapFrom(w.get(), digits));
    } else if (verb == QLatin1String("blink")) {
        for (int n = arg.isEmpty() ? 1 : arg.toInt(); n > 0; --n)
            w->Timer2->fire();
    } else if (verb == QLatin1String("at") || verb.toInt()) {
        const QDateTime was = clock.local;
        clock.local
            = verb.toInt() ? was.addSecs(verb.toInt()) : QDateTime::fromString(arg, Qt::ISODate);
        clockSetBack |= clock.local < was;
        // The clock never runs past the last valid second.
        if (clock.local.date().year() > 9999)
            clock.local = QDateTime(QDate(2027, 1, 1), QTime(0, 0), Qt::UTC);
    } else if (QWidget *b = buttons.value(verb)) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    } else if (verb == QLatin1String("key")) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keySequence(focus ? focus : w.get(), QKeySequence::fromString(arg));
    } else if (verb.startsWith(QLatin1String("enter")) || verb.startsWith(QLatin1String("type"))) {
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        list->lineEdit()->selectAll();
        if (std::all_of(arg.begin(), arg.end(), [](QChar c) { return c >= u' ' && c <= u'~'; }))
            QTest::keyClicks(list->lineEdit(), arg);
        else
            list->lineEdit()->insert(arg); // pasted
    } else if (verb == QLatin1String("size")) { // WxH, or WxH+X+Y to place it too
        const QStringList n = QString(arg).replace(u'+', u'x').split(u'x');
        w->resize(n.at(0).toInt(), n.at(1).toInt());
        if (n.size() == 4)
            w->move(n.at(2).toInt(), n.at(3).toInt());
    } else {
        QVERIFY2(QMetaObject::invokeMethod(w.get(), qPrintable(verb + arg)), qPrintable(verb));
    }
    QCoreApplication::processEvents(); // as the event loop goes on between two inputs
}

// The window as a user sees it: the two lists' texts, the mode (E elapsed, R remaining, C clock),
// the four digit labels ("-" when hidden), the message with its colour, what will go on
// changing by itself, and whether the window is full screen.
QString WindowTest::shown() const
{
    QString s = w->Combo1->text() + u'/' + w->Combo2->text() + u' '
        + QStringLiteral("ERC").mid(w->Option1->selectedIndex(), 1);
    for (const int role : { LeftNumber, RightNumber, LeftUnit, RightUnit })
        s += u'|'
            + (w->lblTime[role]->isHidden() ? QStringLiteral("-") : w->lblTime[role]->caption());
    s += w->lblTime[Message]->isHidden() ? QString()
                                         : u' ' + w->lblTime[Message]->caption() + u'@'
            + w->lblTime[Message]->palette().color(QPalette::WindowText).name();
    s += w->Timer1->isTicking() ? " tick" + QString::number(w->Timer1->interval()) : QString();
    s += w->Timer2->isTicking() ? " blink" + QString::number(w->Timer2->interval()) : QString();
    s += w->isFullScreen() ? QStringLiteral(" full") : QString();
    return w->isHidden() ? s + QStringLiteral(" closed") : s;
}

// The client area's size and place on the screen, then each display label's geometry and its
// font's point size.
QString WindowTest::laidOut() const
{
    QString s = QString::asprintf("%dx%d@%d,%d", w->width(), w->height(), w->x(), w->y());
    for (const FormLabel *l : w->lblTime)
        s += QString::asprintf(
            " %d,%d,%d,%d/%g", l->x(), l->y(), l->width(), l->height(), l->font().pointSizeF());
    return s;
}

// What a user could see go wrong after any action, empty when nothing did.
QString WindowTest::inconsistency() const
{
    const bool ticking = w->Timer1->isEnabled();
    const bool message = !w->lblTime[Message]->isHidden();
    const QString description = w->accessibleDescription();
    if (std::ranges::count_if(w->findChildren<QRadioButton *>(), &QRadioButton::isChecked) != 1)
        return QStringLiteral("not one option selected");
    // Only a clock set back during an alert lets a counting option find the end ahead again;
    // the option then hides the message and leaves the alert timer alone.
    if ((message && (ticking || w->lblTime[Message]->caption() != QStringLiteral("時間です")))
        || (w->Timer2->isEnabled() && !ticking && !message && !clockSetBack))
        return QStringLiteral("the message and the timers disagree");
    if (message != (description == QStringLiteral("時間です"))
        || (!message && !description.contains(w->lblTime[RightNumber]->caption().trimmed())))
        return QStringLiteral("screen readers hear '%1'").arg(description);
    if (const auto error = w->lastError(); error && *error != RuntimeError::InvalidPropertyValue)
        return QStringLiteral("handler ended by error %1").arg(int(*error));
    if (!tickDelivered || !ticking)
        return QString();

    // The digits, with the left unit when it shows.
    QString digits = w->lblTime[LeftNumber]->caption() + u'|' + w->lblTime[RightNumber]->caption();
    digits += w->lblTime[LeftUnit]->isHidden() ? QString() : u'|' + w->lblTime[LeftUnit]->caption();
    const DateValue now = w->SarvelTimeNow;
    QString expected = digits;
    if (w->Option1->isSelected(TimeOfDay) && now.second() != secondBeforeTick) {
        expected = QString::asprintf("%2d|%02d|時", now.hour(), now.minute());
    } else if (!w->Option1->isSelected(TimeOfDay)) {
        const qint64 count = w->Option1->isSelected(Elapsed) ? w->SarvelTimeStart.secondsTo(now)
                                                             : now.secondsTo(w->SarvelTimeEnd);
        const qint64 minutes = count / 60;
        const QString seconds = QString::number(count - 60 * minutes);
        expected = minutes > 0
            ? (u' ' + QString::number(minutes)).right(2) + u'|' + (u'0' + seconds).right(2) + "|分"
            : u'|' + (QStringLiteral("  ") + seconds).right(2);
    }
    return digits == expected ? QString() : "shows " + digits + ", not " + expected;
}

void WindowTest::display_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("awake");
    // The time of day is written at the first new second.
    row("time of day", "at:2026-12-31T23:59:59,tick,+1,tick", "3/0 C| 0|00|時|分 tick200", false);
    row("typed texts", "type1:1.5,type2:75.5,start,tick", "1.5/75.5 R| 2|46|分|秒 tick200", true);
    // "alert" is a period of no time that has just run out. The message blinks through dark
    // grey, bright blue, green, cyan, red and magenta.
    row("time up after a minute counted up", "type1:1,type2:2,opt0,start,+61,tick,+1,tick,blink:2",
        "1/2 E| 1|-|-|- 時間です@#0000ff blink500", true);
    // Real time counts: daylight-saving time ends, and begins, four seconds before the end.
    row("clocks go back",
        "at:2026-10-25T02:59:44+02:00,type2:20,type1:0,start,+16,at:2026-10-25T02:00:00+01:00,tick",
        "0/20 R|| 4|-|秒 tick200", true);
    row("clocks go forward",
        "at:2026-03-29T01:59:44+01:00,type2:20,type1:0,opt0,start,+16,at:2026-03-29T03:00:00+02:00,"
        "tick",
        "0/20 E||16|-|秒 tick200", true);
    row("the time of day goes back",
        "at:2026-10-25T02:59:59+02:00,tick,+2,at:2026-10-25T02:00:00+01:00,tick",
        "3/0 C| 2|00|時|分 tick200", false);
    row("stop keeps the colour", "alert,blink:4,stop", "0/0 R||-|-|- 時間です@#00ffff", false);
    row("the next alert goes on", "alert,blink:4,stop,blink,start,tick,blink",
        "0/0 R||-|-|- 時間です@#ff0000 blink500", true);
    row("six colours", "alert,blink:6", "0/0 R||-|-|- 時間です@#ff00ff blink500", true);
    row("stop freezes", "start,+120,tick,stop,+5,tick", "3/0 R| 1|00|分|秒", false);
    row("start again", "type1:0,type2:1,start,+1,tick,start,tick", "0/1 R|| 1|-|秒 tick200", true);
    row("past 9999", "at:9999-12-31T23:55:00,type1:4,type2:60,start", "4/60 R| 4|00|分|秒", false);
    row("end on 9999's last second", "at:9999-12-31T23:55:00,type1:4,type2:59,start,tick",
        "4/59 R| 4|59|分|秒 tick200", true);
    row("modes", "start,+10,tick,opt0,tick,opt2,tick,opt1,tick", "3/0 R| 2|50|分|秒 tick200", true);
    row("back after the end", "type1:0,type2:5,start,opt2,+10,tick,opt1", "0/5 R|| 5|-|秒", false);
    row("option before any start", "opt0", "3/0 E| 3|00|分|秒", false);
    row("clock on alert", "alert,blink,opt2,+1,tick", "0/0 C| 9|05|時|分 tick200 blink500", false);
    row("entering a list halts", "start,+5,tick,enter1,+1,tick", "3/0 R| 3|00|分|秒", false);
    row("setting: zero", "type1:5,type2:0,enter1,type1:0,enter2", "0/0 R|| 0|-|秒", false);
    row("as typed, emoji whole", "type1:1😀,type2: 5,enter1", "1😀/ 5 R|1😀|05|分|秒", false);
    row("setting after the alert", "alert,enter2", "0/0 R|| 0|-|秒", false);
    // A thousandth of a minute shows the minutes, yet rounds to a period of no time.
    row("0.001 minutes", "type1:0.001,start,tick,blink,enter1", "0.001/0 R|01|00|分|秒", false);
    row("pick over typed text", "type2:7,key:Alt+Down,key:Return", "3/ 0 R| 3|00|分|秒", false);
    row("arrow keys pick", "enter1,key:Down,key:Down,key:Up", " 1/0 R| 1|00|分|秒", false);
    row("escape picks nothing", "enter2,key:Alt+Down,key:Escape,type2:40,key:Return",
        "3/40 R| 3|00|分|秒", false);
    row("enter on start", "key:Tab,key:Return,+1,tick", "3/0 R| 2|59|分|秒 tick200", true);
    row("arrows on options", "key:Tab,key:Tab,key:Tab,key:Up,key:Up", "3/0 E| 3|00|分|秒", false);
    row("resize ends the alert", "alert,size:700x320", "0/0 R||-|-|-", false);
    row("minimised alert goes on", "alert,blink:3,show:Minimized",
        "0/0 R||-|-|- 時間です@#00ff00 blink500", false);
    row("restored alert ends", "alert,show:Minimized,show:Normal", "0/0 R||-|-|-", false);
    row("end", "tick,key:Return", "3/0 C|||時|分 tick200 closed", false); // no time at second 0
    // The room watches a count and a fresh message; the desktop may blank anything else.
    row("start-up", "", "3/0 C|||時|分 tick200", false);
    row("clock during a count", "start,tick,opt2,+1,tick", "3/0 C| 9|05|時|分 tick200", false);
    row("just after the end", "alert", "0/0 R||-|-|- 時間です@#000000 blink500", true);
    row("9:59 after the end", "alert,+599,later", "0/0 R||-|-|- 時間です@#000000 blink500", true);
    row("ten minutes after", "alert,+599,later,+1,later,blink",
        "0/0 R||-|-|- 時間です@#808080 blink500", false);
    row("restored", "start,tick,show:Minimized,show:Normal", "3/0 R| 3|00|分|秒 tick200", true);
    row("quit during a count", "start,tick,end", "3/0 R| 3|00|分|秒 tick200 closed", false);
    row("close box during a count", "start,tick,close", "3/0 R| 3|00|分|秒 tick200 closed", false);
    // Full screen is a resize: it ends the alert, and a count goes on.
    row("full screen ends the alert", "alert,key:F11", "0/0 R||-|-|- full", false);
    row("full-screen count", "start,tick,dclick,+1,tick", "3/0 R| 2|59|分|秒 tick200 full", true);
    row("F11 on option", "key:F11,key:Tab,key:Tab,key:Tab,key:F11", "3/0 C|||時|分 tick200", false);
    row("double-click twice", "dclick,dclick", "3/0 C|||時|分 tick200", false);
    row("double-click on the top row", "dclick:top", "3/0 C|||時|分 tick200", false);
    row("escape a list", "enter2,key:F11,key:Alt+Down,key:Escape", "3/0 R| 3|00|分|秒 full", false);
}

void WindowTest::layout_data()
{
    // The offscreen window system adds a frame 2 px high, which the height limit includes.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("expected");
    row("too flat", "size:920x200",
        "920x398@0,0 8,56,920,398/230 460,56,460,398/230 305,171,230,199/115 "
        "756,171,230,199/115 8,56,920,398/153.333");
    // An 8K screen's width takes the largest font; a wider window keeps the digits at that size.
    row("beyond the largest font", "size:7680x3400,size:8000x3500",
        "8000x3500@0,0 8,56,8000,3500/1920 3840,56,3840,3400/1920 2485,1016,1920,1700/960 "
        "6251,1016,1920,1700/960 8,56,7680,3400/1280");
    row("tiny", "size:4x1",
        "4x1@0,0 8,56,4,1/1 2,56,2,1/1 9,57,1,1/0.5 11,57,1,1/0.5 8,56,4,1/0.666667");
    // Full screen covers the screen, and gives back the window it was, at its size and place.
    row("full screen", "size:594x274+120+80,key:F11",
        "800x800@0,0 8,56,800,800/200 400,56,400,800/200 266,156,200,400/100 "
        "658,156,200,400/100 8,56,800,800/133.333");
    row("and back where it was", "size:594x274+120+80,key:F11,key:Escape",
        "594x274@120,80 8,56,594,274/148.5 297,56,297,274/148.5 200,130,149,137/74.25 "
        "491,130,149,137/74.25 8,56,594,274/99");
    row("maximised, full screen and back", "show:Maximized,key:F11,key:Escape",
        "796x796@0,0 8,56,796,796/199 398,56,398,796/199 265,156,199,398/99.5 "
        "655,156,199,398/99.5 8,56,796,796/132.667");
}

void WindowTest::digitsInsideTheClient_data()
{
    // One window looked at row by row: on a dark desktop, light text on dark window and base
    // colours, which the window replaces by its own white; and again at a device pixel ratio of 2,
    // as the layout works in logical pixels.
    QTest::addColumn<bool>("holds");
    open(QPalette(Qt::lightGray, Qt::darkGray, Qt::gray, Qt::black, Qt::darkGray, Qt::lightGray,
        Qt::white, QColor(0x2d2d2d), QColor(0x353535)));
    run(QStringLiteral("size:594x274,type1:58,type2:58,enter1"));
    const qreal r = w->devicePixelRatio();
    QImage blank(w->size() * r, QImage::Format_RGB32);
    blank.setDevicePixelRatio(r);
    blank.fill(Qt::white);
    const auto white = [&blank, r](QSize size) { return blank.copy(QRect(QPoint(), size * r)); };
    // How far two images' pixels differ at most; against white, 137 or more stands out at 4.5 : 1.
    const auto worst = [](const QImage &a, const QImage &b, const QRect &area) {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found = std::max(found, std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))));
        return found;
    };
    const QImage image = w->grab().toImage();
    const int h = image.height(), wide = image.width(), edge = int(4 * r);
    row("digits whole inside the window",
        std::max(worst(image, blank, QRect(0, h - edge, wide, edge)),
            worst(image, blank, QRect(wide - edge, int(60 * r), edge, h)))
            < 137);
    // The option indicators read as on a light desktop: empty rings, and a dot in the selected.
    for (const QRadioButton *o : w->findChildren<QRadioButton *>())
        QTest::addRow("%s as on a light desktop", qPrintable(o->objectName()))
            << ((qGray(image.pixel(o->mapTo(w.get(), QPoint(6, o->height() / 2)) * r)) > 200)
                   != o->isChecked()); // where a click lands
    // Bold half-width digits at 148.5 points, 99 px each: they never jump as they change.
    const QFont digitFont = w->lblTime[LeftNumber]->font();
    row("bold digits of one width",
        QFontMetricsF(digitFont).horizontalAdvance("58") == 198.0
            && QFontInfo(digitFont).weight() == int(QFont::Bold));
    row("a Japanese gothic",
        QStringList({ "BIZ UDGothic", "IPAGothic" }).contains(QFontInfo(w->font()).family()));
    // Qt's own drawing of a label's text, at its place in the image.
    const auto drawText = [](QImage &into, const FormLabel *l, QPoint at) {
        QPainter painter(&into);
        painter.setFont(l->font());
        painter.setPen(l->palette().color(QPalette::WindowText));
        painter.drawText(
            l->contentsRect().translated(at), int(l->alignment()) | Qt::TextWordWrap, l->caption());
    };
    // Each display label draws what Qt's own text drawing draws there: in black, and the message
    // in a colour that a theme's palette may make translucent, blended as Qt blends it.
    w->lblTime[Message]->setCaption(QStringLiteral("時間です"));
    QPalette translucent = w->lblTime[Message]->palette();
    translucent.setColor(QPalette::WindowText, QColor(0, 255, 0, 96));
    w->lblTime[Message]->setPalette(translucent);
    for (FormLabel *l : w->lblTime) {
        QImage drawn = white(l->size()), qt = drawn;
        l->render(&drawn, {}, {}, QWidget::DrawChildren);
        drawText(qt, l, {});
        QTest::addRow("%s draws as Qt does", qPrintable(l->objectName()))
            << (worst(qt, drawn, qt.rect()) <= 16);
    }
    w->lblTime[Message]->setForeColor(0x00ff00); // opaque again: only such glyphs are kept
    // A count repaints only what lies over the seconds; what reaches the screen there, in the
    // window's backing store, is what Qt's own text drawing of the labels shown draws.
    run(QStringLiteral("start,+1,tick,+1,tick,+9,tick"));
    QImage qt = blank;
    for (const FormLabel *l : w->lblTime)
        if (!l->isHidden())
            drawText(qt, l, l->pos());
    const QRect seconds = QTransform::fromScale(r, r).mapRect(
        w->lblTime[RightNumber]->geometry() & QRect(0, 60, w->width(), w->height() - 60));
    QPaintDevice *const device = w->backingStore()->paintDevice();
    row("a count repaints what Qt draws",
        device->devType() == QInternal::Image
            && worst(qt, *static_cast<QImage *>(device), seconds) <= 16);
    // Every caption drawn on the window's white, alone, is dark enough to read.
    for (QWidget *c : std::initializer_list<QWidget *> { w->Label1, w->Label2, w->Label3,
             w->Option1->at(Elapsed), w->Option1->at(Remaining), w->Option1->at(TimeOfDay),
             w->lblTime[RightNumber], w->lblTime[LeftUnit], w->lblTime[RightUnit] }) {
        QImage alone = white(c->size());
        c->render(&alone, {}, {}, QWidget::DrawChildren);
        QTest::addRow("%s dark enough", qPrintable(c->objectName()))
            << (worst(alone, white(c->size()), alone.rect()) >= 137);
    }
    // Every digit, at the designed size and maximised on a 4K screen, is drawn from the glyphs
    // kept, which the cache counts as they are and keeps within its budget. Each label first
    // draws a letter of its own, whose glyph only it can have added.
    QImage dot = white(QSize(1, 1));
    const auto drawn = [&](FormLabel *l, char c) {
        const qsizetype before = w->glyphCoverage().held().glyphs;
        l->setCaption(QString(2, QLatin1Char(c)));
        l->render(&dot, {}, QRegion(0, 0, 1, 1));
        return w->glyphCoverage().held().glyphs > before;
    };
    char own = 'A';
    for (FormLabel *l : w->lblTime)
        QTest::addRow("%s draws from the glyphs kept", qPrintable(l->objectName()))
            << drawn(l, own++);
    for (const char *size : { "size:3840x2160", "size:594x274" }) {
        run(QLatin1String(size));
        for (char digit = '0'; digit <= '9'; ++digit)
            for (FormLabel *l : w->lblTime)
                drawn(l, digit);
    }
    const GlyphCoverage::Held held = w->glyphCoverage().held();
    row("the glyphs kept within their budget",
        held.bytes <= held.counted && held.counted <= GlyphCoverage::Budget);
}

void WindowTest::realClockAndEventLoop()
{
    w = std::make_unique<frmSarvelTimer>(); // on the system clock, and the timers' own expiries
    w->open();
    // On X (see tests/CMakeLists.txt) the server's saver, which comes on after 3 s without input,
    // stays off during a count and comes on again after it.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto *x = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        const auto saverOn = [x, root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root] {
            const QScopedPointer<xcb_screensaver_query_info_reply_t, QScopedPointerPodDeleter> info(
                xcb_screensaver_query_info_reply(x, xcb_screensaver_query_info(x, root), nullptr));
            return info && info->state == XCB_SCREENSAVER_STATE_ON;
        };
        run(QStringLiteral("type1:0,type2:30,start"));
        QTest::qWait(7000);
        QVERIFY2(!saverOn(), "the saver came on during a count");
        run(QStringLiteral("stop"));
        QTRY_VERIFY_WITH_TIMEOUT(saverOn(), 6000);
    }
    run(QStringLiteral("type1:0,type2:1,start"));
    // The end is the next second boundary of the clock; a tick comes every 200 ms.
    QTRY_VERIFY_WITH_TIMEOUT(!w->lblTime[Message]->isHidden(), 1400);
    // Both ways out end the process as a success, for a launcher or a script.
    for (const bool closeBox : { false, true }) {
        QTimer::singleShot(0, w.get(), [this, closeBox] {
            closeBox ? void(w->close()) : QTest::mouseClick(w->cmdEnd, Qt::LeftButton);
        });
        QTimer::singleShot(5000, w.get(), [] { QCoreApplication::exit(99); });
        QCOMPARE(QApplication::exec(), 0);
        w = openWindow(clock);
    }
}

void WindowTest::screenAwakeOverDBus()
{
    // The process's session bus is chosen once, so this runs in a process of its own.
    if (!qEnvironmentVariableIsSet("MOVARC_OWN_BUS"))
        QSKIP("run on its own: tst_window screenAwakeOverDBus");
    QProcess daemon;
    daemon.start("dbus-daemon", { "--session", "--nofork", "--print-address" });
    QVERIFY(daemon.waitForReadyRead(5000));
    qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.readLine().trimmed());
    auto desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
    InhibitStandIn screenSaver, powerManager; // the power manager never answers by itself
    screenSaver.cookie = 42;
    QVERIFY(desktop.registerVirtualObject("/org/freedesktop/ScreenSaver", &screenSaver)
        && desktop.registerVirtualObject(
            "/org/freedesktop/PowerManagement/Inhibit", &powerManager));
    // A service takes its name, or drops it as it ends; it holds nothing then.
    const auto own = [&desktop](const char *name, bool owned) {
        const QString service = QLatin1String("org.freedesktop.") + QLatin1String(name);
        return owned ? desktop.registerService(service) : desktop.unregisterService(service);
    };
    QVERIFY(own("ScreenSaver", true) && own("PowerManagement", true));
    // Both are asked; the silent one keeps the window waiting for nothing.
    const QDeadlineTimer responsive(2000);
    run(QStringLiteral("start,tick"));
    QTRY_COMPARE(screenSaver.saw(), QStringLiteral("Inhibit Movarc"));
    // One restarted during a count is asked again at once, and its old cookie is forgotten.
    screenSaver.cookie = 43;
    QVERIFY(own("ScreenSaver", false) && own("ScreenSaver", true));
    QTRY_COMPARE_WITH_TIMEOUT(screenSaver.saw(1), QStringLiteral("Inhibit Movarc"), 1000);
    run(QStringLiteral("stop"));
    QTRY_COMPARE(screenSaver.saw(1), QStringLiteral("Inhibit Movarc, UnInhibit 43"));
    // With nothing held, one that restarts sees nothing.
    QVERIFY(own("ScreenSaver", false) && own("ScreenSaver", true));
    QTest::qWait(200);
    QCOMPARE(screenSaver.calls.size(), 3);
    run(QStringLiteral("start,tick,stop")); // the silent one is not asked twice
    QVERIFY(!responsive.hasExpired());
    QTRY_COMPARE(screenSaver.saw(3), QStringLiteral("Inhibit Movarc, UnInhibit 43"));
    // A hold that arrives after it was given up is given back at once.
    QVERIFY(desktop.send(powerManager.held.createReply(7U)));
    QTRY_COMPARE(powerManager.saw(), QStringLiteral("Inhibit Movarc, UnInhibit 7"));
    // With no service on the bus, nothing happens; one that first comes during a count is asked
    // at once, and asked again while it has not put its object up.
    QVERIFY(own("ScreenSaver", false) && own("PowerManagement", false));
    run(QStringLiteral("start,tick"));
    screenSaver.starting = 2;
    QVERIFY(own("ScreenSaver", true));
    QTRY_COMPARE_WITH_TIMEOUT(screenSaver.saw(5), QStringLiteral("Inhibit Movarc"), 1000);
    QTRY_COMPARE_WITH_TIMEOUT(screenSaver.saw(7), QStringLiteral("Inhibit Movarc"), 2000);
    run(QStringLiteral("stop"));
    QTRY_COMPARE(screenSaver.saw(7), QStringLiteral("Inhibit Movarc, UnInhibit 43"));
}

void WindowTest::storm()
{
    const qint64 actions = qEnvironmentVariable("MOVARC_STORM_ACTIONS", "100000").toLongLong();
    if (actions == 0)
        QSKIP("run on its own: tst_window storm");
    const quint64 seed = qEnvironmentVariableIsSet("MOVARC_STORM_SEED")
        ? qEnvironmentVariable("MOVARC_STORM_SEED").toULongLong()
        : QRandomGenerator::global()->generate64();
    qInfo("storm seed %llu: MOVARC_STORM_SEED=%llu replays it", seed, seed);
    QRandomGenerator random(static_cast<quint32>(seed ^ (seed >> 32)));
    const QStringList pieces
        = { "0", "59", "60", "-", ".", "e", "&H", " ", "\t", "５", "分", "1e999", "😀", "<b>" };
    // Half of them ticks and small clock steps, as in real use, with every input mixed in.
    const QStringList verbs = { "+1", "-600", "blink", "start", "stop", "opt0", "opt1", "opt2",
        "key:Tab", "key:Up", "key:PgDown", "key:Return", "key:Alt+Down", "key:Escape", "enter1",
        "type1:", "type2:", "key:Down", "size:", "show:Minimized", "show:Maximized", "show:Normal",
        "key:F11", "dclick", "later", "at:2026-12-31T23:59:58", "at:9999-12-31T23:50:00",
        "at:2026-10-25T02:00:00+01:00" };
    for (qint64 i = 0; i < actions && !QTest::currentTestFailed(); ++i) {
        QString action
            = random.bounded(2) ? QStringLiteral("tick") : verbs.at(random.bounded(verbs.size()));
        for (int n = action.startsWith(QLatin1String("type")) ? random.bounded(8) : 0; n > 0; --n)
            action += pieces.at(random.bounded(pieces.size()));
        if (action == QLatin1String("size:")) // now and then far beyond any screen
            action += QString::asprintf("%dx%d",
                random.bounded(1, random.bounded(10) ? 2500 : 10000), random.bounded(1, 1500));
        if (action != QLatin1String("key:Return") || QApplication::focusWidget() != w->cmdEnd)
            run(action); // but not ending the program
    }
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
