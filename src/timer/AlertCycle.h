// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// The colour position of the time-up message: dark grey, bright blue, bright green, bright
// cyan, bright red, bright magenta, then dark grey again. It lives as long as the window and is
// never reset, so a later alert continues where the last one stopped.
class AlertCycle {
public:
    // Advances one step and gives the palette index of the new colour (8 to 13).
    int advance()
    {
        if (m_position > 5)
            m_position = 0;
        ++m_position;
        return m_position + 7;
    }
    qint16 position() const { return m_position; }

private:
    qint16 m_position = 0;
};
