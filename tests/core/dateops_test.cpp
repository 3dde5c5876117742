// SPDX-License-Identifier: MIT
#include "core/dateops.h"

#include "core/error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <type_traits>

namespace kestrun {
namespace {

constexpr DateTime kJanuary1At9 = 38718.375; // 1 January 2006 09:00

static_assert(std::is_same_v<decltype(DaysToHours(1.0L)), long double>, "hours stay in extended precision");

// The smallest double at or above one millisecond in days, and the double just below it.
double millisecondOrMore()
{
    double up = static_cast<double>(kOneMillisecond);
    if (up < kOneMillisecond)
        up = std::nextafter(up, 1.0);
    return up;
}

struct MomentCase {
    const char *name;
    DateTime a;
    DateTime b;
    bool same;
};

void PrintTo(const MomentCase &c, std::ostream *os) { *os << c.name; }

class SameMomentTable : public testing::TestWithParam<MomentCase> {};

// Offsets are powers of two so that every date-time is exact: 2^-27 days is 0.64 ms,
// 2^-25 days 2.6 ms, 2^-30 days 80 microseconds.
const MomentCase kMomentCases[] = {
    {"Identical", kJanuary1At9, kJanuary1At9, true},
    {"BelowOneMillisecondLater", kJanuary1At9, kJanuary1At9 + 0x1p-27, true},
    {"BelowOneMillisecondEarlier", kJanuary1At9 + 0x1p-27, kJanuary1At9, true},
    {"TwoMillisecondsLater", kJanuary1At9, kJanuary1At9 + 0x1p-25, false},
    {"JustBeforeMidnightAndMidnight", 38719 - 0x1p-30, 38719, false},
    {"MidnightAndJustBefore", 38719, 38719 - 0x1p-30, false},
    {"AtOneMillisecond", 0, millisecondOrMore(), false},
    {"JustBelowOneMillisecond", 0, std::nextafter(millisecondOrMore(), 0.0), true},
    // Before day 0 the whole day is the value with its fraction dropped toward zero.
    {"NegativeSameWholeDay", -1.25, -1.25 - 0x1p-27, true},
    {"NegativeEitherSideOfWholeDay", -1 + 0x1p-30, -1, false},
};

TEST_P(SameMomentTable, ComparesWholeDayAndMillisecond)
{
    const MomentCase &c = GetParam();
    EXPECT_EQ(SameMoment(c.a, c.b), c.same);
    if (c.same)
        EXPECT_EQ(ElapsedDays(c.a, c.b), 0.0L) << "the same moment is exactly 0 days apart";
    else
        EXPECT_EQ(ElapsedDays(c.a, c.b), static_cast<long double>(c.b) - c.a) << "signed difference";
}

INSTANTIATE_TEST_SUITE_P(DateOps, SameMomentTable, testing::ValuesIn(kMomentCases),
                         [](const testing::TestParamInfo<MomentCase> &info) { return std::string(info.param.name); });

TEST(DateOps, ElapsedDaysAcrossMidnightIsSigned)
{
    EXPECT_EQ(ElapsedDays(38719 - 0x1p-30, 38719), 0x1p-30L);
    EXPECT_EQ(ElapsedDays(38719, 38719 - 0x1p-30), -0x1p-30L);
    EXPECT_EQ(ElapsedDays(kJanuary1At9, 38719.875), 1.5L);
    EXPECT_EQ(ElapsedDays(38719.875, kJanuary1At9), -1.5L);
}

TEST(DateOps, HoursApartIsAbsolute)
{
    EXPECT_EQ(HoursApart(kJanuary1At9, 38719.875), 36.0);
    EXPECT_EQ(HoursApart(38719.875, kJanuary1At9), 36.0);
    EXPECT_EQ(HoursApart(kJanuary1At9, 38718.125), 6.0);
    EXPECT_EQ(HoursApart(kJanuary1At9, kJanuary1At9), 0.0);
}

// 2^53 + 1.5 days narrow to 2^53 + 2 first; 24 times that, 3·2^56 + 48, is a tie between
// doubles 32 apart and goes to the even one, 3·2^56 + 64. Multiplying the unrounded
// difference would give 3·2^56 + 36 and so 3·2^56 + 32.
TEST(DateOps, HoursApartNarrowsTheDaysFirst)
{
    EXPECT_EQ(HoursApart(0x1p53, -1.5), 3 * 0x1p56 + 64);
    EXPECT_EQ(HoursApart(-1.5, 0x1p53), 3 * 0x1p56 + 64);
}

struct AddCase {
    const char *name;
    DateTime (*add)(DateTime, long double);
    DateTime start;
    long double amount;
    DateTime expected;
    double tolerance;
};

void PrintTo(const AddCase &c, std::ostream *os) { *os << c.name; }

class AddTable : public testing::TestWithParam<AddCase> {};

const AddCase kAddCases[] = {
    // 400 minutes after 09:00 is 15:40; 1/1440 has no exact binary value.
    {"MinutesToAfternoon", AddMinutes, kJanuary1At9, 400, 38718 + 15.0 / 24 + 40.0 / 1440, 1e-9},
    {"NegativeMinutes", AddMinutes, kJanuary1At9, -540, 38718, 1e-9},
    {"TwelveHours", AddHours, kJanuary1At9, 12, 38718.875, 0},
    {"HoursIntoNextDay", AddHours, kJanuary1At9, 36, 38719.875, 0},
    {"OneDay", AddDays, kJanuary1At9, 1, 38719.375, 0},
    {"DaysRoundToDblMax", AddDays, DBL_MAX, 1, DBL_MAX, 0},
};

TEST_P(AddTable, AddsTheAmount)
{
    const AddCase &c = GetParam();
    EXPECT_NEAR(c.add(c.start, c.amount), c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(DateOps, AddTable, testing::ValuesIn(kAddCases),
                         [](const testing::TestParamInfo<AddCase> &info) { return std::string(info.param.name); });

TEST(DateOps, DaysToHoursStaysExtended)
{
    EXPECT_EQ(DaysToHours(1.5L), 36.0L);
    // DBL_MAX days in hours exceeds a double but not the extended range.
    EXPECT_EQ(DaysToHours(DBL_MAX), static_cast<long double>(DBL_MAX) * 24);
}

TEST(DateOps, ResultsBeyondTheDoubleRangeOverflow)
{
    EXPECT_THROW(AddDays(DBL_MAX, DBL_MAX), FloatingPointError);
    EXPECT_THROW(AddMinutes(0, static_cast<long double>(DBL_MAX) * 1440 * 2), FloatingPointError);
    EXPECT_THROW(HoursApart(DBL_MAX, -DBL_MAX), FloatingPointError);
    EXPECT_THROW(HoursApart(DBL_MAX / 2, 0), FloatingPointError);
}

} // namespace
} // namespace kestrun
