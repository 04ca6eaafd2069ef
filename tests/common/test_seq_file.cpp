// The comma-separated data file codec: what the writer produces, what the reader accepts
// (including files as the old runtime wrote them), the errors it reports and its robustness.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "SeqFile.h"

namespace {

// ---- writer ----------------------------------------------------------------------------

TEST(SeqWriterOutput, QuotesStringsSeparatesByCommasEndsWithCrLf) {
    SeqWriter w;
    w.writeString("$");
    w.writeInteger(1);
    w.writeString("Ann Lee");
    w.endRecord();
    w.writeCurrency(Currency::fromRaw(1200000000));
    w.writeNumber(6.5);
    w.writeInteger(20);
    w.writeString("   Semiannual");
    w.endRecord();
    EXPECT_EQ(w.text(), "\"$\",1,\"Ann Lee\"\r\n120000,6.5,20,\"   Semiannual\"\r\n");
}

TEST(SeqWriterOutput, NumbersInShortestPlainFormWithALeadingZero) {
    auto one = [](auto write) {
        SeqWriter w;
        write(w);
        return w.text();
    };
    EXPECT_EQ(one([](SeqWriter& w) { w.writeNumber(0.5833); }), "0.5833");
    EXPECT_EQ(one([](SeqWriter& w) { w.writeNumber(365.25); }), "365.25");
    EXPECT_EQ(one([](SeqWriter& w) { w.writeNumber(-0.25); }), "-0.25");
    EXPECT_EQ(one([](SeqWriter& w) { w.writeNumber(-0.0); }), "0");
    EXPECT_EQ(one([](SeqWriter& w) { w.writeNumber(1e20); }), "100000000000000000000");
    EXPECT_EQ(one([](SeqWriter& w) { w.writeNumber(std::nan("")); }), "0");
    EXPECT_EQ(one([](SeqWriter& w) { w.writeCurrency(Currency::fromRaw(12345000)); }), "1234.5");
    EXPECT_EQ(one([](SeqWriter& w) { w.writeCurrency(Currency::fromRaw(1)); }), "0.0001");
    EXPECT_EQ(one([](SeqWriter& w) { w.writeCurrency(Currency::fromRaw(-120000)); }), "-12");
    EXPECT_EQ(one([](SeqWriter& w) { w.writeInteger(-32768); }), "-32768");
}

TEST(SeqWriterOutput, EmptyItemsAndQuotesInsideStrings) {
    SeqWriter w;
    w.writeInteger(1);
    w.writeEmpty();
    w.writeInteger(2);
    w.writeEmpty();
    w.endRecord();
    w.writeEmpty();
    w.writeString("say \"hi\"");
    EXPECT_EQ(w.text(), "1,,2,\r\n,\"say 'hi'\"");
}

// ---- round trips -----------------------------------------------------------------------

TEST(SeqRoundTrip, AwkwardStringsComeBackUnchanged) {
    const std::vector<std::string> texts = {"",          "a,b",         "   Semiannual", " , ",
                                            "trailing  ", "Lee, Ann",   ",",             "\u20ac 12,50",
                                            "two\r\nlines", "tab\there", "'single'"};
    SeqWriter w;
    for (const auto& t : texts) w.writeString(t);
    w.endRecord();
    SeqReader r(w.text());
    for (const auto& t : texts) {
        auto got = r.readString();
        ASSERT_TRUE(got.ok()) << got.failure().what;
        EXPECT_EQ(*got, t);
    }
    EXPECT_TRUE(r.atEnd());
}

TEST(SeqRoundTrip, NumbersAndAmountsComeBackExactly) {
    const std::vector<std::int64_t> raws = {12345000, 1, -1, 0, -120000, std::numeric_limits<std::int64_t>::max(),
                                            std::numeric_limits<std::int64_t>::min()};
    std::vector<double> doubles = {1234.5, 0.0001, -12.0, 0.5833, 1.0 / 3.0, 1e-300, 5e-324, 1.7976931348623157e308};
    std::mt19937_64 rng(20270101);
    std::uniform_real_distribution<double> spread(-1e7, 1e7);
    for (int i = 0; i < 500; ++i) doubles.push_back(spread(rng));

    SeqWriter w;
    for (auto raw : raws) w.writeCurrency(Currency::fromRaw(raw));
    w.endRecord();
    for (double d : doubles) w.writeNumber(d);
    w.endRecord();

    SeqReader r(w.text());
    for (auto raw : raws) {
        auto got = r.readCurrency();
        ASSERT_TRUE(got.ok()) << got.failure().what;
        EXPECT_EQ(got->raw(), raw);
    }
    for (double d : doubles) {
        auto got = r.readNumber();
        ASSERT_TRUE(got.ok()) << got.failure().what;
        EXPECT_EQ(*got, d);
    }
    EXPECT_TRUE(r.atEnd());
}

// ---- reading what the old runtime wrote ------------------------------------------------

TEST(SeqReaderInput, SettingsLineAsWrittenByTheOldRuntime) {
    SeqReader r("\"$\",1,\"Ann Lee\"\r\n");
    EXPECT_EQ(r.readString().value(), "$");
    EXPECT_EQ(r.readInt16().value(), 1);
    EXPECT_EQ(r.readString().value(), "Ann Lee");
    EXPECT_TRUE(r.atEnd());
}

TEST(SeqReaderInput, LoanLineWithNumbersAndPaddedListText) {
    SeqReader r("120000,6.5,20,\"   Semiannual\",.5833,-.25\r\n");
    EXPECT_EQ(r.readCurrency().value().raw(), 1200000000);
    EXPECT_EQ(r.readNumber().value(), 6.5);
    EXPECT_EQ(r.readInt16().value(), 20);
    EXPECT_EQ(r.itemIndex(), 4);
    EXPECT_EQ(r.readString().value(), "   Semiannual");
    EXPECT_EQ(r.readNumber().value(), 0.5833);
    EXPECT_EQ(r.readNumber().value(), -0.25);
    EXPECT_TRUE(r.atEnd());
}

TEST(SeqReaderInput, LineEndsBlanksAndBlankLines) {
    SeqReader r("1,2\n3\r\n\r\n  4 ,  \"a b\"  ,\t2.5  \r5\r\n  \r\n");
    EXPECT_EQ(r.readNumber().value(), 1.0);
    EXPECT_EQ(r.readNumber().value(), 2.0);
    EXPECT_EQ(r.readNumber().value(), 3.0);  // LF only
    EXPECT_EQ(r.readNumber().value(), 4.0);  // after a blank line, with blanks around
    EXPECT_EQ(r.readString().value(), "a b");
    EXPECT_EQ(r.readNumber().value(), 2.5);
    EXPECT_EQ(r.readNumber().value(), 5.0);  // after a lone CR
    EXPECT_TRUE(r.atEnd());
}

TEST(SeqReaderInput, EmptyItemsReadAsZeroOrEmptyText) {
    SeqReader r("1,,\"x\",\r\n,\r\n");
    EXPECT_EQ(r.readNumber().value(), 1.0);
    EXPECT_EQ(r.readNumber().value(), 0.0);
    EXPECT_EQ(r.readString().value(), "x");
    EXPECT_EQ(r.readString().value(), "");           // between the comma and the line end
    EXPECT_EQ(r.readCurrency().value().raw(), 0);    // before a comma on the next line
    EXPECT_EQ(r.readInt16().value(), 0);
    EXPECT_TRUE(r.atEnd());
}

TEST(SeqReaderInput, UnquotedTextAndExponentNumbers) {
    SeqReader r("Normal text ,1E+20,1.5e-05,+7\r\n");
    EXPECT_EQ(r.readString().value(), "Normal text");
    EXPECT_EQ(r.readNumber().value(), 1e20);
    EXPECT_EQ(r.readNumber().value(), 1.5e-05);
    EXPECT_EQ(r.readNumber().value(), 7.0);
}

TEST(SeqReaderInput, SixteenBitWholeNumbersRoundHalvesToEven) {
    struct Case {
        const char* text;
        std::int16_t value;
    };
    const Case cases[] = {{"2.5", 2},   {"3.5", 4},         {"-2.5", -2},       {"2.4999", 2},
                          {"2.51", 3},  {"32767", 32767},   {"-32768", -32768}, {"-32768.5", -32768},
                          {"32767.4", 32767}, {"0.5", 0},   {"1E+4", 10000}};
    for (const auto& c : cases) {
        SeqReader r(c.text);
        auto got = r.readInt16();
        ASSERT_TRUE(got.ok()) << c.text << ": " << got.failure().what;
        EXPECT_EQ(*got, c.value) << c.text;
    }
}

TEST(SeqReaderInput, AmountsReadExactlyToFourDecimals) {
    struct Case {
        const char* text;
        std::int64_t raw;
    };
    const Case cases[] = {
        {"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
        {"-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
        {"1.00005", 10001},     // fifth decimal rounds halves away from zero
        {"-1.00005", -10001},
        {"0.00004", 0},
        {".5833", 5833},
        {"000000000000000000000012", 120000},
        {"1E+3", 10000000},
        {"1e-9", 0},
    };
    for (const auto& c : cases) {
        SeqReader r(c.text);
        auto got = r.readCurrency();
        ASSERT_TRUE(got.ok()) << c.text << ": " << got.failure().what;
        EXPECT_EQ(got->raw(), c.raw) << c.text;
    }
}

// ---- malformed input -------------------------------------------------------------------

enum class Read { String, Number, Currency, Int16 };

// Reads `kinds` in order and returns the first failure; fails the test when all succeed.
Failure firstFailure(const std::string& data, const std::vector<Read>& kinds) {
    SeqReader r(data);
    for (Read kind : kinds) {
        Failure f;
        bool failed = false;
        auto check = [&](const auto& result) {
            if (!result.ok()) {
                f = result.failure();
                failed = true;
            }
        };
        switch (kind) {
        case Read::String: check(r.readString()); break;
        case Read::Number: check(r.readNumber()); break;
        case Read::Currency: check(r.readCurrency()); break;
        case Read::Int16: check(r.readInt16()); break;
        }
        if (failed) return f;
    }
    ADD_FAILURE() << "no error for: " << data;
    return {};
}

TEST(SeqReaderErrors, EveryMalformedInputIsReportedWithItsItem) {
    using enum Read;
    struct Case {
        std::string data;
        std::vector<Read> reads;
        std::string item;     // the item the message must name
        std::string problem;  // a word of the problem
    };
    const std::string huge(70000, 'x');
    const std::vector<Case> cases = {
        {"", {String}, "item 1:", "end of data"},
        {"\r\n  \r\n", {Number}, "item 1:", "end of data"},
        {"1,2", {Number, Number, Number}, "item 3:", "end of data"},
        {"\"$\",", {String, Int16}, "item 2:", "end of data"},
        {"\"abc", {String}, "item 1:", "unterminated"},
        {"1,\"abc,2\r\n", {Number, String}, "item 2:", "unterminated"},
        {"\"abc\"x,1", {String}, "item 1:", "after a closing quote"},
        {"\"abc\" \"d\"", {String}, "item 1:", "after a closing quote"},
        {"abc", {Number}, "item 1:", "number"},
        {"\"12\"", {Number}, "item 1:", "number"},
        {"\"12\"", {Currency}, "item 1:", "number"},
        {"1,\"x\"", {Int16, Int16}, "item 2:", "number"},
        {"1.2.3", {Number}, "item 1:", "number"},
        {"--1", {Number}, "item 1:", "number"},
        {"1e", {Number}, "item 1:", "number"},
        {"e5", {Number}, "item 1:", "number"},
        {".", {Number}, "item 1:", "number"},
        {"-", {Currency}, "item 1:", "number"},
        {"1 2", {Number}, "item 1:", "number"},
        {"0x10", {Number}, "item 1:", "number"},
        {"nan", {Number}, "item 1:", "number"},
        {"inf", {Number}, "item 1:", "number"},
        {"1e999", {Number}, "item 1:", "out of range"},
        {"922337203685477.5808", {Currency}, "item 1:", "out of range"},
        {"922337203685477.58075", {Currency}, "item 1:", "out of range"},
        {"99999999999999999999999999", {Currency}, "item 1:", "out of range"},
        {"1e300", {Currency}, "item 1:", "out of range"},
        {"40000", {Int16}, "item 1:", "16 bits"},
        {"32767.5", {Int16}, "item 1:", "16 bits"},
        {"-32769", {Int16}, "item 1:", "16 bits"},
        {huge, {String}, "item 1:", "too long"},
        {"\"" + huge + "\"", {String}, "item 1:", "too long"},
    };
    for (const auto& c : cases) {
        const Failure f = firstFailure(c.data, c.reads);
        EXPECT_EQ(f.code, 13) << c.data.substr(0, 40);
        EXPECT_NE(f.what.find(c.item), std::string::npos) << c.data.substr(0, 40) << " -> " << f.what;
        EXPECT_NE(f.what.find(c.problem), std::string::npos) << c.data.substr(0, 40) << " -> " << f.what;
    }
}

// Reads items of random kinds until the reader fails or runs out; a reader that stops
// advancing would exceed the bound (every item takes at least one character).
void readToTheEnd(const std::string& data, std::mt19937& rng) {
    SeqReader r(data);
    std::size_t reads = 0;
    while (!r.atEnd()) {
        ASSERT_LE(reads, data.size() + 1) << "reader does not advance on: " << data;
        bool ok = true;
        std::string what;
        switch (rng() % 4) {
        case 0: { auto x = r.readString(); ok = x.ok(); if (!ok) what = x.failure().what; break; }
        case 1: { auto x = r.readNumber(); ok = x.ok(); if (!ok) what = x.failure().what; break; }
        case 2: { auto x = r.readCurrency(); ok = x.ok(); if (!ok) what = x.failure().what; break; }
        default: { auto x = r.readInt16(); ok = x.ok(); if (!ok) what = x.failure().what; break; }
        }
        if (!ok) {
            ASSERT_EQ(what.rfind("item ", 0), 0u) << what;
            return;
        }
        ++reads;
    }
}

TEST(SeqReaderRobustness, RandomAndTruncatedDataNeverCrashOrHang) {
    std::mt19937 rng(4242);
    const std::string alphabet = std::string("\",\r\n \t-+.0123456789eEax") + '\0' + "\xff\xc3";
    for (int n = 0; n < 4000; ++n) {
        std::string data(rng() % 80, ' ');
        for (char& c : data) c = alphabet[rng() % alphabet.size()];
        readToTheEnd(data, rng);
    }
    const std::string file = "18000,9.25,3,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,0,0,2,365,\"O\",0\r\n"
                             "1,,2500.5,\"x, y\"\r\n";
    for (std::size_t cut = 0; cut <= file.size(); ++cut) readToTheEnd(file.substr(0, cut), rng);
    for (std::size_t skip = 0; skip < file.size(); ++skip) readToTheEnd(file.substr(skip), rng);
}

} // namespace
