#pragma once
// The frame of every printout: header dialog, stop on "1", printer set-up, the report's
// lines, end of document. Reports supply only their lines.
#include <functional>

class Dialogs;
class Printer;
class PrinterProvider;
struct ShellState;

// Runs the frame. The body is called after the set-up (LinesPerPage already set) and
// prints the header line itself. Returns true when a document was printed; a printout that
// did not reach its printer or file is a message, never silence.
bool runPrintout(ShellState& state, Dialogs& dialogs, PrinterProvider& printers,
                 const std::function<void(Printer&)>& body);

// After a printout has ended (`done` false: it broke off): true when it reached its printer or
// file, else shows a message saying which file could not be written, and false.
bool reportUnprinted(Dialogs& dialogs, const Printer& printer, bool done = true);
