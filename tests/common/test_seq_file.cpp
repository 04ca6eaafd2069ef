// The comma-separated data file codec: what the writer produces, what the reader accepts
// (including files as the old runtime wrote them), the errors it reports and its robustness.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <variant>

#include "SeqFile.h"

namespace {

using Raw = std::numeric_limits<std::int64_t>;

enum Kind { Text, Number, Amount, Int16 };

// Reads one item of `kind`; its failure, or nothing.
std::optional<Failure> readOne(SeqReader& r, Kind kind) {
    auto failure = [](const auto& x) {
        return x.ok() ? std::nullopt : std::optional<Failure>(x.failure());
    };
    if (kind == Text)
        return failure(r.readString());
    if (kind == Number)
        return failure(r.readNumber());
    return kind == Amount ? failure(r.readCurrency()) : failure(r.readInt16());
}

TEST(SeqFile, WriterQuotesStringsSeparatesByCommasEndsWithCrLf) {
    SeqWriter w;
    w.writeString("$"), w.writeInteger(1), w.writeString("Ann Lee"), w.endRecord();
    w.writeEmpty(), w.writeCurrency(Currency::fromRaw(1200000000)), w.writeNumber(6.5),
        w.writeString("   Semiannual");
    w.writeNumber(0.5833), w.writeNumber(-0.25), w.writeNumber(-0.0), w.writeNumber(1e20),
        w.writeNumber(std::nan(""));
    w.writeEmpty(), w.writeCurrency(Currency::fromRaw(1)),
        w.writeCurrency(Currency::fromRaw(-120000));
    w.writeInteger(-32768), w.writeString("say \"hi\""), w.writeEmpty(), w.endRecord();
    EXPECT_EQ(w.text(), "\"$\",1,\"Ann Lee\"\r\n,120000,6.5,\"   Semiannual\",0.5833,-0.25,0,"
                        "100000000000000000000,0,,0.0001,-12,-32768,\"say 'hi'\",\r\n");
}

TEST(SeqFile, AwkwardStringsAndNumbersComeBackExactly) {
    const std::string texts[] = {"",         "a,b", "   Semiannual", " , ",          "trailing  ",
                                 "Lee, Ann", ",",   "\u20ac 12,50",  "two\r\nlines", "tab\there"};
    const std::int64_t raws[] = {12345000, 1, -1, 0, Raw::max(), Raw::min()};
    const double doubles[] = {
        1234.5, 0.0001, -12.0, 0.5833, 1.0 / 3.0, 5e-324, 1.7976931348623157e308};
    SeqWriter w;
    for (const auto& t : texts)
        w.writeString(t);
    w.endRecord();
    for (auto raw : raws)
        w.writeCurrency(Currency::fromRaw(raw));
    for (double d : doubles)
        w.writeNumber(d);
    SeqReader r(w.text());
    for (const auto& t : texts)
        EXPECT_EQ(r.readString().value(), t);
    for (auto raw : raws)
        EXPECT_EQ(r.readCurrency().value().raw(), raw);
    for (double d : doubles)
        EXPECT_EQ(r.readNumber().value(), d);
    EXPECT_TRUE(r.atEnd());
}

TEST(SeqFile, ReadsFilesAsTheOldRuntimeWroteThem) {
    // CR LF and LF-only line ends, a lone CR, blank lines, blanks around items, numbers without
    // a leading zero, empty items (zero or ""), unquoted text, exponents and a plus sign.
    SeqReader r("\"$\",1,\"Ann Lee\"\r\n120000,6.5,20,\"   Semiannual\",.5833,-.25\r\n"
                "1,2\n3\r\n\r\n  4 ,  \"a b\"  ,\t2.5  \r5\r\n1,,\"x\",\r\n,\r\nNormal text "
                ",1E+20,+7\r\n  \r\n");
    const std::variant<std::string, double> items[] = {
        "$",    1.0,           "Ann Lee", 120000.0, 6.5, 20.0, "   Semiannual",
        0.5833, -0.25,         1.0,       2.0,      3.0, 4.0,  "a b",
        2.5,    5.0,           1.0,       0.0,      "x", "",   0.0,
        0.0,    "Normal text", 1e20,      7.0};
    for (const auto& item : items) {
        if (const auto* text = std::get_if<std::string>(&item))
            EXPECT_EQ(r.readString().value(), *text);
        else
            EXPECT_EQ(r.readNumber().value(), std::get<double>(item)) << r.itemIndex();
    }
    EXPECT_EQ(r.itemIndex(), 26);
    EXPECT_TRUE(r.atEnd());
}

TEST(SeqFile, WholeNumbersRoundHalvesToEvenAmountsHalvesAwayFromZero) {
    const struct {
        const char* text;
        std::int16_t value;
    } whole[] = {{"2.5", 2},         {"3.5", 4},           {"-2.5", -2},   {"2.51", 3},
                 {"32767.4", 32767}, {"-32768.5", -32768}, {"1E+4", 10000}};
    for (const auto& c : whole)
        EXPECT_EQ(SeqReader(c.text).readInt16().value(), c.value) << c.text;
    const struct {
        const char* text;
        std::int64_t raw;
    } amounts[] = {{"922337203685477.5807", Raw::max()},
                   {"-922337203685477.5808", Raw::min()},
                   {"1.00005", 10001},
                   {"-1.00005", -10001},
                   {"0.00004", 0},
                   {"000000000000000000000012", 120000},
                   {"1E+3", 10000000}};
    for (const auto& c : amounts)
        EXPECT_EQ(SeqReader(c.text).readCurrency().value().raw(), c.raw) << c.text;
}

TEST(SeqFile, MalformedInputIsReportedWithItsItem) {
    // Items before the faulty one are read as text.
    const struct {
        std::string data;
        Kind kind;
        const char* problem;
        int item = 1;
    } cases[] = {
        {"", Text, "end of data"},
        {"\r\n  \r\n", Number, "end of data"},
        {"1,2", Number, "end of data", 3},
        {"\"$\",", Int16, "end of data", 2},
        {"\"abc", Text, "unterminated"},
        {"1,\"abc,2\r\n", Text, "unterminated", 2},
        {"\"abc\"x,1", Text, "after a closing quote"},
        {"\"abc\" \"d\"", Text, "after a closing quote"},
        {"abc", Number, "number"},
        {"\"12\"", Number, "number"},
        {"\"12\"", Amount, "number"},
        {"1,\"x\"", Int16, "number", 2},
        {"1.2.3", Number, "number"},
        {"--1", Number, "number"},
        {"1e", Number, "number"},
        {".", Number, "number"},
        {"-", Amount, "number"},
        {"1 2", Number, "number"},
        {"0x10", Number, "number"},
        {"nan", Number, "number"},
        {"inf", Number, "number"},
        {"1e999", Number, "out of range"},
        {"922337203685477.5808", Amount, "out of range"},
        {"922337203685477.58075", Amount, "out of range"},
        {"1e300", Amount, "out of range"},
        {"40000", Int16, "16 bits"},
        {"32767.5", Int16, "16 bits"},
        {"-32769", Int16, "16 bits"},
        {std::string(70000, 'x'), Text, "too long"},
        {"\"" + std::string(70000, 'x') + "\"", Text, "too long"},
    };
    for (const auto& c : cases) {
        SeqReader r(c.data);
        for (int i = 1; i < c.item; ++i)
            EXPECT_TRUE(r.readString().ok()) << c.data;
        const auto f = readOne(r, c.kind);
        ASSERT_TRUE(f) << "no error for: " << c.data;
        const std::string where = c.data.substr(0, 40) + " -> " + f->what;
        EXPECT_EQ(f->code, 13) << where;
        EXPECT_NE(f->what.find("item " + std::to_string(c.item) + ":"), std::string::npos) << where;
        EXPECT_NE(f->what.find(c.problem), std::string::npos) << where;
    }
}

TEST(SeqFile, RandomAndTruncatedDataNeverCrashOrHang) {
    // Items of random kinds until a failure or the end; every item takes at least one
    // character, so a reader that stops advancing exceeds the bound.
    std::mt19937 rng(4242);
    auto readAll = [&](const std::string& data) {
        SeqReader r(data);
        for (std::size_t reads = 0; !r.atEnd() && !readOne(r, Kind(rng() % 4)); ++reads)
            ASSERT_LE(reads, data.size()) << "reader does not advance on: " << data;
    };
    const std::string alphabet = std::string("\",\r\n \t-+.0123456789eEax") + '\0' + "\xff\xc3";
    for (int n = 0; n < 1000; ++n) {
        std::string data(rng() % 80, ' ');
        for (char& c : data)
            c = alphabet[rng() % alphabet.size()];
        readAll(data);
    }
    const std::string file =
        "18000,9.25,3,\"      Monthly\",\"2027-01-01\",0,365,\"O\",0\r\n1,,2500.5,\"x, y\"\r\n";
    for (std::size_t cut = 0; cut <= file.size(); ++cut)
        readAll(file.substr(0, cut)), readAll(file.substr(cut));
}

} // namespace
