// The promise about the user's data, on the budget and net worth worksheets inside the real
// container: every way of leaving changed data asks question 3 first (yes keeps it). (A save
// that fails or is cut short keeps the previous file: the safe save's tests and the
// worksheets' own.)
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>

#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "MainMenu.h"
#include "MdiContainer.h"
#include "Messages.h"
#include "NetWorthTables.h"
#include "NetWorthWindow.h"
#include "QtTestMain.h"
#include "ScriptedDialogs.h"
#include "WorksheetFrame.h"

namespace {
// The program's container with both worksheets registered and scripted dialogs.
struct Program {
    Program() {
        state.ProgramFolder = folder.path().toStdString();
        container.setDialogs(&scripted), container.setPrinters(&printers);
        container.registerWorksheet(Worksheet::Budget, [this](Workspace& w) -> QWidget* {
            return new BudgetWindow(w, budget);
        });
        container.registerWorksheet(Worksheet::NetWorth, [this](Workspace& w) -> QWidget* {
            return new NetWorthWindow(w, netWorth);
        });
        container.show();
    }
    QTemporaryDir folder;
    ShellState state;
    ScriptedDialogs scripted{state};
    CapturingPrinters printers;
    BudgetTables budget;
    NetWorthTables netWorth;
    MdiContainer container{state};
};
enum Path { ExitButton, OpenFile, ContainerClose, FrameClose };
} // namespace

class TestLeavingAndSaving : public QObject {
    Q_OBJECT
  private slots:
    // Every path that would discard changed data, answered yes and no. Opening a file never
    // asks: the data in memory is replaced as soon as a file is chosen.
    void everyWayOutAsksBeforeDiscardingChanges() {
        for (const bool budget : {true, false})
            for (const Path path : {ExitButton, OpenFile, ContainerClose, FrameClose})
                for (const int answer : {question::Yes, question::No}) {
                    Program p;
                    // One changed line, as after an add or a calculation.
                    p.container.openWorksheet(budget ? Worksheet::Budget : Worksheet::NetWorth);
                    if (budget) {
                        p.budget.IncomeRecords[1] = {1, "Salary", Currency::fromWhole(1200),
                                                     Currency::fromWhole(12),
                                                     Currency::fromWhole(1200)};
                        p.budget.IncomeCount = 1, p.budget.BudgetChanged = 1;
                    } else {
                        p.netWorth.AssetRows[1] = {"House", 1000.0};
                        p.netWorth.AssetCount = 1, p.netWorth.NetWorthUnsaved = 1;
                    }
                    p.scripted.answers = {answer};
                    p.scripted.fileNames = {"missing-file"};
                    const char* buttons[] = {budget ? "ExitBudget" : "NExit",
                                             budget ? "FilOpen" : "Loadnet"};
                    if (path == ExitButton || path == OpenFile)
                        p.container.worksheet()->findChild<QPushButton*>(buttons[path])->click();
                    else if (path == ContainerClose)
                        p.container.close();
                    else
                        worksheetFrame(p.container.worksheet())->close();
                    QCoreApplication::processEvents();
                    const bool asks = path != OpenFile, kept = asks && answer == question::Yes;
                    int asked = 0, open = 0;
                    for (const auto& call : p.scripted.calls)
                        asked +=
                            call == ScriptedDialogs::Call{"yesNo", question::SaveBeforeErasing};
                    for (QMdiSubWindow* w : p.container.area()->subWindowList())
                        open += w->widget() != p.container.menu() && w->isVisible();
                    const int lines = budget ? p.budget.IncomeCount : p.netWorth.AssetCount;
                    const QString where = QString("%1, path %2, answer %3")
                                              .arg(buttons[0])
                                              .arg(int(path))
                                              .arg(answer);
                    QVERIFY2(asked == asks && lines == kept, qPrintable(where));
                    QVERIFY2(open == (kept || path == OpenFile), qPrintable(where));
                    if (path == ContainerClose)
                        QVERIFY2(p.container.isVisible() == kept, qPrintable(where));
                }
    }
};

PECUNEX_QTEST_MAIN(TestLeavingAndSaving)
#include "test_leaving_and_saving.moc"
