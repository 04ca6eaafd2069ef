#include "ValueInputDialog.h"

#include <QLineEdit>

namespace {
const char* const InsertLineText = " Insert a blank line at line      number ";
// Asked for any other purpose.
const char* const ValueText = " Type in the value.";

bool asksForLine(int contextCode) {
    return contextCode == 1 || contextCode == 2;
}

// The answer is the text itself, so leaving the box keeps the text exactly as typed;
// the caller reads the number it needs from it.
NumericEntryConfig valueEntry(bool lineNumber) {
    NumericEntryConfig config;
    config.filter =
        lineNumber ? NumericEntryConfig::Filter::Digit : NumericEntryConfig::Filter::Decimal;
    config.pattern = lineNumber ? "###" : "###.00";
    config.width = 12;
    config.commit = [](double value) { return value; };
    return config;
}
} // namespace

ValueInputDialog::ValueInputDialog(ShellState& state, QWidget* container)
    : EntryDialog(state, container, Placement::ValueInput, "FundCurValInput",
                  asksForLine(state.ContextCode) ? InsertLineText : ValueText,
                  valueEntry(asksForLine(state.ContextCode)), true) {}

void ValueInputDialog::onAcceptClicked() {
    state_.ValueAnswer = CurVal->text().toStdString();
    accept();
}

void ValueInputDialog::reject() {
    state_.ValueAnswer.clear();
    QDialog::reject();
}
