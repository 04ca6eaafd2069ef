#pragma once
// The speed limits the benchmarks are held to, and the table `make bench` prints: each
// measure's median beside its limit, a measure over its limit marked.
#include <map>
#include <string>

// Median seconds per iteration by benchmark name, plus counters as "NAME:counter".
using BenchMedians = std::map<std::string, double>;

// The table, one row per limit; a measure not run shows as "not run".
std::string limitsTable(const BenchMedians& medians);
