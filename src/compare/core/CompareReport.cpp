#include "CompareReport.h"

#include <algorithm>
#include <charconv>

#include "Csv.h"
#include "Dates.h"
#include "PlanSpec.h"
#include "Printer.h"

namespace {

const std::string Separator(76, '_');
constexpr int LabelColumn = 2;
constexpr int PlanWidth = 18;    // each plan's column, figures right-aligned in it
constexpr int FirstPlanEnd = 42; // the last character of plan A's column
constexpr int ScheduleHeadLines = 10;

std::string dollars(const ReportSettings& s, Currency value) {
    return s.currencySymbol + formatNumber(value, "###,,###.00", s.seps);
}

std::string twoDecimals(double value, const ReportSettings& s) {
    return formatNumber(value, "####,,##0.00", s.seps);
}

std::string conventionText(const LoanPlan& plan) {
    switch (plan.convention) {
    case Convention::Worksheet:
        return "Worksheet";
    case Convention::BankExact:
        return plan.daily() ? "Daily, exact" : "Bank, exact";
    case Convention::BankCents:
        break;
    }
    return plan.daily() ? "Daily, cents" : "Bank, cents";
}

std::string termText(const LoanPlan& plan) {
    return std::to_string(plan.term) + (plan.termInMonths ? " months" : " years");
}

class ComparisonReport {
  public:
    ComparisonReport(Printer& printer, const CompareReportInput& in) : p_(printer), in_(in) {}

    void print() {
        p_.print({Tab(2), in_.header});
        p_.emptyLine();
        p_.print({Tab(30), "Loan Comparison"});
        p_.emptyLine();
        std::vector<PrintItem> heads{Tab(LabelColumn), ""};
        for (std::size_t i = 0; i < in_.plans.size(); ++i)
            add(heads, i, std::string("Plan ") + planLetter(i));
        p_.print(heads);
        p_.print({Tab(2), Separator});
        line("Principal", [&](const ComparedPlan& c) { return dollars(in_, c.plan.principal); });
        line("Annual rate", [&](const ComparedPlan& c) {
            return formatNumber(c.plan.ratePercent, "0.########", in_.seps) + "%";
        });
        line("Compounding", [](const ComparedPlan& c) {
            return std::string(compoundingWord(c.plan.compounding));
        });
        line("Payments",
             [](const ComparedPlan& c) { return std::string(frequencyWord(c.plan.frequency)); });
        line("Term", [](const ComparedPlan& c) { return termText(c.plan); });
        line("Convention", [](const ComparedPlan& c) { return conventionText(c.plan); });
        line("Extra with each payment",
             [&](const ComparedPlan& c) { return dollars(in_, c.plan.extra); });
        p_.emptyLine();
        line("Payment", [&](const ComparedPlan& c) { return dollars(in_, c.result.payment); });
        line("Number of payments",
             [](const ComparedPlan& c) { return std::to_string(c.result.payments); });
        line("Last payment",
             [&](const ComparedPlan& c) { return dollars(in_, c.result.lastPayment); });
        line("Years to pay off",
             [&](const ComparedPlan& c) { return twoDecimals(c.result.years, in_); });
        line("Payoff date", [&](const ComparedPlan& c) {
            return c.result.payoffDate && in_.formatDate ? in_.formatDate(*c.result.payoffDate)
                                                         : std::string("-");
        });
        line("Total interest",
             [&](const ComparedPlan& c) { return dollars(in_, c.result.totalInterest); });
        line("Total paid", [&](const ComparedPlan& c) { return dollars(in_, c.result.totalPaid); });
        if (std::any_of(in_.plans.begin(), in_.plans.end(),
                        [](const ComparedPlan& c) { return c.result.worksheetSavings; }))
            line("Worksheet savings", [&](const ComparedPlan& c) {
                return c.result.worksheetSavings ? dollars(in_, *c.result.worksheetSavings)
                                                 : std::string("-");
            });
        std::vector<PrintItem> saved{Tab(LabelColumn), "Interest saved vs. A"};
        for (std::size_t i = 0; i < in_.plans.size(); ++i)
            add(saved, i, dollars(in_, interestSaved(in_.plans, i)));
        p_.print(saved);
        for (std::size_t r = 0; r < MaxRenewals; ++r) {
            bool any = false;
            std::vector<PrintItem> items{Tab(LabelColumn),
                                         "Balance at renewal " + std::to_string(r + 1)};
            for (std::size_t i = 0; i < in_.plans.size(); ++i) {
                const auto& balances = in_.plans[i].result.renewalBalances;
                const bool has = r < balances.size();
                any = any || has;
                add(items, i, has ? dollars(in_, balances[r].balance) : std::string("-"));
            }
            if (any)
                p_.print(items);
        }
        p_.print({Tab(2), Separator});
    }

