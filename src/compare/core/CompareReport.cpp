#include "CompareReport.h"

#include <algorithm>
#include <charconv>

#include "Csv.h"
#include "Dates.h"
#include "PlanText.h"
#include "Printer.h"

namespace {

const std::string Separator(76, '_');
constexpr int LabelColumn = 2;
constexpr int PlanWidth = 18;    // each plan's column, figures right-aligned in it
constexpr int FirstPlanEnd = 42; // the last character of plan A's column
constexpr int ScheduleHeadLines = 10;

std::string dollars(const ReportSettings& s, Currency value) {
    return currencyText(value, s.currencySymbol, s.seps);
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

void addPlanItem(std::vector<PrintItem>& items, std::size_t plan, const std::string& text) {
    const int end = FirstPlanEnd + static_cast<int>(plan) * PlanWidth;
    items.push_back(Tab(end - PlanWidth + 1));
    items.emplace_back(RightAlign(text, PlanWidth));
}

class ScheduleReport {
  public:
    ScheduleReport(Printer& printer, const CompareReportInput& in, std::size_t plan, bool annual,
                   int linesPerPage)
        : p_(printer), in_(in), plan_(in.plans[plan]), letter_(planLetter(plan)),
          texts_(plan_, annual, in, in.formatDate), page_(printer, in.fontChoice, linesPerPage) {}

    void print() {
        p_.print({Tab(2), in_.header});
        p_.emptyLine();
        p_.print({Tab(25), std::string("Loan Comparison: Plan ") + letter_ +
                               (texts_.annual() ? ", Yearly Totals" : ", Schedule")});
        p_.emptyLine();
        p_.print({Tab(2), "Payment " + dollars(in_, plan_.result.payment) + "   Payments " +
                              std::to_string(plan_.result.payments) + "   Total interest " +
                              dollars(in_, plan_.result.totalInterest)});
        p_.emptyLine();
        heading();
        page_.counter = ScheduleHeadLines;
        for (std::size_t i = 0; i < texts_.rows(); ++i)
            row(texts_.row(i));
        p_.print({Tab(2), Separator});
    }

  private:
    // Columns: number (5), date (10), then figures 11 wide; by year, figures 13 wide.
    void row(const std::vector<std::string>& cells) {
        const bool annual = texts_.annual();
        std::vector<PrintItem> items{Tab(2), RightAlign(cells[0], 5)};
        int column = annual ? 9 : 19;
        if (!annual) {
            items.push_back(Tab(8));
            items.emplace_back(cells[1]);
        }
        for (std::size_t c = annual ? 1 : 2; c < cells.size(); ++c) {
            items.push_back(Tab(column));
            items.emplace_back(RightAlign(cells[c], annual ? 13 : 11));
            column += annual ? 14 : 12;
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
        if (texts_.annual())
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
    ScheduleTexts texts_;
    ReportPage page_;
};

std::string csvYears(double years) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, years, std::chars_format::fixed, 2);
    return std::string(buffer, end.ptr);
}

} // namespace

std::string currencyText(Currency value, std::string_view symbol, const NumberSeparators& seps) {
    const std::string figure = formatNumber(value, "###,,###.00", seps);
    if (figure.starts_with('-'))
        return "-" + std::string(symbol) + figure.substr(1);
    return std::string(symbol) + figure;
}

char planLetter(std::size_t i) {
    return static_cast<char>('A' + i);
}

Currency interestSaved(const std::vector<ComparedPlan>& plans, std::size_t i) {
    if (plans.empty() || i >= plans.size())
        return {};
    return plans.front().result.totalInterest.sub(plans[i].result.totalInterest);
}

std::vector<ComparisonLine> comparisonLines(const CompareReportInput& in) {
    std::vector<ComparisonLine> lines;
    const auto line = [&](const char* label, auto text) {
        ComparisonLine l{label, {}};
        for (const ComparedPlan& c : in.plans)
            l.plans.push_back(text(c));
        lines.push_back(std::move(l));
    };
    const auto money = [&](auto field) {
        return [&in, field](const ComparedPlan& c) { return dollars(in, field(c)); };
    };
    line("Principal", money([](const ComparedPlan& c) { return c.plan.principal; }));
    line("Annual rate", [&](const ComparedPlan& c) {
        return formatNumber(c.plan.ratePercent, "0.########", in.seps) + "%";
    });
    line("Compounding",
         [](const ComparedPlan& c) { return std::string(compoundingWord(c.plan.compounding)); });
    line("Payments",
         [](const ComparedPlan& c) { return std::string(frequencyWord(c.plan.frequency)); });
    line("Term", [](const ComparedPlan& c) { return termText(c.plan); });
    line("Convention", [](const ComparedPlan& c) { return conventionText(c.plan); });
    line("Extra with each payment", money([](const ComparedPlan& c) { return c.plan.extra; }));
    lines.push_back({});
    line("Payment", money([](const ComparedPlan& c) { return c.result.payment; }));
    line("Number of payments",
         [](const ComparedPlan& c) { return std::to_string(c.result.payments); });
    line("Last payment", money([](const ComparedPlan& c) { return c.result.lastPayment; }));
    line("Years to pay off",
         [&](const ComparedPlan& c) { return twoDecimals(c.result.years, in); });
    line("Payoff date", [&](const ComparedPlan& c) {
        return c.result.payoffDate && in.formatDate ? in.formatDate(*c.result.payoffDate)
                                                    : std::string("-");
    });
    line("Total interest", money([](const ComparedPlan& c) { return c.result.totalInterest; }));
    line("Total paid", money([](const ComparedPlan& c) { return c.result.totalPaid; }));
    if (std::any_of(in.plans.begin(), in.plans.end(),
                    [](const ComparedPlan& c) { return c.result.worksheetSavings; }))
        line("Worksheet savings", [&](const ComparedPlan& c) {
            return c.result.worksheetSavings ? dollars(in, *c.result.worksheetSavings)
                                             : std::string("-");
        });
    ComparisonLine saved{"Interest saved vs. A", {}};
    for (std::size_t i = 0; i < in.plans.size(); ++i)
        saved.plans.push_back(dollars(in, interestSaved(in.plans, i)));
    lines.push_back(std::move(saved));
    for (std::size_t r = 0; r < MaxRenewals; ++r) {
        ComparisonLine renewal{"Balance at renewal " + std::to_string(r + 1), {}};
        bool any = false;
        for (const ComparedPlan& c : in.plans) {
            const auto& balances = c.result.renewalBalances;
            any = any || r < balances.size();
            renewal.plans.push_back(r < balances.size() ? dollars(in, balances[r].balance) : "-");
        }
        if (any)
            lines.push_back(std::move(renewal));
    }
    return lines;
}

ScheduleTexts::ScheduleTexts(const ComparedPlan& plan, bool annual, const ReportSettings& settings,
                             std::function<std::string(int)> formatDate)
    : plan_(plan), annual_(annual), seps_(settings.seps), formatDate_(std::move(formatDate)) {
    if (annual)
        years_ = yearlyTotals(plan.result);
}

std::size_t ScheduleTexts::rows() const {
    return annual_ ? years_.size() : plan_.result.rows.size();
}

std::vector<std::string> ScheduleTexts::row(std::size_t i) const {
    const auto money = [this](Currency value) { return formatNumber(value, "###,,###.00", seps_); };
    if (annual_) {
        const YearRow& y = years_[i];
        return {std::to_string(y.year), money(y.payments), money(y.interest), money(y.principal),
                money(y.balance)};
    }
    const PaymentRow& r = plan_.result.rows[i];
    return {std::to_string(r.number), r.date && formatDate_ ? formatDate_(*r.date) : std::string(),
            money(r.payment),         money(r.interest),
            money(r.principal),       money(r.extra),
            money(r.balance)};
}

void printComparison(Printer& p, const CompareReportInput& in) {
    p.print({Tab(2), in.header});
    p.emptyLine();
    p.print({Tab(30), "Loan Comparison"});
    p.emptyLine();
    std::vector<PrintItem> heads{Tab(LabelColumn), ""};
    for (std::size_t i = 0; i < in.plans.size(); ++i)
        addPlanItem(heads, i, std::string("Plan ") + planLetter(i));
    p.print(heads);
    p.print({Tab(2), Separator});
    for (const ComparisonLine& line : comparisonLines(in)) {
        if (line.label.empty()) {
            p.emptyLine();
            continue;
        }
        std::vector<PrintItem> items{Tab(LabelColumn), line.label};
        for (std::size_t i = 0; i < line.plans.size(); ++i)
            addPlanItem(items, i, line.plans[i]);
        p.print(items);
    }
    p.print({Tab(2), Separator});
}

void printSchedule(Printer& printer, const CompareReportInput& in, std::size_t plan, bool annual,
                   int linesPerPage) {
    if (plan < in.plans.size())
        ScheduleReport(printer, in, plan, annual, linesPerPage).print();
}

void printComparisonDocument(Printer& printer, const CompareReportInput& in) {
    printDocument(printer, in.fontChoice, [&](int) { printComparison(printer, in); });
}

void printScheduleDocument(Printer& printer, const CompareReportInput& in, std::size_t plan,
                           bool annual) {
    printDocument(printer, in.fontChoice,
                  [&](int lines) { printSchedule(printer, in, plan, annual, lines); });
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
