#pragma once
// The About box: the program's name and version, what it plans, and "&OK".
#include "PlacedDialog.h"
#include "WorksheetRow.h"

class AboutBox : public PlacedDialog {
    Q_OBJECT
  public:
    AboutBox(ShellState& state, const WorksheetTable& worksheets, QWidget* container);
};
