#pragma once
// The savings worksheet: six entry fields and the frequency list, the growth grid, the
// quick help and the commands. The entries live in the worksheet's SavingsTables; the
// window reads them into the engine's input and shows what the engine returns.
#include <array>
#include <optional>

#include "GraphTable.h"
#include "Growth.h"
#include "WorksheetPage.h"

class Grid;
class QComboBox;
class QPushButton;
class Workspace;
struct SavingsTables;

class SavingsWindow : public WorksheetPage {
    Q_OBJECT
  public:
    SavingsWindow(Workspace& workspace, SavingsTables& tables, QWidget* parent = nullptr);

  protected:
    void leave() override;
    void printReport() override;
    void showGraph() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void quickHelpClosed() override { changeOfEntry(); } // the grid emptied

  private:
    void build(); // the controls and their layout
    void setUpEntries();
    void loadDefaults();

    // A click, Delete or first key in a field, or a frequency chosen: the grid no longer
    // matches the entries.
    void changeOfEntry();
    void showGrowth(const Growth& growth, const SavingsFrequency& frequency);

    // Entry fields (SavingsEntries.cpp): store a figure, the text it shows.
    double commit(int element, double value);
    bool onFrequencyKey(QEvent* event);

    void onCalculateClicked();

    SavingsTables& tables_;
    std::optional<GrowthInput> calculated_; // the entries of the table shown
    std::optional<WorksheetGraph> graph_;   // its year-end values
    bool filling_ = false;                  // programmatic refills are no changes
    // Entries typed beyond the currency range (by SavingsInputs element): the calculation
    // refuses them.
    std::array<bool, 9> outOfRange_{};

    QComboBox* InLumpInv = nullptr;
    QComboBox* InInvest = nullptr;
    QComboBox* InMonthsYrs = nullptr;
    QComboBox* InRate = nullptr;
    QComboBox* InIncrRate = nullptr;
    QComboBox* inInflatRate = nullptr;
    QComboBox* InTerm = nullptr;
    Grid* SGrid = nullptr;
    QPushButton* SCalc = nullptr;
};
