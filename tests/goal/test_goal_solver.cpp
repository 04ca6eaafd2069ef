// The goal solver against the savings engine: every answer, put into the plan as the savings
// worksheet would be given it, reaches the target and one step less does not; the refusals
// are checked against the engine too.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "GoalSolver.h"
#include "Messages.h"
#include "NumberFormat.h"

namespace {

Currency money(double value) {
    return *Currency::fromDouble(value);
}

GrowthInput plan(double lump, double contribution, double rate, int years,
                 const char* frequency = "Annually", double increase = 0, double inflation = 0) {
    return {money(lump), money(contribution), money(rate), money(increase), money(inflation), years,
            frequency};
}

// Where the unknown sits in a plan; none for the years, a whole number.
Currency* slot(GrowthInput& p, GoalUnknown unknown) {
    return unknown == GoalUnknown::Contribution ? &p.contribution
           : unknown == GoalUnknown::Lump       ? &p.lump
           : unknown == GoalUnknown::Rate       ? &p.ratePercent
                                                : nullptr;
}

// A value as the savings worksheet's grid shows it, read back from its text.
Currency shown(Currency value) {
    std::string text = formatNumber(value, "####,,###.00");
    std::erase(text, ',');
    return money(std::stod(text));
}

// The savings worksheet given the goal's plan with `figure` in the unknown's place, and the
// inflation rate as entered (today's money) or 0 (future money).
Currency lastValue(const GoalInput& goal, Currency figure, bool withInflation) {
    GrowthInput p = goal.plan;
    if (Currency* s = slot(p, goal.solve))
        *s = figure;
    else
        p.years = static_cast<int>(figure.raw() / Currency::Scale);
    if (!withInflation)
        p.inflationPercent = Currency{};
    const Result<Growth> g = calculateGrowth(p);
    return g ? g->rows[static_cast<std::size_t>(g->totalRow)][4] : Currency::fromWhole(-1);
}

// Whether the savings worksheet shows at least the target with `figure` in the plan.
bool showsTarget(const GoalInput& goal, Currency figure, bool withInflation) {
    return shown(lastValue(goal, figure, withInflation)) >= goal.target;
}

// What a sweep found wrong about one goal; empty when the answer holds.
std::string faultOf(const GoalInput& goal, const Result<GoalAnswer>& solved) {
    if (!solved) {
        const int code = solved.failure().code;
        // A refusal must be true of the engine at the end of the unknown's range.
        if (goal.solve == GoalUnknown::Rate && code == msg::GoalNotAtHundredPercent)
            return !showsTarget(goal, Currency::fromWhole(100), goal.today)
                       ? ""
                       : "refused, yet 100 % reaches";
        if (goal.solve == GoalUnknown::Years && code == msg::GoalNotInFortyYears) {
            for (int y = 1; y <= 40; ++y)
                if (showsTarget(goal, Currency::fromWhole(y), goal.today))
                    return "refused, yet " + std::to_string(y) + " years reach";
            return "";
        }
        return "refused with message " + std::to_string(code);
    }
    const GoalAnswer& a = *solved;
    if (a.answer.raw() % 100 != 0)
        return "not on a cent";
    if (!showsTarget(goal, a.answer, goal.today))
        return "the answer does not reach";
    const bool years = goal.solve == GoalUnknown::Years; // the least answer is 1 year or 0
    const Currency step = years ? Currency::fromWhole(1) : Currency::fromRaw(100);
    if (a.answer > (years ? step : Currency{}) &&
        showsTarget(goal, *a.answer.minus(step), goal.today))
        return "one step less reaches too";
    if (a.value != lastValue(goal, a.answer, false) ||
        a.valueToday != lastValue(goal, a.answer, true))
        return "the values beside the answer are not the engine's";
    return "";
}

TEST(GoalSolver, EveryAnswerReachesTheTargetAndOneStepLessDoesNot) {
    std::mt19937 random(2027);
    auto uniform = [&](double lo, double hi) {
        // On the cent, as typed.
        return std::round(std::uniform_real_distribution<double>(lo, hi)(random) * 100) / 100;
    };
    int solved = 0, refused = 0;
    for (const char* frequency : {"Annually", "Quarterly", "Monthly"}) {
        for (const GoalUnknownNames& unknown : GoalUnknowns) {
            for (int i = 0; i < 40; ++i) {
                GoalInput goal;
                goal.solve = unknown.unknown;
                goal.today = i % 2 == 0;
                goal.plan = plan(uniform(0, 50000) * (i % 3 == 0), uniform(0, 2000), uniform(0, 15),
                                 std::uniform_int_distribution<int>(1, 40)(random), frequency,
                                 uniform(-5, 10), i % 4 < 2 ? 0 : uniform(-2, 8));
                // A target near what the plan makes, above or below it.
                const GoalInput own{goal.plan, {}, true, GoalUnknown::Lump};
                const double made = lastValue(own, goal.plan.lump, true).toDouble();
                goal.target =
                    money(std::round(std::max(made, 100.0) * uniform(0.5, 2.5) * 100) / 100);
                SCOPED_TRACE(std::string(frequency) + " " + std::string(unknown.option) + " #" +
                             std::to_string(i));

                const Result<GoalAnswer> answer = solveGoal(goal);
                EXPECT_EQ(faultOf(goal, answer), "");
                (answer ? solved : refused) += 1;
            }
        }
    }
    // The sweep reaches both kinds of outcome.
    EXPECT_GT(solved, 400);
    EXPECT_GT(refused, 5);
}

// Solves of each kind, in either money. The first is a saver's: 193,879.04 typed into the
// savings worksheet shows $750,000.00 there, though the engine's value is a fraction of a
// cent below it.
TEST(GoalSolver, TheAnswerShowsTheTargetAndOneStepLessShowsLess) {
    const GoalInput goals[] = {
        {plan(0, 1083.33, 6, 20, "Monthly", 0, 2.5), money(750000), true, GoalUnknown::Lump},
        {plan(5000, 0, 5.5, 15, "Quarterly", 2, 3), money(250000), false,
         GoalUnknown::Contribution},
        {plan(10000, 300, 0, 25, "Monthly", 0, 2.5), money(500000), true, GoalUnknown::Rate},
        {plan(0, 1200, 7, 0, "Annually", 3, 2), money(100000), true, GoalUnknown::Years},
        {plan(0, 0, 4.75, 30), money(1000000), false, GoalUnknown::Lump},
        {plan(2500, 0, 8, 40, "Monthly", 5, 4), money(3000000), true, GoalUnknown::Contribution},
    };
    for (const GoalInput& goal : goals) {
        SCOPED_TRACE(namesOf(goal.solve).option);
        EXPECT_EQ(faultOf(goal, solveGoal(goal)), "");
    }
    EXPECT_EQ(solveGoal(goals[0])->answer.toPlainString(), "193879.04");
}

// (Rates above 100 %, more than 40 years and no years: the report command's refusals.)
TEST(GoalSolver, AnswersOfZeroAndRefusals) {
    const struct {
        GrowthInput plan;
        double target;
        GoalUnknown solve;
        bool today;
        double answer; // when `code` is 0
        GoalNote note;
        int code;
    } cases[] = {
        // hand: 1,000 * 1.10 = 1,100.00; 999.99 * 1.10 = 1,099.989 is short
        {plan(0, 0, 10, 1), 1100, GoalUnknown::Lump, false, 1000, GoalNote::None, 0},
        // hand: five payments of 1,000 without interest make 5,000
        {plan(0, 1000, 0, 1), 5000, GoalUnknown::Years, false, 5, GoalNote::None, 0},
        {plan(0, 1000, 3, 10), 5000, GoalUnknown::Rate, false, 0, GoalNote::NoGrowthNeeded, 0},
        // hand: without interest the lump is the target, beyond 2^50 cents (11.26 trillion)
        {plan(0, 0, 0, 1), 20e12, GoalUnknown::Lump, false, 20e12, GoalNote::None, 0},
        {plan(100000, 1200, 5, 10), 150000, GoalUnknown::Contribution, false, 0,
         GoalNote::LumpAlone, 0},
        {plan(5000, 1200, 5, 10), 10000, GoalUnknown::Lump, false, 0, GoalNote::ContributionsAlone,
         0},
        {plan(0, 100, 5, 10), 0, GoalUnknown::Lump, false, 0, GoalNote::None,
         msg::WrongOrMissingEntry},
        // today's money at 8 % inflation: the nominal figures leave the currency range first
        {plan(0, 100, 0, 40, "Monthly", 0, 8), 9e14, GoalUnknown::Contribution, true, 0,
         GoalNote::None, msg::CannotCalculate},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        GoalInput goal{c.plan, money(c.target), c.today, c.solve};
        const Result<GoalAnswer> a = solveGoal(goal);
        if (c.code != 0) {
            ASSERT_FALSE(a.ok());
            EXPECT_EQ(a.failure().code, c.code);
            continue;
        }
        ASSERT_TRUE(a.ok()) << a.failure().what;
        EXPECT_EQ(a->answer, money(c.answer));
        EXPECT_EQ(a->note, c.note);
    }
}

} // namespace
