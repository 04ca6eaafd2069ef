// The budget worksheet driven like a user: records typed, periods and sorts chosen, records
// changed and deleted, files, printing, leaving; and a storm of random keys and clicks.
#include "BudgetSheet.h"
#include "NumberFormat.h"
#include "QtTestMain.h"

namespace {

// The records of a side numbered 1..count in the table and the grid, nothing shown beyond,
// and, shown annually, its totals the sums of the records.
QString sideFault(BudgetSheet& s, RecordSide side, const QString& grid, const QString& totals) {
    const int count = s.tables->count(side);
    Grid* g = s.script.find<Grid>(grid);
    if (count < 0 || count > MaxBudgetRecords || g->text(count + 1, 0) != "")
        return QString("%1 shows rows beyond its %2 records").arg(grid).arg(count);
    Currency sum, budgeted;
    bool fits = true;
    for (int r = 1; r <= count; ++r) {
        const BudgetRecord& record = s.tables->records(side)[static_cast<size_t>(r)];
        if (record.RecNo != r || g->text(r, 0) != QString::number(r))
            return QString("%1 row %2 holds record %3").arg(grid).arg(r).arg(record.RecNo);
        const auto a = sum.plus(record.AnnualAmount), b = budgeted.plus(record.AnnualBudgeted);
        if ((fits = fits && a && b))
            sum = *a, budgeted = *b;
    }
    const auto figure = [](Currency c) {
        return QString::fromStdString(formatNumber(c, "###,,###.00")).rightJustified(12);
    };
    if (!fits || count == 0 || s.script.find<QComboBox>("FreqPeriod")->currentIndex() != 6)
        return {};
    return s.script.run(totals + "=" + figure(sum) + "; " + totals + "Bgt=" + figure(budgeted));
}

} // namespace

