// SPDX-License-Identifier: MIT
#include "core/error.h"
#include "core/regionaldates.h"

#include "tests/core/testregionalsettings.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <tuple>

using kestrun::CivilDateTime;
using kestrun::RegionalSettings;

namespace {

RegionalSettings englishUnitedStates()
{
    RegionalSettings s;
    s.shortDateFormat = "M/d/yy";
    return s;
}

using testsettings::germanGermany;

RegionalSettings englishUnitedKingdom()
{
    RegionalSettings s;
    s.shortDateFormat = "dd/MM/yyyy";
    s.longTimeFormat = "HH:mm:ss";
    return s;
}

RegionalSettings iso()
{
    RegionalSettings s;
    s.dateSeparator = "-";
    s.shortDateFormat = "yyyy-MM-dd";
    s.longTimeFormat = "HH:mm:ss";
    return s;
}

RegionalSettings monthNames()
{
    RegionalSettings s = germanGermany();
    s.dateSeparator = " ";
    s.shortDateFormat = "dd MMM yyyy";
    return s;
}

RegionalSettings fullStopTime()
{
    RegionalSettings s = germanGermany();
    s.timeSeparator = ".";
    s.longTimeFormat = "HH.mm.ss";
    return s;
}

RegionalSettings emptyTimeSeparator()
{
    RegionalSettings s = englishUnitedKingdom();
    s.timeSeparator = "";
    s.longTimeFormat = "HHmmss";
    return s;
}

// The documented day numbers: 1 January 2006 is 38718, 2 January 2006 is 38719.
constexpr double kJan1st2006 = 38718;
constexpr double kJan2nd2006 = 38719;

constexpr double timeOfDay(double h, double m, double s)
{
    return (h * 3600 + m * 60 + s) / 86400;
}

struct Ymd {
    int year;
    unsigned month, day;
};

// ---- Calendar ------------------------------------------------------------------

class EncodeDateTest : public testing::TestWithParam<std::tuple<Ymd, double>> {};

TEST_P(EncodeDateTest, CountsDaysFromThe30thOfDecember1899)
{
    const auto [ymd, dayNumber] = GetParam();
    EXPECT_EQ(kestrun::encodeDate(ymd.year, ymd.month, ymd.day), dayNumber);
    const CivilDateTime c = kestrun::decodeDateTime(dayNumber);
    EXPECT_EQ(std::tie(c.year, c.month, c.day), std::tie(ymd.year, ymd.month, ymd.day));
}

INSTANTIATE_TEST_SUITE_P(Days, EncodeDateTest,
                         testing::Values(std::tuple{Ymd{1899, 12, 30}, 0.0}, std::tuple{Ymd{2006, 1, 1}, kJan1st2006},
                                         std::tuple{Ymd{2006, 1, 2}, kJan2nd2006},
                                         std::tuple{Ymd{1900, 3, 1}, 61.0}, // 1900 is no leap year
                                         std::tuple{Ymd{1, 1, 1}, -693593.0},
                                         std::tuple{Ymd{9999, 12, 31}, 2958465.0}));

class InvalidDateTest : public testing::TestWithParam<Ymd> {};

TEST_P(InvalidDateTest, Throws)
{
    const Ymd d = GetParam();
    EXPECT_THROW(kestrun::encodeDate(d.year, d.month, d.day), kestrun::Error);
}

INSTANTIATE_TEST_SUITE_P(Days, InvalidDateTest,
                         testing::Values(Ymd{2006, 2, 29}, Ymd{2006, 13, 1}, Ymd{2006, 257, 1}, Ymd{2006, 4, 31},
                                         Ymd{2006, 1, 0}, Ymd{0, 1, 1}, Ymd{10000, 1, 1}));

TEST(EncodeTime, FractionOfTheDay)
{
    EXPECT_EQ(kestrun::encodeTime(9, 0, 0), 0.375);
    EXPECT_EQ(kestrun::encodeTime(21, 0, 0), 0.875);
    EXPECT_DOUBLE_EQ(kestrun::encodeTime(3, 40, 0, 500), timeOfDay(3, 40, 0.5));
    EXPECT_THROW(kestrun::encodeTime(24, 0, 0), kestrun::Error);
    EXPECT_THROW(kestrun::encodeTime(0, 60, 0), kestrun::Error);
    EXPECT_THROW(kestrun::encodeTime(0, 0, 0, 1000), kestrun::Error);
}

TEST(DecodeDateTime, RoundsToTheMillisecond)
{
    const CivilDateTime c = kestrun::decodeDateTime(kJan2nd2006 + timeOfDay(3, 39, 59.9996));
    EXPECT_EQ(std::tie(c.year, c.month, c.day, c.hour, c.minute, c.second, c.millisecond),
              std::make_tuple(2006, 1u, 2u, 3u, 40u, 0u, 0u));
}

// ---- Regional formatting -------------------------------------------------------

struct FormatCase {
    const char *name;
    RegionalSettings settings;
    double value;
    const char *date;
    const char *time;
    const char *dateTime;
};

void PrintTo(const FormatCase &c, std::ostream *os) { *os << c.name; }

class RegionalFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(RegionalFormatTest, WritesShortDateAndLongTime)
{
    const auto &c = GetParam();
    EXPECT_EQ(kestrun::formatShortDate(c.value, c.settings), c.date);
    EXPECT_EQ(kestrun::formatLongTime(c.value, c.settings), c.time);
    EXPECT_EQ(kestrun::formatShortDateTime(c.value, c.settings), c.dateTime);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RegionalFormatTest,
    testing::Values(
        FormatCase{"UnitedStatesEvening", englishUnitedStates(), kJan2nd2006 + 0.875, "1/2/06", "9:00:00 PM",
                   "1/2/06 9:00:00 PM"},
        FormatCase{"UnitedStatesMidnight", englishUnitedStates(), kJan2nd2006, "1/2/06", "12:00:00 AM", "1/2/06"},
        FormatCase{"UnitedStatesNoon", englishUnitedStates(), kJan2nd2006 + 0.5, "1/2/06", "12:00:00 PM",
                   "1/2/06 12:00:00 PM"},
        FormatCase{"TimeRowOnDayZero", RegionalSettings::englishUnitedStates(), 0.375, "12/30/1899", "9:00:00 AM",
                   "12/30/1899 9:00:00 AM"},
        FormatCase{"Germany", germanGermany(), kJan2nd2006 + 0.875, "02.01.06", "21:00:00", "02.01.06 21:00:00"},
        FormatCase{"UnitedKingdom", englishUnitedKingdom(), kJan2nd2006 + timeOfDay(3, 40, 5), "02/01/2006",
                   "03:40:05", "02/01/2006 03:40:05"},
        FormatCase{"Iso", iso(), kJan2nd2006 + 0.375, "2006-01-02", "09:00:00", "2006-01-02 09:00:00"},
        FormatCase{"MonthNames", monthNames(), kJan1st2006 + 59, "01 Mär 2006", "00:00:00", "01 Mär 2006"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FormatByPattern, QuotedTextMarkersAndZone)
{
    const RegionalSettings s;
    EXPECT_EQ(kestrun::formatByPattern(kJan2nd2006 + 0.875, "'day' d 'o''clock' h ap t", s), "day 2 o'clock 9 pm");
    EXPECT_EQ(kestrun::formatByPattern(timeOfDay(21, 5, 7.25), "HH:mm:ss.zzz|h:m:s.z", s), "21:05:07.250|21:5:7.25");
}

// ---- Reading -------------------------------------------------------------------

constexpr int kCurrentYear = 2006;

struct ParseDateCase {
    const char *name;
    RegionalSettings settings;
    const char *text;
    std::optional<Ymd> expected;
};

void PrintTo(const ParseDateCase &c, std::ostream *os) { *os << c.name << " '" << c.text << "'"; }

class ParseDateTest : public testing::TestWithParam<ParseDateCase> {};

TEST_P(ParseDateTest, ReadsByTheShortDateFormat)
{
    const auto &c = GetParam();
    const auto value = kestrun::parseDate(c.text, c.settings, kCurrentYear);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (c.expected) {
        EXPECT_EQ(*value, kestrun::encodeDate(c.expected->year, c.expected->month, c.expected->day));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateTest,
    testing::Values(
        ParseDateCase{"UsShort", englishUnitedStates(), "1/2/06", Ymd{2006, 1, 2}},
        ParseDateCase{"UsLeadingZeros", englishUnitedStates(), "01/02/2006", Ymd{2006, 1, 2}},
        ParseDateCase{"UsBlanksAround", englishUnitedStates(), "  12/31/2006 ", Ymd{2006, 12, 31}},
        ParseDateCase{"WindowLowestYear", englishUnitedStates(), "12/31/56", Ymd{1956, 12, 31}},
        ParseDateCase{"WindowNextCentury", englishUnitedStates(), "1/1/55", Ymd{2055, 1, 1}},
        ParseDateCase{"WindowTurnOfCentury", englishUnitedStates(), "1/1/00", Ymd{2000, 1, 1}},
        ParseDateCase{"DayAndMonthOnly", englishUnitedStates(), "3/4", Ymd{2006, 3, 4}},
        ParseDateCase{"MonthNameInNumericFormat", englishUnitedStates(), "Mar/4/2006", Ymd{2006, 3, 4}},
        ParseDateCase{"UsNoLeapDay", englishUnitedStates(), "2/29/2006", std::nullopt},
        ParseDateCase{"UsMonth13", englishUnitedStates(), "13/1/2006", std::nullopt},
        ParseDateCase{"ThreeDigitYear", englishUnitedStates(), "1/2/006", std::nullopt},
        ParseDateCase{"ThreeDigitDay", englishUnitedStates(), "1/002/2006", std::nullopt},
        ParseDateCase{"WrongSeparator", englishUnitedStates(), "1-2-2006", std::nullopt},
        ParseDateCase{"TrailingText", englishUnitedStates(), "1/2/2006x", std::nullopt},
        ParseDateCase{"TrailingSeparator", englishUnitedStates(), "1/2/", std::nullopt},
        ParseDateCase{"SingleNumber", englishUnitedStates(), "12", std::nullopt},
        ParseDateCase{"Empty", englishUnitedStates(), "", std::nullopt},
        ParseDateCase{"GermanShort", germanGermany(), "02.01.06", Ymd{2006, 1, 2}},
        ParseDateCase{"GermanOneDigitFields", germanGermany(), "2.1.2006", Ymd{2006, 1, 2}},
        ParseDateCase{"GermanNoApril31st", germanGermany(), "31.04.2006", std::nullopt},
        ParseDateCase{"GermanUsOrderRefused", germanGermany(), "1/31/2006", std::nullopt},
        ParseDateCase{"BritishDayFirst", englishUnitedKingdom(), "02/01/2006", Ymd{2006, 1, 2}},
        ParseDateCase{"BritishTwoDigitYear", englishUnitedKingdom(), "2/1/06", Ymd{2006, 1, 2}},
        ParseDateCase{"BritishMonthSecond", englishUnitedKingdom(), "1/31/2006", std::nullopt},
        ParseDateCase{"IsoYearFirst", iso(), "2006-01-02", Ymd{2006, 1, 2}},
        ParseDateCase{"IsoTwoDigitYear", iso(), "06-1-2", Ymd{2006, 1, 2}},
        ParseDateCase{"IsoDayAndMonthOnly", iso(), "3-4", Ymd{2006, 3, 4}},
        ParseDateCase{"IsoYearZero", iso(), "0000-01-02", std::nullopt},
        ParseDateCase{"MonthName", monthNames(), "05 Mär 2006", Ymd{2006, 3, 5}},
        ParseDateCase{"MonthNameOtherCase", monthNames(), "31 OKT 2006", Ymd{2006, 10, 31}},
        ParseDateCase{"MonthNumberWhereNameExpected", monthNames(), "05 03 2006", Ymd{2006, 3, 5}},
        ParseDateCase{"UnknownMonthName", monthNames(), "05 Mrz 2006", std::nullopt},
        ParseDateCase{"MonthNameInDayPlace", monthNames(), "Mär 05 2006", std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

struct ParseTimeCase {
    const char *name;
    RegionalSettings settings;
    const char *text;
    std::optional<double> expected;
};

void PrintTo(const ParseTimeCase &c, std::ostream *os) { *os << c.name << " '" << c.text << "'"; }

class ParseTimeTest : public testing::TestWithParam<ParseTimeCase> {};

TEST_P(ParseTimeTest, ReadsByTheTimeSeparator)
{
    const auto &c = GetParam();
    const auto value = kestrun::parseTime(c.text, c.settings);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (c.expected) {
        EXPECT_DOUBLE_EQ(*value, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTimeTest,
    testing::Values(
        ParseTimeCase{"Pm", englishUnitedStates(), "9:00:00 PM", 0.875},
        ParseTimeCase{"MidnightAm", englishUnitedStates(), "12:00 AM", 0.0},
        ParseTimeCase{"NoonLowerCase", englishUnitedStates(), "12:30 pm", timeOfDay(12, 30, 0)},
        ParseTimeCase{"DesignatorFirst", englishUnitedStates(), "PM 9:15", timeOfDay(21, 15, 0)},
        ParseTimeCase{"HourOnly", englishUnitedStates(), "9", 0.375},
        ParseTimeCase{"TwentyFourHourClock", englishUnitedStates(), " 21:00 ", 0.875},
        ParseTimeCase{"Milliseconds", englishUnitedStates(), "9:00:00.5", timeOfDay(9, 0, 0.5)},
        ParseTimeCase{"ThirteenPm", englishUnitedStates(), "13:00 PM", std::nullopt},
        ParseTimeCase{"Hour25", englishUnitedStates(), "25:00", std::nullopt},
        ParseTimeCase{"Minute60", englishUnitedStates(), "9:60", std::nullopt},
        ParseTimeCase{"TrailingSeparator", englishUnitedStates(), "9:", std::nullopt},
        ParseTimeCase{"ThreeDigitMinute", englishUnitedStates(), "9:000", std::nullopt},
        ParseTimeCase{"Letters", englishUnitedStates(), "nine", std::nullopt},
        ParseTimeCase{"Empty", englishUnitedStates(), "", std::nullopt},
        ParseTimeCase{"German", germanGermany(), "21:05:30", timeOfDay(21, 5, 30)},
        ParseTimeCase{"FullStopSeparator", fullStopTime(), "09.00.00", 0.375},
        ParseTimeCase{"FullStopRefusesOtherSeparator", fullStopTime(), "09-00", std::nullopt},
        ParseTimeCase{"EmptySeparatorHoursMinutes", emptyTimeSeparator(), "0930", timeOfDay(9, 30, 0)},
        ParseTimeCase{"EmptySeparatorSeconds", emptyTimeSeparator(), "093015", timeOfDay(9, 30, 15)},
        ParseTimeCase{"EmptySeparatorShortHour", emptyTimeSeparator(), "930", timeOfDay(9, 30, 0)},
        ParseTimeCase{"EmptySeparatorHourOnly", emptyTimeSeparator(), "9", 0.375},
        ParseTimeCase{"EmptySeparatorMinute60", emptyTimeSeparator(), "0960", std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

struct ParseDateTimeCase {
    const char *name;
    RegionalSettings settings;
    const char *text;
    std::optional<double> expected;
};

void PrintTo(const ParseDateTimeCase &c, std::ostream *os) { *os << c.name << " '" << c.text << "'"; }

class ParseDateTimeTest : public testing::TestWithParam<ParseDateTimeCase> {};

TEST_P(ParseDateTimeTest, ReadsDateThenOptionalTime)
{
    const auto &c = GetParam();
    const auto value = kestrun::parseDateTime(c.text, c.settings, kCurrentYear);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (c.expected) {
        EXPECT_DOUBLE_EQ(*value, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateTimeTest,
    testing::Values(
        ParseDateTimeCase{"DateAndTime", englishUnitedStates(), "1/2/2006 9:00:00 PM", kJan2nd2006 + 0.875},
        ParseDateTimeCase{"TimeRowOnDayZero", englishUnitedStates(), "12/30/1899 9:00:00 AM", 0.375},
        ParseDateTimeCase{"DateAlone", englishUnitedStates(), "1/2/2006", kJan2nd2006},
        ParseDateTimeCase{"DayMonthAndTime", englishUnitedStates(), "1/2 9:00", kJan2nd2006 + 0.375},
        ParseDateTimeCase{"GermanDateAndTime", germanGermany(), "02.01.06 21:00:00", kJan2nd2006 + 0.875},
        ParseDateTimeCase{"NoBlankBeforeTime", englishUnitedStates(), "1/2/20069:00", std::nullopt},
        ParseDateTimeCase{"UnreadableTime", englishUnitedStates(), "1/2/2006 x", std::nullopt},
        ParseDateTimeCase{"TimeAlone", englishUnitedStates(), "9:00", std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

// Every value written under a set of settings reads back as itself. The moments lie
// inside the two-digit year window, so formats with "yy" read them back too.
struct RoundTripCase {
    const char *name;
    RegionalSettings settings;
};

void PrintTo(const RoundTripCase &c, std::ostream *os) { *os << c.name; }

class RoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTest, WrittenTextReadsBack)
{
    const RegionalSettings &s = GetParam().settings;
    for (double date : {kJan1st2006, kJan2nd2006, 21916.0 /* 1 January 1960 */, 54789.0 /* 1 January 2050 */}) {
        const std::string text = kestrun::formatShortDate(date, s);
        EXPECT_EQ(kestrun::parseDate(text, s, kCurrentYear), date) << text;
    }
    for (double time : {0.0, 0.375, 0.875, timeOfDay(12, 0, 0), timeOfDay(0, 30, 15), timeOfDay(23, 59, 59)}) {
        const std::string text = kestrun::formatLongTime(time, s);
        const auto read = kestrun::parseTime(text, s);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_DOUBLE_EQ(*read, time) << text;
    }
    for (double moment : {kJan2nd2006 + 0.875, 21916.5, kJan1st2006}) {
        const std::string text = kestrun::formatShortDateTime(moment, s);
        const auto read = kestrun::parseDateTime(text, s, kCurrentYear);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_DOUBLE_EQ(*read, moment) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, RoundTripTest,
                         testing::Values(RoundTripCase{"UnitedStatesFourDigitYear", RegionalSettings::englishUnitedStates()},
                                         RoundTripCase{"Germany", germanGermany()},
                                         RoundTripCase{"UnitedKingdom", englishUnitedKingdom()},
                                         RoundTripCase{"Iso", iso()}, RoundTripCase{"MonthNames", monthNames()},
                                         RoundTripCase{"FullStopTime", fullStopTime()}),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- Numbers -------------------------------------------------------------------

struct ParseFloatCase {
    const char *name;
    const char *text;
    const char *separator;
    std::optional<double> expected;
};

void PrintTo(const ParseFloatCase &c, std::ostream *os) { *os << c.name << " '" << c.text << "'"; }

class ParseFloatTest : public testing::TestWithParam<ParseFloatCase> {};

TEST_P(ParseFloatTest, ReadsByTheDecimalSeparator)
{
    const auto &c = GetParam();
    RegionalSettings s;
    s.decimalSeparator = c.separator;
    EXPECT_EQ(kestrun::parseFloat(c.text, s), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFloatTest,
    testing::Values(ParseFloatCase{"Decimal", "12.5", ".", 12.5}, ParseFloatCase{"Negative", "-12.5", ".", -12.5},
                    ParseFloatCase{"PlusSign", "+3", ".", 3.0}, ParseFloatCase{"BlanksAround", "  7\t ", ".", 7.0},
                    ParseFloatCase{"Exponent", "1e3", ".", 1000.0}, ParseFloatCase{"NegativeExponent", "5E-5", ".", 5e-5},
                    ParseFloatCase{"SignedExponent", "2.5e+2", ".", 250.0},
                    ParseFloatCase{"NoIntegerDigits", ".5", ".", 0.5}, ParseFloatCase{"NoFractionDigits", "5.", ".", 5.0},
                    ParseFloatCase{"DecimalComma", "12,5", ",", 12.5},
                    ParseFloatCase{"FullStopUnderComma", "12.5", ",", std::nullopt},
                    ParseFloatCase{"MultiCharacterSeparator", "1<>5", "<>", 1.5},
                    ParseFloatCase{"HalfASeparator", "1<5", "<>", std::nullopt},
                    ParseFloatCase{"Empty", "", ".", std::nullopt}, ParseFloatCase{"Blank", "   ", ".", std::nullopt},
                    ParseFloatCase{"LoneMinus", "-", ".", std::nullopt},
                    ParseFloatCase{"LoneSeparator", ".", ".", std::nullopt},
                    ParseFloatCase{"ExponentWithoutDigits", "1e", ".", std::nullopt},
                    ParseFloatCase{"TwoSeparators", "1.2.3", ".", std::nullopt},
                    ParseFloatCase{"InnerBlank", "1 000", ".", std::nullopt},
                    ParseFloatCase{"Letters", "abc", ".", std::nullopt},
                    ParseFloatCase{"Overflow", "1e999", ".", std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
