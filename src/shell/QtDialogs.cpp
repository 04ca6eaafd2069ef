#include "QtDialogs.h"

#include "FileDirectory.h"
#include "FocusReturn.h"
#include "MessageDialog.h"
#include "PrinterHeaderDialog.h"
#include "RecordNumberDialog.h"
#include "ValueInputDialog.h"
#include "YesNoDialog.h"

QtDialogs::QtDialogs(ShellState& state, QWidget* container)
    : Dialogs(state), container_(container) {}

namespace {
// Each dialog is built afresh (its load reads the inputs), shown modally and discarded.
template <class Dialog> void showModal(ShellState& state, QWidget* container) {
    const FocusReturn back;
    Dialog dialog(state, container);
    dialog.exec();
}
} // namespace

void QtDialogs::message() {
    showModal<MessageDialog>(state(), container_);
}
void QtDialogs::yesNo() {
    showModal<YesNoDialog>(state(), container_);
}
void QtDialogs::recordNumber() {
    showModal<RecordNumberDialog>(state(), container_);
}
void QtDialogs::valueInput() {
    showModal<ValueInputDialog>(state(), container_);
}
void QtDialogs::printerHeader() {
    showModal<PrinterHeaderDialog>(state(), container_);
}

void QtDialogs::fileDirectory() {
    const FocusReturn back;
    FileDirectory(state(), container_);
}