class TestBudgetWindow : public QObject {
    Q_OBJECT
  private slots:
    void script_data() {
        addScriptColumns();
        // Worked figures: 100.00 paid 26 times shows 100.00 every 2 weeks, 108.33
        // semi-monthly; three records of 10.00 a year, weekly: .19 in every cell, .58 in all.
        addScript("records shown for the period",
                  "caption= Budget Calculations; BGrid1[0]=No.|Description|Income|Budgeted; "
                  "BGrid2[0]=No.|Description|Expense|Budgeted; income:Salary|100|26|90; "
                  "BGrid1[1]=1|Salary|  2,600.00|  2,340.00; BGrid1.rows=12; InIncDesc=; "
                  "InIncAmt=; InIncFreq=; InIncBgtAmt=; focus=InIncDesc; changed=1; "
                  "FreqPeriod<     2 Weeks; BGrid1[1]=1|Salary|    100.00|     90.00; "
                  "TotInc=      100.00; NetBalance=     $100.00; NetCaption=2 Weeks Net Balance; "
                  "NetBalance.red=0; FreqPeriod< Semi-monthly; "
                  "BGrid1[1]=1|Salary|    108.33|     97.50; focus=InExpDesc; "
                  "FreqPeriod< Semi-annual; BGrid1[1]=1|Salary|  1,300.00|  1,170.00; "
                  "focus:SortBy; keys:Am; beeps=2; SortBy=   Names A - Z; InExpAmt.entry=1; "
                  "BGrid1.record=1; TotInc.result=1; NetBalance.result=1; msgs=");
        addScript(
            "totals divided once, not summed from cells",
            "expense:a|10|1|10; expense:b|10|1|10; expense:c|10|1|10; "
            "FreqPeriod<      Weekly; BGrid2[1]=1|a|       .19|       .19; "
            "BGrid2[3]=3|c|       .19|       .19; BGrid2[4]=|||; BGrid2.rows=14; "
            "TotExp=         .58; TotExpBgt=         .58; NetBalance=       $-.58; "
            "NetBalance.red=1; income:Gift|30|1|30; NetBalance=        $.00; NetBalance.red=0");
        addScript("Enter goes from box to box and on to Add",
                  "focus:InExpDesc; <Return>; focus=InExpAmt; <Return>; focus=InExpFreq; <Return>; "
                  "focus=InExpBgtAmt; <Return>; focus=AddExpense2");
        addScript("Add refuses missing boxes, the 501st record and too large a product",
                  "income:Salary|100||90; income:\b|100|12|90; msgs=16,16; counts=0/0; "
                  "InIncDesc:Again; InIncFreq:2; Alt+A; BGrid1[1]=1|Again|    200.00|    180.00; "
                  "incomes:500; income:One more|1|1|1; msgs=16,16,33; counts=500/0; incomes:1; "
                  "expense:Huge|99999999999|9999999|0; msgs=16,16,33,19; detail=Huge; "
                  "InExpDesc:Quote\"d; InExpDesc=Quoted");
        addScript("What If? brings a record back, Add Changed Record replaces it",
                  "income:Salary|100|26|90; income:Bonus|500|1|0; records:5,0,2; Alt+W; Alt+W; "
                  "msgs=17; Alt+W; InIncDesc=Salary; InIncAmt=    100.00; InIncFreq=      26; "
                  "InIncBgtAmt=     90.00; AddCorRec1.shown=1; AddIncome1.shown=0; "
                  "CorrectRec1.shown=0; DelRecord1.shown=0; focus:InIncBgtAmt; <Return>; "
                  "focus=AddCorRec1; InIncAmt:110; Alt+R; counts=2/0; "
                  "BGrid1[2]=2|Salary|  2,860.00|  2,340.00; AddCorRec1.shown=0; "
                  "AddIncome1.shown=1; "
                  "calls=recordNumber 1,message 17,recordNumber 1,recordNumber 1");
        addScript("each side keeps the record it is changing",
                  "income:a|1|1|1; income:b|2|1|2; expense:x|3|1|3; records:2,1; answers:6; Alt+W; "
                  "Alt+L; counts=2/0; InIncDesc:c; Alt+R; BGrid1[1]=1|a|      1.00|      1.00; "
                  "BGrid1[2]=2|c|      2.00|      2.00; detail= 1; "
                  "calls=recordNumber 1,recordNumber 2,yesNo 4");
        addScript("What If? on a record without payments",
                  "@zero.Bgt:1\r\n1,\"From a file\",50,0,0\r\n0\r\n; files:$DIR/zero.Bgt; Alt+O; "
                  "records:1; Alt+W; msgs=8; AddIncome1.shown=1; AddCorRec1.shown=0");
        addScript("Delete asks and compacts",
                  "Alt+E; Alt+I; msgs=7,20; income:one|1|1|1; income:three|1|1|1; "
                  "income:two|1|1|1; records:2,2; answers:0,6; Alt+E; counts=3/0; Alt+E; "
                  "counts=2/0; BGrid1[1]=1|one|      1.00|      1.00; "
                  "BGrid1[2]=2|two|      1.00|      1.00; BGrid1.rows=13");
        addScript("sorting redraws and renumbers",
                  "expense:apple|10|52|0; expense:CHERRY|500|1|0; expense:Banana|1|1|0; "
                  "BGrid2[1]~1|apple|; BGrid2[3]~3|CHERRY|; SortBy<Amounts Hi-Lo; "
                  "BGrid2[1]~1|apple|; SortBy<   Names Z - A; BGrid2[1]~1|CHERRY|");
        addScript(
            "saving: refused, cancelled, failed, written",
            "Alt+S; msgs=21; income:Rent, basement|800|12|750; expense:Thirds|333.33|3|0; "
            "files:,$DIR/no/such/folder/x.Bgt,$DIR/home.Bgt; Alt+S; changed=1; Alt+S; "
            "msgs=21,14; changed=1; Alt+S; changed=0; file=home.Bgt; "
            "@home.Bgt=1\r\n1,\"Rent, basement\",9600,12,9000\r\n1\r\n1,\"Thirds\",999.99,3,0\r\n; "
            "calls=message 21,fileDirectory 2,fileDirectory 2,message 14,fileDirectory 2");
        addScript("opening replaces the records without a question; a damaged file's start",
                  "SortBy<Amounts Lo-Hi; income:Small|1|1|1; "
                  "@home.Bgt:2\r\n1,\"Rent\",9600,12,9000\r\n2,\"Rent, "
                  "basement\",900,12,0\r\n1\r\n1,\"Thirds\",999.99,3,0\r\n; "
                  "files:$DIR/home.Bgt; Alt+O; calls=fileDirectory 1; "
                  "BGrid1[1]=1|Rent, basement|    900.00|       .00; "
                  "BGrid1[2]=2|Rent|  9,600.00|  9,000.00; "
                  "BGrid2[1]=1|Thirds|    999.99|       .00; changed=1; file=home.Bgt; "
                  "@bad.Bgt:2\r\n1,\"Kept\",120,12,0\r\n2,\"Cut\",oops\r\n; files:$DIR/bad.Bgt; "
                  "Alt+O; msgs=13; BGrid1[1]=1|Cut|       .00|       .00; "
                  "BGrid1[2]=2|Kept|    120.00|       .00; counts=2/0");
        // A full disk leaves the previous file byte for byte and the budget marked changed.
        addScript("a save that cannot finish",
                  "income:Salary|4000|12|4000; files:$DIR/full.Bgt,$DIR/full.Bgt; Alt+S; "
                  "@full.Bgt=1\r\n1,\"Salary\",48000,12,48000\r\n0\r\n; expense:Rent|1400|12|1400; "
                  "disk full; Alt+S; msgs=14; @full.Bgt=1\r\n1,\"Salary\",48000,12,48000\r\n0\r\n; "
                  "changed=1; dir=full.Bgt");
        addScript("printing the statement for the period",
                  "Alt+P; msgs=1; income:Salary|2000|24|2000; expense:Rent|1400|12|1400; "
                  "FreqPeriod<     Monthly; headers:1,My budget; Alt+P; printed=0; Alt+P; "
                  "printed=1; doc=golden:budget-window-monthly.txt");
        addScript("quick help, and leaving without data",
                  "Alt+H; HelpTxt.shown=1; Help2=Close &Help; "
                  "HelpTxt~\n\n                         End; Alt+H; HelpTxt.shown=0; "
                  "Help2=Quick &Help; Alt+X; menu=1; calls=");
        addScript("leaving changed data asks first",
                  "income:Salary|1|1|1; files:$DIR/h.Bgt; Alt+S; income:Bonus|1|1|1; answers:6,0; "
                  "Alt+X; menu=0; Alt+X; menu=1; calls=fileDirectory 2,yesNo 3,yesNo 3; "
                  "counts=0/0; file=");
        // An amount beyond the money range is not taken as 0: Add refuses it with message 19,
        // Add Changed Record with message 8 and the record unchanged.
        for (const QString box : {"InIncAmt", "InIncBgtAmt"})
            addScript(
                qPrintable(box),
                QString(
                    "InIncDesc:Bonus; InIncAmt:10; InIncFreq:1; InIncBgtAmt:10; "
                    "%1:12345678901234567890; %1~12,345; Alt+A; msgs=19; detail=Bonus; counts=0/0; "
                    "%1:20; Alt+A; BGrid1[1]=%2; records:1; Alt+W; AddCorRec1.shown=1; "
                    "%1:12345678901234567890; Alt+R; msgs=19,8; BGrid1[1]=%2; AddIncome1.shown=1")
                    .arg(box, box == "InIncAmt" ? "1|Bonus|     20.00|     10.00"
                                                : "1|Bonus|     10.00|     20.00"));
        // Typed with the period key, shown and printed in the system's signs, saved with a
        // period. 1,234.56 x 12 = 14,814.72 (hand calculation).
        addScriptInEveryLocale(
            "income:Pay|1234.56|12|1000; BGrid1[1]=1|Pay| 14,814.72| 12,000.00; "
            "TotInc~14,814.72; files:$DIR/pay.Bgt; Alt+S; @pay.Bgt~14814.72; headers:Budget; "
            "Alt+P; doc~14,814.72; msgs=");
    }
    void script() { runScript<BudgetSheet>(); }

