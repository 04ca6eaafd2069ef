// Thousands of random keys and clicks over the budget worksheet: the boxes hold only what
// their filters let in, every record's number is its row, the annual totals are the sums of
// the records, and the help button's caption matches the help text.
#include <algorithm>
#include <random>

#include "BudgetSheet.h"
#include "KeyStorm.h"
#include "NumberFormat.h"
#include "QtTestMain.h"

namespace {

// The records of a side numbered 1..count, in the grid too, and its annual totals the sums
// of the records (when the annual period is shown and the sums fit).
QString sideFault(const BudgetSheet& s, RecordSide side, const char* grid, const char* total,
                  const char* budgeted) {
    const int count = s.tables->count(side);
    if (count < 0 || count > MaxBudgetRecords)
        return QString("%1 holds %2 records").arg(grid).arg(count);
    Currency sum, sumBudgeted;
    bool fits = true;
    for (int r = 1; r <= count; ++r) {
        const BudgetRecord& record = s.tables->records(side)[static_cast<size_t>(r)];
        if (record.RecNo != r || s.find<Grid>(grid)->text(r, 0) != QString::number(r))
            return QString("%1 row %2 holds record %3 (grid \"%4\")")
                .arg(grid)
                .arg(r)
                .arg(record.RecNo)
                .arg(s.find<Grid>(grid)->text(r, 0));
        const auto a = sum.plus(record.AnnualAmount), b = sumBudgeted.plus(record.AnnualBudgeted);
        fits = fits && a && b;
        if (fits)
            sum = *a, sumBudgeted = *b;
    }
    if (s.find<Grid>(grid)->text(count + 1, 0) != QString())
        return QString("%1 shows a row %2 beyond its records").arg(grid).arg(count + 1);
    const bool annual = s.find<QComboBox>("FreqPeriod")->currentText() == "      Annual";
    if (annual && fits && count > 0) {
        const QString expected = QString::fromStdString(formatNumber(sum, "###,,###.00"));
        const QString expectedBudgeted =
            QString::fromStdString(formatNumber(sumBudgeted, "###,,###.00"));
        if (s.text(total).trimmed() != expected || s.text(budgeted).trimmed() != expectedBudgeted)
            return QString("%1 totals \"%2\" \"%3\", the records sum to %4 and %5")
                .arg(grid, s.text(total), s.text(budgeted), expected, expectedBudgeted);
    }
    return {};
}

QString budgetFault(const BudgetSheet& s) {
    if (QString f = sideFault(s, RecordSide::Income, "BGrid1", "TotInc", "TotIncBgt"); !f.isEmpty())
        return f;
    if (QString f = sideFault(s, RecordSide::Expense, "BGrid2", "TotExp", "TotExpBgt");
        !f.isEmpty())
        return f;
    const bool helpShown = s.find("HelpTxt")->isVisible();
    if (helpShown != (s.find<QPushButton>("Help2")->text() == "Close &Help"))
        return QString("the help text is %1 under the caption \"%2\"")
            .arg(helpShown ? "shown" : "hidden", s.find<QPushButton>("Help2")->text());
    if (!s.find("BGrid1")->isVisible() || !s.find("BGrid2")->isVisible())
        return "a grid is hidden";
    return {};
}

// Answers for every dialog the storm may open, drawn from the storm's seed: record numbers
// (some beyond the count, some cancelled), yes and no, cancelled files and headers.
void scriptAnswers(TestWorkspace& ws, unsigned seed, int times) {
    std::mt19937 random(seed ^ 0x5bd1e995u);
    for (int i = 0; i < times; ++i) {
        ws.scripted.recordNumbers.push_back(static_cast<int>(random() % 8));
        ws.scripted.answers.push_back(random() % 2 ? 6 : 0);
        ws.scripted.fileNames.push_back("");
        ws.scripted.headers.push_back("1");
    }
}

} // namespace

class TestBudgetStorm : public QObject {
    Q_OBJECT
  private slots:
    void keyAndClickStorm() {
        BudgetSheet s;
        const unsigned seed = storm::seed();
        scriptAnswers(s.ws, seed, 40000);
        storm::ModalCloser closer(s.window.get());
        const QString figure = storm::Decimal + " ,", count = storm::Digits + " ";
        std::vector<storm::Field> fields;
        for (const char* side : {"Inc", "Exp"}) {
            const QString p = QString("In") + side;
            auto box = [&s](const QString& name) { return s.window->findChild<QLineEdit*>(name); };
            auto field = [&](const QString& name, const QString& admitted) {
                QLineEdit* line = box(name);
                fields.push_back(
                    {name, s.window.get(), line, [line] { return line->text(); }, admitted});
            };
            field(p + "Desc", {});
            field(p + "Amt", figure);
            field(p + "Freq", count);
            field(p + "BgtAmt", figure);
        }
        storm::Plan plan;
        plan.events = 6000;
        for (const char* name :
             {"AddIncome1", "CorrectRec1", "AddCorRec1", "DelRecord1", "AddExpense2", "CorrectRec2",
              "AddCorRec2", "DelRecord2", "Help2", "FreqPeriod", "SortBy", "BGrid1", "BGrid2"})
            plan.clickable.push_back(s.find(name));
        int most = 0; // the storm must reach the records, or it proves nothing about them
        plan.invariants = [&s, &most] {
            most = std::max(most, s.tables->IncomeCount + s.tables->ExpenseCount);
            return budgetFault(s);
        };
        const QString fault = storm::run("budget", fields, plan, seed);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY2(most > 0, qPrintable(QString("seed %1: no record was ever added").arg(seed)));
    }
};

PECUNEX_QTEST_MAIN(TestBudgetStorm)
#include "test_budget_storm.moc"
