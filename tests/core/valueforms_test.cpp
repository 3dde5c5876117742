// SPDX-License-Identifier: MIT
#include "core/error.h"
#include "core/valueforms.h"

#include "tests/core/testregionalsettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

using kestrun::RegionalSettings;

namespace {

RegionalSettings decimalComma()
{
    RegionalSettings s;
    s.decimalSeparator = ",";
    return s;
}

using testsettings::germanGermany;

RegionalSettings timeSeparator(std::string separator)
{
    RegionalSettings s;
    s.timeSeparator = std::move(separator);
    return s;
}

// Day numbers counted from the documented 1 January 2006 = 38718.
constexpr double kJan1st2006 = 38718;
constexpr double kMar1st2006 = kJan1st2006 + 31 + 28;
constexpr double kOct31st2006 = kJan1st2006 + 303;
constexpr double kDec25th2006 = kJan1st2006 + 358;

constexpr double timeOfDay(double h, double m, double s)
{
    return (h * 3600 + m * 60 + s) / 86400;
}

// ---- General form --------------------------------------------------------------

struct GeneralCase {
    const char *name;
    double value;
    const char *expected;
    RegionalSettings settings = {};
};

void PrintTo(const GeneralCase &c, std::ostream *os) { *os << c.name; }

class GeneralFormTest : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormTest, WritesFifteenSignificantDigits)
{
    const auto &c = GetParam();
    EXPECT_EQ(kestrun::formatGeneral(c.value, c.settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralFormTest,
    testing::Values(
        GeneralCase{"Whole", 5, "5"},
        GeneralCase{"OneDecimal", 12.5, "12.5"},
        GeneralCase{"SmallestFixed", 0.0001, "0.0001"},
        GeneralCase{"SmallFixedWithDigits", 0.000123, "0.000123"},
        GeneralCase{"TwoDecimals", 3.25, "3.25"},
        GeneralCase{"TrailingIntegerZeros", 1500, "1500"},
        GeneralCase{"FourDecimals", 12.3456, "12.3456"},
        GeneralCase{"HundredthsKeepLeadingZero", 0.05, "0.05"},
        GeneralCase{"BelowFixedRange", 0.00005, "5E-5"},
        GeneralCase{"TinyScientific", 1e-10, "1E-10"},
        GeneralCase{"LargestFixed", 123456789012345, "123456789012345"},
        GeneralCase{"FirstScientific", 1e15, "1E15"},
        GeneralCase{"ScientificWithDecimals", 1.5e17, "1.5E17"},
        GeneralCase{"ThreeDigitExponent", 1e100, "1E100"},
        GeneralCase{"Negative", -12.5, "-12.5"},
        GeneralCase{"NegativeScientific", -0.00005, "-5E-5"},
        GeneralCase{"Zero", 0, "0"},
        GeneralCase{"MinusZero", -0.0, "0"},
        GeneralCase{"SixteenthDigitTieRoundsUp", 100000000000000.5, "100000000000001"},
        GeneralCase{"NegativeTieRoundsAwayFromZero", -100000000000000.5, "-100000000000001"},
        GeneralCase{"BinaryNoiseRemoved", 0.1 + 0.2, "0.3"},
        GeneralCase{"RoundsToFifteenDigits", 1.23456789012345678, "1.23456789012346"},
        GeneralCase{"CarryReachesScientificRange", 999999999999999.9, "1E15"},
        GeneralCase{"DecimalComma", 12.5, "12,5", decimalComma()},
        GeneralCase{"DecimalCommaScientific", 1.5e17, "1,5E17", decimalComma()},
        GeneralCase{"Infinity", std::numeric_limits<double>::infinity(), "INF"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Fixed form ----------------------------------------------------------------

struct FixedCase {
    const char *name;
    double value;
    int decimals;
    const char *expected;
    RegionalSettings settings = {};
};

void PrintTo(const FixedCase &c, std::ostream *os) { *os << c.name; }

class FixedFormTest : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormTest, RoundsHalfAwayFromZero)
{
    const auto &c = GetParam();
    EXPECT_EQ(kestrun::formatFixed(c.value, c.decimals, c.settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedFormTest,
    testing::Values(
        FixedCase{"QuarterToOneDecimal", 0.25, 1, "0.3"},
        FixedCase{"HalfToWhole", 2.5, 0, "3"},
        FixedCase{"EightyPointFive", 80.5, 0, "81"},
        FixedCase{"ZeroBeforePoint", 0.5, 3, "0.500"},
        FixedCase{"HalfToZeroDecimals", 0.5, 0, "1"},
        FixedCase{"NoMinusZero", -0.0004, 3, "0.000"},
        FixedCase{"NoMinusZeroWhole", -0.4, 0, "0"},
        FixedCase{"MinusZeroInput", -0.0, 1, "0.0"},
        FixedCase{"NegativeKeepsSign", -1.5, 3, "-1.500"},
        FixedCase{"NegativeHalfAwayFromZero", -1.5, 0, "-2"},
        // Just below the tie in binary, a tie in its first 18 digits: rounds up.
        FixedCase{"EighteenDigitTie", 0.1245, 3, "0.125"},
        FixedCase{"EighteenDigitTieCarries", 0.0195, 3, "0.020"},
        // Below the tie even in its first 18 digits (1.00049999999999994).
        FixedCase{"BelowEighteenDigitTie", 1.0005, 3, "1.000"},
        FixedCase{"CarryIntoNewDigit", 0.0005, 3, "0.001"},
        FixedCase{"CarryThroughNines", 9.96, 1, "10.0"},
        FixedCase{"CarryThroughInteger", 999.9996, 3, "1000.000"},
        FixedCase{"ThreeDecimals", 12.3456, 3, "12.346"},
        FixedCase{"Zero", 0, 3, "0.000"},
        FixedCase{"BelowGeneralLimit", 123456789012345.0, 1, "123456789012345.0"},
        FixedCase{"GeneralFromLimit", 1e18, 3, "1E18"},
        FixedCase{"NegativeGeneralFromLimit", -1e18, 0, "-1E18"},
        FixedCase{"DecimalComma", 12.5, 1, "12,5", decimalComma()}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Display patterns ----------------------------------------------------------

struct PatternCase {
    const char *name;
    double value;
    const char *pattern;
    const char *expected;
    RegionalSettings settings = {};
};

void PrintTo(const PatternCase &c, std::ostream *os) { *os << c.name; }

class NumberPatternTest : public testing::TestWithParam<PatternCase> {};

TEST_P(NumberPatternTest, CopiesLiteralsAroundTheNumber)
{
    const auto &c = GetParam();
    EXPECT_EQ(kestrun::formatNumberPattern(c.value, c.pattern, c.settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, NumberPatternTest,
    testing::Values(
        PatternCase{"Metres", 12.5, "0.000 m", "12.500 m"},
        PatternCase{"Minutes", 5, "0.0 min", "5.0 min"},
        PatternCase{"DaysRoundHalfUp", 1.25, "0.0 days", "1.3 days"},
        PatternCase{"HoursNoMinusZero", -0.04, "0.0 hrs", "0.0 hrs"},
        PatternCase{"NegativeKilometres", -1.5, "0.000 km", "-1.500 km"},
        PatternCase{"BareThreeDecimals", 0.0005, "0.000", "0.001"},
        PatternCase{"BareOneDecimal", 0.25, "0.0", "0.3"},
        PatternCase{"Whole", 2.5, "0", "3"},
        PatternCase{"DecimalComma", 12.5, "0.000 m", "12,500 m", decimalComma()},
        PatternCase{"LeadingZerosShown", 5, "00.0", "05.0"},
        PatternCase{"HugeValueGeneral", 1e18, "0.0 m", "1E18 m"},
        PatternCase{"EmptyPatternIsGeneral", 12.5, "", "12.5"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Date-time form ------------------------------------------------------------

struct DateTimeCase {
    const char *name;
    double value;
    const char *pattern;
    const char *expected;
    RegionalSettings settings = {};
};

void PrintTo(const DateTimeCase &c, std::ostream *os) { *os << c.name; }

class DateTimeFormTest : public testing::TestWithParam<DateTimeCase> {};

TEST_P(DateTimeFormTest, TruncatesAfterRoundingToTheMillisecond)
{
    const auto &c = GetParam();
    EXPECT_EQ(kestrun::formatDateTime(c.value, c.pattern, c.settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, DateTimeFormTest,
    testing::Values(
        DateTimeCase{"ZeroDate", 0, "dd mmm yyyy", "30 Dec 1899"},
        DateTimeCase{"ZeroTime", 0, "hh:mm:ss", "00:00:00"},
        DateTimeCase{"HeadingMinutesTruncated", kJan1st2006 + timeOfDay(14, 5, 59.7), "dd mmm yyyy hh:mm",
                     "01 Jan 2006 14:05"},
        DateTimeCase{"SecondsTruncated", timeOfDay(14, 5, 59.7), "hh:mm:ss", "14:05:59"},
        DateTimeCase{"LastMillisecondRoundsToNextDay", kJan1st2006 + timeOfDay(23, 59, 59.9996), "dd mmm yyyy hh:mm",
                     "02 Jan 2006 00:00"},
        DateTimeCase{"PredictedMoment", kJan1st2006 + 1 + timeOfDay(3, 40, 0), "dd mmm yyyy hh:mm:ss",
                     "02 Jan 2006 03:40:00"},
        DateTimeCase{"FullStopTimeSeparator", 0.375, "hh:mm:ss", "09.00.00", timeSeparator(".")},
        DateTimeCase{"EmptyTimeSeparator", 0.375, "hh:mm:ss", "090000", timeSeparator("")},
        DateTimeCase{"GermanMarch", kMar1st2006, "dd mmm yyyy", "01 Mär 2006", germanGermany()},
        DateTimeCase{"GermanOctober", kOct31st2006, "dd mmm yyyy", "31 Okt 2006", germanGermany()},
        DateTimeCase{"GermanDecember", kDec25th2006, "dd mmm yyyy", "25 Dez 2006", germanGermany()},
        DateTimeCase{"NegativeDateTowardZero", -1.25, "dd mmm yyyy hh:mm", "29 Dec 1899 06:00"},
        DateTimeCase{"NegativeFractionOnly", -0.5, "dd mmm yyyy hh:mm", "30 Dec 1899 12:00"},
        DateTimeCase{"FirstDayOfYearOne", -693593, "dd mmm yyyy", "01 Jan 0001"},
        DateTimeCase{"LastMinuteOfYear9999", 2958465 + timeOfDay(23, 59, 30), "dd mmm yyyy hh:mm", "31 Dec 9999 23:59"},
        DateTimeCase{"MonthNumberWhenNoHourBefore", kMar1st2006, "dd mm yyyy", "01 03 2006"}),
    [](const auto &info) { return std::string(info.param.name); });

class DateTimeFormRangeTest : public testing::TestWithParam<double> {};

TEST_P(DateTimeFormRangeTest, ThrowsOutsideYearsOneTo9999)
{
    try {
        kestrun::formatDateTime(GetParam(), "dd mmm yyyy", RegionalSettings{});
        FAIL() << "no error for " << GetParam();
    } catch (const kestrun::Error &e) {
        EXPECT_NE(std::string(e.what()).find("outside the years 1 to 9999"), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Moments, DateTimeFormRangeTest,
                         testing::Values(2958466.0, 2958465.999999995 /* rounds up to the year 10000 */, -693594.0, 1e300,
                                         std::numeric_limits<double>::quiet_NaN()));

} // namespace
