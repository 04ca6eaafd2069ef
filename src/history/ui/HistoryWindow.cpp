#include "HistoryWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Colours.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "GraphHandOver.h"
#include "Grid.h"
#include "HistoryReport.h"
#include "HistoryTables.h"
#include "Messages.h"
#include "Platform.h"
#include "QtText.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "TextEntry.h"
#include "Workspace.h"

namespace {

constexpr int SummaryView = 0;
constexpr int LinesView = 1;
constexpr int MostBars = 40; // the latest statements the graph shows

std::string shortDateOf(int serial) {
    return platform::shortDate(serial);
}

} // namespace

HistoryWindow::HistoryWindow(Workspace& workspace, HistoryTables& tables, QWidget* parent)
    : WorksheetPage(
          workspace,
          {"HistoryCalc",
           " Net Worth History",
           {{"HAdd", "Add State&ment", [this] { onAddClicked(); }, &HAdd},
            {"HFollow", "&Follow Loan", [this] { onFollowClicked(); }, &HFollow},
            {"HRemove", "&Remove", [this] { onRemoveClicked(); }, &HRemove},
            {"HPrinter", cmd::Print},
            {"HGraphs", cmd::Graph},
            {"HSave", cmd::Save},
            {"HOpen", cmd::Open},
            {"HHelp", cmd::Help},
            {"HExit", cmd::Exit}},
           {.objectName = "HTextBox",
            .accessibleName = "Quick Help text",
            .lines = [](const ShellState& s) { return historyQuickHelp(s.CurrencySymbol); },
            .fit = HelpFit::FollowsWidth,
            .covers = "HGrid",
            .disables = {"HPrinter", "HGraphs"},
            .enterGoesTo = "HAdd"},
           {.openMode = 31,
            .saveMode = 32,
            .filter = "Net Worth History (*.Nwh)|*.Nwh",
            .extension = "Nwh",
            .saveFailed = msg::DetailOnly}},
          parent),
      tables_(tables) {
    buildControls();
    buildLayout();
    showCaption();
    tables_ = {};
    state_.EditStarted = 0;
    refresh();
}

void HistoryWindow::buildControls() {
    HDate = new QLineEdit(this);
    HDate->setObjectName("HDate");
    HLabel = new QLineEdit(this);
    HLabel->setObjectName("HLabel");
    HLabel->setMaxLength(40);
    for (QLineEdit* field : {HDate, HLabel})
        paintEntry(field);
    dateEntry_ = new TextEntry(HDate, state_);
    labelEntry_ = new TextEntry(HLabel, state_);
    // A date is typed whole: its first key empties the field.
    dateEntry_->setFirstKeyEmpties(true);
    connect(dateEntry_, &TextEntry::left, this, &HistoryWindow::onDateLeft);
    connect(labelEntry_, &TextEntry::left, this, &HistoryWindow::onLabelLeft);

    HView = new QComboBox(this);
    HView->setObjectName("HView");
    HView->addItems({QStringLiteral("Summary"), QStringLiteral("Lines")});
    paintEntry(HView, true);
    connect(HView, &QComboBox::currentIndexChanged, this, [this] { onViewChosen(); });
    HGrouped = new QCheckBox(QStringLiteral("Graph assets and lia&bilities"), this);
    HGrouped->setObjectName("HGrouped");
    connect(HGrouped, &QCheckBox::toggled, this, [this](bool on) {
        tables_.HistoryGrouped = on ? 1 : 0;
        refresh();
    });

    HNetWorth = makeResultLabel("HNetWorth", this);
    HChange = makeResultLabel("HChange", this);
    HRate = makeResultLabel("HRate", this);
    HLoans = new QLabel(this);
    HLoans->setObjectName("HLoans");
    HLoans->setWordWrap(true);

    HGrid = new Grid(this);
    HGrid->setObjectName("HGrid");
    nameControl(HGrid, QStringLiteral("Statements"));
    HGrid->setMinimumHeight(platform::twipsToPixels(2400));
    paintRecords(HGrid);
    HGrid->setFitColumnsToWidth(true);
    connect(HGrid, &Grid::currentCellChanged, this, [this] {
        if (!filling_)
            showChosen();
    });
    makeQuickHelpBox();
    makeCommands();
}

