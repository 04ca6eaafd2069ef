#include "Printer.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "NumberFormat.h"

void Printer::print(std::initializer_list<PrintItem> items, bool continued) {
    printItems(items.begin(), items.end(), continued);
}

void Printer::print(const std::vector<PrintItem>& items, bool continued) {
    printItems(items.data(), items.data() + items.size(), continued);
}

void Printer::printItems(const PrintItem* first, const PrintItem* last, bool continued) {
    if (first == last) {
        // Ends the open line, or prints an empty one when none is open.
        flushLine();
        return;
    }
    for (const PrintItem& item : std::span(first, last)) {
        if (item.tab > 0) {
            const int column = item.tab - 1; // characters that stand before the tab column
            if (lineChars_ > column)
                flushLine();
            line_.append(static_cast<std::size_t>(column - lineChars_), ' ');
            lineChars_ = column;
        } else {
            line_ += item.text;
            lineChars_ += charCount(item.text);
        }
    }
    if (continued)
        pending_ = true;
    else
        flushLine();
}

void Printer::newPage() {
    if (pending_)
        flushLine();
    emitPageBreak();
    ++page_;
}

void Printer::endDocument() {
    if (pending_)
        flushLine();
    emitEndDocument();
}

void Printer::flushLine() {
    emitLine(line_);
    line_.clear();
    lineChars_ = 0;
    pending_ = false;
}

int linesPerPageFor(int fontChoice) {
    constexpr int Lines[] = {53, 63, 56, 51};
    return fontChoice >= 1 && fontChoice <= 3 ? Lines[fontChoice] : Lines[0];
}

int sheetLinesFor(int fontChoice) {
    return 1 + linesPerPageFor(fontChoice) + 3;
}

PrintGrid printGrid(double printableWidth, double printableHeight, double advance,
                    double lineSpacing, int fontChoice) {
    PrintGrid grid;
    grid.cell = std::min(advance, printableWidth / PrintColumns);
    grid.line = std::min(lineSpacing, printableHeight / sheetLinesFor(fontChoice));
    // A hair of tolerance, so that rounding never costs the last line its place.
    grid.linesPerSheet = std::max(1, int(std::floor(printableHeight / grid.line + 1e-6)));
    return grid;
}

int printerSetUp(Printer& printer, int fontChoice) {
    // The empty line opens the print job, so every printout and page starts with it.
    printer.emptyLine();
    if (fontChoice < 1 || fontChoice > 3)
        return linesPerPageFor(0);
    bool fontSet = false;
    try {
        fontSet = printer.selectFont(fontChoice);
    } catch (...) {
        // A printer that cannot take the font keeps its own, and the page length falls back.
        fontSet = false;
    }
    return fontSet ? linesPerPageFor(fontChoice) : linesPerPageFor(0);
}
