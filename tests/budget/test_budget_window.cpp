// The budget worksheet driven like a user: typing records, switching periods and sorts,
// changing and deleting records, files, printing and leaving.
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QPlainTextEdit>

#include "BudgetFile.h"
#include "BudgetReport.h"
#include "BudgetSheet.h"
#include "Colours.h"
#include "FailingSaves.h"
#include "LocaleCases.h"
#include "Platform.h"
#include "QtTestMain.h"

namespace {
QByteArray fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QColor textColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}
} // namespace

class TestBudgetWindow : public QObject {
    Q_OBJECT
    int beeps = 0;
  private slots:
    void init() {
        platform::setBeepHook([this] { ++beeps; }), beeps = 0;
    }
    void cleanup() { platform::setBeepHook({}); }

    // Worked figures: 100.00 paid 26 times shows 100.00 every 2 weeks, 108.33 semi-monthly.
    void typedRecordsAreStoredYearlyAndShownForThePeriod() {
        BudgetSheet s;
        QCOMPARE(s.ws.caption, QString(" Budget Calculations"));
        s.add("Inc", "Salary", "100", "26", "90");
        QCOMPARE(s.row("BGrid1", 1), QString("1|Salary|  2,600.00|  2,340.00"));
        QCOMPARE(s.find<Grid>("BGrid1")->rows(), 1 + 11);
        QCOMPARE(s.text("InIncDesc") + s.text("InIncAmt") + s.text("InIncFreq") +
                     s.text("InIncBgtAmt"),
                 QString());
        QVERIFY(s.find("InIncDesc")->hasFocus());
        QCOMPARE(s.tables->IncomeRecords[1].AnnualAmount, Currency::fromWhole(2600));
        QCOMPARE(s.tables->BudgetChanged, std::int16_t{1});

        s.choose("FreqPeriod", "     2 Weeks");
        QCOMPARE(s.row("BGrid1", 1), QString("1|Salary|    100.00|     90.00"));
        QCOMPARE(s.text("TotInc") + "|" + s.text("NetBalance"),
                 QString("      100.00|     $100.00"));
        QCOMPARE(s.find<QLabel>("NetCaption")->text(), QString("2 Weeks Net Balance"));
        s.choose("FreqPeriod", " Semi-monthly");
        QCOMPARE(s.row("BGrid1", 1), QString("1|Salary|    108.33|     97.50"));
        QVERIFY(s.find("InExpDesc")->hasFocus()); // a list pick ends on the expense description

        // The lists take no typing: keys beep and change nothing.
        s.find("SortBy")->setFocus();
        QTest::keyClicks(s.find("SortBy"), "Am");
        QCOMPARE(beeps, 2);
        QCOMPARE(s.find<QComboBox>("SortBy")->currentText(), QString("   Names A - Z"));
        QVERIFY(s.messages().empty());
    }

    // Three records of 10.00 a year, weekly: .19 in every cell, .58 total.
    void totalsAreDividedOnceNotSummedFromCells() {
        BudgetSheet s;
        for (const char* name : {"a", "b", "c"})
            s.add("Exp", name, "10", "1", "10");
        s.choose("FreqPeriod", "      Weekly");
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(s.row("BGrid2", r).section('|', 2), QString("       .19|       .19"));
        QCOMPARE(s.text("TotExp") + "|" + s.text("TotExpBgt"),
                 QString("         .58|         .58"));
        QCOMPARE(s.text("NetBalance"), QString("       $-.58"));
        QCOMPARE(textColour(s.find<QLabel>("NetBalance")), QColor(255, 0, 0));
        QCOMPARE(s.find<Grid>("BGrid2")->rows(), 3 + 11);
        QCOMPARE(s.find<Grid>("BGrid2")->text(4, 1), QString());
        s.add("Inc", "Gift", "30", "1", "30");
        QCOMPARE(s.text("NetBalance"), QString("        $.00"));
        QCOMPARE(textColour(s.find<QLabel>("NetBalance")), QColor(0, 0, 0));
    }

