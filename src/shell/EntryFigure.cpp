#include "EntryFigure.h"

double storeEntryFigure(double typed, Currency& slot, bool& outOfRange) {
    const auto stored = Currency::fromDouble(typed);
    slot = stored.value_or(Currency{});
    outOfRange = !stored;
    return stored ? stored->toDouble() : typed;
}
