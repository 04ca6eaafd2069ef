#include "PrintJob.h"

#include <exception>

#include "BusyCursor.h"
#include "Dialogs.h"
#include "Printer.h"
#include "ShellState.h"

bool runPrintout(ShellState& state, Dialogs& dialogs, PrinterProvider& printers,
                 const std::function<void(Printer&)>& body) {
    dialogs.printerHeader();
    if (state.HeaderText == "1")
        return false;

    // Asking for a PDF name (no printer installed) happens with the normal pointer.
    std::unique_ptr<Printer> printer = printers.open();
    if (!printer)
        return false;

    BusyCursor busy;
    try {
        state.LinesPerPage =
            static_cast<std::int16_t>(printerSetUp(*printer, state.PrinterFontChoice));
        body(*printer);
        printer->endDocument();
    } catch (const std::exception&) {
        // Printing errors are not reported; whatever reached the printer stays there.
        return false;
    }
    return true;
}
