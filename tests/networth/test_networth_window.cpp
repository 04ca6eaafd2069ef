// The net worth worksheet driven by keys and clicks, as a user drives it.
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "FailingSaves.h"
#include "Grid.h"
#include "KeyStorm.h"
#include "LocaleCases.h"
#include "NetWorthWindow.h"
#include "Platform.h"
#include "QtTestMain.h"
#include "TestWorkspace.h"

namespace {

struct Sheet {
    Sheet() : window(std::make_unique<NetWorthWindow>(ws, tables)) {
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("worksheet not active");
        platform::setBeepHook([this] { ++beeps; });
    }
    ~Sheet() { platform::setBeepHook({}); }
    template <class T = QWidget> T* find(const char* name) const {
        return window->findChild<T*>(name);
    }
    Grid* grid(int side) const { return find<Grid>(side == 1 ? "NGrid1" : "NGrid2"); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    void click(const char* name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    // An accelerator pressed wherever the focus is (its button clicks a moment later).
    void alt(Qt::Key key) const {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window.get(), key, Qt::AltModifier);
    }
    // Clicks a cell and types into it (keys as QTest::keyClicks sends them).
    void type(int side, int row, int col, const QString& keys) const {
        Grid* g = grid(side);
        g->setFocus(Qt::MouseFocusReason);
        const QModelIndex at = g->model()->index(row - 1, col);
        g->scrollTo(at);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(at).center());
        QTest::keyClicks(g, keys);
    }
    void line(int side, int row, const QString& name, const QString& amount = {}) const {
        type(side, row, 0, name);
        if (!amount.isEmpty())
            type(side, row, 1, amount);
    }
    QString cells(int side, int row) const {
        return grid(side)->text(row, 0) + "|" + grid(side)->text(row, 1);
    }
    std::vector<int> messages() const { return ws.scripted.messages(); }

    TestWorkspace ws;
    NetWorthTables tables;
    std::unique_ptr<NetWorthWindow> window;
    int beeps = 0;
};

std::string readText(const QString& path) {
    std::ostringstream s;
    s << std::ifstream(path.toStdString(), std::ios::binary).rdbuf();
    return s.str();
}

} // namespace

class TestNetWorthWindow : public QObject {
    Q_OBJECT
  private slots:
    void opensEmptyWithZeroTotals() {
        Sheet s;
        QCOMPARE(s.ws.caption, QString(" Net Worth"));
        QCOMPARE(s.grid(1)->rows(), 35);
        QCOMPARE(s.grid(1)->text(0, 0) + "|" + s.grid(2)->text(0, 0),
                 QString(" Assets| Liabilities"));
        QCOMPARE(s.cells(1, 3) + "/" + s.cells(2, 3),
                 QString("Total Assets|$0.00/Total Liabilities|$0.00"));
        QCOMPARE(s.label("Net"), QString("$.00"));
        QVERIFY(s.find("NetInfo")->isHidden() && s.find("NTextBox")->isHidden());
    }

    // The worked example, typed: sub-totals 105,000 and 200, total assets 105,200.
    void typedStatementCalculatesWithSubTotals() {
        Sheet s;
        s.line(1, 1, "House", "100000");
        s.line(1, 2, "Car", "5000");
        s.line(1, 3, "sub total");
        s.line(1, 4, "Cash", "200");
        s.line(1, 5, "Sub Total");
        s.line(2, 1, "Loan", "0");
        QCOMPARE(s.cells(1, 1), QString("House|100,000.00")); // figures formatted as typed
        QCOMPARE(s.cells(2, 1), QString("Loan|.00"));
        QVERIFY(s.find("NetInfo")->isVisible());
        s.alt(Qt::Key_C);
        QTRY_COMPARE(s.cells(1, 3) + "/" + s.cells(1, 5),
                     QString("sub total|105,000.00/Sub Total|200.00"));
        QCOMPARE(s.cells(1, 8), QString("Total Assets|$105,200.00")); // five lines: row 8
        QCOMPARE(s.cells(2, 1) + "/" + s.cells(2, 4),
                 QString("Loan|/Total Liabilities|$0.00")); // 0 shows empty
        QCOMPARE(s.label("Net"), QString("$105,200.00"));
        QVERIFY(s.find("NetInfo")->isHidden());
        QCOMPARE(s.tables.NetWorthUnsaved, std::int16_t(1));
    }

