// "&Calculate" and what shows its results: the result figures, the grid (the comparison or
// a plan's schedule), the graph request and the printout.
#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <algorithm>
#include <memory>

#include "BusyCursor.h"
#include "CompareTables.h"
#include "CompareWindow.h"
#include "Dialogs.h"
#include "GraphHandOver.h"
#include "Grid.h"
#include "Messages.h"
#include "PlanColumn.h"
#include "Printer.h"
#include "QtText.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "Workspace.h"

std::vector<std::size_t> CompareWindow::plansInUse() const {
    std::vector<std::size_t> used;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i]->inUse())
            used.push_back(i);
    return used;
}

// The plan whose schedule the grid shows: the one chosen, when it was calculated.
std::size_t CompareWindow::scheduledPlan() const {
    const char letter =
        planLetter(static_cast<std::size_t>(std::max(0, SchedPlan->currentIndex())));
    for (std::size_t i = 0; i < compared_.size(); ++i)
        if (compared_[i].letter == letter)
            return i;
    return 0;
}

// ---- results ----------------------------------------------------------------------------

void CompareWindow::clearResults() {
    compared_.clear();
    CmpGrid->clearBody(1);
    for (PlanColumn* column : columns_)
        column->clearResult();
}

bool CompareWindow::calculate() {
    BusyCursor busy;
    clearResults();
    for (PlanColumn* column : columns_)
        if (!column->readTexts())
            return false;
    // A column without a principal is left out; the others keep their letters.
    const std::vector<std::size_t> used = plansInUse();
    if (used.empty()) {
        workspace_.dialogs().showMessage(msg::WrongOrMissingEntry);
        return false;
    }
    std::vector<ComparedPlan> compared;
    for (const std::size_t i : used) {
        LoanPlan plan = tables_.Plans[i];
        if (plan.convention == Convention::Worksheet)
            plan.dateView = plan.firstPayment ? DateView::Dates : DateView::PaymentNumbers;
        Result<PlanResult> result = calculatePlan(plan);
        if (!result) {
            const Failure& f = result.failure();
            state_.MessageDetail = std::string("Plan ") + planLetter(i) + ": " +
                                   (f.code != 0 ? messageText(f.code) : f.what);
            workspace_.dialogs().showMessage(msg::DetailOnly);
            // A given payment too small: back to it, to be typed again.
            if (f.what == compare_msg::PaymentTooSmall)
                columns_[i]->rowControls()[PlanColumn::GivenRow]->setFocus(Qt::OtherFocusReason);
            return false;
        }
        compared.push_back({std::move(plan), std::move(result).value(), planLetter(i)});
    }
    compared_ = std::move(compared);
    for (std::size_t i = 0; i < compared_.size(); ++i)
        columns_[used[i]]->showResult(compared_[i], interestSaved(compared_, i),
                                      platform::shortDate);
    if (std::find(used.begin(), used.end(), static_cast<std::size_t>(SchedPlan->currentIndex())) ==
        used.end())
        SchedPlan->setCurrentIndex(static_cast<int>(used.front()));
    fillGrid();
    // Bring the results into sight when the worksheet scrolls.
    for (QWidget* up = parentWidget(); up; up = up->parentWidget())
        if (auto* scroller = qobject_cast<QScrollArea*>(up)) {
            scroller->ensureWidgetVisible(results_);
            break;
        }
    return true;
}

CompareReportInput CompareWindow::reportInput() const {
    CompareReportInput in;
    static_cast<ReportSettings&>(in) = reportSettings();
    in.plans = compared_;
    in.formatDate = platform::shortDate;
    return in;
}

