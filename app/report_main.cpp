// pecunex-report: prints a saved worksheet file (or a savings plan given by options) the way
// the worksheet's "To Printer" would, as printer text on stdout, as CSV, or as a PDF, without
// a display. One table row per worksheet; one parser for every option.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <vector>

#include <QString>

#include "ActualCommand.h"
#include "Amortization.h"
#include "BudgetCsv.h"
#include "BudgetReport.h"
#include "CommandLine.h"
#include "CompareCommand.h"
#include "Dates.h"
#include "FileText.h"
#include "GoalFile.h"
#include "GoalOptions.h"
#include "GoalReport.h"
#include "Growth.h"
#include "HistoryFile.h"
#include "HistoryReport.h"
#include "LoanFile.h"
#include "Messages.h"
#include "MortgageGraph.h"
#include "NetWorthFile.h"
#include "NetWorthReport.h"
#include "Paper.h"
#include "Printer.h"
#include "ProgramPaths.h"
#include "ReportFrame.h"
#include "ReportOptions.h"
#include "ReportOutput.h"
#include "SavingsOptions.h"
#include "SavingsReport.h"
#include "ScheduleReport.h"
#include "SettingsFile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view UsageLine =
    "usage: pecunex-report mortgage|loan|budget|networth FILE [options] | savings [plan options] "
    "[options] | goal [FILE.Gol] --target X [--today] --solve WHAT [plan options] [options] | "
    "compare [FILE...] [--plan PLAN]... [options] | history FILE.Nwh [--lines] | history "
    "A.NWV B.NWV... [--dates D1,D2,...] [--lines] [options] | "
    "actual FILE.Act|FILE.Bgt [--import FILE]... "
    "[--rule TEXT=RECORD]... [--period P --from DATE] [--transactions] [options] | --help";

constexpr std::string_view HelpText =
    R"(pecunex-report: prints a saved Pecunex file without the desktop program.

usage:
  pecunex-report mortgage FILE.umd [options]
  pecunex-report loan     FILE.uld [options]
  pecunex-report savings [--lump X] [--contribution X] [--frequency Annually|Quarterly|Monthly]
                         [--rate R] [--increase G] [--inflation F] [--years 0..40] [options]
                         (defaults: the worksheet's, 0 / 1200 / Annually / 20 / 0 / 0 / 25;
                         --csv columns: period,invested,interest,value)
  pecunex-report goal --target X [--today] --solve contribution|lump|years|rate
                         [the savings plan options] [options]
  pecunex-report goal FILE.Gol [goal and plan options] [options]
                         (the figure solved for that reaches the target at the end of the
                         plan, in future money or with --today in today's money; options
                         given with a file override its figures; --csv columns:
                         solve,answer,value,value_today)
  pecunex-report networth FILE.NWV [options]
  pecunex-report budget   FILE.Bgt [--period TEXT] [--sort TEXT] [options]
  pecunex-report compare  [FILE.Cmp | A.umd B.uld ...] [--plan PLAN]... [--schedule A|B|C
                         [--annual]] [options]
                         (up to three plans: a comparison file's, mortgage and loan files'
                         under the worksheet's own arithmetic, then one per --plan; PLAN is
                         key=value pairs separated by commas: principal, rate, compounding
                         monthly|bimonthly|quarterly|semiannual|annual, frequency
                         monthly|semimonthly|2weeks|1week|biweekly-acc|weekly-acc, years or
                         months, payment, extra, convention worksheet|bank-exact|bank-cents,
                         payment-rounding nearest|up, interest-rounding nearest|down,
                         loan-date and first-payment (yyyy-mm-dd; both: daily interest),
                         lump K:AMOUNT:shorten|lower, renew K:RATE)
  pecunex-report history  FILE.Nwh [--lines] [options]
  pecunex-report history  A.NWV B.NWV ... [--dates D1,D2,...] [--lines] [options]
                         (a net worth history: a saved history with its followed loans, or
                         net worth files dated by --dates, yyyy-mm-dd, one per file, or else
                         by the files' modification dates; --lines: the CSV of each line
                         across the statements instead of the summary)
  pecunex-report actual   FILE.Act [--period P] [--from DATE] [--transactions] [options]
  pecunex-report actual   FILE.Bgt --import BANK.ofx|.qfx|.qif|.csv [--import ...]
                         [--rule TEXT=RECORD]... [--rules FILE.Act] [--columns COLS]
                         [--period P] [--from DATE] [--transactions] [options]
                         (the budget held against what the bank says was spent: each
                         record's budgeted figure for the period, the money its
                         transactions moved, the difference and the per cent; a
                         transaction goes to the record of the first rule whose TEXT its
                         payee or memo holds, case ignored, money out to expenses only,
                         money in to income only; --rule rules come before those of
                         --rules and of the actuals file. P: the budget's period names
                         (Weekly ... Annual), DATE yyyy-mm-dd; without them the month of
                         the latest transaction. COLS: date=N,description=N,amount=N or
                         debit=N,credit=N, for CSV files whose header names do not fit.
                         --transactions lists the transactions of the period, or every
                         one without --period and --from)

