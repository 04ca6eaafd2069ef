#pragma once
// The frame every printout shares: the settings a report prints with, the page it is on
// (printer, page length, lines counted) and the one page break with its footer.
#include <functional>
#include <string>

#include "NumberFormat.h"

class Printer;

// What every report takes from the user and the settings store.
struct ReportSettings {
    std::string header; // the one-line header typed by the user
    std::string currencySymbol = "$";
    int fontChoice = 0; // for the set-up after each page break
    NumberSeparators seps;
};

// The page a report is printing on. `counter` is the report's own line count; each report
// decides what it counts and when the page is full.
class ReportPage {
  public:
    ReportPage(Printer& printer, int fontChoice, int linesPerPage)
        : printer_(printer), fontChoice_(fontChoice), linesPerPage_(linesPerPage) {}

    Printer& printer() const { return printer_; }
    int linesPerPage() const { return linesPerPage_; }
    // True when the count plus `ahead` lines has reached the page length.
    bool reached(int ahead = 0) const { return counter + ahead >= linesPerPage_; }
    // Two blank lines, "Page" and the page number at column 40, a new page and the printer
    // set-up again (which gives the new page length). The count starts at `counterAfter`.
    void breakPage(int counterAfter);

    int counter = 0;

  private:
    Printer& printer_;
    int fontChoice_;
    int linesPerPage_;
};

// A whole document: the printer set-up, the body (given the page length the set-up
// returned), the end of the document.
void printDocument(Printer& printer, int fontChoice, const std::function<void(int)>& body);
