#include "PlanText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "Dates.h"
#include "NumberFormat.h"

namespace {

constexpr std::array<std::string_view, CompoundingKinds> CompoundingWords = {
    "monthly", "bimonthly", "quarterly", "semiannual", "annual"};
constexpr std::array<std::string_view, FrequencyKinds> FrequencyWords = {
    "monthly", "semimonthly", "2weeks", "1week", "biweekly-acc", "weekly-acc"};
// In the order of Convention.
constexpr std::array<std::string_view, 3> ConventionWords = {"worksheet", "bank-exact",
                                                             "bank-cents"};

std::optional<double> decimal(std::string_view text) {
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    double value = 0;
    const auto r =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (r.ec != std::errc{} || r.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> whole(std::string_view text, int low, int high) {
    int value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || r.ec != std::errc{} || r.ptr != text.data() + text.size() || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

std::optional<Currency> amount(std::string_view text) {
    const auto value = decimal(text);
    if (!value || *value >= 1e13)
        return std::nullopt;
    return Currency::fromDouble(*value);
}

std::optional<int> isoDay(std::string_view text) {
    // yyyy-mm-dd only: the plan's dates never depend on the machine's date form.
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    return parseDateText(text);
}

std::vector<std::string_view> split(std::string_view text, char by) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(by, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Each item of a list as one `key=item` of a plan, read into the plan's `items`; the plan's
// own limits hold.
template <class Item>
Result<std::vector<Item>> listAsPlan(std::string_view text, std::string_view key,
                                     std::vector<Item> LoanPlan::*items) {
    std::string planText;
    for (std::string_view item : split(text, ';')) {
        item = trimmed(item);
        if (item.empty())
            continue;
        std::string one = std::string(key) + "=" + std::string(item);
        if (key == "lump" && one.size() >= 2 && one[one.size() - 2] == ':') {
            if (one.back() == 's')
                one += "horten";
            else if (one.back() == 'l')
                one += "ower";
        }
        if (item.find(',') != std::string_view::npos || !parsePlanText(one))
            return Failure{0, std::string(item)};
        planText += (planText.empty() ? "" : ",") + one;
    }
    if (planText.empty())
        return std::vector<Item>{};
    Result<LoanPlan> plan = parsePlanText(planText);
    if (!plan)
        return Failure{0, std::string(trimmed(text))};
    return plan.value().*items;
}

std::string figureText(double value) {
    return formatNumber(value, "0.########");
}

constexpr double MaxRatePercent = 999.999;

Failure bad(std::string_view key, std::string_view what) {
    return Failure{0, "--plan: " + std::string(key) + " " + std::string(what)};
}

} // namespace

std::string_view compoundingWord(int compounding) {
    return CompoundingWords[static_cast<std::size_t>(
        std::clamp(compounding, 0, CompoundingKinds - 1))];
}
std::string_view frequencyWord(int frequency) {
    return FrequencyWords[static_cast<std::size_t>(std::clamp(frequency, 0, FrequencyKinds - 1))];
}
std::string_view conventionWord(Convention convention) {
    return ConventionWords[static_cast<std::size_t>(convention)];
}
std::optional<Convention> conventionFromWord(std::string_view word) {
    const std::optional<int> place = placeIn(ConventionWords, word);
    return place ? std::optional(static_cast<Convention>(*place)) : std::nullopt;
}

Result<LoanPlan> parsePlanText(std::string_view planText) {
    LoanPlan plan;
    bool termGiven = false;
    for (std::string_view pair : split(planText, ',')) {
        const std::size_t eq = pair.find('=');
        if (eq == std::string_view::npos)
            return bad(pair.empty() ? "(empty)" : pair, "needs key=value");
        const std::string_view key = pair.substr(0, eq);
        const std::string_view value = pair.substr(eq + 1);
        if (key == "principal" || key == "extra") {
            const auto v = amount(value);
            if (!v)
                return bad(key, "takes an amount");
            (key == "principal" ? plan.principal : plan.extra) = *v;
        } else if (key == "rate") {
            const auto v = decimal(value);
            if (!v || *v > MaxRatePercent)
                return bad(key, "takes an annual rate from 0 to 999.999");
            plan.ratePercent = *v;
        } else if (key == "compounding") {
            const auto v = placeIn(CompoundingWords, value);
            if (!v)
                return bad(key, "takes monthly, bimonthly, quarterly, semiannual or annual");
            plan.compounding = *v;
        } else if (key == "frequency") {
            const auto v = placeIn(FrequencyWords, value);
            if (!v)
                return bad(key,
                           "takes monthly, semimonthly, 2weeks, 1week, biweekly-acc or weekly-acc");
            plan.frequency = *v;
        } else if (key == "years" || key == "months") {
            const bool months = key == "months";
            const auto v = whole(value, 1, months ? MaxTermMonths : MaxTermYears);
            if (!v)
                return bad(key, months ? "takes a whole number from 1 to 480"
                                       : "takes a whole number from 1 to 40");
            plan.term = *v;
            plan.termInMonths = months;
            termGiven = true;
        } else if (key == "payment") {
            const auto v = amount(value);
            if (!v || v->raw() <= 0)
                return bad(key, "takes an amount above 0");
            plan.givenPayment = *v;
        } else if (key == "convention") {
            const auto v = conventionFromWord(value);
            if (!v)
                return bad(key, "takes worksheet, bank-exact or bank-cents");
            plan.convention = *v;
        } else if (key == "payment-rounding") {
            if (value != "nearest" && value != "up")
                return bad(key, "takes nearest or up");
            plan.paymentRounding = value == "up" ? PaymentRounding::Up : PaymentRounding::Nearest;
        } else if (key == "interest-rounding") {
            if (value != "nearest" && value != "down")
                return bad(key, "takes nearest or down");
            plan.interestRounding =
                value == "down" ? InterestRounding::Down : InterestRounding::Nearest;
        } else if (key == "loan-date" || key == "first-payment") {
            const auto v = isoDay(value);
            if (!v)
                return bad(key, "takes a date as yyyy-mm-dd");
            (key == "loan-date" ? plan.loanDate : plan.firstPayment) = *v;
        } else if (key == "lump") {
            const auto parts = split(value, ':');
            const auto after = parts.size() == 3 ? whole(parts[0], 0, 99999) : std::nullopt;
            const auto sum = parts.size() == 3 ? amount(parts[1]) : std::nullopt;
            if (!after || !sum || (parts[2] != "shorten" && parts[2] != "lower"))
                return bad(key, "takes K:AMOUNT:shorten or K:AMOUNT:lower");
            if (plan.lumps.size() == MaxLumpSums)
                return bad(key, "is given more than 20 times");
            plan.lumps.push_back(
                {*after, *sum, parts[2] == "lower" ? LumpEffect::Lower : LumpEffect::Shorten});
        } else if (key == "renew") {
            const auto parts = split(value, ':');
            const auto after = parts.size() == 2 ? whole(parts[0], 1, 99999) : std::nullopt;
            const auto rate = parts.size() == 2 ? decimal(parts[1]) : std::nullopt;
            if (!after || !rate || *rate > MaxRatePercent)
                return bad(key, "takes K:RATE (K from 1, a rate from 0 to 999.999)");
            if (plan.renewals.size() == MaxRenewals)
                return bad(key, "is given more than 3 times");
            plan.renewals.push_back({*after, *rate});
        } else {
            return bad(key, "is not a plan key");
        }
    }
    if (!termGiven && !plan.givenPayment)
        plan.term = 25;
    return plan;
}

Result<LoanPlan> parsePlanOption(std::string_view planText) {
    Result<LoanPlan> plan = parsePlanText(planText);
    if (!plan)
        return plan;
    std::vector<std::string_view> keys;
    for (std::string_view pair : split(planText, ','))
        keys.push_back(pair.substr(0, pair.find('=')));
    const auto given = [&](std::string_view key) {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    };
    for (const char* key : {"principal", "rate"})
        if (!given(key))
            return bad(key, "is missing");
    if (given("loan-date") != given("first-payment"))
        return given("loan-date") ? bad("loan-date", "needs first-payment")
                                  : bad("first-payment", "needs loan-date");
    const Convention convention = plan.value().convention;
    std::vector<const char*> unused;
    if (convention == Convention::Worksheet)
        unused = {"payment",
                  "extra",
                  "payment-rounding",
                  "interest-rounding",
                  "loan-date",
                  "first-payment",
                  "lump",
                  "renew"};
    else if (convention == Convention::BankExact)
        unused = {"interest-rounding"};
    for (const char* key : unused)
        if (given(key))
            return bad(key, "is not used by the " + std::string(conventionWord(convention)) +
                                " convention");
    return plan;
}

LoanPlan planFromWorksheet(const AmortizationInput& input) {
    LoanPlan plan;
    plan.convention = Convention::Worksheet;
    plan.daysChoice = input.daysChoice;
    plan.yearlyExtras = input.extraPayments;
    plan.dateView = input.dateView;
    plan.principal = input.principal;
    plan.ratePercent = input.ratePercent.toDouble();
    plan.compounding = compoundingPlace(input.compounding).value_or(0);
    plan.frequency = frequencyPlace(input.frequency).value_or(0);
    plan.termInMonths = input.mode == LoanMode::Loan;
    plan.term =
        static_cast<int>(std::lround(input.termYears.toDouble() * (plan.termInMonths ? 12 : 1)));
    if (input.firstPaymentDate > 0)
        plan.firstPayment = input.firstPaymentDate;
    return plan;
}

Result<std::vector<LumpSum>> parseLumpList(std::string_view text) {
    return listAsPlan(text, "lump", &LoanPlan::lumps);
}

Result<std::vector<Renewal>> parseRenewalList(std::string_view text) {
    return listAsPlan(text, "renew", &LoanPlan::renewals);
}

std::string lumpListText(const std::vector<LumpSum>& lumps) {
    std::string text;
    for (const LumpSum& lump : lumps)
        text += (text.empty() ? "" : "; ") + std::to_string(lump.after) + ":" +
                figureText(lump.amount.toDouble()) + ":" +
                (lump.effect == LumpEffect::Lower ? "lower" : "shorten");
    return text;
}

std::string renewalListText(const std::vector<Renewal>& renewals) {
    std::string text;
    for (const Renewal& renewal : renewals)
        text += (text.empty() ? "" : "; ") + std::to_string(renewal.after) + ":" +
                figureText(renewal.ratePercent);
    return text;
}
