// SPDX-License-Identifier: MIT
#include "core/valueforms.h"

#include "core/regionaldates.h"

#include <charconv>
#include <cmath>

namespace kestrun {

namespace {

// The first 18 significant digits of a double, which is all the rounding rules look at:
// value = 0.d[0]d[1]... x 10^exponent. Trailing zeros are not counted; zero has count 0.
struct Digits {
    bool negative = false;
    int count = 0;
    int exponent = 1;
    char d[18] = {};
};

constexpr int kHeldDigits = 18;
constexpr int kGeneralDigits = 15;
constexpr double kFixedLimit = 1e18;

void stripTrailingZeros(Digits &dg)
{
    while (dg.count > 0 && dg.d[dg.count - 1] == '0')
        --dg.count;
}

// Precondition: value is finite.
Digits decompose(double value)
{
    // Scientific with precision 17 gives exactly 18 correctly rounded digits:
    // [-]d.ddddddddddddddddde[+-]XX
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, kHeldDigits - 1);
    const char *p = buf;
    Digits dg;
    if (*p == '-') {
        dg.negative = true;
        ++p;
    }
    dg.d[0] = *p++;
    ++p; // '.'
    for (int i = 1; i < kHeldDigits; ++i)
        dg.d[i] = *p++;
    ++p; // 'e'
    int exponent = 0;
    const bool negativeExponent = *p == '-';
    ++p;
    std::from_chars(p, res.ptr, exponent);
    dg.exponent = (negativeExponent ? -exponent : exponent) + 1;
    dg.count = kHeldDigits;
    stripTrailingZeros(dg);
    if (dg.count == 0)
        dg.exponent = 1;
    return dg;
}

// Keeps `keep` significant digits, half away from zero (the sign is separate, so
// rounding the magnitude up is rounding away from zero).
void roundToDigits(Digits &dg, int keep)
{
    if (keep >= dg.count)
        return;
    if (keep < 0) {
        dg.count = 0;
        return;
    }
    const bool up = dg.d[keep] >= '5';
    dg.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && dg.d[i] == '9')
            --i;
        if (i < 0) {
            dg.d[0] = '1';
            dg.count = 1;
            dg.exponent += 1;
        } else {
            ++dg.d[i];
            dg.count = i + 1;
        }
    }
    stripTrailingZeros(dg);
}

void appendInt(std::string &out, long long value)
{
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
}

bool appendNonFinite(std::string &out, double value)
{
    if (std::isnan(value)) {
        out += "NAN";
        return true;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-INF" : "INF";
        return true;
    }
    return false;
}

// Fixed notation of already rounded digits: at least minIntDigits digits before the
// separator (leading zeros), exactly `decimals` after it.
void appendFixedDigits(std::string &out, const Digits &dg, int minIntDigits, int decimals, const RegionalSettings &settings)
{
    const int e = dg.count == 0 ? 0 : dg.exponent;
    const int intDigits = e > 0 ? e : 0;
    for (int i = intDigits; i < minIntDigits; ++i)
        out += '0';
    for (int i = 0; i < intDigits; ++i)
        out += i < dg.count ? dg.d[i] : '0';
    if (decimals <= 0)
        return;
    out += settings.decimalSeparator;
    for (int j = 0; j < decimals; ++j) {
        const int idx = e + j;
        out += idx >= 0 && idx < dg.count ? dg.d[idx] : '0';
    }
}

// Rounds for `decimals` places and drops the sign of a result that is zero.
Digits roundedForDecimals(double value, int decimals)
{
    Digits dg = decompose(value);
    if (dg.count > 0)
        roundToDigits(dg, dg.exponent + decimals);
    if (dg.count == 0)
        dg.negative = false;
    return dg;
}

} // namespace

void appendGeneral(std::string &out, double value, const RegionalSettings &settings)
{
    if (appendNonFinite(out, value))
        return;
    Digits dg = decompose(value);
    roundToDigits(dg, kGeneralDigits);
    if (dg.count == 0) {
        out += '0';
        return;
    }
    if (dg.negative)
        out += '-';
    const int e = dg.exponent;
    if (e >= -3 && e <= kGeneralDigits) {
        const int intDigits = e > 0 ? e : 0;
        if (intDigits == 0)
            out += '0';
        for (int i = 0; i < intDigits; ++i)
            out += i < dg.count ? dg.d[i] : '0';
        if (dg.count > intDigits) {
            out += settings.decimalSeparator;
            for (int i = e; i < 0; ++i)
                out += '0';
            out.append(dg.d + intDigits, dg.d + dg.count);
        }
        return;
    }
    out += dg.d[0];
    if (dg.count > 1) {
        out += settings.decimalSeparator;
        out.append(dg.d + 1, dg.d + dg.count);
    }
    out += 'E';
    appendInt(out, e - 1);
}

