#pragma once
// The About box: the program's name and version, and "&OK".
#include "PlacedDialog.h"

class AboutBox : public PlacedDialog {
    Q_OBJECT
  public:
    AboutBox(ShellState& state, QWidget* container);
};
