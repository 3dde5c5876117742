// SPDX-License-Identifier: MIT
#pragma once

#include "core/datetime.h"
#include "core/regionalsettings.h"

#include <string>
#include <string_view>

namespace kestrun {

// General form: 15 significant digits, half away from zero, no trailing zeros; fixed
// notation for 0.0001 <= |x| < 1E15, else scientific ("5E-5", "1E15", "1.5E17").
// Infinities and NaN are written "INF", "-INF" and "NAN".
std::string formatGeneral(double value, const RegionalSettings &settings);

// Fixed form with 0 to 18 decimals, half away from zero on the first 18 significant
// digits, never a minus zero; magnitudes from 1E18 on fall back to the general form.
std::string formatFixed(double value, int decimals, const RegionalSettings &settings);

// A display pattern such as "0.000 m", "0.0 days" or "0": each 0 a digit always shown,
// the full stop places the decimal separator, any other character is copied. The value
// is rounded as formatFixed does, to the number of zeros after the full stop.
// The number stands where the first run of zeros and full stops stands; a minus sign
// goes in front of the whole text. An empty pattern gives the general form.
std::string formatNumberPattern(double value, std::string_view pattern, const RegionalSettings &settings);

// Date-time pattern with "dd", "mmm", "yyyy", "hh", "mm" (minutes after hh), "ss", ":"
// (the regional time separator, possibly empty) and literal blanks, as in
// "dd mmm yyyy hh:mm", "dd mmm yyyy", "hh:mm:ss". Rounded to the millisecond, then
// truncated. Throws kestrun::Error for moments outside the years 1 to 9999.
// Letters are read without regard to case; also understood: d, m (month, or minute
// after an hour), yy, h, n/nn (minute), s, z/zzz (milliseconds), "/" (the regional
// date separator) and literal text between double or single quotes.
std::string formatDateTime(DateTime value, std::string_view pattern, const RegionalSettings &settings);

// The same forms appended to an existing string, for callers that build long texts
// (the report block) without a temporary per value.
void appendGeneral(std::string &out, double value, const RegionalSettings &settings);
void appendFixed(std::string &out, double value, int decimals, const RegionalSettings &settings);
void appendDateTime(std::string &out, DateTime value, std::string_view pattern, const RegionalSettings &settings);

} // namespace kestrun
