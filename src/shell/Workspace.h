#pragma once
// What a worksheet needs from the program around it.
#include "GraphTable.h"

class Dialogs;
class PrinterProvider;
class QString;
class QWidget;
struct ShellState;

class Workspace {
  public:
    virtual ~Workspace() = default;
    virtual ShellState& state() = 0;
    virtual Dialogs& dialogs() = 0;
    virtual PrinterProvider& printers() = 0;
    // The container window (parent of dialogs) and its caption.
    virtual QWidget* container() = 0;
    virtual void setCaption(const QString& caption) = 0;
    // Called by a worksheet that is being left: shows the main menu again.
    virtual void showMenu() = 0;
    // Hides the open worksheet and shows the graph window drawing `request`. Does nothing
    // where there is no graph window.
    virtual void showGraph(const WorksheetGraph& /*request*/) {}
    // Called by the graph window being left: shows the worksheet that opened it again, as
    // it was.
    virtual void leaveGraph() {}
};