    // Random keys and clicks: the boxes hold what their filters let in, every record's number
    // is its row, the annual totals are the records' sums, the help caption matches the help.
    void keyAndClickStorm() {
        BudgetSheet s;
        const unsigned seed = storm::seed();
        queueStormAnswers(s.ws.scripted, seed);
        storm::ModalCloser closer(s.window.get());
        std::vector<storm::Field> fields;
        for (const QString side : {"Inc", "Exp"})
            for (const QString box : {"Desc", "Amt", "Freq", "BgtAmt"}) {
                auto* line = s.script.find<QLineEdit>("In" + side + box);
                fields.push_back({line->objectName(), s.window.get(), line,
                                  [line] { return line->text(); },
                                  box == "Desc"   ? QString()
                                  : box == "Freq" ? storm::Digits + " "
                                                  : storm::Decimal + " ,"});
            }
        storm::Plan plan;
        plan.events = 6000;
        for (const char* name :
             {"AddIncome1", "CorrectRec1", "AddCorRec1", "DelRecord1", "AddExpense2", "CorrectRec2",
              "AddCorRec2", "DelRecord2", "Help2", "FreqPeriod", "SortBy", "BGrid1", "BGrid2"})
            plan.clickable.push_back(s.script.find(name));
        int most = 0; // the storm must reach the records, or it proves nothing about them
        plan.invariants = [&s, &most] {
            most = std::max(most, s.tables->IncomeCount + s.tables->ExpenseCount);
            QString f = sideFault(s, RecordSide::Income, "BGrid1", "TotInc");
            if (f.isEmpty())
                f = sideFault(s, RecordSide::Expense, "BGrid2", "TotExp");
            return f.isEmpty()
                       ? s.script.run(s.script.find("HelpTxt")->isVisible()
                                          ? "Help2=Close &Help; BGrid1.shown=1; BGrid2.shown=1"
                                          : "Help2=Quick &Help; BGrid1.shown=1; BGrid2.shown=1")
                       : f;
        };
        const QString fault = storm::run("budget", fields, plan, seed);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY2(most > 0, qPrintable(QString("seed %1: no record was ever added").arg(seed)));
    }
};

PECUNEX_QTEST_MAIN(TestBudgetWindow)
#include "test_budget_window.moc"
