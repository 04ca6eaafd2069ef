// The net worth calculation, blank-line insertion, the typing rules and the shown texts.
#include <gtest/gtest.h>

#include <vector>

#include "Messages.h"
#include "NetWorthCalc.h"

namespace {

struct Line {
    const char* name;
    std::optional<double> amount;
};

NetWorthTable table(std::initializer_list<Line> lines, int firstRow = 1) {
    NetWorthTable t{};
    int row = firstRow;
    for (const Line& l : lines)
        t[static_cast<std::size_t>(row++)] = NetWorthLine{l.name, l.amount};
    return t;
}

std::vector<std::string> names(const PackedList& p) {
    std::vector<std::string> out;
    for (int i = 1; i <= p.count; ++i)
        out.push_back(p.rows[static_cast<std::size_t>(i)].name);
    return out;
}

TEST(NetWorthCalc, SubTotalsSumTheLinesAboveAndTotalsCountOrdinaryLinesOnce) {
    // Figures: the worked example beside the worksheet, and hand sums.
    const struct {
        const char* source;
        NetWorthTable rows;
        std::vector<std::optional<double>> amounts; // after the calculation, rows 1..count
        double total;
    } cases[] = {
        {"worked example",
         table({{"House", 100000},
                {"Car", 5000},
                {"Sub Total", {}},
                {"Cash", 200},
                {"Sub Total", {}}}),
         {100000, 5000, 105000, 200, 200},
         105200},
        {"lower case sub total",
         table({{"a", 1.5}, {"sub total", {}}, {"b", 2}}),
         {1.5, 1.5, 2},
         3.5},
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
            EXPECT_EQ(p->rows[static_cast<std::size_t>(i)].amount,
                      c.amounts[static_cast<std::size_t>(i - 1)])
                << c.source << " row " << i;
        EXPECT_EQ(p->total, Currency::fromDouble(c.total).value()) << c.source;
    }
}

TEST(NetWorthCalc, EmptyNamesAreDroppedAndTheLinesBelowMoveUp) {
    // Rows 1, 3, 7 and 30 used; row 3's name emptied; a single blank is a name.
    NetWorthTable rows = table({{"House", 1}, {"", 2}, {" ", 3}});
    rows[7] = {"Car", 4};
    rows[30] = {"Last", 5};
    const Result<PackedList> p = packList(rows);
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(names(*p), (std::vector<std::string>{"House", " ", "Car", "Last"}));
    EXPECT_EQ(p->total, Currency::fromWhole(13)); // hand sum 1 + 3 + 4 + 5; the dropped 2 is gone
    EXPECT_EQ(p->rows[5], NetWorthLine{});        // rows after the count are emptied
}

TEST(NetWorthCalc, BothListsCountedAndTooLargeAmountsCannotBeCalculated) {
    NetWorthTables t;
    t.AssetRows = table({{"House", 325000}, {"Cash", 0.5}});
    t.LiabilityRows = table({{"Loan", 1000.25}});
    t.NetWorthUnsaved = 1;
    const Result<NetWorthTables> r = calculateNetWorth(t);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(std::tuple(r->AssetCount, r->LiabilityCount, r->NetWorthUnsaved),
              std::tuple(2, 1, 1));
    EXPECT_EQ(netWorthOf(*r), Currency::fromDouble(324000.25)); // hand: 325000.5 - 1000.25

    NetWorthTables huge;
    huge.AssetRows = table({{"a", 9e14}, {"b", 9e14}}); // each fits, the sum does not
    EXPECT_EQ(calculateNetWorth(huge).failure().code, msg::CannotCalculate);
    huge.AssetRows = table({{"a", 1e300}});
    EXPECT_EQ(calculateNetWorth(huge).failure().code, msg::CannotCalculate);
}

TEST(NetWorthCalc, InsertBlankLineMovesTheLinesDownFromItsNumber) {
    const NetWorthTable three = table({{"a", 1}, {"b", 2}, {"c", 3}});
    const struct {
        int at;
        bool inserted;
        std::vector<std::string> after; // rows 1..5 names
    } cases[] = {
        {2, true, {"a", "BlankLine", "b", "c", ""}}, {1, true, {"BlankLine", "a", "b", "c", ""}},
        {4, true, {"a", "b", "c", "BlankLine", ""}}, {0, false, {"a", "b", "c", "", ""}},
        {29, false, {"a", "b", "c", "", ""}},
    };
    for (const auto& c : cases) {
        NetWorthTable rows = three;
        std::int16_t count = 3;
        EXPECT_EQ(insertBlankLine(rows, count, c.at), c.inserted) << c.at;
        EXPECT_EQ(count, c.inserted ? 4 : 3) << c.at;
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(rows[static_cast<std::size_t>(i)].name, c.after[i - 1]) << c.at;
        if (c.inserted) {
            EXPECT_FALSE(rows[static_cast<std::size_t>(c.at)].amount.has_value());
        }
    }
    // Beyond the last line: put there, and the calculation closes the gap.
    NetWorthTable rows = three;
    std::int16_t count = 3;
    ASSERT_TRUE(insertBlankLine(rows, count, 10));
    EXPECT_EQ(names(packList(rows).value()),
              (std::vector<std::string>{"a", "b", "c", "BlankLine"}));
    // A full list takes no more.
    NetWorthTable full{};
    for (int i = 1; i <= NetWorthLines; ++i)
        full[static_cast<std::size_t>(i)].name = "x";
    std::int16_t thirty = 30;
    const NetWorthTable before = full;
    EXPECT_FALSE(insertBlankLine(full, thirty, 5));
    EXPECT_TRUE(full == before && thirty == 30);
}

TEST(NetWorthCalc, AmountKeysAllowDigitsAPeriodAndTwoDecimals) {
    const struct {
        const char* buffer;
        char32_t key;
        KeyVerdict verdict;
    } cases[] = {
        {"", U'1', KeyVerdict::Accept},
        {"12", U'.', KeyVerdict::Accept},
        {"12.3", U'4', KeyVerdict::Accept},
        {"12.34", U'5', KeyVerdict::Ignore},
        {"12.34", U'.', KeyVerdict::Ignore}, // a third decimal, silently
        {"1.2", U'.', KeyVerdict::Accept},
        {"1.2.", U'5', KeyVerdict::Ignore}, // counted from the first period
        {"12", U'a', KeyVerdict::Beep},
        {"", U'-', KeyVerdict::Beep},
        {"1", U',', KeyVerdict::Beep},
        {"", U'"', KeyVerdict::Ignore},
    };
    for (const auto& c : cases)
        EXPECT_EQ(judgeAmountKey(c.buffer, c.key), c.verdict)
            << c.buffer << " + " << static_cast<char>(c.key);
    EXPECT_EQ(judgeNameKey(U'"'), KeyVerdict::Ignore);
    EXPECT_EQ(judgeNameKey(U'é'), KeyVerdict::Accept);

    // Typing 12.345 key by key keeps 12.34.
    std::string buffer;
    for (char c : std::string("12.345"))
        if (judgeAmountKey(buffer, static_cast<char32_t>(c)) == KeyVerdict::Accept)
            buffer += c;
    EXPECT_EQ(buffer, "12.34");
    EXPECT_EQ(amountFromTyped(buffer), 12.34);
    EXPECT_EQ(amountFromTyped("1.2.5"), 1.2);
    EXPECT_EQ(amountFromTyped("."), 0.0);
    EXPECT_FALSE(amountFromTyped("").has_value());
}

TEST(NetWorthCalc, ShownTextsFollowTheirPatterns) {
    const NumberSeparators seps;
    const NumberSeparators comma{",", "."};
    // Hand-formatted expectations.
    EXPECT_EQ(listedAmountText(1234.5, seps), "1,234.50");
    EXPECT_EQ(listedAmountText(0.0, seps), ""); // zero, empty and negative show nothing
    EXPECT_EQ(listedAmountText(std::nullopt, seps), "");
    EXPECT_EQ(listedAmountText(-3.0, seps), "");
    EXPECT_EQ(typedAmountText(0.0, seps), ".00");
    EXPECT_EQ(typedAmountText(12345.6, comma), "12.345,60");
    EXPECT_EQ(typedAmountText(std::nullopt, seps), "");
    EXPECT_EQ(totalText(Currency{}, "$", seps), "$0.00");
    EXPECT_EQ(totalText(Currency::fromDouble(105200).value(), "$", seps), "$105,200.00");
    EXPECT_EQ(netWorthText(Currency{}, "$", seps), "$.00");
    EXPECT_EQ(netWorthText(Currency::fromDouble(-1234.5).value(), "EU", seps), "EU-1,234.50");
    EXPECT_EQ(totalRowFor(5), 8);
    EXPECT_EQ(totalRowFor(0), 3);
}

} // namespace
