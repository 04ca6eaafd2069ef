// pecunex-report: prints a saved mortgage or loan file the way the worksheet's "To Printer"
// would, as printer text on stdout, as CSV, or as a PDF, without a display.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>
#include <QFile>
#include <QString>

#include "Amortization.h"
#include "BudgetCsv.h"
#include "BudgetReport.h"
#include "ChartImage.h"
#include "Dates.h"
#include "GraphSeries.h"
#include "Growth.h"
#include "LoanFile.h"
#include "Messages.h"
#include "NetWorthReport.h"
#include "Printer.h"
#include "ProgramPaths.h"
#include "QtPrinter.h"
#include "SafeSave.h"
#include "SavingsOptions.h"
#include "SavingsReport.h"
#include "ScheduleReport.h"
#include "SettingsFile.h"
#include "TextPrinter.h"

namespace {

constexpr std::string_view UsageLine =
    "usage: pecunex-report mortgage|loan|budget|networth FILE [--header TEXT] [--font 0..3] [--currency SYM] "
    "[--csv] [--pdf OUT.pdf] [--period TEXT] [--sort TEXT] | savings [plan options] [...] | --help";

constexpr std::string_view HelpText = R"(pecunex-report: prints a saved Pecunex file without the desktop program.

usage:
  pecunex-report mortgage FILE.umd [options]
  pecunex-report loan     FILE.uld [options]
  pecunex-report savings [--lump X] [--contribution X] [--frequency Annually|Quarterly|Monthly]
                         [--rate R] [--increase G] [--inflation F] [--years 0..40] [options]
                         (defaults: the worksheet's, 0 / 1200 / Annually / 20 / 0 / 0 / 25;
                         --csv columns: period,invested,interest,value)
  pecunex-report networth FILE.NWV [options]
  pecunex-report budget   FILE.Bgt [--period TEXT] [--sort TEXT] [options]

The file is read, the schedule calculated as the worksheet's "Calculate" does, and the
printout the worksheet's "To Printer" makes is written to stdout as text: one line per
printed line, trailing blanks removed, a form feed before each new page.

options:
  --header TEXT    the one-line header of the printout (default: empty)
  --font 0..3      printer font choice, which sets the page length: 0 standard (53 lines),
                   1 Courier New 10 pt (63), 2 11 pt (56), 3 12 pt (51)
                   (default: the choice saved in Personal.kpf, else 0; Personal.kpf is
                   beside this program, or in ~/.config/pecunex once installed)
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
  --period TEXT    budget: Weekly, 2 Weeks, Semi-monthly, Monthly, Quarterly,
                   Semi-annual or Annual (default Annual)
  --sort TEXT      budget: Names A - Z (default), Names Z - A, Amounts Hi-Lo, Amounts Lo-Hi
  --pdf OUT.pdf    also render the printout as a PDF file
  --graph OUT.png|OUT.svg   also draw the balance at the start of each year as a bar
                   graph, 1200 x 800 pixels; --3d: in three dimensions; --size WxH: its size
  --help           this text

Numbers are always printed with a period and commas, dates as yyyy-mm-dd.
Exit status: 0 done; 2 usage error; 1 the file could not be read or the calculation failed.
)";

enum class Kind { Mortgage, Loan, Savings, NetWorth, Budget };

struct Options {
    Kind kind = Kind::Mortgage;
    std::string file;
    std::string header;
    std::optional<int> font;
    std::optional<std::string> currency;
    bool csv = false;
    std::optional<std::string> pdf;
    GrowthInput savings = defaultGrowthInput();
    std::optional<std::string> period, sort;  // budget only
};

struct UsageError {
    std::string reason;
};

std::optional<int> parseFontChoice(std::string_view text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '3')
        return std::nullopt;
    return text[0] - '0';
}

