// SPDX-License-Identifier: MIT
#pragma once

#include "core/datetime.h"
#include "core/jobparameters.h"
#include "core/regionalsettings.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrun {

// The text of one report block, line by line, the empty separating line last:
// 25 lines when the target kind has one target line, 26 when it has two (date and
// time, days and hours), 24 for a kind outside 0 to 5. `now` is the moment the block
// is made, shown in the heading line after the title. Throws kestrun::Error when one
// of its date-times lies outside the years 1 to 9999; no lines are returned then.
std::vector<std::string> RenderReportBlock(const JobParameters &p, std::string_view title, DateTime now,
                                           const RegionalSettings &settings);

} // namespace kestrun