    // Entry boxes yellow, stored records white, results green: the same shades as every other
    // worksheet and dialog.
    void coloursTellWhatAFieldIs() {
        BudgetSheet s;
        QCOMPARE(s.find<QLineEdit>("InExpAmt")->palette().color(QPalette::Base),
                 colours::EntryBackground);
        QCOMPARE(s.find<Grid>("BGrid1")->palette().color(QPalette::Base),
                 colours::RecordBackground);
        for (const char* result : {"TotInc", "TotExpBgt", "NetBalance"})
            QCOMPARE(s.find<QLabel>(result)->palette().color(QPalette::Window),
                     colours::ResultBackground);
    }

    void addRefusesMissingBoxesAndTheFiveHundredAndFirstRecord() {
        BudgetSheet s;
        s.add("Inc", "Salary", "100", "", "90");
        s.add("Inc", "\b", "100", "12", "90");
        QCOMPARE(s.messages(), (std::vector<int>{16, 16}));
        QCOMPARE(s.tables->IncomeCount, std::int16_t{0});
        // Untouched amount boxes add the entry values last stored.
        s.type("InIncDesc", "Again");
        s.type("InIncFreq", "2");
        s.alt(Qt::Key_A);
        QCOMPARE(s.row("BGrid1", 1), QString("1|Again|    200.00|    180.00"));
        s.tables->IncomeCount = 500;
        s.add("Inc", "One more", "1", "1", "1");
        QCOMPARE(s.messages().back(), 33);
        QCOMPARE(s.tables->IncomeCount, std::int16_t{500});
        s.tables->IncomeCount = 1;
        // A product too large for the figures: message 19 names the description.
        s.add("Exp", "Huge", "99999999999", "9999999", "0");
        QCOMPARE(s.messages().back(), 19);
        QCOMPARE(s.st().MessageDetail, std::string("Huge"));
        s.type("InExpDesc", "Quote\"d");
        QCOMPARE(s.text("InExpDesc"), QString("Quoted"));
    }

    void whatIfBringsARecordBackAndAddChangedRecordReplacesIt() {
        BudgetSheet s;
        s.add("Inc", "Salary", "100", "26", "90");
        s.add("Inc", "Bonus", "500", "1", "0");
        s.ws.scripted.recordNumbers = {5, 0, 2};
        s.alt(Qt::Key_W); // record 5 does not exist
        s.alt(Qt::Key_W); // cancelled: nothing
        QCOMPARE(s.messages(), std::vector<int>{17});
        s.alt(Qt::Key_W); // Salary is record 2 under Names A - Z
        QCOMPARE(s.text("InIncDesc") + "|" + s.text("InIncAmt") + "|" + s.text("InIncFreq") + "|" +
                     s.text("InIncBgtAmt"),
                 QString("Salary|    100.00|      26|     90.00"));
        QVERIFY(s.find("AddCorRec1")->isVisible() && !s.find("AddIncome1")->isVisible() &&
                !s.find("CorrectRec1")->isVisible() && !s.find("DelRecord1")->isVisible());
        s.find("InIncBgtAmt")->setFocus();
        QTest::keyClick(s.find("InIncBgtAmt"), Qt::Key_Return);
        QVERIFY(s.find("AddCorRec1")->hasFocus()); // Enter in box 4 goes to the visible button
        s.type("InIncAmt", "110");
        s.alt(Qt::Key_R);
        QCOMPARE(s.tables->IncomeCount, std::int16_t{2});
        QCOMPARE(s.row("BGrid1", 2), QString("2|Salary|  2,860.00|  2,340.00"));
        QVERIFY(!s.find("AddCorRec1")->isVisible() && s.find("AddIncome1")->isVisible());
        QCOMPARE(s.ws.scripted.calls[0], (ScriptedDialogs::Call{"recordNumber", 1}));
    }

    // Each side keeps the record it is changing: a delete on the other side does not redirect it.
    void eachSideKeepsTheRecordItIsChanging() {
        BudgetSheet s;
        s.add("Inc", "a", "1", "1", "1");
        s.add("Inc", "b", "2", "1", "2");
        s.add("Exp", "x", "3", "1", "3");
        s.ws.scripted.recordNumbers = {2, 1};
        s.ws.scripted.answers = {6};
        s.alt(Qt::Key_W); // income record 2 (b)
        s.alt(Qt::Key_L); // expense record 1, confirmed
        QCOMPARE(s.tables->ExpenseCount, std::int16_t{0});
        s.type("InIncDesc", "c"); // the first key replaces the selected description
        s.alt(Qt::Key_R);
        QCOMPARE(s.row("BGrid1", 1).section('|', 1, 1) + s.row("BGrid1", 2).section('|', 1, 1),
                 QString("ac"));
        QCOMPARE(s.ws.scripted.calls[1], (ScriptedDialogs::Call{"recordNumber", 2}));
        QCOMPARE(s.ws.scripted.calls[2], (ScriptedDialogs::Call{"yesNo", 4}));
        QCOMPARE(s.st().MessageDetail, std::string(" 1"));
    }

