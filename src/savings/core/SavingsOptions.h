#pragma once
// The plan options of `pecunex-report savings`: --lump --contribution --frequency --rate
// --increase --inflation --years, each taking one value. Figures are decimal numbers with
// a period; only --increase and --inflation may be negative; --years is a whole number
// 0..40; --frequency one of the list's texts.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "Growth.h"

inline constexpr std::array<std::string_view, 7> SavingsOptionNames = {
    "--lump", "--contribution", "--frequency", "--rate", "--increase", "--inflation", "--years"};

bool isSavingsOption(std::string_view name);

// A figure as these options take it: a plain decimal number with a period, a minus only
// where allowed; nothing for any other text or a figure beyond the currency range.
std::optional<Currency> optionFigure(std::string_view text, bool minusAllowed);

// Sets the entry `name` names from `value`. Returns the reason when the value is refused
// (the text names the option); nothing when it was taken.
std::optional<std::string> setSavingsOption(GrowthInput& plan, std::string_view name,
                                            std::string_view value);

// The option list for the usage line and --help.
constexpr std::string_view SavingsOptionsUsage =
    "[--lump X] [--contribution X] [--frequency Annually|Quarterly|Monthly] [--rate R] "
    "[--increase G] [--inflation F] [--years 0..40]";