void appendFixed(std::string &out, double value, int decimals, const RegionalSettings &settings)
{
    if (!std::isfinite(value) || std::fabs(value) >= kFixedLimit) {
        appendGeneral(out, value, settings);
        return;
    }
    decimals = decimals < 0 ? 0 : (decimals > kHeldDigits ? kHeldDigits : decimals);
    const Digits dg = roundedForDecimals(value, decimals);
    if (dg.negative)
        out += '-';
    appendFixedDigits(out, dg, 1, decimals, settings);
}

std::string formatGeneral(double value, const RegionalSettings &settings)
{
    std::string out;
    appendGeneral(out, value, settings);
    return out;
}

std::string formatFixed(double value, int decimals, const RegionalSettings &settings)
{
    std::string out;
    appendFixed(out, value, decimals, settings);
    return out;
}

std::string formatNumberPattern(double value, std::string_view pattern, const RegionalSettings &settings)
{
    if (pattern.empty())
        return formatGeneral(value, settings);

    const auto isPlaceholder = [](char c) { return c == '0' || c == '.'; };
    std::size_t begin = 0;
    while (begin < pattern.size() && !isPlaceholder(pattern[begin]))
        ++begin;
    std::size_t end = begin;
    int intZeros = 0;
    int decimals = 0;
    bool afterPoint = false;
    for (; end < pattern.size() && isPlaceholder(pattern[end]); ++end) {
        if (pattern[end] == '.')
            afterPoint = true;
        else if (afterPoint)
            ++decimals;
        else
            ++intZeros;
    }
    decimals = decimals > kHeldDigits ? kHeldDigits : decimals;

    std::string number;
    if (begin == pattern.size()) {
        // No digit placeholder: the pattern is all literal text.
    } else if (!std::isfinite(value) || std::fabs(value) >= kFixedLimit) {
        appendGeneral(number, value, settings);
    } else {
        const Digits dg = roundedForDecimals(value, decimals);
        if (dg.negative)
            number += '-';
        appendFixedDigits(number, dg, intZeros, afterPoint ? decimals : 0, settings);
        // "0." asks for the separator even with no decimal digits after it.
        if (afterPoint && decimals == 0)
            number += settings.decimalSeparator;
    }

    std::string out;
    const std::string_view prefix = pattern.substr(0, begin);
    const bool minus = !number.empty() && number.front() == '-';
    if (minus)
        out += '-';
    out += prefix;
    out.append(number, minus ? 1 : 0);
    if (end < pattern.size())
        out += pattern.substr(end);
    return out;
}

void appendDateTime(std::string &out, DateTime value, std::string_view pattern, const RegionalSettings &settings)
{
    const CivilDateTime c = decodeDateTime(value);
    const auto lower = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; };
    const auto number = [&out](long long n, int width) {
        char buf[24];
        const auto res = std::to_chars(buf, buf + sizeof buf, n < 0 ? -n : n);
        if (n < 0)
            out += '-';
        for (auto len = res.ptr - buf; len < width; ++len)
            out += '0';
        out.append(buf, res.ptr);
    };

    bool minuteNext = false; // an "m" right after an hour field is the minute
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char ch = pattern[i];
        if (ch == '"' || ch == '\'') {
            const std::size_t close = pattern.find(ch, i + 1);
            const std::size_t stop = close == std::string_view::npos ? pattern.size() : close;
            out += pattern.substr(i + 1, stop - i - 1);
            i = stop == pattern.size() ? stop : stop + 1;
            continue;
        }
        const char letter = lower(ch);
        std::size_t run = 1;
        while (i + run < pattern.size() && lower(pattern[i + run]) == letter)
            ++run;
        const int n = static_cast<int>(run);
        switch (letter) {
        case 'd': number(c.day, n >= 2 ? 2 : 1); break;
        case 'y':
            if (n <= 2)
                number(c.year % 100, 2);
            else
                number(c.year, 4);
            break;
        case 'h':
            number(c.hour, n >= 2 ? 2 : 1);
            minuteNext = true;
            i += run;
            continue;
        case 'n': number(c.minute, n >= 2 ? 2 : 1); break;
        case 'm':
            if (minuteNext)
                number(c.minute, n >= 2 ? 2 : 1);
            else if (n >= 3)
                out += settings.shortMonthNames[c.month - 1];
            else
                number(c.month, n);
            break;
        case 's': number(c.second, n >= 2 ? 2 : 1); break;
        case 'z': number(c.millisecond, n >= 3 ? 3 : 1); break;
        case ':': for (int k = 0; k < n; ++k) out += settings.timeSeparator; break;
        case '/': for (int k = 0; k < n; ++k) out += settings.dateSeparator; break;
        default: out.append(run, ch); i += run; continue; // literal text keeps the minute state
        }
        if (letter != ':' && letter != '/')
            minuteNext = false;
        i += run;
    }
}

std::string formatDateTime(DateTime value, std::string_view pattern, const RegionalSettings &settings)
{
    std::string out;
    appendDateTime(out, value, pattern, settings);
    return out;
}

} // namespace kestrun
