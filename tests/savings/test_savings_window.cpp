// The savings worksheet driven by keys, the way a user works it.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "Grid.h"
#include "KeyStorm.h"
#include "LocaleCases.h"
#include "Platform.h"
#include "QtTestMain.h"
#include "SavingsTables.h"
#include "SavingsWindow.h"
#include "TestWorkspace.h"

namespace {

struct Sheet {
    Sheet() : window(std::make_unique<SavingsWindow>(ws, tables)) {
        ws.shared.ContextCode = 1; // as the main menu opens it
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
    QComboBox* box(const char* name) const { return find<QComboBox>(name); }
    Grid* grid() const { return find<Grid>("SGrid"); }
    QString text(const char* name) const { return box(name)->currentText(); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    // The focus is on a field: the list itself or its line edit.
    bool focusOn(const char* name) const {
        return focus() && (focus() == box(name) || focus()->parent() == box(name));
    }
    // Focus a field by clicking into it, type, and leave it with Tab.
    void type(const char* field, const QString& keys) {
        QTest::mouseClick(box(field)->lineEdit(), Qt::LeftButton);
        QTest::keyClicks(focus(), keys);
        QTest::keyClick(focus(), Qt::Key_Tab);
    }
    // Alt + the button's accelerator, typed into whatever has the focus; an accelerator
    // clicks its button a moment later.
    void alt(char letter) {
        QPushButton* target = nullptr;
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->text().contains(QString("&") + QChar(letter), Qt::CaseInsensitive))
                target = b;
        QVERIFY(target);
        bool clicked = false;
        const auto connection =
            QObject::connect(target, &QPushButton::clicked, [&] { clicked = true; });
        QTest::keyClick(focus(), static_cast<Qt::Key>(Qt::Key_A + (letter - 'a')), Qt::AltModifier);
        QTRY_VERIFY(clicked);
        QObject::disconnect(connection);
    }
    QString row(int r) const {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << grid()->text(r, c);
        return cells.join('|');
    }
    bool gridEmpty() const {
        for (int r = 1; r < grid()->rows(); ++r)
            if (!row(r).remove('|').isEmpty())
                return false;
        return true;
    }
    double stored(int element) const {
        return tables.SavingsInputs[static_cast<std::size_t>(element)].toDouble();
    }
    std::vector<int> messages() const { return ws.scripted.messages(); }
    ShellState& st() { return ws.shared; }

    TestWorkspace ws;
    SavingsTables tables;
    std::unique_ptr<SavingsWindow> window;
    int beeps = 0;
};

} // namespace

class TestSavingsWindow : public QObject {
    Q_OBJECT
  private slots:
    void opensWithItsDefaults() {
        Sheet s;
        QCOMPARE(s.ws.caption, QString(" Investment Growth Calculations"));
        QCOMPARE(s.text("InLumpInv") + "|" + s.text("InInvest") + "|" + s.text("InMonthsYrs") +
                     "|" + s.text("InRate") + "|" + s.text("InIncrRate") + "|" +
                     s.text("inInflatRate") + "|" + s.text("InTerm"),
                 QString("           $.00|    $1,200.00|Annually|         20.00%|           .00%|  "
                         "         .00%|               25"));
        QCOMPARE(s.grid()->rows(), 25);
        QCOMPARE(s.row(0), QString(" Year  Number|          Invested          Annually|      "
                                   "Interest/Growth      Compounded|"
                                   "              Current                Value"));
        QCOMPARE(s.box("InMonthsYrs")->count(), 3);
        QCOMPARE(s.box("InTerm")->itemText(5) + s.box("InRate")->itemText(1), QString("3012.5"));
    }

    void calculatingTheDefaultsFillsTheGridAndTheHandOver() {
        Sheet s;
        s.box("InLumpInv")->setFocus();
        s.alt('c');
        QCOMPARE(s.grid()->rows(), 29);
        // hand: 1,200 * 1.2 = 1,440; then (1,440 + 1,200) * 1.2 = 3,168
        QCOMPARE(s.row(1), QString("1|1,200.00|240.00|1,440.00"));
        QCOMPARE(s.row(2), QString("2|1,200.00|528.00|3,168.00"));
        QCOMPARE(s.row(25).section('|', 0, 1), QString("25|1,200.00"));
        QCOMPARE(s.row(26).section('|', 0, 1), QString("Total:|$30,000.00"));
        QCOMPARE(s.row(27), QString("|||"));
        QCOMPARE(s.st().ScheduleYears, std::int16_t{25});
        QCOMPARE(QString::fromStdString(s.st().GraphTitle),
                 QString("Investment value at end of each Year"));
        QCOMPARE(s.tables.GrowthTable[25][5], s.tables.GrowthTable[25][4]);
        s.alt('s'); // the graph window comes later: only the hand-over is set
        QCOMPARE(s.st().GraphSource, std::int16_t{1});
        QVERIFY(s.messages().empty());
    }