The file is read, the schedule calculated as the worksheet's "Calculate" does, and the
printout the worksheet's "To Printer" makes is written to stdout as text: one line per
printed line, trailing blanks removed, a form feed before each new page. With --pdf or
--graph the files are written and nothing goes to stdout, unless --text asks for it.

Options may stand before or after the report's name and its file; --opt=value is the same
as --opt value; a repeated option counts as given last; -- ends the options (a file whose
name begins with a minus follows it).

options:
  --header TEXT    the one-line header of the printout (default: empty; no control characters)
  --font 0..3      printer font choice, which sets the page length: 0 standard (53 lines),
                   1 Courier New 10 pt (63), 2 11 pt (56), 3 12 pt (51)
                   (default: the choice saved in Personal.kpf beside this program, else 0)
  --currency SYM   currency symbol of 0 to 2 characters, "" for none
                   (default: Personal.kpf's, else "$")
  --csv            write the schedule as CSV instead of the printout: a header line, then
                   one line per schedule row (no total row), figures with a period and
                   two decimals, no thousands separators, dates as yyyy-mm-dd. Columns:
                     all payments:   payment,year,interest,principal,balance,
                                     cumulative_interest,cumulative_principal
                     with dates on:  payment,date,... (the same five figures)
                     annual totals:  year,interest,...   (with dates on: year,date,...)
                     net worth:      side,line,name,amount (side asset or liability,
                                     one line per line of the calculated statement)
                     budget:         side,number,description,amount,budgeted
                                     (side income or expense, amounts for the period)
                     compare:        plan,payment,payments,last_payment,total_interest,
                                     total_paid,years,interest_saved; with --schedule
                                     number,date,payment,interest,principal,extra,balance,
                                     with --annual year,payments,interest,principal,balance
                     history:        date,label,assets,liabilities,net_worth,change,
                                     change_since_first; with --lines line,kind, then
                                     one column per statement's date
  --period TEXT    budget: Weekly, 2 Weeks, Semi-monthly, Monthly, Quarterly,
                   Semi-annual or Annual (default Annual)
                     actual:         record,kind,budgeted,actual,difference,percent;
                                     with --transactions date,amount,description,record
  --period TEXT    budget, actual: Weekly, 2 Weeks, Semi-monthly, Monthly, Quarterly,
                   Semi-annual or Annual (default: budget Annual, actual Monthly)
  --sort TEXT      budget: Names A - Z (default), Names Z - A, Amounts Hi-Lo, Amounts Lo-Hi
  --pdf OUT.pdf    render the printout as a PDF file (not the input file), each page of
                   the printout on one sheet
  --paper a4|letter  the PDF's paper (default: the system's, from PAPERSIZE, then
                   /etc/papersize, then the locale: letter in the US and Canada, else A4)
  --graph OUT.png|OUT.svg   mortgage, loan, savings, goal, compare, history: draw the
                   worksheet's graph (compare: each plan's balance at the start of each
                   year, side by side; history: the net worth of the latest 40 statements),
                   1200 x 800 pixels; --3d: in three dimensions; --size WxH: its size
  --graph OUT.png|OUT.svg   mortgage, loan, savings, goal, compare, actual: draw the
                   worksheet's graph (compare: each plan's balance at the start of each
                   year, side by side; actual: budgeted and actual of the records with
                   the largest budgets), 1200 x 800 pixels; --3d: in three dimensions; --size WxH: its size
  --text           with --pdf or --graph: the printout on stdout as well (without them
                   it always is; --csv puts the CSV there instead)
  --help           this text

