// SPDX-License-Identifier: MIT
#pragma once

#include "core/datetime.h"

namespace kestrun {

// The date arithmetic of the engine. Amounts come in extended precision as computed;
// each operation that returns a DateTime narrows once, at the end. All of them raise
// kestrun::FloatingPointError (Overflow) when the result leaves the double range.

// The units in days, each the nearest extended value (none of them is exact in binary).
inline constexpr long double kOneMinute = 1.0L / (kHoursPerDay * kMinutesPerHour);
inline constexpr long double kOneHour = 1.0L / kHoursPerDay;
inline constexpr long double kOneMillisecond = 1.0L / kMillisecondsPerDay;

// minutes × one minute + dateTime, narrowed.
DateTime AddMinutes(DateTime dateTime, long double minutes);
// hours × one hour + dateTime, narrowed.
DateTime AddHours(DateTime dateTime, long double hours);
// days + dateTime, narrowed.
DateTime AddDays(DateTime dateTime, long double days);
// days × 24, left in extended precision for the formula it enters.
long double DaysToHours(long double days);
// |a − b| (larger minus smaller) narrowed, then × 24 narrowed.
double HoursApart(DateTime a, DateTime b);
// Same whole day (fraction dropped toward zero) and day fractions strictly less than one
// millisecond apart. Moments on either side of a midnight are never the same moment.
bool SameMoment(DateTime a, DateTime b);
// 0 for the same moment, otherwise to − from in extended precision, signed.
long double ElapsedDays(DateTime from, DateTime to);

} // namespace kestrun
