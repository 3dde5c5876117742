// SPDX-License-Identifier: MIT
#include "ui/main/parameterrows.h"

#include <array>
#include <string_view>

using kestrun::JobParameters;
using kestrun::PredictTarget;

namespace {

constexpr bool Post = true;
constexpr bool NoPost = false;
constexpr bool Left = true;

// clang-format off
const ParameterRowSpec kParameterRows[] = {
    {"CategoryConstruction", "Construction", "Construction parameters", RowKind::Category, 18, false},
    {"EditorRowPipeLength", "Linepipe Length", "Length of a linepipe section in metres", RowKind::Calculator, -1, true, "0.000 m", Post, false, &JobParameters::PipeLength, RowRule::Positive},
    {"EditorRowBeadingTime", "Beading Time", "Beading time in minutes", RowKind::Calculator, -1, true, "0.0 min", Post, false, &JobParameters::BeadingTime, RowRule::Positive},
    {"CategoryBaseline", "Baseline", "Baseline parameters - use your current time and position", RowKind::Category, 16, false},
    {"EditorRowBaselineDate", "Date", "Enter the baseline date", RowKind::Date, -1, true, "", Post, Left, &JobParameters::BaselineDate},
    {"EditorRowBaselineTime", "Time", "Enter the baseline time", RowKind::Time, -1, true, "", Post, Left, &JobParameters::BaselineTime},
    {"EditorRowBaselineKp", "KP", "Enter the baseline KP", RowKind::Calculator, -1, true, "0.000", Post, false, &JobParameters::BaselineKp},
    {"EditorRowBaselineFj", "Field Joint", "Enter the baseline field joint", RowKind::Calculator, -1, true, "0.0", Post, false, &JobParameters::BaselineFj, RowRule::Positive},
    {"CategoryTarget", "Target", "Target parameters -what you want to base your estimate on", RowKind::Category, 17, false},
    {"EditorRowTargetKp", "KP", "Target KP", RowKind::Calculator, -1, true, "0.000", Post, false, &JobParameters::TargetKp},
    {"EditorRowTargetKpInterval", "Distance", "Target distance (negative if decreasing KP)", RowKind::Calculator, -1, true, "0.000 km", Post, false, &JobParameters::TargetKpInterval},
    {"EditorRowTargetFj", "Field Joint Number", "Number of the target field joint", RowKind::Calculator, -1, true, "", NoPost, false, &JobParameters::TargetFj, RowRule::Positive},
    {"EditorRowTargetFjInterval", "Number of Field Joints", "Target number of field joints", RowKind::Calculator, -1, true, "0.0", Post, false, &JobParameters::TargetFjInterval},
    {"EditorRowTargetDate", "Date", "Target date", RowKind::DateWithTime, -1, true, "", Post, Left, &JobParameters::TargetDate},
    {"EditorRowTargetTime", "Time", "Target time", RowKind::Time, -1, true, "", Post, Left, &JobParameters::TargetTime},
    {"EditorRowTargetDays", "Number of Days", "Target days", RowKind::Calculator, -1, true, "0.0 days", Post, false, &JobParameters::TargetDays, RowRule::NonNegative},
    {"EditorRowTargetHours", "Number of Hours", "Enter the target hours", RowKind::Calculator, -1, true, "0.0 hrs", Post, false, &JobParameters::TargetHours, RowRule::NonNegative},
    {"EditorRowForwardFlop", "Forward Flop", "Forward flop (at the target)", RowKind::Calculator, -1, true, "0.0 m", Post, false, &JobParameters::ForwardFlop, RowRule::NonNegative},
    {"CategoryDelay", "Delay", "Delay - any delay you may anticipate", RowKind::Category, 19, true},
    {"EditorRowDelayReason", "Reason", "Delay reason", RowKind::Text, -1, true, "", NoPost, Left},
    {"EditorRowDelayDays", "Days", "Delay days", RowKind::Calculator, -1, true, "0.0 days", Post, false, &JobParameters::DelayDays, RowRule::NonNegative},
    {"EditorRowDelayHours", "Hours", "Delay hours", RowKind::Calculator, -1, true, "0.0 hrs", Post, false, &JobParameters::DelayHours, RowRule::NonNegative},
};

const ParameterRowSpec kPredictionRows[] = {
    {"CategoryPrediction", "Prediction to Target", "", RowKind::Category, 20, false},
    {"EditorRowPredictDate", "Date", "The predicted date", RowKind::DateDisplay},
    {"EditorRowPredictTime", "Time", "the predicted time", RowKind::TimeDisplay},
    {"EditorRowPredictDays", "Days", "The predicted number of days", RowKind::NumberDisplay, -1, true, "0.0 days"},
    {"EditorRowPredictProductHrs", "Production Hours", "", RowKind::NumberDisplay, -1, true, "0.0 hrs"},
    {"EditorRowPredictKP", "KP", "The predicted KP", RowKind::NumberDisplay, -1, true, "0.000"},
    {"EditorRowPredictDistance", "Distance", "The predicted distance", RowKind::NumberDisplay, -1, true, "0.000 km"},
    {"EditorRowPredictFJ", "Field Joint Number", "The predicted field joint", RowKind::NumberDisplay, -1, true, "0.0"},
    {"EditorRowPredictNumFJ", "Number of Field Joints", "The predicted number of joints", RowKind::NumberDisplay, -1, true, "0.0"},
};
// clang-format on

constexpr std::array<const char *, 8> kTargetRows{
    "EditorRowTargetKp", "EditorRowTargetKpInterval", "EditorRowTargetFj", "EditorRowTargetFjInterval",
    "EditorRowTargetDate", "EditorRowTargetTime", "EditorRowTargetDays", "EditorRowTargetHours"};

constexpr std::array<const char *, 18> kCopyOrder{
    "EditorRowBeadingTime", "EditorRowBaselineKp", "EditorRowBaselineFj", "EditorRowBaselineDate",
    "EditorRowBaselineTime", "EditorRowPipeLength", "EditorRowTargetKp", "EditorRowTargetKpInterval",
    "EditorRowTargetFj", "EditorRowTargetFjInterval", "EditorRowTargetDate", "EditorRowTargetTime",
    "EditorRowTargetDays", "EditorRowTargetHours", "EditorRowForwardFlop", "EditorRowDelayReason",
    "EditorRowDelayDays", "EditorRowDelayHours"};

} // namespace

std::span<const ParameterRowSpec> parameterRows() { return kParameterRows; }
std::span<const ParameterRowSpec> predictionRows() { return kPredictionRows; }
std::span<const char *const> targetRowNames() { return kTargetRows; }
std::span<const char *const> rowCopyOrder() { return kCopyOrder; }

std::span<const char *const> targetRowsShown(PredictTarget target)
{
    const std::span<const char *const> all = kTargetRows;
    switch (target) {
    case PredictTarget::ptKP: return all.subspan(0, 1);
    case PredictTarget::ptDistance: return all.subspan(1, 1);
    case PredictTarget::ptFJ: return all.subspan(2, 1);
    case PredictTarget::ptNumFJ: return all.subspan(3, 1);
    case PredictTarget::ptDateTime: return all.subspan(4, 2);
    case PredictTarget::ptDaysHours: return all.subspan(6, 2);
    }
    return {};
}

const ParameterRowSpec *findParameterRow(std::string_view name)
{
    for (const auto &row : kParameterRows)
        if (name == row.name)
            return &row;
    return nullptr;
}
