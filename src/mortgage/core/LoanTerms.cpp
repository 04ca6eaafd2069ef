#include "LoanTerms.h"

#include "Dates.h"

const std::array<std::string_view, 5> CompoundingEntries = {
    "      Monthly", "    Bimonthly", "    Quarterly", "   Semiannual", "       Annual"};

const std::array<std::string_view, 6> FrequencyEntries = {"      Monthly",  "  Semimonthly",
                                                          "      2 Weeks",  "      1 Week",
                                                          " Biweekly(Acc)", "   Weekly(Acc)"};

std::optional<int> compoundingPlace(std::string_view entry) {
    return placeIn(CompoundingEntries, entry);
}

std::optional<int> frequencyPlace(std::string_view entry) {
    return placeIn(FrequencyEntries, entry);
}

int paymentDate(int firstDate, int k, PaymentStep step, int halfMonthDays) {
    switch (step) {
    case PaymentStep::Month:
        return addMonths(firstDate, k - 1);
    case PaymentStep::HalfMonth:
        return addDays(addMonths(firstDate, (k - 1) / 2), (k - 1) % 2 * halfMonthDays);
    case PaymentStep::TwoWeeks:
        return addDays(firstDate, 14 * (k - 1));
    case PaymentStep::OneWeek:
        return addDays(firstDate, 7 * (k - 1));
    }
    return firstDate;
}
