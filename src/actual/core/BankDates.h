#pragma once
// Dates as bank exports write them. A file may write 03/04/2025 for the 3rd of April or for
// the 4th of March; which one it means is decided for the whole file, so a date is first split
// into its numbers and read only once every date of the file has been seen.
#include <optional>
#include <string_view>

struct BankDateText {
    int year = 0;
    int first = 0, second = 0; // day and month, in an order still unknown unless yearFirst
    bool yearFirst = false;    // 2025-03-04 and 20250304: month then day
};

// Splits "2025-03-04", "20250304", "3/4/2025", "03.04.25", "8/31' 0" and the like (separators
// `/`, `.` or `-`, blanks anywhere ignored, a time of day after the date ignored). A two-digit
// year means 1970-2069, or 2000-2099 after an apostrophe. Empty when the text is no date.
std::optional<BankDateText> splitBankDate(std::string_view text);

// True when the date cannot be month first: its first number is no month.
bool needsDayFirst(const BankDateText& date);

// The day number of the date read day first or month first; empty when no such day exists.
std::optional<int> bankDateSerial(const BankDateText& date, bool dayFirst);
