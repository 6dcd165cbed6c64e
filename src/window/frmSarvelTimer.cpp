// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmSarvelTimer.h"

#include "platform/drawing/DesignFont.h"
#include "platform/forms/FormButton.h"
#include "platform/forms/FormComboBox.h"
#include "platform/forms/FormLabel.h"
#include "platform/forms/IntervalTimer.h"
#include "platform/forms/OptionArray.h"
#include "platform/values/Palette.h"
#include "window/DisplayDescription.h"

#include <QAccessible>
#include <QRadioButton>

namespace {

// The design is in twips, 15 to the pixel at 96 dots per inch.
constexpr int px(int twips)
{
    return twips / 15;
}

QRect designRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace

frmSarvelTimer::frmSarvelTimer(QWidget *parent) : Form(parent)
{
    setObjectName(QStringLiteral("frmSarvelTimer"));
    setWindowTitle(QStringLiteral("Sarvel用タイマー"));
    // Everything drawn on the window's own surface is the design's dark text on white, also on a
    // dark desktop, whose light text would vanish on it. The lists and buttons draw their own
    // surfaces in the desktop's colours.
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Palette::toQColor(Palette::entry(Palette::Black)));
    setPalette(p);
    setAutoFillBackground(true);
    resize(px(8910), px(4110));

    createControls();
    // First, so that an option's click has marked the hold for a new decision by the time the
    // click handler is done.
    watchDisplayHold();
    wireEvents();
}

frmSarvelTimer::~frmSarvelTimer() = default;

void frmSarvelTimer::createControls()
{
    // Created in tab-index order, so that the focus chain is the designed tab order and the
    // first control that takes the focus is the quit button.
    const auto label
        = [this](const char *name, const QString &caption, QRect rect, qreal points, bool bold) {
              auto *l = new FormLabel(this);
              l->setObjectName(QLatin1String(name));
              l->setCaption(caption);
              l->setFont(DesignFont::font(points, bold));
              l->setFontSize(static_cast<float>(points));
              l->setGeometryPx(static_cast<float>(rect.x()), static_cast<float>(rect.y()),
                  static_cast<float>(rect.width()), static_cast<float>(rect.height()));
              return l;
          };
    const auto button = [this](const char *name, const QString &caption, QRect rect) {
        auto *b = new FormButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setFont(DesignFont::font(9.75, false));
        b->setGeometry(rect);
        return b;
    };
    const auto option = [this](int index, const QString &caption, QRect rect) {
        auto *o = new QRadioButton(caption, this);
        o->setObjectName(QStringLiteral("Option1(%1)").arg(index));
        o->setFont(DesignFont::font(9, false));
        // The round indicators stand on the window's white: filled with a dark desktop's base
        // colour they would read the wrong way round, the unselected ones as solid discs.
        QPalette indicator = o->palette();
        indicator.setColor(QPalette::Base, Qt::white);
        indicator.setColor(QPalette::Text, Palette::toQColor(Palette::entry(Palette::Black)));
        o->setPalette(indicator);
        o->setGeometry(rect);
        Option1->append(o);
    };
    const auto combo = [this](const char *name, const QString &text, QRect rect) {
        auto *c = new FormComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setFont(DesignFont::font(12, true));
        c->setGeometry(rect);
        c->setText(text);
        return c;
    };
    const auto timer = [this](const char *name) {
        auto *t = new IntervalTimer(this);
        t->setObjectName(QLatin1String(name));
        t->setEnabled(true);
        return t;
    };

    lblTime[LeftNumber]
        = label("lblTime(0)", QString(), designRect(120, 840, 8655, 2295), 99.75, true);
    cmdEnd = button("cmdEnd", QStringLiteral("終了"), designRect(7320, 0, 735, 495));
    cmdStart = button("cmdStart", QStringLiteral("ｽﾀｰﾄ"), designRect(5160, 0, 735, 495));
    cmdStop = button("cmdStop", QStringLiteral("ｽﾄｯﾌﾟ"), designRect(6240, 0, 735, 495));
    Option1 = new OptionArray(this);
    Option1->setObjectName(QStringLiteral("Option1"));
    option(Elapsed, QStringLiteral("経過時間の表示"), designRect(3000, 0, 1935, 180));
    option(Remaining, QStringLiteral("残り時間の表示"), designRect(3000, 240, 2055, 180));
    option(TimeOfDay, QStringLiteral("現在の時刻"), designRect(3000, 480, 2055, 180));
    Option1->select(TimeOfDay);
    Label1 = label("Label1", QStringLiteral("設定時間"), designRect(120, 120, 495, 375), 9, false);
    Label2 = label("Label2", QStringLiteral("分"), designRect(1440, 240, 375, 255), 9, false);
    Label3 = label("Label3", QStringLiteral("秒"), designRect(2520, 240, 375, 255), 9, false);
    Combo1 = combo("Combo1", QStringLiteral("3"), designRect(600, 120, 735, 360));
    Combo2 = combo("Combo2", QStringLiteral("0"), designRect(1680, 120, 735, 360));
    lblTime[RightNumber]
        = label("lblTime(1)", QString(), designRect(4800, 840, 2415, 2535), 99.75, true);
    lblTime[LeftUnit] = label(
        "lblTime(2)", QStringLiteral("分"), designRect(3600, 2040, 1215, 1215), 50.25, true);
    lblTime[RightUnit]
        = label("lblTime(3)", QStringLiteral("秒"), designRect(7320, 2040, 1455, 1215), 48, true);
    lblTime[Message]
        = label("lblTime(4)", QString(), designRect(120, 840, 8655, 2295), 99.75, true);
    lblTime[Message]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (FormLabel *l : lblTime)
        l->setGlyphCoverage(&m_glyphCoverage);

    // Both timers are enabled as designed, with no interval: nothing ticks until the program
    // sets one.
    Timer1 = timer("Timer1");
    Timer2 = timer("Timer2");

    // Screen readers name a label by its text and a button by its caption; these say what the
    // captionless controls are.
    Combo1->setAccessibleDescription(QStringLiteral("設定時間の分"));
    Combo2->setAccessibleDescription(QStringLiteral("設定時間の秒"));
    lblTime[LeftNumber]->setAccessibleDescription(QStringLiteral("左の数字"));
    lblTime[RightNumber]->setAccessibleDescription(QStringLiteral("右の数字"));
    lblTime[LeftUnit]->setAccessibleDescription(QStringLiteral("左の単位"));
    lblTime[RightUnit]->setAccessibleDescription(QStringLiteral("右の単位"));
    lblTime[Message]->setAccessibleDescription(QStringLiteral("時間切れのお知らせ"));
}

