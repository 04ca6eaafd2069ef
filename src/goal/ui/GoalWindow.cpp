#include "GoalWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "BusyCursor.h"
#include "Colours.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "GoalReport.h"
#include "GoalTables.h"
#include "GoalTexts.h"
#include "GraphHandOver.h"
#include "GraphSeries.h"
#include "Grid.h"
#include "Messages.h"
#include "QtText.h"
#include "SavingsPanel.h"
#include "SavingsTexts.h"
#include "ShellState.h"
#include "Workspace.h"

GoalWindow::GoalWindow(Workspace& workspace, GoalTables& tables, QWidget* parent)
    : WorksheetPage(workspace,
                    {"GoalCalc",
                     " Savings Goal Calculations",
                     {{"GCalc", "&Calculate", [this] { onCalculateClicked(); }, &GCalc},
                      {"GPrinter", cmd::Print},
                      {"GGraphs", cmd::Graph},
                      {"GSave", cmd::Save},
                      {"GOpen", cmd::Open},
                      {"GHelp", cmd::Help},
                      {"GExit", cmd::Exit}},
                     {.objectName = "GTextBox",
                      .accessibleName = "Quick Help text",
                      .lines = [](const ShellState& s) { return goalQuickHelp(s.CurrencySymbol); },
                      .fit = HelpFit::FollowsWidth,
                      .covers = "GGrid",
                      .disables = {"GPrinter", "GGraphs"},
                      .enterGoesTo = "GSolve",
                      .closesOnEntryChange = true},
                     {11, 12, "Savings Goal (*.Gol)|*.Gol", "Gol", msg::BadGoalFileName}},
                    parent),
      tables_(tables) {
    buildControls();
    buildLayout();
    setUpEntries();

    showCaption();
    tables_ = {};
    storeGoalInput(tables_, defaultGoalInput());
    state_.EditStarted = 0;
    layOutGrowthGrid(GGrid);
    showEntries();
}

void GoalWindow::buildControls() {
    GSolve = makeEntryList("GSolve", this, false);
    for (const GoalUnknownNames& n : GoalUnknowns)
        GSolve->addItem(qs(n.listText));
    GTarget = new QLineEdit(this);
    GTarget->setObjectName("GTarget");
    GTarget->setAlignment(Qt::AlignRight);
    paintEntry(GTarget);
    GToday = new QCheckBox(QStringLiteral("In today's &money"), this);
    GToday->setObjectName("GToday");

    makeSavingsLists(
        {"GLumpInv", "GInvest", "GMonthsYrs", "GRate", "GIncrRate", "GInflatRate", "GTerm"},
        {&GLumpInv, &GInvest, &GMonthsYrs, &GRate, &GIncrRate, &GInflatRate, &GTerm}, this);

    GAnswer = makeResultLabel("GAnswer", this);
    nameResult(GAnswer, QStringLiteral("Answer"));
    GNote = new QLabel(this);
    GNote->setObjectName("GNote");
    nameResult(GNote, QStringLiteral("Values at the end"));
    GNote->setWordWrap(true);
    GNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    GGrid = makeGrowthGrid("GGrid", "Solved plan", this);
    makeQuickHelpBox();

    makeCommands();
}

