// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/values/RuntimeError.h"

#include <QWidget>

#include <optional>

// A top-level sizable window with a pixel scale unit and the classic window properties. Every
// toolkit event reaches its handler through dispatch(): an error raised inside a handler ends
// that handler there, whatever it wrote stays written, and the program goes on silently.
class Form : public QWidget {
    Q_OBJECT
public:
    enum State { Normal = 0, Minimized = 1, Maximized = 2 };

    explicit Form(QWidget *parent = nullptr);

    // Raises Load, then shows the window with the focus on the first control in tab order.
    void open();

    int formState() const;
    float outerWidthTwips() const;
    float outerHeightTwips() const;
    // May run the resize handler nested, before it returns. Writing the current height does
    // nothing. When the window system twice gives back another height than the one written for
    // the same width, that height is accepted and not fought over again.
    void setOuterHeightTwips(float twips);
    float scaleWidth() const { return static_cast<float>(width()); }
    float scaleHeight() const { return static_cast<float>(height()); }
    float twipsPerPixel() const;

    // The end-of-program operation: no further handler of the window runs.
    void endProgram();
    // Whether the program has ended, by the quit operation or the close box.
    bool isEnded() const { return m_ended; }

    // Full screen on the screen the window is on, and back to the window it was, normal or
    // maximised, at its earlier size and place.
    void toggleFullScreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

    // The code of the error that last ended a dispatched handler, if any.
    std::optional<RuntimeError::Code> lastError() const { return m_lastError; }

    template<typename Handler> void dispatch(Handler &&handler) noexcept
    {
        try {
            handler();
        } catch (const RuntimeError &error) {
            m_lastError = error.code();
        }
        afterEvent();
    }

protected:
    // Connects a control's event to a handler through the dispatch point.
    template<typename Sender, typename Signal, typename Handler>
    void onEvent(Sender *sender, Signal signal, Handler handler)
    {
        connect(sender, signal, this,
            [this, handler](auto... args) { this->dispatch([&] { handler(args...); }); });
    }

    virtual void Form_Load() { }
    virtual void Form_Resize() { }
    // Runs after every dispatched handler, whether it ended normally or by an error.
    virtual void afterEvent() noexcept { }
    // Runs once as the program ends, by either way, while the toolkit still runs.
    virtual void programEnding() noexcept { }

    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void noteHeightOutcome();

    std::optional<RuntimeError::Code> m_lastError;
    bool m_ended = false;
    // The outer size last asked for by a height write, and an outer size the window system
    // gave back instead, with how often in a row it did.
    QSize m_heightWrite;
    QSize m_refusedSize;
    int m_refusals = 0;
};
