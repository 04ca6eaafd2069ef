#include "QtDialogs.h"

#include "FileDirectory.h"
#include "MessageDialog.h"
#include "PrinterHeaderDialog.h"
#include "RecordNumberDialog.h"
#include "ValueInputDialog.h"
#include "YesNoDialog.h"

QtDialogs::QtDialogs(SharedState& state, QWidget* container)
    : Dialogs(state), container_(container) {}

// Each dialog is built afresh (its load reads the inputs), shown modally and discarded.

void QtDialogs::message() {
    MessageDialog dialog(state(), container_);
    dialog.exec();
}

void QtDialogs::yesNo() {
    YesNoDialog dialog(state(), container_);
    dialog.exec();
}

void QtDialogs::recordNumber() {
    RecordNumberDialog dialog(state(), container_);
    dialog.exec();
}

void QtDialogs::valueInput() {
    ValueInputDialog dialog(state(), container_);
    dialog.exec();
}

void QtDialogs::printerHeader() {
    PrinterHeaderDialog dialog(state(), container_);
    dialog.exec();
}

void QtDialogs::fileDirectory() {
    FileDirectory(state(), container_);
}
