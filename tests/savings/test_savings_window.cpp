// The savings worksheet driven by keys, the way a user works it.
#include <QPushButton>

#include "QtTestMain.h"
#include "SavingsTables.h"
#include "SavingsWindow.h"
#include "WorksheetScript.h"

namespace {

// Probes: stored (the six entries as stored), context, empty (1: the grid shows no figures),
// cleared (1: the tables are empty again). A step: pick:Name=index, a list entry taken as a mouse
// takes it.
struct SavingsSheet {
    SavingsSheet() {
        ws.shared.ContextCode = 1; // as the main menu opens it
        activate(&window);
        script.probe = [this](const QString& name) {
            QStringList stored;
            for (int i : {1, 2, 4, 5, 6, 7})
                stored << QString::number(tables.SavingsInputs[static_cast<size_t>(i)].toDouble());
            const bool cleared = tables.SavingsInputs[2].isZero() && tables.Periods == 0 &&
                                 tables.GrowthTable[1][4].isZero();
            return QMap<QString, QString>{{"stored", stored.join(',')},
                                          {"context", QString::number(ws.shared.ContextCode)},
                                          {"empty", gridEmpty() ? "1" : "0"},
                                          {"cleared", cleared ? "1" : "0"}}
                .value(name);
        };
        script.step = [this](const QString& name, const QString& v) {
            auto* box = script.find<QComboBox>(v.section('=', 0, 0));
            if (name == "pick" && box)
                box->setCurrentIndex(v.section('=', 1).toInt()),
                    emit box->activated(box->currentIndex());
            return name == "pick" && box;
        };
    }
    bool gridEmpty() const {
        for (int r = 1; r < grid->rows(); ++r)
            if (!(grid->text(r, 0) + grid->text(r, 1) + grid->text(r, 2) + grid->text(r, 3))
                     .isEmpty())
                return false;
        return true;
    }
    TestWorkspace ws;
    SavingsTables tables;
    SavingsWindow window{ws, tables};
    WorksheetScript script{ws, &window};
    Grid* grid = script.find<Grid>("SGrid");
};

const char* const Entries[] = {"InLumpInv",  "InInvest",     "InMonthsYrs", "InRate",
                               "InIncrRate", "inInflatRate", "InTerm"};

} // namespace

