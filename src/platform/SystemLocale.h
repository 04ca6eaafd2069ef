#pragma once
// The system's number and date conventions, for what the windows show.
#include <optional>
#include <string>

#include "NumberFormat.h"

namespace platform {
NumberSeparators systemSeparators();
// Short date text of a day number, and the day number of a typed date: the system's
// short form, ISO (yyyy-mm-dd) and month/day/year are accepted.
std::string shortDate(int serial);
std::optional<int> parseDate(const std::string& text);
// Today's date as a day number.
int today();
} // namespace platform
