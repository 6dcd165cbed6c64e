// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>

// An error raised by a control operation or an arithmetic fault. It ends the handler that
// raised it; the event dispatch swallows it so that the program goes on.
class RuntimeError : public std::runtime_error {
public:
    enum Code {
        InvalidProcedureCall = 5,
        Overflow = 6,
        DivisionByZero = 11,
        InvalidPropertyValue = 380,
    };

    RuntimeError(Code code, const char *message) : std::runtime_error(message), m_code(code) { }

    Code code() const { return m_code; }

private:
    Code m_code;
};
