#pragma once
// The numbered messages and yes/no questions of the program's dialogs.
#include <string>
#include <string_view>

namespace msg {
constexpr int NoDataToPrint = 1;
constexpr int NoDataToGraph = 2;
constexpr int WrongOrMissingEntry = 3;
constexpr int FortyYearsLimit = 5;
constexpr int EntryLimit22 = 6;
constexpr int NoRecordsToDelete = 7;
constexpr int WrongEntry = 8;
constexpr int NotAValidDate = 10;
constexpr int FileNotFound = 13;
constexpr int BadBudgetFileName = 14;
constexpr int NoRecords = 15;
constexpr int Boxes1And3 = 16;
constexpr int RecordDoesNotExist = 17;
constexpr int WrongEntryDetail = 19;
constexpr int NoRecordToChange = 20;
constexpr int NoRecordsToSave = 21;
constexpr int RowLimit30 = 22;
constexpr int CannotSort = 23;
constexpr int BadNetWorthFileName = 25;
constexpr int CannotCalculate = 26;
constexpr int RecordLimit500 = 33;
constexpr int BadMortgageFileName = 37;
constexpr int BadLoanFileName = 38;
constexpr int DetailOnly = 44; // our own worksheets: the detail is the whole message
// The savings goal: no figure of the unknown reaches the target.
constexpr int GoalNotInFortyYears = 60;
constexpr int GoalNotAtHundredPercent = 61;
constexpr int GoalNoAnswer = 62;
constexpr int BadGoalFileName = 63;
constexpr int BadActualFileName = 64;
} // namespace msg

// The yes/no questions, and the answers the question dialog leaves.
namespace question {
constexpr int ContinuePrintout = 1;
constexpr int PrintInColour = 2;
constexpr int SaveBeforeErasing = 3;
constexpr int DeleteRecord = 4;
// Our own worksheets ask question 3 when their entries have a file, this one when they have none.
constexpr int SaveEntriesBeforeErasing = 5;
constexpr int Yes = 6;
constexpr int No = 0;
} // namespace question

// Text of message `code`; `detail` is used by the messages that insert one (19).
// Unknown codes give "".
std::string messageText(int code, std::string_view detail = {});

// Text of yes/no question `code`; `fileName` for question 3, `detail` for question 4.
std::string questionText(int code, std::string_view fileName = {}, std::string_view detail = {});
