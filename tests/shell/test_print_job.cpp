// The frame around every printout: the header question, the stop on "1", the printer,
// the page length set up for the font, the report's lines and the end of the document.
#include <QCursor>
#include <QGuiApplication>
#include <QtTest/QTest>
#include <stdexcept>

#include "PrintJob.h"
#include "QtTestMain.h"
#include "ScriptedDialogs.h"

namespace {

// The report body most reports start with: the header at column 2, then one line.
void headerAndOneLine(SharedState& state, Printer& p) {
    p.print({Tab(2), state.HeaderText});
    p.print({Tab(5), "line"});
}

} // namespace

class PrintJobTest : public QObject {
    Q_OBJECT

    SharedState state;

private slots:
    void init() { state = SharedState{}; }

    // Header typed: the document is the set-up's empty line, then what the body printed.
    void printsHeaderThenBody() {
        ScriptedDialogs dialogs(state);
        CapturingPrinters printers;
        dialogs.headers.push_back("Household 2025");
        int bodyRuns = 0;
        const bool printed = runPrintout(state, dialogs, printers, [&](Printer& p) {
            ++bodyRuns;
            headerAndOneLine(state, p);
        });
        QVERIFY(printed);
        QCOMPARE(bodyRuns, 1);
        QCOMPARE(dialogs.calls, (std::vector<ScriptedDialogs::Call>{{"printerHeader", 0}}));
        QCOMPARE(printers.documents.size(), std::size_t(1));
        QCOMPARE(printers.documents.front(), std::string("\n Household 2025\n    line\n"));
    }

    void emptyHeaderPrintsEmptyHeaderLine() {
        ScriptedDialogs dialogs(state);
        CapturingPrinters printers;
        dialogs.headers.push_back("");
        QVERIFY(runPrintout(state, dialogs, printers, [&](Printer& p) { headerAndOneLine(state, p); }));
        QCOMPARE(printers.documents.front(), std::string("\n\n    line\n"));
    }

    // Cancelling (or typing just "1") prints nothing and never asks for a printer.
    void cancelledHeaderPrintsNothing() {
        ScriptedDialogs dialogs(state);
        CapturingPrinters printers;
        dialogs.headers.push_back("1");
        state.LinesPerPage = 99;
        bool bodyRan = false;
        QVERIFY(!runPrintout(state, dialogs, printers, [&](Printer&) { bodyRan = true; }));
        QVERIFY(!bodyRan);
        QVERIFY(printers.documents.empty());
        QCOMPARE(state.LinesPerPage, 99);  // no set-up took place
    }

    // No printer and the PDF name cancelled: nothing is printed either.
    void cancelledPrinterPrintsNothing() {
        ScriptedDialogs dialogs(state);
        CapturingPrinters printers;
        printers.cancel = true;
        dialogs.headers.push_back("Net worth");
        bool bodyRan = false;
        QVERIFY(!runPrintout(state, dialogs, printers, [&](Printer&) { bodyRan = true; }));
        QVERIFY(!bodyRan);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // The page length the body counts with, by font choice (63/56/51 for Courier New
    // 10/11/12 points, 53 for the printer's own font).
    void pageLengthByFont_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("lines");
        QTest::newRow("standard") << 0 << 53;
        QTest::newRow("10 pt") << 1 << 63;
        QTest::newRow("11 pt") << 2 << 56;
        QTest::newRow("12 pt") << 3 << 51;
    }
    void pageLengthByFont() {
        QFETCH(int, choice);
        QFETCH(int, lines);
        ScriptedDialogs dialogs(state);
        CapturingPrinters printers;
        state.PrinterFontChoice = static_cast<std::int16_t>(choice);
        state.LinesPerPage = 0;
        dialogs.headers.push_back("x");
        int seenByBody = -1;
        QVERIFY(runPrintout(state, dialogs, printers, [&](Printer&) { seenByBody = state.LinesPerPage; }));
        QCOMPARE(seenByBody, lines);
        QCOMPARE(state.LinesPerPage, lines);
    }

    // The 12-point choice, then the standard font: each printout sets its own length.
    void pageLengthFollowsEachPrintout() {
        ScriptedDialogs dialogs(state);
        CapturingPrinters printers;
        dialogs.headers = {"a", "b"};
        state.PrinterFontChoice = 3;
        runPrintout(state, dialogs, printers, [](Printer&) {});
        QCOMPARE(state.LinesPerPage, 51);
        state.PrinterFontChoice = 0;
        runPrintout(state, dialogs, printers, [](Printer&) {});
        QCOMPARE(state.LinesPerPage, 53);
    }

    // The busy pointer shows while the lines print and is gone afterwards, also when the
    // printout fails half-way (a failure that is not reported).
    void busyPointer() {
        ScriptedDialogs dialogs(state);
        CapturingPrinters printers;
        dialogs.headers = {"ok", "fails"};
        Qt::CursorShape during = Qt::ArrowCursor;
        QVERIFY(runPrintout(state, dialogs, printers, [&](Printer&) {
            if (const QCursor* c = QGuiApplication::overrideCursor()) during = c->shape();
        }));
        QCOMPARE(during, Qt::WaitCursor);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);

        const bool printed = runPrintout(state, dialogs, printers, [&](Printer& p) {
            p.print({"half a page"});
            throw std::runtime_error("printer went away");
        });
        QVERIFY(!printed);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QCOMPARE(printers.documents.back(), std::string("\nhalf a page\n"));
    }
};

PECUNEX_QTEST_MAIN(PrintJobTest)
#include "test_print_job.moc"