void frmSarvelTimer::wireEvents()
{
    onEvent(cmdStart, &FormButton::click, [this] { cmdStart_Click(); });
    onEvent(cmdStop, &FormButton::click, [this] { cmdStop_Click(); });
    onEvent(cmdEnd, &FormButton::click, [this] { cmdEnd_Click(); });
    onEvent(Combo1, &FormComboBox::click, [this] { Combo1_Click(); });
    onEvent(Combo2, &FormComboBox::click, [this] { Combo2_Click(); });
    onEvent(Combo1, &FormComboBox::gotFocus, [this] { Combo1_GotFocus(); });
    onEvent(Combo2, &FormComboBox::gotFocus, [this] { Combo2_GotFocus(); });
    onEvent(Option1, &OptionArray::click, [this](int index) { Option1_Click(index); });
    onEvent(Timer1, &IntervalTimer::timer, [this] { Timer1_Timer(); });
    onEvent(Timer2, &IntervalTimer::timer, [this] { Timer2_Timer(); });
}

void frmSarvelTimer::afterEvent() noexcept
{
    if (m_holdInputsChanged)
        updateDisplayHold();
    // Screen readers hear the display as a whole; only a change is announced. This runs after
    // every tick, so the words are rebuilt only when what they describe has changed.
    DisplayDescription::Shown shown { static_cast<DigitDisplay::Mode>(Option1->selectedIndex()),
        lblTime[LeftNumber]->caption(), lblTime[RightNumber]->caption(),
        !lblTime[Message]->isHidden() };
    if (shown == m_described)
        return;
    const QString description = DisplayDescription::describe(shown);
    m_described = std::move(shown);
    if (description == accessibleDescription())
        return;
    setAccessibleDescription(description);
    // Qt 6.4 stores the new description without telling assistive tools.
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
