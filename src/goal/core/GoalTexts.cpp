#include "GoalTexts.h"

#include <array>

namespace {

// Right-aligned in the printout's 14 columns; a longer figure keeps all its digits.
std::string figureField(const std::string& text) {
    return charCount(text) < 14 ? RightAlign(text, 14) : text;
}

std::string percentText(Currency rate, const NumberSeparators& seps) {
    return formatNumber(rate, "###.00", seps) + "%";
}

} // namespace

std::string amountText(Currency amount, const std::string& symbol, const NumberSeparators& seps) {
    return symbol + formatNumber(amount, "####,,##0.00", seps);
}

std::string answerText(GoalUnknown unknown, Currency answer, const std::string& symbol,
                       const NumberSeparators& seps) {
    if (unknown == GoalUnknown::Years)
        return formatNumber(answer, "###", seps);
    if (unknown == GoalUnknown::Rate)
        return percentText(answer, seps);
    // As the field it fills shows it: "$.00" for none.
    return symbol + formatNumber(answer, "###,,###.00", seps);
}

std::string noteText(GoalNote note) {
    // By GoalNote: none, lump sum alone, contributions alone, no growth needed.
    constexpr std::array<const char*, 4> Notes = {
        "", "The lump sum alone reaches the target: no contribution is needed.",
        "The contributions alone reach the target: no lump sum is needed.",
        "The amounts invested reach the target without interest or growth."};
    return Notes[static_cast<std::size_t>(note)];
}

std::vector<std::pair<std::string, std::string>> goalSummary(const GoalInput& goal,
                                                             const GoalAnswer& answer,
                                                             const std::string& symbol,
                                                             const NumberSeparators& seps) {
    std::vector<std::pair<std::string, std::string>> lines = {
        {"Target Value at the End", figureField(amountText(goal.target, symbol, seps))},
        {"Target Given in", figureField(goal.today ? "Today's money" : "Future money")},
        {"Solved for", figureField(std::string(namesOf(answer.solve).printed))},
        {"Answer", figureField(answerText(answer.solve, answer.answer, symbol, seps))},
        {"Value at the End", figureField(amountText(answer.value, symbol, seps))},
    };
    // In future money the inflation rate plays no part.
    if (goal.today)
        lines.push_back(
            {"In Today's Money, Inflation " + percentText(goal.plan.inflationPercent, seps),
             figureField(amountText(answer.valueToday, symbol, seps))});
    if (answer.note != GoalNote::None)
        lines.push_back({noteText(answer.note), ""});
    return lines;
}

std::vector<std::string> goalQuickHelp(const std::string& symbol) {
    const std::string& s = symbol;
    return {
        "Choose what to solve for, type the target and the plan's other entries, then click "
        "Calculate.",
        "",
        "Solve for: the amount invested at each contribution period, the lump sum invested at "
        "start, the number of years, or the annual interest/growth rate. The entry solved for "
        "is greyed: its figure is the answer.",
        "",
        "Target value: what the plan should be worth at the end of its last year. With 'In "
        "today's money' ticked the target is compared with the value adjusted for the annual "
        "inflation rate, the current value the savings worksheet shows. Without it the target "
        "is in future money: the plan is compared without inflation, and the inflation rate "
        "is greyed.",
        "",
        "The answer is rounded up, to the cent, to 0.01% or to a whole year: the plan with the "
        "answer shows at least the target, and one cent, 0.01% or one year less shows less. "
        "The greyed entry shows the answer, and Save File writes it. The grid shows that plan "
        "period by period, exactly as the savings worksheet shows it when the answer is "
        "entered there.",
        "",
        "When the other amounts reach the target on their own, the answer is 0 and says so. "
        "When no figure does (more than 40 years, a rate above 100%), a message says so and no "
        "answer is shown.",
        "",
        "Example: " + s +
            "500,000.00 in today's money after 25 years, contributions made monthly, 7% a year "
            "interest/growth, 2.5% inflation: choose 'Contribution', click Calculate, "
            "and the answer is the amount to invest every month.",
        "",
        "End",
    };
}
