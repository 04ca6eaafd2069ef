#pragma once
// Every option pecunex-report knows, for its one parser; which report may use which is
// checked after parsing.
#include <string_view>
#include <vector>

#include "CommandLine.h"
#include "GoalOptions.h"
#include "SavingsOptions.h"

inline std::vector<KnownOption> reportKnownOptions() {
    std::vector<KnownOption> knownOptions = {
        {"--header", true}, {"--font", true},    {"--currency", true}, {"--csv", false},
        {"--pdf", true},    {"--help", false},   {"--period", true},   {"--sort", true},
        {"--graph", true},  {"--size", true},    {"--3d", false},      {"--paper", true},
        {"--text", false},  {"--plan", true},    {"--schedule", true}, {"--annual", false},
        {"--lines", false}, {"--dates", true},   {"--import", true},   {"--rule", true},
        {"--rules", true},  {"--columns", true}, {"--from", true},     {"--transactions", false}};
    for (std::string_view name : SavingsOptionNames)
        knownOptions.push_back({name, true});
    for (std::string_view name : GoalOptionNames)
        knownOptions.push_back({name, name != "--today"});
    return knownOptions;
}
