#pragma once
// The small "type one figure" dialog behind the record-number and value dialogs: a prompt
// (Label1), the entry box CurVal proposing SelectedRow, "&OK" (Accept) and "&Cancel"
// (NoAccept). CurVal follows the numeric entry protocol; Enter moves to "&OK".
#include <memory>

#include "NumericEntry.h"
#include "PlacedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class EntryDialog : public PlacedDialog {
  public:
    ~EntryDialog() override;

  protected:
    // `keepTypedText`: leaving CurVal leaves the text as typed instead of reformatting it.
    EntryDialog(ShellState& state, QWidget* container, Placement placement, const char* formName,
                const char* prompt, NumericEntryConfig entry, bool keepTypedText = false);
    // "&OK": leave the answer in ShellState and close.
    virtual void onAcceptClicked() = 0;

    QLabel* Label1;
    QLineEdit* CurVal;
    QPushButton* Accept;
    QPushButton* NoAccept;

  private:
    std::unique_ptr<NumericEntry> entry_;
};
