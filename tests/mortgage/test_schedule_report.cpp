#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "Amortization.h"
#include "Dates.h"
#include "LoanFile.h"
#include "Printer.h"
#include "ScheduleReport.h"
#include "TextPrinter.h"

namespace {

const std::string GoldenDir = PECUNEX_SOURCE_DIR "/tests/golden/";

std::string readText(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

// The whole printout as "To Printer" runs it: set-up, report, end of document.
std::string render(const AmortizationInput& input, int font, const std::string& header) {
    const auto result = amortize(input);
    if (!result.ok())
        return "calculation failed: " + result.failure().what;
    ScheduleReportInput in{
        {header, "$", font, {}}, &input, &result.value(), [](int day) { return isoDate(day); }};
    TextPrinter printer;
    printScheduleReport(printer, in, printerSetUp(printer, font));
    printer.endDocument();
    return printer.text();
}

// Mortgage and loan, all payments and annual totals, fonts 0 and 1, dates and additional
// payments. Reviewed by eye; PECUNEX_UPDATE_GOLDEN=1 rewrites them.
TEST(ScheduleReport, MatchesTheGoldenPrintouts) {
    constexpr auto All = ScheduleView::AllPayments, Annual = ScheduleView::AnnualTotals;
    constexpr auto Dated = DateView::Dates, Numbered = DateView::PaymentNumbers;
    const struct {
        const char* file;
        ScheduleView scheduleView;
        DateView dateView;
        int font, extraInYear2;
        const char *header, *golden;
    } cases[] = {
        // biweekly accelerated with dates, additional payments in years 3 and 7
        {"Sample.umd", All, Dated, 1, 0, "Sample mortgage, all payments",
         "sample-mortgage-all-font1.txt"},
        {"Sample.umd", Annual, Numbered, 0, 0, "Sample mortgage, annual totals",
         "sample-mortgage-annual-font0.txt"},
        {"Sample.uld", All, Numbered, 0, 0, "Sample loan", "sample-loan-all-font0.txt"},
        {"Sample.uld", Annual, Dated, 1, 1500, "", "sample-loan-annual-font1.txt"}, // empty header
    };
    for (const auto& c : cases) {
        const LoanFileRead read =
            readLoanFile(readText(PECUNEX_SOURCE_DIR "/samples/" + std::string(c.file)));
        ASSERT_FALSE(read.error.has_value()) << c.file;
        AmortizationInput in = read.data.input;
        in.scheduleView = c.scheduleView;
        in.dateView = c.dateView;
        in.extraPayments[2] = Currency::fromWhole(c.extraInYear2);
        const std::string text = render(in, c.font, c.header);
        if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
            std::ofstream(GoldenDir + c.golden, std::ios::binary) << text;
        EXPECT_EQ(text, readText(GoldenDir + c.golden)) << c.golden;
    }
}

TEST(ScheduleReport, AdditionalPaymentsBlockMovesToANewPageWhenItWouldPassLine57) {
    // The block (two blank lines, title, blank, two payments) opens a new page when the line
    // count + 6 exceeds 57. Font 1: 24 + 27 rows fit on the first page, 7 + 44 on the next.
    for (const auto& [months, moves] :
         {std::pair{27, false}, {28, true}, {83, false}, {84, true}}) {
        AmortizationInput in{.principal = Currency::fromWhole(100000),
                             .ratePercent = Currency::fromWhole(6),
                             .termYears = Currency::fromDouble(months / 12.0).value(),
                             .mode = LoanMode::Loan};
        in.extraPayments[2] = in.extraPayments[3] = Currency::fromWhole(100);
        const std::string text = render(in, 1, "block");
        const std::size_t total = text.find(" Total:");
        ASSERT_NE(total, std::string::npos);
        EXPECT_EQ(text.find('\f', total) != std::string::npos, moves) << months << " months";
        EXPECT_NE(text.find("\n\n\n Additional  Payments     Applied\n\n   2 Year         100.00\n"
                            "   3 Year         100.00\n"),
                  std::string::npos);
    }
}

} // namespace
