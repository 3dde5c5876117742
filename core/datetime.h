// SPDX-License-Identifier: MIT
#pragma once

namespace kestrun {

// A moment as days since 30 December 1899 00:00; the fraction is the time of day
// (0.375 is 09:00). Dates are whole numbers, times of day fractions below 1.
using DateTime = double;

inline constexpr double kHoursPerDay = 24.0;
inline constexpr double kMinutesPerHour = 60.0;
inline constexpr double kMillisecondsPerDay = 86'400'000.0;

} // namespace kestrun