  private:
    static void add(std::vector<PrintItem>& items, std::size_t plan, const std::string& text) {
        const int end = FirstPlanEnd + static_cast<int>(plan) * PlanWidth;
        items.push_back(Tab(end - PlanWidth + 1));
        items.emplace_back(RightAlign(text, PlanWidth));
    }

    template <class Text> void line(const char* label, Text text) {
        std::vector<PrintItem> items{Tab(LabelColumn), label};
        for (std::size_t i = 0; i < in_.plans.size(); ++i)
            add(items, i, text(in_.plans[i]));
        p_.print(items);
    }

    Printer& p_;
    const CompareReportInput& in_;
};

class ScheduleReport {
  public:
    ScheduleReport(Printer& printer, const CompareReportInput& in, std::size_t plan, bool annual,
                   int linesPerPage)
        : p_(printer), in_(in), plan_(in.plans[plan]), letter_(planLetter(plan)), annual_(annual),
          page_(printer, in.fontChoice, linesPerPage) {}

    void print() {
        p_.print({Tab(2), in_.header});
        p_.emptyLine();
        p_.print({Tab(25), std::string("Loan Comparison: Plan ") + letter_ +
                               (annual_ ? ", Yearly Totals" : ", Schedule")});
        p_.emptyLine();
        p_.print({Tab(2), "Payment " + dollars(in_, plan_.result.payment) + "   Payments " +
                              std::to_string(plan_.result.payments) + "   Total interest " +
                              dollars(in_, plan_.result.totalInterest)});
        p_.emptyLine();
        heading();
        page_.counter = ScheduleHeadLines;
        if (annual_) {
            for (const YearRow& y : yearlyTotals(plan_.result))
                row({RightAlign(std::to_string(y.year), 5), money(y.payments), money(y.interest),
                     money(y.principal), money(y.balance)});
        } else {
            for (const PaymentRow& r : plan_.result.rows)
                row({RightAlign(std::to_string(r.number), 5),
                     r.date && in_.formatDate ? in_.formatDate(*r.date) : std::string(),
                     money(r.payment), money(r.interest), money(r.principal), money(r.extra),
                     money(r.balance)});
        }
        p_.print({Tab(2), Separator});
    }

  private:
    std::string money(Currency value) const { return formatNumber(value, "###,,###.00", in_.seps); }

    // Columns: number (5), date (10), then figures 11 wide.
    void row(const std::vector<std::string>& cells) {
        std::vector<PrintItem> items{Tab(2), cells[0]};
        int column = annual_ ? 9 : 19;
        if (!annual_) {
            items.push_back(Tab(8));
            items.emplace_back(cells[1]);
        }
        for (std::size_t c = annual_ ? 1 : 2; c < cells.size(); ++c) {
            items.push_back(Tab(column));
            items.emplace_back(RightAlign(cells[c], annual_ ? 13 : 11));
            column += annual_ ? 14 : 12;
        }
        p_.print(items);
        ++page_.counter;
        if (page_.reached()) {
            page_.breakPage(4);
            p_.emptyLine();
            heading();
        }
    }

