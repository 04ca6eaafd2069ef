// The frame around every printout: the header question, the stop on "1", the printer, the
// page length for the font, the report's lines and the end of the document.
#include "PrintJob.h"
#include "ShellTest.h"

class PrintJobTest : public QObject {
    Q_OBJECT
    ShellState state;
    ScriptedDialogs dialogs{state};
    CapturingPrinters printers;
    bool print(const std::string& header, const std::function<void(Printer&)>& body) {
        dialogs.headers = {header};
        return runPrintout(state, dialogs, printers, body);
    }

  private slots:
    void init() { printers.documents.clear(); }

    // The header is asked first; the body runs once, after the set-up's empty line, and
    // prints the header itself.
    void headerThenBody() {
        for (const std::string header : {"Household 2025", ""}) {
            int runs = 0;
            QVERIFY(print(header, [&](Printer& p) {
                ++runs;
                p.print({Tab(2), state.HeaderText});
                p.print({Tab(5), "line"});
            }));
            QCOMPARE(runs, 1);
            QCOMPARE(printers.documents.back(),
                     "\n" + (header.empty() ? "" : " " + header) + "\n    line\n");
        }
        QCOMPARE(dialogs.calls, std::vector<ScriptedDialogs::Call>(2, {"printerHeader", 0}));
    }

    // A cancelled header ("1") prints nothing and never opens a printer; a cancelled printer
    // runs no body either.
    void cancelled() {
        state.LinesPerPage = 99;
        bool bodyRan = false;
        QVERIFY(!print("1", [&](Printer&) { bodyRan = true; }));
        QVERIFY(printers.documents.empty());
        QCOMPARE(state.LinesPerPage, 99);
        printers.cancel = true;
        QVERIFY(!print("Net worth", [&](Printer&) { bodyRan = true; }));
        printers.cancel = false;
        QVERIFY(!bodyRan);
    }

    // Each printout sets the page length for its font before the body runs.
    void pageLengthByFont() {
        state.PrinterFontChoice = 3;
        int seen = -1;
        QVERIFY(print("x", [&](Printer&) { seen = state.LinesPerPage; }));
        QCOMPARE(seen, 51);
    }
};

PECUNEX_SUITE(PrintJobTest)
#include "test_print_job.moc"
