// SPDX-License-Identifier: MIT
#include "support/storevalue.h"

#include "core/regionaldates.h"
#include "core/valueforms.h"

#include <charconv>
#include <system_error>

namespace kestrun {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Hexadecimal digits as a 32-bit pattern; nullopt for no digits, a non-digit or more
// than 32 bits.
std::optional<std::uint32_t> hexBits(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint32_t bits = 0;
    for (char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0 || bits > 0x0FFF'FFFFu)
            return std::nullopt;
        bits = bits << 4 | static_cast<std::uint32_t>(digit);
    }
    return bits;
}

std::string encodeInteger(std::int32_t value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string encodeDateTime(DateTime value, const RegionalSettings &settings)
{
    std::string text = formatByPattern(value, withFourDigitYear(settings.shortDateFormat), settings);
    const CivilDateTime civil = decodeDateTime(value);
    if (civil.hour != 0 || civil.minute != 0 || civil.second != 0) {
        text += ' ';
        text += formatLongTime(value, settings);
    }
    return text;
}

std::string quoted(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 2);
    result += '"';
    result += text;
    result += '"';
    return result;
}

} // namespace

std::string encodeStoreValue(const StoreValue &value, const RegionalSettings &settings)
{
    struct Encoder {
        const RegionalSettings &settings;
        std::string operator()(const std::string &text) const { return quoted(text); }
        std::string operator()(std::int32_t integer) const { return encodeInteger(integer); }
        std::string operator()(double number) const { return formatGeneral(number, settings); }
        std::string operator()(StoredDateTime moment) const { return encodeDateTime(moment.days, settings); }
        std::string operator()(bool flag) const { return quoted(flag ? "True" : "False"); }
    };
    return std::visit(Encoder{settings}, value);
}

std::optional<std::int32_t> readStoreInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::optional<std::uint32_t> bits;
    if (text.starts_with('$')) {
        bits = hexBits(text.substr(1));
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        bits = hexBits(text.substr(2));
    } else {
        if (text.empty() || !isDigit(text.front()))
            return std::nullopt;
        std::uint32_t magnitude = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
        if (error != std::errc() || end != text.data() + text.size())
            return std::nullopt;
        if (magnitude > (negative ? 0x8000'0000u : 0x7FFF'FFFFu))
            return std::nullopt;
        bits = magnitude;
    }
    if (!bits)
        return std::nullopt;
    // Modular negation and conversion: "-$80000000" and "-2147483648" both give the minimum.
    return static_cast<std::int32_t>(negative ? 0u - *bits : *bits);
}

std::optional<double> readStoreNumber(std::string_view text)
{
    // The grammar is checked here: from_chars alone would also take "inf", "nan" and
    // hexadecimal mantissas.
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    const std::size_t mantissa = at;
    std::size_t digits = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        ++digits;
    if (at < text.size() && text[at] == '.')
        for (++at; at < text.size() && isDigit(text[at]); ++at)
            ++digits;
    if (digits == 0)
        return std::nullopt;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        const std::size_t exponent = at;
        while (at < text.size() && isDigit(text[at]))
            ++at;
        if (at == exponent)
            return std::nullopt;
    }
    if (at != text.size())
        return std::nullopt;

    double value = 0;
    const char *first = text.data() + mantissa;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return text.front() == '-' ? -value : value;
}

std::optional<DateTime> readStoreDateTime(std::string_view text, const RegionalSettings &settings, int currentYear)
{
    // The regional reader takes two- and four-digit years whatever the format's own
    // width, so dates written with the widened year read back under the same settings.
    return parseDateTime(text, settings, currentYear);
}

StoreValue readStoreValue(std::string_view text, const RegionalSettings &settings, int currentYear)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return std::string(text.substr(1, text.size() - 2));
    if (auto integer = readStoreInteger(text))
        return *integer;
    if (auto number = readStoreNumber(text))
        return *number;
    if (auto moment = readStoreDateTime(text, settings, currentYear))
        return StoredDateTime{*moment};
    return std::string(text);
}

std::string withFourDigitYear(std::string_view dateFormat)
{
    std::string result;
    bool inQuotes = false;
    for (std::size_t i = 0; i < dateFormat.size();) {
        const char c = dateFormat[i];
        if (c == '\'')
            inQuotes = !inQuotes;
        if (c == 'y' && !inQuotes) {
            while (i < dateFormat.size() && dateFormat[i] == 'y')
                ++i;
            result += "yyyy";
            continue;
        }
        result += c;
        ++i;
    }
    return result;
}

} // namespace kestrun
