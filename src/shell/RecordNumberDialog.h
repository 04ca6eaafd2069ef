#pragma once
// InRecNum: asks for the number of the record to delete (DeletePrompt 1) or to change.
// Shows SelectedRow as the proposal, sits over the grid named by RecordDialogSide and
// answers RecordNumber (0 when cancelled).
#include <memory>

#include "PlacedDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class NumericEntry;

class RecordNumberDialog : public PlacedDialog {
public:
    RecordNumberDialog(SharedState& state, QWidget* container);
    ~RecordNumberDialog() override;

    void reject() override;

protected:
    void placeOnActivation() override;

private:
    void onAcceptClicked();

    QLabel* Label1;
    QLineEdit* CurVal;
    QPushButton* Accept;
    QPushButton* NoAccept;
    std::unique_ptr<NumericEntry> entry_;
};

// The whole-number value of a typed record number: its leading digits, 0 when there are
// none, at most 32767 (a number that large names no record, so the caller refuses it).
std::int16_t recordNumberFromText(const QString& text);
