#include "CompareReport.h"

#include <algorithm>
#include <charconv>

#include "Csv.h"
#include "Dates.h"
#include "PlanText.h"
#include "Printer.h"

namespace {

using Texts = std::vector<std::string>;

const std::string Separator(76, '_');
constexpr int LabelColumn = 2;
constexpr int PlanWidth = 18; // each plan's column at least, figures right-aligned in it
constexpr int LabelsEnd = 24; // the last character before plan A's column
constexpr int ScheduleHeadLines = 10;

std::string dollars(const ReportSettings& s, Currency value) {
    return currencyText(value, s.currencySymbol, s.seps);
}

std::string conventionText(const LoanPlan& plan) {
    if (plan.convention == Convention::Worksheet)
        return "Worksheet";
    return std::string(plan.daily() ? "Daily, " : "Bank, ") +
           (plan.convention == Convention::BankExact ? "exact" : "cents");
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
    line("Term", [](const ComparedPlan& c) {
        return std::to_string(c.plan.term) + (c.plan.termInMonths ? " months" : " years");
    });
    line("Convention", [](const ComparedPlan& c) { return conventionText(c.plan); });
    line("Extra with each payment", money([](const ComparedPlan& c) { return c.plan.extra; }));
    // What else makes a plan differ, each line only where some plan has it.
    if (any([](const ComparedPlan& c) { return c.plan.givenPayment.has_value(); }))
        line("Payment given", [&](const ComparedPlan& c) {
            return c.plan.givenPayment ? dollars(in, *c.plan.givenPayment)
                                       : std::string("computed");
        });
    // A rounding line shows where some plan that rounds at all rounds `other`'s way.
    const auto rounding = [&](std::string label, auto rounds, auto other, const char* word) {
        if (any([&](const ComparedPlan& c) { return rounds(c) && other(c); }))
            line(std::move(label), [&](const ComparedPlan& c) {
                return std::string(!rounds(c) ? "-" : other(c) ? word : "nearest");
            });
    };
    rounding(
        "Payment rounded", bank,
        [](const ComparedPlan& c) { return c.plan.paymentRounding == PaymentRounding::Up; }, "up");
    rounding(
        "Interest rounded",
        [](const ComparedPlan& c) { return c.plan.convention == Convention::BankCents; },
        [](const ComparedPlan& c) { return c.plan.interestRounding == InterestRounding::Down; },
        "down");
    if (any([](const ComparedPlan& c) { return c.plan.loanDate.has_value(); }))
        line("Loan date", [&](const ComparedPlan& c) { return date(c.plan.loanDate); });
    if (any([](const ComparedPlan& c) { return c.plan.firstPayment.has_value(); }))
        line("First payment date",
             [&](const ComparedPlan& c) { return date(c.plan.firstPayment); });
    // The numbered items of each plan: line k holds each plan's k-th text, "-" where a plan
    // has fewer. An item takes as many lines as `labels` has, "#" standing for its number.
    const auto items = [&](const std::vector<std::string>& labels, auto texts) {
        std::vector<Texts> all;
        std::size_t most = 0;
        for (const ComparedPlan& c : in.plans) {
            texts(c, all.emplace_back());
            most = std::max(most, all.back().size());
        }
        for (std::size_t k = 0; k < most; ++k) {
            ComparisonLine l{labels[k % labels.size()], {}};
            if (const std::size_t at = l.label.find('#'); at != std::string::npos)
                l.label.replace(at, 1, std::to_string(k / labels.size() + 1));
            for (const auto& plan : all)
                l.plans.push_back(k < plan.size() ? plan[k] : std::string("-"));
            lines.push_back(std::move(l));
        }
    };
    // Lump sums, renewals, the worksheet's yearly additional payments. A lump sum on two
    // lines: its amount, then when and how.
    items({"Lump sum #", "  after no., effect"}, [&](const ComparedPlan& c, Texts& texts) {
        if (bank(c))
            for (const LumpSum& lump : c.plan.lumps) {
                texts.push_back(dollars(in, lump.amount));
                texts.push_back(std::to_string(lump.after) +
                                (lump.effect == LumpEffect::Lower ? ", lower" : ", shorten"));
            }
    });
    items({"Renewal #"}, [&](const ComparedPlan& c, Texts& texts) {
        if (bank(c))
            for (const Renewal& renewal : c.plan.renewals)
                texts.push_back(std::to_string(renewal.after) + ": " + rate(renewal.ratePercent));
    });
    items({"Yearly additional #"}, [&](const ComparedPlan& c, Texts& texts) {
        if (!bank(c))
            for (std::size_t y = 1; y < c.plan.yearlyExtras.size(); ++y)
                if (c.plan.yearlyExtras[y].raw() != 0)
                    texts.push_back("year " + std::to_string(y) + ": " +
                                    dollars(in, c.plan.yearlyExtras[y]));
    });
    lines.push_back({});
    line("Payment", money([](const ComparedPlan& c) { return c.result.payment; }));
    // Each payment computed again (a renewal, a "lower the payment" lump sum) and the
    // payment number it starts at.
    items({"Payment from no."}, [&](const ComparedPlan& c, Texts& texts) {
        for (std::size_t k = 1; k < c.result.paymentsInForce.size(); ++k)
            texts.push_back(std::to_string(c.result.paymentsInForce[k].from) + ": " +
                            dollars(in, c.result.paymentsInForce[k].payment));
    });
    line("Number of payments",
         [](const ComparedPlan& c) { return std::to_string(c.result.payments); });
    line("Last payment", money([](const ComparedPlan& c) { return c.result.lastPayment; }));
    line("Years to pay off", [&](const ComparedPlan& c) {
        return formatNumber(c.result.years, "####,,##0.00", in.seps);
    });
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
    items({"Balance at renewal #"}, [&](const ComparedPlan& c, Texts& texts) {
        for (const RenewalBalance& renewal : c.result.renewalBalances)
            texts.push_back(dollars(in, renewal.balance));
    });
    return lines;
}

std::vector<YearRow> planYears(const ComparedPlan& plan) {
    return yearlyTotals(plan.result.rows, plan.result.paymentsPerYear, plan.plan.principal);
}

ScheduleTexts::ScheduleTexts(const ComparedPlan& plan, bool annual, const ReportSettings& settings,
                             std::function<std::string(int)> formatDate)
    : ScheduleTexts(
          plan, annual,
          [seps = settings.seps](Currency value) {
              return formatNumber(value, "###,,###.00", seps);
          },
          std::move(formatDate)) {}

ScheduleTexts::ScheduleTexts(const ComparedPlan& plan, bool annual,
                             std::function<std::string(Currency)> money,
                             std::function<std::string(int)> formatDate)
    : plan_(plan), annual_(annual), money_(std::move(money)), formatDate_(std::move(formatDate)) {
    if (annual)
        years_ = planYears(plan);
}

std::size_t ScheduleTexts::rows() const {
    return annual_ ? years_.size() : plan_.result.rows.size();
}

std::vector<std::string> ScheduleTexts::row(std::size_t i) const {
    const auto& money = money_;
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
    // A column holds its widest text and a blank before it, never less than PlanWidth: a
    // figure is never cut, however large the loan.
    int width = PlanWidth;
    for (const ComparisonLine& line : lines)
        for (const std::string& text : line.plans)
            width = std::max(width, static_cast<int>(charCount(text)) + 1);
    const auto print = [&](const ComparisonLine& line) {
        std::vector<PrintItem> items{Tab(LabelColumn), line.label};
        for (std::size_t i = 0; i < line.plans.size(); ++i) {
            items.push_back(Tab(LabelsEnd + 1 + static_cast<int>(i) * width));
            items.emplace_back(RightAlign(line.plans[i], width));
        }
        p.print(items);
    };
    p.print({Tab(2), in.header});
    p.emptyLine();
    p.print({Tab(30), "Loan Comparison"});
    p.emptyLine();
    ComparisonLine heads;
    for (std::size_t i = 0; i < in.plans.size(); ++i)
        heads.plans.push_back(std::string("Plan ") + planLetter(in.plans, i));
    print(heads);
    p.print({Tab(2), Separator});
    for (const ComparisonLine& line : lines) {
        if (line.label.empty())
            p.emptyLine();
        else
            print(line);
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
    std::string out = annual ? "year,payments,interest,principal,balance\r\n"
                             : "number,date,payment,interest,principal,extra,balance\r\n";
    const ScheduleTexts texts(plan, annual, csvFigure, isoDate);
    for (std::size_t i = 0; i < texts.rows(); ++i) {
        for (const std::string& cell : texts.row(i))
            out += cell + ",";
        out.back() = '\r';
        out += "\n";
    }
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
