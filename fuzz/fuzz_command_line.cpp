// Any bytes as the batch report's command line, the words split at NUL bytes: parsed with
// the report's options, every option value checked the way the report checks it, and a
// savings plan that passes calculated. What parses must parse again to the same words
// when written back in the long "--name=value" form.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "BudgetReport.h"
#include "CommandLine.h"
#include "GraphOptions.h"
#include "Growth.h"
#include "ReportOptions.h"
#include "SavingsOptions.h"
#include "SettingsFile.h"

namespace {

std::vector<std::string> wordsOf(std::string_view bytes) {
    std::vector<std::string> words;
    if (bytes.empty())
        return words;
    for (std::size_t start = 0;;) {
        const std::size_t nul = bytes.find('\0', start);
        words.emplace_back(bytes.substr(start, nul - start));
        if (nul == std::string_view::npos)
            return words;
        start = nul + 1;
    }
}

const KnownOption* knownOptionNamed(const std::vector<KnownOption>& knownOptions,
                                    std::string_view name) {
    for (const KnownOption& s : knownOptions)
        if (s.name == name)
            return &s;
    return nullptr;
}

// The parsed line as words again: every option as --name=value (or --name), then "--" and
// the operands.
std::vector<std::string> rewritten(const CommandLine& line,
                                   const std::vector<KnownOption>& knownOptions) {
    std::vector<std::string> words;
    for (const auto& [name, value] : line.options)
        words.push_back(knownOptionNamed(knownOptions, name)->takesValue ? name + "=" + value
                                                                         : name);
    words.emplace_back("--");
    words.insert(words.end(), line.operands.begin(), line.operands.end());
    return words;
}

void checkValues(const CommandLine& line) {
    GrowthInput plan = defaultGrowthInput();
    GraphRequest graph;
    BudgetReportOptions budget;
    bool planTaken = true;
    for (const auto& [name, value] : line.lastUses()) {
        if (name == "--header")
            (void)hasControlCharacter(value);
        else if (name == "--currency")
            (void)isTypableCurrencySymbol(value);
        else if (name == "--period")
            budget.period = value;
        else if (name == "--sort")
            budget.sort = value;
        else if (isGraphOption(name))
            (void)setGraphOption(graph, name, value);
        else if (isSavingsOption(name) && setSavingsOption(plan, name, value))
            planTaken = false;
    }
    (void)graphRequestProblem(graph);
    (void)budgetOptionsProblem(budget);
    if (graph.width < 16 || graph.width > 10000 || graph.height < 16 || graph.height > 10000)
        __builtin_trap(); // --size keeps each side within its range
    if (planTaken) {
        if (plan.years < 0 || plan.years > MaxSavingsYears)
            __builtin_trap();
        if (const Result<Growth> growth = calculateGrowth(plan))
            (void)yearEndSeries(*growth);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<KnownOption> knownOptions = reportKnownOptions();
    const std::vector<std::string> words =
        wordsOf(std::string_view(reinterpret_cast<const char*>(data), size));
    const Result<CommandLine> line = parseCommandLine(words, knownOptions);
    if (!line) {
        if (line.failure().what.empty())
            __builtin_trap(); // a refusal always says why
        return 0;
    }
    for (const auto& [name, value] : line->options) {
        const KnownOption* known = knownOptionNamed(knownOptions, name);
        if (!known || (!known->takesValue && !value.empty()))
            __builtin_trap();
    }
    const Result<CommandLine> again =
        parseCommandLine(rewritten(*line, knownOptions), knownOptions);
    if (!again || again->operands != line->operands || again->options != line->options)
        __builtin_trap();
    for (const auto& [name, value] : line->lastUses())
        if (line->last(name) != value)
            __builtin_trap();
    checkValues(*line);
    return 0;
}
