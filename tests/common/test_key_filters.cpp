// The decimal and digit key filters: which keys pass, in which order the rules apply,
// and that every refusal beeps once and comes back as key 0.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "KeyFilters.h"

namespace {

class DecimalFilter : public ::testing::Test {
protected:
    // Runs the filter on `typed` with the field text `text`; records what came back.
    std::int16_t type(char typed, const std::string& text) { return typeCode(static_cast<std::int16_t>(typed), text); }
    std::int16_t typeCode(std::int16_t code, const std::string& text) {
        key = code;
        const std::int16_t result = DecimalKeyFilter(key, text, decimals, beep);
        EXPECT_EQ(result, key) << "returned key and written-back key differ";
        return result;
    }
    std::int16_t key = 0;
    std::int16_t decimals = 0;
    int beeps = 0;
    Beep beep = [this] { ++beeps; };
};

TEST_F(DecimalFilter, EditingKeysPassWhateverTheText) {
    for (const char* text : {"", "12.34", "1.2.3", "abc"}) {
        EXPECT_EQ(typeCode(key::Backspace, text), key::Backspace) << text;
        EXPECT_EQ(typeCode(key::Delete, text), key::Delete) << text;
    }
    EXPECT_EQ(beeps, 0);
}

TEST_F(DecimalFilter, PeriodIsAlwaysAccepted) {
    EXPECT_EQ(type('.', ""), '.');
    EXPECT_EQ(type('.', "1.2"), '.');     // a second period: 1.2. can be typed
    EXPECT_EQ(type('.', "12.34"), '.');   // even with the decimals full
    EXPECT_EQ(beeps, 0);
}

TEST_F(DecimalFilter, DigitsUntilTwoDecimalsStandBehindTheFirstPeriod) {
    EXPECT_EQ(type('7', ""), '7');
    EXPECT_EQ(type('7', "123456"), '7');
    EXPECT_EQ(type('7', "12."), '7');
    EXPECT_EQ(type('7', "12.3"), '7');
    EXPECT_EQ(beeps, 0);

    EXPECT_EQ(type('7', "12.34"), 0);
    EXPECT_EQ(beeps, 1);
    // Only the first period counts: 1.2.3 already has two characters behind it.
    EXPECT_EQ(type('7', "1.2.3"), 0);
    EXPECT_EQ(beeps, 2);
    // The caret is not looked at: a digit meant for the whole part is refused as well.
    EXPECT_EQ(type('0', ".12"), 0);
    EXPECT_EQ(beeps, 3);
}

TEST_F(DecimalFilter, OtherKeysAreRefusedWithOneBeepEach) {
    const std::int16_t refused[] = {'-', '+', ',', 'a', 'E', ' ', '"', key::Enter, 0, 200, '0' - 1, '9' + 1};
    int expectedBeeps = 0;
    for (std::int16_t code : refused) {
        EXPECT_EQ(typeCode(code, "12"), 0) << code;
        EXPECT_EQ(key, 0) << code;
        EXPECT_EQ(beeps, ++expectedBeeps) << code;
    }
}

TEST_F(DecimalFilter, ExtraDecimalsAreGrantedOnceThenUsedUp) {
    decimals = 3;
    EXPECT_EQ(type('5', "12.34"), '5');
    EXPECT_EQ(decimals, 0);
    EXPECT_EQ(type('6', "12.345"), 0);  // back to two decimals
    EXPECT_EQ(beeps, 1);

    // The permission is used up even when the key is refused.
    decimals = 3;
    EXPECT_EQ(type('6', "12.345"), 0);
    EXPECT_EQ(decimals, 0);

    decimals = 5;
    EXPECT_EQ(type('6', "1.2345"), '6');
    EXPECT_EQ(decimals, 0);
}

TEST_F(DecimalFilter, ExtraDecimalsSurviveKeysThatDoNotReachTheLimit) {
    // Without a period, or for a non-digit, the limit is never worked out.
    decimals = 3;
    EXPECT_EQ(type('1', "12"), '1');
    EXPECT_EQ(type('.', "12"), '.');
    EXPECT_EQ(typeCode(key::Backspace, "12.345"), key::Backspace);
    EXPECT_EQ(type('x', "12.3"), 0);
    EXPECT_EQ(decimals, 3);
}

TEST_F(DecimalFilter, OneAndTwoMeanTwoDecimals) {
    for (std::int16_t d : {std::int16_t{1}, std::int16_t{2}}) {
        decimals = d;
        EXPECT_EQ(type('1', "12.3"), '1') << d;
        EXPECT_EQ(type('1', "12.34"), 0) << d;
        EXPECT_EQ(decimals, d) << "only three or more is used up";
    }
}

TEST_F(DecimalFilter, CountsCharactersNotBytes) {
    // A two-byte character before the period must not shift the limit.
    EXPECT_EQ(type('1', "\u00e9.3"), '1');
    EXPECT_EQ(type('1', "\u00e9.34"), 0);
}

TEST(DecimalFilterBeep, RefusesWithoutABeepCallback) {
    std::int16_t key = 'x';
    std::int16_t decimals = 0;
    EXPECT_EQ(DecimalKeyFilter(key, "1", decimals, Beep{}), 0);
    key = 'x';
    EXPECT_EQ(DigitKeyFilter(key, Beep{}), 0);
}

TEST(DigitFilter, DigitsAndEditingKeysOnly) {
    int beeps = 0;
    const Beep beep = [&] { ++beeps; };
    for (std::int16_t code : {std::int16_t{'0'}, std::int16_t{'5'}, std::int16_t{'9'}, key::Backspace, key::Delete}) {
        std::int16_t key = code;
        EXPECT_EQ(DigitKeyFilter(key, beep), code);
        EXPECT_EQ(key, code);
    }
    EXPECT_EQ(beeps, 0);
    int expectedBeeps = 0;
    for (std::int16_t code : {std::int16_t{'.'}, std::int16_t{'-'}, std::int16_t{'a'}, key::Enter, std::int16_t{255}}) {
        std::int16_t key = code;
        EXPECT_EQ(DigitKeyFilter(key, beep), 0) << code;
        EXPECT_EQ(key, 0) << code;
        EXPECT_EQ(beeps, ++expectedBeeps) << code;
    }
}

} // namespace
