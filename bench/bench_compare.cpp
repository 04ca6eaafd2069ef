// The loan comparison's engine on the longest plans it takes: three 40-year weekly plans,
// one under each of the lender's conventions (interest to the cent, exact interest, daily).
#include <benchmark/benchmark.h>

#include "CompareEngine.h"
#include "PlanText.h"

namespace {

void BM_CompareThreeWeekly40(benchmark::State& state) {
    std::vector<LoanPlan> plans;
    for (const char* planText :
         {"principal=400000,rate=6.5,frequency=1week,years=40",
          "principal=400000,rate=6.5,compounding=semiannual,frequency=1week,years=40,"
          "convention=bank-exact,extra=25,lump=52:10000:lower,renew=260:5.5",
          "principal=400000,rate=6.5,frequency=1week,years=40,loan-date=2027-01-01,"
          "first-payment=2027-01-08"})
        plans.push_back(parsePlanText(planText).value());
    for (auto _ : state) {
        int payments = 0;
        for (const LoanPlan& plan : plans) {
            const Result<PlanResult> result = calculatePlan(plan);
            payments += result ? result->payments : 0;
            benchmark::DoNotOptimize(result);
        }
        if (payments < 3 * 1900) {
            state.SkipWithError("unexpected schedules");
            break;
        }
    }
}
BENCHMARK(BM_CompareThreeWeekly40)->Unit(benchmark::kMicrosecond);

} // namespace
