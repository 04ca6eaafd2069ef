#pragma once
// What every window uses, under the names the windows use for it: settings, dialog inputs
// and answers, file names and entry flags. One instance, owned by the application and passed
// by reference to every window; each worksheet keeps its own tables beside it.
#include <cstdint>
#include <string>
#include <vector>

struct ShellState {
    // Where the program lives: settings, help and default files are looked up here.
    std::string ProgramFolder;

    std::int32_t LayoutClass = 6810;
    std::string CurrencySymbol = "$";
    std::int16_t PrinterFontChoice = 0;
    std::int16_t LinesPerPage = 53;
    std::string UserName;
    std::string TodayDate;         // short date text
    std::int16_t MortgageMode = 1; // which planner the menu opens: 1 mortgage, 2 loan
    std::int16_t ContextCode = 0;

    std::string FilterText;
    std::int16_t FilterDecimals = 0;
    std::int16_t EditStarted = 0;

    std::int16_t MessageCode = 0;
    std::string MessageDetail;
    std::int16_t QuestionCode = 0;
    std::int16_t DeletePrompt = 0;
    std::int16_t RecordDialogSide = 0;
    std::int16_t SelectedRow = 0;
    std::string ValueAnswer;
    std::int16_t RecordNumber = 0;
    std::string HeaderText;
    std::int16_t FileDialogMode = 0;
    // The file dialog's and the question's inputs: a page lends its own file's name here
    // only while they ask (see DocumentFile), so they stay empty otherwise.
    std::string CurrentFileName;
    std::string MortgageFileName;
    std::string LoanFileName;
    std::string ChosenFileName;
    // An open dialog asked with FileDialogSeveral set may take several files: all of them
    // are left in ChosenFileNames (the first also in ChosenFileName).
    std::int16_t FileDialogSeveral = 0;
    std::vector<std::string> ChosenFileNames;
    // The filter and extension FileDir offers for a mode it does not know itself (our own
    // worksheets' kinds of file, which the page asking describes).
    std::string FileDialogFilter;
    std::string FileDialogExtension;

    // How the payment schedule is shown; the choice outlives the worksheet.
    std::int16_t ScheduleView = 2; // 2 all payments, 1 annual totals
    std::int16_t DateView = 0;     // 1 dates
};
