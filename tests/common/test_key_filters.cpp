// The decimal and digit key filters: which keys pass, in which order the rules apply, and
// that every refusal beeps once and comes back as key 0.
#include <gtest/gtest.h>

#include <cstdint>

#include "KeyFilters.h"

TEST(KeyFilters, DecimalFilterPassesOrRefusesWithOneBeep) {
    const struct {
        const char* text;
        std::int16_t key, expected, decimals = 0, decimalsAfter = 0;
    } cases[] = {
        {"1.2.3", key::Backspace, key::Backspace},
        {"12.34", key::Delete, key::Delete},
        {"", '.', '.'},
        {"1.2", '.', '.'},
        {"12.34", '.', '.'}, // the period always passes
        {"", '7', '7'},
        {"123456", '7', '7'},
        {"12.", '7', '7'},
        {"12.3", '7', '7'},
        {"12.34", '7', 0},
        {"1.2.3", '7', 0},
        {".12", '0', 0}, // only the first period counts; not the caret
        {"\u00e9.3", '1', '1'},
        {"\u00e9.34", '1', 0}, // characters, not bytes
        {"12", '-', 0},
        {"12", ',', 0},
        {"12", 'a', 0},
        {"12", key::Enter, 0},
        {"12", 0, 0},
        {"12", 200, 0},
        {"12", '0' - 1, 0},
        {"12", '9' + 1, 0},
        // Three or more decimals are granted once, used up when the limit is worked out.
        {"12", '1', '1', 3, 3},
        {"12", '.', '.', 3, 3},
        {"12.345", key::Backspace, key::Backspace, 3, 3},
        {"12.3", 'x', 0, 3, 3},
        {"12.34", '5', '5', 3, 0},
        {"12.345", '6', 0, 3, 0},
        {"1.2345", '6', '6', 5, 0},
        // One and two mean two, and stay.
        {"12.3", '1', '1', 1, 1},
        {"12.34", '1', 0, 1, 1},
        {"12.3", '1', '1', 2, 2},
        {"12.34", '1', 0, 2, 2},
    };
    for (const auto& c : cases) {
        std::int16_t key = c.key, decimals = c.decimals;
        int beeps = 0;
        EXPECT_EQ(DecimalKeyFilter(key, c.text, decimals, [&] { ++beeps; }), c.expected)
            << c.text << " " << c.key;
        EXPECT_EQ(key, c.expected) << c.text << " " << c.key;
        EXPECT_EQ(decimals, c.decimalsAfter) << c.text << " " << c.key << " " << c.decimals;
        EXPECT_EQ(beeps, c.expected == 0 ? 1 : 0) << c.text << " " << c.key;
    }
}

TEST(KeyFilters, DigitFilterTakesDigitsAndEditingKeysOnly) {
    const struct {
        std::int16_t key, expected;
    } cases[] = {{'0', '0'}, {'9', '9'}, {8, 8},          {127, 127}, {'.', 0},
                 {'-', 0},   {'a', 0},   {key::Enter, 0}, {255, 0}};
    for (const auto& c : cases) {
        int beeps = 0;
        std::int16_t key = c.key;
        EXPECT_EQ(DigitKeyFilter(key, [&] { ++beeps; }), c.expected) << c.key;
        EXPECT_EQ(key, c.expected) << c.key;
        EXPECT_EQ(beeps, c.expected == 0 ? 1 : 0) << c.key;
    }
    std::int16_t key = 'x', decimals = 0; // refusing works without a beep callback
    EXPECT_EQ(DigitKeyFilter(key, Beep{}), 0);
    EXPECT_EQ(DecimalKeyFilter(key = 'x', "1", decimals, Beep{}), 0);
}
