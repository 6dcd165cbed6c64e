// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/drawing/GlyphCoverage.h"
#include "platform/forms/Form.h"
#include "platform/values/Clock.h"
#include "platform/values/DateValue.h"
#include "timer/AlertCycle.h"
#include "timer/DurationDigits.h"
#include "window/DigitDisplay.h"
#include "window/DisplayDescription.h"

#include <array>

class FormButton;
class FormComboBox;
class FormLabel;
class IntervalTimer;
class OptionArray;
class ScreenAwake;

// The timer's one window: its controls, its public timing fields and its event handlers. The
// handlers are defined beside the behaviour they belong to: the timing commands, the tick, the
// alert and the set-duration display under timer/, start-up, layout and settings here.
class frmSarvelTimer : public Form {
    Q_OBJECT
public:
    // Option1's buttons by display mode, and lblTime's labels by role.
    using enum DigitDisplay::Mode;
    using enum DigitDisplay::Role;

    explicit frmSarvelTimer(QWidget *parent = nullptr);
    ~frmSarvelTimer() override;

    // Public fields, in declaration order. All start at zero.
    DateValue SarvelTime; // declared only; nothing reads or writes it
    DateValue SarvelTimeNow; // the latest tick
    DateValue SarvelTimeStart;
    DateValue SarvelTimeEnd;
    qint16 SarvelMinute = 0; // despite the name, the second of the clock at the latest tick
    qint16 SarvelSecond = 0; // the count last shown, clamped to 16 bits
    float FontEnlage = 0; // client pixels per point of the big digits

    Clock &clock() { return m_clock; }
    // The glyphs the big digits are drawn from, rendered once for all five labels.
    const GlyphCoverage &glyphCoverage() const { return m_glyphCoverage; }
    const ScreenAwake &screenAwake() const { return *m_screenAwake; }

    // Controls, by their designer names.
    FormLabel *Label1;
    FormComboBox *Combo1;
    FormLabel *Label2;
    FormComboBox *Combo2;
    FormLabel *Label3;
    OptionArray *Option1;
    FormButton *cmdStart;
    FormButton *cmdStop;
    FormButton *cmdEnd;
    std::array<FormLabel *, 5> lblTime;
    IntervalTimer *Timer1;
    IntervalTimer *Timer2;

    // Event handlers, as the toolkit raises them through the dispatch point. Public so that
    // tests can raise them directly, which lets errors propagate instead.
    void cmdStart_Click();
    void cmdStop_Click();
    void cmdEnd_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Option1_Click(int index);
    void Combo1_GotFocus();
    void Combo2_GotFocus();
    void Combo1_Click();
    void Combo2_Click();
    void Form_Load() override;
    void Form_Resize() override;

protected:
    void afterEvent() noexcept override;
    void programEnding() noexcept override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void ShowSetting();
    void correctListText(FormComboBox *list, int upperLimit);
    void createControls();
    void wireEvents();
    void watchDisplayHold();
    void updateDisplayHold() noexcept;

    Clock m_clock;
    GlyphCoverage m_glyphCoverage;
    AlertCycle m_alertCycle;
    DisplayDescription::Shown m_described; // what the accessible description last described
    // The count the tick last formatted, and its digits: about five ticks see each count.
    qint64 m_formattedCount = 0;
    DurationDigits m_formattedDigits = DurationDigits::fromCount(0);
    // Whether the room is watching: decided again after a handler that changed what it
    // depends on, and when a blinking message's hold runs out.
    ScreenAwake *m_screenAwake;
    IntervalTimer *m_holdEnds;
    bool m_holdInputsChanged = false;
};
