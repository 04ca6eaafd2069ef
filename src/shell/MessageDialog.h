#pragma once
// AMsgbox: shows the numbered message MessageCode (with MessageDetail where the message
// takes one) and an "E&xit" button.
#include "PlacedDialog.h"

class QPlainTextEdit;
class QPushButton;

class MessageDialog : public PlacedDialog {
  public:
    MessageDialog(ShellState& state, QWidget* container);

  private:
    QPlainTextEdit* TextMsg;
    QPushButton* AMsgExit;
};
