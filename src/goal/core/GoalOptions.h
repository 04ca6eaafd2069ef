#pragma once
// The goal options of `pecunex-report goal`: --target X (a decimal number above 0),
// --today (the target in today's money) and --solve contribution|lump|years|rate. The
// plan's other figures are the savings options.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "GoalSolver.h"

inline constexpr std::array<std::string_view, 3> GoalOptionNames = {"--target", "--today",
                                                                    "--solve"};

// The goal from the options (savings options included), each counted as given last, over
// `saved` (a goal file's) when there is one, else over the worksheet's plan. Returns the
// reason when an option is refused, or --target or --solve is missing without a file; the
// text names the option.
Result<GoalInput> goalFromOptions(const std::vector<std::pair<std::string, std::string>>& uses,
                                  const std::optional<GoalInput>& saved = std::nullopt);

constexpr std::string_view GoalOptionsUsage =
    "--target X [--today] --solve contribution|lump|years|rate";
