#pragma once
// Pieces the bank-file readers share: the message of a refused file, and amounts written as
// text ("-1,234.56", "(12.50)", "1.234,56 €"), read exactly, never through a double.
#include <string>
#include <string_view>

#include "Currency.h"
#include "Result.h"

// The refusal of a whole file: "march.csv, line 4: what".
Failure bankFileFailure(const std::string& fileName, int line, std::string_view what);

enum class AmountError { None, Empty, NotANumber, TooLarge };

struct AmountRead {
    Currency value;
    AmountError error = AmountError::None;
};

// What a file's amounts say about its decimal mark: a comma or period followed by one or two
// digits at the end settles it; "1,234" or "1.234" alone does not.
class DecimalMarkVote {
  public:
    void see(std::string_view amountText);
    // The comma only when some amount needs it and none needs the period.
    char mark() const { return comma_ && !period_ ? ',' : '.'; }

  private:
    bool comma_ = false, period_ = false;
};

// An amount with `decimalMark` before its decimals and the other mark, blanks or apostrophes
// between groups of three digits. A leading or trailing minus, or parentheses round it, make
// it negative; currency signs and codes before or after it are ignored. Decimals beyond the
// fourth are rounded half away from zero.
AmountRead readBankAmount(std::string_view text, char decimalMark);

// The reason an amount was refused, for a message.
std::string amountProblem(AmountError error);

// The text without blanks, tabs or line ends at either end.
std::string_view trimmedField(std::string_view text);
