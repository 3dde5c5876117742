// SPDX-License-Identifier: MIT
#include "core/jobparameters.h"
#include "core/reportblock.h"

#include <benchmark/benchmark.h>

namespace {

kestrun::JobParameters predicted(kestrun::PredictTarget target)
{
    kestrun::JobParameters p = kestrun::jobParameterDefaults();
    p.Target = target;
    p.BaselineKp = 12.3456;
    p.PredictKp = 13.3456;
    p.PredictDistance = 1;
    p.PredictFj = 80;
    p.PredictNumFj = 80;
    p.PredictDateTime = 38719 + 220.0 / 1440; // 2 January 2006 03:40
    return p;
}

// One Add command: the whole block of a kind with two target lines (the longest).
void BM_RenderReportBlock(benchmark::State &state)
{
    const kestrun::JobParameters p = predicted(kestrun::PredictTarget::ptDateTime);
    const kestrun::RegionalSettings settings = kestrun::RegionalSettings::englishUnitedStates();
    const double now = 38718 + 8.5 / 24;
    for (auto _ : state) {
        auto lines = kestrun::RenderReportBlock(p, "Kestrun", now, settings);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_RenderReportBlock);

} // namespace