    void typedFiguresAreStoredAndShownByTheirRules() {
        Sheet s;
        s.type("InLumpInv", "25000");
        s.type("InInvest", "300.5");
        s.type("InRate", "7.256"); // a third decimal is refused
        s.type("InTerm", "45");    // over the limit
        QCOMPARE(s.messages(), std::vector<int>{5});
        QCOMPARE(s.text("InLumpInv") + "|" + s.text("InInvest") + "|" + s.text("InRate") + "|" +
                     s.text("InTerm"),
                 QString("   $25,000.00|      $300.50|          7.25%|               40"));
        QCOMPARE(s.stored(1) + s.stored(2) + s.stored(4) + s.stored(7), 25000 + 300.5 + 7.25 + 40);
        QCOMPARE(s.beeps, 1);

        // The minus key: taken by the increase and inflation fields, refused by the others.
        s.type("InIncrRate", "-2.5");
        s.type("inInflatRate", "3-1"); // the minus empties the field first
        s.type("InRate", "-4");
        s.type("InTerm", "-4");
        QCOMPARE(s.stored(5), -2.5);
        QCOMPARE(s.stored(6), -1.0);
        QCOMPARE(s.stored(4) + s.stored(7), 4.0 + 4.0);
        QCOMPARE(s.text("InIncrRate") + "|" + s.text("inInflatRate"),
                 QString("         -2.50%|         -1.00%"));
        QCOMPARE(s.beeps, 3);
    }

    void enterFollowsTheEntryOrderAndTheListTakesNoTyping() {
        Sheet s;
        s.box("InLumpInv")->setFocus();
        const char* order[] = {"InInvest",   "InMonthsYrs",  "InRate",
                               "InIncrRate", "inInflatRate", "InTerm"};
        for (const char* next : order) {
            QTest::keyClick(s.focus(), Qt::Key_Return);
            QVERIFY2(s.focusOn(next), next);
        }
        QTest::keyClick(s.focus(), Qt::Key_Return);
        QCOMPARE(s.focus()->objectName(), QString("SCalc"));

        s.box("InMonthsYrs")->setFocus();
        QTest::keyClicks(s.focus(), "Mq");
        QCOMPARE(s.beeps, 2);
        QCOMPARE(s.text("InMonthsYrs"), QString("Annually"));
        QTest::keyClick(s.focus(), Qt::Key_Down); // arrows choose
        QTest::keyClick(s.focus(), Qt::Key_Down);
        QCOMPARE(s.text("InMonthsYrs"), QString("Monthly"));
        s.alt('c');
        QCOMPARE(s.grid()->rows(), 304); // 12 * 25 + 4
        QCOMPARE(s.grid()->text(0, 0) + "|" + s.grid()->text(0, 1),
                 QString(" Month Number|          Invested         Monthly"));
        QCOMPARE(s.grid()->text(301, 0), QString("Total:"));
        QCOMPARE(s.grid()->text(300, 0), QString("300"));
    }

    // Every kind of change empties the grid and the plan's years.
    void aChangeEmptiesTheGrid_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("a key in the lump sum") << 0;
        QTest::newRow("a click into the years") << 1;
        QTest::newRow("Delete in the rate") << 2;
        QTest::newRow("another frequency by the arrow key") << 3;
        QTest::newRow("an increase from the list") << 4;
    }
    void aChangeEmptiesTheGrid() {
        QFETCH(int, change);
        Sheet s;
        const std::function<void()> changes[] = {
            [&] { s.type("InLumpInv", "5"); },
            [&] { QTest::mouseClick(s.box("InTerm")->lineEdit(), Qt::LeftButton); },
            [&] { s.box("InRate")->setFocus(), QTest::keyClick(s.focus(), Qt::Key_Delete); },
            [&] { s.box("InMonthsYrs")->setFocus(), QTest::keyClick(s.focus(), Qt::Key_Down); },
            [&] {
                s.box("InIncrRate")->setCurrentIndex(2), emit s.box("InIncrRate")->activated(2);
            },
        };
        s.find<QPushButton>("SCalc")->click();
        QVERIFY(!s.gridEmpty());
        changes[change]();
        QVERIFY(s.gridEmpty());
        QCOMPARE(s.st().ScheduleYears, std::int16_t{0});
    }

