#pragma once
// The mortgage and loan schedule as the graph window draws it: the balance at the start of
// each year.
#include <string>

#include "Currency.h"
#include "GraphSeries.h"

struct Amortization;

// Row 1 the principal, row y + 1 the balance after the last payment of year y, a short last
// year included, so the table has one row more than the schedule has years and its last row
// holds the final balance.
GraphTable mortgageSeries(const Amortization& schedule);

// Number of bars a mortgage table gives: its rows less the final balance.
int mortgageScheduleYears(const GraphTable& table);

// The chart of a calculated mortgage or loan, as the graph window draws it.
ChartData mortgageChart(const Amortization& schedule, std::string currencySymbol);
