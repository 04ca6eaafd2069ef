#pragma once
// AllYesNo: asks question QuestionCode and answers 6 (yes) or 0 (no) in QuestionCode.
#include "PlacedDialog.h"

class QLabel;
class QPushButton;

class YesNoDialog : public PlacedDialog {
  public:
    YesNoDialog(ShellState& state, QWidget* container);

    // Closing the window any other way counts as "no".
    void reject() override;

  private:
    void onYesClicked();
    void onNoClicked();

    QLabel* Label1;
    QPushButton* AllYes;
    QPushButton* AllNo;
};
