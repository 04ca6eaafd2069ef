// The print model: how print statements become lines, pages and text, and the printer
// set-up that opens every printout.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Printer.h"
#include "TextPrinter.h"

namespace {

TEST(PrintModel, StatementsBecomeLinesAndPages) {
    TextPrinter p;
    p.print({Tab(5), "a", Tab(10), "b"});
    p.print({"ab", Tab(3), "x"}, true); // already at column 3; continued
    p.print({Tab(1), "left"});          // column 1 is passed: next line
    p.print({"abcd", Tab(4), "y"});     // column 5 is past column 4
    p.print({Tab(2), "Page"}, true), p.print({" 3"}, true), p.print({Tab(12), "end"});
    p.print({"a"}, true), p.print({}), p.print({}); // ends the open line, then an empty one
    p.print({"b   ", Tab(20)}), p.print({"\u20ac5", Tab(5), "x"}); // blanks at the end go
    const std::string lines =
        "    a    b\nabx\nleft\nabcd\n   y\n Page 3    end\na\n\nb\n\u20ac5  x\n";
    p.newPage();
    EXPECT_EQ(p.text(), lines); // the form feed waits for the next line
    p.emptyLine(), p.print({"two"});
    p.newPage();
    p.print({"three"});
    p.print({Tab(3), "x"}, true); // pending: finished before the break
    p.newPage();                  // no form feed for a break at the very end
    p.endDocument();
    EXPECT_EQ(p.page(), 4);
    EXPECT_EQ(p.text(), lines + "\f\ntwo\n\fthree\n  x\n");
}

// Records what the print model asks of a concrete printer.
struct RecordingPrinter : Printer {
    bool accept = true, fail = false;
    std::string log;
    bool selectFont(int choice) override {
        log += "font " + std::to_string(choice) + ";";
        if (fail)
            throw std::runtime_error("no printer");
        return accept;
    }
    void emitLine(std::string_view line) override { log += "[" + std::string(line) + "]"; }
    void emitPageBreak() override { log += "break;"; }
    void emitEndDocument() override { log += "end"; }
};

// Page lengths 63/56/51 for fonts 1-3; 53 for the printer's own font, also when it refuses
// the one chosen or fails.
TEST(PrintModel, SetUpPrintsTheEmptyLineThenSetsTheFontAndPageLength) {
    const struct {
        int choice;
        bool accept, fail;
        int lines;
        const char* log;
    } cases[] = {{0, true, false, 53, "[]"},        {4, true, false, 53, "[]"},
                 {1, true, false, 63, "[]font 1;"}, {2, true, false, 56, "[]font 2;"},
                 {3, true, false, 51, "[]font 3;"}, {3, false, false, 53, "[]font 3;"},
                 {1, true, true, 53, "[]font 1;"}};
    for (const auto& c : cases) {
        RecordingPrinter p;
        p.accept = c.accept, p.fail = c.fail;
        EXPECT_EQ(printerSetUp(p, c.choice), c.lines) << c.choice << c.accept << c.fail;
        EXPECT_EQ(p.log, c.log) << c.choice << c.accept << c.fail;
    }
}

} // namespace
