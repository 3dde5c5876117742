// SPDX-License-Identifier: MIT
#include "core/engine.h"

#include "core/dateops.h"
#include "core/extended.h"

namespace kestrun {

namespace {

using X = Extended;

constexpr double kMetresPerKilometre = 1000;

// Every assignment below is one formula: evaluated in extended precision, left to right,
// narrowed once where it is stored. The stores happen step by step, so a failing step
// leaves the earlier results new and the later ones as they were.

// ptKP steps 3 and 4. The distance is divided by the joint length in km, not multiplied
// by 1000 and divided by the length: the order shows in the last bits.
void jointsFromDistance(JobParameters &p)
{
    p.PredictNumFj = narrow(abs(X(p.PredictDistance) / (X(p.PipeLength) / kMetresPerKilometre)));
    p.PredictFj = narrow(X(p.BaselineFj) + p.PredictNumFj);
}

// ptFJ steps 2 to 4, also the end of position from hours.
void positionFromFj(JobParameters &p)
{
    p.PredictNumFj = narrow(abs(X(p.PredictFj) - p.BaselineFj));
    p.PredictKp = narrow(X(p.PredictNumFj) * p.PipeLength / kMetresPerKilometre + p.BaselineKp);
    p.PredictDistance = narrow(X(p.PredictKp) - p.BaselineKp);
}

// The production hours between baseline and prediction, less the delays.
void productionHoursLessDelays(JobParameters &p)
{
    p.PredictProductionHours = HoursApart(p.PredictDateTime, p.BaselineDateTime);
    p.PredictProductionHours = narrow(X(p.PredictProductionHours) - DaysToHours(p.DelayDays));
    p.PredictProductionHours = narrow(X(p.PredictProductionHours) - p.DelayHours);
}

void timeFromJoints(JobParameters &p)
{
    p.PredictDateTime = narrow(X(p.BaselineDate) + p.BaselineTime);
    p.PredictDateTime = AddMinutes(p.PredictDateTime, (X(p.PredictNumFj) * p.BeadingTime).value());
    p.PredictDateTime = AddDays(p.PredictDateTime, p.DelayDays);
    p.PredictDateTime = AddHours(p.PredictDateTime, p.DelayHours);
    productionHoursLessDelays(p);
}

// Reads the stored (narrowed) production hours.
void positionFromHours(JobParameters &p)
{
    p.PredictFj = narrow(X(p.PredictProductionHours) * kMinutesPerHour / p.BeadingTime + p.BaselineFj);
    positionFromFj(p);
}

} // namespace

void computePrediction(JobParameters &p)
{
    p.BaselineDateTime = narrow(X(p.BaselineDate) + p.BaselineTime);

    switch (p.Target) {
    case PredictTarget::ptKP:
        p.PredictKp = p.TargetKp;
        p.PredictDistance = narrow(X(p.PredictKp) - p.BaselineKp);
        jointsFromDistance(p);
        timeFromJoints(p);
        break;
    case PredictTarget::ptDistance:
        p.PredictKp = narrow(X(p.BaselineKp) + p.TargetKpInterval);
        p.PredictDistance = p.TargetKpInterval;
        jointsFromDistance(p);
        timeFromJoints(p);
        break;
    case PredictTarget::ptFJ:
        p.PredictFj = p.TargetFj;
        positionFromFj(p);
        timeFromJoints(p);
        break;
    case PredictTarget::ptNumFJ:
        p.PredictFj = narrow(X(p.BaselineFj) + p.TargetFjInterval);
        positionFromFj(p);
        timeFromJoints(p);
        break;
    case PredictTarget::ptDateTime:
        p.PredictDateTime = narrow(X(p.TargetDate) + p.TargetTime);
        productionHoursLessDelays(p);
        positionFromHours(p);
        break;
    case PredictTarget::ptDaysHours:
        p.PredictDateTime = narrow(X(p.BaselineDate) + p.BaselineTime);
        p.PredictDateTime = AddDays(p.PredictDateTime, p.TargetDays);
        p.PredictDateTime = AddHours(p.PredictDateTime, p.TargetHours);
        p.PredictProductionHours = narrow(X(p.TargetDays) * kHoursPerDay + p.TargetHours
                                          - X(p.DelayDays) * kHoursPerDay - p.DelayHours);
        positionFromHours(p);
        break;
    default:
        // A kind from an edited settings file: the results stay as they are.
        break;
    }
}

double elapsedDaysForDisplay(const JobParameters &p)
{
    return narrow(ElapsedDays(p.BaselineDateTime, p.PredictDateTime));
}

} // namespace kestrun
