#pragma once
// InRecNum: asks for the number of the record to delete (DeletePrompt 1) or to change.
// Shows SelectedRow as the proposal, sits over the grid named by RecordDialogSide and
// answers RecordNumber (0 when cancelled).
#include <cstdint>

#include "EntryDialog.h"

class QString;

class RecordNumberDialog : public EntryDialog {
  public:
    RecordNumberDialog(ShellState& state, QWidget* container);

    void reject() override;

  protected:
    void placeOnActivation() override;
    void onAcceptClicked() override;
};

// The whole-number value of a typed record number: its leading digits, 0 when there are
// none, at most 32767 (a number that large names no record, so the caller refuses it).
std::int16_t recordNumberFromText(const QString& text);
