// SPDX-License-Identifier: MIT
#pragma once

#include "core/datetime.h"
#include "core/predicttarget.h"

#include <string>

namespace kestrun {

// Everything a prediction works with: the inputs of the parameter grid, the chosen
// target kind and the six results. Field names and order are those of the data model.
// A value-initialised record is all zero with ptKP, as the main window starts it;
// the design values of the rows are jobParameterDefaults().
struct JobParameters {
    PredictTarget Target = PredictTarget::ptKP;
    double BeadingTime = 0;       // minutes per field joint
    double PipeLength = 0;        // metres per linepipe section
    double BaselineKp = 0;        // km
    double BaselineFj = 0;
    DateTime BaselineDate = 0;    // whole day
    DateTime BaselineTime = 0;    // time of day on day 0
    DateTime BaselineDateTime = 0; // BaselineDate + BaselineTime of the latest run
    double TargetKp = 0;          // km, ptKP
    double TargetKpInterval = 0;  // km, ptDistance; negative when the KP decreases
    double TargetFj = 0;          // ptFJ
    double TargetFjInterval = 0;  // ptNumFJ
    DateTime TargetDate = 0;      // ptDateTime
    DateTime TargetTime = 0;      // ptDateTime
    double TargetDays = 0;        // ptDaysHours
    double TargetHours = 0;       // ptDaysHours
    double ForwardFlop = 0;       // metres, report only
    std::string DelayReason;      // report only
    double DelayDays = 0;
    double DelayHours = 0;
    DateTime PredictDateTime = 0;
    double PredictKp = 0;
    double PredictDistance = 0;
    double PredictFj = 0;
    double PredictNumFj = 0;      // never negative
    double PredictProductionHours = 0;
};

// The design values of the parameter rows (used when no settings file supplies one);
// results and BaselineDateTime are zero, Target is ptKP.
inline JobParameters jobParameterDefaults()
{
    JobParameters p;
    p.BeadingTime = 5.0;
    p.PipeLength = 12.5;
    p.BaselineKp = 0.0;
    p.BaselineFj = 0.0;
    p.BaselineDate = 38718; // 1 January 2006
    p.BaselineTime = 0.375; // 09:00
    p.TargetKp = 1.0;
    p.TargetKpInterval = 1.0;
    p.TargetFj = 80.0;
    p.TargetFjInterval = 80.0;
    p.TargetDate = 38719;  // 2 January 2006
    p.TargetTime = 0.875;  // 21:00
    p.TargetDays = 1.0;
    p.TargetHours = 12.0;
    p.ForwardFlop = 0.0;
    p.DelayReason = "Contingency";
    p.DelayDays = 0.0;
    p.DelayHours = 12.0;
    return p;
}

} // namespace kestrun
