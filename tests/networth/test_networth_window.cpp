// The net worth worksheet driven by keys and clicks, as a user drives it.
#include <QPushButton>

#include "NetWorthWindow.h"
#include "QtTestMain.h"
#include "WorksheetScript.h"

namespace {

// Probes: unsaved, counts ("assets/liabilities"), context, A1 / L4 (a stored line,
// "name|amount", "-" for no amount). A step: unsaved:0.
struct NetWorthSheet {
    NetWorthSheet() {
        activate(&window);
        script.probe = [this](const QString& name) {
            const int n = name.mid(1).toInt();
            if (name == "unsaved" || name == "context")
                return QString::number(name == "unsaved" ? tables.NetWorthUnsaved
                                                         : ws.shared.ContextCode);
            if (name == "counts")
                return QString("%1/%2").arg(tables.AssetCount).arg(tables.LiabilityCount);
            if (n < 1 || n > 31 || (name[0] != 'A' && name[0] != 'L'))
                return QString();
            const NetWorthLine& l = (name[0] == 'A' ? tables.AssetRows : tables.LiabilityRows)[n];
            return QString::fromStdString(l.name) + "|" +
                   (l.amount ? QString::number(*l.amount) : "-");
        };
        script.step = [this](const QString& name, const QString& v) {
            if (name == "unsaved")
                tables.NetWorthUnsaved = static_cast<std::int16_t>(v.toInt());
            return name == "unsaved";
        };
    }
    TestWorkspace ws;
    NetWorthTables tables;
    NetWorthWindow window{ws, tables};
    WorksheetScript script{ws, &window};
    Grid* grids[2] = {script.find<Grid>("NGrid1"), script.find<Grid>("NGrid2")};
};

} // namespace

