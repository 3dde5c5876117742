// SPDX-License-Identifier: MIT
#include "core/engine.h"

#include "core/dateops.h"
#include "core/error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace kestrun {
namespace {

constexpr DateTime kJanuary1 = 38718; // 1 January 2006
constexpr DateTime kJanuary2 = 38719;
constexpr DateTime kJanuary3 = 38720;

constexpr DateTime at(DateTime day, int hour, int minute)
{
    return day + hour / 24.0 + minute / 1440.0;
}

// Elapsed days and production hours are documented to twelve decimals.
long long twelveDecimals(double value)
{
    return std::llround(value * 1e12);
}

void expectTwelveDecimals(double actual, double documented, const char *what)
{
    EXPECT_NEAR(actual, documented, 5e-13) << what;
    EXPECT_EQ(twelveDecimals(actual), twelveDecimals(documented)) << what;
}

using Change = void (*)(JobParameters &);

void noChange(JobParameters &) {}

struct PredictionCase {
    const char *name;
    PredictTarget target;
    Change change;
    DateTime dateTime;
    double elapsedDays;
    double productionHours;
    double kp;
    double distance;
    double fj;
    double numFj;
};

void PrintTo(const PredictionCase &c, std::ostream *os) { *os << c.name; }

class PredictionTable : public testing::TestWithParam<PredictionCase> {};

// All inputs are the defaults unless the case changes them. The production hours of the
// position kinds come back out of two narrowed date-times: 6.666666666744, not the exact
// 6.666666666667, which only the extended evaluation with these narrowing points gives.
const PredictionCase kPredictionCases[] = {
    {"KpDefaults", PredictTarget::ptKP, noChange,
     at(kJanuary2, 3, 40), 0.777777777781, 6.666666666744, 1.0, 1.0, 80, 80},
    {"DistanceDefaults", PredictTarget::ptDistance, noChange,
     at(kJanuary2, 3, 40), 0.777777777781, 6.666666666744, 1.0, 1.0, 80, 80},
    {"FjDefaults", PredictTarget::ptFJ, noChange,
     at(kJanuary2, 3, 40), 0.777777777781, 6.666666666744, 1.0, 1.0, 80, 80},
    {"NumFjDefaults", PredictTarget::ptNumFJ, noChange,
     at(kJanuary2, 3, 40), 0.777777777781, 6.666666666744, 1.0, 1.0, 80, 80},
    {"DateTimeDefaults", PredictTarget::ptDateTime, noChange,
     at(kJanuary2, 21, 0), 1.5, 24, 3.6, 3.6, 288, 288},
    {"DaysHoursDefaults", PredictTarget::ptDaysHours, noChange,
     at(kJanuary2, 21, 0), 1.5, 24, 3.6, 3.6, 288, 288},
    {"DateTimeNoDelayHours", PredictTarget::ptDateTime, [](JobParameters &p) { p.DelayHours = 0; },
     at(kJanuary2, 21, 0), 1.5, 36, 5.4, 5.4, 432, 432},
    {"KpDecreasing", PredictTarget::ptKP, [](JobParameters &p) { p.BaselineKp = 10; p.TargetKp = 9; },
     at(kJanuary2, 3, 40), 0.777777777781, 6.666666666744, 9.0, -1.0, 80, 80},
    {"DistanceNegative", PredictTarget::ptDistance, [](JobParameters &p) { p.TargetKpInterval = -1.0; },
     at(kJanuary2, 3, 40), 0.777777777781, 6.666666666744, -1.0, -1.0, 80, 80},
    {"FjDecreasing", PredictTarget::ptFJ, [](JobParameters &p) { p.BaselineFj = 100; p.TargetFj = 20; },
     at(kJanuary2, 3, 40), 0.777777777781, 6.666666666744, 1.0, 1.0, 20, 80},
    {"NumFjNegative", PredictTarget::ptNumFJ, [](JobParameters &p) { p.TargetFjInterval = -80; },
     at(kJanuary2, 3, 40), 0.777777777781, 6.666666666744, 1.0, 1.0, -80, 80},
    {"KpDelayDayAndHalf", PredictTarget::ptKP, [](JobParameters &p) { p.DelayDays = 1; p.DelayHours = 12; },
     at(kJanuary3, 3, 40), 1.777777777781, 6.666666666744, 1.0, 1.0, 80, 80},
    {"KpNoDelayHours", PredictTarget::ptKP, [](JobParameters &p) { p.DelayHours = 0; },
     at(kJanuary1, 15, 40), 0.277777777781, 6.666666666744, 1.0, 1.0, 80, 80},
    {"KpAtBaselineNoDelay", PredictTarget::ptKP, [](JobParameters &p) { p.TargetKp = 0; p.DelayHours = 0; },
     at(kJanuary1, 9, 0), 0, 0, 0.0, 0.0, 0, 0},
    {"DateTimeBeforeBaselineNoDelay", PredictTarget::ptDateTime,
     [](JobParameters &p) { p.TargetDate = kJanuary1; p.TargetTime = 0.125; p.DelayHours = 0; },
     at(kJanuary1, 3, 0), -0.25, 6, 0.9, 0.9, 72, 72},
    {"DateTimeBeforeBaseline", PredictTarget::ptDateTime,
     [](JobParameters &p) { p.TargetDate = kJanuary1; p.TargetTime = 0.125; },
     at(kJanuary1, 3, 0), -0.25, -6, 0.9, 0.9, -72, 72},
    {"DateTimeDelayBeyondWindow", PredictTarget::ptDateTime, [](JobParameters &p) { p.DelayDays = 2; p.DelayHours = 12; },
     at(kJanuary2, 21, 0), 1.5, -24, 3.6, 3.6, -288, 288},
    {"DaysHoursDelayFillsWindow", PredictTarget::ptDaysHours, [](JobParameters &p) { p.DelayDays = 1; p.DelayHours = 12; },
     at(kJanuary2, 21, 0), 1.5, 0, 0.0, 0.0, 0, 0},
    {"KpBeadingTimeZero", PredictTarget::ptKP, [](JobParameters &p) { p.BeadingTime = 0; },
     at(kJanuary1, 21, 0), 0.5, 0, 1.0, 1.0, 80, 80},
    {"FjPipeLengthZero", PredictTarget::ptFJ, [](JobParameters &p) { p.PipeLength = 0; },
     at(kJanuary2, 3, 40), 0.777777777781, 6.666666666744, 0.0, 0.0, 80, 80},
};

TEST_P(PredictionTable, GivesTheDocumentedPrediction)
{
    const PredictionCase &c = GetParam();
    JobParameters p = jobParameterDefaults();
    p.Target = c.target;
    c.change(p);

    computePrediction(p);

    EXPECT_EQ(p.BaselineDateTime, at(kJanuary1, 9, 0));
    EXPECT_NEAR(p.PredictDateTime, c.dateTime, static_cast<double>(kOneMillisecond));
    if (c.elapsedDays == 0)
        EXPECT_EQ(elapsedDaysForDisplay(p), 0.0) << "the same moment gives exactly 0";
    else
        expectTwelveDecimals(elapsedDaysForDisplay(p), c.elapsedDays, "elapsed days");
    expectTwelveDecimals(p.PredictProductionHours, c.productionHours, "production hours");
    EXPECT_NEAR(p.PredictKp, c.kp, 1e-9);
    EXPECT_NEAR(p.PredictDistance, c.distance, 1e-9);
    EXPECT_DOUBLE_EQ(p.PredictFj, c.fj);
    EXPECT_DOUBLE_EQ(p.PredictNumFj, c.numFj);
}

INSTANTIATE_TEST_SUITE_P(Engine, PredictionTable, testing::ValuesIn(kPredictionCases),
                         [](const testing::TestParamInfo<PredictionCase> &info) { return std::string(info.param.name); });

// Intermediates have the extended exponent range: the KP product DBL_MAX × 12.5 and
// the laying time DBL_MAX × 5 minutes exceed a double, their stored results do not.
TEST(Engine, IntermediatesBeyondTheDoubleRangeAreCarried)
{
    JobParameters p = jobParameterDefaults();
    p.Target = PredictTarget::ptFJ;
    p.TargetFj = DBL_MAX;
    p.DelayHours = 0;

    ASSERT_NO_THROW(computePrediction(p));

    EXPECT_EQ(p.PredictNumFj, DBL_MAX);
    EXPECT_DOUBLE_EQ(p.PredictKp, DBL_MAX / 80);
    EXPECT_DOUBLE_EQ(p.PredictDateTime, DBL_MAX / 288);
    EXPECT_DOUBLE_EQ(p.PredictProductionHours, DBL_MAX / 12);
}

// The window of ptDaysHours is one expression narrowed once: 10^15 days in hours and
// back cancel exactly and leave the half hour, which a double sum would round away.
TEST(Engine, DaysHoursWindowIsNarrowedOnce)
{
    JobParameters p = jobParameterDefaults();
    p.Target = PredictTarget::ptDaysHours;
    p.TargetDays = 1e15;
    p.TargetHours = 0.5;
    p.DelayDays = 1e15;
    p.DelayHours = 0;

    computePrediction(p);

    EXPECT_EQ(p.PredictProductionHours, 0.5);
    EXPECT_EQ(p.PredictFj, 6.0);
    EXPECT_EQ(p.PredictNumFj, 6.0);
}

// A failing run stops at the failing step. The run before it used other inputs, so every
// result it left differs from what the failing run would store.
struct FailureCase {
    const char *name;
    PredictTarget target;
    Change change;
    const char *message;
    // The results stored before the failing step; nullopt where the previous run's value stays.
    std::optional<double> kp, distance, fj, numFj, dateTime, productionHours;
    std::optional<double> baselineDateTime = at(kJanuary1, 9, 0);
};

void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.name; }

