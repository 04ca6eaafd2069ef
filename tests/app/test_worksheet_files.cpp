// A file belongs to the worksheet that opened or saved it. Over every pair of worksheets: a
// file opened in the first, then the second changed, asked to leave, saved with Enter on
// whatever its dialog offers and left. The second never offers the first one's file, never
// names it in a question and never writes it.
#include <QMdiArea>
#include <QPushButton>

#include "MainMenu.h"
#include "MdiContainer.h"
#include "Messages.h"
#include "QtTestMain.h"
#include "TestProgram.h"
#include "WorksheetScript.h"
#include "Worksheets.h"

namespace {

// A worksheet: its menu button, the file it makes its own (`mine`: the steps that open or
// save it), a change of its entries, its save button with the name a saved file gets when
// nothing is offered, and its exit button.
struct Sheet {
    const char *menu, *file, *mine, *change, *save, *ownName, *exit;
};
const Sheet Sheets[] = {
    {"ToBudget", "Sample.BGT", "files:Sample.BGT; click:FilOpen",
     "InIncDesc:Rent; InIncAmt:100; InIncFreq:12; InIncBgtAmt:100; click:AddIncome1", "FilSave",
     "Own.Bgt", "ExitBudget"},
    {"Canadian", "Sample.umd", "files:Sample.umd; click:MLoadFile", "InPrincipal:5000; click:MCalc",
     "MSaveFile", "Own.umd", "MExit"},
    {"LoanPmt", "Sample.uld", "files:Sample.uld; click:MLoadFile", "InPrincipal:5000; click:MCalc",
     "MSaveFile", "Own.uld", "MExit"},
    {"Savings", nullptr, "", "click:SCalc", nullptr, nullptr, "SExit"},
    {"Networth", "NetSampl.NWV", "files:NetSampl.NWV; click:Loadnet",
     "NGrid1[1,0]:House; NGrid1[1,1]:1000; click:NCalc", "SaveNet", "Own.NWV", "NExit"},
    {"Compare", "Theirs.Cmp", "PrincipalA:1000; files:Theirs.Cmp; click:CmpSaveFile",
     "PrincipalA:2000", "CmpSaveFile", "Own.Cmp", "CmpExit"},
    {"Goal", "Sample.Gol", "files:Sample.Gol; click:GOpen", "GTarget:1000", "GSave", "Own.Gol",
     "GExit"},
    {"History", "Theirs.Nwh",
     "files:NetSampl.NWV; click:HAdd; HDate:2024-12-31; files:Theirs.Nwh; click:HSave",
     "files:NetSampl.NWV; click:HAdd; HDate:2025-06-30", "HSave", "Own.Nwh", "HExit"},
    {"Actual", "Theirs.Act", "files:Theirs.Act; click:ASave", "files:Sample.BGT; click:ABudget",
     "ASave", "Own.Act", "AExit"},
};

// The program's container with every worksheet, over a test workspace.
struct Registry {
    ProgramWorksheets worksheets; // made before the container that reads it
};
struct Program : Registry, TestProgram {
    Program() : TestProgram(worksheets.rows(), ProgramWorksheets::graphWindow()) {}
};

} // namespace

class TestWorksheetFiles : public QObject {
    Q_OBJECT
  private slots:
    void noWorksheetTouchesAnothersFile_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        for (int a = 0; a < int(std::size(Sheets)); ++a)
            for (int b = 0; b < int(std::size(Sheets)); ++b)
                if (a != b && Sheets[a].file)
                    QTest::addRow("%s then %s", Sheets[a].menu, Sheets[b].menu) << a << b;
    }
    void noWorksheetTouchesAnothersFile() {
        QFETCH(int, first);
        QFETCH(int, second);
        const Sheet &a = Sheets[first], &b = Sheets[second];
        Program p;
        QVERIFY(QTest::qWaitForWindowActive(&p.container));
        const QDir folder(p.ws.folder.path());
        for (const char* sample :
             {"Sample.BGT", "Sample.umd", "Sample.uld", "NetSampl.NWV", "Sample.Gol"})
            QVERIFY(QFile::copy(QStringLiteral(PECUNEX_SOURCE_DIR "/samples/") + sample,
                                folder.filePath(sample)));
        WorksheetScript script(p.ws, &p.container);
        // Opens the worksheet from the menu when none is open, then runs the steps.
        const auto run = [&](const Sheet& sheet, const QString& steps) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (!p.container.worksheet())
                p.container.menu()->findChild<QPushButton*>(sheet.menu)->click();
            const QString fault = script.run(steps);
            return fault.isEmpty() ? fault : QString(sheet.menu) + ": " + fault + "\n";
        };
        const auto bytes = [&] { // read afresh: a save renames over the file
            QFile file(folder.filePath(a.file));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
        };
        QString fault = run(a, QString("%1; answers:0; click:%2").arg(a.mine, a.exit));
        const QByteArray before = bytes();
        const std::size_t seen = p.ws.scripted.calls.size();
        // A worksheet that asks stays (yes); one that does not is opened again.
        fault += run(b, QString("answers:6; %1; click:%2").arg(b.change, b.exit));
        if (b.save)
            fault += run(b, QString("%2; files:=%1; click:%3").arg(b.ownName, b.change, b.save));
        fault += run(b, QString("answers:0; click:%1").arg(b.exit));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY2(!b.save || folder.exists(b.ownName), b.ownName);
        for (std::size_t i = seen; i < p.ws.scripted.calls.size(); ++i)
            QVERIFY2(!QString::fromStdString(p.ws.scripted.calls[i].text).contains(a.file),
                     p.ws.scripted.calls[i].text.c_str());
        QCOMPARE(bytes(), before);
    }
};

PECUNEX_QTEST_MAIN(TestWorksheetFiles)
#include "test_worksheet_files.moc"
