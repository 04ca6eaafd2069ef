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
          texts_(input_.mode == LoanMode::Loan ? LoanTexts : MortgageTexts) {}

    void print() {
        // The rows, and for each page the heading and footer lines around them.
        const int rows = result_.rowsShown(input_.scheduleView);
        p_.expectLines(rows + (rows / (page_.linesPerPage() - ContinuedPageCount) + 1) * 30);
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
        if (input_.scheduleView == ScheduleView::AnnualTotals)
            for (const YearRow& year : result_.years)
                printRow(RightAlign(money(Currency::fromWhole(year.year), "####"), 5) + "    ",
                         scheduleFigures(year));
        else
            for (const PaymentRow& row : result_.payments)
                printRow(firstField(row), scheduleFigures(row));
        printTotalRow();
        printExtraPayments();
    }

  private:
    std::string money(Currency value, std::string_view pattern) const {
        return formatNumber(value, pattern, in_.seps);
    }

    void printFirstValues() {
        const int termShown = input_.mode == LoanMode::Loan ? 12 : 1;
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
        p_.print(
            {Tab(2), t.inDays, Tab(9), RightAlign(t.periodicR, 10), Tab(19),
             RightAlign(withoutLeadingBlanks(t.numPmtsYear), 7), Tab(31),
             RightAlign(withoutLeadingBlanks(t.endMortYear), 6), Tab(40),
             RightAlign(in_.currencySymbol + formatNumber(result_.payment, "##,,###.00", in_.seps),
                        10),
             Tab(53), t.allPayments, Tab(65), t.totSavd});
    }

    void printScheduleHeading() {
        p_.print({Tab(2), ScheduleHeading1});
        const char* second = input_.scheduleView == ScheduleView::AnnualTotals ? AnnualHeading
                             : input_.dateView == DateView::Dates              ? DateHeading
                                                                               : NumberHeading;
        p_.print({Tab(2), second});
        p_.print({Tab(2), Rule});
    }

    std::string firstField(const PaymentRow& row) const {
        if (row.date)
            return in_.formatDate ? in_.formatDate(*row.date) : isoDate(*row.date);
        const int year = paymentYear(row.number, result_.paymentsPerYear);
        return RightAlign(money(Currency::fromWhole(row.number), "####"), 5) +
               RightAlign(money(Currency::fromWhole(year), "###"), 4);
    }

    void printRow(std::string first, const ScheduleFigures& f) {
        p_.print({Tab(2), std::move(first), Tab(13), RightAlign(money(f[0], "####,,###.00"), 9),
                  Tab(25), RightAlign(money(f[1], "####,,###.00"), 9), Tab(36),
                  RightAlign(money(f[2], "####,,###.00"), 12), Tab(50),
                  RightAlign(money(f[3], "####,,###.00"), 12), Tab(65),
                  RightAlign(money(f[4], "####,,###.00"), 12)});
        ++page_.counter;
        if (page_.reached())
            breakPage();
    }

    void printTotalRow() {
        const ScheduleFigures fin = finalFigures(result_, input_.scheduleView);
        const std::string& sym = in_.currencySymbol;
        p_.print({Tab(2), "Total:", Tab(36), RightAlign(sym + money(fin[2], "####,,###.00"), 12),
                  Tab(50), RightAlign(sym + money(fin[3], "####,,###.00"), 12), Tab(65),
                  RightAlign(sym + money(fin[4], "####,,###.00"), 12)});
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
    if (!in.input || !in.result || in.result->payments.empty())
        return;
    ScheduleReport(printer, in, linesPerPage).print();
}

std::string scheduleCsv(const AmortizationInput& input, const Amortization& result) {
    const bool annual = input.scheduleView == ScheduleView::AnnualTotals;
    const bool dated = input.dateView == DateView::Dates;
    std::string out = annual ? "year" : "payment";
    if (dated)
        out += ",date";
    else if (!annual)
        out += ",year";
    out += ",interest,principal,balance,cumulative_interest,cumulative_principal\r\n";
    const auto line = [&](int number, int dateOrYear, const ScheduleFigures& figures) {
        out += std::to_string(number);
        if (dated)
            out += "," + isoDate(dateOrYear);
        else if (!annual)
            out += "," + std::to_string(dateOrYear);
        for (Currency c : figures)
            out += "," + csvFigure(c);
        out += "\r\n";
    };
    // A year's date is the first payment's day of that year's anniversary.
    if (annual)
        for (const YearRow& year : result.years)
            line(year.year, addMonths(input.firstPaymentDate, 12 * (year.year - 1)),
                 scheduleFigures(year));
    else
        for (const PaymentRow& row : result.payments)
            line(row.number, row.date.value_or(paymentYear(row.number, result.paymentsPerYear)),
                 scheduleFigures(row));
    return out;
}
