#include "SavingsWindow.h"

#include <algorithm>

#include "ControlNames.h"
#include "GraphHandOver.h"
#include "GraphSeries.h"
#include "SavingsPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "BusyCursor.h"
#include "Colours.h"
#include "Dialogs.h"
#include "Grid.h"
#include "Messages.h"
#include "Platform.h"
#include "Printer.h"
#include "QtText.h"
#include "SavingsReport.h"
#include "SavingsTables.h"
#include "SavingsTexts.h"
#include "ShellState.h"
#include "Workspace.h"

SavingsWindow::SavingsWindow(Workspace& workspace, SavingsTables& tables, QWidget* parent)
    : WorksheetPage(
          workspace,
          {"SavingsCalc",
           " Investment Growth Calculations",
           {{"SCalc", "&Calculate", [this] { onCalculateClicked(); }, &SCalc},
            {"SGraphs", cmd::Graph},
            {"SPrinter", cmd::Print},
            {"SHelp", cmd::Help},
            {"SExit", cmd::Exit}},
           {.objectName = "STextBox",
            .lines = [](const ShellState& s) { return savingsQuickHelp(s.CurrencySymbol); },
            .fit = HelpFit::WidestLine,
            .covers = "SGrid",
            .disables = {"SPrinter", "SGraphs"},
            .enterGoesTo = "InLumpInv",
            .closesOnEntryChange = true}},
          parent),
      tables_(tables) {
    build();
    setUpEntries();
    loadDefaults();
}

void SavingsWindow::build() {
    makeSavingsLists(
        {"InLumpInv", "InInvest", "InMonthsYrs", "InRate", "InIncrRate", "inInflatRate", "InTerm"},
        {&InLumpInv, &InInvest, &InMonthsYrs, &InRate, &InIncrRate, &inInflatRate, &InTerm}, this);

    SGrid = makeGrowthGrid("SGrid", "Savings growth", this);
    makeQuickHelpBox();

    makeCommands();

    // Entries in two rows, each caption above its box.
    QGridLayout* entries = makeEntryGrid();
    const std::array<QComboBox*, 7> fields = {InLumpInv,  InInvest,     InMonthsYrs, InRate,
                                              InIncrRate, inInflatRate, InTerm};
    for (int i = 0; i < 7; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int row = (i / 4) * 2, col = i % 4;
        entries->addWidget(entryCaption(SavingsCaptions[at], fields[at], this), row, col);
        entries->addWidget(fields[at], row + 1, col);
        entries->setColumnStretch(col, 1);
    }
    // The growth table below the commands.
    layOutPage(entries, {SCalc}, SGrid);
    chainTabs({InLumpInv, InInvest, InMonthsYrs, InRate, InIncrRate, inInflatRate, InTerm, SCalc},
              true);
}

void SavingsWindow::loadDefaults() {
    showCaption();
    tables_ = {};
    outOfRange_ = {};
    state_.EditStarted = 0;
    layOutGrowthGrid(SGrid);

    filling_ = true;
    InMonthsYrs->setCurrentIndex(0);

    tables_.SavingsInputs = savingsInputsOf(defaultGrowthInput());
    namespace e = savings_input;
    const auto& in = tables_.SavingsInputs;
    const std::string& sym = state_.CurrencySymbol;
    const std::pair<QComboBox*, std::string> shown[] = {
        {InLumpInv, lumpSumText(in[e::Lump], sym, seps_, true)},
        {InInvest, contributionText(in[e::Contribution], sym, seps_, true)},
        {InRate, rateText(in[e::Rate], seps_)},
        {InIncrRate, rateText(in[e::Increase], seps_)},
        {inInflatRate, rateText(in[e::Inflation], seps_)},
        {InTerm, yearsText(in[e::Years], seps_)},
    };
    for (const auto& [box, text] : shown) {
        box->setCurrentIndex(-1);
        box->setEditText(qs(text));
    }
    filling_ = false;
}

// ---- results --------------------------------------------------------------------------

void SavingsWindow::changeOfEntry() {
    if (filling_)
        return;
    calculated_.reset();
    graph_.reset();
    SGrid->clearBody(SGrid->rows());
    noteEntryChange();
}

void SavingsWindow::onCalculateClicked() {
    BusyCursor busy;
    calculated_.reset();
    graph_.reset();
    if (std::find(outOfRange_.begin(), outOfRange_.end(), true) != outOfRange_.end()) {
        SGrid->clearBody(SGrid->rows());
        workspace_.dialogs().showMessage(msg::CannotCalculate);
        return;
    }
    const GrowthInput input =
        growthInputFrom(tables_.SavingsInputs, InMonthsYrs->currentText().toStdString());
    const Result<Growth> growth = calculateGrowth(input);
    if (!growth) {
        SGrid->clearBody(SGrid->rows());
        workspace_.dialogs().showMessage(growth.failure().code);
        return;
    }
    storeGrowth(tables_, *growth);
    showGrowth(*growth, *savingsFrequency(input.frequency));
    // A 0-year plan has no year-end values: graphing and printing refuse it.
    const std::vector<Currency> yearEnds = yearEndSeries(*growth);
    graph_ = savingsGraph(yearEnds);
    if (!yearEnds.empty())
        calculated_ = input;
}

void SavingsWindow::showGrowth(const Growth& growth, const SavingsFrequency& frequency) {
    const SavingsGridView view = savingsGridView(tables_.GrowthTable, growth.periods, growth.years,
                                                 frequency, state_.CurrencySymbol, seps_);
    showGrowthGrid(SGrid, view);
}

void SavingsWindow::showGraph() {
    showGraphFrom(workspace_, graph_);
}

void SavingsWindow::printReport() {
    if (!calculated_) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    const GrowthInput input = *calculated_;
    print([&](Printer& printer) {
        SavingsReportInput report;
        static_cast<ReportSettings&>(report) = reportSettings();
        report.input = &input;
        report.table = tables_.GrowthTable;
        report.periods = tables_.Periods;
        printSavingsReport(printer, report, state_.LinesPerPage);
    });
}

// ---- leaving ----------------------------------------------------------------------------

void SavingsWindow::leave() {
    tables_ = {};
    state_.ContextCode = 0;
    calculated_.reset();
    graph_.reset();
}