    // After a change printing and graphing refuse until the next calculation; an increase
    // taken from the list is stored.
    void printAndGraphRefuseAfterAChange() {
        Sheet s;
        s.find<QPushButton>("SCalc")->click();
        s.box("InIncrRate")->setCurrentIndex(2), emit s.box("InIncrRate")->activated(2);
        QCOMPARE(s.text("InIncrRate") + "|" + QString::number(s.stored(5)),
                 QString("          5.00%|5"));
        s.find<QPushButton>("SPrinter")->click();
        s.find<QPushButton>("SGraphs")->click();
        QCOMPARE(s.messages(), (std::vector<int>{1, 2}));
        QCOMPARE(s.ws.scripted.calls.size(), size_t{2}); // no header dialog
        QCOMPARE(s.st().GraphSource, std::int16_t{0});
    }

    void altLetterInAFieldTypesNothingAndCommitsTheFigure() {
        Sheet s;
        s.box("InLumpInv")->setFocus();
        QTest::keyClicks(s.focus(), "1000"); // no completion from the entry 10000
        s.alt('c');
        QCOMPARE(s.text("InLumpInv"), QString("    $1,000.00"));
        // hand: (1,000 + 1,200) * 1.2 = 2,640
        QCOMPARE(s.row(1), QString("1|2,200.00|440.00|2,640.00"));
    }

    void overflowShowsCannotCalculateAndNoGrid() {
        Sheet s;
        s.type("InLumpInv", "900000000000000");
        s.type("InTerm", "40");
        s.alt('c');
        QCOMPARE(s.messages(), std::vector<int>{26});
        QVERIFY(s.gridEmpty());
        QCOMPARE(s.st().ScheduleYears, std::int16_t{0});
    }

    void noYearsShowsTheTotalButDoesNotPrint() {
        Sheet s;
        s.type("InTerm", "0");
        s.alt('c');
        QCOMPARE(s.grid()->rows(), 25);
        QCOMPARE(s.row(1), QString("Total:|$1,200.00|$240.00|$1,440.00"));
        s.alt('p');
        QCOMPARE(s.messages(), std::vector<int>{1});
    }

    void quickHelpOpensOverTheGridAndClosingEmptiesIt() {
        Sheet s;
        s.st().CurrencySymbol = "EU";
        s.alt('c');
        s.alt('h');
        auto* help = s.find<QPlainTextEdit>("STextBox");
        QVERIFY(help->isVisible() && !s.grid()->isVisible() && help->hasFocus());
        QCOMPARE(s.find<QPushButton>("SHelp")->text(), QString("Close &Help"));
        QVERIFY(!s.find<QPushButton>("SPrinter")->isEnabled() &&
                !s.find<QPushButton>("SGraphs")->isEnabled());
        QVERIFY(help->toPlainText().contains("of EU1,000.00 invested each year"));
        QVERIFY(help->toPlainText().endsWith("\nEnd"));
        QTest::keyClick(help, Qt::Key_Return); // Enter goes on to the first field
        QVERIFY(s.focusOn("InLumpInv"));
        s.alt('h');
        QVERIFY(!help->isVisible() && s.grid()->isVisible() && help->toPlainText().isEmpty());
        QCOMPARE(s.find<QPushButton>("SHelp")->text(), QString("Quick &Help"));
        QVERIFY(s.find<QPushButton>("SPrinter")->isEnabled() && s.gridEmpty());
        QCOMPARE(s.st().ScheduleYears, std::int16_t{0});
    }

    void printingWritesTheReportAndExitClearsTheTables() {
        Sheet s;
        s.type("InRate", "7");
        s.box("InMonthsYrs")->setFocus();
        QTest::keyClick(s.focus(), Qt::Key_Down);
        s.alt('c');
        s.ws.scripted.headers = {"Quarterly at 7", "1"}; // the second printout is cancelled
        s.alt('p');
        s.alt('p');
        QCOMPARE(s.ws.capture.documents.size(), size_t{1});
        const QString doc = QString::fromStdString(s.ws.capture.documents.front());
        QVERIFY(doc.startsWith(
            "\n Quarterly at 7\n\n\n                        Investment Growth Calculation\n"));
        QVERIFY(
            doc.contains(" Frequency of each contribution                         Quarterly\n"));
        QVERIFY(doc.contains("\n 100   ")); // every quarter is printed
        // 100 rows on 53-line pages: 29 on the first, 47 on the second, 24 on the last
        QCOMPARE(doc.count('\f'), 2);
        QVERIFY(doc.contains("\n Total:            $120,000.00")); // 100 quarters of 1,200.00

        s.alt('x');
        QCOMPARE(s.ws.menuShown, 1);
        QVERIFY(s.tables.SavingsInputs[2].isZero() && s.tables.GrowthTable[1][4].isZero() &&
                s.tables.Periods == 0);
        QCOMPARE(s.st().ScheduleYears + s.st().ContextCode + s.st().GraphSource, 0);
    }

