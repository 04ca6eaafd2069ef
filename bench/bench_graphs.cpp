// Drawing the three-dimensional bar chart of a 40-year plan into a 1200 x 800 picture,
// offscreen, as the batch report and the printer get it.
#include <benchmark/benchmark.h>

#include <string>

#include "ChartImage.h"

namespace {

void BM_GraphRender40(benchmark::State& state) {
    ChartData data;
    data.title = "Investment value at end of each Year";
    data.currencySymbol = "$";
    for (int y = 1; y <= 40; ++y) {
        data.labels.push_back(std::to_string(y));
        data.values.push_back(1000.0 * y * y);
    }
    for (auto _ : state) {
        QImage image = renderChart(data, true, QSize(1200, 800));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_GraphRender40)->Unit(benchmark::kMillisecond);

} // namespace