Numbers are always printed with a period and commas, dates as yyyy-mm-dd.
Exit status: 0 done; 2 usage error; 1 the file could not be read, the calculation failed
or an output could not be written.
)";

// ---- what a subcommand gets and gives ----

struct Job {
    std::string file;               // empty for savings
    std::vector<std::string> files; // compare: every file named
    ReportSettings settings;
    const CommandLine& line; // for the subcommand's own options
};

Refusal fileRefusal(const Job& job, int messageCode) {
    return {1, job.file + ": " + messageText(messageCode)};
}

// A file read by `parse`; a file that cannot be read fails as one in the wrong format.
template <class Parse> auto parsedFile(const std::string& file, Parse parse) {
    const auto text = readFileText(file);
    return text ? parse(*text) : decltype(parse(*text))(Failure{msg::FileNotFound, {}});
}

// ---- the subcommands ----

Made scheduleReport(const Job& job, LoanMode mode) {
    const auto text = readFileText(job.file);
    if (!text)
        return fileRefusal(job, msg::FileNotFound);
    const LoanFileRead read = readLoanFile(*text);
    // The batch report never prints a half-read file.
    if (read.error || !parseDateText(read.data.firstPaymentDate))
        return fileRefusal(job, msg::FileNotFound);
    if (read.data.input.mode != mode) {
        const char* right = read.data.input.mode == LoanMode::Loan ? "loan" : "mortgage";
        return Refusal{2, job.file + ": a " + right + " file: print it with 'pecunex-report " +
                              right + " " + job.file + "'"};
    }
    auto input = std::make_shared<AmortizationInput>(read.data.input);
    Result<Amortization> calculated = amortize(*input);
    if (!calculated)
        return fileRefusal(job, calculated.failure().code);
    auto result = std::make_shared<Amortization>(std::move(calculated).value());
    auto report = std::make_shared<ScheduleReportInput>();
    static_cast<ReportSettings&>(*report) = job.settings;
    report->input = input.get();
    report->result = result.get();
    report->formatDate = [](int serial) { return isoDate(serial); };
    return ReportOutput{[report, input, result](Printer& p) {
                            printDocument(p, report->fontChoice, [&](int lines) {
                                printScheduleReport(p, *report, lines);
                            });
                        },
                        [=] { return scheduleCsv(*input, *result); },
                        mortgageChart(*result, job.settings.currencySymbol)};
}

Made savingsReport(const Job& job) {
    auto plan = std::make_shared<GrowthInput>(defaultGrowthInput());
    for (const auto& [name, value] : job.line.lastUses())
        if (isSavingsOption(name))
            if (auto refused = setSavingsOption(*plan, name, value))
                return Refusal{2, *refused};
    Result<Growth> calculated = calculateGrowth(*plan);
    if (!calculated)
        return Refusal{1, "savings: " + messageText(calculated.failure().code)};
    auto growth = std::make_shared<Growth>(std::move(calculated).value());
    auto report = std::make_shared<SavingsReportInput>();
    static_cast<ReportSettings&>(*report) = job.settings;
    report->input = plan.get();
    report->table = growth->rows;
    report->periods = growth->periods;
    const std::vector<Currency> yearEnds = yearEndSeries(*growth);
    return ReportOutput{[report, plan, growth](Printer& p) { printSavingsDocument(p, *report); },
                        [=] { return savingsCsv(growth->rows, growth->periods); },
                        chartData(savingsGraph(yearEnds), job.settings.currencySymbol)};
}

