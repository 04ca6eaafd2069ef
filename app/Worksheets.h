#pragma once
// The program's worksheets: their tables, alive while the program runs, and the windows the
// container opens over them. The desktop program and its whole-program tests assemble the
// container the same way.
#include <memory>

class MdiContainer;
struct BudgetTables;
struct CompareTables;
struct GoalTables;
struct MortgageTables;
struct NetWorthTables;
struct SavingsTables;

class ProgramWorksheets {
  public:
    ProgramWorksheets();
    ~ProgramWorksheets();
    ProgramWorksheets(const ProgramWorksheets&) = delete;
    ProgramWorksheets& operator=(const ProgramWorksheets&) = delete;

    // Registers every worksheet and the graph window with the container.
    void registerWith(MdiContainer& container);

  private:
    std::unique_ptr<MortgageTables> mortgage_;
    std::unique_ptr<SavingsTables> savings_;
    std::unique_ptr<NetWorthTables> netWorth_;
    std::unique_ptr<CompareTables> compare_;
    std::unique_ptr<GoalTables> goal_;
    std::unique_ptr<BudgetTables> budget_;
};
