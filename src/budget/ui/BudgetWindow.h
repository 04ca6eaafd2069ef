#pragma once
// The budget worksheet: an income side and an expense side (one BudgetSide each), the
// period and sort lists, the net balances and the file, print and help commands. The
// records live in the BudgetTables the application hands in; every change redraws both
// sides for the chosen period and order.
#include <optional>
#include <string>

#include "BudgetTables.h"
#include "WorksheetPage.h"

class BudgetSide;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class Workspace;

class BudgetWindow : public WorksheetPage {
    Q_OBJECT
  public:
    BudgetWindow(Workspace& workspace, BudgetTables& tables, QWidget* parent = nullptr);

    // Sorts and redraws both sides and the net balances (after every change).
    void refreshBudget();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // False when the user wants to stay and save first (question 3).
    bool mayLeave() override;
    void leave() override;
    void saveFile() override; // BudgetFiles.cpp, as the two below
    void openFile() override;
    void printReport() override;

  private:
    void buildControls();
    void buildLayout();
    // The net balances' accessible names follow their caption (the period chosen).
    void nameNets();
    void onListEntryChosen();
    void onRecordsChanged(int editedSide);

    // Files and printing (BudgetFiles.cpp).
    bool openFrom(const std::optional<std::string>& bytes);

    BudgetTables& tables_;
    int periodFactor_ = 1;
    int editedSide_ = 0;

    BudgetSide* income_ = nullptr;
    BudgetSide* expense_ = nullptr;
    QComboBox* FreqPeriod = nullptr;
    QComboBox* SortBy = nullptr;
    QLabel* netCaption_ = nullptr;
    QLabel* NetBalance = nullptr;
    QLabel* NetBalanceBgt = nullptr;
    QPlainTextEdit* HelpTxt = nullptr;
};
