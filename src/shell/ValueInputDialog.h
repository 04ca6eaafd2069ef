#pragma once
// FundCurValInput: asks for one value. ContextCode 1 or 2 asks for the line at which a
// blank line goes in (digits only); otherwise a decimal figure. Shows SelectedRow as the
// proposal and answers ValueAnswer, the text typed ("" when cancelled).
#include <memory>

#include "PlacedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class NumericEntry;

class ValueInputDialog : public PlacedDialog {
public:
    ValueInputDialog(SharedState& state, QWidget* container);
    ~ValueInputDialog() override;

    void reject() override;

private:
    void onAcceptClicked();

    QLabel* Label1;
    QLineEdit* CurVal;
    QPushButton* Accept;
    QPushButton* NoAccept;
    std::unique_ptr<NumericEntry> entry_;
};
