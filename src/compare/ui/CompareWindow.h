#pragma once
// The loan comparison worksheet: three plan columns side by side (entries, then results),
// a plan's schedule or the comparison in the grid, and the commands. The plans live in the
// worksheet's CompareTables; the window reads them into the engine and shows what it
// returns.
#include <array>
#include <vector>

#include "CompareReport.h"
#include "CompareTables.h"
#include "WorksheetPage.h"

class Grid;
class PlanColumn;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class Workspace;

class CompareWindow : public WorksheetPage {
    Q_OBJECT
  public:
    CompareWindow(Workspace& workspace, CompareTables& tables, QWidget* parent = nullptr);

    // Runs the calculation as "&Calculate" does (also after a file was opened). False when a
    // plan could not be calculated (a message said why).
    bool calculate();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Plans changed since they were saved (asked about before they are lost).
    bool unsaved() const override { return tables_.CompareChanged == 1 && !plansInUse().empty(); }
    void leave() override;
    void printReport() override;
    void showGraph() override;
    // The plans to and from a .Cmp file (CompareFiles.cpp).
    void saveFile() override;
    void openFile() override;

  private:
    enum GridView { ComparisonView, PaymentsView, YearsView };

    void buildControls();
    void buildLayout();
    void loadDefaults();

    // Any change of a plan: the results no longer match.
    void clearResults();
    std::vector<std::size_t> plansInUse() const; // the columns with a principal
    std::size_t scheduledPlan() const;           // in compared_
    void fillGrid();
    CompareReportInput reportInput() const;

    // Files (CompareFiles.cpp): the plans to and from a .Cmp file, and a mortgage or loan
    // file into one column.
    void onPlanFileRequested(int column);

    CompareTables& tables_;
    std::vector<ComparedPlan> compared_; // the plans whose results are shown

    std::array<PlanColumn*, 3> columns_{};
    std::array<QLabel*, 3> heads_{};
    QComboBox* SchedPlan = nullptr;
    QComboBox* SchedView = nullptr;
    QLabel* schedPlanCaption_ = nullptr;
    QLabel* schedViewCaption_ = nullptr;
    Grid* CmpGrid = nullptr;
    QPlainTextEdit* CmpTextBox = nullptr;
    QWidget* results_ = nullptr; // the results block, scrolled into view after a calculation
    QPushButton* CmpCalc = nullptr;
};
