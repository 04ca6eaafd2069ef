// The net worth history at its largest: 600 statements (fifty years of months), each of 30
// asset and 30 liability lines, three of them sub-totals, and three followed loans.
#include <benchmark/benchmark.h>

#include "History.h"

namespace {

History largestHistory() {
    History h;
    for (int s = 0; s < MaxStatements; ++s) {
        Statement statement{40000 + 30 * s, "", {}};
        for (NetWorthTable* rows : {&statement.lines.AssetRows, &statement.lines.LiabilityRows}) {
            for (int i = 1; i <= NetWorthLines; ++i)
                (*rows)[static_cast<std::size_t>(i)] = {i % 10 == 0 ? "Sub Total"
                                                                    : "Line " + std::to_string(i),
                                                        1000.0 + 25.5 * i + 10.25 * s};
        }
        statement.lines.AssetCount = statement.lines.LiabilityCount = NetWorthLines;
        h.statements.push_back(std::move(statement));
    }
    for (int l = 0; l < MaxFollowedLoans; ++l) {
        LoanBalances balances{Currency::fromWhole(200000), {}};
        for (int k = 0; k < 300; ++k)
            balances.paid.emplace_back(40000 + 30 * k, Currency::fromWhole(200000 - 600 * k));
        h.loans.push_back({"Loan" + std::to_string(l) + ".umd", "Loan " + std::to_string(l),
                           std::move(balances)});
    }
    return h;
}

void BM_History600x60(benchmark::State& state) {
    const History history = largestHistory();
    for (auto _ : state) {
        auto result = calculateHistory(history);
        benchmark::DoNotOptimize(result);
        if (!result.ok() || result->summary.size() != MaxStatements) {
            state.SkipWithError("not calculated");
            break;
        }
    }
}
BENCHMARK(BM_History600x60)->Unit(benchmark::kMillisecond);

} // namespace
