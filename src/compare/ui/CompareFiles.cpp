// "&Save File" and "&Open File": the plans to and from a comparison file (.Cmp); a
// mortgage or loan file (.umd, .uld) read into one plan's column.
#include "CompareTables.h"
#include "CompareWindow.h"
#include "Dates.h"
#include "Dialogs.h"
#include "LoanFile.h"
#include "Messages.h"
#include "PlanColumn.h"
#include "PlanText.h"
#include "Workspace.h"

namespace {
// A mortgage or loan file read into one plan's column: never the comparison's own file.
const DocumentKind PlanFile{.openMode = 23,
                            .filter = "Mortgage or Loan Database (*.umd *.uld)|*.umd *.uld",
                            .extension = "umd",
                            .named = false};
} // namespace

void CompareWindow::saveFile() {
    for (PlanColumn* column : columns_)
        if (!column->readTexts())
            return;
    const std::vector<std::size_t> used = plansInUse();
    if (used.empty()) {
        workspace_.dialogs().showMessage(msg::NoRecordsToSave);
        return;
    }
    // Columns in place up to the last one in use: an empty plan keeps the others' letters.
    const std::vector<LoanPlan> plans(tables_.Plans.begin(),
                                      tables_.Plans.begin() +
                                          static_cast<std::ptrdiff_t>(used.back() + 1));
    if (file_.save([&plans] { return writeCompareFile(plans); }))
        tables_.CompareChanged = 0;
}

void CompareWindow::openFile() {
    if (!mayLeave())
        return;
    const auto opened = file_.open([this](const std::optional<std::string>& text) {
        if (!text)
            return false;
        const Result<std::vector<LoanPlan>> read = readCompareFile(*text);
        if (!read)
            return false;
        const std::vector<LoanPlan>& plans = read.value();
        for (std::size_t i = 0; i < tables_.Plans.size(); ++i) {
            LoanPlan empty;
            empty.ratePercent = plans.front().ratePercent;
            tables_.Plans[i] = i < plans.size() ? plans[i] : empty;
            columns_[i]->showPlan();
        }
        return true;
    });
    if (opened != DocumentFile::Opened::Taken)
        return;
    tables_.CompareChanged = 0;
    calculate();
}

void CompareWindow::onPlanFileRequested(int column) {
    const auto i = static_cast<std::size_t>(column);
    const auto opened = file_.open(PlanFile, [&](const std::optional<std::string>& text) {
        const LoanFileRead read = text ? readLoanFile(*text) : LoanFileRead{};
        if (!text || read.error)
            return false;
        AmortizationInput input = read.data.input;
        if (const auto day = parseDateText(read.data.firstPaymentDate))
            input.firstPaymentDate = *day;
        tables_.Plans[i] = planFromWorksheet(input);
        return true;
    });
    if (opened != DocumentFile::Opened::Taken)
        return;
    columns_[i]->showPlan();
    tables_.CompareChanged = 1;
    clearResults();
}
