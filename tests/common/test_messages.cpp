// The message and question tables: every named message has its own text, and the texts
// that take a detail or a file name put it where it belongs.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Messages.h"

namespace {

TEST(MessageTable, EveryNamedCodeHasItsOwnText) {
    const int codes[] = {msg::NoDataToPrint,  msg::NoDataToGraph,       msg::WrongOrMissingEntry, msg::FortyYearsLimit,
                         msg::EntryLimit22,   msg::NoRecordsToDelete,   msg::WrongEntry,          msg::NotAValidDate,
                         msg::FileNotFound,   msg::BadBudgetFileName,   msg::NoRecords,           msg::Boxes1And3,
                         msg::RecordDoesNotExist, msg::WrongEntryDetail, msg::NoRecordToChange,   msg::NoRecordsToSave,
                         msg::RowLimit30,     msg::CannotSort,          msg::BadNetWorthFileName, msg::CannotCalculate,
                         msg::RecordLimit500, msg::BadMortgageFileName, msg::BadLoanFileName};
    std::set<std::string> seen;
    for (int code : codes) {
        const std::string text = messageText(code);
        EXPECT_FALSE(text.empty()) << code;
        EXPECT_TRUE(seen.insert(text).second) << "text of " << code << " repeats another: " << text;
    }
    for (int unused : {0, 4, 9, 11, 12, 18, 24, 27, 34, 99, -1}) EXPECT_EQ(messageText(unused), "") << unused;
}

TEST(MessageTable, DetailsAndLimits) {
    EXPECT_EQ(messageText(msg::WrongEntryDetail, "in box 3"), "Wrong entry in box 3");
    EXPECT_EQ(messageText(msg::WrongEntry, "ignored"), "Wrong entry.");
    EXPECT_NE(messageText(msg::RecordLimit500).find("500"), std::string::npos);
    // Nothing precedes the fixed text, which starts with its blank.
    EXPECT_EQ(messageText(msg::BadBudgetFileName), " Bad filename, must be in the form MYFILE.BGT");
}

TEST(QuestionTable, FileNameAndDetailGoWhereTheyBelong) {
    const std::string erase = " file in memory will be erased. Do you wish to go back and save it to Disk?.";
    EXPECT_EQ(questionText(3, "HOME.BGT"), "HOME.BGT" + erase);
    EXPECT_EQ(questionText(3), erase);  // an empty name leaves the leading blank first
    EXPECT_EQ(questionText(4, "ignored", "12 Rent"), "Are you sure you wish to delete the current record: 12 Rent");
    EXPECT_EQ(questionText(1), " Continue with Printout.");
    EXPECT_EQ(questionText(2), " Print in Color.");
    EXPECT_EQ(questionText(5), "");
}

} // namespace
