// The comma-separated data file codec: what the writer produces, what the reader accepts
// (including files as the old runtime wrote them), the errors it reports and its robustness.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "Golden.h"
#include "SeqFile.h"

namespace {

TEST(SeqFile, WriterQuotesStringsSeparatesByCommasEndsWithCrLf) {
    SeqWriter w;
    w.writeString("$"), w.writeInteger(1), w.writeString("Ann Lee"), w.endRecord();
    w.writeEmpty(), w.writeCurrency(Currency::fromRaw(1200000000)), w.writeNumber(6.5);
    w.writeString("   Semiannual"), w.writeNumber(0.5833), w.writeNumber(-0.25);
    w.writeNumber(-0.0), w.writeNumber(1e20), w.writeNumber(std::nan(""));
    w.writeCurrency(Currency::fromRaw(12345000)), w.writeCurrency(Currency::fromRaw(1));
    w.writeCurrency(Currency::fromRaw(-120000)), w.writeInteger(-32768);
    w.writeString("say \"hi\""), w.writeEmpty(), w.endRecord();
    EXPECT_EQ(w.text(), "\"$\",1,\"Ann Lee\"\r\n,120000,6.5,\"   Semiannual\",0.5833,-0.25,0,"
                        "100000000000000000000,0,1234.5,0.0001,-12,-32768,\"say 'hi'\",\r\n");
}

// Reads one item of a kind: s string, n number, e number or empty, c amount, i whole number.
// Writes what it read; false after a failure.
bool readOne(SeqReader& r, char kind, std::string& out) {
    const auto show = [&](const auto& item, const auto& text) {
        out += item.ok()
                   ? " " + text(item.value())
                   : " FAILS " + std::to_string(item.failure().code) + " " + item.failure().what;
        return item.ok();
    };
    const auto g = [](double v) {
        char text[32];
        return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
    };
    switch (kind) {
    case 's':
        return show(r.readString(), [](const std::string& s) { return golden::quoted(s); });
    case 'n':
        return show(r.readNumber(), g);
    case 'e':
        return show(r.readNumberOrEmpty(),
                    [&](std::optional<double> v) { return v ? g(*v) : "empty"; });
    case 'c':
        return show(r.readCurrency(), [](Currency c) { return c.toPlainString() + "c"; });
    default:
        return show(r.readInt16(), [](std::int16_t v) { return std::to_string(v) + "i"; });
    }
}

// Files as the old runtime wrote them, odd figures and damaged data, each read as the kinds
// its letters name until the first failure: every value read, every failure with its code
// and item, and whether only blanks and line ends were left. Reviewed by eye.
TEST(SeqFile, ReadsOldOddAndDamagedDataAsTheGoldenTranscriptShows) {
    std::vector<std::string> inputs = {
        // CR LF and LF-only line ends, a lone CR, blank lines, blanks around items, numbers
        // without a leading zero, empty items, unquoted text, exponents and a plus sign.
        "snsnnnsnnnnnnsnnnnssnnsnn:\"$\",1,\"Ann Lee\"\r\n120000,6.5,20,\"   Semiannual\",.5833,"
        "-.25\r\n1,2\n3\r\n\r\n  4 ,  \"a b\"  ,\t2.5  \r5\r\n1,,\"x\",\r\n,\r\nNormal text ,1E+20,"
        "+7\r\n  \r\n",
        "cccccccc:922337203685477.5807,-922337203685477.5808,1.00005,-1.00005,0.00004,"
        "000000000000000000000012,1E+3,922337203685477.5808",
        "ss:\xEF\xBB\xBF\"a\",\xEF\xBB\xBF", // a byte-order mark is skipped only at the start
        "c:922337203685477.58075",
        "iiiiiiiii:2.5,3.5,-2.5,2.51,32767.4,-32768.5,1E+4,32767.5,-32769",
        "s:" + std::string(70000, 'x'),
        "s:\"" + std::string(70000, 'x') + "\""};
    // Damaged items, one input after another, "|" between them.
    const std::string more =
        "eeee:\"\",,5,\"x\"|i:40000|c:1e300|c:\"12\"|c:-|s:|n:\r\n  \r\n|nnn:1,2|s:\"abc|"
        "ss:1,\"abc,2\r\n|s:\"abc\"x,1|s:\"abc\" \"d\"|n:abc|n:\"12\"|si:1,\"x\"|n:1.2.3|n:1e|"
        "n:1 2|n:nan|n:1e999|n:1e-999";
    for (std::size_t at = 0, end = 0; end < more.size(); at = end + 1)
        inputs.push_back(more.substr(at, (end = std::min(more.find('|', at), more.size())) - at));
    std::string transcript;
    for (const std::string& input : inputs) {
        const std::string kinds = input.substr(0, input.find(':')),
                          data = input.substr(kinds.size() + 1);
        transcript += golden::quoted(data) + " as " + kinds + ":";
        SeqReader r(data);
        for (std::size_t k = 0; k < kinds.size() && readOne(r, kinds[k], transcript); ++k) {
        }
        transcript += r.atEnd() ? " | at end\n" : " | more\n";
    }
    golden::expectMatches(transcript, "common/seq-file-reads.txt");
}

} // namespace
