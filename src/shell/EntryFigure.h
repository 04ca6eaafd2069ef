#pragma once
// How every worksheet stores a figure typed into a numeric entry field as money. A figure
// beyond Currency's range is never turned into 0 silently: its slot is set to 0 and marked,
// the field goes on showing the figure as typed, and the command that would use it refuses
// with its worksheet's message. A figure in range clears the mark.
#include "Currency.h"

// Stores `typed` in `slot` (0 when it does not fit) and sets `outOfRange`. Returns what
// the field shows: the stored value, or the typed figure when it does not fit.
double storeEntryFigure(double typed, Currency& slot, bool& outOfRange);

#include <string>

// The money a field's figure stands for: 0 when it does not fit.
inline Currency entryMoney(double value) {
    return Currency::fromDouble(value).value_or(Currency{});
}

// A field's text for the value it shows: a stored figure as money, a figure beyond the
// range as typed.
template <class Text> std::string entryText(double value, const Text& text) {
    if (const auto stored = Currency::fromDouble(value))
        return text(*stored);
    return text(value);
}