// Returns the options, or the reason for a usage error. `help` is set by --help.
std::optional<Options> parseArguments(const std::vector<std::string>& args, bool& help, UsageError& error) {
    help = false;
    for (const auto& a : args)
        if (a == "--help") {
            help = true;
            return std::nullopt;
        }
    if (args.empty()) {
        error.reason = "no report named";
        return std::nullopt;
    }
    Options o;
    const std::string& command = args[0];
    if (command == "mortgage") {
        o.kind = Kind::Mortgage;
    } else if (command == "loan") {
        o.kind = Kind::Loan;
    } else if (command == "savings") {
        o.kind = Kind::Savings;
    } else if (command == "networth") {
        o.kind = Kind::NetWorth;
    } else if (command == "budget") {
        o.kind = Kind::Budget;
    } else {
        error.reason = "unknown report '" + command + "'";
        return std::nullopt;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error.reason = a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--header") {
            if (!value(o.header))
                return std::nullopt;
        } else if (a == "--font") {
            if (!value(v))
                return std::nullopt;
            o.font = parseFontChoice(v);
            if (!o.font) {
                error.reason = "--font takes 0, 1, 2 or 3";
                return std::nullopt;
            }
        } else if (a == "--currency") {
            if (!value(v))
                return std::nullopt;
            // What Personalize lets a user type: up to two characters, no control characters.
            if (!isTypableCurrencySymbol(v)) {
                error.reason = "--currency takes 0 to 2 characters without control characters";
                return std::nullopt;
            }
            o.currency = v;
        } else if (a == "--pdf") {
            if (!value(v))
                return std::nullopt;
            o.pdf = v;
        } else if (a == "--period" || a == "--sort") {
            if (!value(v))
                return std::nullopt;
            (a == "--period" ? o.period : o.sort) = v;
        } else if (a == "--csv") {
            o.csv = true;
        } else if (o.kind == Kind::Savings && isSavingsOption(a)) {
            if (!value(v))
                return std::nullopt;
            if (auto refused = setSavingsOption(o.savings, a, v)) {
                error.reason = *refused;
                return std::nullopt;
            }
        } else if (o.kind == Kind::Savings && !(a.size() > 1 && a[0] == '-')) {
            error.reason = "savings takes no file";
            return std::nullopt;
        } else if (a.size() > 1 && a[0] == '-') {
            error.reason = "unknown option " + a;
            return std::nullopt;
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            error.reason = "more than one file";
            return std::nullopt;
        }
    }
    if (o.file.empty() && o.kind != Kind::Savings) {
        error.reason = "no file named";
        return std::nullopt;
    }
    return o;
}

std::filesystem::path programFolder(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path();
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(text).str();
}

PersonalSettings loadSettings(const char* argv0) {
    // Beside the program in the build tree; the user's configuration folder once installed.
    const QString program = QString::fromStdString(programFolder(argv0).string());
    const QString folder = paths::settingsFolder(paths::foldersOf(program).data);
    const auto text = readWholeFile(std::filesystem::path(folder.toStdString()) / "Personal.kpf");
    if (!text)
        return {};
    SettingsRead read = parseSettings(*text);
    if (!read.complete)
        read.settings.printerFontChoice = 0;  // a damaged file leaves the standard font
    return read.settings;
}

// Two decimals, period, no thousands separators, rounded half away from zero.
std::string csvFigure(Currency value) {
    std::int64_t raw = value.raw();
    const bool negative = raw < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const std::uint64_t cents = (magnitude + 50) / 100;
    std::string fraction = std::to_string(cents % 100);
    if (fraction.size() < 2)
        fraction.insert(0, "0");
    std::string out = negative && cents != 0 ? "-" : "";
    return out + std::to_string(cents / 100) + "." + fraction;
}

std::string wholeNumber(Currency value) { return std::to_string(value.raw() / Currency::Scale); }

