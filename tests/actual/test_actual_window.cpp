// The budget vs actual worksheet driven by keys alone, the way a household reconciles March.
#include <QListWidget>

#include "ActualTables.h"
#include "ActualWindow.h"
#include "QtTestMain.h"
#include "WorksheetScript.h"

namespace {

// Probes: unmatched and proposals (the lists' rows, "|" between them, "none" for none), rules
// (text=record).
struct ActualSheet {
    ActualSheet() {
        activate(&window);
        script.probe = [this](const QString& name) {
            if (name == "rules") {
                QStringList rules;
                for (const ActualRule& r : tables.actuals.rules)
                    rules << QString::fromStdString(r.text + "=" + r.record);
                return rules.join('|');
            }
            auto* list = window.findChild<QListWidget*>(name == "unmatched"   ? "AUnmatched"
                                                        : name == "proposals" ? "AProposals"
                                                                              : "");
            if (!list)
                return QString();
            QStringList rows;
            for (int i = 0; i < list->count(); ++i)
                rows << list->item(i)->text().simplified();
            return rows.isEmpty() ? QStringLiteral("none") : rows.join('|');
        };
    }
    TestWorkspace ws;
    ActualTables tables;
    ActualWindow window{ws, tables};
    WorksheetScript script{ws, &window};
};

const QString Budget = "@household.Bgt:1\r\n1,\"Salary\",52000,26,52000\r\n2\r\n"
                       "1,\"Rent\",14400,12,14400\r\n2,\"Groceries\",7800,52,7800\r\n";
const QString March = "@march.csv:Date,Description,Amount\n2025-03-01,RENT MARCH,-1200.00\n"
                      "2025-03-03,SAFEWAY #1234,-143.20\n2025-03-05,CORNER COFFEE,-4.50\n"
                      "2025-03-07,ACME PAYROLL,2000.00\n2025-03-10,SAFEWAY #1234,-161.85\n"
                      "2025-03-17,SAFEWAY #0456,-152.40\n2025-03-21,ACME PAYROLL,2000.00\n"
                      "2025-03-24,SAFEWAY #1234,-149.99\n2025-03-31,SAFEWAY #1234,-155.10\n";

} // namespace

class TestActualWindow : public QObject {
    Q_OBJECT
  private slots:
    void script_data() {
        addScriptColumns();
        // The budget and the export chosen, March compared before any rule; a rule made from
        // the rent; SAFEWAY proposed as weekly (its five Mondays, 152.40 the median of
        // 143.20, 149.99, 152.40, 155.10, 161.85) and added: 152.40 x 52 = 7,924.80 a year
        // written into the budget, 7,924.80 / 12 = 660.40 budgeted in March against
        // 762.54 spent. Saved, printed, and the same export again adds nothing.
        addScript(
            "a month reconciled by keys alone",
            Budget + "; " + March +
                "; files:$DIR/household.Bgt; Alt+F; ABudgetName=household.Bgt; "
                "files:$DIR/march.csv; Alt+I; AGrid.rows=7; "
                "AGrid[1]=Salary|4,333.33|.00|-4,333.33|.00; "
                "AUnmatchedExpenses=1,967.04; AUnmatchedIncome=4,000.00; "
                "Alt+N; <Home>; ARuleText=RENT MARCH; Alt+T; keys:RENT; Alt+C; "
                "<Down>; Alt+G; rules=RENT=Rent; AGrid[2]=Rent|1,200.00|1,200.00|.00|100.00; "
                "Alt+E; focus=AProposals; proposals=SAFEWAY, Weekly 152.40 expense; "
                "<Space>; Alt+K; @household.Bgt~3,\"SAFEWAY\",7924.8,52,7924.8\r\n; "
                "AGrid[4]=SAFEWAY|660.40|762.54|102.14|115.47; rules=RENT=Rent|SAFEWAY=SAFEWAY; "
                "files:$DIR/march.Act; Alt+A; file=march.Act; "
                "@march.Act~\"household.Bgt\"\r\n9\r\n; headers:March; Alt+P; printed=1; "
                "doc~\n BUDGET VS ACTUAL\n; doc~\n SAFEWAY  ; files:$DIR/march.csv; Alt+I; "
                "AGrid[4]=SAFEWAY|660.40|762.54|102.14|115.47; "
                "Alt+X; menu=1");
        // Two exports picked at once, a QIF beside the CSV: 1,967.04 + 10.00 unmatched.
        addScript(
            "two exports imported at once",
            Budget + "; " + March +
                "; @more.qif:!Type:Bank\nD03/12/2025\nT-10.00\nPKIOSK\n^\n"
                "; files:$DIR/household.Bgt; Alt+F; files:$DIR/march.csv|$DIR/more.qif; Alt+I; "
                "AUnmatchedExpenses=1,977.04; AUnmatchedIncome=4,000.00; answers:0; Alt+X; menu=1");
        // The good export picked first is not imported either.
        addScript(
            "a damaged export is refused whole, naming its line",
            Budget + "; " + March +
                "; @bad.csv:Date,Description,Amount\n2025-03-01,RENT,-1\n2025-03-02,X\n"
                "; files:$DIR/household.Bgt; Alt+F; files:$DIR/march.csv|$DIR/bad.csv; Alt+I; "
                "msgs=44; detail~bad.csv, line 3; unmatched=none; answers:0; Alt+X; menu=1");
    }
    void script() { runScript<ActualSheet>(); }
};

PECUNEX_QTEST_MAIN(TestActualWindow)
#include "test_actual_window.moc"
