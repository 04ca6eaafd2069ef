#pragma once
// The print model every report writes to. A report issues print statements; each statement
// holds items, an item being a tab position (1-based character column) or a text. A tab to
// a column the line has already passed continues on the next line at that column. A
// statement ends its line unless it is continued; a statement without items ends the line
// (an empty line when nothing was pending). The base class assembles the lines; the
// concrete printer decides where a finished line goes (text, a page, a PDF).
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct PrintItem {
    int tab = 0; // > 0: move to this column; 0: print `text`
    std::string text;

    PrintItem(const char* t) : text(t) {}
    PrintItem(std::string t) : text(std::move(t)) {}
    PrintItem(std::string_view t) : text(t) {}
};

inline PrintItem Tab(int column) {
    PrintItem item{""};
    item.tab = column;
    return item;
}

// A picture for the printer: `width` x `height` pixels, 0xAARRGGBB, top row first.
struct PrintImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class Printer {
  public:
    virtual ~Printer() = default;

    // One print statement. `continued` keeps the line open for the next statement.
    void print(std::initializer_list<PrintItem> items, bool continued = false);
    void print(const std::vector<PrintItem>& items, bool continued = false);
    void emptyLine() { print({}); }

    // Ends the current page; the next line goes on a new one.
    void newPage();
    // Current page number, from 1.
    int page() const { return page_; }
    // Ends the page and the document; no empty page is produced.
    void endDocument();

    // A report that knows roughly how many lines it will print says so first, so that a
    // printer collecting the text can make room for it at once.
    virtual void expectLines(int lines) { (void)lines; }

    // Selects the printout font by the user's choice (1-3: Courier New 10/11/12 pt);
    // choice 0 keeps the printer's own font. False when the font could not be set.
    virtual bool selectFont(int fontChoice) = 0;

    // Prints a picture on a page of its own, as large as the page allows, the page turned
    // to landscape when the picture fits better so. False when this printer prints text
    // only or the picture could not be printed.
    virtual bool printImage(const PrintImage& image) {
        (void)image;
        return false;
    }

    // The printout did not reach its paper or file (it could not be started, written or
    // finished).
    virtual bool failed() const { return false; }
    // Where the printout goes when that is a file the user named; "" for a printer.
    virtual std::string destination() const { return {}; }

  protected:
    // A finished line, blanks and all (characters are UTF-8, one column each).
    virtual void emitLine(std::string_view line) = 0;
    virtual void emitPageBreak() = 0;
    virtual void emitEndDocument() = 0;

  private:
    void printItems(const PrintItem* first, const PrintItem* last, bool continued);
    void flushLine();
    std::string line_;     // the line being assembled
    int lineChars_ = 0;    // its length in characters
    bool pending_ = false; // a continued statement left the line open
    int page_ = 1;
};

// Opens a printout or a new page: prints the empty line that starts every page and selects
// the font. Returns the page length in lines: 63/56/51 for choices 1/2/3, 53 for choice 0
// and whenever the font is refused.
int printerSetUp(Printer& printer, int fontChoice);

// Page length for a font choice, 53 for anything else.
int linesPerPageFor(int fontChoice);

// The widest line a printout prints, in characters.
constexpr int PrintColumns = 80;

// The most lines a page of a printout holds at a font choice: the set-up's empty line, the
// lines the page length counts, the two empty lines and the footer of the break.
int sheetLinesFor(int fontChoice);

// The character grid a printer lays a page on, in its own units: lines at the font's
// natural spacing, closer where a page's most lines would not fit the printable height;
// cells at the font's advance, narrower where 80 of them would not fit its width.
struct PrintGrid {
    double cell = 0;
    double line = 0;
    int linesPerSheet = 0; // whole lines that fit the printable height
};
PrintGrid printGrid(double printableWidth, double printableHeight, double advance,
                    double lineSpacing, int fontChoice);

// Hands out the printer a printout goes to: the system printer, or a PDF file the user
// names when no printer is installed. nullptr when the user cancelled.
class PrinterProvider {
  public:
    virtual ~PrinterProvider() = default;
    virtual std::unique_ptr<Printer> open() = 0;
};
