#include "ScheduleCell.h"

bool exactScheduleCell(double value, Currency& cell) {
    const auto exact = Currency::fromDouble(value);
    if (!exact)
        return false;
    cell = *exact;
    return true;
}
