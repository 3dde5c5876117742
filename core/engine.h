// SPDX-License-Identifier: MIT
#pragma once

#include "core/jobparameters.h"

namespace kestrun {

// The computation of a recalculation: refreshes BaselineDateTime and, for a Target of
// 0 to 5, derives all six results from the inputs; another Target computes nothing more.
// Each result is stored as soon as its step is done. A division by zero, an invalid
// operation or an overflow throws kestrun::FloatingPointError at the failing step:
// the results stored before it hold their new values, the later ones keep the values
// of the previous run.
void computePrediction(JobParameters &p);

// The elapsed days the prediction grid shows: ElapsedDays(BaselineDateTime,
// PredictDateTime) narrowed to double; 0 exactly for the same moment. Throws
// kestrun::FloatingPointError (Overflow) when the difference exceeds the double range.
double elapsedDaysForDisplay(const JobParameters &p);

} // namespace kestrun
