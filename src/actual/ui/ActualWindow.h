#pragma once
// The budget vs actual worksheet: the budget file, the bank exports imported, the period,
// the grid of records held against what was spent, the unmatched transactions with the
// rule made from them, and the records proposed from what recurs.
#include <optional>
#include <vector>

#include "ActualPeriod.h"
#include "ActualProposals.h"
#include "ActualTables.h"
#include "WorksheetPage.h"

class Grid;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TextEntry;
class Workspace;

class ActualWindow : public WorksheetPage {
    Q_OBJECT
  public:
    ActualWindow(Workspace& workspace, ActualTables& tables, QWidget* parent = nullptr);

  protected:
    bool unsaved() const override { return tables_.ActualChanged == 1; }
    void leave() override;
    void printReport() override;
    void showGraph() override;
    void saveFile() override; // ActualFiles.cpp, as openFile()
    void openFile() override;

  private:
    void buildControls();
    void buildLayout();

    // Compares the period again and shows it; the grid keeps its current record.
    void refresh();
    void showResult();
    void showPeriod();
    void onPeriodChosen(int index);
    void onStartLeft();
    void onUnmatchedChosen();

    void onAssignClicked();
    void onProposeClicked();
    void onAddClicked();

    // Files (ActualFiles.cpp).
    void onBudgetClicked();
    void onImportClicked();
    bool readBudget(const std::string& fullName);
    bool saveBudget();

    ActualTables& tables_;
    std::optional<ActualResult> result_;
    std::vector<Proposal> proposals_;
    std::vector<RecordRef> gridRecords_; // the record of each grid body row
    bool filling_ = false;

    QLabel* ABudgetName = nullptr;
    QPushButton* ABudget = nullptr;
    QPushButton* AImport = nullptr;
    QComboBox* APeriod = nullptr;
    QLineEdit* AStart = nullptr;
    Grid* AGrid = nullptr;
    QListWidget* AUnmatched = nullptr;
    QLineEdit* ARuleText = nullptr;
    QPushButton* AAssign = nullptr;
    QPushButton* APropose = nullptr;
    QListWidget* AProposals = nullptr;
    QPushButton* AAdd = nullptr;
    QLabel* AUnmatchedIncome = nullptr;
    QLabel* AUnmatchedExpenses = nullptr;
    TextEntry* startEntry_ = nullptr;
    TextEntry* ruleEntry_ = nullptr;
};
