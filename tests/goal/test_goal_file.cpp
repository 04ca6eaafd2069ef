// Savings goal files: what is written, read back, and what a reader refuses.
#include <gtest/gtest.h>

#include "GoalFile.h"
#include "Messages.h"

namespace {

GoalInput sample() {
    const auto money = [](double v) { return *Currency::fromDouble(v); };
    return {{money(2500.5), money(300), money(6.25), money(-1), money(2.5), 30, "Quarterly"},
            money(750000),
            true,
            GoalUnknown::Rate};
}

const std::string Sample = "\"Pecunex\",\"Goal\",1\r\n"
                           "\"rate\",750000,1\r\n"
                           "2500.5,300,\"Quarterly\",6.25,-1,2.5,30\r\n";

TEST(GoalFile, WritesItsFormAndReadsItBack) {
    EXPECT_EQ(writeGoalFile(sample()), Sample);
    const Result<GoalInput> read = readGoalFile("\xEF\xBB\xBF" + Sample);
    ASSERT_TRUE(read.ok()) << read.failure().what;
    EXPECT_EQ(writeGoalFile(*read), Sample);
}

// Each row changes one field of the sample (the first match of `from`).
TEST(GoalFile, RefusesWhatTheWorksheetCouldNotHaveWritten) {
    const std::pair<std::string, std::string> rows[] = {
        {"\"Goal\"", "\"Compare\""}, {"\"Goal\",1", "\"Goal\",2"},
        {"\"rate\"", "\"salary\""},  {"750000,1", "750000,2"},
        {"750000", "\"a lot\""},     {"\"Quarterly\"", "\"Weekly\""},
        {",300,", ",-300,"},         {",30\r", ",41\r"},
        {",2.5,30", ",2.5"},         {"2500.5,300,\"Quarterly\",6.25,-1,2.5,30\r\n", ""},
        {",6.25,", ",7.123456,"},    {"750000,", "750000.001,"},
    };
    for (const auto& [from, to] : rows) {
        std::string text = Sample;
        const Result<GoalInput> r = readGoalFile(text.replace(text.find(from), from.size(), to));
        ASSERT_FALSE(r.ok()) << text;
        EXPECT_EQ(r.failure().code, msg::FileNotFound) << text;
    }
}

} // namespace
