#include "PrintJob.h"

#include <exception>

#include "BusyCursor.h"
#include "Dialogs.h"
#include "Messages.h"
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

    bool done = true;
    {
        BusyCursor busy;
        try {
            state.LinesPerPage =
                static_cast<std::int16_t>(printerSetUp(*printer, state.PrinterFontChoice));
            body(*printer);
            printer->endDocument();
        } catch (const std::exception&) {
            done = false;
        }
    }
    return reportUnprinted(dialogs, *printer, done);
}

bool reportUnprinted(Dialogs& dialogs, const Printer& printer, bool done) {
    if (done && !printer.failed())
        return true;
    const std::string file = printer.destination();
    dialogs.state().MessageDetail =
        file.empty() ? std::string("The printer did not take the printout.")
                     : "Cannot write " + file + ". Check Filename and/or Directory.";
    dialogs.showMessage(msg::DetailOnly);
    return false;
}
