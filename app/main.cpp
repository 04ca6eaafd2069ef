// pecunex: the desktop program. Everything lives in the container window; the program's
// folder holds the settings, the user guide and the files offered by default.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "MdiContainer.h"
#include "ProgramPaths.h"
#include "QtDialogs.h"
#include "QtPrinter.h"
#include "Settings.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "Worksheets.h"

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

    // The worksheets' tables live while the program runs (so they outlive the container and
    // its windows); each worksheet resets its own on leaving.
    ProgramWorksheets worksheets;
    MdiContainer container(state, worksheets.rows());
    QtDialogs dialogs(state, &container);
    // PDFs are named where the file dialogs start: beside the program in the build tree, the
    // documents folder once installed.
    QtPrinterProvider printers(&container,
                               paths::documentsFolder(QString::fromStdString(state.ProgramFolder)));
    container.setDialogs(&dialogs);
    container.setPrinters(&printers);
    container.registerGraphWindow(ProgramWorksheets::graphWindow());

    container.show();
    return app.exec();
}
