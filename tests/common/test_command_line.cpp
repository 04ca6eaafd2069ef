// Command-line words as users type them, and the CSV fields and figures every report writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "Csv.h"

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

// Line ends, tab, DEL and NEL (a C1 control) are controls; the euro sign, e acute and the
// no-break space are not.
TEST(CommandLine, ControlCharactersAreFoundInEveryForm) {
    for (const char* text : {"a\nb", "a\tb", "a\x7F", "a\xC2\x85"})
        EXPECT_TRUE(hasControlCharacter(text)) << text;
    EXPECT_FALSE(hasControlCharacter("Plan 2027: \xE2\x82\xAC caf\xC3\xA9\xC2\xA0"));
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
