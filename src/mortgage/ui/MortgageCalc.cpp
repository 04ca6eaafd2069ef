// The worksheet's calculation: entries -> engine -> result labels and schedule grid;
// and the two commands that use a finished schedule (graph, printout).
#include <QComboBox>
#include <QLabel>

#include "BusyCursor.h"
#include "Dialogs.h"
#include "Grid.h"
#include "Messages.h"
#include "MortgageWindow.h"
#include "PrintJob.h"
#include "Printer.h"
#include "ScheduleGrid.h"
#include "ScheduleReport.h"
#include "SharedState.h"
#include "SystemLocale.h"
#include "Workspace.h"

AmortizationInput MortgageWindow::inputFromState() const {
    AmortizationInput in;
    in.principal = state_.LoanInputs[1];
    in.ratePercent = state_.LoanInputs[2];
    in.termYears = state_.LoanInputs[3];
    in.compounding = Comperiod->currentText().toStdString();
    in.frequency = FreqPmt->currentText().toStdString();
    in.daysChoice = state_.DaysChoice;
    for (int y = 1; y <= MaxYears; ++y) in.extraPayments[static_cast<size_t>(y)] = state_.ExtraPayments[static_cast<size_t>(y)][2];
    in.firstPaymentDate = platform::parseDate(state_.TodayDate).value_or(platform::today());
    in.scheduleView = state_.ScheduleView;
    in.dateView = state_.DateView;
    in.mortgageMode = state_.MortgageMode;
    return in;
}

void MortgageWindow::clearResults() {
    if (filling_) return;
    state_.ScheduleYears = 0;
    state_.PaymentSchedule.reset();
    lastInput_.reset();
    for (QLabel* l : {InMonthPI, NumPmtsYear, PeriodicR, InDays, EndMortYear, AllPayments, TotSavd}) l->clear();
    MGrid->clearBody(2);
    setGridHeadings(0);
}

void MortgageWindow::setGridHeadings(int firstColumnView) {
    const auto headings = scheduleGridHeadings(firstColumnView);
    for (int c = 0; c < 6; ++c) MGrid->setText(0, c, QString::fromStdString(headings[static_cast<size_t>(c)]));
}

void MortgageWindow::onCalculateClicked() { calculate(); }

void MortgageWindow::calculate() {
    BusyCursor busy;
    clearResults();
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
    state_.YearsToFinal = schedule.yearsToFinal;
    state_.SchedulePaymentsPerYear = static_cast<std::int16_t>(schedule.paymentsPerYear);
    state_.GraphTitle = schedule.graphTitle;
    state_.ScheduleYears = static_cast<std::int16_t>(schedule.scheduleYears);
    state_.PaymentSchedule = std::move(result).value();
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
    options.scheduleView = state_.ScheduleView;
    options.dateView = state_.DateView;
    options.extraPaymentsInUse = state_.ExtraPaymentsInUse;
    options.currencySymbol = state_.CurrencySymbol;
    options.seps = seps_;
    options.formatDate = [](int serial) { return platform::shortDate(serial); };
    setGridHeadings(scheduleFirstColumnView(options));
    MGrid->setRowsData(1, scheduleGridCellTexts(result, options));
    MGrid->scrollToTopRow();
}

void MortgageWindow::onGraphClicked() {
    if (state_.ScheduleYears == 0) {
        workspace_.dialogs().showMessage(msg::NoDataToGraph);
        return;
    }
    // The schedule, GraphTitle and ScheduleYears are in the shared state; the graph window
    // takes this worksheet's place until it is left.
    state_.GraphSource = 4;
    workspace_.showGraph();
}

void MortgageWindow::onPrinterClicked() {
    if (state_.ScheduleYears == 0 || !state_.PaymentSchedule || !lastInput_) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    const AmortizationInput input = *lastInput_;
    const Amortization& schedule = *state_.PaymentSchedule;
    runPrintout(state_, workspace_.dialogs(), workspace_.printers(), [&](Printer& printer) {
        BusyCursor busy;
        ScheduleReportInput report;
        report.input = &input;
        report.result = &schedule;
        report.header = state_.HeaderText;
        report.currencySymbol = state_.CurrencySymbol;
        report.fontChoice = state_.PrinterFontChoice;
        report.seps = seps_;
        report.formatDate = [](int serial) { return platform::shortDate(serial); };
        printScheduleReport(printer, report, state_.LinesPerPage);
    });
}
