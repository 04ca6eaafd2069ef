// The savings goal solved on the longest plan the worksheet allows: 40 years of monthly
// contributions with all three rates in use, each unknown in turn. Years are solved at their
// worst, the target reached only in the fortieth year.
#include <benchmark/benchmark.h>

#include "GoalSolver.h"

namespace {

GoalInput longestGoal(GoalUnknown unknown) {
    GoalInput goal;
    goal.plan.lump = Currency::fromWhole(10000);
    goal.plan.contribution = Currency::fromWhole(300);
    goal.plan.frequency = "Monthly";
    goal.plan.ratePercent = *Currency::fromDouble(7.5);
    goal.plan.increasePercent = Currency::fromWhole(3);
    goal.plan.inflationPercent = *Currency::fromDouble(2.5);
    goal.plan.years = 40;
    goal.target = Currency::fromWhole(unknown == GoalUnknown::Years ? 550000 : 1000000);
    goal.today = true;
    goal.solve = unknown;
    return goal;
}

void solve(benchmark::State& state, GoalUnknown unknown) {
    const GoalInput goal = longestGoal(unknown);
    for (auto _ : state) {
        auto answer = solveGoal(goal);
        benchmark::DoNotOptimize(answer);
        if (!answer.ok() || answer->growth.periods % 12 != 0) {
            state.SkipWithError("no answer");
            break;
        }
    }
}

void BM_GoalContribution40(benchmark::State& state) {
    solve(state, GoalUnknown::Contribution);
}
void BM_GoalLump40(benchmark::State& state) {
    solve(state, GoalUnknown::Lump);
}
void BM_GoalYears40(benchmark::State& state) {
    solve(state, GoalUnknown::Years);
}
void BM_GoalRate40(benchmark::State& state) {
    solve(state, GoalUnknown::Rate);
}
BENCHMARK(BM_GoalContribution40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GoalLump40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GoalYears40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GoalRate40)->Unit(benchmark::kMicrosecond);

} // namespace
