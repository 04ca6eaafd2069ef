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
constexpr int PlanWidth = 18; // each plan's column at least, figures right-aligned in it
constexpr int LabelsEnd = 24; // the last character before plan A's column
constexpr int ScheduleHeadLines = 10;

// A column holds its widest text and a blank before it, never less than `least`: a figure
// is never cut, however large the loan.
int columnWidth(int least, const std::vector<std::string>& texts) {
    int width = least;
    for (const std::string& text : texts)
        width = std::max(width, static_cast<int>(charCount(text)) + 1);
    return width;
}

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

void addPlanItem(std::vector<PrintItem>& items, std::size_t plan, int width,
                 const std::string& text) {
    items.push_back(Tab(LabelsEnd + 1 + static_cast<int>(plan) * width));
    items.emplace_back(RightAlign(text, width));
}

class ScheduleReport {
  public:
    ScheduleReport(Printer& printer, const CompareReportInput& in, std::size_t plan, bool annual,
                   int linesPerPage)
        : p_(printer), in_(in), plan_(in.plans[plan]), letter_(planLetter(in.plans, plan)),
          texts_(plan_, annual, in, in.formatDate), page_(printer, in.fontChoice, linesPerPage) {
        measure();
    }

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
    // Columns: number (5), date (10), then figures 11 wide; by year, figures 13 wide; each
    // wider when its largest figure needs it, one blank between columns.
    void measure() {
        const bool annual = texts_.annual();
        const std::size_t count = annual ? 5 : 7;
        widths_.assign(count, annual ? 13 : 11);
        widths_[0] = 5;
        if (!annual)
            widths_[1] = 10;
        for (std::size_t i = 0; i < texts_.rows(); ++i) {
            const std::vector<std::string> cells = texts_.row(i);
            for (std::size_t c = 0; c < count; ++c)
                widths_[c] = std::max(widths_[c], static_cast<int>(charCount(cells[c])));
        }
    }

    void line(const std::vector<std::string>& cells, bool dateLeft) {
        std::vector<PrintItem> items;
        int column = 2;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            items.push_back(Tab(column));
            const bool left = dateLeft && c == 1 && !texts_.annual();
            items.emplace_back(left ? cells[c] : RightAlign(cells[c], widths_[c]));
            // By year, two blanks after the year.
            column += widths_[c] + (c == 0 && texts_.annual() ? 2 : 1);
        }
        p_.print(items);
    }

    void row(const std::vector<std::string>& cells) {
        line(cells, true);
        ++page_.counter;
        if (page_.reached()) {
            page_.breakPage(4);
            p_.emptyLine();
            heading();
        }
    }

    void heading() {
        if (texts_.annual())
            line({"Year", "Payments", "Interest", "Principal", "Balance"}, false);
        else
            line({"No.", "Date", "Payment", "Interest", "Principal", "Extra", "Balance"}, true);
        p_.print({Tab(2), Separator});
    }

    Printer& p_;
    const CompareReportInput& in_;
    const ComparedPlan& plan_;
    char letter_;
    ScheduleTexts texts_;
    ReportPage page_;
    std::vector<int> widths_;
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

char planLetter(const std::vector<ComparedPlan>& plans, std::size_t i) {
    return i < plans.size() && plans[i].letter != 0 ? plans[i].letter : planLetter(i);
}

std::optional<Currency> interestSaved(const std::vector<ComparedPlan>& plans, std::size_t i) {
    if (plans.empty() || i >= plans.size() || planLetter(plans, 0) != 'A')
        return std::nullopt;
    return plans.front().result.totalInterest.sub(plans[i].result.totalInterest);
}

std::string compoundingText(const LoanPlan& plan) {
    std::string word(compoundingWord(plan.compounding));
    // The count shows where the conventions count differently.
    const CompoundingCount& count = CompoundingCounts[static_cast<std::size_t>(
        std::clamp(plan.compounding, 0, CompoundingKinds - 1))];
    if (count.worksheet != count.bank)
        word += " (" +
                std::to_string(plan.convention == Convention::Worksheet ? count.worksheet
                                                                        : count.bank) +
                ")";
    return word;
}

