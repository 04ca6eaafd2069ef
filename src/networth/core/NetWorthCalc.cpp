#include "NetWorthCalc.h"

#include <algorithm>

#include "Messages.h"

namespace {

Failure cannotCalculate(const char* what) {
    return Failure{msg::CannotCalculate, what};
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool isSubTotal(std::string_view name) {
    return std::ranges::equal(name, std::string_view("SUB TOTAL"), {}, upper);
}

Result<PackedList> packList(const NetWorthTable& rows) {
    PackedList out;
    for (int i = 1; i <= NetWorthLines; ++i) {
        const NetWorthLine& line = rows[static_cast<std::size_t>(i)];
        if (line.name.empty())
            continue;
        out.rows[static_cast<std::size_t>(++out.count)] = line;
    }
    double runningSubTotal = 0.0;
    for (int i = 1; i <= out.count; ++i) {
        NetWorthLine& line = out.rows[static_cast<std::size_t>(i)];
        const bool subTotal = isSubTotal(line.name);
        // A sub-total line's own amount never counts: it is replaced below.
        if (subTotal)
            line.amount.reset();
        const double amount = line.amount.value_or(0.0);
        const auto asCurrency = Currency::fromDouble(amount);
        if (!asCurrency)
            return cannotCalculate("an amount does not fit in a currency");
        const auto total = out.total.plus(*asCurrency);
        if (!total)
            return cannotCalculate("the total does not fit in a currency");
        out.total = *total;
        runningSubTotal += amount;
        if (subTotal) {
            // The first line of a list has nothing above it to sum: it stays blank.
            if (i > 1)
                line.amount = runningSubTotal;
            runningSubTotal = 0.0;
        }
    }
    return out;
}

Result<NetWorthTables> calculateNetWorth(const NetWorthTables& tables) {
    const Result<PackedList> assets = packList(tables.AssetRows);
    if (!assets)
        return assets.failure();
    const Result<PackedList> liabilities = packList(tables.LiabilityRows);
    if (!liabilities)
        return liabilities.failure();
    NetWorthTables out = tables;
    out.AssetRows = assets->rows;
    out.AssetCount = static_cast<std::int16_t>(assets->count);
    out.TotalAssets = assets->total;
    out.LiabilityRows = liabilities->rows;
    out.LiabilityCount = static_cast<std::int16_t>(liabilities->count);
    out.TotalLiabilities = liabilities->total;
    if (!netWorthOf(out))
        return cannotCalculate("the net worth does not fit in a currency");
    return out;
}

std::optional<Currency> netWorthOf(const NetWorthTables& tables) {
    return tables.TotalAssets.minus(tables.TotalLiabilities);
}

bool insertBlankLine(NetWorthTable& rows, std::int16_t& count, int lineNumber) {
    if (lineNumber < 1 || lineNumber >= NetWorthLines - 1 || count >= NetWorthLines)
        return false;
    ++count;
    for (int i = count; i > lineNumber; --i)
        rows[static_cast<std::size_t>(i)] = rows[static_cast<std::size_t>(i - 1)];
    rows[static_cast<std::size_t>(lineNumber)] = NetWorthLine{"BlankLine", std::nullopt};
    return true;
}

std::string listedAmountText(const std::optional<double>& amount, const NumberSeparators& seps) {
    if (!amount || !(*amount > 0.0))
        return {};
    return formatNumber(*amount, "####,,###.00", seps);
}

std::string typedAmountText(const std::optional<double>& amount, const NumberSeparators& seps) {
    return amount ? formatNumber(*amount, "###,,###.00", seps) : std::string();
}

std::optional<double> amountFromTyped(std::string_view buffer) {
    if (buffer.empty())
        return std::nullopt;
    return leadingNumber(buffer, ".");
}

std::string totalText(Currency total, std::string_view symbol, const NumberSeparators& seps) {
    return std::string(symbol) + formatNumber(total, "####,,##0.00", seps);
}

std::string netWorthText(Currency net, std::string_view symbol, const NumberSeparators& seps) {
    return std::string(symbol) + formatNumber(net, "####,,###.00", seps);
}

KeyVerdict judgeNameKey(char32_t key) {
    return key == U'"' ? KeyVerdict::Ignore : KeyVerdict::Accept;
}

KeyVerdict judgeAmountKey(std::string_view buffer, char32_t key) {
    if (key == U'"')
        return KeyVerdict::Ignore;
    const bool digit = key >= U'0' && key <= U'9';
    if (!digit && key != U'.')
        return KeyVerdict::Beep;
    // At most two decimals: judged on the buffer with the key added, so a second period
    // after two decimals is refused as well.
    const std::size_t point = buffer.find('.');
    if (point == std::string_view::npos)
        return KeyVerdict::Accept;
    return buffer.size() - point - 1 >= 2 ? KeyVerdict::Ignore : KeyVerdict::Accept;
}
