// The net worth calculation, blank-line insertion, the typing rules and the shown texts.
#include <gtest/gtest.h>

#include <vector>

#include "Messages.h"
#include "NetWorthCalc.h"

namespace {

using Amount = std::optional<double>;

NetWorthTable table(std::initializer_list<NetWorthLine> lines) {
    NetWorthTable t{};
    std::copy(lines.begin(), lines.end(), t.begin() + 1);
    return t;
}

std::string names(const NetWorthTable& rows, int count) {
    std::string out;
    for (int i = 1; i <= count; ++i)
        out += rows[static_cast<std::size_t>(i)].name + "|";
    return out;
}

TEST(NetWorthCalc, SubTotalsSumTheLinesAboveAndTotalsCountOrdinaryLinesOnce) {
    // Hand sums; the worked example beside the worksheet is typed in the window test.
    const struct {
        const char* source;
        NetWorthTable rows;
        std::vector<Amount> amounts; // after the calculation, rows 1..count
        double total;
    } cases[] = {
        {"lower case", table({{"a", 1.5}, {"sub total", {}}, {"b", 2}}), {1.5, 1.5, 2}, 3.5},
        {"mixed case, stored amount discarded", table({{"a", 7}, {"sUB tOTAL", 999}}), {7, 7}, 7},
        {"trailing blank and Subtotal are ordinary",
         table({{"Sub Total ", 4}, {"Subtotal", 6}}),
         {4, 6},
         10},
        {"first line sub total stays blank, later one gets 0",
         table({{"Sub Total", 5}, {"Sub Total", {}}, {"x", 3}}),
         {std::nullopt, 0.0, 3},
         3},
        {"empty amounts count 0",
         table({{"x", {}}, {"y", 0}, {"Sub Total", {}}}),
         {std::nullopt, 0.0, 0.0},
         0},
    };
    for (const auto& c : cases) {
        const Result<PackedList> p = packList(c.rows);
        ASSERT_TRUE(p.ok()) << c.source;
        ASSERT_EQ(p->count, static_cast<int>(c.amounts.size())) << c.source;
        for (int i = 1; i <= p->count; ++i)
            EXPECT_EQ(p->rows[static_cast<std::size_t>(i)].amount, c.amounts[i - 1u])
                << c.source << i;
        EXPECT_EQ(p->total, Currency::fromDouble(c.total).value()) << c.source;
    }
}

TEST(NetWorthCalc, EmptyNamesAreDroppedAndTooLargeAmountsCannotBeCalculated) {
    // Rows 1, 3, 7 and 30 used; row 2 without a name; a single blank is a name.
    NetWorthTables t;
    t.AssetRows = table({{"House", 325000}, {"", 2}, {" ", 0.5}});
    t.AssetRows[7] = {"Car", 4};
    t.AssetRows[30] = {"Last", 5};
    t.LiabilityRows = table({{"Loan", 1000.25}});
    t.NetWorthUnsaved = 1;
    const Result<NetWorthTables> r = calculateNetWorth(t);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(names(r->AssetRows, 5), "House| |Car|Last||"); // rows after the count emptied
    EXPECT_EQ(std::tuple(r->AssetCount, r->LiabilityCount, r->NetWorthUnsaved),
              std::tuple(4, 1, 1));
    EXPECT_EQ(netWorthOf(*r), Currency::fromDouble(324009.25)); // hand: 325009.5 - 1000.25

    NetWorthTables huge;
    huge.AssetRows = table({{"a", 9e14}, {"b", 9e14}}); // each fits, the sum does not
    EXPECT_EQ(calculateNetWorth(huge).failure().code, msg::CannotCalculate);
    huge.AssetRows = table({{"a", 1e300}});
    EXPECT_EQ(calculateNetWorth(huge).failure().code, msg::CannotCalculate);
    huge.AssetRows = table({{"a", 9e14}});
    huge.LiabilityRows = table({{"b", -9e14}}); // each list fits, the net worth does not
    EXPECT_EQ(calculateNetWorth(huge).failure().code, msg::CannotCalculate);
}

TEST(NetWorthCalc, InsertBlankLineMovesTheLinesDownFromItsNumber) {
    NetWorthTable rows = table({{"a", 1}, {"b", 2}, {"c", 3}});
    std::int16_t count = 3;
    EXPECT_FALSE(insertBlankLine(rows, count, 0) || insertBlankLine(rows, count, 29));
    ASSERT_TRUE(insertBlankLine(rows, count, 2));
    EXPECT_EQ(names(rows, 5) + std::to_string(count), "a|BlankLine|b|c||4");
    EXPECT_FALSE(rows[2].amount.has_value());
    NetWorthTable full{}; // a full list takes no more
    std::fill(full.begin() + 1, full.begin() + 31, NetWorthLine{"x", 1});
    std::int16_t thirty = 30;
    const NetWorthTable before = full;
    EXPECT_FALSE(insertBlankLine(full, thirty, 5));
    EXPECT_TRUE(full == before && thirty == 30);
}

TEST(NetWorthCalc, AmountKeysAllowDigitsAPeriodAndTwoDecimalsAndShowTheirPatterns) {
    // Two decimals counted from the first period; a second period before them is taken.
    EXPECT_EQ(judgeAmountKey("12.34", U'.'), KeyVerdict::Ignore);
    EXPECT_EQ(judgeAmountKey("1.2.", U'5'), KeyVerdict::Ignore);
    EXPECT_EQ(judgeAmountKey("1.2", U'.'), KeyVerdict::Accept);
    EXPECT_EQ(judgeAmountKey("1", U','), KeyVerdict::Beep);
    EXPECT_EQ(judgeNameKey(U'"'), KeyVerdict::Ignore);
    EXPECT_EQ(judgeNameKey(U'é'), KeyVerdict::Accept);
    EXPECT_EQ(amountFromTyped("1.2.5"), 1.2);
    EXPECT_EQ(amountFromTyped("."), 0.0);
    EXPECT_FALSE(amountFromTyped("").has_value());
    // Hand-formatted: negative amounts are not listed; the net worth has no zero before the point.
    const NumberSeparators seps;
    EXPECT_EQ(listedAmountText(-3.0, seps) + "|" + listedAmountText(1234.5, seps), "|1,234.50");
    EXPECT_EQ(typedAmountText(12345.6, {",", "."}), "12.345,60");
    EXPECT_EQ(netWorthText(Currency::fromDouble(-1234.5).value(), "EU", seps), "EU-1,234.50");
    EXPECT_EQ(totalText(Currency{}, "$", seps) + netWorthText(Currency{}, "$", seps), "$0.00$.00");
}

} // namespace
