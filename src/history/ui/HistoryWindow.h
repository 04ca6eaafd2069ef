#pragma once
// The net worth history worksheet: the statements in date order (the summary, or each line
// across the statements), the chosen statement's date and label, the followed loans, and
// the chosen statement's net worth, change and yearly rate. The history lives in the
// worksheet's HistoryTables; every change recalculates it at once.
#include <optional>
#include <string>

#include "History.h"
#include "HistoryTables.h"
#include "WorksheetPage.h"

class Grid;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TextEntry;
class Workspace;

class HistoryWindow : public WorksheetPage {
    Q_OBJECT
  public:
    HistoryWindow(Workspace& workspace, HistoryTables& tables, QWidget* parent = nullptr);

  protected:
    bool unsaved() const override { return tables_.HistoryChanged == 1; }
    void leave() override;
    void showGraph() override;
    void printReport() override;
    // The history's file (HistoryFiles.cpp).
    void saveFile() override;
    void openFile() override;

  private:
    void buildControls();
    void buildLayout();

    // The history changed: recalculated, shown again, and to be saved.
    void changed();
    // Recalculates and shows the grid, the results and the chosen statement.
    void refresh();
    void fillGrid();
    // The statement the grid's current cell stands for; nothing in an empty history.
    std::optional<std::size_t> chosenStatement() const;
    void choose(std::size_t statement);
    void showChosen();

    void onDateLeft();
    // After a date refused: back to it when Enter or Tab left it, else the date shown again.
    void retypeDate();
    void onLabelLeft();
    void onRemoveClicked();
    void onViewChosen();

    // Files (HistoryFiles.cpp).
    void onAddClicked();
    void onFollowClicked();
    // A message whose text is `detail`, naming the file it concerns.
    void tell(const std::string& detail);

    HistoryTables& tables_;
    std::optional<HistoryResult> result_; // the last calculation, when it succeeded
    // A statement read by "Add Statement", waiting for its date.
    std::optional<Statement> pending_;
    std::string pendingFile_;
    bool filling_ = false;

    QLineEdit* HDate = nullptr;
    QLineEdit* HLabel = nullptr;
    QComboBox* HView = nullptr;
    QCheckBox* HGrouped = nullptr;
    QLabel* HNetWorth = nullptr;
    QLabel* HChange = nullptr;
    QLabel* HRate = nullptr;
    QLabel* HLoans = nullptr;
    Grid* HGrid = nullptr;
    QPushButton* HAdd = nullptr;
    QPushButton* HFollow = nullptr;
    QPushButton* HRemove = nullptr;
    TextEntry* dateEntry_ = nullptr;
    TextEntry* labelEntry_ = nullptr;
};
