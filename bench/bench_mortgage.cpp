// The longest schedule the worksheet can produce, and its printout as text and as PDF.
#include <benchmark/benchmark.h>

#include <filesystem>

#include <QString>

#include "Amortization.h"
#include "Dates.h"
#include "Printer.h"
#include "QtPrinter.h"
#include "ScheduleReport.h"
#include "TextPrinter.h"

namespace {

// 200,000 at 7.5 %, semi-annual compounding, 40 years of weekly payments over 363-day
// years: 2,080 payments, the most any entry allows short of the table's cap.
AmortizationInput worstCase() {
    AmortizationInput in;
    in.principal = Currency::fromWhole(200000);
    in.ratePercent = *Currency::fromDouble(7.5);
    in.termYears = Currency::fromWhole(40);
    in.compounding = "   Semiannual";
    in.frequency = "      1 Week";
    in.daysChoice = 3;
    in.dateView = 1;
    in.firstPaymentDate = dateSerial(2027, 1, 1);
    return in;
}

ScheduleReportInput reportOf(const AmortizationInput& input, const Amortization& result) {
    ScheduleReportInput in;
    in.input = &input;
    in.result = &result;
    in.header = "Worst case schedule";
    in.fontChoice = 1;
    in.formatDate = [](int day) { return isoDate(day); };
    return in;
}

void BM_WorstCaseSchedule(benchmark::State& state) {
    const AmortizationInput in = worstCase();
    for (auto _ : state) {
        auto result = amortize(in);
        benchmark::DoNotOptimize(result);
        if (!result.ok() || result->last != 2080) {
            state.SkipWithError("unexpected schedule");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 2080);
}
BENCHMARK(BM_WorstCaseSchedule)->Unit(benchmark::kMicrosecond);

void BM_ScheduleReportText(benchmark::State& state) {
    const AmortizationInput in = worstCase();
    const auto result = amortize(in);
    const ScheduleReportInput report = reportOf(in, result.value());
    for (auto _ : state) {
        TextPrinter printer;
        const int lines = printerSetUp(printer, report.fontChoice);
        printScheduleReport(printer, report, lines);
        printer.endDocument();
        benchmark::DoNotOptimize(printer.text().data());
    }
}
BENCHMARK(BM_ScheduleReportText)->Unit(benchmark::kMillisecond);

void BM_ScheduleReportPdf(benchmark::State& state) {
    const AmortizationInput in = worstCase();
    const auto result = amortize(in);
    const ScheduleReportInput report = reportOf(in, result.value());
    const auto file = std::filesystem::temp_directory_path() / "pecunex-bench-schedule.pdf";
    for (auto _ : state) {
        auto printer = QtPrinter::toPdf(QString::fromStdString(file.string()));
        if (!printer) {
            state.SkipWithError("cannot open the PDF printer");
            break;
        }
        const int lines = printerSetUp(*printer, report.fontChoice);
        printScheduleReport(*printer, report, lines);
        printer->endDocument();
    }
    std::error_code ec;
    std::filesystem::remove(file, ec);
}
BENCHMARK(BM_ScheduleReportPdf)->Unit(benchmark::kMillisecond);

} // namespace
