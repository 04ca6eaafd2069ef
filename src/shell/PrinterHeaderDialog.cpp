#include "PrinterHeaderDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <string>

#include "ControlNames.h"
#include "TextEntry.h"

namespace {
// What the header line holds when the printout was cancelled.
// (built as a string: assigning the bare literal trips a false GCC 12 -Wrestrict)
const std::string Cancelled("1");
} // namespace

PrinterHeaderDialog::PrinterHeaderDialog(ShellState& state, QWidget* container)
    : PlacedDialog(state, container, Placement::PrinterHeader) {
    setObjectName("PrinterHeaderInput");
    setWindowTitle("Input");

    FName = new QLabel(" Type in one line header information.", this);
    FName->setObjectName("FName");
    setAccessibleName(spokenCaption(FName->text())); // what it asks, not its caption "Input"

    InFName = new QLineEdit(this);
    nameByCaption(FName, InFName);
    InFName->setObjectName("InFName");
    InFName->setMinimumWidth(320);

    Acept = button("Continue &Printout", "Acept");
    NAcept = button("&Cancel", "NAcept");
    connect(Acept, &QPushButton::clicked, this, &PrinterHeaderDialog::onAceptClicked);
    connect(NAcept, &QPushButton::clicked, this, &PrinterHeaderDialog::reject);

    layOut({FName, InFName}, {Acept, NAcept}, false);

    // The header goes into a printout line: a double quote is never taken; Enter moves on.
    auto* entry = new TextEntry(InFName, state_);
    entry->setNext(Acept);

    setTabOrder(InFName, Acept);
    setTabOrder(Acept, NAcept);
    InFName->setFocus();
}

void PrinterHeaderDialog::onAceptClicked() {
    state_.HeaderText = InFName->text().toStdString();
    accept();
}

void PrinterHeaderDialog::reject() {
    state_.HeaderText = Cancelled;
    QDialog::reject();
}
