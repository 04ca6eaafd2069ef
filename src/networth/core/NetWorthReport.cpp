#include "NetWorthReport.h"

#include <algorithm>

#include "Csv.h"
#include "NetWorthCalc.h"
#include "NetWorthFile.h"
#include "Printer.h"
#include "ReportFrame.h"

namespace {

constexpr int NameWidth = 25;
const std::string Rule = " " + std::string(78, '_');

// Names print their first 25 characters.
std::string nameField(const std::string& name) {
    return charCount(name) > NameWidth ? RightAlign(name, NameWidth) : name;
}

std::string amountField(const std::optional<double>& amount, const NumberSeparators& seps) {
    return RightAlign(amount ? formatNumber(*amount, "####,,###.00", seps) : std::string(), 12);
}

void appendCsvSide(std::string& out, const char* side, const NetWorthTable& rows, int count) {
    const NumberSeparators plain{".", ""};
    for (int i = 1; i <= count; ++i) {
        const NetWorthLine& line = rows[static_cast<std::size_t>(i)];
        out += side;
        out += "," + std::to_string(i) + "," + csvField(line.name) + ",";
        if (line.amount)
            out += formatNumber(*line.amount, "####,,##0.00", plain);
        out += "\r\n";
    }
}

} // namespace

void printNetWorthStatement(Printer& p, const NetWorthTables& t, const NetWorthPrintout& out) {
    const NumberSeparators& seps = out.seps;
    p.emptyLine();
    p.print({Tab(2), out.header});
    p.emptyLine();
    p.print({Tab(32), "NET WORTH STATEMENT"});
    p.emptyLine();
    p.emptyLine();
    p.print({Tab(2), "ASSETS", Tab(42), "LIABILITIES"});
    p.print({Tab(2), "______", Tab(42), "___________"});
    p.emptyLine();
    const int lines = std::max(t.AssetCount, t.LiabilityCount);
    for (int i = 1; i <= lines; ++i) {
        const auto row = static_cast<std::size_t>(i);
        // A list shorter than the other prints an empty name and a blank amount.
        const NetWorthLine none;
        const NetWorthLine& asset = i <= t.AssetCount ? t.AssetRows[row] : none;
        const NetWorthLine& liability = i <= t.LiabilityCount ? t.LiabilityRows[row] : none;
        p.print({Tab(2), nameField(asset.name), Tab(28), amountField(asset.amount, seps), Tab(42),
                 nameField(liability.name), Tab(68), amountField(liability.amount, seps)});
    }
    p.emptyLine();
    p.print({Rule});
    p.emptyLine();
    const auto total = [&](Currency value, int width) {
        return RightAlign(out.currencySymbol + formatNumber(value, "####,,###.00", seps), width);
    };
    p.print({Tab(2), "Total Assets", Tab(27), total(t.TotalAssets, 13), Tab(42),
             "Total Liabilities", Tab(67), total(t.TotalLiabilities, 13)});
    p.emptyLine();
    p.emptyLine();
    // The calculation has checked that the difference fits.
    p.print({Tab(30), "Net Worth = ", total(netWorthOf(t).value_or(Currency{}), 14)});
}

std::string netWorthCsv(const NetWorthTables& t) {
    std::string out = "side,line,name,amount\r\n";
    appendCsvSide(out, "asset", t.AssetRows, t.AssetCount);
    appendCsvSide(out, "liability", t.LiabilityRows, t.LiabilityCount);
    return out;
}

Result<NetWorthTables> netWorthStatementFromFile(std::string_view fileText) {
    const Result<NetWorthTables> stored = readNetWorthFile(fileText);
    if (!stored)
        return stored.failure();
    return calculateNetWorth(*stored);
}

void printNetWorthDocument(Printer& printer, const NetWorthTables& tables,
                           const NetWorthPrintout& out, int fontChoice) {
    printDocument(printer, fontChoice, [&](int) { printNetWorthStatement(printer, tables, out); });
}
