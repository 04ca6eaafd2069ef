// The net worth history driven by keys alone: statements added and dated, a loan followed,
// the views, the history saved and opened again.
#include <QAccessible>

#include "HistoryTables.h"
#include "HistoryWindow.h"
#include "QtTestMain.h"
#include "WorksheetScript.h"

namespace {

// A net worth file of one asset and one liability.
QString statement(const char* house, const char* mortgage) {
    QString text = QString("1,1\r\n\"House\",%1,\"Mortgage\",%2\r\n").arg(house, mortgage);
    for (int row = 2; row <= 31; ++row)
        text += ",,,\r\n";
    return text;
}

// Probes: changed (HistoryChanged), spoken (what a screen reader says of the net worth).
struct HistorySheet {
    HistorySheet() {
        activate(&window);
        script.probe = [this](const QString& name) {
            if (name == "changed")
                return QString::number(tables.HistoryChanged);
            if (name == "spoken") {
                auto* a =
                    QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("HNetWorth"));
                return a->text(QAccessible::Name) + ": " + a->text(QAccessible::Value);
            }
            return QString();
        };
    }
    TestWorkspace ws;
    HistoryTables tables;
    HistoryWindow window{ws, tables};
    WorksheetScript script{ws, &window};
};

} // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT
  private slots:
    void script_data() {
        addScriptColumns();
        // hand: 300,000 - 250,000 = 50,000; a year on 310,000 - 250,000 = 60,000, up 10,000,
        // 60 / 50 = 1.2 over 365 days: 20.00 % a year. The loan (120,000 at 6.5 %, monthly
        // from 2025-01-15; the mortgage report gives 116,944.44 after payment 12) adds
        // 120,000 before its first payment and 116,944.44 after 2025-12-15.
        addScript(
            "statements added, dated, refused; a loan followed; saved, removed, opened",
            "@A.NWV:" + statement("300000", "250000") +
                "; @B.NWV:" + statement("310000", "250000") + "; @C.NWV:1,1\r\n\"House\",-5; " +
                "@House.umd:120000,6.5,20,\"   Semiannual\",\"      Monthly\",\"2025-01-15\","
                "1,1,2,0,0,1,365,\"O\",0\r\n; "
                "@Old.umd:1000,5,2,\"   Semiannual\",\"      Monthly\",\"2025-01-15\","
                "0,1,2,0,0,1,365,\"O\",0\r\n; "
                "caption= Net Worth History; files:$DIR/A.NWV; Alt+M; focus=HDate; "
                "keys:2024-12-31; <Return>; focus=HLabel; keys:Start; <Return>; "
                "HGrid[1]~|Start|300,000.00|250,000.00|50,000.00|||; changed=1; "
                "files:$DIR/B.NWV; Alt+M; keys:2024-12-31; <Return>; msgs=44; "
                "detail=B.NWV: The history already has a statement dated 2024-12-31. Give this "
                "one another date.; focus=HDate; keys:2025-12-31; <Return>; "
                "HGrid[2]~|310,000.00|250,000.00|60,000.00|10,000.00|10,000.00|20.00%; "
                "HNetWorth=$60,000.00; HRate=20.00%; spoken=Net worth: $60,000.00; "
                "files:$DIR/C.NWV; Alt+M; msgs=44,44; detail~C.NWV: File not found; "
                "HGrid=3; files:$DIR/Old.umd; Alt+F; detail~Old.umd: the loan has no payment "
                "dates. Set its first payment date; files:$DIR/House.umd; Alt+F; "
                "HGrid[1]~|370,000.00|-70,000.00|; HGrid[2]~|366,944.44|-56,944.44|13,055.56|; "
                "HNetWorth.red=1; HLoans=Loans followed: House; Alt+V; <Down>; "
                "HGrid[3]=- House (loan file)|120,000.00|116,944.44; "
                "files:$DIR/Mine.Nwh; Alt+A; changed=0; "
                "@Mine.Nwh~\"Pecunex\",\"History\",1\r\n2,1\r\n\"2024-12-31\",\"Start\"\r\n1,1\r\n;"
                " "
                "@Mine.Nwh~\r\n\"House.umd\"\r\n; Alt+V; <Up>; answers:6; Alt+R; HGrid=2; "
                "changed=1; answers:6; Alt+X; menu=0; files:$DIR/Mine.Nwh; Alt+O; "
                "answers:6; HGrid=3; changed=0; HGrid[1]~|Start|; @House.umd:gone; "
                "files:$DIR/Mine.Nwh; Alt+O; detail~House.umd: File not found; "
                "HLoans=Loans followed: House (file missing); HGrid[2]~|250,000.00|60,000.00|; "
                "Alt+X; menu=1");
    }
    void script() { runScript<HistorySheet>(); }
};

PECUNEX_QTEST_MAIN(TestHistoryWindow)
#include "test_history_window.moc"