    void typingRulesOfTheTwoColumns() {
        Sheet s;
        s.type(1, 1, 1, "12.345"); // a third decimal is refused silently
        QCOMPARE(s.grid(1)->text(1, 1), QString("12.34"));
        QCOMPARE(s.tables.AssetRows[1].amount, std::optional<double>(12.34));
        QCOMPARE(s.beeps, 0);
        QTest::keyClicks(s.grid(1), "a-\""); // letters and signs beep, the quote is ignored
        QCOMPARE(s.beeps, 2);
        QTest::keyClick(s.grid(1), Qt::Key_Backspace); // the whole amount goes
        QCOMPARE(s.grid(1)->text(1, 1), QString());
        QVERIFY(!s.tables.AssetRows[1].amount);
        s.type(1, 1, 0, "Hou\"se");
        QTest::keyClick(s.grid(1), Qt::Key_Backspace); // the name loses its last character
        QCOMPARE(s.tables.AssetRows[1].name, std::string("Hous"));
        s.type(1, 1, 0, "B"); // a new selection: the first key replaces the name
        QCOMPARE(s.grid(1)->text(1, 0), QString("B"));
        QTest::keyClick(s.grid(1), Qt::Key_Return); // Enter moves down and types nothing
        QCOMPARE(std::pair(s.grid(1)->currentRow(), s.grid(1)->currentCol()), std::pair(2, 0));
        QCOMPARE(s.grid(1)->text(2, 0), QString());
        s.type(2, 4, 0, "Boat");
        QTest::keyClick(s.grid(2), Qt::Key_Delete);
        QVERIFY(s.tables.LiabilityRows[4].name.empty() && s.grid(2)->text(4, 0).isEmpty());
        s.type(2, 31, 0, "x"); // beyond line 30
        QCOMPARE(s.messages(), std::vector<int>{22});
        QVERIFY(s.grid(2)->text(31, 0).isEmpty() && s.tables.LiabilityRows[31] == NetWorthLine{});
    }

    void emptiedNamesGoAndABlankNameStays() {
        Sheet s;
        s.line(1, 1, "A", "1");
        s.line(1, 2, " ", "2");
        s.line(1, 3, "C", "3");
        s.click("NCalc");
        s.type(1, 1, 0, "");
        QTest::keyClick(s.grid(1), Qt::Key_Backspace); // "A" emptied: the line goes with its amount
        s.click("NCalc");
        QCOMPARE(s.cells(1, 1) + "/" + s.cells(1, 2), QString(" |2.00/C|3.00"));
        QCOMPARE(s.cells(1, 5), QString("Total Assets|$5.00"));
    }

    void insertBlankLineThroughTheValueDialog() {
        Sheet s;
        s.line(2, 1, "a", "1");
        s.line(2, 2, "b", "2");
        s.click("NCalc");
        s.tables.NetWorthUnsaved = 0;
        s.ws.scripted.values = {"1", "9", "", "29"};
        s.grid(2)->setCurrentCell(2, 0);
        s.alt(Qt::Key_B); // "Insert &blank line"
        QTRY_COMPARE(s.ws.scripted.calls.size(), size_t(1));
        QCOMPARE(s.ws.scripted.calls.back(), (ScriptedDialogs::Call{"valueInput", 2}));
        QCOMPARE(s.cells(2, 1) + "/" + s.cells(2, 2), QString("BlankLine|/a|1.00"));
        s.click("InsertLiab"); // beyond the last line: added after it
        QCOMPARE(s.cells(2, 4) + "/" + s.cells(2, 7),
                 QString("BlankLine|/Total Liabilities|$3.00"));
        s.click("InsertLiab"); // cancelled
        s.click("InsertLiab"); // 29: nothing
        QCOMPARE(s.tables.LiabilityCount, std::int16_t(4));
        QCOMPARE(s.tables.NetWorthUnsaved,
                 std::int16_t(0)); // inserting is no calculation by the user
        QCOMPARE(s.ws.shared.ContextCode, std::int16_t(0));
    }

    void quickHelpClosesWhenItLosesTheFocus() {
        Sheet s;
        s.click("NHelp");
        auto* help = s.find<QPlainTextEdit>("NTextBox");
        QVERIFY(help->isVisible());
        QVERIFY(help->toPlainText().startsWith("Open File from disk"));
        QVERIFY(help->toPlainText().endsWith("Totals.\n\nEnd"));
        QCOMPARE(s.find<QPushButton>("NHelp")->text(), QString("Close &Help"));
        QTest::keyClick(help, Qt::Key_A);
        QCOMPARE(s.beeps, 1);
        s.click("NHelp"); // the click that takes the focus closes it and opens nothing
        QVERIFY(help->isHidden());
        QCOMPARE(s.find<QPushButton>("NHelp")->text(), QString("Quick &Help"));
        s.alt(Qt::Key_H);
        QTRY_VERIFY(help->isVisible());
        s.grid(1)->setFocus(Qt::MouseFocusReason); // anywhere else
        QVERIFY(help->isHidden());
    }

