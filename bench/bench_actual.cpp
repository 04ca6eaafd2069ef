// Budget vs actual at scale: 10,000 transactions of a year, matched by 40 rules to a budget
// of 40 records, and a month compared.
#include <benchmark/benchmark.h>

#include "ActualPeriod.h"
#include "BudgetEditing.h"
#include "Dates.h"

namespace {

struct Household {
    BudgetTables budget;
    Actuals actuals;
};

Household household() {
    Household h;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "Record " + std::to_string(i);
        const EntryValueSet e{Currency{}, Currency::fromWhole(100 + i), Currency::fromWhole(12),
                              Currency::fromWhole(100 + i)};
        appendRecord(h.budget, i % 4 ? RecordSide::Expense : RecordSide::Income,
                     *recordFromEntries(name, e));
        h.actuals.rules.push_back({"PAYEE " + std::to_string(i) + " ", name});
    }
    const int first = dateSerial(2025, 1, 1);
    for (int i = 0; i < 10000; ++i) {
        const int payee = i % 50; // ten payees no rule knows
        h.actuals.transactions.push_back(
            {first + i % 365, Currency::fromRaw((payee % 4 ? -1 : 1) * (100000 + i)),
             "PAYEE " + std::to_string(payee) + " STORE #" + std::to_string(i % 97),
             "card purchase", ""});
    }
    return h;
}

void BM_ActualPeriod10k(benchmark::State& state) {
    const Household h = household();
    const ActualPeriod march = *periodFrom("Monthly", dateSerial(2025, 3, 1));
    for (auto _ : state) {
        auto result = compareActuals(h.actuals, h.budget, march);
        benchmark::DoNotOptimize(result);
        if (!result.ok() || result->unmatched.empty()) {
            state.SkipWithError("no comparison");
            break;
        }
    }
}
BENCHMARK(BM_ActualPeriod10k)->Unit(benchmark::kMillisecond);

} // namespace
