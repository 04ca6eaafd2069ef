#pragma once
// The program's worksheets, listed once: a row each (its id and pecunex-report subcommand,
// its menu button, the window made over its tables), and the tables, alive while the program
// runs. The desktop program and its whole-program tests assemble the container from it.
#include <map>
#include <memory>
#include <typeindex>

#include "WorksheetRow.h"

class ProgramWorksheets {
  public:
    ProgramWorksheets();
    ProgramWorksheets(const ProgramWorksheets&) = delete;
    ProgramWorksheets& operator=(const ProgramWorksheets&) = delete;

    // In the order of the menu's Planners column.
    const WorksheetTable& rows() const { return rows_; }
    // Makes the graph window the worksheets open.
    static GraphWindowFactory graphWindow();

  private:
    // A window of that kind over the worksheet's tables: one set per kind of tables, shared
    // by the rows that open the same window.
    template <class Window, class Tables> WorksheetRow::Factory over();

    std::map<std::type_index, std::shared_ptr<void>> tables_;
    WorksheetTable rows_;
};
