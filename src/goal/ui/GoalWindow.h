#pragma once
// The savings goal worksheet: what to solve for, the target and the money it is given in,
// the savings entries, the answer, and the solved plan in the savings grid. The entries live
// in the worksheet's GoalTables; the window reads them into the solver's input and shows
// what the solver returns.
#include <array>
#include <optional>
#include <vector>

#include "GoalSolver.h"
#include "GoalTables.h"
#include "NumberFormat.h"
#include "WorksheetPage.h"

class Grid;
class NumericEntry;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Workspace;

class GoalWindow : public WorksheetPage {
    Q_OBJECT
  public:
    GoalWindow(Workspace& workspace, GoalTables& tables, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void quickHelpClosed() override { clearAnswer(); } // the grid emptied
    bool unsaved() const override { return tables_.GoalChanged == 1; }
    void leave() override;
    void printReport() override;
    void showGraph() override;
    void saveFile() override; // GoalFiles.cpp, as openFile()
    void openFile() override;

  private:
    void buildControls();
    void buildLayout();
    // Every field shows what the tables hold; the field solved for is greyed and shows the
    // last answer (what Save writes).
    void showEntries();
    // The field of one figure: its text from the tables.
    void showFigure(GoalUnknown unknown);
    // The figure solved for, in the tables and in its field.
    void setSolvedFigure(Currency figure);

    // Entry fields (GoalEntries.cpp).
    void setUpEntries();
    double commit(int element, double value);
    double commitTarget(double value);
    void onSolveChosen(int index);
    void onTodayToggled(bool on);
    // Greys the field solved for and points Enter from each field to the next one open.
    void chainEntries();
    void focusAfter(QWidget* from);
    bool onListKey(QWidget* list, QEvent* event);
    // A change of any entry: the answer and the grid no longer belong to the entries.
    void changeOfEntry();
    // The answer and the grid emptied; the field solved for keeps its figure.
    void clearAnswer();

    void onCalculateClicked();
    void showAnswer(const GoalAnswer& answer);

    GoalTables& tables_;
    std::optional<GoalInput> goal_;    // the entries the answer was solved from
    std::optional<GoalAnswer> solved_; // the answer shown

    QComboBox* GSolve = nullptr;
    QLineEdit* GTarget = nullptr;
    QCheckBox* GToday = nullptr;
    QComboBox* GLumpInv = nullptr;
    QComboBox* GInvest = nullptr;
    QComboBox* GMonthsYrs = nullptr;
    QComboBox* GRate = nullptr;
    QComboBox* GIncrRate = nullptr;
    QComboBox* GInflatRate = nullptr;
    QComboBox* GTerm = nullptr;
    QLabel* GAnswer = nullptr;
    QLabel* GNote = nullptr;
    Grid* GGrid = nullptr;
    QPushButton* GCalc = nullptr;

    bool filling_ = false; // programmatic refills are no changes
    // Entries typed beyond the currency range (by SavingsInputs element; 0: the target).
    std::array<bool, 9> outOfRange_{};
    // The fields in entry order, and the entry behaviour of the typed ones.
    std::vector<QWidget*> order_;
    std::vector<std::pair<QWidget*, NumericEntry*>> typed_;
};