    void whatIfOnARecordWithoutPaymentsShowsMessage8() {
        BudgetSheet s;
        s.tables->IncomeCount = 1;
        s.tables->IncomeRecords[1] = {1, "From a file", Currency::fromWhole(50), Currency{},
                                      Currency{}};
        s.window->refreshBudget();
        s.ws.scripted.recordNumbers = {1};
        s.alt(Qt::Key_W);
        QCOMPARE(s.messages(), std::vector<int>{8});
        QVERIFY(s.find("AddIncome1")->isVisible() && !s.find("AddCorRec1")->isVisible());
    }

    void deleteAsksAndCompacts() {
        BudgetSheet s;
        s.alt(Qt::Key_E);
        s.alt(Qt::Key_I);
        QCOMPARE(s.messages(), (std::vector<int>{7, 20}));
        for (const char* name : {"one", "three", "two"})
            s.add("Inc", name, "1", "1", "1");
        s.ws.scripted.recordNumbers = {2, 2};
        s.ws.scripted.answers = {0, 6};
        s.alt(Qt::Key_E); // answered no
        QCOMPARE(s.tables->IncomeCount, std::int16_t{3});
        s.alt(Qt::Key_E);
        QCOMPARE(s.tables->IncomeCount, std::int16_t{2});
        QCOMPARE(s.row("BGrid1", 1) + "/" + s.row("BGrid1", 2),
                 QString("1|one|      1.00|      1.00/2|two|      1.00|      1.00"));
        QCOMPARE(s.find<Grid>("BGrid1")->rows(), 2 + 11);
        QCOMPARE(s.st().DeletePrompt, std::int16_t{0});
    }

    void sortingRedrawsAndRenumbers() {
        BudgetSheet s;
        s.add("Exp", "apple", "10", "52", "0");
        s.add("Exp", "CHERRY", "500", "1", "0");
        s.add("Exp", "Banana", "1", "1", "0");
        QCOMPARE(s.row("BGrid2", 1).section('|', 0, 1) + s.row("BGrid2", 3).section('|', 0, 1),
                 QString("1|apple3|CHERRY"));
        s.choose("SortBy", "Amounts Hi-Lo");
        QCOMPARE(s.row("BGrid2", 1).section('|', 0, 1), QString("1|apple")); // 520 a year
        s.choose("SortBy", "   Names Z - A");
        QCOMPARE(s.row("BGrid2", 1).section('|', 0, 1), QString("1|CHERRY"));
    }