void GoalWindow::buildLayout() {
    // The goal on the first row, the savings entries on the next two, each caption above
    // its box as on the savings worksheet.
    QGridLayout* entries = makeEntryGrid();
    const std::pair<const char*, QWidget*> cells[] = {
        {" Solve &for", GSolve},          {" &Target value at the end.", GTarget},
        {SavingsCaptions[0], GLumpInv},   {SavingsCaptions[1], GInvest},
        {SavingsCaptions[2], GMonthsYrs}, {SavingsCaptions[3], GRate},
        {SavingsCaptions[4], GIncrRate},  {SavingsCaptions[5], GInflatRate},
        {SavingsCaptions[6], GTerm},
    };
    // Grid positions (row of the caption, column) of the cells above.
    const std::pair<int, int> at[] = {{0, 0}, {0, 1}, {2, 0}, {2, 1}, {2, 2},
                                      {2, 3}, {4, 0}, {4, 1}, {4, 2}};
    for (std::size_t i = 0; i < std::size(cells); ++i) {
        const auto [row, col] = at[i];
        entries->addWidget(entryCaption(cells[i].first, cells[i].second, this), row, col);
        entries->addWidget(cells[i].second, row + 1, col);
    }
    entries->addWidget(GToday, 1, 2);
    auto* answerCaption = new QLabel(QStringLiteral(" Answer"), this);
    answerCaption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    entries->addWidget(answerCaption, 0, 3);
    entries->addWidget(GAnswer, 1, 3);
    entries->addWidget(GNote, 4, 3, 2, 1);
    for (int col = 0; col < 4; ++col)
        entries->setColumnStretch(col, 1);
    // The solved plan below the commands.
    layOutPage(entries, {GCalc}, GGrid);

    order_ = {GSolve, GTarget,   GToday,      GLumpInv, GInvest, GMonthsYrs,
              GRate,  GIncrRate, GInflatRate, GTerm,    GCalc};
    chainTabs({GSolve, GTarget, GToday, GLumpInv, GInvest, GMonthsYrs, GRate, GIncrRate,
               GInflatRate, GTerm, GCalc},
              true);
}

// ---- results --------------------------------------------------------------------------

void GoalWindow::changeOfEntry() {
    if (filling_)
        return;
    tables_.GoalChanged = 1;
    clearAnswer();
}

void GoalWindow::clearAnswer() {
    goal_.reset();
    solved_.reset();
    GAnswer->clear();
    GNote->clear();
    GGrid->clearBody(GGrid->rows());
    noteEntryChange();
}

void GoalWindow::onCalculateClicked() {
    BusyCursor busy;
    clearAnswer();
    if (std::find(outOfRange_.begin(), outOfRange_.end(), true) != outOfRange_.end()) {
        workspace_.dialogs().showMessage(msg::CannotCalculate);
        return;
    }
    const GoalInput goal = goalInputFrom(tables_);
    Result<GoalAnswer> solved = solveGoal(goal);
    if (!solved) {
        workspace_.dialogs().showMessage(solved.failure().code);
        return;
    }
    goal_ = goal;
    solved_ = std::move(solved).value();
    // The answer is the figure of its field, and what Save writes.
    setSolvedFigure(solved_->answer);
    tables_.GoalChanged = 1;
    showAnswer(*solved_);
}

void GoalWindow::showAnswer(const GoalAnswer& a) {
    const std::string& sym = state_.CurrencySymbol;
    GAnswer->setText(qs(answerText(a.solve, a.answer, sym, seps_)));
    // In future money the inflation rate plays no part.
    const std::string reached =
        "Value at the end " + amountText(a.value, sym, seps_) +
        (goal_ && goal_->today ? ", in today's money " + amountText(a.valueToday, sym, seps_)
                               : "") +
        ".";
    GNote->setText(qs(a.note == GoalNote::None ? reached : noteText(a.note)));

    const SavingsGridView view = savingsGridView(a.growth.rows, a.growth.periods, a.growth.years,
                                                 *savingsFrequency(a.plan.frequency), sym, seps_);
    showGrowthGrid(GGrid, view);
}

void GoalWindow::showGraph() {
    std::optional<WorksheetGraph> graph;
    if (solved_ && goal_)
        graph = goalGraph(yearEndSeries(solved_->growth), goal_->target);
    showGraphFrom(workspace_, graph);
}

void GoalWindow::printReport() {
    if (!solved_ || !goal_) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    print([&](Printer& printer) {
        GoalReportInput report;
        static_cast<ReportSettings&>(report) = reportSettings();
        report.goal = &*goal_;
        report.answer = &*solved_;
        printGoalReport(printer, report, state_.LinesPerPage);
    });
}

// ---- leaving ----------------------------------------------------------------------------

void GoalWindow::leave() {
    tables_ = {};
    goal_.reset();
    solved_.reset();
}