    void leavingAsksOnlyAboutACalculatedStatement() {
        {
            Sheet s; // right after opening: no question
            s.click("NExit");
            QCOMPARE(s.ws.menuShown, 1);
            QVERIFY(s.ws.scripted.calls.empty());
        }
        Sheet s;
        s.line(1, 1, "House", "1");
        s.click("NCalc");
        s.ws.shared.CurrentFileName = "Home.NWV";
        s.ws.scripted.answers = {6, 0};
        s.click("NExit"); // yes: stay
        QCOMPARE(s.ws.scripted.calls.back(), (ScriptedDialogs::Call{"yesNo", 3}));
        QCOMPARE(s.ws.menuShown, 0);
        s.click("NExit"); // no: leave, the statement cleared
        QCOMPARE(s.ws.menuShown, 1);
        QVERIFY(s.ws.shared.CurrentFileName.empty() && s.tables.AssetCount == 0 &&
                s.tables.NetWorthUnsaved == 0);
    }

    void savedStatementOpensAgainAndBadFilesGiveAnEmptyOne() {
        Sheet s;
        const QString file = s.ws.folder.filePath("Home.NWV");
        s.ws.scripted.fileNames = {"", file.toStdString()};
        s.click("SaveNet"); // nothing calculated: no records
        s.line(1, 1, "House", "100000");
        s.click("NCalc");
        s.click("SaveNet"); // cancelled
        QCOMPARE(s.messages(), std::vector<int>{15});
        QCOMPARE(s.tables.NetWorthUnsaved, std::int16_t(0)); // any save attempt counts as saved
        s.click("NCalc");
        s.click("SaveNet");
        QCOMPARE(s.tables.NetWorthUnsaved, std::int16_t(0));
        QCOMPARE(s.ws.shared.CurrentFileName, std::string("Home.NWV"));
        QVERIFY(readText(file).rfind("1,0\r\n\"House\",100000,,\r\n,,,\r\n", 0) == 0);

        Sheet other;
        std::ofstream(other.ws.folder.filePath("ten.NWV").toStdString(), std::ios::binary)
            << "1,0\r\n\"x\",1,,\r\n";
        other.ws.scripted.fileNames = {file.toStdString(),
                                       other.ws.folder.filePath("ten.NWV").toStdString()};
        other.click("Loadnet");
        QCOMPARE(other.cells(1, 1) + "/" + other.cells(1, 4),
                 QString("House|100,000.00/Total Assets|$100,000.00"));
        QCOMPARE(other.ws.shared.CurrentFileName, std::string("Home.NWV"));
        other.click("Loadnet");
        QCOMPARE(other.messages(), std::vector<int>{13});
        QCOMPARE(other.cells(1, 1) + "/" + other.cells(1, 3), QString("|/Total Assets|$0.00"));
        QVERIFY(other.ws.shared.CurrentFileName.empty());
    }

    // A save that cannot finish (a full disk) leaves the previous file byte for byte and
    // shows message 25.
    void aSaveThatCannotFinishLeavesThePreviousFile() {
        Sheet s;
        const QString file = s.ws.folder.filePath("Full.NWV");
        s.ws.scripted.fileNames = {file.toStdString(), file.toStdString()};
        s.line(1, 1, "House", "100000");
        s.click("NCalc");
        s.click("SaveNet");
        const std::string before = readText(file);
        QVERIFY(before.rfind("1,0\r\n\"House\",100000,,\r\n", 0) == 0);
        s.line(1, 2, "Car", "9000");
        s.click("NCalc");
        {
            FailingSaves full(8);
            s.click("SaveNet");
        }
        QCOMPARE(s.messages(), std::vector<int>{25});
        QCOMPARE(readText(file), before);
        QCOMPARE(QDir(s.ws.folder.path()).entryList(QDir::Files), QStringList{"Full.NWV"});
    }

    void printsTheCalculatedStatement() {
        Sheet s;
        s.line(1, 1, "House", "1234.5");
        s.click("NCalc");
        s.ws.scripted.headers = {"1", "Mine"};
        s.click("NPrinter"); // cancelled: nothing printed
        QVERIFY(s.ws.capture.documents.empty());
        s.alt(Qt::Key_P);
        QTRY_COMPARE(s.ws.capture.documents.size(), size_t(1));
        const std::string& text = s.ws.capture.documents.front();
        QVERIFY(text.rfind("\n\n Mine\n\n", 0) == 0);
        QVERIFY(text.find("Net Worth =      $1,234.50\n") != std::string::npos);
    }

