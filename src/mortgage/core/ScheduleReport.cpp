#include "ScheduleReport.h"

#include "Csv.h"
#include "Dates.h"
#include "Printer.h"
#include "ScheduleTexts.h"

namespace {

const std::string Rule(75, '_');

constexpr int FirstPageCount = 24; // lines counted against the page before the first row
constexpr int ContinuedPageCount = 7;
constexpr int ExtraBlockPageLimit = 57;

struct Texts {
    const char* title;
    const char* summary1[3];
    const char* summary2[3];
};

const Texts MortgageTexts = {
    " Mortgage Table",
    {"Principal      Annual        Amortization   Interest           Frequency",
     "amount of      interest      period in      compounding        and type of",
     "mortgage.      rate(%).      years.         periods in year.   each payment"},
    {"Days   Interest    No. of     No. years  Principal   Total paid    Total of",
     "in     rate        payments   to final   + Interest  over life     interest",
     "year   factor      each year  payment    payment     of mortgage   savings"},
};

const Texts LoanTexts = {
    " Personal Loan Table",
    {"Principal      Annual        Length of      Interest           Frequency",
     "amount of      interest      the loan       compounding        and type of",
     "the loan.      rate(%).      in months.     periods in year.   each payment"},
    {"Days   Interest    No. of     No. months Principal   Total paid    Total of",
     "in     rate        payments   to final   + Interest  over life     interest",
     "year   factor      each year  payment    payment     of the loan   savings"},
};

constexpr const char* ScheduleHeading1 =
    " Payment    Interest   Principal     Remaining    Cumulative     Cumulative";
constexpr const char* AnnualHeading =
    "  Year       Payment     Payment       Balance      Interest      Principal";
constexpr const char* NumberHeading =
    "No. Year     Payment     Payment       Balance      Interest      Principal";
constexpr const char* DateHeading =
    "   Date      Payment     Payment       Balance      Interest      Principal";

// The result labels come right-aligned in 12; the printout aligns the bare figures itself.
std::string_view withoutLeadingBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

class ScheduleReport {
  public:
    ScheduleReport(Printer& printer, const ScheduleReportInput& in, int linesPerPage)
        : p_(printer), in_(in), input_(*in.input), result_(*in.result),
          page_(printer, in.fontChoice, linesPerPage),
          texts_(input_.mortgageMode == 2 ? LoanTexts : MortgageTexts) {}

    void print() {
        // The rows, and for each page the heading and footer lines around them.
        p_.expectLines(result_.last +
                       (result_.last / (page_.linesPerPage() - ContinuedPageCount) + 1) * 30);
        p_.print({Tab(2), in_.header});
        p_.emptyLine();
        p_.print({Tab(32), texts_.title});
        p_.print({Tab(2), Rule});
        p_.emptyLine();
        for (const char* line : texts_.summary1)
            p_.print({Tab(2), line});
        printFirstValues();
        p_.print({Tab(2), Rule});
        for (const char* line : texts_.summary2)
            p_.print({Tab(2), line});
        printSecondValues();
        p_.print({Tab(2), Rule});
        printScheduleHeading();

        page_.counter = FirstPageCount;
        for (int k = 1; k <= result_.last; ++k) {
            printRow(result_.rows[static_cast<std::size_t>(k)]);
            ++page_.counter;
            if (page_.reached())
                breakPage();
        }
        printTotalRow();
        printExtraPayments();
    }

  private:
    std::string money(Currency value, std::string_view pattern) const {
        return formatNumber(value, pattern, in_.seps);
    }

    void printFirstValues() {
        const int termShown = input_.mortgageMode == 2 ? 12 : 1;
        const auto term =
            input_.termYears.times(Currency::fromWhole(termShown)).value_or(Currency{});
        p_.print({Tab(2),
                  RightAlign(in_.currencySymbol + money(input_.principal, "###,,###.00"), 11),
                  Tab(15), RightAlign(money(input_.ratePercent, "###.000"), 8) + "%", Tab(29),
                  RightAlign(money(term, "###"), 4), Tab(40), RightAlign(input_.compounding, 16),
                  Tab(61), RightAlign(input_.frequency, 16)});
    }

