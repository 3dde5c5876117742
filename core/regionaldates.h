// SPDX-License-Identifier: MIT
#pragma once

#include "core/datetime.h"
#include "core/regionalsettings.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrun {

// Calendar conversion (proleptic Gregorian, day 0 = 30 December 1899).
struct CivilDateTime {
    int year = 1899;
    unsigned month = 12, day = 30;
    unsigned hour = 0, minute = 0, second = 0, millisecond = 0;
};
DateTime encodeDate(int year, unsigned month, unsigned day); // throws Error when invalid
DateTime encodeTime(unsigned hour, unsigned minute, unsigned second, unsigned millisecond = 0);
CivilDateTime decodeDateTime(DateTime value); // rounded to the millisecond

// Text of a date-time by a regional format (pattern letters in regionalsettings.h).
std::string formatByPattern(DateTime value, std::string_view pattern, const RegionalSettings &settings);
std::string formatShortDate(DateTime value, const RegionalSettings &settings);
std::string formatLongTime(DateTime value, const RegionalSettings &settings);

// Reading. A two-digit year takes the century that puts it within 50 years of
// currentYear. Leading and trailing blanks are ignored. nullopt when unreadable.
std::optional<DateTime> parseDate(std::string_view text, const RegionalSettings &settings, int currentYear);
std::optional<DateTime> parseTime(std::string_view text, const RegionalSettings &settings);
// A date optionally followed by a blank and a time.
std::optional<DateTime> parseDateTime(std::string_view text, const RegionalSettings &settings, int currentYear);

// A number typed by the user: optional sign, digits with the regional decimal separator,
// optional exponent. Blanks around it are ignored. nullopt when unreadable.
std::optional<double> parseFloat(std::string_view text, const RegionalSettings &settings);

} // namespace kestrun
