#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "ScheduleCell.h"

namespace {

std::optional<Currency> cellOf(double value) {
    Currency c;
    if (!scheduleCell(value, c))
        return std::nullopt;
    return c;
}

void expectSameAsCurrency(double value) {
    const auto fast = cellOf(value);
    const auto reference = Currency::fromDouble(value);
    ASSERT_EQ(fast.has_value(), reference.has_value()) << value;
    if (fast) {
        EXPECT_EQ(fast->raw(), reference->raw()) << std::hexfloat << value;
    }
}

TEST(ScheduleCell, RoundsLikeCurrencyFromDoubleAtHalves) {
    // Decimal halves of the fourth decimal: the binary double lies a hair below or above,
    // and the decimal form decides (half away from zero).
    const double halves[] = {0.00005, 1.00005, 2.34565, 1234.56785, 99999.99995, 0.00015, 711.0 / 24.0 / 1000.0,
                             123456789.00005};
    for (double h : halves) {
        SCOPED_TRACE(h);
        expectSameAsCurrency(h);
        expectSameAsCurrency(-h);
    }
}

TEST(ScheduleCell, HalvesGoAwayFromZeroByTheirDecimalForm) {
    // 1.00005 is stored a little below its decimal form; the cell still reads 1.0001.
    EXPECT_EQ(cellOf(1.00005)->raw(), 10001);
    EXPECT_EQ(cellOf(-1.00005)->raw(), -10001);
    EXPECT_EQ(cellOf(2.34565)->raw(), 23457);
    EXPECT_EQ(cellOf(0.00004999)->raw(), 0);
    EXPECT_EQ(cellOf(17564.2617)->raw(), 175642617);
}

TEST(ScheduleCell, AgreesWithCurrencyFromDoubleEverywhere) {
    std::mt19937_64 gen(20270101);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-8, 14);
    for (int i = 0; i < 200000; ++i) {
        const double value = mantissa(gen) * std::pow(10.0, exponent(gen));
        expectSameAsCurrency(value);
        // values built the way the engine builds them: cents plus a tiny working error
        const double cents = std::round(value * 100) / 100;
        expectSameAsCurrency(cents);
        expectSameAsCurrency(cents + 0.00005);
    }
}

TEST(ScheduleCell, RefusesWhatCurrencyRefuses) {
    EXPECT_FALSE(cellOf(std::nan("")).has_value());
    EXPECT_FALSE(cellOf(INFINITY).has_value());
    EXPECT_FALSE(cellOf(-1e300).has_value());
    EXPECT_EQ(cellOf(0.0)->raw(), 0);
    EXPECT_EQ(cellOf(-0.0)->raw(), 0);
}

} // namespace
