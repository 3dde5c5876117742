// SPDX-License-Identifier: MIT
#pragma once

#include "core/datetime.h"
#include "core/regionalsettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The values of the properties store's sections as text: what is written for each kind
// of value and how a text found in the file reads back. Standard C++ only (no Qt), so the
// reading rules can be fuzzed alone.
namespace kestrun {

// A date-time among the stored kinds, kept apart from a plain number.
struct StoredDateTime {
    DateTime days = 0;
    friend bool operator==(StoredDateTime, StoredDateTime) = default;
};

// One stored value by kind: text, integer, number, date-time, true or false.
using StoreValue = std::variant<std::string, std::int32_t, double, StoredDateTime, bool>;

// The text written for a value: an integer in decimal digits, a number in the general
// form with the regional decimal separator, a date-time as the regional short date (its
// year always with four digits, so that it reads back into the same century) followed,
// unless the time of day is 00:00:00, by a blank and the regional long time; text, True
// and False between double quotes, inner quotes left as they are.
// Throws kestrun::Error for a date-time the regional forms cannot show.
std::string encodeStoreValue(const StoreValue &value, const RegionalSettings &settings);

// The value a stored text stands for, by the first of these rules that applies:
//  1. two or more characters between double quotes: the text inside them;
//  2. a 32-bit signed integer (optional sign, decimal digits, or hexadecimal digits after
//     "$" or "0x"): that integer;
//  3. a decimal number with "." (optional sign, optional exponent): that number;
//  4. a regional date, or date and time (two- or four-digit year): that date-time;
//  5. anything else: the text unchanged.
// Never fails and never yields bool: True and False come back as text.
// currentYear places two-digit years (within 50 years of it).
StoreValue readStoreValue(std::string_view text, const RegionalSettings &settings, int currentYear);

// Rules 2 to 4 alone. Hexadecimal takes up to eight digits as a 32-bit pattern
// ("$FFFFFFFF" is -1), as programs that write their integers in hexadecimal mean it.
std::optional<std::int32_t> readStoreInteger(std::string_view text);
std::optional<double> readStoreNumber(std::string_view text);
std::optional<DateTime> readStoreDateTime(std::string_view text, const RegionalSettings &settings, int currentYear);

// A date format with every year field widened to "yyyy"; literal text between single
// quotes is left alone.
std::string withFourDigitYear(std::string_view dateFormat);

} // namespace kestrun
