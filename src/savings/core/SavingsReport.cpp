#include "SavingsReport.h"

#include "Csv.h"
#include "Printer.h"

namespace {

const std::string Separator(72, '_');
constexpr int TitleCentre = 39; // the title's middle column
constexpr const char* HeadingRest =
    "          Investment      Interest/Growth         Current Value";

constexpr int FirstPageCount = 24; // lines counted against the page before the first row
constexpr int NextPageCount = 6;

class SavingsReport {
  public:
    SavingsReport(Printer& printer, const SavingsReportInput& in, int linesPerPage)
        : p_(printer), in_(in), plan_(*in.input), page_(printer, in.fontChoice, linesPerPage) {}

    void print() {
        p_.print({Tab(2), in_.header});
        p_.emptyLine();
        p_.emptyLine();
        p_.print({Tab(TitleCentre - charCount(in_.title) / 2), in_.title});
        p_.emptyLine();
        p_.emptyLine();
        for (const auto& [label, value] : in_.leadEntries)
            entry(label, value);
        printEntries();
        p_.emptyLine();
        printHeading();
        p_.emptyLine();

        page_.counter = FirstPageCount + 2 * static_cast<int>(in_.leadEntries.size());
        for (int k = 1; k <= in_.periods; ++k) {
            printRow(RightAlign(figure(row(k)[1], "###"), 3), row(k));
            ++page_.counter;
            if (page_.reached())
                breakPage();
        }
        p_.print({Tab(2), Separator});
        p_.emptyLine();
        printRow("Total:", row(in_.periods == 0 ? 2 : in_.periods + 1), in_.currencySymbol);
    }

  private:
    const GrowthRow& row(int k) const { return in_.table[static_cast<std::size_t>(k)]; }

    std::string figure(Currency value, std::string_view pattern) const {
        return formatNumber(value, pattern, in_.seps);
    }

    void entry(std::string_view label, const std::string& value) {
        if (value.empty())
            p_.print({Tab(2), label});
        else
            p_.print({Tab(2), label, Tab(52), value});
        p_.emptyLine();
    }

    void printEntries() {
        const auto money = [&](Currency c) {
            return RightAlign(in_.currencySymbol + figure(c, "##,,###.00"), 14);
        };
        const auto percent = [&](Currency c) { return RightAlign(figure(c, "###.00"), 14) + "%"; };
        entry("Amount of Lump Sum Invested at Start", money(plan_.lump));
        entry("Annual Amount Invested each contribution", money(plan_.contribution));
        entry("Frequency of each contribution", RightAlign(plan_.frequency, 14));
        entry("Annual Interest/Growth Rate(%)", percent(plan_.ratePercent));
        entry("Increase the annual Investment Rate by", percent(plan_.increasePercent));
        entry("Adjust Current Value for Annual Inflation Rate(%)", percent(plan_.inflationPercent));
        entry("Time in Years", RightAlign(figure(Currency::fromWhole(plan_.years), "###"), 14));
    }

    void printHeading() {
        p_.print({Tab(2), RightAlign(plan_.frequency, 9) + HeadingRest});
        p_.print({Tab(2), Separator});
    }

    // A period's row, or the total row with the currency symbol before each figure.
    void printRow(const std::string& first, const GrowthRow& r, const std::string& sym = {}) {
        p_.print({Tab(2), first, Tab(17), RightAlign(sym + figure(r[2], "####,,###.00"), 14),
                  Tab(39), RightAlign(sym + figure(r[3], "####,,###.00"), 13), Tab(61),
                  RightAlign(sym + figure(r[4], "####,,###.00"), 13)});
    }

    // Page footer, a new page and the column heading again.
    void breakPage() {
        page_.breakPage(NextPageCount);
        p_.emptyLine();
        p_.emptyLine();
        p_.emptyLine();
        printHeading();
        p_.emptyLine();
    }

    Printer& p_;
    const SavingsReportInput& in_;
    const GrowthInput& plan_;
    ReportPage page_;
};

} // namespace

void printSavingsReport(Printer& printer, const SavingsReportInput& in, int linesPerPage) {
    const int totalRow = in.periods == 0 ? 2 : in.periods + 1;
    if (!in.input || in.periods < 0 || static_cast<std::size_t>(totalRow) >= in.table.size())
        return;
    SavingsReport(printer, in, linesPerPage).print();
}

void printSavingsDocument(Printer& printer, const SavingsReportInput& in) {
    printDocument(printer, in.fontChoice,
                  [&](int lines) { printSavingsReport(printer, in, lines); });
}

std::string savingsCsv(std::span<const GrowthRow> table, int periods) {
    std::string out = "period,invested,interest,value\r\n";
    for (int k = 1; k <= periods && static_cast<std::size_t>(k) < table.size(); ++k) {
        const GrowthRow& r = table[static_cast<std::size_t>(k)];
        out += std::to_string(r[1].raw() / Currency::Scale);
        for (int col = 2; col <= 4; ++col)
            out += "," + csvFigure(r[static_cast<std::size_t>(col)]);
        out += "\r\n";
    }
    return out;
}