std::string scheduleCsv(const AmortizationInput& input, const Amortization& result) {
    const bool annual = input.scheduleView == 1;
    const bool dated = input.dateView == 1;
    std::string out = annual ? "year" : "payment";
    if (dated)
        out += ",date";
    else if (!annual)
        out += ",year";
    out += ",interest,principal,balance,cumulative_interest,cumulative_principal\r\n";
    for (int k = 1; k <= result.last; ++k) {
        const ScheduleRow& row = result.rows[static_cast<std::size_t>(k)];
        out += wholeNumber(row.number);
        if (dated)
            out += "," + isoDate(static_cast<int>(row.dateOrYear.raw() / Currency::Scale));
        else if (!annual)
            out += "," + wholeNumber(row.dateOrYear);
        for (Currency c : {row.interest, row.principal, row.balance, row.cumInterest, row.cumPrincipal})
            out += "," + csvFigure(c);
        out += "\r\n";
    }
    return out;
}

int usageError(const std::string& reason) {
    std::cerr << "pecunex-report: " << reason << "\n" << UsageLine << "\n";
    return 2;
}

int fail(const std::string& message) {
    std::cerr << message << "\n";
    return 1;
}

// Qt's start-up chatter (no runtime folder, font cache notes) is not the report's business.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << text.toStdString() << "\n";
}

// A PDF the writer finished ends with its end-of-file marker; a short write (a full disk)
// leaves it without one.
bool pdfComplete(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 6) return false;
    file.seek(file.size() - std::min<qint64>(file.size(), 32));
    return file.readAll().contains("%%EOF");
}

// Draws a printout into a PDF; `draw` runs the printer set-up, the report and the end of document.
bool writePdf(const std::string& fileName, char* argv0, const std::function<void(Printer&)>& draw) {
    // The PDF is drawn without a screen, whatever display the caller may have.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietQtMessages);
    int argc = 1;
    char* argv[] = {argv0, nullptr};
    const PdfApplication app(argc, argv);
    // Drawn into a temporary file beside the target, which replaces the target only when complete.
    return platform::saveFileThrough(QString::fromStdString(fileName), [&](const QString& temporary) {
        auto printer = QtPrinter::toPdf(temporary);
        if (!printer)
            return false;
        draw(*printer);
        const bool drawn = !printer->failed();
        printer.reset();
        return drawn && pdfComplete(temporary);
    });
}

// Writes what every subcommand produces: the PDF when asked, then the CSV or the printer text on
// stdout. `print` makes the whole document (set-up, the report's lines, end of document).
int emitReport(const Options& opt, char* argv0, const std::function<void(Printer&)>& print,
               const std::function<std::string()>& csv) {
    if (opt.pdf && !writePdf(*opt.pdf, argv0, print))
        return fail("pecunex-report: cannot write " + *opt.pdf);
    if (opt.csv) {
        std::cout << csv();
    } else {
        TextPrinter printer;
        print(printer);
        std::cout << printer.text();
    }
    std::cout.flush();
    if (!std::cout)
        return fail("pecunex-report: cannot write standard output");
    return 0;
}

// ---- savings: a plan given by options, no file ----

int savingsReport(const Options& opt, const GraphRequest& graph, int fontChoice, const std::string& currency,
                  char* argv0) {
    const Result<Growth> growth = calculateGrowth(opt.savings);
    if (!growth)
        return fail(messageText(growth.failure().code));
    SavingsReportInput report;
    report.input = &opt.savings;
    report.table = growth->rows;
    report.periods = growth->periods;
    report.header = opt.header;
    report.currencySymbol = currency;
    report.fontChoice = fontChoice;
    const std::vector<Currency> yearEnds = yearEndSeries(*growth);
    const ChartData chart = chartData(savingsSeries(yearEnds), static_cast<int>(yearEnds.size()),
                                      std::string(SavingsGraphTitle), currency);
    if (!writeGraphImage(graph, chart, argv0))
        return fail("pecunex-report: cannot write " + graph.file.value_or(""));
    return emitReport(opt, argv0, [&](Printer& printer) { printSavingsDocument(printer, report); },
                      [&] { return savingsCsv(growth->rows, growth->periods); });
}