void CompareWindow::fillGrid() {
    CmpGrid->clearBody(1);
    const int view = SchedView->currentIndex();
    SchedPlan->setEnabled(view != ComparisonView);
    if (compared_.empty())
        return;
    if (view == ComparisonView) {
        const std::vector<ComparisonLine> lines = comparisonLines(reportInput());
        const int cols = static_cast<int>(compared_.size()) + 1;
        CmpGrid->setCols(cols);
        CmpGrid->setFixedCols(1);
        CmpGrid->setColumnWidthTwips(0, 2600);
        CmpGrid->setColumnAlignment(0, Qt::AlignLeft);
        CmpGrid->setText(0, 0, QString());
        for (int c = 1; c < cols; ++c) {
            CmpGrid->setColumnWidthTwips(c, 1900);
            CmpGrid->setColumnAlignment(c, Qt::AlignRight);
            CmpGrid->setText(0, c,
                             QStringLiteral("Plan %1").arg(
                                 planLetter(compared_, static_cast<std::size_t>(c - 1))));
        }
        std::vector<QString> cells;
        for (const ComparisonLine& line : lines) {
            cells.push_back(qs(line.label));
            for (int c = 1; c < cols; ++c)
                cells.push_back(line.plans.empty() ? QString() : qs(line.plans[c - 1]));
        }
        CmpGrid->setRowsData(1, std::move(cells));
    } else {
        const bool annual = view == YearsView;
        const std::size_t plan = scheduledPlan();
        // Rows are made as they come into sight; the last row asked for is kept, since the
        // grid asks for a row's cells one by one.
        struct Source {
            explicit Source(ScheduleTexts t) : texts(std::move(t)) {}
            ScheduleTexts texts;
            std::size_t row = static_cast<std::size_t>(-1);
            std::vector<std::string> cells;
        };
        auto source = std::make_shared<Source>(
            ScheduleTexts(compared_[plan], annual, reportSettings(), platform::shortDate));
        // The texts' columns the grid shows: the date only where the plan has dates.
        const bool dated = !annual && !compared_[plan].result.rows.empty() &&
                           compared_[plan].result.rows.front().date;
        std::vector<std::size_t> shown;
        std::vector<const char*> headings;
        const char* const all[] = {"No.",       "Date",  "Payment", "Interest",
                                   "Principal", "Extra", "Balance"};
        const char* const years[] = {"Year", "Payments", "Interest", "Principal", "Balance"};
        for (std::size_t c = 0; c < (annual ? 5u : 7u); ++c)
            if (annual || dated || c != 1) {
                shown.push_back(c);
                headings.push_back(annual ? years[c] : all[c]);
            }
        const int cols = static_cast<int>(headings.size());
        CmpGrid->setCols(cols);
        CmpGrid->setFixedCols(1);
        for (int c = 0; c < cols; ++c) {
            CmpGrid->setText(0, c, QString::fromLatin1(headings[static_cast<std::size_t>(c)]));
            CmpGrid->setColumnAlignment(c, c == 0 ? Qt::AlignHCenter : Qt::AlignRight);
            CmpGrid->setColumnWidthTwips(c, c == 0 ? 700 : 1500);
        }
        CmpGrid->setRowsSource(1, static_cast<int>(source->texts.rows()),
                               [source, shown](int row, int col) {
                                   const auto r = static_cast<std::size_t>(row - 1);
                                   if (r != source->row) {
                                       source->cells = source->texts.row(r);
                                       source->row = r;
                                   }
                                   return qs(source->cells[shown[static_cast<std::size_t>(col)]]);
                               });
    }
    CmpGrid->setFitColumnsToWidth(true);
    CmpGrid->scrollToTopRow();
}

// ---- commands ---------------------------------------------------------------------------

void CompareWindow::showGraph() {
    std::optional<WorksheetGraph> graph;
    if (!compared_.empty()) {
        graph =
            WorksheetGraph{.title = ComparisonGraphTitle, .groups = balanceGraphSeries(compared_)};
        graph->bars = balanceGraphYears(graph->groups);
    }
    showGraphFrom(workspace_, graph);
}

void CompareWindow::printReport() {
    if (compared_.empty()) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    const int view = SchedView->currentIndex();
    const std::size_t plan = scheduledPlan();
    print([&](Printer& printer) {
        const CompareReportInput in = reportInput();
        if (view == ComparisonView)
            printComparison(printer, in);
        else
            printSchedule(printer, in, plan, view == YearsView, state_.LinesPerPage);
    });
}
