// SPDX-License-Identifier: MIT
#include "core/error.h"
#include "core/reportblock.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

using kestrun::JobParameters;
using kestrun::PredictTarget;
using kestrun::RegionalSettings;

namespace {

constexpr double kJan1st2006 = 38718; // documented day number
constexpr double kHour = 1.0 / 24;
constexpr double kMinute = kHour / 60;

// The defaults with the results of their prediction, as in the documented example:
// KP 1, distance 1 km, 80 field joints up to joint 80, at 2 January 2006 03:40:00.
JobParameters predictedDefaults()
{
    JobParameters p = kestrun::jobParameterDefaults();
    p.BaselineDateTime = p.BaselineDate + p.BaselineTime;
    p.PredictKp = 1;
    p.PredictDistance = 1;
    p.PredictFj = 80;
    p.PredictNumFj = 80;
    p.PredictDateTime = kJan1st2006 + 1 + 3 * kHour + 40 * kMinute;
    p.PredictProductionHours = 400.0 / 60;
    return p;
}

const double kCommandTime = kJan1st2006 + 8 * kHour + 30 * kMinute;

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

TEST(ReportBlock, DocumentedExample)
{
    const auto lines = kestrun::RenderReportBlock(predictedDefaults(), "Kestrun", kCommandTime,
                                                  RegionalSettings::englishUnitedStates());
    const char *expected = "Kestrun || 01 Jan 2006 08:30\r\n"
                           "---------------------------- Construction\r\n"
                           "Beading Time    : 5 min\r\n"
                           "Linepipe Length : 12.5 m\r\n"
                           "-------------------------------- Baseline\r\n"
                           "Date            : 01 Jan 2006\r\n"
                           "Time            : 09:00:00\r\n"
                           "KP              : 0\r\n"
                           "FJ              : 0\r\n"
                           "---------------------------------- Target\r\n"
                           "Target to       : KP\r\n"
                           "KP              : 1.000\r\n"
                           "Forward flop    : 0.0 m\r\n"
                           "----------------------------------- Delay\r\n"
                           "Reason          : Contingency\r\n"
                           "Days            : 0.0 days\r\n"
                           "Hours           : 12.0 hours\r\n"
                           "------------------------------ Prediction\r\n"
                           "Date            : 02 Jan 2006\r\n"
                           "Time            : 03:40:00\r\n"
                           "KP              : 1.000\r\n"
                           "Dist.           : 1.000 km\r\n"
                           "FJ No.          : 80\r\n"
                           "No. of FJs      : 80\r\n";
    EXPECT_EQ(joined(lines), expected);
    EXPECT_EQ(lines.size(), 25u);
}

// ---- Target section by kind ----------------------------------------------------

struct TargetCase {
    const char *name;
    PredictTarget target;
    std::function<void(JobParameters &)> adjust;
    const char *targetTo;
    std::vector<std::string> targetLines;
};

void PrintTo(const TargetCase &c, std::ostream *os) { *os << c.name; }

class ReportTargetTest : public testing::TestWithParam<TargetCase> {};

constexpr std::size_t kTargetToLine = 10;

TEST_P(ReportTargetTest, TargetLinesFollowTheKind)
{
    const auto &c = GetParam();
    JobParameters p = predictedDefaults();
    p.Target = c.target;
    if (c.adjust)
        c.adjust(p);
    const auto lines = kestrun::RenderReportBlock(p, "Kestrun", kCommandTime, RegionalSettings{});

    ASSERT_EQ(lines.size(), 24 + c.targetLines.size());
    EXPECT_EQ(lines[kTargetToLine - 1], "---------------------------------- Target");
    EXPECT_EQ(lines[kTargetToLine], c.targetTo);
    const std::vector<std::string> shown(lines.begin() + kTargetToLine + 1,
                                         lines.begin() + kTargetToLine + 1 + static_cast<long>(c.targetLines.size()));
    EXPECT_EQ(shown, c.targetLines);
    EXPECT_EQ(lines[kTargetToLine + 1 + c.targetLines.size()], "Forward flop    : 0.0 m");
    EXPECT_EQ(lines.back(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReportTargetTest,
    testing::Values(
        TargetCase{"Kp", PredictTarget::ptKP, nullptr, "Target to       : KP", {"KP              : 1.000"}},
        TargetCase{"KpRoundedToThreeDecimals", PredictTarget::ptKP, [](JobParameters &p) { p.TargetKp = 12.3456; },
                   "Target to       : KP", {"KP              : 12.346"}},
        TargetCase{"DecreasingDistance", PredictTarget::ptDistance,
                   [](JobParameters &p) { p.TargetKpInterval = -1.5; }, "Target to       : Distance",
                   {"Distance        : -1.500"}},
        TargetCase{"FieldJointShortLabel", PredictTarget::ptFJ, nullptr, "Target to       : Field Joint Number",
                   {"FJ           : 80"}},
        TargetCase{"NumberOfJointsShortLabel", PredictTarget::ptNumFJ,
                   [](JobParameters &p) { p.TargetFjInterval = 40; }, "Target to       : Number of Field Joints",
                   {"No. of FJs   : 40"}},
        TargetCase{"DateAndTimeSmallT", PredictTarget::ptDateTime, nullptr, "Target to       : Date and time",
                   {"Date            : 02 Jan 2006", "Time            : 21:00:00"}},
        TargetCase{"DaysAndHours", PredictTarget::ptDaysHours, nullptr, "Target to       : Days and Hours",
                   {"Days            : 1.0 days", "Hours           : 12.0 hours"}},
        TargetCase{"UnknownKind", static_cast<PredictTarget>(9), nullptr, "Target to       : ", {}}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- Single lines --------------------------------------------------------------

struct LineCase {
    const char *name;
    std::function<void(JobParameters &, RegionalSettings &, double &now)> adjust;
    std::size_t line;
    const char *expected;
};

void PrintTo(const LineCase &c, std::ostream *os) { *os << c.name; }

class ReportLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ReportLineTest, ShowsTheValueInItsForm)
{
    const auto &c = GetParam();
    JobParameters p = predictedDefaults();
    RegionalSettings s;
    double now = kCommandTime;
    c.adjust(p, s, now);
    const auto lines = kestrun::RenderReportBlock(p, "Kestrun", now, s);
    ASSERT_LT(c.line, lines.size());
    EXPECT_EQ(lines[c.line], c.expected);
}

// Line indexes of a block with one target line.
enum : std::size_t {
    kHeading = 0,
    kBeadingTime = 2,
    kPipeLength = 3,
    kBaselineTime = 6,
    kBaselineKp = 7,
    kReason = 14,
    kDelayDays = 15,
    kPredictDate = 18,
    kPredictTime = 19,
    kPredictDistance = 21,
    kPredictFj = 22,
};

void germanComma(RegionalSettings &s)
{
    s.decimalSeparator = ",";
    s.timeSeparator = ".";
    s.shortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReportLineTest,
    testing::Values(
        LineCase{"HeadingTruncatesSeconds", [](auto &, auto &, double &now) { now = kJan1st2006 + (14 * 3600 + 5 * 60 + 59.7) / 86400; },
                 kHeading, "Kestrun || 01 Jan 2006 14:05"},
        LineCase{"HeadingTimeSeparator", [](auto &, auto &s, auto &) { germanComma(s); }, kHeading,
                 "Kestrun || 01 Jan 2006 08.30"},
        LineCase{"HeadingMonthName", [](auto &, auto &s, double &now) { germanComma(s); now = kJan1st2006 + 358; },
                 kHeading, "Kestrun || 25 Dez 2006 00.00"},
        LineCase{"BeadingTimeScientific", [](auto &p, auto &, auto &) { p.BeadingTime = 0.00005; }, kBeadingTime,
                 "Beading Time    : 5E-5 min"},
        LineCase{"PipeLengthDecimalComma", [](auto &, auto &s, auto &) { germanComma(s); }, kPipeLength,
                 "Linepipe Length : 12,5 m"},
        LineCase{"BaselineTimeSeparator", [](auto &, auto &s, auto &) { germanComma(s); }, kBaselineTime,
                 "Time            : 09.00.00"},
        LineCase{"BaselineKpGeneral", [](auto &p, auto &, auto &) { p.BaselineKp = 12.3456; }, kBaselineKp,
                 "KP              : 12.3456"},
        LineCase{"EmptyReasonKeepsBlank", [](auto &p, auto &, auto &) { p.DelayReason.clear(); }, kReason,
                 "Reason          : "},
        LineCase{"DelayDaysRounded", [](auto &p, auto &, auto &) { p.DelayDays = 0.25; }, kDelayDays,
                 "Days            : 0.3 days"},
        LineCase{"NegativeDistance", [](auto &p, auto &, auto &) { p.PredictDistance = -1.5; }, kPredictDistance,
                 "Dist.           : -1.500 km"},
        LineCase{"NoMinusZeroDistance", [](auto &p, auto &, auto &) { p.PredictDistance = -0.0004; }, kPredictDistance,
                 "Dist.           : 0.000 km"},
        LineCase{"DistanceDecimalComma", [](auto &, auto &s, auto &) { germanComma(s); }, kPredictDistance,
                 "Dist.           : 1,000 km"},
        LineCase{"FieldJointHalfRoundsUp", [](auto &p, auto &, auto &) { p.PredictFj = 80.5; }, kPredictFj,
                 "FJ No.          : 81"}),
    [](const auto &info) { return std::string(info.param.name); });

// A kind outside 0 to 5 computes nothing, so its prediction is the zero moment.
TEST(ReportBlock, UnknownKindShowsZeroPrediction)
{
    JobParameters p; // value-initialised: every result 0
    p.Target = static_cast<PredictTarget>(9);
    const auto lines = kestrun::RenderReportBlock(p, "Kestrun", kCommandTime, RegionalSettings{});
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[kPredictDate - 1], "Date            : 30 Dec 1899");
    EXPECT_EQ(lines[kPredictTime - 1], "Time            : 00:00:00");
    EXPECT_EQ(lines[kReason - 1], "Reason          : ");
}

TEST(ReportBlock, MomentOutsideTheCalendarFails)
{
    JobParameters p = predictedDefaults();
    p.PredictDateTime = 3.0e6; // beyond the year 9999
    EXPECT_THROW(kestrun::RenderReportBlock(p, "Kestrun", kCommandTime, RegionalSettings{}), kestrun::Error);
}

} // namespace
