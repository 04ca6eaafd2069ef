#include "ReportFrame.h"

#include "Printer.h"

void ReportPage::breakPage(int counterAfter) {
    printer_.emptyLine();
    printer_.emptyLine();
    printer_.print({Tab(40), "Page", " " + std::to_string(printer_.page())});
    printer_.newPage();
    linesPerPage_ = printerSetUp(printer_, fontChoice_);
    counter = counterAfter;
}

void printDocument(Printer& printer, int fontChoice, const std::function<void(int)>& body) {
    const int lines = printerSetUp(printer, fontChoice);
    body(lines);
    printer.endDocument();
}
