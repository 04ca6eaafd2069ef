#include "CompareFile.h"

#include <cmath>

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
    if (p.givenPayment)
        w.writeCurrency(*p.givenPayment);
    else
        w.writeEmpty();
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

// Reads the items of one plan in order; the first fault ends the reading.
class PlanReader {
  public:
    explicit PlanReader(SeqReader& r) : r_(r) {}

    std::optional<LoanPlan> read() {
        LoanPlan p;
        p.principal = money();
        p.ratePercent = number(0, 999.999);
        p.compounding = word([](int i) { return compoundingWord(i); }, CompoundingKinds);
        p.frequency = word([](int i) { return frequencyWord(i); }, FrequencyKinds);
        p.term = static_cast<int>(number(1, MaxTermMonths, true));
        const std::string unit = text();
        p.termInMonths = unit == "months";
        if (unit != "months" && unit != "years")
            ok_ = false;
        if (!p.termInMonths && p.term > MaxTermYears)
            ok_ = false;
        if (const auto given = r_.readNumberOrEmpty(); given && *given) {
            p.givenPayment = Currency::fromDouble(**given);
            if (!p.givenPayment || p.givenPayment->raw() <= 0)
                ok_ = false;
        } else if (!given) {
            ok_ = false;
        }
        p.extra = money();
        const std::string convention = text();
        if (convention == "worksheet")
            p.convention = Convention::Worksheet;
        else if (convention == "bank-exact")
            p.convention = Convention::BankExact;
        else if (convention != "bank-cents")
            ok_ = false;
        p.paymentRounding =
            choice("nearest", "up") ? PaymentRounding::Up : PaymentRounding::Nearest;
        p.interestRounding =
            choice("nearest", "down") ? InterestRounding::Down : InterestRounding::Nearest;
        p.loanDate = date();
        p.firstPayment = date();
        p.daysChoice = static_cast<int>(number(0, 3, true));
        p.dateView = static_cast<DateView>(number(0, 1, true));
        const int lumps = static_cast<int>(number(0, MaxLumpSums, true));
        for (int i = 0; i < lumps && ok_; ++i) {
            LumpSum lump;
            lump.after = static_cast<int>(number(0, 99999, true));
            lump.amount = money();
            lump.effect = choice("shorten", "lower") ? LumpEffect::Lower : LumpEffect::Shorten;
            p.lumps.push_back(lump);
        }
        const int renewals = static_cast<int>(number(0, MaxRenewals, true));
        for (int i = 0; i < renewals && ok_; ++i) {
            Renewal renewal;
            renewal.after = static_cast<int>(number(1, 99999, true));
            renewal.ratePercent = number(0, 999.999);
            p.renewals.push_back(renewal);
        }
        const int extras = static_cast<int>(number(0, MaxYears, true));
        for (int i = 0; i < extras && ok_; ++i) {
            const int year = static_cast<int>(number(1, MaxYears, true));
            p.yearlyExtras[static_cast<std::size_t>(year)] = money();
        }
        if (!ok_)
            return std::nullopt;
        return p;
    }

  private:
    Currency money() {
        const auto v = r_.readCurrency();
        if (!v || v->raw() < 0 || v->raw() >= Currency::fromWhole(1'000'000'000).raw() * 10)
            ok_ = false;
        return v ? *v : Currency{};
    }
    double number(double low, double high, bool whole = false) {
        const auto v = r_.readNumber();
        if (!v || *v < low || *v > high || (whole && std::floor(*v) != *v))
            ok_ = false;
        return v && ok_ ? *v : low;
    }
    std::string text() {
        auto v = r_.readString();
        if (!v)
            ok_ = false;
        return v ? std::move(v).value() : std::string();
    }
    // True for `second`, false for `first`; anything else spoils the plan.
    bool choice(std::string_view first, std::string_view second) {
        const std::string t = text();
        if (t != first && t != second)
            ok_ = false;
        return t == second;
    }
    template <class Words> int word(Words words, int kinds) {
        const std::string t = text();
        for (int i = 0; i < kinds; ++i)
            if (words(i) == t)
                return i;
        ok_ = false;
        return 0;
    }
    std::optional<int> date() {
        const std::string t = text();
        if (t.empty())
            return std::nullopt;
        const auto day = t.size() == 10 ? parseDateText(t) : std::nullopt;
        if (!day)
            ok_ = false;
        return day;
    }

    SeqReader& r_;
    bool ok_ = true;
};

Failure wrongFile(std::string what) {
    return Failure{msg::FileNotFound, std::move(what)};
}

} // namespace

std::string writeCompareFile(const std::vector<LoanPlan>& plans) {
    SeqWriter w;
    w.writeString("Pecunex");
    w.writeString(Kind);
    w.writeInteger(Version);
    w.endRecord();
    w.writeInteger(static_cast<std::int64_t>(plans.size()));
    w.endRecord();
    for (const LoanPlan& plan : plans)
        writePlan(w, plan);
    return w.text();
}

Result<std::vector<LoanPlan>> readCompareFile(std::string_view text) {
    SeqReader r(text);
    const auto maker = r.readString();
    const auto kind = r.readString();
    const auto version = r.readNumber();
    if (!maker || *maker != "Pecunex" || !kind || *kind != Kind || !version || *version != Version)
        return wrongFile("not a comparison file");
    const auto count = r.readNumber();
    if (!count || *count < 1 || *count > MaxPlans || std::floor(*count) != *count)
        return wrongFile("a plan count outside 1-3");
    std::vector<LoanPlan> plans;
    for (int i = 0; i < static_cast<int>(*count); ++i) {
        auto plan = PlanReader(r).read();
        if (!plan)
            return wrongFile("plan " + std::to_string(i + 1) + " is damaged");
        plans.push_back(std::move(*plan));
    }
    if (!r.atEnd())
        return wrongFile("items after the last plan");
    return plans;
}
