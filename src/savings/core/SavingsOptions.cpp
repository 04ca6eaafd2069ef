#include "SavingsOptions.h"

#include <algorithm>
#include <charconv>

namespace {

// A plain decimal number: an optional minus, digits, an optional period and more digits;
// at least one digit, nothing else.
bool isDecimalNumber(std::string_view text, bool minusAllowed) {
    if (minusAllowed && !text.empty() && text.front() == '-')
        text.remove_prefix(1);
    bool digit = false, point = false;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9')
            digit = true;
        else if (ch == '.' && !point)
            point = true;
        else
            return false;
    }
    return digit;
}

std::string refused(std::string_view name, std::string_view what) {
    return std::string(name) + " takes " + std::string(what);
}

} // namespace

std::optional<Currency> optionFigure(std::string_view text, bool minusAllowed) {
    if (!isDecimalNumber(text, minusAllowed))
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return Currency::fromDouble(value);
}

bool isSavingsOption(std::string_view name) {
    return std::ranges::find(SavingsOptionNames, name) != SavingsOptionNames.end();
}

std::optional<std::string> setSavingsOption(GrowthInput& plan, std::string_view name,
                                            std::string_view value) {
    if (name == "--frequency") {
        if (!savingsFrequency(value))
            return refused(name, "Annually, Quarterly or Monthly");
        plan.frequency = std::string(value);
        return std::nullopt;
    }
    if (name == "--years") {
        int years = -1;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), years);
        const bool digitsOnly = value.find_first_not_of("0123456789") == std::string_view::npos;
        if (!digitsOnly || ec != std::errc{} || end != value.data() + value.size() || years < 0 ||
            years > MaxSavingsYears)
            return refused(name, "a whole number of years from 0 to 40");
        plan.years = years;
        return std::nullopt;
    }
    const bool signedRate = name == "--increase" || name == "--inflation";
    const std::optional<Currency> figure = optionFigure(value, signedRate);
    if (!figure)
        return refused(name, signedRate ? "a decimal number, e.g. 2.5 or -1"
                                        : "a decimal number that is not negative, e.g. 1200.50");
    if (name == "--lump")
        plan.lump = *figure;
    else if (name == "--contribution")
        plan.contribution = *figure;
    else if (name == "--rate")
        plan.ratePercent = *figure;
    else if (name == "--increase")
        plan.increasePercent = *figure;
    else if (name == "--inflation")
        plan.inflationPercent = *figure;
    else
        return std::string("unknown option ") + std::string(name);
    return std::nullopt;
}
