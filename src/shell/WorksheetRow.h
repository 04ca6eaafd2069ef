#pragma once
// A worksheet as the main menu offers it and the container opens it. The program lists its
// worksheets in one table of these rows; the shell reads the table and knows no worksheet.
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;
class Workspace;
struct ShellState;

struct WorksheetRow {
    using Factory = std::function<QWidget*(Workspace&)>;

    // What the program calls it; also its pecunex-report subcommand.
    std::string id;
    // Its main menu button: object name and caption with its accelerator.
    const char* button = "";
    QString caption;
    // The button's place in the menu's Tab order, counted from 0; the menu's own buttons
    // (Personalize, Exit, About, How to) hold places 5 to 8.
    int tabPlace = 0;
    // What choosing it sets before it opens (which planner a shared window is), if anything.
    std::function<void(ShellState&)> chosen;
    // Makes its window over its tables, which outlive the window.
    Factory make;
};

// In the order of the menu's Planners column, top to bottom.
using WorksheetTable = std::vector<WorksheetRow>;