class TestNetWorthWindow : public QObject {
    Q_OBJECT
  private slots:
    void script_data() {
        addScriptColumns();
        addScript("opens empty with zero totals",
                  "caption= Net Worth; NGrid1.rows=35; NGrid1[3]=Total Assets|$0.00; "
                  "NGrid2[3]=Total Liabilities|$0.00; Net=$.00; NetInfo.shown=0; NTextBox.shown=0");
        // The worked example, typed: sub-totals 105,000 and 200, total assets 105,200.
        addScript("a typed statement calculates with sub-totals",
                  "NGrid1[1,0]:House; NGrid1[1,1]:100000; NGrid1[2,0]:Car; NGrid1[2,1]:5000; "
                  "NGrid1[3,0]:sub total; NGrid1[4,0]:Cash; NGrid1[4,1]:200; "
                  "NGrid1[5,0]:Sub Total; NGrid2[1,0]:Loan; NGrid2[1,1]:0; "
                  "NGrid1[1]=House|100,000.00; NGrid2[1]=Loan|.00; NetInfo.shown=1; Alt+C; "
                  "NGrid1[3]=sub total|105,000.00; NGrid1[5]=Sub Total|200.00; "
                  "NGrid1[8]=Total Assets|$105,200.00; NGrid2[1]=Loan|; "
                  "NGrid2[4]=Total Liabilities|$0.00; Net=$105,200.00; NetInfo.shown=0; unsaved=1");
        addScript("typing rules of the two columns",
                  "NGrid1[1,1]:12.345; NGrid1[1]=|12.34; A1=|12.34; beeps=0; keys:a-\"; beeps=2; "
                  "<Backspace>; NGrid1[1]=|; A1=|-; NGrid1[1,0]:Hou\"se; <Backspace>; A1=Hous|-; "
                  "NGrid1[1,0]:B; NGrid1[1]=B|; <Return>; NGrid1[2]=|; keys:Z; NGrid1[2]=Z|; "
                  "NGrid2[4,0]:Boat; <Del>; L4=|-; NGrid2[4]=|; NGrid2[30,0]:y; L30=y|-; "
                  "NGrid2[31,0]:x; msgs=22; NGrid2[31]=|; L31=|-");
        addScript("emptied names go, a blank name stays",
                  "NGrid1[1,0]:A; NGrid1[1,1]:1; NGrid1[2,0]: ; NGrid1[2,1]:2; NGrid1[3,0]:C; "
                  "NGrid1[3,1]:3; click:NCalc; NGrid1[1,0]:; <Backspace>; click:NCalc; "
                  "NGrid1[1]= |2.00; NGrid1[2]=C|3.00; NGrid1[5]=Total Assets|$5.00");
        addScript("Insert blank line through the value dialog",
                  "NGrid2[1,0]:a; NGrid2[1,1]:1; NGrid2[2,0]:b; NGrid2[2,1]:2; click:NCalc; "
                  "unsaved:0; values:1,9,,29; Alt+B; calls=valueInput 2; NGrid2[1]=BlankLine|; "
                  "NGrid2[2]=a|1.00; click:InsertLiab; NGrid2[4]=BlankLine|; "
                  "NGrid2[7]=Total Liabilities|$3.00; click:InsertLiab; click:InsertLiab; "
                  "counts=0/4; unsaved=0; context=0");
        addScript("quick help closes when it loses the focus",
                  "click:NHelp; NTextBox.shown=1; NTextBox~\n\nEnd; NHelp=Close &Help; <A>; "
                  "beeps=1; click:NHelp; NTextBox.shown=0; NHelp=Quick &Help; Alt+H; "
                  "NTextBox.shown=1; focus:NGrid1; NTextBox.shown=0");
        addScript("leaving right after opening", "click:NExit; menu=1; calls=");
        addScript("leaving a calculated statement asks",
                  "NGrid1[1,0]:House; NGrid1[1,1]:1; click:NCalc; files:$DIR/Home.NWV; "
                  "click:SaveNet; click:NCalc; answers:6,0; click:NExit; menu=0; click:NExit; "
                  "menu=1; calls=fileDirectory 4,yesNo 3,yesNo 3; file=; counts=0/0; unsaved=0");
        addScript("a saved statement opens again, a bad file gives an empty one",
                  "files:,$DIR/Home.NWV; click:SaveNet; NGrid1[1,0]:House; NGrid1[1,1]:100000; "
                  "click:NCalc; click:SaveNet; msgs=15; unsaved=0; click:NCalc; click:SaveNet; "
                  "unsaved=0; file=Home.NWV; @Home.NWV~1,0\r\n\"House\",100000,,\r\n,,,\r\n; "
                  "NGrid1[1,0]:Flat; click:NCalc; @ten.NWV:1,0\r\n\"x\",1,,\r\n; "
                  "files:$DIR/ten.NWV,$DIR/Home.NWV; click:Loadnet; msgs=15,13; NGrid1[1]=|; "
                  "NGrid1[3]=Total Assets|$0.00; file=; click:Loadnet; NGrid1[1]=House|100,000.00; "
                  "NGrid1[4]=Total Assets|$100,000.00; file=Home.NWV");
        // A full disk leaves the previous file as it was and shows message 25.
        addScript("a save that cannot finish",
                  "files:$DIR/Full.NWV,$DIR/Full.NWV; NGrid1[1,0]:House; NGrid1[1,1]:100000; "
                  "click:NCalc; click:SaveNet; NGrid1[2,0]:Car; NGrid1[2,1]:9000; click:NCalc; "
                  "disk full; click:SaveNet; msgs=25; "
                  "@Full.NWV~1,0\r\n\"House\",100000,,\r\n,,,\r\n; dir=Full.NWV");
        // "Cannot calculate." leaves no totals behind: the labels are emptied and the printout
        // is refused until a calculation succeeds, whether the lines were typed or opened.
        const QString empty = QString(",,,\r\n").repeated(29);
        addScript("totals that cannot be added up are neither shown nor printed",
                  "NGrid1[1,0]:House; NGrid1[1,1]:100; click:NCalc; "
                  "NGrid1[4]=Total Assets|$100.00; NGrid1[2,0]:Boat; "
                  "NGrid1[2,1]:99999999999999999999; Alt+C; msgs=26; NGrid1[4]=Total Assets|; "
                  "Net=; click:NPrinter; msgs=26,26; printed=0; @big.NWV:2,0\r\n\"a\","
                  "900000000000000,,\r\n\"b\",900000000000000,,\r\n" +
                      empty +
                      "; files:$DIR/big.NWV; click:Loadnet; msgs=26,26,26; "
                      "NGrid1[2]=b|900,000,000,000,000.00; Net=; click:NPrinter; "
                      "msgs=26,26,26,26; printed=0");
        // A file's counts are recounted: 600 and 25 above one line each.
        addScript("counts larger than the lines are recounted",
                  "@many.NWV:600,25\r\n\"a\",1,\"x\",3\r\n" + empty +
                      ",,,\r\n; files:$DIR/many.NWV; click:Loadnet; msgs=; counts=1/1; "
                      "NGrid1[1]=a|1.00; Net=$-2.00");
        addScript("prints the calculated statement",
                  "NGrid1[1,0]:House; NGrid1[1,1]:1234.5; click:NCalc; headers:1,Mine; "
                  "click:NPrinter; printed=0; Alt+P; printed=1; doc~\n\n Mine\n\n; "
                  "doc~Net Worth =      $1,234.50\n");
        // Amounts typed with the period key show, total and print in the system's signs, the
        // comma key is refused, the file is saved with periods; 1,234.50 - 1,000.25 = 234.25.
        addScriptInEveryLocale(
            "NGrid1[1,0]:House; NGrid1[1,1]:1234.5; NGrid2[1,0]:Loan; NGrid2[1,1]:1000.25; "
            "click:NCalc; files:$DIR/Home.NWV; click:SaveNet; "
            "@Home.NWV~1,1\r\n\"House\",1234.5,\"Loan\",1000.25\r\n,,,\r\n; "
            "NGrid1[1]=House|1,234.50; NGrid1[4]=Total Assets|$1,234.50; "
            "NGrid2[1]=Loan|1,000.25; Net=$234.25; files:" PECUNEX_SOURCE_DIR
            "/tests/golden/networth-household.NWV; headers:Example: household net worth; "
            "font:1; click:Loadnet; click:NPrinter; msgs=; "
            "doc=golden:networth-household.expected.txt; NGrid1[1,1]:,; beeps=1; "
            "NGrid1[1]=House|325,000.00");
    }
    void script() { runScript<NetWorthSheet>(); }

