// The two promises about the user's data, on the budget and net worth worksheets inside the
// real container: every way of leaving changed data asks question 3 first (yes keeps it),
// and a save that fails or is cut short leaves the previous file byte for byte.
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>

#include "BudgetFile.h"
#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "FailingSaves.h"
#include "LoanFile.h"
#include "MainMenu.h"
#include "MdiContainer.h"
#include "Messages.h"
#include "NetWorthFile.h"
#include "NetWorthTables.h"
#include "NetWorthWindow.h"
#include "QtTestMain.h"
#include "SafeSave.h"
#include "ScriptedDialogs.h"
#include "SettingsFile.h"
#include "WorksheetFrame.h"

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

// The program's container with both worksheets registered and scripted dialogs.
struct Program {
    Program() {
        state.ProgramFolder = folder.path().toStdString();
        container.setDialogs(&scripted);
        container.setPrinters(&printers);
        container.registerWorksheet(Worksheet::Budget, [this](Workspace& w) -> QWidget* {
            return new BudgetWindow(w, budget);
        });
        container.registerWorksheet(Worksheet::NetWorth, [this](Workspace& w) -> QWidget* {
            return new NetWorthWindow(w, netWorth);
        });
        container.show();
    }
    // Opens the worksheet and gives it one changed line, as after an add or a calculation.
    void openWithChanges(Worksheet which) {
        container.openWorksheet(which);
        if (which == Worksheet::Budget) {
            budget.IncomeRecords[1] = {1, "Salary", Currency::fromWhole(1200),
                                       Currency::fromWhole(12), Currency::fromWhole(1200)};
            budget.IncomeCount = 1;
            budget.BudgetChanged = 1;
        } else {
            netWorth.AssetRows[1] = {"House", 1000.0};
            netWorth.AssetCount = 1;
            netWorth.NetWorthUnsaved = 1;
        }
    }
    int lines(Worksheet which) const {
        return which == Worksheet::Budget ? budget.IncomeCount : netWorth.AssetCount;
    }
    QPushButton* button(const char* name) const {
        return container.worksheet()->findChild<QPushButton*>(name);
    }
    bool sheetOpen() const {
        const auto windows = container.area()->subWindowList();
        for (QMdiSubWindow* w : windows)
            if (w->widget() != container.menu() && w->isVisible())
                return true;
        return false;
    }

    QTemporaryDir folder;
    ShellState state;
    ScriptedDialogs scripted{state};
    CapturingPrinters printers;
    BudgetTables budget;
    NetWorthTables netWorth;
    MdiContainer container{state};
};

enum class Path { ExitButton, OpenFile, ContainerClose, FrameClose };

const char* pathName(Path p) {
    switch (p) {
    case Path::ExitButton:
        return "Exit to Menu";
    case Path::OpenFile:
        return "Open File";
    case Path::ContainerClose:
        return "closing the program";
    case Path::FrameClose:
        return "closing the worksheet's window";
    }
    return "";
}

} // namespace

class TestLeavingAndSaving : public QObject {
    Q_OBJECT
  private slots:
    // Every path that would discard changed data, answered yes and no. Opening a file never
    // asks: the data in memory is replaced as soon as a file is chosen.
    void everyWayOutAsksBeforeDiscardingChanges() {
        const struct {
            Worksheet sheet;
            const char *exit, *open;
        } sheets[] = {{Worksheet::Budget, "ExitBudget", "FilOpen"},
                      {Worksheet::NetWorth, "NExit", "Loadnet"}};
        for (const auto& sheet : sheets) {
            for (Path path :
                 {Path::ExitButton, Path::OpenFile, Path::ContainerClose, Path::FrameClose}) {
                for (int answer : {question::Yes, question::No}) {
                    Program p;
                    p.openWithChanges(sheet.sheet);
                    p.scripted.answers = {answer};
                    p.scripted.fileNames = {"missing-file"};
                    switch (path) {
                    case Path::ExitButton:
                        p.button(sheet.exit)->click();
                        break;
                    case Path::OpenFile:
                        p.button(sheet.open)->click();
                        break;
                    case Path::ContainerClose:
                        p.container.close();
                        break;
                    case Path::FrameClose:
                        worksheetFrame(p.container.worksheet())->close();
                        break;
                    }
                    QCoreApplication::processEvents();
                    const QString where =
                        QString("%1, %2, answer %3").arg(sheet.exit, pathName(path)).arg(answer);
                    int asked = 0;
                    for (const auto& call : p.scripted.calls)
                        asked +=
                            call == ScriptedDialogs::Call{"yesNo", question::SaveBeforeErasing};
                    const bool asks = path != Path::OpenFile;
                    QVERIFY2(asked == (asks ? 1 : 0), qPrintable(where));
                    const bool kept = asks && answer == question::Yes;
                    QVERIFY2(p.lines(sheet.sheet) == (kept ? 1 : 0), qPrintable(where));
                    const bool open = kept || path == Path::OpenFile;
                    QVERIFY2(p.sheetOpen() == open, qPrintable(where));
                    if (path == Path::ContainerClose)
                        QVERIFY2(p.container.isVisible() == kept, qPrintable(where));
                }
            }
        }
    }

