#include "ActualWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ActualCommand.h"
#include "ActualReport.h"
#include "ActualTables.h"
#include "BusyCursor.h"
#include "Colours.h"
#include "ControlNames.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileCommands.h"
#include "GraphHandOver.h"
#include "Grid.h"
#include "Messages.h"
#include "QtText.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "TextEntry.h"
#include "Workspace.h"

namespace {

constexpr int GridCols = 5;
const char* const GridHeadings[GridCols] = {"Record", "Budgeted", "Actual", "Difference", "%"};
constexpr int ColumnTwips[GridCols] = {1500, 1000, 1000, 1000, 700};

QLineEdit* entryField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    paintEntry(field);
    return field;
}

QListWidget* list(const char* name, const char* spoken, QWidget* parent) {
    auto* box = new QListWidget(parent);
    box->setObjectName(name);
    nameControl(box, QString::fromLatin1(spoken));
    box->setFont(QFont(QStringLiteral("Liberation Mono"), 8));
    paintRecords(box);
    return box;
}

} // namespace

ActualWindow::ActualWindow(Workspace& workspace, ActualTables& tables, QWidget* parent)
    : WorksheetPage(workspace,
                    {"ActualCalc",
                     " Budget vs Actual",
                     {{"APrinter", cmd::Print},
                      {"AGraphs", cmd::Graph},
                      {"ASave", cmd::Save},
                      {"AOpen", cmd::Open},
                      {"AHelp", cmd::Help},
                      {"AExit", cmd::Exit}},
                     {.objectName = "ATextBox",
                      .accessibleName = "Quick Help text",
                      .lines = [](const ShellState&) { return actualQuickHelp(); },
                      .fit = HelpFit::FollowsWidth,
                      .covers = "AGrid",
                      .disables = {"APrinter", "AGraphs"},
                      .enterGoesTo = "ABudget"},
                     {41, 42, "Budget vs Actual (*.Act)|*.Act", "Act", msg::BadActualFileName}},
                    parent),
      tables_(tables) {
    tables_ = {};
    state_.EditStarted = 0;
    buildControls();
    buildLayout();
    showCaption();
    showPeriod();
    refresh();
}

