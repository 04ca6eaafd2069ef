#include "CompareFile.h"

#include "Dates.h"
#include "Messages.h"
#include "PlanText.h"
#include "SeqFile.h"

namespace {

constexpr std::string_view Kind = "Compare";
constexpr int Version = 1;

void writeDate(SeqWriter& w, const std::optional<int>& day) {
    w.writeString(day ? isoDate(*day) : std::string());
}

void writePlan(SeqWriter& w, const LoanPlan& p) {
    w.writeCurrency(p.principal);
    w.writeNumber(p.ratePercent);
    w.writeString(compoundingWord(p.compounding));
    w.writeString(frequencyWord(p.frequency));
    w.writeInteger(p.term);
    w.writeString(p.termInMonths ? "months" : "years");
    p.givenPayment ? w.writeCurrency(*p.givenPayment) : w.writeEmpty();
    w.writeCurrency(p.extra);
    w.writeString(conventionWord(p.convention));
    w.writeString(p.paymentRounding == PaymentRounding::Up ? "up" : "nearest");
    w.writeString(p.interestRounding == InterestRounding::Down ? "down" : "nearest");
    writeDate(w, p.loanDate);
    writeDate(w, p.firstPayment);
    w.writeInteger(p.daysChoice);
    w.writeInteger(static_cast<int>(p.dateView));
    w.writeInteger(static_cast<std::int64_t>(p.lumps.size()));
    for (const LumpSum& lump : p.lumps) {
        w.writeInteger(lump.after);
        w.writeCurrency(lump.amount);
        w.writeString(lump.effect == LumpEffect::Lower ? "lower" : "shorten");
    }
    w.writeInteger(static_cast<std::int64_t>(p.renewals.size()));
    for (const Renewal& renewal : p.renewals) {
        w.writeInteger(renewal.after);
        w.writeNumber(renewal.ratePercent);
    }
    int extras = 0;
    for (int y = 1; y <= MaxYears; ++y)
        extras += p.yearlyExtras[static_cast<std::size_t>(y)].raw() != 0;
    w.writeInteger(extras);
    for (int y = 1; y <= MaxYears; ++y)
        if (const Currency a = p.yearlyExtras[static_cast<std::size_t>(y)]; a.raw() != 0) {
            w.writeInteger(y);
            w.writeCurrency(a);
        }
    w.endRecord();
}

// Reads the plans in file order; the first fault ends the reading.
class CompareReader : public CheckedReader {
  public:
    using CheckedReader::CheckedReader;

    LoanPlan plan() {
        LoanPlan p;
        p.principal = money();
        p.ratePercent = number(0, 999.999);
        p.compounding = word(compoundingWord, CompoundingKinds);
        p.frequency = word(frequencyWord, FrequencyKinds);
        p.term = whole(1, MaxTermMonths);
        p.termInMonths = choice("years", "months");
        if (!p.termInMonths && p.term > MaxTermYears)
            refuse("a term beyond 40 years");
        if (!fault_) {
            const auto given = r_.readNumberOrEmpty();
            if (!given) {
                refuse(given.failure().what);
            } else if (*given) {
                p.givenPayment = Currency::fromDouble(**given);
                if (!p.givenPayment || p.givenPayment->raw() <= 0)
                    refuse("a payment not above 0");
            }
        }
        p.extra = money();
        const std::string convention = text();
        const std::optional<Convention> named = conventionFromWord(convention);
        if (!named)
            refuse("no such convention: " + convention);
        p.convention = named.value_or(Convention::BankCents);
        p.paymentRounding =
            choice("nearest", "up") ? PaymentRounding::Up : PaymentRounding::Nearest;
        p.interestRounding =
            choice("nearest", "down") ? InterestRounding::Down : InterestRounding::Nearest;
        p.loanDate = date();
        p.firstPayment = date();
        p.daysChoice = whole(0, 3);
        p.dateView = static_cast<DateView>(whole(0, 1));
        const int lumps = whole(0, MaxLumpSums);
        for (int i = 0; i < lumps && !fault_; ++i) {
            LumpSum lump;
            lump.after = whole(0, 99999);
            lump.amount = money();
            lump.effect = choice("shorten", "lower") ? LumpEffect::Lower : LumpEffect::Shorten;
            p.lumps.push_back(lump);
        }
        const int renewals = whole(0, MaxRenewals);
        for (int i = 0; i < renewals && !fault_; ++i) {
            Renewal renewal;
            renewal.after = whole(1, 99999);
            renewal.ratePercent = number(0, 999.999);
            p.renewals.push_back(renewal);
        }
        const int extras = whole(0, MaxYears);
        for (int i = 0; i < extras && !fault_; ++i) {
            const int year = whole(1, MaxYears);
            p.yearlyExtras[static_cast<std::size_t>(year)] = money();
        }
        return p;
    }

  private:
    Currency money() {
        const Result<Currency> c = fault_ ? Result<Currency>(Currency{}) : r_.readCurrency();
        if (!c)
            refuse(c.failure().what);
        else if (c->raw() < 0 || c->raw() >= Currency::fromWhole(1'000'000'000).raw() * 10)
            refuse("an amount outside 0 to 10 billion");
        return fault_ ? Currency{} : *c;
    }
    double number(double least, double most) {
        const Result<double> n = fault_ ? Result<double>(least) : r_.readNumber();
        if (!n)
            refuse(n.failure().what);
        else if (*n < least || *n > most)
            refuse("a rate outside 0 to 999.999");
        return fault_ ? least : *n;
    }
    // True for `second`, false for `first`; anything else spoils the plan.
    bool choice(std::string_view first, std::string_view second) {
        const std::string t = text();
        if (t != first && t != second)
            refuse("neither " + std::string(first) + " nor " + std::string(second));
        return t == second;
    }
    int word(std::string_view (*words)(int), int kinds) {
        const std::string t = text();
        for (int i = 0; i < kinds; ++i)
            if (words(i) == t)
                return i;
        refuse("no such list word: " + t);
        return 0;
    }
    std::optional<int> date() {
        const std::string t = text();
        const auto day = t.size() == 10 ? parseDateText(t) : std::nullopt;
        if (!t.empty() && !day)
            refuse("no date: " + t);
        return day;
    }
};

} // namespace

std::string writeCompareFile(const std::vector<LoanPlan>& plans) {
    SeqWriter w;
    w.writeHead(Kind, Version);
    w.writeInteger(static_cast<std::int64_t>(plans.size()));
    w.endRecord();
    for (const LoanPlan& plan : plans)
        writePlan(w, plan);
    return w.text();
}

Result<std::vector<LoanPlan>> readCompareFile(std::string_view text) {
    CompareReader r(text);
    r.expectHead(Kind, Version, "not a comparison file");
    const int count = r.whole(1, MaxPlans);
    std::vector<LoanPlan> plans;
    for (int i = 0; i < count && !r.fault(); ++i)
        plans.push_back(r.plan());
    if (!r.fault() && !r.atEnd())
        r.refuse("items after the last plan");
    if (r.fault())
        return Failure{msg::FileNotFound, *r.fault()};
    return plans;
}
