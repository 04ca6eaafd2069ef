#pragma once
// FundCurValInput: asks for one value. ContextCode 1 or 2 asks for the line at which a
// blank line goes in (digits only); otherwise a decimal figure. Shows SelectedRow as the
// proposal and answers ValueAnswer, the text typed ("" when cancelled).
#include "EntryDialog.h"

class ValueInputDialog : public EntryDialog {
  public:
    ValueInputDialog(ShellState& state, QWidget* container);

    void reject() override;

  protected:
    void onAcceptClicked() override;
};
