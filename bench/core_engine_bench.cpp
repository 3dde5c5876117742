// SPDX-License-Identifier: MIT
#include "core/engine.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// One prediction with the default inputs for the target kind given as the argument.
void computePredictionForKind(benchmark::State &state)
{
    kestrun::JobParameters p = kestrun::jobParameterDefaults();
    p.Target = static_cast<kestrun::PredictTarget>(state.range(0));
    state.SetLabel(std::string(kestrun::targetDisplayName(p.Target)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        kestrun::computePrediction(p);
        benchmark::DoNotOptimize(p);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(computePredictionForKind)->ArgName("target")->DenseRange(0, kestrun::kPredictTargetCount - 1);

} // namespace
