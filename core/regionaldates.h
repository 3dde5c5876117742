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
DateTime encodeTime(unsigned hour, unsigned minute, unsigned second, unsigned millisecond = 0); // throws Error when invalid
// Rounded to the millisecond. A negative value counts its date toward zero and takes
// its time of day from the absolute fraction (-1.25 is 29 December 1899 06:00).
// Throws Error for moments outside the years 1 to 9999 (and for NaN).
CivilDateTime decodeDateTime(DateTime value);

// Text of a date-time by a regional format (pattern letters in regionalsettings.h).
std::string formatByPattern(DateTime value, std::string_view pattern, const RegionalSettings &settings);
std::string formatShortDate(DateTime value, const RegionalSettings &settings);
std::string formatLongTime(DateTime value, const RegionalSettings &settings);
// The short date, then a blank and the long time unless the time of day is 00:00:00.
std::string formatShortDateTime(DateTime value, const RegionalSettings &settings);

// Reading. A two-digit year takes the century that puts it within 50 years of
// currentYear. Leading and trailing blanks are ignored. nullopt when unreadable.
// A date is read in the field order of the short date format, its fields separated by
// the date separator or by the format's own separator; day and month take 1 or 2
// digits, the month also its abbreviated name, the year 2 or 4 digits. Day and month
// alone are a date in currentYear.
std::optional<DateTime> parseDate(std::string_view text, const RegionalSettings &settings, int currentYear);
// h[:mm[:ss[.zzz]]] with the time separator (or the long time format's own), and an
// optional AM/PM designator before or after it; with an empty separator the digits
// are read in pairs from the hour on ("0930" is 09:30).
std::optional<DateTime> parseTime(std::string_view text, const RegionalSettings &settings);
// A date optionally followed by a blank and a time.
std::optional<DateTime> parseDateTime(std::string_view text, const RegionalSettings &settings, int currentYear);

// A number typed by the user: optional sign, digits with the regional decimal separator,
// optional exponent. Blanks around it are ignored. nullopt when unreadable.
std::optional<double> parseFloat(std::string_view text, const RegionalSettings &settings);

} // namespace kestrun
