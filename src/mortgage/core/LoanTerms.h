#pragma once
// The loan terms the mortgage worksheet and the loan comparison share: the compounding and
// payment-frequency lists, what each entry counts, and the payment calendar.
#include <array>
#include <optional>
#include <string_view>

// The lists' entries, leading blanks included, in list order.
extern const std::array<std::string_view, 5> CompoundingEntries;
extern const std::array<std::string_view, 6> FrequencyEntries;

// How often a year interest compounds, by list place. The worksheet convention counts a
// quarterly compounding 3 times a year (the worksheet's own rule, kept wherever a loan is
// computed its way); a bank counts the true 4. No other entry differs.
struct CompoundingCount {
    int worksheet;
    int bank;
};
inline constexpr std::array<CompoundingCount, 5> CompoundingCounts{{
    {12, 12},
    {6, 6},
    {3, 4}, // quarterly: the worksheet's 3, a bank's 4
    {2, 2},
    {1, 1},
}};

// How far apart the payments fall.
enum class PaymentStep { Month, HalfMonth, TwoWeeks, OneWeek };

// A payment frequency, by list place. An accelerated one pays the monthly payment divided
// by its divisor (2 or 4); the others have none (0).
struct FrequencyTerm {
    int paymentsPerYear;
    int accelerationDivisor;
    PaymentStep step;
};
inline constexpr std::array<FrequencyTerm, 6> FrequencyTerms{{
    {12, 0, PaymentStep::Month},
    {24, 0, PaymentStep::HalfMonth},
    {26, 0, PaymentStep::TwoWeeks},
    {52, 0, PaymentStep::OneWeek},
    {26, 2, PaymentStep::TwoWeeks},
    {52, 4, PaymentStep::OneWeek},
}};

// The place of a word in a list; nothing for a word that is none of its entries.
template <std::size_t N>
std::optional<int> placeIn(const std::array<std::string_view, N>& entries, std::string_view word) {
    for (std::size_t i = 0; i < N; ++i)
        if (entries[i] == word)
            return static_cast<int>(i);
    return std::nullopt;
}

// The place of a list entry's text; nothing for a text that is none of the list's entries.
std::optional<int> compoundingPlace(std::string_view entry);
std::optional<int> frequencyPlace(std::string_view entry);

// Twice a month, the second payment of a month falls this many days after the first: the
// worksheet convention's 14, a bank's 15.
constexpr int WorksheetHalfMonthDays = 14;
constexpr int BankHalfMonthDays = 15;

// The day number (Dates.h) of payment k, counted from 1: monthly on the first payment's day
// of the month (the month's last day when it is shorter), twice a month on that day and
// `halfMonthDays` later, or every 14 or 7 days.
int paymentDate(int firstDate, int k, PaymentStep step, int halfMonthDays);