constexpr const char *kDivisionByZero = "Floating point division by zero";
constexpr const char *kInvalid = "Invalid floating point operation";
constexpr const char *kOverflow = "Floating point overflow";
constexpr auto keeps = std::nullopt;

const FailureCase kFailureCases[] = {
    {"KpPipeLengthZero", PredictTarget::ptKP, [](JobParameters &p) { p.PipeLength = 0; },
     kDivisionByZero, 1.0, 1.0, keeps, keeps, keeps, keeps},
    {"KpPipeLengthZeroAtBaseline", PredictTarget::ptKP, [](JobParameters &p) { p.PipeLength = 0; p.TargetKp = 0; },
     kInvalid, 0.0, 0.0, keeps, keeps, keeps, keeps},
    {"DistancePipeLengthZero", PredictTarget::ptDistance, [](JobParameters &p) { p.PipeLength = 0; },
     kDivisionByZero, 1.0, 1.0, keeps, keeps, keeps, keeps},
    {"DistanceZeroPipeLengthZero", PredictTarget::ptDistance,
     [](JobParameters &p) { p.PipeLength = 0; p.TargetKpInterval = 0; },
     kInvalid, 0.0, 0.0, keeps, keeps, keeps, keeps},
    {"DateTimeBeadingTimeZero", PredictTarget::ptDateTime, [](JobParameters &p) { p.BeadingTime = 0; },
     kDivisionByZero, keeps, keeps, keeps, keeps, at(kJanuary2, 21, 0), 24.0},
    {"DateTimeBeadingTimeZeroNoHours", PredictTarget::ptDateTime,
     [](JobParameters &p) { p.BeadingTime = 0; p.TargetDate = kJanuary1; },
     kInvalid, keeps, keeps, keeps, keeps, at(kJanuary1, 21, 0), 0.0},
    {"DaysHoursBeadingTimeZero", PredictTarget::ptDaysHours, [](JobParameters &p) { p.BeadingTime = 0; },
     kDivisionByZero, keeps, keeps, keeps, keeps, at(kJanuary2, 21, 0), 24.0},
    {"DaysHoursBeadingTimeZeroNoHours", PredictTarget::ptDaysHours,
     [](JobParameters &p) { p.BeadingTime = 0; p.TargetDays = 0; },
     kInvalid, keeps, keeps, keeps, keeps, at(kJanuary1, 21, 0), 0.0},
    // The date-time only rounds to DBL_MAX; the window in hours is 24 times too large.
    {"DaysHoursHugeWindow", PredictTarget::ptDaysHours, [](JobParameters &p) { p.TargetDays = DBL_MAX; },
     kOverflow, keeps, keeps, keeps, keeps, DBL_MAX, keeps},
    // 80 joints at DBL_MAX minutes is DBL_MAX / 18 days; in hours it no longer fits.
    {"KpHugeBeadingTime", PredictTarget::ptKP, [](JobParameters &p) { p.BeadingTime = DBL_MAX; },
     kOverflow, 1.0, 1.0, 80.0, 80.0, DBL_MAX / 18, keeps},
    // The laying time overflows in AddMinutes, after the date-time was set to the baseline.
    {"NumFjHugeLayingTime", PredictTarget::ptNumFJ,
     [](JobParameters &p) { p.TargetFjInterval = 1e300; p.BeadingTime = 1e300; },
     kOverflow, 1.25e298, 1.25e298, 1e300, 1e300, at(kJanuary1, 9, 0), keeps},
    {"NumFjHugeKp", PredictTarget::ptNumFJ, [](JobParameters &p) { p.TargetFjInterval = DBL_MAX; p.PipeLength = 1e5; },
     kOverflow, keeps, keeps, DBL_MAX, DBL_MAX, keeps, keeps},
    {"DateTimeTinyBeadingTime", PredictTarget::ptDateTime,
     [](JobParameters &p) { p.BeadingTime = std::numeric_limits<double>::denorm_min(); },
     kOverflow, keeps, keeps, keeps, keeps, at(kJanuary2, 21, 0), 24.0},
    // Overflow in step 0: not even the baseline date-time is stored.
    {"BaselineOverflow", PredictTarget::ptKP, [](JobParameters &p) { p.BaselineDate = DBL_MAX; p.BaselineTime = DBL_MAX; },
     kOverflow, keeps, keeps, keeps, keeps, keeps, keeps, keeps},
};