    void printSecondValues() {
        const AmortizationTexts t = resultTexts(result_, input_, in_.currencySymbol, in_.seps);
        const Currency savings = result_.interestSavings < Currency::fromWhole(10)
                                     ? Currency{}
                                     : result_.interestSavings;
        p_.print(
            {Tab(2), t.inDays, Tab(9), RightAlign(t.periodicR, 10), Tab(19),
             RightAlign(withoutLeadingBlanks(t.numPmtsYear), 7), Tab(31),
             RightAlign(withoutLeadingBlanks(t.endMortYear), 6), Tab(40),
             RightAlign(in_.currencySymbol + formatNumber(result_.payment, "##,,###.00", in_.seps),
                        10),
             Tab(53), RightAlign(in_.currencySymbol + money(result_.totalPaid, "####,,###.00"), 12),
             Tab(65), RightAlign(in_.currencySymbol + money(savings, "####,,###.00"), 12)});
    }

    void printScheduleHeading() {
        p_.print({Tab(2), ScheduleHeading1});
        const char* second = input_.scheduleView == 1 ? AnnualHeading
                             : input_.dateView == 1   ? DateHeading
                                                      : NumberHeading;
        p_.print({Tab(2), second});
        p_.print({Tab(2), Rule});
    }

    std::string firstField(const ScheduleRow& row) const {
        if (input_.scheduleView == 1)
            return RightAlign(money(row.number, "####"), 5) + "    ";
        const auto dateOrYear = static_cast<int>(row.dateOrYear.raw() / Currency::Scale);
        if (input_.dateView == 1)
            return in_.formatDate ? in_.formatDate(dateOrYear) : isoDate(dateOrYear);
        return RightAlign(money(row.number, "####"), 5) +
               RightAlign(money(row.dateOrYear, "###"), 4);
    }

    void printRow(const ScheduleRow& row) {
        p_.print({Tab(2), firstField(row), Tab(13),
                  RightAlign(money(row.interest, "####,,###.00"), 9), Tab(25),
                  RightAlign(money(row.principal, "####,,###.00"), 9), Tab(36),
                  RightAlign(money(row.balance, "####,,###.00"), 12), Tab(50),
                  RightAlign(money(row.cumInterest, "####,,###.00"), 12), Tab(65),
                  RightAlign(money(row.cumPrincipal, "####,,###.00"), 12)});
    }

    void printTotalRow() {
        const ScheduleRow& fin = result_.rows[static_cast<std::size_t>(result_.last)];
        const std::string& sym = in_.currencySymbol;
        p_.print({Tab(2), "Total:", Tab(36),
                  RightAlign(sym + money(fin.balance, "####,,###.00"), 12), Tab(50),
                  RightAlign(sym + money(fin.cumInterest, "####,,###.00"), 12), Tab(65),
                  RightAlign(sym + money(fin.cumPrincipal, "####,,###.00"), 12)});
    }

    // Page footer, a new page and the schedule heading again.
    void breakPage() {
        page_.breakPage(ContinuedPageCount);
        p_.emptyLine();
        printScheduleHeading();
        p_.emptyLine();
    }

    void printExtraPayments() {
        const std::vector<std::string> block = extraPaymentsBlock(result_, in_.seps);
        if (block.empty())
            return;
        const int applied = static_cast<int>(result_.applied.size());
        if (page_.counter + applied + 4 > ExtraBlockPageLimit)
            breakPage();
        p_.emptyLine();
        p_.emptyLine();
        for (const auto& line : block) {
            if (line.empty())
                p_.emptyLine();
            else
                p_.print({Tab(2), line});
        }
    }

    Printer& p_;
    const ScheduleReportInput& in_;
    const AmortizationInput& input_;
    const Amortization& result_;
    ReportPage page_;
    const Texts& texts_;
};

} // namespace

void printScheduleReport(Printer& printer, const ScheduleReportInput& in, int linesPerPage) {
    if (!in.input || !in.result || in.result->last < 1)
        return;
    ScheduleReport(printer, in, linesPerPage).print();
}

std::string scheduleCsv(const AmortizationInput& input, const Amortization& result) {
    const bool annual = input.scheduleView == 1;
    const bool dated = input.dateView == 1;
    const auto whole = [](Currency value) { return std::to_string(value.raw() / Currency::Scale); };
    std::string out = annual ? "year" : "payment";
    if (dated)
        out += ",date";
    else if (!annual)
        out += ",year";
    out += ",interest,principal,balance,cumulative_interest,cumulative_principal\r\n";
    for (int k = 1; k <= result.last; ++k) {
        const ScheduleRow& row = result.rows[static_cast<std::size_t>(k)];
        out += whole(row.number);
        if (dated)
            out += "," + isoDate(static_cast<int>(row.dateOrYear.raw() / Currency::Scale));
        else if (!annual)
            out += "," + whole(row.dateOrYear);
        for (Currency c :
             {row.interest, row.principal, row.balance, row.cumInterest, row.cumPrincipal})
            out += "," + csvFigure(c);
        out += "\r\n";
    }
    return out;
}
