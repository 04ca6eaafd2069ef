// The print model: how print statements become lines, pages and text, and the printer
// set-up that opens every printout.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Printer.h"
#include "TextPrinter.h"

namespace {

TEST(PrintLines, TabPadsToTheOneBasedColumn) {
    TextPrinter p;
    p.print({Tab(2), "Header"});
    p.print({Tab(5), "a", Tab(10), "b"});
    p.print({"ab", Tab(3), "x"});  // already standing at column 3
    p.print({Tab(1), "left"});
    EXPECT_EQ(p.text(), " Header\n    a    b\nabx\nleft\n");
}

TEST(PrintLines, TabToAPassedColumnContinuesOnTheNextLine) {
    TextPrinter p;
    p.print({"abcdef", Tab(3), "x"});
    p.print({"abcd", Tab(4), "y"});  // column 5 is past column 4
    EXPECT_EQ(p.text(), "abcdef\n  x\nabcd\n   y\n");
}

TEST(PrintLines, ContinuedStatementsShareALine) {
    TextPrinter p;
    p.print({Tab(2), "Page"}, true);
    p.print({" 3"}, true);
    p.print({Tab(12), "end"});
    p.print({"next"});
    EXPECT_EQ(p.text(), " Page 3    end\nnext\n");
}

TEST(PrintLines, EmptyStatementEndsTheOpenLineOrPrintsAnEmptyOne) {
    TextPrinter p;
    p.print({"a"}, true);
    p.print({});
    p.print({});
    p.emptyLine();
    p.print({"b"});
    EXPECT_EQ(p.text(), "a\n\n\nb\n");
}

TEST(PrintLines, TrailingBlanksAreTrimmedFromTheText) {
    TextPrinter p;
    p.print({"a", Tab(20)});
    p.print({"b   "});
    p.print({Tab(30)});
    p.print({"  c  d  "});
    EXPECT_EQ(p.text(), "a\nb\n\n  c  d\n");
}

TEST(PrintLines, ColumnsCountCharactersNotBytes) {
    TextPrinter p;
    p.print({"\u20ac5", Tab(5), "x"});
    p.print({"\u00e9\u00e9\u00e9", Tab(3), "y"});
    EXPECT_EQ(p.text(), "\u20ac5  x\n\u00e9\u00e9\u00e9\n  y\n");
}

TEST(PrintPages, FormFeedStandsBeforeTheFirstLineOfTheNextPage) {
    TextPrinter p;
    EXPECT_EQ(p.page(), 1);
    p.print({"one"});
    p.newPage();
    EXPECT_EQ(p.page(), 2);
    EXPECT_EQ(p.text(), "one\n");  // nothing yet for the new page
    p.emptyLine();
    p.print({"two"});
    p.newPage();
    p.print({"three"});
    p.endDocument();
    EXPECT_EQ(p.page(), 3);
    EXPECT_EQ(p.text(), "one\n\f\ntwo\n\fthree\n");
}

TEST(PrintPages, NoFormFeedForABreakAtTheVeryEnd) {
    TextPrinter p;
    p.print({"last"});
    p.newPage();
    p.endDocument();
    EXPECT_EQ(p.text(), "last\n");
}

TEST(PrintPages, PendingLineIsFinishedBeforeABreakAndAtTheEnd) {
    TextPrinter p;
    p.print({Tab(40), "Page"}, true);
    p.newPage();
    p.print({"b"}, true);
    p.endDocument();
    EXPECT_EQ(p.text(), std::string(39, ' ') + "Page\n\fb\n");
}

// Records what the print model asks of a concrete printer.
class RecordingPrinter : public Printer {
public:
    enum class Font { Accept, Refuse, Throw };
    explicit RecordingPrinter(Font font = Font::Accept) : font_(font) {}
    bool selectFont(int choice) override {
        log.push_back("font " + std::to_string(choice));
        if (font_ == Font::Throw) throw std::runtime_error("no printer");
        return font_ == Font::Accept;
    }
    std::vector<std::string> log;

protected:
    void emitLine(std::string_view line) override { log.push_back("line [" + std::string(line) + "]"); }
    void emitPageBreak() override { log.push_back("break"); }
    void emitEndDocument() override { log.push_back("end"); }

private:
    Font font_;
};

TEST(PrintPages, ConcretePrinterSeesLinesWithTheirBlanks) {
    RecordingPrinter p;
    p.print({"a", Tab(4)});
    p.newPage();
    p.endDocument();
    EXPECT_EQ(p.log, (std::vector<std::string>{"line [a  ]", "break", "end"}));
}

TEST(PrinterSetUp, EmptyLineFirstThenTheFontAndItsPageLength) {
    const int expected[] = {53, 63, 56, 51};  // standard font, Courier New 10, 11, 12 pt
    for (int choice = 1; choice <= 3; ++choice) {
        RecordingPrinter p;
        EXPECT_EQ(printerSetUp(p, choice), expected[choice]);
        EXPECT_EQ(p.log, (std::vector<std::string>{"line []", "font " + std::to_string(choice)}));
    }
    RecordingPrinter standard;
    EXPECT_EQ(printerSetUp(standard, 0), 53);
    EXPECT_EQ(standard.log, std::vector<std::string>{"line []"}) << "choice 0 keeps the printer's font";
}

TEST(PrinterSetUp, RefusedFontOrBrokenPrinterFallsBackTo53) {
    RecordingPrinter refusing(RecordingPrinter::Font::Refuse);
    EXPECT_EQ(printerSetUp(refusing, 3), 53);
    RecordingPrinter broken(RecordingPrinter::Font::Throw);
    EXPECT_EQ(printerSetUp(broken, 1), 53);
    EXPECT_EQ(broken.log.front(), "line []");
    RecordingPrinter odd;
    EXPECT_EQ(printerSetUp(odd, 7), 53);
    EXPECT_EQ(printerSetUp(odd, -1), 53);
}

TEST(PrinterSetUp, PageLengthByFontChoice) {
    EXPECT_EQ(linesPerPageFor(0), 53);
    EXPECT_EQ(linesPerPageFor(1), 63);
    EXPECT_EQ(linesPerPageFor(2), 56);
    EXPECT_EQ(linesPerPageFor(3), 51);
    EXPECT_EQ(linesPerPageFor(4), 53);
    EXPECT_EQ(linesPerPageFor(-3), 53);
}

TEST(PrinterSetUp, TextPrinterStartsEveryPageWithTheEmptyLine) {
    TextPrinter p;
    EXPECT_EQ(printerSetUp(p, 2), 56);
    p.print({Tab(2), "Header"});
    p.newPage();
    printerSetUp(p, 2);
    p.print({Tab(2), "more"});
    p.endDocument();
    EXPECT_EQ(p.text(), "\n Header\n\f\n more\n");
}

} // namespace