std::vector<ComparisonLine> comparisonLines(const CompareReportInput& in) {
    std::vector<ComparisonLine> lines;
    const auto line = [&](std::string label, auto text) {
        ComparisonLine l{std::move(label), {}};
        for (const ComparedPlan& c : in.plans)
            l.plans.push_back(text(c));
        lines.push_back(std::move(l));
    };
    const auto any = [&](auto has) { return std::any_of(in.plans.begin(), in.plans.end(), has); };
    const auto money = [&](auto field) {
        return [&in, field](const ComparedPlan& c) { return dollars(in, field(c)); };
    };
    const auto bank = [](const ComparedPlan& c) {
        return c.plan.convention != Convention::Worksheet;
    };
    const auto date = [&](const std::optional<int>& day) {
        return day && in.formatDate ? in.formatDate(*day) : std::string("-");
    };
    const auto rate = [&](double percent) {
        return formatNumber(percent, "0.########", in.seps) + "%";
    };
    line("Principal", money([](const ComparedPlan& c) { return c.plan.principal; }));
    line("Annual rate", [&](const ComparedPlan& c) { return rate(c.plan.ratePercent); });
    line("Compounding", [](const ComparedPlan& c) { return compoundingText(c.plan); });
    line("Payments",
         [](const ComparedPlan& c) { return std::string(frequencyWord(c.plan.frequency)); });
    line("Term", [](const ComparedPlan& c) { return termText(c.plan); });
    line("Convention", [](const ComparedPlan& c) { return conventionText(c.plan); });
    line("Extra with each payment", money([](const ComparedPlan& c) { return c.plan.extra; }));
    // What else makes a plan differ, each line only where some plan has it.
    if (any([](const ComparedPlan& c) { return c.plan.givenPayment.has_value(); }))
        line("Payment given", [&](const ComparedPlan& c) {
            return c.plan.givenPayment ? dollars(in, *c.plan.givenPayment)
                                       : std::string("computed");
        });
    if (any([&](const ComparedPlan& c) {
            return bank(c) && c.plan.paymentRounding == PaymentRounding::Up;
        }))
        line("Payment rounded", [&](const ComparedPlan& c) {
            return !bank(c)                                        ? std::string("-")
                   : c.plan.paymentRounding == PaymentRounding::Up ? std::string("up")
                                                                   : std::string("nearest");
        });
    const auto cents = [&](const ComparedPlan& c) {
        return c.plan.convention == Convention::BankCents;
    };
    if (any([&](const ComparedPlan& c) {
            return cents(c) && c.plan.interestRounding == InterestRounding::Down;
        }))
        line("Interest rounded", [&](const ComparedPlan& c) {
            return !cents(c)                                           ? std::string("-")
                   : c.plan.interestRounding == InterestRounding::Down ? std::string("down")
                                                                       : std::string("nearest");
        });
    if (any([](const ComparedPlan& c) { return c.plan.loanDate.has_value(); }))
        line("Loan date", [&](const ComparedPlan& c) { return date(c.plan.loanDate); });
    if (any([](const ComparedPlan& c) { return c.plan.firstPayment.has_value(); }))
        line("First payment date",
             [&](const ComparedPlan& c) { return date(c.plan.firstPayment); });
    // The numbered items of each plan: lump sums, renewals, the worksheet's yearly
    // additional payments; line k holds each plan's k-th item.
    const auto items = [&](const std::string& label, auto texts) {
        std::vector<std::vector<std::string>> all;
        std::size_t most = 0;
        for (const ComparedPlan& c : in.plans) {
            all.push_back(texts(c));
            most = std::max(most, all.back().size());
        }
        for (std::size_t k = 0; k < most; ++k) {
            ComparisonLine l{label + " " + std::to_string(k + 1), {}};
            for (const auto& plan : all)
                l.plans.push_back(k < plan.size() ? plan[k] : std::string("-"));
            lines.push_back(std::move(l));
        }
    };
    // A lump sum on two lines: its amount, then when and how.
    const auto lumpTexts = [&](bool when) {
        return [&in, &bank, when](const ComparedPlan& c) {
            std::vector<std::string> texts;
            if (bank(c))
                for (const LumpSum& lump : c.plan.lumps)
                    texts.push_back(
                        when ? std::to_string(lump.after) +
                                   (lump.effect == LumpEffect::Lower ? ", lower" : ", shorten")
                             : dollars(in, lump.amount));
            return texts;
        };
    };
    std::size_t lumps = 0;
    for (const ComparedPlan& c : in.plans)
        lumps = std::max(lumps, bank(c) ? c.plan.lumps.size() : 0);
    for (std::size_t k = 0; k < lumps; ++k)
        for (const bool when : {false, true}) {
            ComparisonLine l{when ? "  after no., effect" : "Lump sum " + std::to_string(k + 1),
                             {}};
            for (const ComparedPlan& c : in.plans) {
                const std::vector<std::string> texts = lumpTexts(when)(c);
                l.plans.push_back(k < texts.size() ? texts[k] : std::string("-"));
            }
            lines.push_back(std::move(l));
        }
    items("Renewal", [&](const ComparedPlan& c) {
        std::vector<std::string> texts;
        if (bank(c))
            for (const Renewal& renewal : c.plan.renewals)
                texts.push_back(std::to_string(renewal.after) + ": " + rate(renewal.ratePercent));
        return texts;
    });
    items("Yearly additional", [&](const ComparedPlan& c) {
        std::vector<std::string> texts;
        if (!bank(c))
            for (std::size_t y = 1; y < c.plan.yearlyExtras.size(); ++y)
                if (c.plan.yearlyExtras[y].raw() != 0)
                    texts.push_back("year " + std::to_string(y) + ": " +
                                    dollars(in, c.plan.yearlyExtras[y]));
        return texts;
    });
    lines.push_back({});
    line("Payment", money([](const ComparedPlan& c) { return c.result.payment; }));
    // Each payment computed again (a renewal, a "lower the payment" lump sum) and the
    // payment number it starts at.
    std::size_t changes = 0;
    for (const ComparedPlan& c : in.plans)
        changes = std::max(changes, c.result.paymentsInForce.size());
    for (std::size_t k = 1; k < changes; ++k) {
        ComparisonLine l{"Payment from no.", {}};
        for (const ComparedPlan& c : in.plans) {
            const auto& inForce = c.result.paymentsInForce;
            l.plans.push_back(k < inForce.size() ? std::to_string(inForce[k].from) + ": " +
                                                       dollars(in, inForce[k].payment)
                                                 : std::string("-"));
        }
        lines.push_back(std::move(l));
    }
    line("Number of payments",
         [](const ComparedPlan& c) { return std::to_string(c.result.payments); });
    line("Last payment", money([](const ComparedPlan& c) { return c.result.lastPayment; }));
    line("Years to pay off",
         [&](const ComparedPlan& c) { return twoDecimals(c.result.years, in); });
    line("Payoff date", [&](const ComparedPlan& c) { return date(c.result.payoffDate); });
    line("Total interest", money([](const ComparedPlan& c) { return c.result.totalInterest; }));
    line("Total paid", money([](const ComparedPlan& c) { return c.result.totalPaid; }));
    if (any([](const ComparedPlan& c) { return c.result.worksheetSavings.has_value(); }))
        line("Worksheet savings", [&](const ComparedPlan& c) {
            return c.result.worksheetSavings ? dollars(in, *c.result.worksheetSavings)
                                             : std::string("-");
        });
    if (interestSaved(in.plans, 0)) {
        ComparisonLine saved{"Interest saved vs. A", {}};
        for (std::size_t i = 0; i < in.plans.size(); ++i)
            saved.plans.push_back(dollars(in, *interestSaved(in.plans, i)));
        lines.push_back(std::move(saved));
    }
    for (std::size_t r = 0; r < MaxRenewals; ++r) {
        ComparisonLine renewal{"Balance at renewal " + std::to_string(r + 1), {}};
        bool shown = false;
        for (const ComparedPlan& c : in.plans) {
            const auto& balances = c.result.renewalBalances;
            shown = shown || r < balances.size();
            renewal.plans.push_back(r < balances.size() ? dollars(in, balances[r].balance) : "-");
        }
        if (shown)
            lines.push_back(std::move(renewal));
    }
    return lines;
}

