#include "GoalSolver.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "GoalTables.h"
#include "Messages.h"
#include "SavingsTables.h"

const std::array<GoalUnknownNames, 4> GoalUnknowns = {{
    {GoalUnknown::Contribution, "contribution", "Contribution", "Contribution"},
    {GoalUnknown::Lump, "lump", "Lump sum at start", "Lump sum"},
    {GoalUnknown::Years, "years", "Number of years", "Years"},
    {GoalUnknown::Rate, "rate", "Annual rate (%)", "Rate"},
}};

const GoalUnknownNames& namesOf(GoalUnknown unknown) {
    return GoalUnknowns[static_cast<std::size_t>(unknown)];
}

std::optional<GoalUnknown> unknownFromOption(std::string_view option) {
    const auto n = std::ranges::find(GoalUnknowns, option, &GoalUnknownNames::option);
    return n == GoalUnknowns.end() ? std::nullopt : std::optional(n->unknown);
}

GoalInput goalInputFrom(const GoalTables& tables) {
    GoalInput goal;
    goal.plan = growthInputFrom(tables.SavingsInputs, tables.GoalFrequency);
    goal.target = tables.GoalTarget;
    goal.today = tables.GoalToday == 1;
    const int solve = tables.GoalSolve;
    goal.solve = solve >= 0 && solve < static_cast<int>(GoalUnknowns.size())
                     ? static_cast<GoalUnknown>(solve)
                     : GoalUnknown::Contribution;
    return goal;
}

void storeGoalInput(GoalTables& tables, const GoalInput& goal) {
    tables.SavingsInputs = savingsInputsOf(goal.plan);
    tables.GoalFrequency = goal.plan.frequency;
    tables.GoalTarget = goal.target;
    tables.GoalToday = goal.today ? 1 : 0;
    tables.GoalSolve = static_cast<std::int16_t>(goal.solve);
}

GoalInput defaultGoalInput() {
    GoalInput goal;
    goal.plan = defaultGrowthInput();
    goal.target = Currency::fromWhole(500000);
    goal.today = true;
    return goal;
}

namespace {

// A value as the savings worksheet shows it: rounded to the cent, halves away from zero. The
// target is compared with this figure, so the answer typed into the savings worksheet shows
// at least the target there.
Currency shownValue(Currency value) {
    constexpr std::int64_t Cent = Currency::Scale / 100;
    constexpr std::int64_t Most = std::numeric_limits<std::int64_t>::max();
    const std::int64_t down = value.raw() / Cent * Cent; // toward zero
    const std::int64_t rest = value.raw() - down;        // with the value's sign
    // Half a cent or more goes away from zero; the range's last part cent stays below.
    if (rest >= Cent / 2 && down <= Most - Cent)
        return Currency::fromRaw(down + Cent);
    if (rest <= -Cent / 2 && down >= -Most + Cent)
        return Currency::fromRaw(down - Cent);
    return Currency::fromRaw(down);
}

// The plan that is compared with the target: the entries as given in today's money, without
// inflation in future money (the engine deflates the running value itself).
GrowthInput comparedPlan(const GoalInput& goal) {
    GrowthInput plan = goal.plan;
    if (!goal.today)
        plan.inflationPercent = Currency{};
    return plan;
}

// The figure an unknown takes at `steps` of its step: cents, 0.01 %, whole years.
GrowthInput withFigure(GrowthInput plan, GoalUnknown unknown, std::int64_t steps) {
    if (unknown == GoalUnknown::Years)
        plan.years = static_cast<int>(steps);
    else
        (unknown == GoalUnknown::Contribution ? plan.contribution
         : unknown == GoalUnknown::Lump       ? plan.lump
                                              : plan.ratePercent) =
            Currency::fromRaw(steps * (Currency::Scale / 100));
    return plan;
}

Currency lastValue(const Growth& growth) {
    return growth.rows[static_cast<std::size_t>(growth.totalRow)][4];
}

bool reaches(Currency value, Currency target) {
    return shownValue(value) >= target;
}

// What one trial of the engine says of a figure. A figure whose plan leaves the currency
// range is too large, like one that reaches: the ranges are searched from below.
enum class Trial { Short, Reaches, Overflows };

class Trials {
  public:
    explicit Trials(const GoalInput& goal) : goal_(goal), compared_(comparedPlan(goal)) {}

    Result<Growth> run(std::int64_t steps) const {
        return calculateGrowth(withFigure(compared_, goal_.solve, steps));
    }
    Trial at(std::int64_t steps) const {
        const Result<Growth> g = run(steps);
        if (!g)
            return Trial::Overflows;
        return reaches(lastValue(*g), goal_.target) ? Trial::Reaches : Trial::Short;
    }
    Currency target() const { return goal_.target; }

  private:
    const GoalInput& goal_;
    GrowthInput compared_;
};

// The smallest figure, in steps, that is not short of the target, `lo` being short and `hi`
// not: halves the range until they are one step apart.
std::int64_t narrow(const Trials& trials, std::int64_t lo, std::int64_t hi) {
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        (trials.at(mid) == Trial::Short ? lo : hi) = mid;
    }
    return hi;
}