class FailureTable : public testing::TestWithParam<FailureCase> {
protected:
    void SetUp() override
    {
        m_previous = jobParameterDefaults();
        m_previous.Target = PredictTarget::ptDateTime;
        m_previous.TargetDate = 38725; // 8 January 2006
        m_previous.BaselineTime = 0.25;
        computePrediction(m_previous);
    }

    static void expectField(const char *field, double actual, std::optional<double> expected, double previous)
    {
        if (expected)
            EXPECT_DOUBLE_EQ(actual, *expected) << field << " holds its new value";
        else
            EXPECT_EQ(actual, previous) << field << " keeps the previous run's value";
    }

    JobParameters m_previous;
};

TEST_P(FailureTable, StopsAtTheFailingStep)
{
    const FailureCase &c = GetParam();
    JobParameters p = m_previous;
    p.TargetDate = kJanuary2;
    p.BaselineTime = 0.375;
    p.Target = c.target;
    c.change(p);

    try {
        computePrediction(p);
        ADD_FAILURE() << "no error raised";
    } catch (const FloatingPointError &e) {
        EXPECT_STREQ(e.what(), c.message);
    }

    expectField("BaselineDateTime", p.BaselineDateTime, c.baselineDateTime, m_previous.BaselineDateTime);
    expectField("PredictKp", p.PredictKp, c.kp, m_previous.PredictKp);
    expectField("PredictDistance", p.PredictDistance, c.distance, m_previous.PredictDistance);
    expectField("PredictFj", p.PredictFj, c.fj, m_previous.PredictFj);
    expectField("PredictNumFj", p.PredictNumFj, c.numFj, m_previous.PredictNumFj);
    expectField("PredictDateTime", p.PredictDateTime, c.dateTime, m_previous.PredictDateTime);
    expectField("PredictProductionHours", p.PredictProductionHours, c.productionHours,
                m_previous.PredictProductionHours);
}

