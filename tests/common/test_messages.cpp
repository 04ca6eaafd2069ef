// The message and question texts that take a detail or a file name, or start with a blank.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Messages.h"

TEST(Messages, DetailsAndFileNamesGoWhereTheyBelong) {
    const std::string erase =
        " file in memory will be erased. Do you wish to go back and save it to Disk?.";
    const struct {
        std::string text, expected;
    } cases[] = {
        {messageText(msg::WrongEntryDetail, "in box 3"), "Wrong entry in box 3"},
        {messageText(msg::WrongEntry, "ignored"), "Wrong entry."},
        {messageText(msg::BadBudgetFileName), " Bad filename, must be in the form MYFILE.BGT"},
        {messageText(1), "No data to print. Calculate."},
        {messageText(38), "Bad Filename. Must be in the form MYFILE.ULD"},
        {questionText(1), " Continue with Printout."},
        {questionText(2, "X.BGT", "y"), " Print in Color."},
        {questionText(3, "HOME.BGT"), "HOME.BGT" + erase},
        {questionText(3), erase}, // an empty name leaves the leading blank first
        {questionText(4, "ignored", "12 Rent"),
         "Are you sure you wish to delete the current record: 12 Rent"},
        {questionText(5), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.expected);
    std::set<std::string> texts; // 23 numbered messages, no two alike
    for (int code = -1; code <= 40; ++code)
        texts.insert(messageText(code));
    EXPECT_EQ(texts.size(), 24u); // with the "" of the unused codes
}
