#pragma once
// The real shared dialogs: each call builds the dialog window, shows it modally over the
// container window and leaves its answer in ShellState.
#include "Dialogs.h"

class QWidget;

class QtDialogs : public Dialogs {
  public:
    QtDialogs(ShellState& state, QWidget* container);

    void message() override;
    void yesNo() override;
    void recordNumber() override;
    void valueInput() override;
    void printerHeader() override;
    void fileDirectory() override;

  private:
    QWidget* container_;
};
