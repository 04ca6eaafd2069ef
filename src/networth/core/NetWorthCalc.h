#pragma once
// The net worth calculation: each list is packed (lines with an empty name dropped), its
// "Sub Total" lines receive the sum of the lines above them back to the previous one, and
// its total is the sum of the ordinary lines. Also the texts the grids and labels show.
#include <optional>
#include <string>
#include <string_view>

#include "NetWorthTables.h"
#include "NumberFormat.h"
#include "Result.h"

// "Sub Total" in any mix of upper and lower case; nothing else (no extra blanks).
bool isSubTotal(std::string_view name);

struct PackedList {
    NetWorthTable rows{}; // kept lines in rows 1..count, the rest empty
    int count = 0;
    Currency total;
};

// One list. Fails with message 26 when an amount or the total does not fit in a currency.
Result<PackedList> packList(const NetWorthTable& rows);

// Both lists: packed rows, counts and totals; NetWorthUnsaved is left as it was.
// Fails with message 26 (the tables are then unusable and should be left as they were).
Result<NetWorthTables> calculateNetWorth(const NetWorthTables& tables);

// TotalAssets minus TotalLiabilities; empty when the difference does not fit.
std::optional<Currency> netWorthOf(const NetWorthTables& tables);

// Puts a line named "BlankLine" with the empty amount at line `lineNumber` (1..28),
// moving the lines from there down by one; `count` grows by one. Numbers 0 and 29 or more,
// and a list that already holds 30 lines, change nothing. True when a line was inserted.
bool insertBlankLine(NetWorthTable& rows, std::int16_t& count, int lineNumber);

// What the grid shows for a calculated line's amount: "####,,###.00" above zero, else "".
std::string listedAmountText(const std::optional<double>& amount, const NumberSeparators& seps);
// What an amount cell shows while it is typed into: "###,,###.00", "" for the empty amount.
std::string typedAmountText(const std::optional<double>& amount, const NumberSeparators& seps);
// The amount a typed buffer stands for: its leading number (the period is the typed
// decimal point on every system), the empty amount when the buffer is empty.
std::optional<double> amountFromTyped(std::string_view buffer);
// The grid row of a list's total line: two empty rows after the last line.
inline int totalRowFor(int count) {
    return count + 3;
}
// The total line's figure ("####,,##0.00") and the net worth label ("####,,###.00"),
// both after the currency symbol.
std::string totalText(Currency total, std::string_view symbol, const NumberSeparators& seps);
std::string netWorthText(Currency net, std::string_view symbol, const NumberSeparators& seps);

// How a key typed into a cell is judged.
enum class KeyVerdict { Accept, Beep, Ignore };
// Name column: everything but the double quote, which is ignored.
KeyVerdict judgeNameKey(char32_t key);
// Amount column: digits and the period only (others beep, the double quote is ignored);
// silently refused when the
// buffer plus the key holds a period and the buffer already has two characters after it.
KeyVerdict judgeAmountKey(std::string_view buffer, char32_t key);