    // Each file the program writes, under each fault: the previous file stays byte for byte
    // and nothing beside it is taken for data.
    void aFailedSaveKeepsThePreviousFile_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("newText");
        BudgetTables budget;
        budget.ExpenseRecords[1] = {1, "Rent", Currency::fromWhole(14400), Currency::fromWhole(12),
                                    Currency::fromWhole(14400)};
        budget.ExpenseCount = 1;
        NetWorthTables netWorth;
        netWorth.LiabilityRows[1] = {"Car loan", 5000.0};
        netWorth.LiabilityCount = 1;
        QTest::newRow("budget") << "home.Bgt" << QByteArray::fromStdString(writeBudgetFile(budget));
        QTest::newRow("net worth")
            << "home.NWV" << QByteArray::fromStdString(writeNetWorthFile(netWorth));
        LoanFileData mortgage;
        mortgage.firstPaymentDate = "2027-02-01";
        LoanFileData loan = mortgage;
        loan.input.mortgageMode = 2;
        QTest::newRow("mortgage") << "house.UMD"
                                  << QByteArray::fromStdString(writeLoanFile(mortgage));
        QTest::newRow("loan") << "car.ULD" << QByteArray::fromStdString(writeLoanFile(loan));
        QTest::newRow("settings") << "Personal.kpf"
                                  << QByteArray::fromStdString(formatSettings({"EU", 2, "Ann"}));
    }
    void aFailedSaveKeepsThePreviousFile() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, newText);
        QTemporaryDir folder;
        const QString target = QDir(folder.path()).filePath(fileName);
        const QByteArray old = "previous contents\r\n";
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        const std::string text = newText.toStdString();
        auto others = [&] {
            return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        };

        // A full disk: the write stops part way.
        {
            FailingSaves full(newText.size() / 2);
            QVERIFY(!platform::saveFile(target, text));
        }
        QCOMPARE(bytesOf(target), old);
        QCOMPARE(others(), QStringList{fileName});

        // A folder the program may not write in (the owner's write permission taken away;
        // root writes anyway, so there the case cannot be made).
        if (geteuid() != 0) {
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(!platform::saveFile(target, text));
            QVERIFY(QFile::setPermissions(folder.path(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QCOMPARE(bytesOf(target), old);
        }

        // Killed after the temporary file was written, before the rename: a child process
        // writes the new text and dies inside the save.
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            platform::saveFileThrough(target, [&](const QString& temporary) {
                QFile f(temporary);
                if (f.open(QIODevice::WriteOnly))
                    f.write(newText), f.flush();
                _exit(0);
                return true;
            });
            _exit(1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(bytesOf(target), old);
        const QStringList left = others();
        QCOMPARE(left.size(), 2); // the target and the dead save's temporary file
        for (const QString& name : left) {
            if (name == fileName)
                continue;
            // Hidden, and not named like any data file: no file dialog lists it.
            QVERIFY2(name.startsWith('.') && !name.endsWith(fileName.section('.', -1)),
                     qPrintable(name));
            QCOMPARE(bytesOf(QDir(folder.path()).filePath(name)), newText);
        }
        // The next save goes through, beside the leftover.
        QVERIFY(platform::saveFile(target, text));
        QCOMPARE(bytesOf(target), newText);
    }
};

PECUNEX_QTEST_MAIN(TestLeavingAndSaving)
#include "test_leaving_and_saving.moc"
