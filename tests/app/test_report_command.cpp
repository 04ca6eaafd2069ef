// pecunex-report as scripts use it, every report in one table: the arguments, the exit
// status, the start of stderr (after "pecunex-report: "), what stdout holds and the files a
// run writes. The table runs in a folder of example and hand-made files, once under the C
// locale and once under a system that writes numbers the other way round.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "ReportProcess.h"

namespace {

using namespace report_process;
using namespace std::string_literals;

const fs::path Golden = PECUNEX_SOURCE_DIR "/tests/golden";
const std::string M13 = ": File not found or wrong format. Check Filename and/or Directory.";
constexpr long MemoryLimitKiB = 50 * 1024; // five times the largest file read
using Files = std::vector<std::pair<std::string, std::string>>;

const std::string CmpPlan = "100000,6,\"monthly\",\"monthly\",30,\"years\",,0,\"bank-cents\","
                            "\"nearest\",\"nearest\",\"\",\"\",0,0,0,0,0";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// The examples' inputs, then files no worksheet would write: cut short, damaged, too large
// to calculate, with a byte-order mark, named like an option, ten megabytes of one field.
void fillFolder(const fs::path& dir) {
    const std::string mortgage = readText(Golden / "mortgage-20y-annual.umd"), bom = "\xEF\xBB\xBF";
    std::string huge = "1,0\r\n\"House\",1e300,,\r\n";
    for (int i = 2; i <= 31; ++i)
        huge += ",,,\r\n";
    const Files files = {
        {"short.umd", "120000,6.5,20,\"   Semiannual\"\r\n"},
        {"baddate.umd",
         "1,6,20,\"   Semiannual\",\"      Monthly\",\"soon\",0,1,1,0,0,1,365,\"O\",0\r\n"},
        {"zero-rate.umd", "120000,0,20,\"   Semiannual\",\"      Monthly\","
                          "\"2027-01-01\",0,1,1,0,0,1,365,\"O\",0\r\n"},
        {"dated.uld", // dates on, the payments crossing a year end
         "18000,9.25,3,\"      Monthly\",\"      Monthly\","
         "\"2027-11-15\",1,1,2,0,0,2,365,\"O\",0\r\n"},
        {"empty.Bgt", "0\r\n0\r\n"},
        // Plans A and C, B left without a principal (C's payment rounded up).
        {"gap.Cmp", "\"Pecunex\",\"Compare\",1\r\n3\r\n" + CmpPlan + "\r\n" +
                        replaced(CmpPlan, "100000,6", "0,5.25") + "\r\n" +
                        replaced(CmpPlan, "\"nearest\",\"nearest\"", "\"up\",\"nearest\"") +
                        "\r\n"},
        {"short.Bgt", "2\r\n1,\"Salary\",48000,24,48000\r\n"},
        {"huge.Bgt", "2\r\n1,\"a\",900000000000000,1,0\r\n2,\"b\",900000000000000,1,0\r\n0\r\n"},
        {"ten.NWV", "1,0\r\n\"House\",1,,\r\n,,,\r\n,,,\r\n"},
        {"huge.NWV", huge},
        {"-x.umd", mortgage},
        {"bom.umd", bom + mortgage},
        {"bom.Bgt", bom + readText(Golden / "budget-household.Bgt")},
        {"bom.NWV", bom + readText(Golden / "networth-household.NWV")},
        // The household's budget, its bank's March and its rules kept in an actuals file
        // one folder down.
        {"household.Bgt", "1\r\n1,\"Salary\",52000,26,52000\r\n2\r\n1,\"Rent\",14400,12,14400\r\n"
                          "2,\"Groceries\",7800,52,7800\r\n"},
        {"march.csv", "Date,Description,Amount\n2025-03-01,RENT MARCH,-1200.00\n"
                      "2025-03-03,SAFEWAY #1234,-143.20\n2025-03-05,CORNER COFFEE,-4.50\n"
                      "2025-03-07,ACME PAYROLL,2000.00\n2025-03-10,SAFEWAY #1234,-161.85\n"
                      "2025-03-17,SAFEWAY #0456,-152.40\n2025-03-21,ACME PAYROLL,2000.00\n"
                      "2025-03-24,SAFEWAY #1234,-149.99\n2025-03-31,SAFEWAY #1234,-155.10\n"},
        {"acts/rules.Act", "\"Pecunex\",\"Actuals\",1\r\n\"../household.Bgt\"\r\n0\r\n3\r\n"
                           "\"RENT\",\"Rent\"\r\n\"SAFEWAY\",\"Groceries\"\r\n"
                           "\"ACME PAYROLL\",\"Salary\"\r\n"},
        {"acts/cut.Act", "\"Pecunex\",\"Actuals\",1\r\n\"../household.Bgt\"\r\n2\r\n"},
    };
    for (const char* example : {"mortgage-20y-annual.umd", "loan-36m-all.uld",
                                "budget-household.Bgt", "networth-household.NWV"})
        fs::copy_file(Golden / example, dir / example);
    fs::copy_file(PECUNEX_SOURCE_DIR "/samples/Sample.Gol", dir / "Sample.Gol");
    for (const char* bankFile : {"march.qif", "march-sgml.ofx", "march-xml.ofx", "investments.ofx"})
        fs::copy_file(fs::path(PECUNEX_SOURCE_DIR "/tests/actual/files") / bankFile,
                      dir / bankFile);
    fs::create_directories(dir / "acts");
    for (const auto& [name, text] : files)
        writeText(dir / name, text);
    // The sample statement, and the household a year on (House 425,000, Car 16,000, Mortgage
    // 259,870.12, the car loan paid off); a history of both following a loan beside it, and
    // one following a loan file that is gone.
    const std::string sample = readText(PECUNEX_SOURCE_DIR "/samples/NetSampl.NWV");
    std::string later = replaced(sample, "\"House\",412000", "\"House\",425000");
    later = replaced(later, "\"Car\",18500", "\"Car\",16000");
    later = replaced(later, "\"Mortgage\",268400", "\"Mortgage\",259870.12");
    later = replaced(later, "\"Car loan\",11200.75", ",");
    const std::string history = "\"Pecunex\",\"History\",1\r\n2,1\r\n\"2024-12-31\",\"Year "
                                "end\"\r\n" +
                                sample + "\"2025-12-31\",\"\"\r\n" + later;
    for (const auto& [name, text] :
         Files{{"NetSampl.NWV", sample},
               {"NetSampl-2025.NWV", later},
               {"Cottage.umd", "50000,6.5,20,\"   Semiannual\",\"      Monthly\",\"2025-01-15\","
                               "1,1,2,0,0,1,365,\"O\",0\r\n"},
               {"history.Nwh", history + "\"Cottage.umd\"\r\n"},
               {"history-gone.Nwh", history + "\"Gone.umd\"\r\n"},
               {"damaged.Nwh", replaced(history, "2,1", "3,1")}})
        writeText(dir / name, text);
    // Ten megabytes of one number or one quoted text, written in pieces: this program's own
    // memory counts in the size the report's is measured by.
    for (const std::string name : {"big.umd", "big.Bgt", "big.NWV", "line.umd", "line.Bgt"}) {
        std::ofstream file(dir / name, std::ios::binary);
        const bool text = name.starts_with("line");
        file << (text ? "\"" : "");
        for (int i = 0; i < 10 << 10; ++i)
            file << std::string(1024, text ? 'x' : '7');
        file << (text ? "\"\r\n" : "");
    }
    fs::create_directories(dir / "out");
    fs::create_directories(dir / "locked");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
}

struct Row {
    std::string args;
    int status;
    std::string err = {}; // status 1: all of stderr; 2: its start, the usage line follows
    std::string out = {}; // "@" and a golden file under tests/golden, or a text stdout holds
    Files files = {};     // a file and a text it holds; "": no such file
};

const std::string ExactPlan = "principal=180000,rate=4.64,compounding=semiannual,years=25,"
                              "convention=bank-exact,extra=50,lump=24:5000:shorten,renew=60:5.5";
const std::string DailyPlan =
    "principal=5000,rate=13.1475,months=48,payment=134.57,"
    "interest-rounding=down,loan-date=2010-03-01,first-payment=2010-04-01";

std::vector<Row> table() {
    std::vector<Row> rows = {
        // Options before or after the report and its file, --opt=value, the last of a
        // repeated option counting, and "--" before a file named like an option.
        {"--font 3 --currency '$' --header 'Example: 36-month loan' loan loan-36m-all.uld", 0, "",
         "@loan-36m-all.expected.txt"},
        {"--font=0 mortgage --currency='$' mortgage-20y-annual.umd "
         "--header='Example: 20-year mortgage, annual totals'",
         0, "", "@mortgage-20y-annual.expected.txt"},
        {"--font 0 --currency '$' --header 'Example: 20-year mortgage, annual totals' "
         "mortgage -- -x.umd",
         0, "", "@mortgage-20y-annual.expected.txt"},
        {"budget budget-household.Bgt --period Weekly --sort 'Names Z - A' --font 3 --header x "
         "--period=Monthly --sort='Amounts Hi-Lo' --font 0 --currency '$' "
         "--header 'Example: household budget, monthly'",
         0, "", "@budget-household.expected.txt"},
        {"--header=x networth --font=1 networth-household.NWV --currency '$' "
         "--header 'Example: household net worth'",
         0, "", "@networth-household.expected.txt"},
        {"--years=3 savings --lump=4000 --contribution 600 --frequency=Quarterly --rate 7 "
         "--increase 2 --inflation 2.5 --years 12 --font 3 --currency '$' "
         "--header 'Example: quarterly savings with increase and inflation'",
         0, "", "@savings-quarterly-12y.expected.txt"},
        // Defaults (budget: Annual, by name; savings: the worksheet's plan), symbols of none
        // and two characters, a header "1", dates, and a plan the worksheet would not print.
        {"budget budget-household.Bgt --font 0 --currency ''", 0, "",
         "@report/budget-annual-names.txt"},
        {"savings --font 0 --currency 'R$'", 0, "", "@report/savings-defaults.txt"},
        {"loan loan-36m-all.uld --font 3 --currency '\u20ac' --header 1", 0, "",
         "@report/loan-euro-header-1.txt"},
        {"loan dated.uld --font 0 --currency '$'", 0, "", "@report/loan-dated.txt"},
        {"savings --years 0 --lump 1000 --contribution 200 --rate 10 --font 2 --currency '$' "
         "--header 'No years'",
         0, "", "@savings-zero-years.txt"},
        // CSV; a byte-order mark before a file's first field is skipped.
        {"loan loan-36m-all.uld --csv", 0, "", "@report/loan-36m-all.csv"},
        {"loan dated.uld --csv", 0, "", "@report/loan-dated.csv"},
        {"mortgage bom.umd --csv", 0, "", "@report/mortgage-20y-annual.csv"},
        {"budget bom.Bgt --csv --period Monthly --sort 'Names A - Z'", 0, "",
         "@report/budget-monthly-names.csv"},
        {"networth bom.NWV --csv", 0, "", "@report/networth-household.csv"},
        // by hand: the first month earns 100 * (1.12^(1/12) - 1) = 0.95
        {"savings --frequency Monthly --years 2 --contribution 100 --rate 12 --csv", 0, "",
         "@report/savings-monthly-2y.csv"},
        // by hand: year 2 invests 1200 * 0.98 = 1176.00 and earns (1447.20 + 1176) * 0.2 = 524.64
        {"savings --increase -2 --inflation -.5 --years 2 --csv", 0, "",
         "@report/savings-falling-rates.csv"},
        // Goal answers, each checked with the savings report given the plan and the answer
        // (with --inflation 0 unless --today): it reaches the target, one step less does not.
        {"goal --frequency Monthly --rate 7 --inflation 2.5 --years 25 --target 500000 --today "
         "--solve contribution --csv",
         0, "", "\r\ncontribution,927.83,730637.67,500001.78\r\n"},
        {"goal --frequency Quarterly --contribution 250 --rate 5 --inflation 3 --years 15 "
         "--target 80000 --solve lump --csv",
         0, "", "\r\nlump,27779.33,80000.01,54344.88\r\n"},
        {"goal --contribution 5000 --inflation 3 --years 20 --target 200000 --today --solve rate "
         "--csv",
         0, "", "\r\nrate,9.51,296681.10,200162.52\r\n"},
        {"goal --frequency Monthly --contribution 400 --rate 6 --increase 2 --target 100000 "
         "--solve years --csv",
         0, "", "solve,answer,value,value_today\r\nyears,13,104902.33,104902.33\r\n"},
        // The sample goal file, then with options over its figures: 705.93 a month makes
        // 499,999.03 in today's money, 29 years of 500 make 475,285.54.
        {"goal Sample.Gol --csv", 0, "", "\r\ncontribution,705.94,725940.74,500005.61\r\n"},
        {"goal --solve years Sample.Gol --contribution=500 --csv", 0, "",
         "\r\nyears,30,804866.74,507131.80\r\n"},
        // The net worth history: 583,326.05 - 284,530.95 = 298,795.10; a year on 593,826.05 -
        // 264,800.32 = 329,025.73, up 30,230.63 (10.12 % a year). The cottage's loan adds
        // 50,000 before its first payment and 48,726.85 after its twelfth, 2025-12-15 (the
        // mortgage report's schedule of the same file).
        {"history NetSampl.NWV NetSampl-2025.NWV --dates 2024-12-31,2025-12-31 --csv", 0, "",
         "date,label,assets,liabilities,net_worth,change,change_since_first\r\n"
         "2024-12-31,,583326.05,284530.95,298795.10,,\r\n"
         "2025-12-31,,593826.05,264800.32,329025.73,30230.63,30230.63\r\n"},
        {"history history.Nwh --font 0 --currency '$' --header 'Two years'", 0, "",
         "@report/history-two-years.txt"},
        {"history history.Nwh --csv --lines", 0, "", "@report/history-lines.csv"},
        {"history history-gone.Nwh --csv", 0, "Gone.umd: the loan file is missing.",
         "\r\n2024-12-31,Year end,583326.05,284530.95,298795.10,,\r\n"},
        {"history history.Nwh --graph g.svg", 0, "", "",
         Files{{"g.svg", "Net worth at each statement"}}},
        {"--help", 0, "", "pecunex-report mortgage FILE.umd"},
        // The graph beside the unchanged output: 1200 x 800 by default.
        {"mortgage mortgage-20y-annual.umd --csv --graph g.png", 0, "",
         "@report/mortgage-20y-annual.csv", Files{{"g.png", "IHDR\0\0\x04\xb0\0\0\x03\x20"s}}},
        {"--3d --size=640x480 mortgage mortgage-20y-annual.umd --csv --graph g.svg --pdf g.pdf", 0,
         "", "@report/mortgage-20y-annual.csv",
         Files{{"g.svg", "viewBox=\"0 0 640 480\""},
               {"g.svg", "Mortgage balance at start of each Year"},
               {"g.pdf", "/Contents"}}},
        // Loan comparison: a mortgage file under the worksheet's arithmetic beside the lender's
        // exact interest (an extra amount, a lump sum, a renewal) and a published car loan on
        // daily interest; the comparison, a schedule, CSV and the graph of the three.
        {"compare mortgage-20y-annual.umd --plan " + ExactPlan + " --plan " + DailyPlan +
             " --font 0 --currency '$' --header 'Three plans'",
         0, "", "@report/compare-three-plans.txt"},
        {"compare mortgage-20y-annual.umd --plan " + ExactPlan + " --plan " + DailyPlan + " --csv",
         0, "", "@report/compare-three-plans.csv"},
        {"compare --plan " + ExactPlan + " --plan " + DailyPlan + " --schedule B --csv", 0, "",
         "@report/compare-daily-schedule.csv"},
        {"compare --plan " + ExactPlan + " --schedule A --annual --font 3 --currency '$'", 0, "",
         "@report/compare-exact-years.txt"},
        {"compare --plan principal=1000,rate=12,months=3 --plan principal=900,rate=5 --graph g.svg",
         0, "", "", Files{{"g.svg", "Plan B"}}},
        {"compare --plan principal=1000,rate=12,years=1,payment=10", 1,
         "plan A: The payment does not cover the first period's interest."},
        // An empty plan B is left out, C keeps its letter (100,000 at 6 % for 30 years: 599.55 a
        // month, total interest 115,838.45 by an exact-fraction schedule).
        {"compare gap.Cmp --csv", 0, "",
         "\r\nA,599.55,360,600.00,115838.45,215838.45,30.00,0.00\r\nC,599.56,360,"},
        {"compare gap.Cmp --schedule B", 2, "--schedule B: there is no plan B"},
        {"compare", 2, "compare: no plan"},
        {"compare --plan principal=1,rate=1 --plan rate=5", 2, "--plan B: principal is missing"},
        {"compare --plan principal=1000", 2, "--plan A: rate is missing"},
        {"compare --plan principal=1000,rate=5,convention=worksheet,extra=5", 2,
         "--plan A: extra is not used by the worksheet convention"},
        {"compare --plan principal=1000,rate=5,loan-date=2027-01-01", 2,
         "--plan A: loan-date needs first-payment"},
        {"compare --plan principal=1000,rate=5,first-payment=2027-01-01", 2,
         "--plan A: first-payment needs loan-date"},
        {"compare --plan rate=1000", 2, "--plan A: rate takes an annual rate from 0 to 999.999"},
        {"compare --plan principal=1000,rate=5 --schedule D", 2, "--schedule takes A, B or C"},
        {"history NetSampl.NWV NetSampl-2025.NWV --dates 2024-12-31,2024-12-31", 1,
         "NetSampl-2025.NWV: The history already has a statement dated 2024-12-31. Give this "
         "one another date."},
        {"history ten.NWV --dates 2024-12-31", 1, "ten.NWV" + M13},
        {"history damaged.Nwh", 1, "damaged.Nwh" + M13},
        // Usage errors.
        {"", 2, "no report named"},
        {"history NetSampl.NWV NetSampl-2025.NWV --dates 2024-12-31", 2,
         "--dates takes one date for each file (2)"},
        {"history NetSampl.NWV --dates 2024-02-30", 2, "--dates: 2024-02-30 is not a date"},
        {"history history.Nwh --dates 2024-12-31", 2, "--dates goes with net worth files"},
        {"--font 1 spreadsheet x.umd", 2, "unknown report 'spreadsheet'"},
        {"loan", 2, "no file named"},
        {"loan loan-36m-all.uld mortgage-20y-annual.umd", 2, "more than one file"},
        {"savings mortgage-20y-annual.umd", 2, "savings takes no file"},
        {"mortgage mortgage-20y-annual.umd --period Monthly", 2, "mortgage takes no --period"},
        {"networth networth-household.NWV --graph g.png", 2, "networth takes no --graph"},
        {"budget budget-household.Bgt --lump 5", 2, "budget takes no --lump"},
        {"savings --sort 'Names A - Z'", 2, "savings takes no --sort"},
        {"loan loan-36m-all.uld --csv=yes", 2, "--csv takes no value"},
        {"loan loan-36m-all.uld --font", 2, "--font needs a value"},
        {"loan loan-36m-all.uld --font 1 --font 4", 2, "--font takes 0, 1, 2 or 3"},
        {"loan loan-36m-all.uld --colour red", 2, "unknown option --colour"},
        {"mortgage -x.umd", 2, "unknown option -x.umd"},
        {"networth networth-household.NWV --header \"$(printf 'a\\tb')\"", 2,
         "--header takes a text without control characters"},
        {"loan loan-36m-all.uld --currency EUR", 2, "--currency takes 0 to 2 characters"},
        {"loan loan-36m-all.uld --currency \"$(printf '$\\001')\"", 2,
         "--currency takes 0 to 2 characters"},
        {"loan mortgage-20y-annual.umd", 2,
         "mortgage-20y-annual.umd: a mortgage file: print it with "
         "'pecunex-report mortgage mortgage-20y-annual.umd'"},
        {"mortgage loan-36m-all.uld", 2,
         "loan-36m-all.uld: a loan file: print it with 'pecunex-report loan loan-36m-all.uld'"},
        {"mortgage mortgage-20y-annual.umd --pdf mortgage-20y-annual.umd", 2,
         "mortgage-20y-annual.umd is the file being printed", "",
         Files{{"mortgage-20y-annual.umd", "120000,6.5,20,"}}},
        {"--pdf ./out/../loan-36m-all.uld loan loan-36m-all.uld", 2,
         "./out/../loan-36m-all.uld is the file being printed", "",
         Files{{"loan-36m-all.uld", "18000,9.25,3,"}}},
        {"mortgage mortgage-20y-annual.umd --graph g.jpg", 2,
         "--graph takes a file name ending in .png or .svg", "", Files{{"g.jpg", ""}}},
        {"mortgage mortgage-20y-annual.umd --3d", 2, "--3d and --size need --graph"},
        {"mortgage mortgage-20y-annual.umd --graph x.png --pdf ./x.png", 2,
         "--pdf and --graph both name ./x.png", "", Files{{"x.png", ""}}},
        {"loan loan-36m-all.uld --pdf out.pdf --paper a5", 2, "--paper takes a4 or letter"},
        {"loan loan-36m-all.uld --csv --text", 2, "--text and --csv both ask for standard output"},
        {"budget budget-household.Bgt --period Fortnightly", 2, "--period takes Weekly, 2 Weeks"},
        {"budget budget-household.Bgt --sort Random", 2, "--sort takes Names A - Z"},
        {"savings --rate 1e5", 2, "--rate takes a decimal number that is not negative"},
        {"savings --rate -3", 2, "--rate takes a decimal number that is not negative"},
        {"savings --lump 1.2.3", 2, "--lump takes a decimal number"},
        {"savings --contribution .", 2, "--contribution takes a decimal number"},
        {"savings --inflation ' 5'", 2, "--inflation takes a decimal number, e.g. 2.5 or -1"},
        {"savings --increase -", 2, "--increase takes a decimal number"},
        {"savings --frequency ' Monthly'", 2, "--frequency takes Annually, Quarterly or Monthly"},
        {"savings --years 41", 2, "--years takes a whole number of years from 0 to 40"},
        {"savings --years 2.5", 2, "--years takes a whole number"},
        {"goal --solve lump", 2, "goal needs --target"},
        {"goal --target 0 --solve lump", 2, "--target takes a decimal number above 0"},
        {"goal --target 1e6 --solve lump", 2, "--target takes a decimal number"},
        {"goal --target 50000", 2, "goal needs --solve"},
        {"goal --target 50000 --solve salary", 2,
         "--solve takes contribution, lump, years or rate"},
        {"goal --target 50000 --solve lump --rate -1", 2, "--rate takes a decimal number that"},
        {"goal --target 50000 --solve lump --today=yes", 2, "--today takes no value"},
        {"goal plan.Gol --target 50000 --solve lump", 1, "plan.Gol" + M13},
        // Files that cannot be read or calculated: nothing printed, never half a file.
        {"mortgage missing.umd", 1, "missing.umd" + M13},
        {"budget missing.Bgt", 1, "missing.Bgt" + M13},
        {"networth missing.NWV", 1, "missing.NWV" + M13},
        {"mortgage short.umd", 1, "short.umd" + M13},
        {"mortgage baddate.umd --csv", 1, "baddate.umd" + M13},
        {"mortgage zero-rate.umd", 1, "zero-rate.umd: Wrong or missing entry, try again."},
        {"budget empty.Bgt", 1, "empty.Bgt: No data to print. Calculate."},
        {"budget short.Bgt", 1, "short.Bgt" + M13},
        {"budget huge.Bgt", 1, "huge.Bgt: Cannot calculate."},
        {"networth ten.NWV", 1, "ten.NWV" + M13},
        {"networth huge.NWV --csv", 1, "huge.NWV: Cannot calculate."},
        {"savings --lump 900000000000000 --years 40", 1, "savings: Cannot calculate."},
        {"goal --target 1000000000 --solve rate --contribution 100 --years 10", 1,
         "goal: The target is not reached at an annual rate up to 100%."},
        {"goal --target 10000000 --solve years --contribution 1 --rate 1", 1,
         "goal: The target is not reached within 40 years."},
        {"goal --target 50000 --solve lump --years 0", 1,
         "goal: Wrong or missing entry, try again."},
        {"mortgage big.umd", 1, "big.umd" + M13},
        {"budget big.Bgt", 1, "big.Bgt" + M13},
        {"networth big.NWV", 1, "big.NWV" + M13},
        {"mortgage line.umd", 1, "line.umd" + M13},
        {"budget line.Bgt", 1, "line.Bgt" + M13},
        // Budget vs actual: the household's March held against its budget month by month
        // (by hand: Groceries 150 x 52 / 12 = 650.00, spent 762.54, 117.31 %; Salary
        // 2,000 x 26 / 12 = 4,333.33, received 4,000.00, 92.31 %); the same export twice
        // adds nothing; rules from an actuals file; the latest month without --period.
        {"actual household.Bgt --import march.csv --rule RENT=Rent --rule SAFEWAY=Groceries "
         "--rule 'ACME PAYROLL=Salary' --period Monthly --from 2025-03-01 --csv",
         0, "", "@report/actual-march.csv"},
        {"actual household.Bgt --import march.csv --import march.csv --rules acts/rules.Act --csv",
         0, "", "@report/actual-march.csv"},
        {"actual household.Bgt --import march.qif --rules acts/rules.Act --csv", 0, "",
         "@report/actual-march.csv"},
        {"actual household.Bgt --import march-sgml.ofx --rules acts/rules.Act --csv", 0, "",
         "@report/actual-march.csv"},
        {"actual household.Bgt --import march-xml.ofx --import march.csv --import march.qif "
         "--rules acts/rules.Act --csv",
         0, "", "@report/actual-march.csv"},
        {"actual acts/rules.Act --import march.csv --font 0 --currency '$' --header March", 0, "",
         "@report/actual-march.txt"},
        {"actual acts/rules.Act --import march.csv --transactions --period Weekly "
         "--from 2025-03-03 --rule COFFEE=Rent",
         0, "", "@report/actual-week-transactions.csv"},
        // The pay is money in: a rule naming an expense record leaves it unmatched.
        {"actual household.Bgt --import march.csv --rule ACME=Rent --csv", 0, "",
         "\r\n(unmatched income),income,0.00,4000.00,4000.00,\r\n"},
        {"actual household.Bgt --rule RENT", 2, "--rule takes TEXT=RECORD"},
        {"actual household.Bgt --rule RENT=Mortgage", 2, "the budget has no record \"Mortgage\""},
        {"actual household.Bgt --period Daily", 2, "--period takes Weekly"},
        {"actual household.Bgt --from 2025-3-1", 2, "--from takes a date"},
        {"actual household.Bgt --columns date=x", 2, "--columns takes"},
        {"actual household.Bgt --import none.csv", 1, "none.csv" + M13},
        {"actual household.Bgt --import march.csv --import investments.ofx", 1,
         "investments.ofx, line 1: no bank or credit card statement (only investments?)"},
        {"actual acts/cut.Act", 1, "acts/cut.Act" + M13},
        {"actual march.csv", 1, "march.csv" + M13},
        // Outputs that cannot be written, and nothing left behind.
        {"loan loan-36m-all.uld --csv >/dev/full", 1, "cannot write standard output"},
        {"budget budget-household.Bgt >/dev/full", 1, "cannot write standard output"},
        {"networth networth-household.NWV --pdf /dev/full", 1, "cannot write /dev/full"},
        {"mortgage mortgage-20y-annual.umd --pdf no/such/x.pdf", 1, "cannot write no/such/x.pdf",
         "", Files{{"no", ""}}},
        {"savings --pdf out", 1, "cannot write out"},
        {"loan loan-36m-all.uld --pdf ''", 1, "cannot write "},
        {"budget budget-household.Bgt --pdf locked/x.pdf", 1, "cannot write locked/x.pdf", "",
         Files{{"locked/x.pdf", ""}}},
        {"mortgage mortgage-20y-annual.umd --graph no/g.png", 1, "cannot write no/g.png"},
    };
    // The reference printouts exactly as their .args files say, with a PDF beside (--text:
    // the printout on stdout as well).
    for (const std::string name :
         {"loan-36m-all", "mortgage-20y-annual", "budget-household", "networth-household",
          "savings-quarterly-12y", "goal-monthly-deposit"}) {
        const std::string args = readText(Golden / (name + ".args"));
        rows.push_back({args.substr(0, args.find('\n')) + " --text --pdf " + name + ".pdf", 0, "",
                        "@" + name + ".expected.txt", Files{{name + ".pdf", "/Contents"}}});
    }
    return rows;
}

void expectRow(const fs::path& dir, const Row& row) {
    SCOPED_TRACE(row.args);
    const ProcessRun r = run(dir, row.args);
    EXPECT_EQ(r.status, row.status) << r.err;
    if (row.out.starts_with("@")) {
        const fs::path golden = Golden / row.out.substr(1);
        // PECUNEX_UPDATE_GOLDEN=1 rewrites this table's own files (then review them by eye),
        // never the reference printouts, which come from elsewhere.
        if (std::getenv("PECUNEX_UPDATE_GOLDEN") && row.out.starts_with("@report/"))
            writeText(golden, r.out);
        EXPECT_EQ(r.out, readText(golden));
    } else {
        EXPECT_TRUE(row.out.empty() ? r.out.empty() : r.out.find(row.out) != std::string::npos)
            << r.out;
    }
    const std::string err = row.err.empty() ? "" : "pecunex-report: " + row.err;
    if (row.status == 2) {
        EXPECT_EQ(r.err.rfind(err, 0), 0u) << r.err;
        EXPECT_NE(r.err.find("\nusage: pecunex-report "), std::string::npos) << r.err;
    } else {
        EXPECT_EQ(r.err, err.empty() ? "" : err + "\n");
    }
    for (const auto& [name, text] : row.files)
        EXPECT_TRUE(text.empty() ? !fs::exists(dir / name)
                                 : readText(dir / name).find(text) != std::string::npos)
            << name;
#if !defined(__SANITIZE_ADDRESS__) // its shadow memory makes the size meaningless
    if (row.args.find("--pdf") == std::string::npos &&
        row.args.find("--graph") == std::string::npos) {
        EXPECT_LE(r.peakKiB, MemoryLimitKiB);
    }
#endif
}

TEST(ReportCommand, EveryRowUnderEitherSystemLocale) {
    const std::vector<Row> rows = table();
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        SCOPED_TRACE(locale);
        setenv("LC_ALL", locale, 1);
        const Scratch scratch("pecunex-report-command");
        fillFolder(scratch.path);
        for (const Row& row : rows)
            if (geteuid() != 0 || row.args.find("locked/") == std::string::npos)
                expectRow(scratch.path, row); // root writes into a read-only folder regardless
    }
    unsetenv("LC_ALL");
}

// The settings file beside the program gives the font choice and the symbol no option gives;
// a damaged one what was read before the damage, as the desktop program reads it.
TEST(ReportCommand, SettingsBesideTheProgramGiveTheDefaults) {
    const Scratch scratch("pecunex-report-settings");
    const fs::path program = scratch.path / "pecunex-report";
    fs::copy_file(ReportProgram, program);
    fs::copy_file(Golden / "loan-36m-all.uld", scratch.path / "car.uld");
    const struct {
        const char *file, *options;
    } cases[] = {
        {"\"EU\",2,\"Ann Lee\"\r\n", "--font 2 --currency EU"},
        {"\"R$\",3,\"Ann", "--font 3 --currency 'R$'"}, // the name never closed
        {"", "--font 0 --currency '$'"},                // nothing read: the standard font and "$"
    };
    for (const auto& c : cases) {
        writeText(scratch.path / "Personal.kpf", c.file);
        const ProcessRun fromFile = run(scratch.path, "loan car.uld", program);
        ASSERT_EQ(fromFile.status, 0) << fromFile.err;
        EXPECT_EQ(fromFile.out, run(scratch.path, "loan car.uld "s + c.options).out) << c.file;
    }
}

} // namespace
