#pragma once
// A workspace for window tests: scripted dialogs, captured printouts, a temporary program
// folder, the container's caption, menu calls and the graphs requested recorded.
#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest/QTest>
#include <vector>

#include "ScriptedDialogs.h"
#include "Workspace.h"

class TestWorkspace : public Workspace {
  public:
    explicit TestWorkspace(int mortgageMode = 1) {
        shared.ProgramFolder = folder.path().toStdString();
        shared.MortgageMode = static_cast<std::int16_t>(mortgageMode);
        shared.TodayDate = "2027-01-15";
    }
    ShellState& state() override { return shared; }
    Dialogs& dialogs() override { return scripted; }
    PrinterProvider& printers() override { return capture; }
    QWidget* container() override { return &containerWidget; }
    void setCaption(const QString& text) override { caption = text; }
    void showMenu() override { ++menuShown; }
    void showGraph(const WorksheetGraph& request) override { graphs.push_back(request); }

    QTemporaryDir folder;
    ShellState shared;
    ScriptedDialogs scripted{shared};
    CapturingPrinters capture;
    QWidget containerWidget;
    QString caption;
    int menuShown = 0;
    std::vector<WorksheetGraph> graphs;
};

// Shows `w` as the active window, so focus and keys behave as for the user.
inline void activate(QWidget* w) {
    w->show();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
}