std::vector<YearRow> planYears(const ComparedPlan& plan) {
    return yearlyTotals(plan.result.rows, plan.result.paymentsPerYear, plan.plan.principal);
}

ScheduleTexts::ScheduleTexts(const ComparedPlan& plan, bool annual, const ReportSettings& settings,
                             std::function<std::string(int)> formatDate)
    : plan_(plan), annual_(annual), seps_(settings.seps), formatDate_(std::move(formatDate)) {
    if (annual)
        years_ = planYears(plan);
}

std::size_t ScheduleTexts::rows() const {
    return annual_ ? years_.size() : plan_.result.rows.size();
}

std::vector<std::string> ScheduleTexts::row(std::size_t i) const {
    const auto money = [this](Currency value) { return formatNumber(value, "###,,###.00", seps_); };
    if (annual_) {
        const YearRow& y = years_[i];
        const Currency interest = yearInterest(y);
        return {std::to_string(y.year), money(y.payments), money(interest),
                money(y.payments.sub(interest)), money(y.balance)};
    }
    const PaymentRow& r = plan_.result.rows[i];
    return {std::to_string(r.number), r.date && formatDate_ ? formatDate_(*r.date) : std::string(),
            money(r.payment),         money(r.interest),
            money(r.principal),       money(r.extra),
            money(r.balance)};
}