void ActualWindow::buildControls() {
    ABudgetName = makeResultLabel("ABudgetName", this);
    ABudgetName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    nameResult(ABudgetName, QStringLiteral("Budget"));
    const auto button = [this](const char* name, const char* text, void (ActualWindow::*slot)()) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    ABudget = button("ABudget", "Budget &File\u2026", &ActualWindow::onBudgetClicked);
    AImport = button("AImport", "&Import\u2026", &ActualWindow::onImportClicked);
    AAssign = button("AAssign", "Assi&gn", &ActualWindow::onAssignClicked);
    APropose = button("APropose", "Propos&e", &ActualWindow::onProposeClicked);
    AAdd = button("AAdd", "Add Chec&ked", &ActualWindow::onAddClicked);
    nameControl(ABudget, QStringLiteral("Budget File"));
    nameControl(AImport, QStringLiteral("Import"));

    APeriod = new QComboBox(this);
    APeriod->setObjectName("APeriod");
    for (const BudgetPeriod& p : BudgetPeriods)
        APeriod->addItem(qs(std::string(p.word)));
    paintEntry(APeriod, true);
    connect(APeriod, &QComboBox::currentIndexChanged, this, &ActualWindow::onPeriodChosen);
    AStart = entryField("AStart", this);
    startEntry_ = new TextEntry(AStart, state_);
    connect(startEntry_, &TextEntry::left, this, &ActualWindow::onStartLeft);

    AGrid = new Grid(this);
    AGrid->setObjectName("AGrid");
    AGrid->setCols(GridCols);
    AGrid->setFixedCols(1);
    AGrid->clearBody(1);
    for (int c = 0; c < GridCols; ++c) {
        AGrid->setColumnWidthTwips(c, ColumnTwips[c]);
        AGrid->setColumnAlignment(c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
        AGrid->setText(0, c, QString::fromLatin1(GridHeadings[c]));
    }
    AGrid->setFitColumnsToWidth(true);

    AUnmatched = list("AUnmatched", "Unmatched", this);
    connect(AUnmatched, &QListWidget::currentRowChanged, this, &ActualWindow::onUnmatchedChosen);
    ARuleText = entryField("ARuleText", this);
    ruleEntry_ = new TextEntry(ARuleText, state_);
    ruleEntry_->setNext(AGrid);
    AProposals = list("AProposals", "Proposals", this);
    AUnmatchedIncome = makeResultLabel("AUnmatchedIncome", this);
    nameResult(AUnmatchedIncome, QStringLiteral("Unmatched income"));
    AUnmatchedExpenses = makeResultLabel("AUnmatchedExpenses", this);
    nameResult(AUnmatchedExpenses, QStringLiteral("Unmatched expenses"));

    makeQuickHelpBox();
    makeCommands();
}

void ActualWindow::buildLayout() {
    auto* entries = new QGridLayout;
    entries->setHorizontalSpacing(8);
    entries->setVerticalSpacing(1);
    auto* budgetCaption = new QLabel(QStringLiteral(" Budget"), this);
    entries->addWidget(budgetCaption, 0, 0);
    entries->addWidget(ABudgetName, 1, 0, 1, 2);
    entries->addWidget(ABudget, 1, 2);
    entries->addWidget(AImport, 1, 3);
    entries->addWidget(captionAbove(" Pe&riod", APeriod), 0, 4);
    entries->addWidget(APeriod, 1, 4);
    entries->addWidget(captionAbove(" Start &date", AStart), 0, 5);
    entries->addWidget(AStart, 1, 5);
    for (int col = 0; col < 6; ++col)
        entries->setColumnStretch(col, 1);

    // The grid on the left; the unmatched transactions, the rule and the proposals beside it.
    auto* body = new QWidget(this);
    auto* columns = new QHBoxLayout(body);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* records = new QVBoxLayout;
    records->setSpacing(1);
    records->addWidget(captionAbove(" Re&cords", AGrid));
    records->addWidget(AGrid, 1);
    columns->addLayout(records, 3);
    auto* side = new QGridLayout;
    side->setVerticalSpacing(1);
    side->addWidget(captionAbove(" U&nmatched", AUnmatched), 0, 0, 1, 2);
    side->addWidget(AUnmatched, 1, 0, 1, 2);
    side->addWidget(new QLabel(QStringLiteral(" Income"), this), 2, 0);
    side->addWidget(AUnmatchedIncome, 2, 1);
    side->addWidget(new QLabel(QStringLiteral(" Expenses"), this), 3, 0);
    side->addWidget(AUnmatchedExpenses, 3, 1);
    side->addWidget(captionAbove(" Rule &text", ARuleText), 4, 0, 1, 2);
    side->addWidget(ARuleText, 5, 0);
    side->addWidget(AAssign, 5, 1);
    side->addWidget(captionAbove(" Proposa&ls", AProposals), 6, 0, 1, 2);
    side->addWidget(AProposals, 7, 0, 1, 2);
    side->addWidget(APropose, 8, 0);
    side->addWidget(AAdd, 8, 1);
    columns->addLayout(side, 2);

    layOutPage(entries, {}, body);
    chainTabs({ABudget, AImport, APeriod, AStart, AGrid, AUnmatched, ARuleText, AAssign, AProposals,
               APropose, AAdd},
              true);
    startEntry_->setNext(AGrid);
}

// ---- the comparison ------------------------------------------------------------------------

void ActualWindow::showPeriod() {
    filling_ = true;
    const int index = APeriod->findText(qs(tables_.period));
    APeriod->setCurrentIndex(index < 0 ? 3 : index);
    AStart->setText(tables_.start ? qs(platform::shortDate(tables_.start)) : QString());
    filling_ = false;
}

void ActualWindow::onPeriodChosen(int index) {
    if (filling_ || index < 0)
        return;
    tables_.period = APeriod->itemText(index).toStdString();
    refresh();
}

void ActualWindow::onStartLeft() {
    const std::string typed = AStart->text().trimmed().toStdString();
    if (typed.empty()) {
        tables_.start = 0;
    } else if (const auto date = platform::parseDate(typed)) {
        tables_.start = *date;
    } else {
        workspace_.dialogs().showMessage(msg::NotAValidDate);
        AStart->setFocus();
    }
    showPeriod();
    refresh();
}

void ActualWindow::refresh() {
    const int row = AGrid->currentRow();
    const ActualPeriod latest = latestMonth(tables_.actuals.transactions, platform::today());
    const auto period = tables_.start ? periodFrom(tables_.period, tables_.start)
                                      : periodFrom(tables_.period, latest.first);
    result_.reset();
    if (period) {
        Result<ActualResult> compared = compareActuals(tables_.actuals, tables_.budget, *period);
        if (compared)
            result_ = std::move(compared).value();
        else
            workspace_.dialogs().showMessage(compared.failure().code);
    }
    showResult();
    if (row > 0 && row < AGrid->rows())
        AGrid->setCurrentCell(row, 0);
}

void ActualWindow::showResult() {
    const NumberSeparators& seps = seps_;
    const auto figure = [&](Currency c) { return qs(formatNumber(c, "###,,###.00", seps)); };
    const auto percent = [&](const std::optional<Currency>& p) {
        return p ? qs(formatNumber(*p, "###,,###.00", seps)) : QString();
    };
    gridRecords_.clear();
    AUnmatched->clear();
    AUnmatchedIncome->clear();
    AUnmatchedExpenses->clear();
    ABudgetName->setText(
        qs(tables_.budgetFile.empty() ? std::string() : bareFileName(tables_.budgetFile)));
    std::vector<QString> cells;
    if (result_) {
        const ActualResult& r = *result_;
        const auto row = [&](const QString& name, Currency b, Currency a, Currency d,
                             const std::optional<Currency>& p) {
            cells.insert(cells.end(), {name, figure(b), figure(a), figure(d), percent(p)});
        };
        for (const auto* side : {&r.income, &r.expense})
            for (const ActualLine& l : *side) {
                row(qs(l.description), l.budgeted, l.actual, l.difference, l.percent);
                gridRecords_.push_back(l.record);
            }
        row(QStringLiteral("Total income"), r.incomeTotal.budgeted, r.incomeTotal.actual,
            r.incomeTotal.difference, r.incomeTotal.percent);
        row(QStringLiteral("Total expenses"), r.expenseTotal.budgeted, r.expenseTotal.actual,
            r.expenseTotal.difference, r.expenseTotal.percent);
        row(QStringLiteral("Net"), r.netBudgeted, r.netActual, r.netActual.sub(r.netBudgeted),
            std::nullopt);
        for (const int i : r.unmatched) {
            const BankTransaction& t = tables_.actuals.transactions[static_cast<std::size_t>(i)];
            auto* item = new QListWidgetItem(
                qs(platform::shortDate(t.date)) + QStringLiteral("  ") +
                    qs(RightAlign(formatNumber(t.amount, "###,,###.00", seps), 10)) +
                    QStringLiteral("  ") + qs(transactionText(t)),
                AUnmatched);
            item->setData(Qt::UserRole, i);
        }
        AUnmatchedIncome->setText(figure(r.unmatchedIncome));
        AUnmatchedExpenses->setText(figure(r.unmatchedExpenses));
    }
    AGrid->clearBody(static_cast<int>(cells.size() / GridCols) + 1);
    AGrid->setRowsData(1, std::move(cells));
}

void ActualWindow::onUnmatchedChosen() {
    const QListWidgetItem* item = AUnmatched->currentItem();
    if (!item)
        return;
    const int i = item->data(Qt::UserRole).toInt();
    ARuleText->setText(
        qs(proposedRuleText(tables_.actuals.transactions[static_cast<std::size_t>(i)].payee)));
}

// ---- commands -------------------------------------------------------------------------------

void ActualWindow::onAssignClicked() {
    const std::string text = ARuleText->text().trimmed().toStdString();
    const int row = AGrid->currentRow();
    if (text.empty() || row < 1 || row > static_cast<int>(gridRecords_.size())) {
        // A rule needs its text and a record chosen in the grid.
        workspace_.dialogs().showMessage(msg::WrongEntry);
        return;
    }
    const RecordRef record = gridRecords_[static_cast<std::size_t>(row - 1)];
    tables_.actuals.rules.push_back(
        {text, recordDescription(tables_.budget, std::optional<RecordRef>(record))});
    tables_.ActualChanged = 1;
    ARuleText->clear();
    refresh();
    AUnmatched->setFocus();
}

void ActualWindow::onProposeClicked() {
    AProposals->clear();
    proposals_.clear();
    if (!result_)
        return;
    proposals_ = proposeRecords(tables_.actuals.transactions, result_->matches);
    for (const Proposal& p : proposals_) {
        auto* item = new QListWidgetItem(
            qs(p.description) + QStringLiteral(", ") + qs(p.frequency) + QStringLiteral(" ") +
                qs(formatNumber(p.amount, "###,,###.00", seps_)) +
                (p.side == RecordSide::Income ? QStringLiteral(" income")
                                              : QStringLiteral(" expense")),
            AProposals);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    if (proposals_.empty())
        workspace_.dialogs().showMessage(msg::NoRecords);
    else
        AProposals->setCurrentRow(0);
    AProposals->setFocus();
}

void ActualWindow::onAddClicked() {
    std::vector<Proposal> chosen;
    for (int i = 0; i < AProposals->count() && i < static_cast<int>(proposals_.size()); ++i)
        if (AProposals->item(i)->checkState() == Qt::Checked)
            chosen.push_back(proposals_[static_cast<std::size_t>(i)]);
    if (chosen.empty() || tables_.budgetFile.empty()) {
        workspace_.dialogs().showMessage(tables_.budgetFile.empty() ? msg::BadBudgetFileName
                                                                    : msg::NoRecords);
        return;
    }
    BudgetTables budget = tables_.budget;
    std::vector<ActualRule> rules = tables_.actuals.rules;
    const Result<int> added = addProposals(budget, rules, chosen);
    if (!added) {
        workspace_.dialogs().showMessage(added.failure().code);
        return;
    }
    std::swap(budget, tables_.budget);
    if (!saveBudget()) {
        // Nothing changes when the budget could not be written.
        std::swap(budget, tables_.budget);
        return;
    }
    tables_.actuals.rules = std::move(rules);
    tables_.ActualChanged = 1;
    AProposals->clear();
    proposals_.clear();
    refresh();
}

void ActualWindow::showGraph() {
    std::optional<WorksheetGraph> graph;
    if (result_) {
        const ChartData chart = actualChart(*result_, state_.CurrencySymbol);
        graph = WorksheetGraph{.title = chart.title,
                               .bars = static_cast<int>(chart.labels.size()),
                               .labels = chart.labels};
        for (const ChartSeries& s : chart.series) {
            NamedGraphTable table{s.name, {}};
            for (std::size_t i = 0; i < s.values.size(); ++i)
                table.points.push_back({static_cast<int>(i) + 1,
                                        Currency::fromDouble(s.values[i]).value_or(Currency{})});
            graph->groups.push_back(std::move(table));
        }
        if (graph->labels.size() == 1) // a chart draws two points at least
            graph->labels.push_back({});
    }
    showGraphFrom(workspace_, graph);
}

void ActualWindow::printReport() {
    if (!result_ || (result_->income.empty() && result_->expense.empty() &&
                     tables_.actuals.transactions.empty())) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    print([&](Printer& printer) {
        ActualReportInput report;
        static_cast<ReportSettings&>(report) = reportSettings();
        report.result = &*result_;
        report.actuals = &tables_.actuals;
        report.budget = &tables_.budget;
        report.budgetName = bareFileName(tables_.budgetFile);
        printActualReport(printer, report, state_.LinesPerPage);
    });
}

// ---- leaving --------------------------------------------------------------------------------

void ActualWindow::leave() {
    tables_ = {};
    result_.reset();
}