    void filesSaveSafelyAndReopenSorted() {
        BudgetSheet s;
        s.alt(Qt::Key_S);
        QCOMPARE(s.messages(), std::vector<int>{21});
        s.add("Inc", "Rent, basement", "800", "12", "750");
        s.add("Exp", "Thirds", "333.33", "3", "0");
        const QString path = QDir(s.ws.folder.path()).filePath("home.Bgt");
        s.ws.scripted.fileNames = {"", s.ws.folder.path().toStdString() + "/no/such/folder/x.Bgt",
                                   path.toStdString()};
        s.alt(Qt::Key_S); // cancelled
        QCOMPARE(s.tables->BudgetChanged, std::int16_t{1});
        s.alt(Qt::Key_S); // a folder that does not exist
        QCOMPARE(s.messages().back(), 14);
        QCOMPARE(s.tables->BudgetChanged, std::int16_t{1});
        s.alt(Qt::Key_S);
        QCOMPARE(s.tables->BudgetChanged, std::int16_t{0});
        QCOMPARE(s.st().CurrentFileName, std::string("home.Bgt"));
        QCOMPARE(fileText(path),
                 QByteArray(
                     "1\r\n1,\"Rent, basement\",9600,12,9000\r\n1\r\n1,\"Thirds\",999.99,3,0\r\n"));
        QCOMPARE(s.ws.scripted.calls[1], (ScriptedDialogs::Call{"fileDirectory", 2}));

        // Reopened in another window under another order: sorted and renumbered.
        BudgetSheet t;
        t.choose("SortBy", "Amounts Lo-Hi");
        t.add("Inc", "Small", "1", "1", "1");
        t.ws.scripted.fileNames = {path.toStdString()};
        t.alt(Qt::Key_O); // changed data is replaced without a question
        QCOMPARE(t.ws.scripted.calls.size(), std::size_t{1});
        QCOMPARE(t.ws.scripted.calls[0], (ScriptedDialogs::Call{"fileDirectory", 1}));
        QCOMPARE(t.row("BGrid1", 1), QString("1|Rent, basement|  9,600.00|  9,000.00"));
        QCOMPARE(t.row("BGrid2", 1), QString("1|Thirds|    999.99|       .00"));
        QCOMPARE(t.tables->BudgetChanged, std::int16_t{1});

        // A damaged file: message 13, the records read before the fault are shown.
        QFile bad(QDir(s.ws.folder.path()).filePath("bad.Bgt"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("2\r\n1,\"Kept\",120,12,0\r\n2,\"Cut\",oops\r\n");
        bad.close();
        t.ws.scripted.fileNames = {bad.fileName().toStdString()};
        t.alt(Qt::Key_O);
        QCOMPARE(t.messages().back(), 13);
        QCOMPARE(t.row("BGrid1", 1) + "/" + t.row("BGrid1", 2),
                 QString("1|Cut|       .00|       .00/2|Kept|    120.00|       .00"));
        QCOMPARE(t.tables->ExpenseCount, std::int16_t{0});
    }

    // A save that cannot finish (a full disk) leaves the previous file byte for byte, shows
    // message 14 and keeps the budget marked as changed.
    void aSaveThatCannotFinishLeavesThePreviousFile() {
        BudgetSheet s;
        s.add("Inc", "Salary", "4000", "12", "4000");
        const QString path = QDir(s.ws.folder.path()).filePath("full.Bgt");
        s.ws.scripted.fileNames = {path.toStdString(), path.toStdString()};
        s.alt(Qt::Key_S);
        const QByteArray before = fileText(path);
        QVERIFY(before.startsWith("1\r\n1,\"Salary\""));
        s.add("Exp", "Rent", "1400", "12", "1400");
        {
            FailingSaves full(8);
            s.alt(Qt::Key_S);
        }
        QCOMPARE(s.messages(), std::vector<int>{14});
        QCOMPARE(fileText(path), before);
        QCOMPARE(s.tables->BudgetChanged, std::int16_t{1});
        QCOMPARE(QDir(s.ws.folder.path()).entryList(QDir::Files), QStringList{"full.Bgt"});
    }

    void printingSendsTheStatementForThePeriod() {
        BudgetSheet s;
        s.alt(Qt::Key_P);
        QCOMPARE(s.messages(), std::vector<int>{1});
        s.add("Inc", "Salary", "2000", "24", "2000");
        s.add("Exp", "Rent", "1400", "12", "1400");
        s.choose("FreqPeriod", "     Monthly");
        s.ws.scripted.headers = {"1", "My budget"};
        s.alt(Qt::Key_P); // cancelled header
        QVERIFY(s.ws.capture.documents.empty());
        s.alt(Qt::Key_P);
        QCOMPARE(s.ws.capture.documents.size(), size_t{1});
        BudgetReportOptions o;
        o.period = "Monthly";
        o.header = "My budget";
        const auto expected = prepareBudgetReport(writeBudgetFile(*s.tables), o);
        QVERIFY(expected);
        QCOMPARE(s.ws.capture.documents.front(), budgetReportText(**expected, o));
    }

    void quickHelpTogglesAndLeavingAsksAboutChangedData() {
        BudgetSheet s;
        s.alt(Qt::Key_H);
        QVERIFY(s.find("HelpTxt")->isVisible());
        QCOMPARE(s.find<QPushButton>("Help2")->text(), QString("Close &Help"));
        QVERIFY(s.find<QPlainTextEdit>("HelpTxt")->toPlainText().endsWith(
            "\n\n                         End"));
        s.alt(Qt::Key_H);
        QVERIFY(!s.find("HelpTxt")->isVisible());

        s.alt(Qt::Key_X); // nothing entered: leaves without a question
        QCOMPARE(s.ws.menuShown, 1);
        BudgetSheet t;
        t.add("Inc", "Salary", "1", "1", "1");
        t.st().CurrentFileName = "home.Bgt";
        t.ws.scripted.answers = {6, 0};
        t.alt(Qt::Key_X);
        QCOMPARE(t.ws.menuShown, 0);
        t.alt(Qt::Key_X);
        QCOMPARE(t.ws.menuShown, 1);
        QCOMPARE(t.ws.scripted.calls,
                 (std::vector<ScriptedDialogs::Call>{{"yesNo", 3}, {"yesNo", 3}}));
        QCOMPARE(t.tables->IncomeCount, std::int16_t{0});
        QCOMPARE(t.st().CurrentFileName, std::string());
    }

    // An amount beyond the money range is not taken as 0: Add refuses it with message 19
    // (naming the description), Add Changed Record with message 8 and the record unchanged;
    // retyped in range, the record is made.
    void anAmountBeyondTheMoneyRangeIsRefusedNotZeroed() {
        const QString huge = "12345678901234567890"; // beyond 922,337,203,685,477
        for (const char* box : {"InIncAmt", "InIncBgtAmt"}) {
            BudgetSheet s;
            s.type("InIncDesc", "Bonus");
            s.type("InIncAmt", "10");
            s.type("InIncFreq", "1");
            s.type("InIncBgtAmt", "10");
            s.type(box, huge);
            QVERIFY2(s.text(box).contains("12,345"), qPrintable(s.text(box)));
            s.alt(Qt::Key_A);
            QCOMPARE(s.messages(), std::vector<int>{19});
            QCOMPARE(s.st().MessageDetail, std::string("Bonus"));
            QCOMPARE(s.tables->IncomeCount, std::int16_t{0});
            s.type(box, "20");
            s.alt(Qt::Key_A);
            QCOMPARE(s.tables->IncomeCount, std::int16_t{1});
            QCOMPARE(s.row("BGrid1", 1).section('|', 1, 1), QString("Bonus"));

            s.ws.scripted.recordNumbers = {1};
            s.alt(Qt::Key_W);
            QVERIFY(s.find("AddCorRec1")->isVisible());
            const BudgetRecord before = s.tables->IncomeRecords[1];
            s.type(box, huge);
            s.alt(Qt::Key_R);
            QCOMPARE(s.messages(), (std::vector<int>{19, 8}));
            QCOMPARE(s.tables->IncomeRecords[1], before);
            QVERIFY(s.find("AddIncome1")->isVisible());
        }
    }

    // Under other systems' signs: typed with the period key, shown and printed in the
    // locale's signs, saved with a period. 1,234.56 x 12 = 14,814.72 (hand calculation).
    void figuresFollowTheSystemLocale() {
        for (const locales::Case& c : locales::Cases) {
            const locales::Scope scope(c.locale);
            BudgetSheet s;
            s.add("Inc", "Pay", "1234.56", "12", "1000");
            QCOMPARE(s.row("BGrid1", 1),
                     QString("1|Pay|") +
                         locales::inLocale(c.locale, "14,814.72").rightJustified(10) + "|" +
                         locales::inLocale(c.locale, "12,000.00").rightJustified(10));
            QCOMPARE(s.text("TotInc").trimmed(), locales::inLocale(c.locale, "14,814.72"));
            const QString path = QDir(s.ws.folder.path()).filePath("pay.Bgt");
            s.ws.scripted.fileNames = {path.toStdString()};
            s.alt(Qt::Key_S);
            QVERIFY2(fileText(path).contains("14814.72"), c.name);
            s.ws.scripted.headers = {"Budget"};
            s.alt(Qt::Key_P);
            QCOMPARE(s.ws.capture.documents.size(), size_t{1});
            QVERIFY2(QString::fromStdString(s.ws.capture.documents.front())
                         .contains(locales::inLocale(c.locale, "14,814.72")),
                     c.name);
            QVERIFY(s.messages().empty());
        }
    }
};

PECUNEX_QTEST_MAIN(TestBudgetWindow)
#include "test_budget_window.moc"
