// Reading bank exports of 10,000 transactions: an OFX statement through libofx, and the same
// transactions as QIF and CSV through our own readers.
#include <benchmark/benchmark.h>

#include <string>

#include "BankTransaction.h"
#include "BenchStatements.h"

namespace {

constexpr int Count = 10000;

// The k-th transaction's date (yyyymmdd, within 2025), amount and payee.
std::string dateOf(int k) {
    const int month = k % 12 + 1, day = k % 28 + 1;
    return "2025" + std::string(month < 10 ? "0" : "") + std::to_string(month) +
           (day < 10 ? "0" : "") + std::to_string(day);
}
std::string amountOf(int k) {
    return "-" + std::to_string(k % 500) + "." + std::to_string(10 + k % 90);
}
std::string payeeOf(int k) {
    return "SHOP #" + std::to_string(k % 97);
}

} // namespace

std::string ofxStatement() {
    std::string text = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\n"
                       "CHARSET:1252\nCOMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n"
                       "<OFX><SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO</STATUS>"
                       "<DTSERVER>20260101<LANGUAGE>ENG</SONRS></SIGNONMSGSRSV1>\n"
                       "<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>\n"
                       "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING"
                       "</BANKACCTFROM>\n<BANKTRANLIST><DTSTART>20250101<DTEND>20251231\n";
    for (int k = 0; k < Count; ++k)
        text += "<STMTTRN>\n<TRNTYPE>DEBIT\n<DTPOSTED>" + dateOf(k) +
                "120000.000[-5:EST]\n<TRNAMT>" + amountOf(k) + "\n<FITID>" + std::to_string(k) +
                "\n<NAME>" + payeeOf(k) + "\n<MEMO>card " + std::to_string(k) + "\n</STMTTRN>\n";
    text += "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20251231</LEDGERBAL></STMTRS>"
            "</STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    return text;
}

namespace {

std::string qifStatement() {
    std::string text = "!Type:Bank\n";
    for (int k = 0; k < Count; ++k) {
        const std::string d = dateOf(k);
        text += "D" + d.substr(4, 2) + "/" + d.substr(6, 2) + "/" + d.substr(0, 4) + "\nT" +
                amountOf(k) + "\nP" + payeeOf(k) + "\n^\n";
    }
    return text;
}

std::string csvStatement() {
    std::string text = "Date,Description,Amount\n";
    for (int k = 0; k < Count; ++k)
        text += dateOf(k) + "," + payeeOf(k) + "," + amountOf(k) + "\n";
    return text;
}

void readEach(benchmark::State& state, const char* name, const std::string& bytes) {
    for (auto _ : state) {
        const auto read = readBankFile(name, bytes);
        if (!read || read->size() != Count) {
            state.SkipWithError("the statement was not read whole");
            break;
        }
        benchmark::DoNotOptimize(read->data());
    }
}

void BM_ImportOfx10000(benchmark::State& state) {
    readEach(state, "statement.ofx", ofxStatement());
}
BENCHMARK(BM_ImportOfx10000)->Unit(benchmark::kMillisecond);

void BM_ImportQif10000(benchmark::State& state) {
    readEach(state, "statement.qif", qifStatement());
}
BENCHMARK(BM_ImportQif10000)->Unit(benchmark::kMillisecond);

void BM_ImportCsv10000(benchmark::State& state) {
    readEach(state, "statement.csv", csvStatement());
}
BENCHMARK(BM_ImportCsv10000)->Unit(benchmark::kMillisecond);

} // namespace
