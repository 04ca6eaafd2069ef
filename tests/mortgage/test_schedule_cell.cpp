#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ScheduleCell.h"

namespace {

TEST(ScheduleCell, AgreesWithCurrencyFromDouble) {
    // Exactly what Currency::fromDouble gives, refusals included (the cell is then left alone).
    auto expectSame = [](double value) {
        Currency fast = Currency::fromRaw(-7);
        const bool ok = scheduleCell(value, fast);
        const auto ref = Currency::fromDouble(value);
        EXPECT_TRUE(ok == ref.has_value() && fast.raw() == (ok ? ref->raw() : -7))
            << std::hexfloat << value;
    };
    // Decimal halves of the fourth decimal lie a hair below or above in binary; the decimal
    // form decides, half away from zero. Then values a Currency cannot hold.
    const double edges[] = {0.00005,
                            1.00005,
                            2.34565,
                            1234.56785,
                            99999.99995,
                            0.00015,
                            711.0 / 24.0 / 1000.0,
                            123456789.00005,
                            0.00004999,
                            17564.2617,
                            0.0,
                            -0.0,
                            9.99999999995e9,
                            1e10 + 0.00005,
                            std::nan(""),
                            INFINITY,
                            -1e300};
    for (double e : edges) {
        expectSame(e);
        expectSame(-e);
    }
    std::mt19937_64 gen(20270101);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-8, 14);
    for (int i = 0; i < 200000; ++i) {
        const double value = mantissa(gen) * std::pow(10.0, exponent(gen));
        const double cents = std::round(value * 100) / 100;
        expectSame(value);
        expectSame(cents);           // amounts as the engine builds them
        expectSame(cents + 0.00005); // and a half of the fourth decimal
    }
}

} // namespace
