#pragma once
// Number patterns, fixed-width right alignment and the leading-number reading used by
// every entry field, grid cell and printout.
//
// Strings are UTF-8; widths and lengths count characters (code points), not bytes.
#include <string>
#include <string_view>

class Currency;

struct NumberSeparators {
    std::string decimalPoint = ".";
    std::string thousands = ",";
};

// Formats `value` by one of the program's patterns:
//   "###,,###.00" "####,,###.00" "##,,###.00" "###,###.00": thousands groups, two decimals,
//        no digit before the point when the whole part is 0 (.50, .00), minus sign first;
//   "####,,##0.00": the same with a 0 before the point;
//   "###.00" / "###.000": two / three decimals, no groups, .00 for 0;
//   "###.##": up to two decimals, trailing zeros (and a bare point) dropped;
//   "###" "##" "####": the rounded whole number, no groups, "" for 0;
//   "0.########": a digit before the point, up to eight decimals, trailing zeros dropped.
// Rounding is half away from zero at the last decimal, from the value's decimal form:
// a Currency from its exact four decimals, a double from its 15-significant-digit form.
// An unknown pattern is a programming error (std::invalid_argument).
std::string formatNumber(double value, std::string_view pattern, const NumberSeparators& seps = {});
std::string formatNumber(Currency value, std::string_view pattern,
                         const NumberSeparators& seps = {});

// The text preceded by (width - length) blanks; a longer text is cut to its first `width`
// characters; width <= 0 gives "".
std::string RightAlign(std::string_view text, int width);

// Reads the leading number of a typed text: leading blanks skipped, an optional minus, digits,
// one decimal point (`decimalPoint`), more digits; stops at the first character that cannot
// continue the number. "12.5.1" -> 12.5, "" -> 0, "1,234" -> 1, "abc" -> 0.
double leadingNumber(std::string_view text, std::string_view decimalPoint = ".");

// Number of characters (code points) in a UTF-8 text.
int charCount(std::string_view text);

// The text without the blanks before and after it: spaces, or the characters `blanks` names.
std::string_view withoutBlanks(std::string_view text, std::string_view blanks = " ");

// The first `chars` characters of a UTF-8 text (all of it when it is shorter).
std::string_view firstChars(std::string_view text, int chars);
