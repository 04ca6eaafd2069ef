// The longest savings plan the worksheet allows: 40 years of monthly contributions with all
// three rates in use, through the engine alone.
#include <benchmark/benchmark.h>

#include "Growth.h"

namespace {

void BM_GrowthMonthly40(benchmark::State& state) {
    GrowthInput in;
    in.lump = Currency::fromWhole(10000);
    in.contribution = Currency::fromWhole(300);
    in.frequency = "Monthly";
    in.ratePercent = *Currency::fromDouble(7.5);
    in.increasePercent = Currency::fromWhole(3);
    in.inflationPercent = *Currency::fromDouble(2.5);
    in.years = 40;
    for (auto _ : state) {
        auto growth = calculateGrowth(in);
        benchmark::DoNotOptimize(growth);
        if (!growth.ok() || growth->periods != 480) {
            state.SkipWithError("unexpected growth table");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 480);
}
BENCHMARK(BM_GrowthMonthly40)->Unit(benchmark::kMicrosecond);

} // namespace