void printComparison(Printer& p, const CompareReportInput& in) {
    const std::vector<ComparisonLine> lines = comparisonLines(in);
    std::vector<std::string> texts;
    for (const ComparisonLine& line : lines)
        texts.insert(texts.end(), line.plans.begin(), line.plans.end());
    const int width = columnWidth(PlanWidth, texts);
    p.print({Tab(2), in.header});
    p.emptyLine();
    p.print({Tab(30), "Loan Comparison"});
    p.emptyLine();
    std::vector<PrintItem> heads{Tab(LabelColumn), ""};
    for (std::size_t i = 0; i < in.plans.size(); ++i)
        addPlanItem(heads, i, width, std::string("Plan ") + planLetter(in.plans, i));
    p.print(heads);
    p.print({Tab(2), Separator});
    for (const ComparisonLine& line : lines) {
        if (line.label.empty()) {
            p.emptyLine();
            continue;
        }
        std::vector<PrintItem> items{Tab(LabelColumn), line.label};
        for (std::size_t i = 0; i < line.plans.size(); ++i)
            addPlanItem(items, i, width, line.plans[i]);
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
        const std::optional<Currency> saved = interestSaved(plans, i);
        out += std::string(1, planLetter(plans, i)) + "," + csvFigure(r.payment) + "," +
               std::to_string(r.payments) + "," + csvFigure(r.lastPayment) + "," +
               csvFigure(r.totalInterest) + "," + csvFigure(r.totalPaid) + "," + csvYears(r.years) +
               "," + (saved ? csvFigure(*saved) : std::string()) + "\r\n";
    }
    return out;
}

std::string scheduleCsv(const ComparedPlan& plan, bool annual) {
    if (annual) {
        std::string out = "year,payments,interest,principal,balance\r\n";
        for (const YearRow& y : planYears(plan)) {
            const Currency interest = yearInterest(y);
            out += std::to_string(y.year) + "," + csvFigure(y.payments) + "," +
                   csvFigure(interest) + "," + csvFigure(y.payments.sub(interest)) + "," +
                   csvFigure(y.balance) + "\r\n";
        }
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
        NamedGraphTable table{std::string("Plan ") + planLetter(plans, i), {}};
        // [0] the principal, [y] the balance after year y: bar y stands at the start of year y.
        const std::vector<Currency> balances = balancesByYear(planYears(plans[i]));
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
