#include "GoalOptions.h"

#include "SavingsOptions.h"

Result<GoalInput> goalFromOptions(const std::vector<std::pair<std::string, std::string>>& uses,
                                  const std::optional<GoalInput>& saved) {
    GoalInput goal;
    goal.plan = defaultGrowthInput();
    if (saved)
        goal = *saved;
    bool targetGiven = saved.has_value(), solveGiven = saved.has_value();
    for (const auto& [name, value] : uses) {
        if (name == "--target") {
            const std::optional<Currency> target = optionFigure(value, false);
            if (!target || *target <= Currency{})
                return Failure{0, "--target takes a decimal number above 0, e.g. 500000"};
            goal.target = *target;
            targetGiven = true;
        } else if (name == "--today") {
            goal.today = true;
        } else if (name == "--solve") {
            const std::optional<GoalUnknown> unknown = unknownFromOption(value);
            if (!unknown)
                return Failure{0, "--solve takes contribution, lump, years or rate"};
            goal.solve = *unknown;
            solveGiven = true;
        } else if (isSavingsOption(name)) {
            if (auto refused = setSavingsOption(goal.plan, name, value))
                return Failure{0, *refused};
        }
    }
    if (!targetGiven)
        return Failure{0, "goal needs --target"};
    if (!solveGiven)
        return Failure{0, "goal needs --solve"};
    return goal;
}
