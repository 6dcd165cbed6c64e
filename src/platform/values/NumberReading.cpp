// SPDX-FileCopyrightText: 2026 Movarc developers <developers@movarc.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberReading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isIgnored(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The text without the ignored characters, as far as it is plain ASCII.
std::string significantAscii(QStringView text)
{
    std::string out;
    out.reserve(static_cast<size_t>(qMin<qsizetype>(text.size(), 4096)));
    for (const QChar c : text) {
        if (isIgnored(c))
            continue;
        if (c.unicode() > 0x7f)
            break;
        out.push_back(static_cast<char>(c.unicode()));
    }
    return out;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

double readRadixInteger(const std::string &s, size_t pos, int radix)
{
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s[pos])));
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit; // grows to +inf for absurd lengths, never fails
    }
    return value;
}

double readDecimal(const std::string &s)
{
    size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        negative = s[pos++] == '-';

    const size_t mantissaStart = pos;
    long long leadingIntegerDigits = 0; // significant digits before the point
    long long zerosAfterPoint = 0; // zeros between the point and the first significant digit
    bool anyDigit = false;
    bool significantSeen = false;
    while (pos < s.size() && isDigit(s[pos])) {
        anyDigit = true;
        if (s[pos] != '0' || significantSeen) {
            significantSeen = true;
            ++leadingIntegerDigits;
        }
        ++pos;
    }
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        while (pos < s.size() && isDigit(s[pos])) {
            anyDigit = true;
            if (s[pos] != '0')
                significantSeen = true;
            else if (!significantSeen)
                ++zerosAfterPoint;
            ++pos;
        }
    }
    if (!anyDigit)
        return 0;
    const size_t mantissaEnd = pos;

    long long exponent = 0;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        size_t e = pos + 1;
        bool expNegative = false;
        if (e < s.size() && (s[e] == '+' || s[e] == '-'))
            expNegative = s[e++] == '-';
        if (e < s.size() && isDigit(s[e])) {
            while (e < s.size() && isDigit(s[e])) {
                if (exponent < 100000000)
                    exponent = exponent * 10 + (s[e] - '0');
                ++e;
            }
            if (expNegative)
                exponent = -exponent;
            pos = e;
        }
    }
    if (!significantSeen)
        return negative ? -0.0 : 0.0;

    std::string normalised = s.substr(mantissaStart, mantissaEnd - mantissaStart);
    if (normalised.front() == '.')
        normalised.insert(normalised.begin(), '0');
    normalised += 'e' + std::to_string(exponent);

    double value = 0;
    const auto [end, ec] = std::from_chars(normalised.data(), normalised.data() + normalised.size(),
        value, std::chars_format::general);
    Q_UNUSED(end);
    if (ec == std::errc::result_out_of_range) {
        // Decide by the decimal magnitude whether the number overflowed or underflowed.
        const long long magnitude = leadingIntegerDigits > 0 ? leadingIntegerDigits - 1 + exponent
                                                             : -zerosAfterPoint - 1 + exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double NumberReading::leadingNumber(QStringView text)
{
    const std::string s = significantAscii(text);
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(std::tolower(static_cast<unsigned char>(s[1])));
        if (kind == 'h')
            return readRadixInteger(s, 2, 16);
        if (kind == 'o')
            return readRadixInteger(s, 2, 8);
        return 0;
    }
    return readDecimal(s);
}
