// pecunex: the desktop program. Everything lives in the container window; the program's
// folder holds the settings, the user guide and the files offered by default.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <memory>

#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "GraphsWindow.h"
#include "MdiContainer.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "NetWorthTables.h"
#include "NetWorthWindow.h"
#include "ProgramPaths.h"
#include "QtDialogs.h"
#include "QtPrinter.h"
#include "SavingsTables.h"
#include "SavingsWindow.h"
#include "Settings.h"
#include "ShellState.h"
#include "SystemLocale.h"

namespace {

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("pecunex needs a graphical display (X11 or Wayland); without a screen, run it "
                   "under a virtual one, e.g.: xvfb-run -a pecunex\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pecunex"));

    ShellState state;
    // Files named without a folder (the guide, the samples) are the program's own: beside it in
    // the build tree, in the installed data folder once installed.
    state.ProgramFolder =
        paths::foldersOf(QCoreApplication::applicationDirPath()).data.toStdString();
    // If the folder cannot be made current, start-up goes on regardless.
    (void)QDir::setCurrent(QString::fromStdString(state.ProgramFolder));
    loadSettings(state);
    state.TodayDate = platform::shortDate(platform::today());

    // The worksheets' tables, live while the program runs; each worksheet resets its own on
    // leaving.
    MortgageTables mortgageTables;
    SavingsTables savingsTables;
    NetWorthTables netWorth;

    MdiContainer container(state);
    QtDialogs dialogs(state, &container);
    QtPrinterProvider printers(&container);
    container.setDialogs(&dialogs);
    container.setPrinters(&printers);

    const auto mortgage = [&mortgageTables](Workspace& workspace) -> QWidget* {
        return new MortgageWindow(workspace, mortgageTables);
    };
    container.registerWorksheet(Worksheet::Mortgage, mortgage);
    container.registerWorksheet(Worksheet::Loan, mortgage);
    container.registerWorksheet(Worksheet::Savings,
                                [&savingsTables](Workspace& workspace) -> QWidget* {
                                    return new SavingsWindow(workspace, savingsTables);
                                });
    container.registerWorksheet(Worksheet::NetWorth, [&netWorth](Workspace& workspace) -> QWidget* {
        return new NetWorthWindow(workspace, netWorth);
    });
    container.registerGraphWindow(
        [](Workspace& workspace) -> QWidget* { return new GraphsWindow(workspace); });
    // The budget's records live here while its worksheet is open.
    const auto budgetTables = std::make_unique<BudgetTables>();
    container.registerWorksheet(Worksheet::Budget,
                                [&tables = *budgetTables](Workspace& workspace) -> QWidget* {
                                    return new BudgetWindow(workspace, tables);
                                });

    container.show();
    return app.exec();
}
