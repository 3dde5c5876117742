// SPDX-License-Identifier: MIT
#pragma once

// The properties that must hold for any settings file text, shared by the fuzzer and by
// the test that replays its seed corpus: the INI reader and writer agree with each other,
// and every value reads back to what its own encoding says, under two regional settings.

#include "core/error.h"
#include "core/regionalsettings.h"
#include "support/inidocument.h"
#include "support/storevalue.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kestrun::inicheck {

inline RegionalSettings decimalPointSettings()
{
    return RegionalSettings::englishUnitedStates();
}

// A two-digit-year, decimal-comma, 24-hour setting with a non-ASCII month name.
inline RegionalSettings decimalCommaSettings()
{
    RegionalSettings s;
    s.decimalSeparator = ",";
    s.dateSeparator = ".";
    s.shortDateFormat = "dd.MM.yy";
    s.longTimeFormat = "HH:mm:ss";
    s.shortMonthNames = {"Jan", "Feb", "M\xC3\xA4r", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    s.amDesignator = "";
    s.pmDesignator = "";
    return s;
}

inline constexpr int kCurrentYear = 2024;

using Failure = std::optional<std::string>;

inline Failure valueFailure(std::string_view value, const RegionalSettings &settings)
{
    const StoreValue read = readStoreValue(value, settings, kCurrentYear);
    const auto again = [&](const StoreValue &v) { return readStoreValue(encodeStoreValue(v, settings), settings, kCurrentYear); };
    const std::string where = " (value \"" + std::string(value) + "\")";

    if (const auto *text = std::get_if<std::string>(&read)) {
        const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
        if (*text != (quoted ? value.substr(1, value.size() - 2) : value))
            return "text read wrongly" + where;
        if (again(*text) != read)
            return "text does not round-trip" + where;
    } else if (const auto *integer = std::get_if<std::int32_t>(&read)) {
        if (again(*integer) != read)
            return "integer does not round-trip" + where;
    } else if (const auto *number = std::get_if<double>(&read)) {
        const double x = *number;
        if (!std::isfinite(x))
            return "number not finite" + where;
        const double magnitude = std::fabs(x);
        // 15 digits leave the last bits, and the extremes of the range may not survive
        // the rounding at all.
        if (x != 0 && (magnitude < 1e-300 || magnitude > 1e300))
            return std::nullopt;
        const std::string written = encodeStoreValue(x, settings);
        const StoreValue back = readStoreValue(written, settings, kCurrentYear);
        double y = 0;
        if (const auto *i = std::get_if<std::int32_t>(&back))
            y = *i;
        else if (const auto *d = std::get_if<double>(&back))
            y = *d;
        else if (settings.decimalSeparator != "." && std::get_if<std::string>(&back) && std::get<std::string>(back) == written)
            return std::nullopt; // a decimal comma comes back as text, which the row converts
        else
            return "number \"" + written + "\" reads back as another kind" + where;
        if (std::fabs(x - y) > 1e-14 * magnitude)
            return "number \"" + written + "\" reads back as another value" + where;
    } else if (const auto *moment = std::get_if<StoredDateTime>(&read)) {
        const StoreValue back = again(*moment);
        const auto *date = std::get_if<StoredDateTime>(&back);
        if (date == nullptr)
            return "date-time reads back as another kind" + where;
        // The long time shows whole seconds.
        if (std::fabs(date->days - moment->days) * 86'400.0 >= 1.0)
            return "date-time reads back as another moment" + where;
    } else {
        return "reading gave true or false" + where;
    }
    return std::nullopt;
}

// Every failure found in one input, or nullopt; exceptions from the readers pass through.
inline Failure iniFailure(std::string_view input)
{
    const IniDocument first = IniDocument::parse(input);
    const std::string text = first.serialize();
    const IniDocument second = IniDocument::parse(text);
    if (!(first == second))
        return std::string("parse after serialize gives another document");
    if (second.serialize() != text)
        return std::string("serialize is not stable");
    for (const IniDocument::Section &section : first.sections()) {
        if (first.findSection(section.name) == nullptr)
            return "section \"" + section.name + "\" not found by its own name";
        for (const IniDocument::Key &key : section.keys) {
            if (section.findKey(key.name) == nullptr)
                return "key \"" + key.name + "\" not found by its own name";
            for (const RegionalSettings &settings : {decimalPointSettings(), decimalCommaSettings()})
                if (Failure failure = valueFailure(key.value, settings))
                    return failure;
        }
    }
    return std::nullopt;
}

} // namespace kestrun::inicheck
