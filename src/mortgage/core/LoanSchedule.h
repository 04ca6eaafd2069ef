#pragma once
// A loan's schedule as both loan worksheets keep it: one row per payment, and the yearly
// totals made from those rows.
#include <optional>
#include <vector>

#include "Currency.h"

struct PaymentRow {
    int number = 0;          // counted from 1
    std::optional<int> date; // day number (Dates.h), when the schedule is dated
    Currency payment;        // the scheduled payment made, without extras
    Currency interest;
    Currency principal; // payment - interest
    Currency extra;     // paid with it beyond the scheduled payment, toward the principal
    Currency balance;   // after this payment
    Currency cumInterest;
    Currency cumPrincipal;         // extras included
    long double exactInterest = 0; // unrounded, where the engine keeps it
};

struct YearRow {
    int year = 0;
    Currency payments; // payments and extras
    Currency interest;
    Currency principal; // extras included
    Currency startBalance;
    Currency balance; // at the year's end
    Currency cumInterest;
    Currency cumPrincipal;
    long double exactInterest = 0;
};

// The year of payment `number`, both counted from 1.
inline int paymentYear(int number, int paymentsPerYear) {
    return (number - 1) / paymentsPerYear + 1;
}

// Year y holds payments (y-1)n+1 .. yn; a short last year counts. A payment that leaves
// nothing owed ends the schedule's years. Throws std::overflow_error when a sum leaves the
// Currency range.
std::vector<YearRow> yearlyTotals(const std::vector<PaymentRow>& rows, int paymentsPerYear,
                                  Currency principal);

// The balance at the start of each year, then the balance after the last year.
std::vector<Currency> balancesByYear(const std::vector<YearRow>& years);
