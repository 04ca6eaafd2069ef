#pragma once
// A worksheet as the main menu offers it and the container opens it. The program lists its
// worksheets in one table of these rows; the shell reads the table and knows no worksheet.
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QWidget;
class Workspace;
struct WorksheetGraph;
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
    // Its name where the program lists what it plans (the menu's footer, the About box);
    // empty for a row listed under another's name.
    QString listed{};
};

// In the order of the menu's Planners column, top to bottom.
using WorksheetTable = std::vector<WorksheetRow>;

// The worksheets' names in the table's order, a middle dot between them, a new line after every
// `perLine` names (all on one line when 0).
inline QString listedWorksheets(const WorksheetTable& worksheets, int perLine = 0) {
    QStringList names;
    for (const WorksheetRow& row : worksheets)
        if (!row.listed.isEmpty())
            names << row.listed;
    QString text;
    for (qsizetype i = 0; i < names.size(); ++i)
        text += (i == 0                            ? QString()
                 : perLine > 0 && i % perLine == 0 ? QStringLiteral("\n")
                                                   : QStringLiteral(" \u00b7 ")) +
                names[i];
    return text;
}

// Makes the graph window the worksheets open, drawing what one requests.
using GraphWindowFactory = std::function<QWidget*(Workspace&, const WorksheetGraph&)>;