// Money. The last value grows almost in proportion to the amount (only the rounding of each
// period's interest bends the line), so the values at 0 and at a probe point to within a
// few cents of the answer. From there, steps of doubling size find a figure that is short
// and one that is not, and the range between them is narrowed. Without a usable probe the
// steps start from a cent.
Result<std::int64_t> solveMoney(const Trials& trials) {
    constexpr std::int64_t Probe = 100000; // 1,000.00
    // The currency's limit, in cents.
    constexpr std::int64_t MaxCents =
        std::numeric_limits<std::int64_t>::max() / (Currency::Scale / 100);
    std::int64_t guess = 1;
    const Result<Growth> atZero = trials.run(0), atProbe = trials.run(Probe);
    if (atZero && atProbe && lastValue(*atProbe) > lastValue(*atZero)) {
        const double perCent = (lastValue(*atProbe).toDouble() - lastValue(*atZero).toDouble()) /
                               static_cast<double>(Probe);
        const double cents = (trials.target().toDouble() - lastValue(*atZero).toDouble()) / perCent;
        guess =
            std::min(static_cast<std::int64_t>(std::clamp(std::ceil(cents), 1.0, double(MaxCents))),
                     MaxCents);
    }
    std::int64_t lo = 0, hi = guess, step = 16;
    if (trials.at(guess) == Trial::Short) {
        for (lo = guess; trials.at(hi = std::min(lo + step, MaxCents)) == Trial::Short;
             lo = hi, step *= 2)
            if (hi == MaxCents)
                return Failure{msg::GoalNoAnswer, "no amount reaches the target"};
    } else {
        for (; hi - step > lo && trials.at(hi - step) != Trial::Short; step *= 2)
            hi -= step;
        lo = std::max(lo, hi - step);
    }
    return narrow(trials, lo, hi);
}

Result<std::int64_t> solveRate(const Trials& trials) {
    constexpr std::int64_t HundredPercent = 10000;
    if (trials.at(HundredPercent) == Trial::Short)
        return Failure{msg::GoalNotAtHundredPercent, "not reached at 100 %"};
    return narrow(trials, 0, HundredPercent);
}

// The fewest whole years. The value need not grow from year to year (inflation above the
// rate), so every year counts; the first years of the longest plan are the shorter plans,
// so one run gives them all. A plan that overflows before its fortieth year is tried year
// by year.
Result<std::int64_t> solveYears(const Trials& trials) {
    if (const Result<Growth> longest = trials.run(MaxSavingsYears)) {
        const std::vector<Currency> ends = yearEndSeries(*longest);
        for (std::size_t y = 0; y < ends.size(); ++y)
            if (reaches(ends[y], trials.target()))
                return static_cast<std::int64_t>(y + 1);
    } else {
        for (int years = 1; years <= MaxSavingsYears; ++years)
            if (trials.at(years) != Trial::Short)
                return years;
    }
    return Failure{msg::GoalNotInFortyYears, "not reached within 40 years"};
}

// What an answer of 0 says, by unknown: contribution, lump sum, years, rate.
constexpr std::array<GoalNote, 4> ZeroNotes = {GoalNote::LumpAlone, GoalNote::ContributionsAlone,
                                               GoalNote::None, GoalNote::NoGrowthNeeded};

} // namespace

Result<GoalAnswer> solveGoal(const GoalInput& goal) {
    if (goal.target <= Currency{} || !savingsFrequency(goal.plan.frequency) ||
        (goal.solve != GoalUnknown::Years &&
         (goal.plan.years < 1 || goal.plan.years > MaxSavingsYears)))
        return Failure{msg::WrongOrMissingEntry, "no target, or no years to reach it in"};
    const Trials trials(goal);
    // The smallest figure the unknown can take: nothing, or one year.
    const std::int64_t least = goal.solve == GoalUnknown::Years ? 1 : 0;
    Result<std::int64_t> steps = least;
    if (trials.at(least) == Trial::Short) {
        steps = goal.solve == GoalUnknown::Years  ? solveYears(trials)
                : goal.solve == GoalUnknown::Rate ? solveRate(trials)
                                                  : solveMoney(trials);
        if (!steps)
            return steps.failure();
    }

    // The proof, from the plans as they are handed out: the answer reaches the target and
    // one step less, where there is one, does not. A plan beyond the currency range fails
    // here with the engine's message.
    GoalAnswer out;
    out.solve = goal.solve;
    out.plan = withFigure(comparedPlan(goal), goal.solve, *steps);
    Result<Growth> solved = calculateGrowth(out.plan);
    if (!solved)
        return solved.failure();
    bool stepLessReaches = false;
    if (*steps > least) {
        const Result<Growth> less = calculateGrowth(withFigure(out.plan, goal.solve, *steps - 1));
        if (!less)
            return less.failure();
        stepLessReaches = reaches(lastValue(*less), goal.target);
    }
    if (!reaches(lastValue(*solved), goal.target) || stepLessReaches)
        return Failure{msg::GoalNoAnswer, "the plans on either side of the answer disagree"};

    out.growth = std::move(solved).value();
    out.answer = goal.solve == GoalUnknown::Years
                     ? Currency::fromWhole(static_cast<int>(*steps))
                     : Currency::fromRaw(*steps * (Currency::Scale / 100));
    out.note = *steps == 0 ? ZeroNotes[static_cast<std::size_t>(goal.solve)] : GoalNote::None;
    // The last value in the other money: the same plan with or without the inflation.
    GrowthInput other = out.plan;
    other.inflationPercent = goal.today ? Currency{} : goal.plan.inflationPercent;
    const Result<Growth> otherGrowth = calculateGrowth(other);
    if (!otherGrowth)
        return otherGrowth.failure();
    out.value = goal.today ? lastValue(*otherGrowth) : lastValue(out.growth);
    out.valueToday = goal.today ? lastValue(out.growth) : lastValue(*otherGrowth);
    return out;
}
