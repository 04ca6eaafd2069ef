#pragma once
// One side of the budget worksheet (income or expenses): the four entry boxes, the record
// buttons, the grid and the side's totals. The same component serves both sides; only
// the names and captions differ. Each side keeps the number of the record it is changing.
#include <QGroupBox>
#include <string>

#include "BudgetTables.h"

class Grid;
class NumericEntry;
class QLabel;
class QLineEdit;
class QPushButton;
class TextEntry;
class Workspace;
struct NumberSeparators;
struct ShellState;

// Control names and captions of a side.
struct BudgetSideNames {
    RecordSide side;
    const char* frameCaption;
    const char *desc, *amount, *payments, *budgeted; // entry boxes
    const char *descCaption, *amountCaption;
    const char *add, *addText, *whatIf, *whatIfText, *addChanged, *addChangedText, *remove,
        *removeText;
    const char *grid, *total, *totalBudgeted, *totalCaption;
};

extern const BudgetSideNames IncomeSideNames;
extern const BudgetSideNames ExpenseSideNames;

class BudgetSide : public QGroupBox {
    Q_OBJECT
  public:
    BudgetSide(const BudgetSideNames& names, Workspace& workspace, BudgetTables& tables,
               QWidget* parent = nullptr);
    ~BudgetSide() override;

    RecordSide side() const { return names_.side; }
    // Redraws the grid from the side's records (count + 11 rows), for the period.
    void fillGrid(int periodFactor, const NumberSeparators& seps);
    // The totals caption and figures; empty figures when the sums could not be made.
    void showTotals(const std::string& caption, const std::string& total,
                    const std::string& budgeted);
    void focusDescription();
    bool changing() const;
    QLineEdit* description() const { return desc_; }
    QWidget* lastControl() const;

  signals:
    // Records were added, changed or deleted: the worksheet must be refreshed.
    void recordsChanged(RecordSide side);

  private:
    void buildControls();
    void buildLayout();
    void setChanging(bool on);
    // ", income" or ", expenses": what tells a control from its twin on the other side.
    QString sideSuffix() const;
    // The totals' accessible names follow their caption (the period chosen).
    void nameTotals();
    void emptyBoxes();
    bool boxesHaveData();
    // False when an amount was typed beyond the currency range: the record cannot be made.
    bool entriesInRange() const;
    void onAddClicked();
    void onWhatIfClicked();
    void onAddChangedClicked();
    void onDeleteClicked();
    // Asks for a record number (change or delete); 0 when the side is empty, cancelled or refused.
    int askRecordNumber(bool forDelete);

    const BudgetSideNames& names_;
    Workspace& workspace_;
    ShellState& state_;
    BudgetTables& tables_;
    int changingRecord_ = 0; // the record Add Changed Record writes to

    QLineEdit* desc_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QLineEdit* payments_ = nullptr;
    QLineEdit* budgeted_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* whatIf_ = nullptr;
    QPushButton* addChanged_ = nullptr;
    QPushButton* remove_ = nullptr;
    Grid* grid_ = nullptr;
    QLabel* totalCaption_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* totalBudgeted_ = nullptr;
    TextEntry* descEntry_ = nullptr;
    NumericEntry* amountEntry_ = nullptr;
    NumericEntry* paymentsEntry_ = nullptr;
    NumericEntry* budgetedEntry_ = nullptr;
};
