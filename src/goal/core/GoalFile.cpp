#include "GoalFile.h"

#include "Messages.h"
#include "SeqFile.h"

namespace {

constexpr std::string_view Kind = "Goal";
constexpr int Version = 1;

class GoalReader : public CheckedReader {
  public:
    using CheckedReader::CheckedReader;

    // An amount or a rate as its field holds it: two decimals at most, so the figure shown
    // is the figure used.
    Currency amount(bool signedFigure) {
        const int item = r_.itemIndex();
        const Result<Currency> c = fault_ ? Result<Currency>(Currency{}) : r_.readCurrency();
        if (!c)
            fault_ = c.failure().what;
        else if (!fault_ && !signedFigure && *c < Currency{})
            fault_ = "item " + std::to_string(item) + ": a negative figure";
        else if (!fault_ && c->raw() % (Currency::Scale / 100) != 0)
            fault_ = "item " + std::to_string(item) + ": more than two decimals";
        return fault_ ? Currency{} : *c;
    }
};

} // namespace

std::string writeGoalFile(const GoalInput& goal) {
    SeqWriter w;
    w.writeHead(Kind, Version);
    w.writeString(namesOf(goal.solve).option);
    w.writeCurrency(goal.target);
    w.writeInteger(goal.today ? 1 : 0);
    w.endRecord();
    const GrowthInput& p = goal.plan;
    w.writeCurrency(p.lump);
    w.writeCurrency(p.contribution);
    w.writeString(p.frequency);
    w.writeCurrency(p.ratePercent);
    w.writeCurrency(p.increasePercent);
    w.writeCurrency(p.inflationPercent);
    w.writeInteger(p.years);
    w.endRecord();
    return w.text();
}

Result<GoalInput> readGoalFile(std::string_view text) {
    GoalReader r(text);
    r.expectHead(Kind, Version, "not a savings goal file of version 1");
    const std::string solve = r.text();
    const std::optional<GoalUnknown> unknown = unknownFromOption(solve);
    if (!unknown)
        r.refuse("no such unknown: " + solve);
    GoalInput goal;
    goal.target = r.amount(false);
    goal.today = r.whole(0, 1) == 1;
    GrowthInput& p = goal.plan;
    p.lump = r.amount(false);
    p.contribution = r.amount(false);
    p.frequency = r.text();
    if (!savingsFrequency(p.frequency))
        r.refuse("no such frequency: " + p.frequency);
    p.ratePercent = r.amount(false);
    p.increasePercent = r.amount(true);
    p.inflationPercent = r.amount(true);
    p.years = r.whole(0, MaxSavingsYears);
    if (r.fault())
        return Failure{msg::FileNotFound, *r.fault()};
    goal.solve = *unknown;
    return goal;
}
