#pragma once
// The pieces of every worksheet's CSV (RFC 4180): a text field, quoted only when it must
// be, and a money figure with a period and two decimals.
#include <string>
#include <string_view>

#include "Currency.h"

// The text as it is, or in double quotes (quotes doubled) when it holds a comma, a double
// quote or a line end.
std::string csvField(std::string_view text);

// Two decimals, a period, no thousands separators, rounded half away from zero from the
// exact four decimals; no sign on a figure that rounds to zero.
std::string csvFigure(Currency value);