    // A figure beyond the money range is not taken as 0: the field shows it as typed and
    // the calculation refuses it with message 26; retyped in range, it calculates.
    void aFigureBeyondTheMoneyRangeIsRefusedNotZeroed() {
        const char* fields[] = {"InLumpInv", "InInvest", "InRate", "InIncrRate", "inInflatRate"};
        for (const char* field : fields) {
            Sheet s;
            s.type(field, "12345678901234567890"); // 1.2e19: beyond 922,337,203,685,477
            QVERIFY2(s.text(field).contains("12"), qPrintable(s.text(field)));
            s.alt('c');
            QCOMPARE(s.messages(), std::vector<int>{26});
            QVERIFY(s.gridEmpty());
            QCOMPARE(s.st().ScheduleYears, std::int16_t{0});
            s.type(field, "1");
            s.alt('c');
            QCOMPARE(s.messages(), std::vector<int>{26});
            QCOMPARE(s.st().ScheduleYears, std::int16_t{25});
        }
    }

    // Random keys and clicks: the fields hold what their filters let in, results stand only
    // while every entry is as it was when they were calculated, and the help text and the
    // grid are never both hidden.
    void keyAndClickStorm() {
        Sheet s;
        s.ws.scripted.headers.assign(20000, "1");
        s.ws.scripted.fileNames.assign(20000, "");
        storm::ModalCloser closer(s.window.get());
        std::vector<storm::Field> fields;
        const QString figure = storm::Decimal + " ,$%-";
        for (const char* name : {"InLumpInv", "InInvest", "InRate", "InIncrRate", "inInflatRate",
                                 "InTerm", "InMonthsYrs"}) {
            QComboBox* box = s.box(name);
            const QString n = name;
            fields.push_back({n, s.window.get(),
                              box->isEditable() ? static_cast<QWidget*>(box->lineEdit()) : box,
                              [box] { return box->currentText(); },
                              n == "InTerm" ? QString(storm::Digits + " ") : figure});
            if (n == "InMonthsYrs")
                fields.back().admitted.clear(); // a list entry: any text
        }
        auto entries = [&s] {
            QStringList texts;
            for (const char* name : {"InLumpInv", "InInvest", "InMonthsYrs", "InRate", "InIncrRate",
                                     "inInflatRate", "InTerm"})
                texts << s.text(name);
            return texts;
        };
        QStringList calculatedFrom;
        bool shown = false;
        storm::Plan plan;
        plan.events = 5000;
        plan.burst = 1; // results may come and go with every event
        for (const char* name : {"SCalc", "SHelp", "SPrinter", "SGrid", "InMonthsYrs"})
            plan.clickable.push_back(s.find(name));
        plan.invariants = [&]() -> QString {
            const bool help = s.find("STextBox")->isVisible();
            if (!help && !s.grid()->isVisible())
                return "the help text and the grid are both hidden";
            if (help != (s.find<QPushButton>("SHelp")->text() == "Close &Help"))
                return "the help caption does not match the help text";
            const bool nowShown = !s.gridEmpty();
            if (nowShown && shown && entries() != calculatedFrom)
                return "results still shown after the entries changed: " + entries().join('|') +
                       " calculated from " + calculatedFrom.join('|');
            if (nowShown && !shown)
                calculatedFrom = entries();
            shown = nowShown;
            return {};
        };
        const QString fault = storm::run("savings", fields, plan, storm::seed());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Under other systems' signs: the defaults' first year, 1,200 x 1.2 = 1,440 (hand
    // calculation), in the locale's signs in the grid and the printout; a typed period key
    // gives the locale's point.
    void figuresFollowTheSystemLocale() {
        for (const locales::Case& c : locales::Cases) {
            const locales::Scope scope(c.locale);
            Sheet s;
            s.type("InInvest", "1200.5");
            QCOMPARE(s.text("InInvest").trimmed(), "$" + locales::inLocale(c.locale, "1,200.50"));
            QCOMPARE(s.stored(2), 1200.5);
            s.type("InInvest", "1200");
            s.alt('c');
            QCOMPARE(s.row(1), "1|" + locales::inLocale(c.locale, "1,200.00|240.00|1,440.00"));
            s.ws.scripted.headers = {"Plan"};
            s.alt('p');
            QCOMPARE(s.ws.capture.documents.size(), size_t{1});
            const QString doc = QString::fromStdString(s.ws.capture.documents.front());
            QVERIFY2(doc.contains(locales::inLocale(c.locale, "1,440.00")) &&
                         !doc.contains("1,440.00"),
                     c.name);
            QVERIFY(s.messages().empty());
        }
    }
};

PECUNEX_QTEST_MAIN(TestSavingsWindow)
#include "test_savings_window.moc"