Made goalReport(const Job& job) {
    std::optional<GoalInput> saved;
    if (!job.file.empty()) {
        Result<GoalInput> read = parsedFile(job.file, readGoalFile);
        if (!read)
            return fileRefusal(job, read.failure().code);
        saved = std::move(read).value();
    }
    Result<GoalInput> given = goalFromOptions(job.line.lastUses(), saved);
    if (!given)
        return Refusal{2, given.failure().what};
    auto goal = std::make_shared<GoalInput>(std::move(given).value());
    Result<GoalAnswer> solved = solveGoal(*goal);
    if (!solved)
        return Refusal{1, "goal: " + messageText(solved.failure().code)};
    auto answer = std::make_shared<GoalAnswer>(std::move(solved).value());
    auto report = std::make_shared<GoalReportInput>();
    static_cast<ReportSettings&>(*report) = job.settings;
    report->goal = goal.get();
    report->answer = answer.get();
    const std::vector<Currency> yearEnds = yearEndSeries(answer->growth);
    return ReportOutput{[report, goal, answer](Printer& p) { printGoalDocument(p, *report); },
                        [answer] { return goalCsv(*answer); },
                        chartData(goalGraph(yearEnds, goal->target), job.settings.currencySymbol)};
}

Made netWorthReport(const Job& job) {
    Result<NetWorthTables> calculated = parsedFile(job.file, netWorthStatementFromFile);
    if (!calculated)
        return fileRefusal(job, calculated.failure().code);
    auto statement = std::make_shared<NetWorthTables>(std::move(calculated).value());
    const NetWorthPrintout printout{job.settings.header, job.settings.currencySymbol, {}};
    const int font = job.settings.fontChoice;
    return ReportOutput{[=](Printer& p) { printNetWorthDocument(p, *statement, printout, font); },
                        [=] { return netWorthCsv(*statement); }, std::nullopt};
}

Made budgetReport(const Job& job) {
    auto options = std::make_shared<BudgetReportOptions>();
    static_cast<ReportSettings&>(*options) = job.settings;
    options->period = job.line.last("--period").value_or(options->period);
    options->sort = job.line.last("--sort").value_or(options->sort);
    if (std::string problem = budgetOptionsProblem(*options); !problem.empty())
        return Refusal{2, problem};
    auto prepared = parsedFile(
        job.file, [&](const std::string& text) { return prepareBudgetReport(text, *options); });
    if (!prepared)
        return fileRefusal(job, prepared.failure().code);
    std::shared_ptr<BudgetReport> report = std::move(prepared).value();
    return ReportOutput{[=](Printer& p) { printBudgetReport(p, *report, *options); },
                        [=] { return budgetCsv(report->tables, report->period->factor); },
                        std::nullopt};
}

Made compareReport(const Job& job) {
    CompareRequest request;
    request.files = job.files;
    for (const auto& [name, value] : job.line.options)
        if (name == "--plan")
            request.planTexts.push_back(value);
    request.schedule = job.line.last("--schedule").value_or("");
    request.annual = job.line.has("--annual");
    request.settings = job.settings;
    return makeCompareReport(request);
}