    void heading() {
        if (annual_)
            p_.print({Tab(2), " Year", Tab(9), "     Payments", Tab(23), "     Interest", Tab(37),
                      "    Principal", Tab(51), "      Balance"});
        else
            p_.print({Tab(2), "  No.", Tab(8), "Date", Tab(19), "    Payment", Tab(31),
                      "   Interest", Tab(43), "  Principal", Tab(55), "      Extra", Tab(67),
                      "    Balance"});
        p_.print({Tab(2), Separator});
    }

    Printer& p_;
    const CompareReportInput& in_;
    const ComparedPlan& plan_;
    char letter_;
    bool annual_;
    ReportPage page_;
};

std::string csvYears(double years) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, years, std::chars_format::fixed, 2);
    return std::string(buffer, end.ptr);
}

} // namespace

char planLetter(std::size_t i) {
    return static_cast<char>('A' + i);
}

Currency interestSaved(const std::vector<ComparedPlan>& plans, std::size_t i) {
    if (plans.empty() || i >= plans.size())
        return {};
    return plans.front().result.totalInterest.sub(plans[i].result.totalInterest);
}

void printComparisonDocument(Printer& printer, const CompareReportInput& in) {
    printDocument(printer, in.fontChoice, [&](int) { ComparisonReport(printer, in).print(); });
}

void printScheduleDocument(Printer& printer, const CompareReportInput& in, std::size_t plan,
                           bool annual) {
    if (plan >= in.plans.size())
        return;
    printDocument(printer, in.fontChoice,
                  [&](int lines) { ScheduleReport(printer, in, plan, annual, lines).print(); });
}

std::string comparisonCsv(const std::vector<ComparedPlan>& plans) {
    std::string out =
        "plan,payment,payments,last_payment,total_interest,total_paid,years,interest_saved\r\n";
    for (std::size_t i = 0; i < plans.size(); ++i) {
        const PlanResult& r = plans[i].result;
        out += std::string(1, planLetter(i)) + "," + csvFigure(r.payment) + "," +
               std::to_string(r.payments) + "," + csvFigure(r.lastPayment) + "," +
               csvFigure(r.totalInterest) + "," + csvFigure(r.totalPaid) + "," + csvYears(r.years) +
               "," + csvFigure(interestSaved(plans, i)) + "\r\n";
    }
    return out;
}

std::string scheduleCsv(const ComparedPlan& plan, bool annual) {
    if (annual) {
        std::string out = "year,payments,interest,principal,balance\r\n";
        for (const YearRow& y : yearlyTotals(plan.result))
            out += std::to_string(y.year) + "," + csvFigure(y.payments) + "," +
                   csvFigure(y.interest) + "," + csvFigure(y.principal) + "," +
                   csvFigure(y.balance) + "\r\n";
        return out;
    }
    std::string out = "number,date,payment,interest,principal,extra,balance\r\n";
    for (const PaymentRow& r : plan.result.rows)
        out += std::to_string(r.number) + "," + (r.date ? isoDate(*r.date) : std::string()) + "," +
               csvFigure(r.payment) + "," + csvFigure(r.interest) + "," + csvFigure(r.principal) +
               "," + csvFigure(r.extra) + "," + csvFigure(r.balance) + "\r\n";
    return out;
}

std::vector<NamedGraphTable> balanceGraphSeries(const std::vector<ComparedPlan>& plans) {
    std::vector<NamedGraphTable> series;
    for (std::size_t i = 0; i < plans.size(); ++i) {
        NamedGraphTable table{std::string("Plan ") + planLetter(i), {}};
        // [0] the principal, [y] the balance after year y: bar y stands at the start of year y.
        const std::vector<Currency> balances = balancesByYear(plans[i].plan, plans[i].result);
        for (std::size_t y = 1; y < balances.size(); ++y)
            table.points.push_back({static_cast<int>(y), balances[y - 1]});
        series.push_back(std::move(table));
    }
    return series;
}

int balanceGraphYears(const std::vector<NamedGraphTable>& series) {
    std::size_t years = 0;
    for (const NamedGraphTable& s : series)
        years = std::max(years, s.points.size());
    return static_cast<int>(years);
}
