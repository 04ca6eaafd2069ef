// Savings goal files: what is written, read back, and what a reader refuses.
#include <gtest/gtest.h>

#include "GoalFile.h"
#include "Messages.h"

namespace {

GoalInput sample() {
    GoalInput goal;
    goal.plan = {*Currency::fromDouble(2500.5),
                 Currency::fromWhole(300),
                 *Currency::fromDouble(6.25),
                 Currency::fromWhole(-1),
                 *Currency::fromDouble(2.5),
                 30,
                 "Quarterly"};
    goal.target = Currency::fromWhole(750000);
    goal.today = true;
    goal.solve = GoalUnknown::Rate;
    return goal;
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

TEST(GoalFile, RefusesWhatTheWorksheetCouldNotHaveWritten) {
    const std::string plan = "2500.5,300,\"Quarterly\",6.25,-1,2.5,30\r\n";
    const char* const refused[] = {
        "\"Pecunex\",\"Compare\",1\r\n\"rate\",750000,1\r\n",
        "\"Pecunex\",\"Goal\",2\r\n\"rate\",750000,1\r\n",
        "\"Other\",\"Goal\",1\r\n\"rate\",750000,1\r\n",
        "\"Pecunex\",\"Goal\",1\r\n\"salary\",750000,1\r\n",
        "\"Pecunex\",\"Goal\",1\r\n\"rate\",-5,1\r\n",
        "\"Pecunex\",\"Goal\",1\r\n\"rate\",750000,2\r\n",
        "\"Pecunex\",\"Goal\",1\r\n\"rate\",\"a lot\",1\r\n",
    };
    for (const char* head : refused) {
        const Result<GoalInput> r = readGoalFile(head + plan);
        ASSERT_FALSE(r.ok()) << head;
        EXPECT_EQ(r.failure().code, msg::FileNotFound) << head;
    }
    const std::string head = "\"Pecunex\",\"Goal\",1\r\n\"rate\",750000,1\r\n";
    for (const char* body :
         {"2500.5,300,\"Weekly\",6.25,-1,2.5,30", "2500.5,-300,\"Quarterly\",6.25,-1,2.5,30",
          "2500.5,300,\"Quarterly\",-6.25,-1,2.5,30", "2500.5,300,\"Quarterly\",6.25,-1,2.5,41",
          "2500.5,300,\"Quarterly\",6.25,-1,2.5,2.5", "2500.5,300,\"Quarterly\",6.25,-1,2.5", ""}) {
        const Result<GoalInput> r = readGoalFile(head + body);
        ASSERT_FALSE(r.ok()) << body;
        EXPECT_EQ(r.failure().code, msg::FileNotFound) << body;
    }
}

} // namespace
