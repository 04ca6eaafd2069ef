#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Amortization.h"
#include "Dates.h"
#include "LoanFile.h"
#include "Printer.h"
#include "ScheduleReport.h"
#include "TextPrinter.h"

namespace {

const std::string GoldenDir = PECUNEX_SOURCE_DIR "/tests/golden/";
const std::string SampleDir = PECUNEX_SOURCE_DIR "/samples/";

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The whole printout frame as "To Printer" runs it: set-up, report, end of document.
std::string render(const AmortizationInput& input, int font, const std::string& header) {
    const auto result = amortize(input);
    EXPECT_TRUE(result.ok());
    if (!result.ok())
        return {};
    ScheduleReportInput in;
    in.input = &input;
    in.result = &result.value();
    in.header = header;
    in.currencySymbol = "$";
    in.fontChoice = font;
    in.formatDate = [](int day) { return isoDate(day); };
    TextPrinter printer;
    const int lines = printerSetUp(printer, font);
    printScheduleReport(printer, in, lines);
    printer.endDocument();
    return printer.text();
}

AmortizationInput inputFromFile(const std::string& path, int mode) {
    const LoanFileRead read = readLoanFile(readText(path));
    EXPECT_FALSE(read.error.has_value()) << path;
    AmortizationInput input = read.data.input;
    input.mortgageMode = mode;
    return input;
}

// Compares with a golden file; PECUNEX_UPDATE_GOLDEN=1 rewrites it instead (review by eye!).
void expectGolden(const std::string& name, const std::string& text) {
    const std::string path = GoldenDir + name;
    if (std::getenv("PECUNEX_UPDATE_GOLDEN"))
        std::ofstream(path, std::ios::binary) << text;
    const std::string expected = readText(path);
    ASSERT_FALSE(expected.empty()) << "missing golden file " << path;
    EXPECT_EQ(text, expected) << name;
}

// ---------------------------------------------------------------------------------------------
// Golden printouts

TEST(ScheduleReportGolden, ReferenceLoanAllPaymentsFontThree) {
    const AmortizationInput in = inputFromFile(GoldenDir + "loan-36m-all.uld", 2);
    EXPECT_EQ(render(in, 3, "Example: 36-month loan"), readText(GoldenDir + "loan-36m-all.expected.txt"));
}

TEST(ScheduleReportGolden, ReferenceMortgageAnnualStandardFont) {
    const AmortizationInput in = inputFromFile(GoldenDir + "mortgage-20y-annual.umd", 1);
    EXPECT_EQ(render(in, 0, "Example: 20-year mortgage, annual totals"),
              readText(GoldenDir + "mortgage-20y-annual.expected.txt"));
}

TEST(ScheduleReportGolden, SampleMortgageAllPaymentsWithDatesFontOne) {
    // 250,000 at 5.25 %, biweekly accelerated, additional payments in years 3 and 7
    const AmortizationInput in = inputFromFile(SampleDir + "Sample.umd", 1);
    expectGolden("sample-mortgage-all-font1.txt", render(in, 1, "Sample mortgage, all payments"));
}

TEST(ScheduleReportGolden, SampleMortgageAnnualStandardFont) {
    AmortizationInput in = inputFromFile(SampleDir + "Sample.umd", 1);
    in.scheduleView = 1;
    expectGolden("sample-mortgage-annual-font0.txt", render(in, 0, "Sample mortgage, annual totals"));
}

TEST(ScheduleReportGolden, SampleLoanAllPaymentsStandardFont) {
    const AmortizationInput in = inputFromFile(SampleDir + "Sample.uld", 2);
    expectGolden("sample-loan-all-font0.txt", render(in, 0, "Sample loan"));
}

TEST(ScheduleReportGolden, SampleLoanAnnualWithDatesFontOne) {
    AmortizationInput in = inputFromFile(SampleDir + "Sample.uld", 2);
    in.scheduleView = 1;
    in.dateView = 1;
    in.extraPayments[2] = Currency::fromWhole(1500);
    expectGolden("sample-loan-annual-font1.txt", render(in, 1, ""));
}

// ---------------------------------------------------------------------------------------------
// Layout rules

AmortizationInput monthlyMortgage(int years) {
    AmortizationInput in;
    in.principal = Currency::fromWhole(100000);
    in.ratePercent = Currency::fromWhole(6);
    in.termYears = Currency::fromWhole(years);
    return in;
}

bool isScheduleRow(const std::string& line) {
    // "    12   1     100.35 ..." : a payment number in columns 2-6
    return line.size() > 20 && line[0] == ' ' && line.find_first_not_of(' ') < 6 &&
           std::isdigit(static_cast<unsigned char>(line[line.find_first_not_of(' ')])) != 0;
}

TEST(ScheduleReportLayout, PagesHoldTheFontsNumberOfRows) {
    // Page lengths of the four font choices: 53, 63, 56, 51 lines. The first page counts 24
    // lines before its rows, every following page 7.
    const int pageLength[] = {53, 63, 56, 51};
    for (int font = 0; font <= 3; ++font) {
        SCOPED_TRACE(font);
        const std::string text = render(monthlyMortgage(25), font, "pages");
        std::vector<std::string> pages;
        std::size_t start = 0;
        for (std::size_t ff; (ff = text.find('\f', start)) != std::string::npos; start = ff + 1)
            pages.push_back(text.substr(start, ff - start));
        pages.push_back(text.substr(start));

        int rows = 0;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE(p + 1);
            const auto lines = splitLines(pages[p]);
            int onPage = 0;
            for (const auto& l : lines)
                onPage += isScheduleRow(l) ? 1 : 0;
            rows += onPage;
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines[0], "");  // the set-up's empty line starts every page
            if (p + 1 < pages.size()) {
                EXPECT_EQ(onPage, p == 0 ? pageLength[font] - 24 : pageLength[font] - 7);
                // footer: two blank lines, then "Page n" at column 40
                ASSERT_GE(lines.size(), 4u);
                EXPECT_EQ(lines[lines.size() - 1], std::string(39, ' ') + "Page " + std::to_string(p + 1));
                EXPECT_EQ(lines[lines.size() - 2], "");
                EXPECT_EQ(lines[lines.size() - 3], "");
                EXPECT_TRUE(isScheduleRow(lines[lines.size() - 4]));
            } else {
                EXPECT_EQ(lines.back().rfind(" Total:", 0), 0u);
            }
            if (p > 0) {
                // a blank line, the two heading lines, the rule, a blank line
                ASSERT_GE(lines.size(), 6u);
                EXPECT_EQ(lines[1], "");
                EXPECT_EQ(lines[2], "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative");
                EXPECT_EQ(lines[3], " No. Year     Payment     Payment       Balance      Interest      Principal");
                EXPECT_EQ(lines[4], " " + std::string(75, '_'));
                EXPECT_EQ(lines[5], "");
            }
        }
        EXPECT_EQ(rows, 300);
    }
}