class TestSavingsWindow : public QObject {
    Q_OBJECT
  private slots:
    void script_data() {
        addScriptColumns();
        addScript("opens with its defaults",
                  "caption= Investment Growth Calculations; InLumpInv=           $.00; "
                  "InInvest=    $1,200.00; InMonthsYrs=Annually; InRate=         20.00%; "
                  "InIncrRate=           .00%; inInflatRate=           .00%; "
                  "InTerm=               25; SGrid.rows=25");
        // Hand: 1,200 * 1.2 = 1,440; then (1,440 + 1,200) * 1.2 = 3,168.
        addScript("calculating the defaults fills the grid and the graph",
                  "focus:InLumpInv; Alt+C; SGrid.rows=29; SGrid[1]=1|1,200.00|240.00|1,440.00; "
                  "SGrid[2]=2|1,200.00|528.00|3,168.00; SGrid[25]~25|1,200.00|; "
                  "SGrid[26]~Total:|$30,000.00|; SGrid[27]=|||; Alt+S; "
                  "graph=25 Investment value at end of each Year; msgs=");
        addScript("typed figures are stored and shown by their rules",
                  "InLumpInv:25000; InInvest:300.5; InRate:7.256; InTerm:45; msgs=5; "
                  "InLumpInv=   $25,000.00; InInvest=      $300.50; InRate=          7.25%; "
                  "InTerm=               40; stored=25000,300.5,7.25,0,0,40; beeps=1; "
                  "InIncrRate:-2.5; inInflatRate:3-1; InRate:-4; InTerm:-4; "
                  "stored=25000,300.5,4,-2.5,-1,4; InIncrRate=         -2.50%; "
                  "inInflatRate=         -1.00%; beeps=3");
        addScript("Enter follows the entry order, the list takes no typing",
                  "focus:InLumpInv; <Return>; focus=InInvest; <Return>; focus=InMonthsYrs; "
                  "<Return>; focus=InRate; <Return>; focus=InIncrRate; <Return>; "
                  "focus=inInflatRate; <Return>; focus=InTerm; <Return>; focus=SCalc; "
                  "focus:InMonthsYrs; keys:Mq; beeps=2; InMonthsYrs=Annually; <Down>; <Down>; "
                  "InMonthsYrs=Monthly; Alt+C; SGrid.rows=304; "
                  "SGrid[0]~ Month Number|          Invested         Monthly|; SGrid[300]~300|; "
                  "SGrid[301]~Total:|");
        // Every kind of change empties the grid and the graph.
        for (const char* change : {"InLumpInv:5", "InTerm:", "focus:InRate; <Del>",
                                   "focus:InMonthsYrs; <Down>", "pick:InIncrRate=2"})
            addScript(change,
                      QString("click:SCalc; empty=0; %1; empty=1; Alt+S; graphs=0").arg(change));
        addScript("printing and graphing refuse after a change",
                  "click:SCalc; pick:InIncrRate=2; InIncrRate=          5.00%; "
                  "stored=0,1200,20,5,0,25; click:SPrinter; click:SGraphs; msgs=1,2; "
                  "calls=message 1,message 2; graphs=0");
        addScript("Alt and a letter in a field commits the figure",
                  "focus:InLumpInv; keys:1000; Alt+C; InLumpInv=    $1,000.00; "
                  "SGrid[1]=1|2,200.00|440.00|2,640.00");
        addScript(
            "overflow: Cannot calculate, no grid",
            "InLumpInv:900000000000000; InTerm:40; Alt+C; msgs=26; empty=1; Alt+S; msgs=26,2");
        addScript("no years shows the total but does not print",
                  "InTerm:0; Alt+C; SGrid.rows=25; SGrid[1]=Total:|$1,200.00|$240.00|$1,440.00; "
                  "Alt+P; Alt+S; msgs=1,2");
        addScript(
            "quick help opens over the grid, closing it empties the grid",
            "symbol:EU; Alt+C; Alt+H; STextBox.shown=1; SGrid.shown=0; focus=STextBox; "
            "SHelp=Close &Help; SPrinter.enabled=0; SGraphs.enabled=0; "
            "STextBox~of EU1,000.00 invested each year; STextBox~\nEnd; <Return>; "
            "focus=InLumpInv; Alt+H; STextBox.shown=0; SGrid.shown=1; STextBox=; "
            "SHelp=Quick &Help; SPrinter.enabled=1; SGraphs.enabled=1; empty=1; Alt+S; graphs=0");
        addScript("printing writes the report, leaving clears the tables",
                  "InRate:7; focus:InMonthsYrs; <Down>; Alt+C; headers:Quarterly at 7,1; Alt+P; "
                  "Alt+P; printed=1; doc=golden:savings-window-quarterly.txt; Alt+S; graphs=1; "
                  "Alt+X; menu=1; cleared=1; context=0");
        // A figure beyond the money range is not taken as 0: the calculation refuses it with
        // message 26; retyped in range, it calculates.
        for (const char* field : Entries)
            if (field != QString("InMonthsYrs") && field != QString("InTerm"))
                addScript(field, QString("%1:12345678901234567890; %1~12; Alt+C; msgs=26; empty=1; "
                                         "Alt+S; %1:1; Alt+C; Alt+S; msgs=26,2; graphs=1")
                                     .arg(field));
        // The first year of the defaults, 1,200 x 1.2 = 1,440 (hand calculation), in the
        // system's signs in the grid and the printout; the period key gives the system's point.
        addScriptInEveryLocale(
            "InInvest:1200.5; InInvest~$1,200.50; stored=0,1200.5,20,0,0,25; InInvest:1200; "
            "Alt+C; SGrid[1]=1|1,200.00|240.00|1,440.00; headers:Plan; Alt+P; doc~1,440.00; "
            "msgs=");
    }
    void script() { runScript<SavingsSheet>(); }

    // Random keys and clicks: the fields hold what their filters let in, results stand only
    // while every entry is as it was when they were calculated, and the help text and the
    // grid are never both hidden.
    void keyAndClickStorm() {
        SavingsSheet s;
        queueStormAnswers(s.ws.scripted, storm::seed());
        storm::ModalCloser closer(&s.window);
        std::vector<storm::Field> fields;
        for (const QString name : Entries) {
            auto* box = s.script.find<QComboBox>(name);
            fields.push_back({name, &s.window,
                              box->isEditable() ? static_cast<QWidget*>(box->lineEdit()) : box,
                              [box] { return box->currentText(); },
                              name == "InMonthsYrs" ? QString() // a list entry: any text
                              : name == "InTerm"    ? storm::Digits + " "
                                                    : storm::Decimal + " ,$%-"});
        }
        const auto entries = [&s] {
            QStringList texts;
            for (const char* name : Entries)
                texts << s.script.find<QComboBox>(name)->currentText();
            return texts;
        };
        QStringList calculatedFrom;
        bool shown = false;
        storm::Plan plan;
        plan.events = 5000;
        plan.burst = 1; // results may come and go with every event
        for (const char* name : {"SCalc", "SHelp", "SPrinter", "SGrid", "InMonthsYrs"})
            plan.clickable.push_back(s.script.find(name));
        plan.invariants = [&]() -> QString {
            const bool help = s.script.find("STextBox")->isVisible();
            if (!help && !s.grid->isVisible())
                return "the help text and the grid are both hidden";
            if (help != (s.script.find<QPushButton>("SHelp")->text() == "Close &Help"))
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
};

PECUNEX_QTEST_MAIN(TestSavingsWindow)
#include "test_savings_window.moc"
