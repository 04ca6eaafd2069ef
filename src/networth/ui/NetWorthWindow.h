#pragma once
// The net worth worksheet: two grids typed into cell by cell (assets and liabilities), the
// calculation that tidies them and shows the totals and the net worth, blank-line
// insertion, the statement's file and its printout.

#include "FileCommands.h"
#include "NetWorthTables.h"
#include "NumberFormat.h"
#include "WorksheetPage.h"

class Grid;
class GridCellEntry;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class Workspace;

class NetWorthWindow : public WorksheetPage {
    Q_OBJECT
  public:
    NetWorthWindow(Workspace& workspace, NetWorthTables& tables, QWidget* parent = nullptr);

    // Runs the calculation and shows its results (also after opening, inserting, loading).
    // False, after message 26, when a figure does not fit.
    bool calculate();

  protected:
    // Leaving: asks question 3 when a calculated statement would be lost; true to go on.
    bool mayLeave() override;
    void leave() override;
    void printReport() override;
    void saveFile() override; // NetWorthFiles.cpp, as openFile()
    void openFile() override;

  private:
    struct Side {
        Grid* grid = nullptr;
        GridCellEntry* entry = nullptr;
        NetWorthTable* rows = nullptr;
        std::int16_t* count = nullptr;
        const Currency* total = nullptr;
        const char* heading = nullptr;
        const char* totalCaption = nullptr;
        int contextCode = 0;
    };

    void buildControls();
    void buildLayout();
    void setUpGrid(Side& side, const char* objectName, const char* spokenName);
    void display(const Side& side);
    void showLinesWithoutTotals();
    void clearTotals();
    void onCellEdited(Side& side, int row, int col, const QString& buffer);
    void onCellDeleted(Side& side, int row, int col);
    bool admitKey(int row, bool deleteKey);

    void onCalculateClicked();
    void onInsertClicked(Side& side);
    void clearStatement();

    // File commands (NetWorthFiles.cpp). The worksheet hides while their dialogs show.
    void hideForDialogs(bool hide);

    NetWorthTables& tables_;
    Side assets_;
    Side liabilities_;

    QPushButton* NCalc = nullptr;
    QPushButton* InsertAss = nullptr;
    QPushButton* InsertLiab = nullptr;
    QPlainTextEdit* NTextBox = nullptr;
    QLabel* NetInfo = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Net = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* title_ = nullptr;

    bool totalsValid_ = true; // the totals shown are the lines' (no message 26 since)
};
