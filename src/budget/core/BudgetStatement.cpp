#include "BudgetStatement.h"

#include "NumberFormat.h"
#include "Printer.h"

namespace {

const std::string Rule(62, '_');

struct SectionTexts {
    const char* title;
    const char* underline;
    const char* heading1;
    const char* heading2;
};

const SectionTexts IncomeTexts = {"INCOME", "______",
                                  "Description of the                   Amount of        Amount",
                                  "source of income                     payment          budgeted"};
const SectionTexts ExpenseTexts = {
    "EXPENSES", "________", "Description of the                   Amount of        Amount",
    "purpose for expense                  expense          budgeted"};

constexpr int FirstPageCount = 11;    // lines of the first page's head
constexpr int ContinuedPageCount = 8; // after a break and the continuation head
constexpr int ExpenseHeadLines = 9;
constexpr int TotalLines = 3;

class Statement {
  public:
    Statement(Printer& printer, const BudgetStatementInput& in, int linesPerPage)
        : p_(printer), in_(in), factor_(in.period->factor),
          page_(printer, in.fontChoice, linesPerPage) {}

    void print() {
        const BudgetTables& t = *in_.tables;
        const BudgetFigures& f = *in_.figures;
        p_.print({Tab(2), in_.header});
        p_.emptyLine();
        p_.print({Tab(32), "BUDGET STATEMENT"});
        p_.emptyLine();
        printSectionHead(IncomeTexts);
        page_.counter = FirstPageCount;
        printSection(t.IncomeRecords, t.IncomeCount, IncomeTexts, in_.period->incomeLabel,
                     f.income);
        // A break: two blank lines, the page footer, a new page and the set-up again.
        if (page_.reached(9))
            page_.breakPage(1);

        p_.emptyLine();
        p_.emptyLine();
        printSectionHead(ExpenseTexts);
        page_.counter += ExpenseHeadLines;
        printSection(t.ExpenseRecords, t.ExpenseCount, ExpenseTexts, in_.period->expenseLabel,
                     f.expense);
        if (page_.reached(5))
            page_.breakPage(1);

        p_.emptyLine();
        p_.emptyLine();
        p_.print({Tab(32), std::string(in_.period->word) + " Net Balance"});
        p_.print({Tab(28), "Current", Tab(47), "Budgeted"});
        p_.print({Tab(25), withSymbol(f.net), Tab(45), withSymbol(f.netBudgeted)});
    }

  private:
    std::string figure(Currency yearly, const char* pattern) const {
        return formatNumber(yearly.toDouble() / static_cast<double>(factor_), pattern, in_.seps);
    }
    std::string withSymbol(Currency yearly) const {
        return RightAlign(in_.currencySymbol + figure(yearly, "###,,###.00"), 11);
    }

    void printHeadings(const SectionTexts& texts) {
        p_.print({Tab(2), texts.heading1});
        p_.print({Tab(2), texts.heading2});
        p_.print({Tab(2), Rule});
    }

    // A section's title, underlined, and its column headings.
    void printSectionHead(const SectionTexts& texts) {
        p_.print({Tab(2), texts.title});
        p_.print({Tab(2), texts.underline});
        p_.emptyLine();
        printHeadings(texts);
        p_.emptyLine();
    }

    // A section's records, the headings again on each page they run on to, and its total.
    void printSection(const BudgetList& records, int count, const SectionTexts& texts,
                      std::string_view caption, const BudgetSums& sums) {
        for (int i = 1; i <= count && i <= MaxBudgetRecords; ++i) {
            const BudgetRecord& r = records[static_cast<std::size_t>(i)];
            p_.print({Tab(2), firstChars(r.Description, 30), Tab(37),
                      RightAlign(figure(r.AnnualAmount, "####,,###.00"), 11), Tab(53),
                      RightAlign(figure(r.AnnualBudgeted, "####,,###.00"), 11)});
            ++page_.counter;
            if (page_.reached()) {
                page_.breakPage(1);
                p_.emptyLine();
                p_.emptyLine();
                printHeadings(texts);
                p_.emptyLine();
                page_.counter = ContinuedPageCount;
            }
        }
        if (page_.reached(TotalLines))
            page_.breakPage(1);
        p_.print({Tab(2), Rule});
        p_.emptyLine();
        p_.print({Tab(2), withoutBlanks(caption), Tab(37), withSymbol(sums.total), Tab(53),
                  withSymbol(sums.budgeted)});
        page_.counter += TotalLines;
    }

    Printer& p_;
    const BudgetStatementInput& in_;
    int factor_;
    ReportPage page_;
};

} // namespace

void printBudgetStatement(Printer& printer, const BudgetStatementInput& in, int linesPerPage) {
    if (!in.tables || !in.figures || !in.period)
        return;
    Statement(printer, in, linesPerPage).print();
}
