#include "ScheduleTexts.h"

#include <cmath>

constexpr int Cols = 6; // of the schedule grid

ScheduleFigures scheduleFigures(const PaymentRow& row) {
    return {row.interest, row.principal.add(row.extra), row.balance, row.cumInterest,
            row.cumPrincipal};
}

ScheduleFigures scheduleFigures(const YearRow& row) {
    return {row.interest, row.principal, row.balance, row.cumInterest, row.cumPrincipal};
}

ScheduleFigures finalFigures(const Amortization& result, ScheduleView view) {
    return view == ScheduleView::AnnualTotals ? scheduleFigures(result.years.back())
                                              : scheduleFigures(result.payments.back());
}

AmortizationTexts resultTexts(const Amortization& result, const AmortizationInput& input,
                              std::string_view currencySymbol, const NumberSeparators& seps) {
    const std::string symbol(currencySymbol);
    AmortizationTexts t;
    t.numPmtsYear =
        RightAlign(formatNumber(static_cast<double>(result.paymentsPerYear), "###", seps), 12);
    t.inMonthPI = RightAlign(symbol + formatNumber(result.payment, "###,,###.00", seps), 12);
    t.periodicR = formatNumber(result.periodicRate, "0.########", seps);
    if (result.paymentsPerYear == 12 || result.paymentsPerYear == 24) {
        t.inDays = "Normal";
    } else {
        const float d = daysInYearSet(input.daysChoice).daysInYear;
        t.inDays = formatNumber(static_cast<double>(d), d == 365.25f ? "###.##" : "###", seps);
    }
    // The final payment's number, recovered from the single-precision years figure (exact for
    // every schedule length the table holds).
    const long finalPayment =
        std::lround(static_cast<double>(result.yearsToFinal) * result.paymentsPerYear);
    double toFinal = static_cast<double>(finalPayment) / result.paymentsPerYear;
    if (input.mode == LoanMode::Loan)
        toFinal *= 12.0;
    t.endMortYear = RightAlign(formatNumber(toFinal, "###.00", seps), 12);
    t.allPayments = RightAlign(symbol + formatNumber(result.totalPaid, "###,,###.00", seps), 12);
    const Currency savings =
        result.interestSavings < Currency::fromWhole(10) ? Currency{} : result.interestSavings;
    t.totSavd = RightAlign(symbol + formatNumber(savings, "###,,###.00", seps), 12);
    return t;
}

std::vector<std::string> extraPaymentsBlock(const Amortization& result,
                                            const NumberSeparators& seps) {
    std::vector<std::string> lines;
    if (result.applied.empty())
        return lines;
    lines.emplace_back("Additional  Payments     Applied");
    lines.emplace_back();
    for (const auto& p : result.applied)
        lines.push_back(RightAlign(formatNumber(static_cast<double>(p.year), "###", seps), 3) +
                        " Year   " + RightAlign(formatNumber(p.amount, "###,,###.00", seps), 12));
    return lines;
}

std::string mortgageGraphTitle(LoanMode mode) {
    return mode == LoanMode::Loan ? "Personal Loan balance at start of each Year"
                                  : "Mortgage balance at start of each Year";
}

FirstColumn scheduleFirstColumn(const ScheduleGridOptions& options) {
    if (options.scheduleView == ScheduleView::AnnualTotals)
        return FirstColumn::Year;
    return options.dateView == DateView::Dates ? FirstColumn::Date : FirstColumn::NumberAndYear;
}

std::array<std::string, 6> scheduleGridHeadings(FirstColumn first) {
    return {first == FirstColumn::Year   ? " Payment  Year"
            : first == FirstColumn::Date ? " Payment  Date"
                                         : "  Payment   No.  Year",
            "Interest Payment",
            "Principal Payment",
            "Remaining Balance",
            "Cumulative Interest",
            "Cumulative Principal"};
}

std::vector<std::string> scheduleGridCells(const Amortization& result,
                                           const ScheduleGridOptions& options) {
    const FirstColumn view = scheduleFirstColumn(options);
    const int last = result.rowsShown(options.scheduleView);
    const bool extras = options.extraPaymentsInUse > 0;
    // Schedule rows, "Total:", then (with additional payments) two empty rows, the
    // heading row and one row per applied payment.
    const size_t rows = static_cast<size_t>(last) + 1 + (extras ? 3 + result.applied.size() : 0);
    std::vector<std::string> cells(rows * Cols);
    auto money = [&](Currency c) { return formatNumber(c, "####,,###.00", options.seps); };
    auto whole = [](int n, const char* pattern, int width) {
        return RightAlign(formatNumber(Currency::fromWhole(n), pattern), width);
    };
    auto fill = [&](int k, std::string first, const ScheduleFigures& figures) {
        std::string* out = &cells[static_cast<size_t>(k) * Cols];
        out[0] = std::move(first);
        for (size_t c = 0; c < figures.size(); ++c)
            out[c + 1] = money(figures[c]);
    };

    if (view == FirstColumn::Year)
        for (const YearRow& year : result.years)
            fill(year.year - 1, whole(year.year, "####", 5), scheduleFigures(year));
    else
        for (const PaymentRow& row : result.payments)
            fill(row.number - 1,
                 view == FirstColumn::Date && options.formatDate && row.date
                     ? options.formatDate(*row.date)
                     : whole(row.number, "####", 5) +
                           whole(paymentYear(row.number, result.paymentsPerYear), "###", 4),
                 scheduleFigures(row));

    std::string* total = &cells[static_cast<size_t>(last) * Cols];
    total[0] = "Total:";
    if (last >= 1) {
        const ScheduleFigures fin = finalFigures(result, options.scheduleView);
        for (size_t c = 3; c < Cols; ++c)
            total[c] = options.currencySymbol + money(fin[c - 1]);
    }

    if (extras) {
        std::string* head = &cells[static_cast<size_t>(last + 3) * Cols];
        head[1] = "Additional ";
        head[2] = "Payments  ";
        head[3] = "Applied  ";
        size_t r = static_cast<size_t>(last) + 4;
        for (const AppliedExtraPayment& paid : result.applied) {
            std::string* out = &cells[r * Cols];
            out[1] = "Year  " + RightAlign(formatNumber(static_cast<double>(paid.year), "###"), 3);
            out[2] = formatNumber(paid.amount, "###,,###.00", options.seps);
            ++r;
        }
    }
    return cells;
}
