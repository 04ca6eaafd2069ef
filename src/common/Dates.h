#pragma once
// Calendar dates as day numbers (days since 30 Dec 1899, so 1 Jan 1900 is 2), the form the
// schedule tables store. Pure: the GUI turns them into the system's short date form itself.
#include <optional>
#include <string>
#include <string_view>

int dateSerial(int year, int month, int day);
void dateParts(int serial, int& year, int& month, int& day);
// Adds whole months; a day past the end of the target month becomes its last day.
int addMonths(int serial, int months);
inline int addDays(int serial, int days) {
    return serial + days;
}
// "2027-01-15"
std::string isoDate(int serial);
// Accepts ISO (2027-01-15) and month/day/year (1/15/2027, 1/15/27: 00-29 -> 20xx, 30-99 -> 19xx).
std::optional<int> parseDateText(std::string_view text);
