#include "RecordNumberDialog.h"

#include <QLineEdit>
#include <limits>

#include "NumberFormat.h"

namespace {
const char* const DeleteText = " Type in record number    to delete ";
const char* const ChangeText = " Type in record number    to change.";

// Digits only; leaving the box shows the number as read ("" for none), so what the user
// sees is exactly what "&OK" answers.
NumericEntryConfig recordEntry() {
    NumericEntryConfig config;
    config.filter = NumericEntryConfig::Filter::Digit;
    config.pattern = "###";
    config.width = 5;
    config.commit = [](double value) { return value; };
    config.display = [](double value) { return formatNumber(value, "###"); };
    return config;
}
} // namespace

std::int16_t recordNumberFromText(const QString& text) {
    const double value = leadingNumber(text.toStdString());
    if (!(value >= 1))
        return 0;
    if (value >= std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(value);
}

RecordNumberDialog::RecordNumberDialog(ShellState& state, QWidget* container)
    : EntryDialog(state, container, Placement::RecordFirstGrid, "InRecNum",
                  state.DeletePrompt == 1 ? DeleteText : ChangeText, recordEntry()) {}

void RecordNumberDialog::placeOnActivation() {
    // Over the grid the caller named; the side is used up by the first activation.
    if (state_.RecordDialogSide == 1 || state_.RecordDialogSide == 2) {
        const Placement where =
            state_.RecordDialogSide == 1 ? Placement::RecordFirstGrid : Placement::RecordSecondGrid;
        if (container_)
            placeDialog(this, container_, where, state_.LayoutClass);
    }
    state_.RecordDialogSide = 0;
}

void RecordNumberDialog::onAcceptClicked() {
    state_.RecordNumber = recordNumberFromText(CurVal->text());
    accept();
}

void RecordNumberDialog::reject() {
    state_.RecordNumber = 0;
    QDialog::reject();
}
