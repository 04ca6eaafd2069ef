#pragma once
// PrinterHeaderInput: asks for the one-line header of a printout. HeaderText becomes the
// line typed, or "1" when the user cancels.
#include "PlacedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class PrinterHeaderDialog : public PlacedDialog {
  public:
    PrinterHeaderDialog(ShellState& state, QWidget* container);

    void reject() override;

  private:
    void onAceptClicked();

    QLabel* FName;
    QLineEdit* InFName;
    QPushButton* Acept;
    QPushButton* NAcept;
};