    // Random keys and clicks over both grids: amounts hold figures only, names no double
    // quote, the "Changes made" mark is up whenever a cell differs from the last
    // calculation, and the help text never hides the grids.
    void keyAndClickStorm() {
        NetWorthSheet s;
        queueStormAnswers(s.ws.scripted, storm::seed());
        s.ws.scripted.answers.assign(40000, 6); // leaving: stay and save first
        storm::ModalCloser closer(&s.window);
        const auto cells = [&s] {
            QStringList all;
            for (Grid* g : s.grids)
                for (int r = 1; r < g->rows(); ++r)
                    all << g->text(r, 0) << g->text(r, 1);
            return all;
        };
        std::vector<storm::Field> fields;
        for (Grid* g : s.grids)
            fields.push_back({g->objectName(),
                              &s.window,
                              g,
                              [g] { return g->text(std::max(g->currentRow(), 1), 0); },
                              {}});
        const QString amountChars = storm::Decimal + " ,-$";
        QStringList calculated = cells();
        bool marked = false;
        storm::Plan plan;
        plan.events = 5000;
        plan.burst = 1;
        for (const char* name : {"NCalc", "NHelp", "Loadnet", "NPrinter", "NGrid1", "NGrid2"})
            plan.clickable.push_back(s.script.find(name));
        plan.invariants = [&]() -> QString {
            const QStringList now = cells();
            for (int i = 0; i < now.size(); i += 2) {
                if (now[i].contains('"'))
                    return "a name holds a double quote: " + now[i];
                for (QChar c : now[i + 1])
                    if (!amountChars.contains(c))
                        return "an amount holds \"" + now[i + 1] + "\"";
            }
            if (s.script.find("NTextBox")->isVisible() !=
                (s.script.find<QPushButton>("NHelp")->text() == "Close &Help"))
                return "the help caption does not match the help text";
            if (!s.grids[0]->isVisible() || !s.grids[1]->isVisible())
                return "a grid is hidden";
            const bool nowMarked = s.script.find("NetInfo")->isVisible();
            if (!nowMarked && !marked && now != calculated)
                return "cells changed without the changes mark";
            if (!nowMarked)
                calculated = now;
            marked = nowMarked;
            return {};
        };
        const QString fault = storm::run("net worth", fields, plan, storm::seed());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

PECUNEX_QTEST_MAIN(TestNetWorthWindow)
#include "test_networth_window.moc"