    // Under other systems' signs: amounts typed with the period key show, total and print in
    // the system's signs, the comma key is refused as under the pinned signs, the saved file
    // is the one saved under the pinned signs, and the reference file prints its reference
    // printout with the figures in the system's signs.
    void figuresFollowTheSystemLocale() {
        const QString golden = QStringLiteral(PECUNEX_SOURCE_DIR "/tests/golden/");
        const QString printout =
            QString::fromStdString(readText(golden + "networth-household.expected.txt"));
        auto saved = [](Sheet& s) {
            s.line(1, 1, "House", "1234.5");
            s.line(2, 1, "Loan", "1000.25");
            s.click("NCalc");
            const QString file = s.ws.folder.filePath("Home.NWV");
            s.ws.scripted.fileNames = {file.toStdString()};
            s.click("SaveNet");
            return readText(file);
        };
        const std::string pinned = [&] {
            Sheet s;
            return saved(s);
        }();
        QVERIFY(pinned.rfind("1,1\r\n\"House\",1234.5,\"Loan\",1000.25\r\n", 0) == 0);
        for (const locales::Case& c : locales::Cases) {
            const locales::Scope scope(c.locale);
            Sheet s;
            QCOMPARE(saved(s), pinned);
            // 1,234.50 - 1,000.25 = 234.25 (hand calculation)
            QCOMPARE(s.cells(1, 1) + "/" + s.cells(1, 4) + "/" + s.cells(2, 1) + "/" +
                         s.label("Net"),
                     locales::inLocale(c.locale, "House|1,234.50/Total Assets|$1,234.50/"
                                                 "Loan|1,000.25/$234.25"));
            s.ws.scripted.fileNames = {(golden + "networth-household.NWV").toStdString()};
            s.ws.scripted.headers = {"Example: household net worth"};
            s.ws.shared.PrinterFontChoice = 1;
            s.click("Loadnet");
            s.click("NPrinter");
            QVERIFY2(s.messages().empty(), c.name);
            QCOMPARE(s.ws.capture.documents.size(), size_t{1});
            QCOMPARE(QString::fromStdString(s.ws.capture.documents.front()),
                     locales::figuresInLocale(c.locale, printout));
            s.type(1, 1, 1, ",");
            QCOMPARE(s.beeps, 1);
            QCOMPARE(s.cells(1, 1), locales::inLocale(c.locale, "House|325,000.00"));
        }
    }

    // Random keys and clicks over both grids: amounts hold figures only, names no double
    // quote, the "Changes made" mark is up whenever a cell differs from the last
    // calculation, and the help text never hides the grids.
    void keyAndClickStorm() {
        Sheet s;
        s.ws.scripted.headers.assign(20000, "1");
        s.ws.scripted.fileNames.assign(20000, "");
        s.ws.scripted.values.assign(20000, "");
        s.ws.scripted.answers.assign(20000, 6); // leaving: stay and save first
        storm::ModalCloser closer(s.window.get());
        auto cellsOf = [&s] {
            QStringList all;
            for (int side : {1, 2})
                for (int r = 1; r < s.grid(side)->rows(); ++r)
                    all << s.grid(side)->text(r, 0) + QChar(0x1f) + s.grid(side)->text(r, 1);
            return all;
        };
        std::vector<storm::Field> fields;
        for (int side : {1, 2}) {
            Grid* g = s.grid(side);
            fields.push_back({side == 1 ? "NGrid1" : "NGrid2",
                              s.window.get(),
                              g,
                              [g] { return g->text(std::max(g->currentRow(), 1), 0); },
                              {}});
        }
        const QString amountChars = storm::Decimal + " ,-$";
        QStringList calculatedCells = cellsOf();
        bool marked = false;
        storm::Plan plan;
        plan.events = 5000;
        plan.burst = 1;
        for (const char* name : {"NCalc", "NHelp", "Loadnet", "NPrinter", "NGrid1", "NGrid2"})
            plan.clickable.push_back(s.find(name));
        plan.invariants = [&]() -> QString {
            const QStringList cells = cellsOf();
            for (const QString& cell : cells) {
                const QString name = cell.section(QChar(0x1f), 0, 0),
                              amount = cell.section(QChar(0x1f), 1);
                if (name.contains('"'))
                    return "a name holds a double quote: " + cell;
                for (QChar c : amount)
                    if (!amountChars.contains(c))
                        return "an amount holds \"" + amount + "\"";
            }
            const bool help = s.find("NTextBox")->isVisible();
            if (help != (s.find<QPushButton>("NHelp")->text() == "Close &Help"))
                return "the help caption does not match the help text";
            if (!s.grid(1)->isVisible() || !s.grid(2)->isVisible())
                return "a grid is hidden";
            const bool nowMarked = s.find("NetInfo")->isVisible();
            if (!nowMarked && !marked && cells != calculatedCells)
                return "cells changed without the changes mark";
            if (!nowMarked)
                calculatedCells = cells;
            marked = nowMarked;
            return {};
        };
        const QString fault = storm::run("net worth", fields, plan, storm::seed());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

PECUNEX_QTEST_MAIN(TestNetWorthWindow)
#include "test_networth_window.moc"