// The day a file was last changed, in this system's time zone.
std::optional<int> modificationDay(const std::string& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return std::nullopt;
    std::tm local{};
    if (!::localtime_r(&info.st_mtime, &local))
        return std::nullopt;
    return dateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

Made historyReport(const Job& job) {
    auto history = std::make_shared<History>();
    const std::optional<std::string> dates = job.line.last("--dates");
    if (job.files.size() == 1 &&
        endsWithNoCase(fs::path(job.files[0]).extension().string(), ".nwh")) {
        if (dates)
            return Refusal{2, "--dates goes with net worth files, not with " + job.files[0]};
        Result<History> read = parsedFile(job.file, readHistoryFile);
        if (!read)
            return fileRefusal(job, read.failure().code);
        *history = std::move(read).value();
        const std::string folder = fs::path(job.file).parent_path().string();
        for (const std::string& problem :
             readFollowedLoans(*history, folder.empty() ? "." : folder,
                               [](const std::string& path) { return readFileText(path); }))
            std::cerr << "pecunex-report: " << problem << "\n";
    } else {
        std::vector<std::string> given;
        if (dates) {
            std::string_view rest = *dates;
            while (true) {
                const std::size_t comma = rest.find(',');
                given.emplace_back(rest.substr(0, comma));
                if (comma == std::string_view::npos)
                    break;
                rest.remove_prefix(comma + 1);
            }
            if (given.size() != job.files.size())
                return Refusal{2, "--dates takes one date for each file (" +
                                      std::to_string(job.files.size()) + ")"};
        }
        for (std::size_t i = 0; i < job.files.size(); ++i) {
            const std::string& file = job.files[i];
            std::optional<int> day;
            if (dates) {
                day = given[i].size() == 10 ? parseDateText(given[i]) : std::nullopt;
                if (!day)
                    return Refusal{2, "--dates: " + given[i] + " is not a date (yyyy-mm-dd)"};
            } else
                day = modificationDay(file);
            const Result<NetWorthTables> read = parsedFile(file, readNetWorthFile);
            if (!read || !day)
                return Refusal{1, file + ": " + messageText(msg::FileNotFound)};
            if (auto refused = addStatement(*history, {*day, "", *read}, file))
                return Refusal{1, *refused};
        }
    }
    Result<HistoryResult> calculated = calculateHistory(*history);
    if (!calculated)
        return Refusal{1, job.files[0] + ": " + messageText(calculated.failure().code)};
    auto result = std::make_shared<HistoryResult>(std::move(calculated).value());
    auto report = std::make_shared<HistoryReportInput>();
    static_cast<ReportSettings&>(*report) = job.settings;
    report->result = result.get();
    report->formatDate = [](int serial) { return isoDate(serial); };
    const bool lines = job.line.has("--lines");
    return ReportOutput{
        [report, result](Printer& p) { printHistoryDocument(p, *report); },
        [result, lines] { return lines ? historyLinesCsv(*result) : historySummaryCsv(*result); },
        historyChart(*result, false, job.settings.currencySymbol, 40)};
}

Made actualReport(const Job& job) {
    ActualRequest request;
    request.file = job.file;
    for (const auto& [name, value] : job.line.options) {
        if (name == "--import")
            request.imports.push_back(value);
        else if (name == "--rule")
            request.rules.push_back(value);
    }
    request.rulesFile = job.line.last("--rules");
    request.period = job.line.last("--period");
    request.from = job.line.last("--from");
    request.columns = job.line.last("--columns");
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day ymd{today};
    request.today =
        dateSerial(static_cast<int>(ymd.year()), static_cast<int>(unsigned(ymd.month())),
                   static_cast<int>(unsigned(ymd.day())));
    auto made = prepareActual(request);
    if (auto* refused = std::get_if<ActualRefusal>(&made))
        return Refusal{refused->status, refused->message};
    std::shared_ptr<ActualPrepared> prepared = std::get<std::shared_ptr<ActualPrepared>>(made);
    auto report = std::make_shared<ActualReportInput>();
    static_cast<ReportSettings&>(*report) = job.settings;
    report->result = &prepared->result;
    report->actuals = &prepared->actuals;
    report->budget = &prepared->budget;
    report->budgetName = prepared->budgetName;
    const bool listTransactions = job.line.has("--transactions");
    return ReportOutput{[report, prepared](Printer& p) { printActualDocument(p, *report); },
                        [prepared, listTransactions] {
                            const ActualPrepared& a = *prepared;
                            if (!listTransactions)
                                return actualCsv(a.result);
                            const auto order = transactionOrder(
                                a.actuals.transactions, a.periodGiven ? &a.result.period : nullptr);
                            return transactionsCsv(a.actuals, a.budget, a.result.matches, order);
                        },
                        actualChart(prepared->result, job.settings.currencySymbol)};
}

// ---- the table ----

constexpr std::string_view GraphOptionNames[] = {"--graph", "--size", "--3d"};
constexpr int MaxComparedFiles = 3;

struct Subcommand {
    std::string_view name;
    bool takesFile;                        // one file, which must be named
    int maxFiles;                          // files it may take
    std::vector<std::string_view> options; // its own, beside the common ones
    Made (*run)(const Job&);
};

std::vector<std::string_view> withGraph(std::vector<std::string_view> names) {
    names.insert(names.end(), std::begin(GraphOptionNames), std::end(GraphOptionNames));
    return names;
}

std::vector<std::string_view> goalOptions() {
    std::vector<std::string_view> names(SavingsOptionNames.begin(), SavingsOptionNames.end());
    names.insert(names.end(), GoalOptionNames.begin(), GoalOptionNames.end());
    return names;
}

const std::vector<Subcommand>& subcommands() {
    static const std::vector<Subcommand> table = {
        {"mortgage", true, 1, withGraph({}),
         [](const Job& job) { return scheduleReport(job, LoanMode::Mortgage); }},
        {"loan", true, 1, withGraph({}),
         [](const Job& job) { return scheduleReport(job, LoanMode::Loan); }},
        {"budget", true, 1, {"--period", "--sort"}, budgetReport},
        {"networth", true, 1, {}, netWorthReport},
        {"compare", false, MaxComparedFiles, withGraph({"--plan", "--schedule", "--annual"}),
         compareReport},
        {"savings", false, 0,
         withGraph(
             std::vector<std::string_view>(SavingsOptionNames.begin(), SavingsOptionNames.end())),
         savingsReport},
        {"goal", false, 1, withGraph(goalOptions()), goalReport},
        {"history", true, MaxStatements, withGraph({"--lines", "--dates"}), historyReport},
        {"actual", true, 1,
         withGraph({"--import", "--rule", "--rules", "--columns", "--period", "--from",
                    "--transactions"}),
         actualReport},
    };
    return table;
}

constexpr std::string_view CommonOptionNames[] = {"--header", "--font",  "--currency", "--csv",
                                                  "--pdf",    "--paper", "--text",     "--help"};

// ---- from the command line to a job ----

struct Request {
    const Subcommand* subcommand = nullptr;
    std::string file;
    std::vector<std::string> files;
    std::string header;
    std::optional<int> font;
    std::optional<std::string> currency;
    OutputRequest output;
};

Failure usage(std::string reason) {
    return Failure{0, std::move(reason)};
}

// Both name the same file: the same file on disk, or the same path when it does not exist.
bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    return fs::weakly_canonical(fs::absolute(a, ec), ec) ==
               fs::weakly_canonical(fs::absolute(b, ec), ec) &&
           !ec;
}

