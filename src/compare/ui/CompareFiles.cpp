// "&Save File" and "&Open File": the plans to and from a comparison file (.Cmp); a
// mortgage or loan file (.umd, .uld) read into one plan's column.
#include "BusyCursor.h"
#include "CompareTables.h"
#include "CompareWindow.h"
#include "Dates.h"
#include "Dialogs.h"
#include "FileCommands.h"
#include "LoanFile.h"
#include "Messages.h"
#include "PlanColumn.h"
#include "PlanText.h"
#include "ShellState.h"
#include "Workspace.h"

void CompareWindow::onSaveClicked() {
    Dialogs& dialogs = workspace_.dialogs();
    for (PlanColumn* column : columns_)
        if (!column->readTexts())
            return;
    const std::vector<std::size_t> used = plansInUse();
    if (used.empty()) {
        dialogs.showMessage(msg::NoRecordsToSave);
        return;
    }
    const auto chosen =
        chooseFile(dialogs, filemode::SaveCompare,
                   state_.CurrentFileName.empty() ? std::optional<std::string>()
                                                  : std::optional(state_.CurrentFileName));
    if (!chosen)
        return;
    // Columns in place up to the last one in use: an empty plan keeps the others' letters.
    const std::vector<LoanPlan> plans(tables_.Plans.begin(),
                                      tables_.Plans.begin() +
                                          static_cast<std::ptrdiff_t>(used.back() + 1));
    bool saved = false;
    {
        BusyCursor busy;
        saved = saveWholeFile(state_.ProgramFolder, *chosen, writeCompareFile(plans));
    }
    if (!saved) {
        state_.MessageDetail = "Cannot save " + bareFileName(*chosen) + ".";
        dialogs.showMessage(msg::DetailOnly);
        return;
    }
    state_.CurrentFileName = bareFileName(*chosen);
    tables_.CompareChanged = 0;
}

void CompareWindow::onOpenClicked() {
    if (!mayLeave())
        return;
    const auto chosen = chooseFile(workspace_.dialogs(), filemode::OpenCompare);
    if (!chosen)
        return;
    const std::optional<std::string> text = readWholeFile(state_.ProgramFolder, *chosen);
    Result<std::vector<LoanPlan>> read =
        text ? readCompareFile(*text)
             : Result<std::vector<LoanPlan>>(Failure{msg::FileNotFound, {}});
    if (!read) {
        workspace_.dialogs().showMessage(msg::FileNotFound);
        return;
    }
    const std::vector<LoanPlan>& plans = read.value();
    for (std::size_t i = 0; i < tables_.Plans.size(); ++i) {
        LoanPlan empty;
        empty.ratePercent = plans.front().ratePercent;
        tables_.Plans[i] = i < plans.size() ? plans[i] : empty;
        columns_[i]->showPlan();
    }
    state_.CurrentFileName = bareFileName(*chosen);
    tables_.CompareChanged = 0;
    calculate();
}

void CompareWindow::onPlanFileRequested(int column) {
    const auto chosen = chooseFile(workspace_.dialogs(), filemode::OpenLoanPlan);
    if (!chosen)
        return;
    const std::optional<std::string> text = readWholeFile(state_.ProgramFolder, *chosen);
    const LoanFileRead read = text ? readLoanFile(*text) : LoanFileRead{};
    if (!text || read.error) {
        workspace_.dialogs().showMessage(msg::FileNotFound);
        return;
    }
    AmortizationInput input = read.data.input;
    if (const auto day = parseDateText(read.data.firstPaymentDate))
        input.firstPaymentDate = *day;
    const auto i = static_cast<std::size_t>(column);
    tables_.Plans[i] = planFromWorksheet(input);
    columns_[i]->showPlan();
    tables_.CompareChanged = 1;
    clearResults();
}
