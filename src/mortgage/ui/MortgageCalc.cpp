// The worksheet's calculation: entries -> engine -> result labels and schedule grid;
// and the two commands that use a finished schedule (graph, printout).
#include <QComboBox>
#include <QLabel>
#include <memory>

#include "BusyCursor.h"
#include "Dialogs.h"
#include "GraphHandOver.h"
#include "Grid.h"
#include "Messages.h"
#include "MortgageGraph.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "Printer.h"
#include "ScheduleReport.h"
#include "ScheduleTexts.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "Workspace.h"

AmortizationInput MortgageWindow::inputFromState() const {
    AmortizationInput in;
    in.principal = tables_.LoanInputs[1];
    in.ratePercent = tables_.LoanInputs[2];
    in.termYears = tables_.LoanInputs[3];
    in.compounding = Comperiod->currentText().toStdString();
    in.frequency = FreqPmt->currentText().toStdString();
    in.daysChoice = tables_.DaysChoice;
    for (int y = 1; y <= MaxYears; ++y)
        in.extraPayments[static_cast<size_t>(y)] = tables_.ExtraPayments[static_cast<size_t>(y)][2];
    in.firstPaymentDate = platform::parseDate(state_.TodayDate).value_or(platform::today());
    in.scheduleView = static_cast<ScheduleView>(state_.ScheduleView);
    in.dateView = static_cast<DateView>(state_.DateView);
    in.mode = mode();
    return in;
}

void MortgageWindow::clearResults() {
    if (filling_)
        return;
    tables_.PaymentSchedule.reset();
    lastInput_.reset();
    for (QLabel* l : {InMonthPI, NumPmtsYear, PeriodicR, InDays, EndMortYear, AllPayments, TotSavd})
        l->clear();
    MGrid->clearBody(2);
    setGridHeadings(FirstColumn::NumberAndYear);
}

void MortgageWindow::setGridHeadings(FirstColumn first) {
    const auto headings = scheduleGridHeadings(first);
    for (int c = 0; c < 6; ++c)
        MGrid->setText(0, c, QString::fromStdString(headings[static_cast<size_t>(c)]));
}

void MortgageWindow::calculate() {
    BusyCursor busy;
    clearResults();
    if (outOfRange_[1] || outOfRange_[2]) {
        workspace_.dialogs().showMessage(msg::WrongOrMissingEntry);
        return;
    }
    const AmortizationInput input = inputFromState();
    Result<Amortization> result = amortize(input);
    if (!result) {
        workspace_.dialogs().showMessage(result.failure().code != 0 ? result.failure().code
                                                                    : msg::WrongOrMissingEntry);
        return;
    }
    const Amortization& schedule = result.value();
    showResults(schedule, input);
    fillGrid(schedule);
    tables_.PaymentSchedule = std::move(result).value();
    lastInput_ = input;
}

void MortgageWindow::showResults(const Amortization& result, const AmortizationInput& input) {
    const AmortizationTexts t = resultTexts(result, input, state_.CurrencySymbol, seps_);
    NumPmtsYear->setText(QString::fromStdString(t.numPmtsYear));
    InMonthPI->setText(QString::fromStdString(t.inMonthPI));
    PeriodicR->setText(QString::fromStdString(t.periodicR));
    InDays->setText(QString::fromStdString(t.inDays));
    EndMortYear->setText(QString::fromStdString(t.endMortYear));
    AllPayments->setText(QString::fromStdString(t.allPayments));
    TotSavd->setText(QString::fromStdString(t.totSavd));
}

void MortgageWindow::fillGrid(const Amortization& result) {
    ScheduleGridOptions options;
    options.scheduleView = static_cast<ScheduleView>(state_.ScheduleView);
    options.dateView = static_cast<DateView>(state_.DateView);
    options.extraPaymentsInUse = tables_.ExtraPaymentsInUse;
    options.currencySymbol = state_.CurrencySymbol;
    options.seps = seps_;
    options.formatDate = [](int serial) { return platform::shortDate(serial); };
    setGridHeadings(scheduleFirstColumn(options));
    // The core makes every cell's text; the grid turns into QString only the rows it shows.
    auto cells =
        std::make_shared<const std::vector<std::string>>(scheduleGridCells(result, options));
    const int rows = static_cast<int>(cells->size() / 6);
    MGrid->setRowsSource(1, rows, [cells, rows](int row, int col) {
        if (row < 1 || row > rows || col < 0 || col > 5)
            return QString();
        return QString::fromStdString((*cells)[static_cast<std::size_t>((row - 1) * 6 + col)]);
    });
    MGrid->scrollToTopRow();
}

bool MortgageWindow::scheduled() const {
    return tables_.PaymentSchedule && tables_.PaymentSchedule->scheduleYears > 0;
}

void MortgageWindow::showGraph() {
    std::optional<WorksheetGraph> graph;
    if (scheduled()) { // the balances at the start of each year
        const Amortization& schedule = *tables_.PaymentSchedule;
        graph = WorksheetGraph{.title = schedule.graphTitle, .series = mortgageSeries(schedule)};
        graph->bars = mortgageScheduleYears(graph->series);
    }
    showGraphFrom(workspace_, graph);
}

void MortgageWindow::printReport() {
    if (!scheduled() || !lastInput_) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    const AmortizationInput input = *lastInput_;
    const Amortization& schedule = *tables_.PaymentSchedule;
    print([&](Printer& printer) {
        BusyCursor busy;
        ScheduleReportInput report;
        static_cast<ReportSettings&>(report) = reportSettings();
        report.input = &input;
        report.result = &schedule;
        report.formatDate = [](int serial) { return platform::shortDate(serial); };
        printScheduleReport(printer, report, state_.LinesPerPage);
    });
}
