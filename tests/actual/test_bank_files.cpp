// The bank-file readers against exports written by hand the way banks and older money programs
// write them: what each row's file gives (dates, amounts, payees, memos) or the message that
// refuses it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BankTransaction.h"
#include "Dates.h"

namespace {

std::string sampleFile(const std::string& name) {
    std::ifstream in(PECUNEX_SOURCE_DIR "/tests/actual/files/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// One line per transaction: date, amount, payee, " / " and the memo when there is one.
std::string shown(const Result<std::vector<BankTransaction>>& read) {
    if (!read)
        return "refused " + std::to_string(read.failure().code) + ": " + read.failure().what;
    std::string out;
    for (const BankTransaction& t : *read)
        out += isoDate(t.date) + " " + t.amount.toPlainString() + " " + t.payee +
               (t.memo.empty() ? "" : " / " + t.memo) + "\n";
    return out;
}

// The nine rows of the March statement in the bug report, as its CSV writes them.
const char* const March = "2025-03-01 -1200 RENT MARCH\n"
                          "2025-03-03 -143.2 SAFEWAY #1234\n"
                          "2025-03-05 -4.5 CORNER COFFEE\n"
                          "2025-03-07 2000 ACME PAYROLL\n"
                          "2025-03-10 -161.85 SAFEWAY #1234\n"
                          "2025-03-17 -152.4 SAFEWAY #0456\n"
                          "2025-03-21 2000 ACME PAYROLL\n"
                          "2025-03-24 -149.99 SAFEWAY #1234\n"
                          "2025-03-31 -155.1 SAFEWAY #1234\n";

// The same statement written four ways. The SGML file comes from a bank ten hours east of
// Greenwich (times 00:30, +10), the XML one from a bank five hours west (23:30, -5): in UTC
// the first is a day early, the second a day late, so these rows fail unless the dates are the
// ones the files write.
TEST(BankFiles, OneStatementInEveryFormatGivesTheSameTransactions) {
    for (const char* name : {"march.csv", "march.qif", "march-sgml.ofx", "march-xml.ofx"}) {
        SCOPED_TRACE(name);
        const auto read = readBankFile(name, sampleFile(name));
        EXPECT_EQ(shown(read), March);
        const bool ofx = std::string(name).ends_with(".ofx");
        for (const BankTransaction& t : read.value())
            EXPECT_EQ(t.fitid.empty(), !ofx);
    }
}

struct Case {
    const char* what;
    std::string name, bytes;
    std::string expected;
    CsvColumns columns = {};
};

const std::vector<Case>& cases() {
    static const std::vector<Case> rows = {
        {"several accounts: the bank's and the card's, not the investments'; the card's dates "
         "whatever the zone; a payee aggregate's name; Windows-1252 turned to UTF-8",
         "accounts.ofx", sampleFile("accounts.ofx"),
         "2025-04-01 3.21 INTEREST / April\n2025-04-02 -12.3456 CAF\xC3\x89 ROMA / Table 4\n"
         "2025-04-02 -8 BOOK STORE\n"},
        {"OFX 2.x in UTF-8 with entities: the names and memos as the file means them", "x.ofx",
         [] {
             std::string xml = sampleFile("march-xml.ofx");
             xml.replace(xml.find("RENT MARCH</NAME>"), 17,
                         "CAF\xC3\x89 &amp; CR\xC3\x88ME &gt; &lt;\xE2\x82\xAC</NAME>"
                         "<MEMO>M\xC3\x9CLLER &amp; S\xC3\x96HNE</MEMO>");
             return xml.substr(0, xml.find("<STMTTRN>", xml.find("CR\xC3\x88ME"))) +
                    xml.substr(xml.find("</BANKTRANLIST>"));
         }(),
         "2025-03-01 -1200 CAF\xC3\x89 & CR\xC3\x88ME > <\xE2\x82\xAC / M\xC3\x9CLLER & "
         "S\xC3\x96HNE\n"},
        {"QIF day first: 31/03 cannot be month first, so 01/04 is the 1st of April", "d.qif",
         "!Type:Bank\nD31/03/2025\nT-1.00\nPA\n^\nD01/04/2025\nT-2.00\nPB\n^\n",
         "2025-03-31 -1 A\n2025-04-01 -2 B\n"},
        {"QIF month first when no date needs day first; two-digit years 1970-2069", "m.qif",
         "!Type:CCard\nD03/04/2025\nT-1.00\nPA\n^\nD12/31/69\nT-2\nPB\n^\nD1/1/70\nT3\nPC\n^\n",
         "2025-03-04 -1 A\n2069-12-31 -2 B\n1970-01-01 3 C\n"},
        {"QIF apostrophe years are 20xx, blanks inside dates ignored", "a.qif",
         "!Type:Cash\nD8/31' 0\nT-1\nPA\n^\nD1/ 5'05\nT-2\nPB\n^\nD1/ 5'75\nT-3\nPC\n^\n",
         "2000-08-31 -1 A\n2005-01-05 -2 B\n2075-01-05 -3 C\n"},
        {"QIF: accounts, categories and investments passed over; splits, U beside T and the "
         "opening balance ignored; trailing blanks after the type; Windows-1252 memo",
         "mix.qif",
         "!Option:AutoSwitch\n!Account\nNChecking\nTBank\n^\n!Clear:AutoSwitch\n"
         "!Type:Cat\nNFood\nE\n^\n!Type:Oth L  \nD2025-01-02\nT1,234.56\nU1234.56\n"
         "POpening Balance\nL[Loan]\n^\nD2025-01-03\nU-1,234.50\nT-1,234.56\nPShop\nMCaf\xE9\n"
         "LFood\nSFood\n$-1000.00\nSHome\n$-234.56\n^\n!Type:Invst\nD2025-01-04\nT99\nPX\n^\n",
         "2025-01-03 -1234.56 Shop / Caf\xC3\xA9\n"},
        {"CSV with semicolons and decimal commas, day first by 31.03", "eu.csv",
         "Datum;Date;Payee;Amount\nx;01.03.2025;RENT;-1.200,00\ny;31.03.2025;SHOP;-4,5\n"
         "z;02.03.2025;PAY;2.000\n",
         "2025-03-01 -1200 RENT\n2025-03-31 -4.5 SHOP\n2025-03-02 2000 PAY\n"},
        {"CSV amounts in parentheses, with currency signs, codes and group separators; quoted "
         "fields; a row without a date passed over",
         "us.csv",
         "Transaction Date,Name,Amount\n3/1/2025,\"RENT, MARCH\",\"($1,200.00)\"\n"
         "3/2/2025,\"The \"\"Corner\"\"\",USD 4.50\n3/3/2025,Pay,\"-\xE2\x82\xAC"
         "2,000\"\n"
         ",Closing balance,5000.00\n",
         "2025-03-01 -1200 RENT, MARCH\n2025-03-02 4.5 The \"Corner\"\n2025-03-03 -2000 Pay\n"},
        {"CSV debit and credit columns: money out whatever the debit's sign", "dc.csv",
         "Posting Date,Details,Debit,Credit\n2025-03-01,A,12.50,\n2025-03-02,B,,100\n"
         "2025-03-03,C,-7.25,\n",
         "2025-03-01 -12.5 A\n2025-03-02 100 B\n2025-03-03 -7.25 C\n"},
        {"CSV columns given by number for a file without a header row", "bare.csv",
         "x,2025-03-01,-5.00,COFFEE\nx,2025-03-02,-6.00,TEA\n",
         "2025-03-01 -5 COFFEE\n2025-03-02 -6 TEA\n", CsvColumns{2, 4, 3, 0, 0}},
        {"none of the kinds", "notes.txt", "Dear bank\nplease send my statement\n",
         "refused 13: notes.txt, line 1: not a bank file the program can read (OFX, QFX, QIF or "
         "CSV)"},
        {"a truncated OFX", "cut.ofx",
         sampleFile("march-sgml.ofx").substr(0, sampleFile("march-sgml.ofx").find("</OFX>")),
         "refused 13: cut.ofx, line 109: the file ends early, before its </OFX>"},
        {"an investment statement only", "investments.ofx", sampleFile("investments.ofx"),
         "refused 13: investments.ofx, line 1: no bank or credit card statement (only "
         "investments?)"},
        {"a QIF record without an amount", "bad.qif",
         "!Type:Bank\nD1/2/2025\nT-1\n^\nD1/3/2025\nPNo amount\n^\n",
         "refused 13: bad.qif, line 5: a transaction without an amount"},
        {"a CSV without a date column", "march.csv", "When,Description,Amount\n1/2/2025,A,1\n",
         "refused 13: march.csv, line 1: no date column (Date, Posting Date or Transaction Date)"},
        {"an amount beyond the currency limit", "big.csv",
         "Date,Description,Amount\n2025-03-01,A,1\n2025-03-02,B,922337203685477.5808\n",
         "refused 13: big.csv, line 3: an amount beyond the largest the program can hold"},
        {"a date that fits neither order the file's other dates decide", "mixed.csv",
         "Date,Description,Amount\n13/01/2025,A,1\n01/31/2025,B,2\n",
         "refused 13: mixed.csv, line 3: \"01/31/2025\" is not a date"},
        {"a 50 MB line", "huge.csv", "Date,Description,Amount\n" + std::string(50 << 20, 'x'),
         "refused 13: huge.csv, line 2: a line too long for a bank file"},
    };
    return rows;
}

TEST(BankFiles, EachFileGivesItsTransactionsOrIsRefusedWhole) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(shown(readBankFile("/home/ann/" + c.name, c.bytes, c.columns)), c.expected);
    }
}

// libofx is given long statements in parts; every part's transactions must keep their own
// dates and amounts, none lost or repeated at a part's edge: three parts of 1,000, the last
// one short. Day k from New Year 2024 carries the amount -k.01.
TEST(BankFiles, LongOfxStatementKeepsEveryTransactionInOrder) {
    constexpr int Count = 2 * 1000 + 7;
    const std::string march = sampleFile("march-sgml.ofx");
    const std::size_t from = march.find("<STMTTRN>"), to = march.find("</BANKTRANLIST>");
    std::string body;
    for (int k = 1; k <= Count; ++k)
        body += "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>" +
                isoDate(dateSerial(2024, 1, k)).erase(7, 1).erase(4, 1) + "<TRNAMT>-" +
                std::to_string(k) + ".01<FITID>F" + std::to_string(k) + "<NAME>SHOP</STMTTRN>\n";
    const auto read = readBankFile("long.ofx", march.substr(0, from) + body + march.substr(to));
    ASSERT_TRUE(read) << read.failure().what;
    ASSERT_EQ(read->size(), std::size_t{Count});
    for (int k = 1; k <= Count; ++k) {
        const BankTransaction& t = (*read)[static_cast<std::size_t>(k) - 1];
        ASSERT_EQ(t.date, dateSerial(2024, 1, k)) << k;
        ASSERT_EQ(t.amount, Currency::fromRaw(-(k * 10000LL + 100))) << k;
        ASSERT_EQ(t.fitid, "F" + std::to_string(k));
    }
}

} // namespace