// Net worth: the statement of a saved file, as printer text, CSV or PDF.
int netWorthReport(const Options& opt, int fontChoice, const std::string& currency, char* argv0) {
    const auto text = readWholeFile(opt.file);
    const Result<NetWorthTables> statement =
        text ? netWorthStatementFromFile(*text) : Result<NetWorthTables>(Failure{msg::FileNotFound, "unreadable"});
    if (!statement)
        return fail("pecunex-report: " + opt.file + ": " + messageText(statement.failure().code));
    const NetWorthPrintout printout{opt.header, currency, {}};
    return emitReport(
        opt, argv0, [&](Printer& p) { printNetWorthDocument(p, *statement, printout, fontChoice); },
        [&] { return netWorthCsv(*statement); });
}

int budgetReport(const Options& opt, int fontChoice, const std::string& currency, char* argv0) {
    BudgetReportOptions options;
    options.period = opt.period.value_or(options.period);
    options.sort = opt.sort.value_or(options.sort);
    options.header = opt.header;
    options.currencySymbol = currency;
    options.fontChoice = fontChoice;
    if (const std::string problem = budgetOptionsProblem(options); !problem.empty())
        return usageError(problem);
    const auto text = readWholeFile(opt.file);
    if (!text)
        return fail(messageText(msg::FileNotFound));
    const auto report = prepareBudgetReport(*text, options);
    if (!report)
        return fail(messageText(report.failure().code));
    return emitReport(
        opt, argv0, [&](Printer& printer) { printBudgetReport(printer, **report, options); },
        [&] { return budgetCsv((*report)->tables, (*report)->period->factor); });
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // The bar graph: --graph OUT.png|OUT.svg [--3d] [--size WxH].
    GraphRequest graph;
    if (const auto bad = takeGraphOptions(args, graph))
        return usageError(*bad);
    bool help = false;
    UsageError usage;
    const auto parsed = parseArguments(args, help, usage);
    if (help) {
        std::cout << HelpText;
        return 0;
    }
    if (!parsed)
        return usageError(usage.reason);
    const Options& opt = *parsed;

    const PersonalSettings settings = loadSettings(argv[0]);
    const int fontChoice = opt.font.value_or(settings.printerFontChoice);
    const std::string currency = opt.currency.value_or(settings.currencySymbol);
    if (opt.kind == Kind::Savings)
        return savingsReport(opt, graph, fontChoice, currency, argv[0]);
    if (opt.kind == Kind::NetWorth)
        return netWorthReport(opt, fontChoice, currency, argv[0]);
    const std::string fileMessage = messageText(msg::FileNotFound);
    if (opt.kind == Kind::Budget)
        return budgetReport(opt, fontChoice, currency, argv[0]);

    const auto text = readWholeFile(opt.file);
    if (!text)
        return fail(fileMessage);
    LoanFileRead read = readLoanFile(*text);
    // The batch report never prints a half-read file.
    if (read.error || !parseDateText(read.data.firstPaymentDate))
        return fail(fileMessage);
    AmortizationInput& input = read.data.input;
    input.mortgageMode = opt.kind == Kind::Loan ? 2 : 1;

    const Result<Amortization> result = amortize(input);
    if (!result)
        return fail(messageText(result.failure().code));

    ScheduleReportInput report;
    report.input = &input;
    report.result = &result.value();
    report.header = opt.header;
    report.currencySymbol = currency;
    report.fontChoice = fontChoice;
    report.formatDate = [](int serial) { return isoDate(serial); };

    if (!writeGraphImage(graph, mortgageChart(result.value(), input.scheduleView == 1, input.principal, currency),
                         argv[0]))
        return fail("pecunex-report: cannot write " + graph.file.value_or(""));
    const auto drawSchedule = [&](Printer& printer) {
        const int lines = printerSetUp(printer, fontChoice);
        printScheduleReport(printer, report, lines);
        printer.endDocument();
    };
    return emitReport(opt, argv[0], drawSchedule, [&] { return scheduleCsv(input, result.value()); });
}
