// The message and question texts that take a detail or a file name, or start with a blank.
#include <gtest/gtest.h>

#include <string>

#include "Messages.h"

TEST(Messages, DetailsAndFileNamesGoWhereTheyBelong) {
    const std::string erase =
        " file in memory will be erased. Do you wish to go back and save it to Disk?.";
    EXPECT_EQ(messageText(msg::WrongEntryDetail, "in box 3"), "Wrong entry in box 3");
    EXPECT_EQ(messageText(msg::WrongEntry, "ignored"), "Wrong entry.");
    EXPECT_EQ(messageText(msg::BadBudgetFileName).substr(0, 4), " Bad");
    EXPECT_EQ(questionText(3, "HOME.BGT"), "HOME.BGT" + erase);
    EXPECT_EQ(questionText(3), erase); // an empty name leaves the leading blank first
    EXPECT_EQ(questionText(4, "ignored", "12 Rent"),
              "Are you sure you wish to delete the current record: 12 Rent");
    EXPECT_EQ(messageText(4) + questionText(5), ""); // unused codes
}
