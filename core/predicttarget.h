// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>

namespace kestrun {

// The kind of target a prediction runs to. Stored in one byte: a settings file may
// carry any value, and values outside 0 to 5 are legal (they compute nothing).
enum class PredictTarget : std::uint8_t {
    ptKP = 0,
    ptDistance = 1,
    ptFJ = 2,
    ptNumFJ = 3,
    ptDateTime = 4,
    ptDaysHours = 5,
};

inline constexpr int kPredictTargetCount = 6;

constexpr bool isKnownTarget(PredictTarget target)
{
    return static_cast<std::uint8_t>(target) < kPredictTargetCount;
}

// The name the status bar shows for a kind; empty for a value outside 0 to 5.
constexpr std::string_view targetDisplayName(PredictTarget target)
{
    switch (target) {
    case PredictTarget::ptKP: return "KP Number";
    case PredictTarget::ptDistance: return "Distance";
    case PredictTarget::ptFJ: return "Field Joint Number";
    case PredictTarget::ptNumFJ: return "Number of Field Joints";
    case PredictTarget::ptDateTime: return "Date and Time";
    case PredictTarget::ptDaysHours: return "Days and Hours";
    }
    return {};
}

} // namespace kestrun
