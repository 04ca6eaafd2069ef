// The longest schedule the worksheet can produce, and its printout as text and as PDF.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

#include <QString>

#include "Amortization.h"
#include "Dates.h"
#include "PdfPrinter.h"
#include "Printer.h"
#include "QtPrinter.h"
#include "ScheduleCell.h"
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
    in.dateView = DateView::Dates;
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
        if (!result.ok() || result->payments.size() != 2080) {
            state.SkipWithError("unexpected schedule");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 2080);
}
BENCHMARK(BM_WorstCaseSchedule)->Unit(benchmark::kMicrosecond);

// The floor the engine is judged against: the worst case's arithmetic written bare. The same
// powers and payment, then per payment the working doubles and six fixed-point cells into a
// flat array made once; no tables, no dates, no additional payments, no checks.
void BM_BareLoopFloor(benchmark::State& state) {
    constexpr int Payments = 2080;
    std::vector<std::int64_t> cells(static_cast<std::size_t>(Payments + 1) * 6);
    double principal = 200000, rate = 0.075, years = 40, compounding = 2;
    const double periods = daysInYearSet(3).weekPeriods, share = 12.0 / 52.0;
    auto toCell = [](double value) {
        Currency c;
        scheduleCell(value, c);
        return c.raw();
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(principal);
        benchmark::DoNotOptimize(rate);
        benchmark::DoNotOptimize(years);
        benchmark::DoNotOptimize(compounding);
        const double base = 1.0 + rate / compounding;
        const double monthlyRate = std::pow(base, compounding / 12.0) - 1.0;
        const double periodicRate = std::pow(base, compounding / periods) - 1.0;
        const double annuity = 1.0 - 1.0 / std::pow(base, compounding * years);
        const double payment = principal * (monthlyRate * share) / annuity;
        double balance = principal, interest = principal * periodicRate,
               principalPart = payment - interest;
        double cumInterest = 0, cumPrincipal = 0;
        for (int k = 1; k <= Payments; ++k) {
            balance -= principalPart;
            cumInterest += interest;
            cumPrincipal += principalPart;
            std::int64_t* row = &cells[static_cast<std::size_t>(k) * 6];
            row[0] = std::int64_t{k} * Currency::Scale;
            row[1] = toCell(interest);
            row[2] = toCell(principalPart);
            row[3] = toCell(balance);
            row[4] = toCell(cumInterest);
            row[5] = toCell(cumPrincipal);
            interest = periodicRate * balance;
            principalPart = payment - interest;
        }
        benchmark::DoNotOptimize(cells.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * Payments);
}
BENCHMARK(BM_BareLoopFloor)->Unit(benchmark::kMicrosecond);

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

// Prints the worst case to a PDF file through the printer `open` gives for it.
template <typename Open> void printToPdf(benchmark::State& state, Open open) {
    const AmortizationInput in = worstCase();
    const auto result = amortize(in);
    const ScheduleReportInput report = reportOf(in, result.value());
    const auto file = std::filesystem::temp_directory_path() / "pecunex-bench-schedule.pdf";
    for (auto _ : state) {
        auto printer = open(file.string());
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

// The PDF pecunex-report writes: the printout font's own writer.
void BM_ScheduleReportPdf(benchmark::State& state) {
    printToPdf(state, [](const std::string& file) { return PdfPrinter::open(file); });
}
BENCHMARK(BM_ScheduleReportPdf)->Unit(benchmark::kMillisecond);

// The PDF the desktop program writes when no printer is installed: Qt's writer.
void BM_ScheduleReportQtPdf(benchmark::State& state) {
    printToPdf(state, [](const std::string& file) {
        return QtPrinter::toPdf(QString::fromStdString(file));
    });
}
BENCHMARK(BM_ScheduleReportQtPdf)->Unit(benchmark::kMillisecond);

} // namespace
