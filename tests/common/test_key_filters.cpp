// The decimal and digit key filters: which keys pass, in which order the rules apply, and
// that every refusal beeps once and comes back as key 0.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "Golden.h"
#include "KeyFilters.h"

// Every key on texts around the two-decimal limit, with each grant of extra decimals: "ok" or
// "x" (refused), then the grant left. Checked by hand against the rules as a user meets them:
// the period and the editing keys always pass, keys other than digits never; a digit passes
// while fewer than two decimals (or a grant of 3 or more, used up by the key) stand behind the
// first period, counted in characters; 1 and 2 mean two and stay.
TEST(KeyFilters, EveryKeyMatchesTheGoldenTable) {
    const std::int16_t keys[] = {
        key::Backspace, key::Delete, '.', '0', '9', '/', ':', '-', ',', 'a', key::Enter, 0, 200};
    const auto cell = [](std::int16_t key, const auto& filter) {
        int beeps = 0;
        std::int16_t k = key;
        const std::int16_t result = filter(k, [&] { ++beeps; });
        EXPECT_EQ(k, result) << key;
        EXPECT_EQ(beeps, result == 0 ? 1 : 0) << key;
        EXPECT_TRUE(result == 0 || result == key) << key;
        return std::string(result == 0 ? " x" : " ok");
    };
    std::string table = "keys: backspace delete . 0 9 / : - , a enter 0 200\n";
    for (const char* text : {"", "123456", "12.", "12.3", "12.34", "12.345", "1.2345", "1.2.3",
                             "\u00e9.3", "\u00e9.34"})
        for (int grant : {0, 1, 2, 3, 5}) {
            table += golden::quoted(text) + " grant " + std::to_string(grant) + ":";
            for (std::int16_t key : keys) {
                auto decimals = static_cast<std::int16_t>(grant);
                table += cell(key, [&](std::int16_t& k, const Beep& beep) {
                    return DecimalKeyFilter(k, text, decimals, beep);
                });
                table += "/" + std::to_string(decimals);
            }
            table += "\n";
        }
    table += "digit filter:";
    for (std::int16_t key : keys)
        table +=
            cell(key, [](std::int16_t& k, const Beep& beep) { return DigitKeyFilter(k, beep); });
    golden::expectMatches(table + "\n", "common/key-filters.txt");
}
