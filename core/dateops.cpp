// SPDX-License-Identifier: MIT
#include "core/dateops.h"

#include "core/extended.h"

#include <cmath>

namespace kestrun {

using X = Extended;

DateTime AddMinutes(DateTime dateTime, long double minutes)
{
    return narrow(X(minutes) * kOneMinute + dateTime);
}

DateTime AddHours(DateTime dateTime, long double hours)
{
    return narrow(X(hours) * kOneHour + dateTime);
}

DateTime AddDays(DateTime dateTime, long double days)
{
    return narrow(X(days) + dateTime);
}

long double DaysToHours(long double days)
{
    return (X(days) * kHoursPerDay).value();
}

double HoursApart(DateTime a, DateTime b)
{
    const double days = narrow(a > b ? X(a) - b : X(b) - a);
    return narrow(X(days) * kHoursPerDay);
}

bool SameMoment(DateTime a, DateTime b)
{
    const double dayA = std::trunc(a);
    const double dayB = std::trunc(b);
    if (dayA != dayB)
        return false;
    // A double minus its whole part is exact, so only the comparison needs extended precision.
    const long double apart = std::fabs(static_cast<long double>(a - dayA) - (b - dayB));
    return apart < kOneMillisecond;
}

long double ElapsedDays(DateTime from, DateTime to)
{
    if (SameMoment(from, to))
        return 0;
    return static_cast<long double>(to) - from;
}

} // namespace kestrun