Result<Request> readRequest(const CommandLine& line) {
    Request r;
    if (line.operands.empty())
        return usage("no report named");
    const std::string& name = line.operands.front();
    const auto& table = subcommands();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const Subcommand& s) { return s.name == name; });
    if (found == table.end())
        return usage("unknown report '" + name + "'");
    r.subcommand = &*found;
    for (const auto& [option, value] : line.options) {
        const auto& own = r.subcommand->options;
        if (std::ranges::find(CommonOptionNames, option) == std::end(CommonOptionNames) &&
            std::ranges::find(own, option) == own.end())
            return usage(name + " takes no " + option);
    }
    const std::size_t files = line.operands.size() - 1;
    if (r.subcommand->maxFiles == 0 && files > 0)
        return usage(name + " takes no file");
    if (r.subcommand->takesFile && files == 0)
        return usage("no file named");
    if (files > static_cast<std::size_t>(r.subcommand->maxFiles))
        return usage(r.subcommand->maxFiles == 1
                         ? std::string("more than one file")
                         : name + " takes at most " + std::to_string(r.subcommand->maxFiles) +
                               " files");
    r.files.assign(line.operands.begin() + 1, line.operands.end());
    if (files == 1)
        r.file = line.operands[1];

    std::optional<Paper> paper;
    for (const auto& [option, value] : line.lastUses()) {
        if (option == "--header") {
            if (hasControlCharacter(value))
                return usage("--header takes a text without control characters");
            r.header = value;
        } else if (option == "--font") {
            if (value.size() != 1 || value[0] < '0' || value[0] > '3')
                return usage("--font takes 0, 1, 2 or 3");
            r.font = value[0] - '0';
        } else if (option == "--currency") {
            // What Personalize lets a user type: up to two characters, no control characters.
            if (!isTypableCurrencySymbol(value))
                return usage("--currency takes 0 to 2 characters without control characters");
            r.currency = value;
        } else if (option == "--csv" || option == "--transactions") {
            r.output.csv = true; // the transactions are a CSV list
        } else if (option == "--pdf") {
            r.output.pdf = value;
        } else if (option == "--paper") {
            paper = paperNamed(value);
            if (!paper)
                return usage("--paper takes a4 or letter");
        } else if (option == "--text") {
            r.output.text = true;
        } else if (isGraphOption(option)) {
            if (auto refused = setGraphOption(r.output.graph, option, value))
                return usage(*refused);
        }
    }
    if (auto problem = graphRequestProblem(r.output.graph))
        return usage(*problem);
    r.output.paper = paper ? *paper : systemPaper(paperSourcesOfThisSystem());
    if (r.output.text && r.output.csv)
        return usage("--text and --csv both ask for standard output");
    for (const auto* output : {&r.output.pdf, &r.output.graph.file})
        for (const std::string& input : r.files)
            if (*output && sameFile(**output, input))
                return usage(**output + " is the file being printed, " + input);
    if (r.output.pdf && r.output.graph.file && sameFile(*r.output.pdf, *r.output.graph.file))
        return usage("--pdf and --graph both name " + *r.output.pdf);
    return r;
}