void HistoryWindow::buildLayout() {
    // The chosen statement's date and label and the view on top, the history's own commands
    // under them, then the chosen statement's results.
    auto* entries = new QGridLayout;
    entries->setVerticalSpacing(2);
    const std::pair<const char*, QWidget*> fields[] = {
        {"&Date", HDate}, {"&Label", HLabel}, {"&View", HView}};
    for (int i = 0; i < 3; ++i) {
        entries->addWidget(captionAbove(fields[i].first, fields[i].second), 0, i);
        entries->addWidget(fields[i].second, 1, i);
    }
    entries->addWidget(HGrouped, 1, 3);
    entries->addWidget(HAdd, 2, 0);
    entries->addWidget(HFollow, 2, 1);
    entries->addWidget(HRemove, 2, 2);
    entries->addWidget(HLoans, 2, 3);
    nameResult(HLoans, QStringLiteral("Followed loans"));
    auto* results = new QHBoxLayout;
    const std::pair<const char*, QLabel*> shown[] = {
        {"Net worth", HNetWorth}, {"Change", HChange}, {"Yearly rate", HRate}};
    for (const auto& [text, result] : shown) {
        auto* label = new QLabel(QString::fromUtf8(text), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        results->addWidget(label);
        results->addWidget(result, 1);
    }
    entries->addLayout(results, 3, 0, 1, 4);
    for (int col = 0; col < 4; ++col)
        entries->setColumnStretch(col, 1);
    layOutPage(entries, {}, HGrid);
    dateEntry_->setNext(HLabel);
    labelEntry_->setNext(HGrid);
    chainTabs({HDate, HLabel, HView, HGrouped, HAdd, HFollow, HRemove, HGrid}, true);
}

// ---- the history shown ---------------------------------------------------------------------

void HistoryWindow::changed() {
    tables_.HistoryChanged = 1;
    refresh();
}

void HistoryWindow::refresh() {
    Result<HistoryResult> calc = calculateHistory(tables_.HistoryData);
    result_.reset();
    if (!calc)
        workspace_.dialogs().showMessage(calc.failure().code);
    else
        result_ = std::move(calc).value();
    QStringList loans;
    for (const FollowedLoan& loan : tables_.HistoryData.loans)
        loans << qs(loan.description + (loan.balances ? "" : " (file missing)"));
    HLoans->setText(loans.isEmpty() ? QString()
                                    : QStringLiteral("Loans followed: ") + loans.join(", "));
    fillGrid();
    showChosen();
}

void HistoryWindow::fillGrid() {
    filling_ = true;
    const std::optional<std::size_t> before = chosenStatement();
    const int view = tables_.HistoryView;
    const std::size_t n = result_ ? result_->summary.size() : 0;
    HGrid->clearBody(1);
    if (view == SummaryView) {
        HGrid->setCols(static_cast<int>(SummaryHeadings.size()));
        HGrid->setFixedCols(1);
        for (int c = 0; c < HGrid->cols(); ++c) {
            HGrid->setText(0, c, qs(SummaryHeadings[static_cast<std::size_t>(c)]));
            HGrid->setColumnAlignment(c, c <= 1 ? Qt::AlignLeft : Qt::AlignRight);
            HGrid->setColumnWidthTwips(c, c == 0 ? 1300 : c == 1 ? 1250 : c == 7 ? 850 : 1150);
        }
        std::vector<QString> cells;
        for (std::size_t s = 0; s < n; ++s)
            for (const std::string& t : summaryTexts(result_->summary[s], seps_, shortDateOf))
                cells.push_back(qs(t));
        HGrid->setRowsData(1, std::move(cells));
    } else {
        HGrid->setCols(static_cast<int>(n) + 1);
        HGrid->setFixedCols(1);
        HGrid->setText(0, 0, QStringLiteral("Line"));
        HGrid->setColumnWidthTwips(0, 2600);
        HGrid->setColumnAlignment(0, Qt::AlignLeft);
        for (std::size_t s = 0; s < n; ++s) {
            const int c = static_cast<int>(s) + 1;
            HGrid->setText(0, c, qs(shortDateOf(result_->summary[s].date)));
            HGrid->setColumnAlignment(c, Qt::AlignRight);
            HGrid->setColumnWidthTwips(c, 1500);
        }
        std::vector<QString> cells;
        if (result_)
            for (const HistoryLine& line : result_->lines) {
                cells.push_back(qs((line.liability ? "- " : "+ ") + line.name));
                for (const auto& amount : line.amounts)
                    cells.push_back(qs(historyFigure(amount, seps_)));
            }
        if (n > 0)
            HGrid->setRowsData(1, std::move(cells));
    }
    filling_ = false;
    if (n > 0)
        choose(before ? std::min(*before, n - 1) : n - 1);
}

std::optional<std::size_t> HistoryWindow::chosenStatement() const {
    const std::size_t n = tables_.HistoryData.statements.size();
    if (n == 0)
        return std::nullopt;
    const int at = tables_.HistoryView == SummaryView ? HGrid->currentRow() : HGrid->currentCol();
    if (at < 1)
        return std::nullopt;
    return std::min(static_cast<std::size_t>(at - 1), n - 1);
}

void HistoryWindow::choose(std::size_t statement) {
    filling_ = true;
    const int at = static_cast<int>(statement) + 1;
    if (tables_.HistoryView == SummaryView)
        HGrid->setCurrentCell(at, 1);
    else
        HGrid->setCurrentCell(std::max(HGrid->currentRow(), 1), at);
    filling_ = false;
    showChosen();
}

void HistoryWindow::showChosen() {
    const std::optional<std::size_t> s = pending_ ? std::nullopt : chosenStatement();
    if (!pending_) {
        const Statement* statement = s ? &tables_.HistoryData.statements[*s] : nullptr;
        HDate->setText(statement ? qs(shortDateOf(statement->date)) : QString());
        HLabel->setText(statement ? qs(statement->label) : QString());
    }
    const SummaryRow* row = s && result_ ? &result_->summary[*s] : nullptr;
    HNetWorth->setText(row ? qs(state_.CurrencySymbol + historyFigure(row->netWorth, seps_))
                           : QString());
    HChange->setText(row ? qs(historyFigure(row->change, seps_)) : QString());
    HRate->setText(row ? qs(rateText(row->yearlyRate, seps_)) : QString());
    setTextColour(HNetWorth,
                  row && row->netWorth < Currency{} ? colours::AlertText : colours::NormalText);
    for (QLabel* result : {HNetWorth, HChange, HRate})
        nameResult(result, result == HNetWorth ? QStringLiteral("Net worth")
                           : result == HChange ? QStringLiteral("Change")
                                               : QStringLiteral("Yearly rate"));
}

// ---- entries and commands --------------------------------------------------------------------

void HistoryWindow::onDateLeft() {
    const std::string typed = HDate->text().trimmed().toStdString();
    const std::optional<std::size_t> s = chosenStatement();
    if (!pending_ && (!s || typed == shortDateOf(tables_.HistoryData.statements[*s].date)))
        return;
    const std::optional<int> date = platform::parseDate(typed);
    if (!date) {
        workspace_.dialogs().showMessage(msg::NotAValidDate);
        retypeDate();
        return;
    }
    if (pending_) {
        Statement statement = *pending_;
        statement.date = *date;
        statement.label = HLabel->text().toStdString();
        if (auto refused = addStatement(tables_.HistoryData, statement, pendingFile_)) {
            tell(*refused);
            retypeDate();
            return;
        }
        pending_.reset();
        changed();
        for (std::size_t i = 0; i < tables_.HistoryData.statements.size(); ++i)
            if (tables_.HistoryData.statements[i].date == *date)
                choose(i);
        return;
    }
    if (auto refused = redateStatement(tables_.HistoryData, *s, *date)) {
        tell(*refused);
        showChosen();
        return;
    }
    changed();
    for (std::size_t i = 0; i < tables_.HistoryData.statements.size(); ++i)
        if (tables_.HistoryData.statements[i].date == *date)
            choose(i);
}

void HistoryWindow::retypeDate() {
    // Enter or Tab goes on to the label: the date is typed again. Anything else the user
    // turned to (a command, the grid) leaves the statement waiting for a date unadded.
    if (QApplication::focusWidget() != HLabel) {
        pending_.reset();
        showChosen();
        return;
    }
    HDate->setFocus();
    state_.EditStarted = 0;
}

void HistoryWindow::onLabelLeft() {
    const std::optional<std::size_t> s = chosenStatement();
    if (pending_ || !s)
        return;
    const std::string typed = HLabel->text().toStdString();
    std::string& label = tables_.HistoryData.statements[*s].label;
    if (typed == label)
        return;
    label = typed;
    changed();
}

void HistoryWindow::onRemoveClicked() {
    History& h = tables_.HistoryData;
    // In the lines view, a followed loan's line stops following it.
    if (tables_.HistoryView == LinesView && result_ && HGrid->currentRow() >= 1) {
        const auto row = static_cast<std::size_t>(HGrid->currentRow() - 1);
        const std::size_t firstLoan = result_->lines.size() - h.loans.size();
        if (row >= firstLoan && row < result_->lines.size()) {
            h.loans.erase(h.loans.begin() + static_cast<std::ptrdiff_t>(row - firstLoan));
            changed();
            return;
        }
    }
    const std::optional<std::size_t> s = chosenStatement();
    if (!s) {
        workspace_.dialogs().showMessage(msg::NoRecordsToDelete);
        return;
    }
    state_.MessageDetail = shortDateOf(h.statements[*s].date);
    if (workspace_.dialogs().ask(question::DeleteRecord) != question::Yes)
        return;
    h.statements.erase(h.statements.begin() + static_cast<std::ptrdiff_t>(*s));
    changed();
}

void HistoryWindow::onViewChosen() {
    const std::optional<std::size_t> s = chosenStatement();
    tables_.HistoryView = static_cast<std::int16_t>(HView->currentIndex());
    fillGrid();
    if (s)
        choose(*s);
}

void HistoryWindow::showGraph() {
    std::optional<WorksheetGraph> graph;
    if (result_ && !result_->summary.empty()) {
        // The latest statements, labelled by year or by number.
        const HistoryBars bars = historyBars(*result_, MostBars);
        const auto table = [&](const std::vector<Currency>& values) {
            GraphTable points;
            for (std::size_t i = 0; i < values.size(); ++i)
                points.push_back({bars.labels[i], values[i]});
            return points;
        };
        graph = WorksheetGraph{.title = std::string(HistoryGraphTitle),
                               .bars = static_cast<int>(bars.labels.size()),
                               .series = table(bars.netWorth)};
        if (tables_.HistoryGrouped == 1) {
            graph->groups = {{"Assets", table(bars.assets)},
                             {"Liabilities", table(bars.liabilities)}};
            graph->title = std::string(HistoryGroupsTitle);
        }
    }
    showGraphFrom(workspace_, graph);
}

void HistoryWindow::printReport() {
    if (!result_ || result_->summary.empty()) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    print([&](Printer& printer) {
        HistoryReportInput report;
        static_cast<ReportSettings&>(report) = reportSettings();
        report.result = &*result_;
        report.formatDate = shortDateOf;
        printHistoryReport(printer, report, state_.LinesPerPage);
    });
}

void HistoryWindow::tell(const std::string& detail) {
    state_.MessageDetail = detail;
    workspace_.dialogs().showMessage(msg::DetailOnly);
}

// ---- leaving -------------------------------------------------------------------------------

void HistoryWindow::leave() {
    tables_ = {};
    pending_.reset();
    result_.reset();
}
