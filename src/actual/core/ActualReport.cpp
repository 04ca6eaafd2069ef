#include "ActualReport.h"

#include "Csv.h"
#include "Dates.h"
#include "Printer.h"

namespace {

constexpr int DescriptionWidth = 30;
constexpr int FigureWidth = 12;
constexpr int PercentWidth = 10;

// The first `chars` characters of a UTF-8 text.
std::string firstChars(const std::string& text, int chars) {
    std::size_t i = 0;
    int seen = 0;
    for (; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == chars)
            break;
    return text.substr(0, i);
}

class Report {
  public:
    Report(Printer& printer, const ActualReportInput& in, int linesPerPage)
        : p_(printer), in_(in), page_(printer, in.fontChoice, linesPerPage) {}

    void print() {
        const ActualResult& r = *in_.result;
        line({Tab(2), in_.header});
        line({});
        line({Tab(2), "BUDGET VS ACTUAL"});
        line({Tab(2), "Budget: " + in_.budgetName});
        line({Tab(2), "Period: " + std::string(r.period.period->word) + ", " +
                          isoDate(r.period.first) + " to " + isoDate(r.period.last)});
        line({});
        side("INCOME", "Total income", r.income, r.incomeTotal);
        side("EXPENSES", "Total expenses", r.expense, r.expenseTotal);
        figures("Net", r.netBudgeted, r.netActual, r.netActual.sub(r.netBudgeted), std::nullopt,
                true);
        line({});
        unmatched();
    }

  private:
    // One counted line; a full page breaks first.
    void line(std::initializer_list<PrintItem> items) {
        if (page_.reached())
            page_.breakPage(0);
        p_.print(items);
        ++page_.counter;
    }

    std::string figure(Currency value, bool symbol) const {
        return RightAlign((symbol ? in_.currencySymbol : std::string()) +
                              formatNumber(value, "###,,###.00", in_.seps),
                          FigureWidth);
    }

    void figures(const std::string& caption, Currency budgeted, Currency actual,
                 Currency difference, const std::optional<Currency>& percent, bool symbol) {
        line({Tab(2), firstChars(caption, DescriptionWidth), Tab(32), figure(budgeted, symbol),
              Tab(45), figure(actual, symbol), Tab(58), figure(difference, symbol), Tab(71),
              RightAlign(percent ? formatNumber(*percent, "###,,###.00", in_.seps) : "",
                         PercentWidth)});
    }

    void side(const char* title, const char* totalCaption, const std::vector<ActualLine>& lines,
              const ActualTotals& total) {
        line({Tab(2), title, Tab(36), "Budgeted", Tab(51), "Actual", Tab(60), "Difference", Tab(73),
              "Per cent"});
        line({Tab(2), std::string(std::char_traits<char>::length(title), '_')});
        for (const ActualLine& l : lines)
            figures(l.description, l.budgeted, l.actual, l.difference, l.percent, false);
        line({Tab(32), std::string(FigureWidth, '_'), Tab(45), std::string(FigureWidth, '_'),
              Tab(58), std::string(FigureWidth, '_')});
        figures(totalCaption, total.budgeted, total.actual, total.difference, total.percent, true);
        line({});
    }

    void unmatched() {
        const ActualResult& r = *in_.result;
        line({Tab(2), "UNMATCHED TRANSACTIONS"});
        line({Tab(2), "______________________"});
        for (const int i : r.unmatched) {
            const BankTransaction& t = in_.actuals->transactions[static_cast<std::size_t>(i)];
            line({Tab(2), isoDate(t.date), Tab(14), firstChars(transactionText(t), 43), Tab(58),
                  figure(t.amount, false)});
        }
        line({});
        line({Tab(2), "Unmatched income", Tab(58), figure(r.unmatchedIncome, true)});
        line({Tab(2), "Unmatched expenses", Tab(58), figure(r.unmatchedExpenses, true)});
    }

    Printer& p_;
    const ActualReportInput& in_;
    ReportPage page_;
};

std::string percentField(const std::optional<Currency>& percent) {
    return percent ? csvFigure(*percent) : std::string();
}

} // namespace

void printActualReport(Printer& printer, const ActualReportInput& in, int linesPerPage) {
    if (in.result && in.actuals)
        Report(printer, in, linesPerPage).print();
}

void printActualDocument(Printer& printer, const ActualReportInput& in) {
    printDocument(printer, in.fontChoice,
                  [&](int lines) { printActualReport(printer, in, lines); });
}

std::string actualCsv(const ActualResult& r) {
    std::string out = "record,kind,budgeted,actual,difference,percent\r\n";
    const auto row = [&](const std::string& name, const char* kind, Currency budgeted,
                         Currency actual, Currency difference,
                         const std::optional<Currency>& percent) {
        out += csvField(name) + "," + kind + "," + csvFigure(budgeted) + "," + csvFigure(actual) +
               "," + csvFigure(difference) + "," + percentField(percent) + "\r\n";
    };
    for (const ActualLine& l : r.income)
        row(l.description, "income", l.budgeted, l.actual, l.difference, l.percent);
    for (const ActualLine& l : r.expense)
        row(l.description, "expense", l.budgeted, l.actual, l.difference, l.percent);
    row("(unmatched income)", "income", {}, r.unmatchedIncome, r.unmatchedIncome, std::nullopt);
    row("(unmatched expenses)", "expense", {}, r.unmatchedExpenses, r.unmatchedExpenses,
        std::nullopt);
    return out;
}

std::string recordDescription(const BudgetTables& budget, const std::optional<RecordRef>& record) {
    if (!record)
        return {};
    return budget.records(record->side)[static_cast<std::size_t>(record->number)].Description;
}

std::string transactionsCsv(const Actuals& actuals, const BudgetTables& budget,
                            const std::vector<std::optional<RecordRef>>& matches,
                            const std::vector<int>& order) {
    std::string out = "date,amount,description,record\r\n";
    for (const int i : order) {
        const auto at = static_cast<std::size_t>(i);
        const BankTransaction& t = actuals.transactions[at];
        out += isoDate(t.date) + "," + csvFigure(t.amount) + "," + csvField(transactionText(t)) +
               "," + csvField(recordDescription(budget, matches[at])) + "\r\n";
    }
    return out;
}