fs::path programFolder(const char* argv0) {
    std::error_code ec;
    auto exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = fs::absolute(argv0, ec);
    return exe.parent_path();
}

int usageError(const std::string& reason) {
    std::cerr << "pecunex-report: " << reason << "\n" << UsageLine << "\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const Result<CommandLine> line = parseCommandLine(args, reportKnownOptions());
    if (!line)
        return usageError(line.failure().what);
    if (line->has("--help")) {
        std::cout << HelpText;
        return 0;
    }
    const Result<Request> request = readRequest(*line);
    if (!request)
        return usageError(request.failure().what);

    // Beside the program in the build tree; the user's configuration folder once installed.
    const QString program = QString::fromStdString(programFolder(argv[0]).string());
    const SettingsRead stored =
        loadPersonalSettings(paths::settingsFolder(paths::foldersOf(program).data).toStdString());
    Job job{request->file, request->files, {}, *line};
    job.settings.header = request->header;
    job.settings.fontChoice = request->font.value_or(stored.settings.printerFontChoice);
    job.settings.currencySymbol = request->currency.value_or(stored.settings.currencySymbol);

    const Made made = request->subcommand->run(job);
    if (const auto* refusal = std::get_if<Refusal>(&made)) {
        if (refusal->status == 2)
            return usageError(refusal->message);
        std::cerr << "pecunex-report: " << refusal->message << "\n";
        return refusal->status;
    }
    return emitReport(std::get<ReportOutput>(made), request->output, argv);
}
