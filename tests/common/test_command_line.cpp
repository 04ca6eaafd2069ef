// Command-line words as users type them, and the pieces every report shares (page break,
// CSV fields and figures).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "Csv.h"
#include "Printer.h"
#include "ReportFrame.h"
#include "TextPrinter.h"

namespace {

const std::vector<KnownOption> KnownOptions = {
    {"--header", true}, {"--font", true}, {"--csv", false}};

// operands joined by '|', then ';' and each option's last use as name=value.
std::string parsed(const std::vector<std::string>& args) {
    const Result<CommandLine> line = parseCommandLine(args, KnownOptions);
    if (!line)
        return "refused: " + line.failure().what;
    std::string out;
    for (const auto& word : line->operands)
        out += word + "|";
    out += ";";
    for (const auto& [name, value] : line->lastUses())
        out += name + "=" + value + " ";
    return out;
}

} // namespace

// Options anywhere, the last use counting; values that look like options, '=' inside a value,
// an empty value; "-" and the words after "--" as operands.
TEST(CommandLine, WordsAsUsersTypeThemTheLastUseCounting) {
    const struct {
        std::vector<std::string> args;
        std::string expected;
    } cases[] = {
        {{"loan", "--font", "1", "a.uld", "--csv"}, "loan|a.uld|;--font=1 --csv= "},
        {{"--font", "1", "loan", "--font=2", "a.uld"}, "loan|a.uld|;--font=2 "},
        {{"--header=a=b", "x"}, "x|;--header=a=b "},        // only the first '=' splits
        {{"--header=", "x"}, "x|;--header= "},              // an empty value
        {{"--header", "--csv", "x"}, "x|;--header=--csv "}, // a value may look like one
        {{"loan", "--", "-x", "--csv"}, "loan|-x|--csv|;"}, // "--" ends the options
        {{"--csv", "loan", "-"}, "loan|-|;--csv= "},
        {{"loan", "-x"}, "refused: unknown option -x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsed(c.args), c.expected) << c.expected;
}

TEST(CommandLine, ControlCharactersAreFoundInEveryForm) {
    const struct {
        const char* text;
        bool control;
    } cases[] = {
        {"Plan 2027: \xE2\x82\xAC and caf\xC3\xA9", false}, // euro sign, e acute
        {"", false},
        {"a\nb", true},
        {"a\fb", true},
        {"a\rb", true},
        {"a\tb", true},
        {"a\x7F", true},
        {"a\xC2\x85", true}, // NEL, a C1 control
        {"\xC2\xA0", false}, // no-break space
    };
    for (const auto& c : cases)
        EXPECT_EQ(hasControlCharacter(c.text), c.control) << c.text;
}

TEST(Csv, FieldsQuotedOnlyWhenTheyMustBeAndFiguresWithTwoDecimals) {
    EXPECT_EQ(csvField("Rent"), "Rent");
    EXPECT_EQ(csvField("Phone, internet"), "\"Phone, internet\"");
    EXPECT_EQ(csvField("5\" pipe"), "\"5\"\" pipe\"");
    EXPECT_EQ(csvField("two\r\nlines"), "\"two\r\nlines\"");
    const struct {
        std::int64_t raw;
        const char* text;
    } figures[] = {
        {12345050, "1234.51"}, // 1234.5050 half away from zero (hand calculation)
        {12345049, "1234.50"}, {-12345050, "-1234.51"},
        {-49, "0.00"}, // no minus on a zero
        {700, "0.07"},         {0, "0.00"},
    };
    for (const auto& f : figures)
        EXPECT_EQ(csvFigure(Currency::fromRaw(f.raw)), f.text) << f.raw;
}

namespace {
// A printer whose font can be refused, to see the page length the break takes up.
class FontPrinter : public TextPrinter {
  public:
    explicit FontPrinter(bool takesFont) : takesFont_(takesFont) {}
    bool selectFont(int) override { return takesFont_; }

  private:
    bool takesFont_;
};
} // namespace

// The break re-runs the printer set-up, so a printer that refuses the font gets the
// standard page length from the next page on.
TEST(ReportFrame, PageBreakPrintsTheFooterAndSetsUpTheNextPage) {
    for (const bool takesFont : {true, false}) {
        FontPrinter printer(takesFont);
        ReportPage page(printer, 3, 51);
        page.counter = 51;
        ASSERT_TRUE(page.reached());
        page.breakPage(7);
        page.breakPage(7);
        printer.endDocument();
        // Two blanks, "Page N" at column 40, a form feed, the set-up's empty line.
        const std::string footer = "\n\n" + std::string(39, ' ') + "Page ";
        EXPECT_EQ(printer.text(), footer + "1\n\f\n" + footer + "2\n\f\n");
        EXPECT_EQ(page.counter, 7);
        EXPECT_EQ(page.linesPerPage(), takesFont ? 51 : 53);
        EXPECT_FALSE(page.reached(takesFont ? 43 : 45));
        EXPECT_TRUE(page.reached(takesFont ? 44 : 46));
    }
}