INSTANTIATE_TEST_SUITE_P(Engine, FailureTable, testing::ValuesIn(kFailureCases),
                         [](const testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

TEST(Engine, UnknownTargetOnlyRefreshesTheBaseline)
{
    JobParameters p = jobParameterDefaults();
    computePrediction(p);
    const JobParameters before = p;

    p.Target = static_cast<PredictTarget>(9);
    p.BaselineTime = 0.5;
    p.TargetKp = 7;
    p.PipeLength = 0; // would fail in any position kind
    computePrediction(p);

    EXPECT_EQ(p.BaselineDateTime, at(kJanuary1, 12, 0));
    EXPECT_EQ(p.PredictKp, before.PredictKp);
    EXPECT_EQ(p.PredictDistance, before.PredictDistance);
    EXPECT_EQ(p.PredictFj, before.PredictFj);
    EXPECT_EQ(p.PredictNumFj, before.PredictNumFj);
    EXPECT_EQ(p.PredictDateTime, before.PredictDateTime);
    EXPECT_EQ(p.PredictProductionHours, before.PredictProductionHours);
}

TEST(Engine, UnknownTargetAtStartShowsTheInitialResults)
{
    JobParameters p = jobParameterDefaults();
    p.Target = static_cast<PredictTarget>(200);
    computePrediction(p);

    EXPECT_EQ(p.PredictDateTime, 0.0); // 30 December 1899 00:00
    EXPECT_EQ(p.PredictKp, 0.0);
    EXPECT_EQ(p.PredictNumFj, 0.0);
    EXPECT_EQ(p.PredictProductionHours, 0.0);
    EXPECT_EQ(elapsedDaysForDisplay(p), -at(kJanuary1, 9, 0));
}

} // namespace
} // namespace kestrun