TEST(ScheduleReportLayout, AdditionalPaymentsBlockMovesToANewPageWhenItWouldPassLine57) {
    // Font 1 pages hold 63 lines, so the last page's count can stand anywhere up to 62. The
    // block (title, blank, two payments) opens a new page when count + 2 + 4 exceeds 57.
    int movedCases = 0, keptCases = 0;
    for (int months = 96; months <= 160; ++months) {
        SCOPED_TRACE(months);
        AmortizationInput in = monthlyMortgage(1);
        in.termYears = Currency::fromDouble(months / 12.0).value();
        in.mortgageMode = 2;
        in.extraPayments[2] = Currency::fromWhole(100);
        in.extraPayments[3] = Currency::fromWhole(100);
        const std::string text = render(in, 1, "block");
        const std::size_t total = text.find(" Total:");
        const std::size_t block = text.find(" Additional  Payments     Applied");
        ASSERT_NE(total, std::string::npos);
        ASSERT_NE(block, std::string::npos);
        const std::size_t pageStart = text.rfind('\f', total);
        int rowsOnLastPage = 0;
        for (const auto& l : splitLines(text.substr(pageStart == std::string::npos ? 0 : pageStart + 1,
                                                    total - (pageStart == std::string::npos ? 0 : pageStart + 1))))
            rowsOnLastPage += isScheduleRow(l) ? 1 : 0;
        const int counter = (pageStart == std::string::npos ? 24 : 7) + rowsOnLastPage;
        const bool moved = text.find('\f', total) != std::string::npos;
        EXPECT_EQ(moved, counter + 2 + 4 > 57) << "counter " << counter;
        (moved ? movedCases : keptCases)++;
        // two blank lines before the block, the payments after its blank line
        EXPECT_NE(text.find("\n\n\n Additional  Payments     Applied\n\n   2 Year         100.00\n   3 Year         100.00\n"),
                  std::string::npos);
    }
    EXPECT_GT(movedCases, 0);
    EXPECT_GT(keptCases, 0);
}

TEST(ScheduleReportLayout, EmptyHeaderStillPrintsItsLine) {
    const auto lines = splitLines(render(monthlyMortgage(1), 0, ""));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "                                Mortgage Table");
}

TEST(ScheduleReportLayout, DatedRowsPrintTheDateAtColumnTwo) {
    AmortizationInput in = monthlyMortgage(1);
    in.dateView = 1;
    in.firstPaymentDate = dateSerial(2027, 1, 31);
    const std::string text = render(in, 0, "dates");
    EXPECT_NE(text.find("\n    Date      Payment     Payment       Balance"), std::string::npos);
    EXPECT_NE(text.find("\n 2027-02-28    "), std::string::npos);
    EXPECT_NE(text.find("\n 2027-12-31    "), std::string::npos);
}

} // namespace
