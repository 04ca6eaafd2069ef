// The mortgage and loan worksheet driven like a user: typing figures, calculating, switching
// views, commands against a changed worksheet, its files and printouts, its additional
// payments, days in the year and first-payment date dialogs; then every key into every field
// and a seeded storm of random keys over both worksheets.
#include <QDialog>
#include <QRadioButton>
#include <QTimer>

#include "DaysInYearDialog.h"
#include "FirstPaymentDateDialog.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "PrePayDialog.h"
#include "QtTestMain.h"
#include "WorksheetScript.h"

namespace {

struct MortgageWorkspace : TestWorkspace {
    using TestWorkspace::TestWorkspace;
    MortgageTables tables;
};

// Probes: stored (principal|rate|years as kept), years (of the schedule), graph, erased (1:
// leaving cleared the tables), extras (the rows listing the additional payments below the
// total). Steps: accept: (OK on the next dialog), header:text (one header answer, commas and
// all), extra:year,amount.
template <int Mode> struct MortgageSheet {
    MortgageSheet() {
        activate(&window);
        script.probe = [this](const QString& name) -> QString {
            const MortgageTables& t = ws.tables;
            const auto cells = [this](int row, int from, int to) {
                QStringList texts;
                for (int col = from; col <= to; ++col)
                    texts << script.template find<Grid>("MGrid")->text(row, col);
                return texts.join('|');
            };
            QStringList figures;
            for (int i : {1, 2, 3})
                figures << QString::number(t.LoanInputs[i].toDouble(), 'g', 10);
            const int years = t.PaymentSchedule ? t.PaymentSchedule->scheduleYears : 0;
            const QMap<QString, QString> own = {
                {"stored", figures.join('|')},
                {"years", QString::number(years)},
                {"erased", QString::number(!t.PaymentSchedule && t.LoanInputs[1].isZero() &&
                                           t.ExtraPayments[1][2].isZero())},
                {"extras", cells(years + 4, 1, 3) + cells(years + 5, 1, 2)}};
            return own.value(name);
        };
        script.step = [this](const QString& name, const QString& v) {
            if (name == "accept")
                QTimer::singleShot(
                    0, [] { static_cast<QDialog*>(QApplication::activeModalWidget())->accept(); });
            else if (name == "header")
                ws.scripted.headers.push_back(v.toStdString());
            else if (name == "extra")
                ws.tables.ExtraPayments[v.section(',', 0, 0).toUInt()] =
                    {Currency{}, Currency::fromWhole(v.section(',', 0, 0).toInt()),
                     Currency::fromWhole(v.section(',', 1).toInt())},
                                                          ws.tables.ExtraPaymentsInUse = 1;
            return name == "accept" || name == "header" || name == "extra";
        };
    }
    MortgageWorkspace ws{Mode};
    MortgageWindow window{ws, ws.tables};
    WorksheetScript script{ws, &window};
};

// The additional payments of a 25-year loan with 1,234.50 in year 4, a count of 7 and one in
// use as found. Probes: yN (year N as stored), count, inuse, result (1: accepted).
struct PrePaySheet {
    static MortgageWorkspace& opening(MortgageWorkspace& ws) {
        ws.tables.ExtraPaymentCount = 7;
        ws.tables.ExtraPaymentsInUse = 1;
        ws.tables.LoanInputs[3] = Currency::fromWhole(25);
        ws.tables.ExtraPayments[4][2] = Currency::fromDouble(1234.5).value();
        return ws;
    }
    PrePaySheet() {
        activate(&dialog);
        script.probe = [this](const QString& name) -> QString {
            const MortgageTables& t = ws.tables;
            if (name == "count" || name == "inuse")
                return QString::number(name == "count" ? t.ExtraPaymentCount
                                                       : t.ExtraPaymentsInUse);
            if (name == "result")
                return QString::number(dialog.result());
            return name.startsWith('y')
                       ? QString::number(t.ExtraPayments[name.mid(1).toUInt()][2].toDouble())
                       : QString();
        };
    }
    MortgageWorkspace ws;
    PrePayDialog dialog{opening(ws).shared, ws.tables, &ws.containerWidget};
    WorksheetScript script{ws, &dialog};
};

template <int Mode> std::vector<storm::Field> worksheetFields(MortgageSheet<Mode>& s) {
    const QString mode = Mode == 1 ? "mortgage " : "loan ";
    const QString shown = QStringLiteral(" $,%"); // blanks, symbol, groups and the rate's sign
    std::vector<storm::Field> fields;
    for (const char* name : {"InPrincipal", "InRate", "InTerm"}) {
        QWidget* w = s.script.find(name);
        const auto text = [w] {
            auto* box = qobject_cast<QComboBox*>(w);
            return box ? box->currentText() : static_cast<QLineEdit*>(w)->text();
        };
        fields.push_back(
            {mode + name, &s.window, w, text,
             name == QString("InTerm") ? storm::Digits + " " : storm::Decimal + shown});
    }
    s.ws.scripted.fileNames.assign(25000, ""); // every file and header question cancelled
    s.ws.scripted.headers.assign(25000, "1");
    return fields;
}

const QString Golden = QStringLiteral(PECUNEX_SOURCE_DIR "/tests/golden/");

} // namespace

class TestMortgageWindow : public QObject {
    Q_OBJECT
  private slots:
    void mortgage_data() {
        addScriptColumns();
        addScript("typed figures are stored and shown, Enter goes on to the next",
                  "InPrincipal:250000.5; InRate:7.1256; InTerm:45; msgs=5; "
                  "InPrincipal=     $250,000.50; InRate=         7.125%; "
                  "InTerm=              40; stored=250000.5|7.125|40; "
                  "focus:InPrincipal; <Return>; focus=InRate; <Return>; focus=InTerm; "
                  "InRate:1; stored=250000.5|1|40");
        // The defaults against the spreadsheet PMT (917.53); first month: interest
        // 100,000 * 0.10125 / 12 = 843.75, principal 917.53 - 843.75.
        addScript("both views list every payment or year and the total",
                  "click:MCalc; InMonthPI=     $917.53; EndMortYear~25.00; PeriodicR=0.0084375; "
                  "InPrincipal.entry=1; InRate.entry=1; InMonthPI.result=1; MGrid.rows=302; "
                  "MGrid[1]~|843.75|73.78|99,926.22|; MGrid[300]~|.00|; "
                  "MGrid[301]~Total:|||$.00|$; MGrid[301]~|$100,000.00; accept:; "
                  "click:MDateNumber; click:MCalc; MGrid[1]~1/15/2027|; MGrid[13]~1/15/2028|; "
                  "click:MDateNumber; click:Option2; click:MCalc; MGrid.rows=27; "
                  "MGrid[0]~ Payment  Year|; MGrid[26]~Total:|; extra:2,5000; click:MCalc; "
                  "extras=Additional |Payments  |Applied  Year    2|5,000.00");
        addScript("any change empties the schedule",
                  "click:MCalc; focus:InPrincipal; keys:5; years=0; InMonthPI=; MGrid.rows=2; "
                  "click:MCalc; FreqPmt< Biweekly(Acc); years=0; InMonthPI=; click:MCalc; "
                  "click:Option2; years=0; MGrid.rows=2; click:MCalc; accept:; "
                  "click:MAddPrePay; years=0; InMonthPI=");
        addScript("after a change print, save and graph refuse, a zero rate does not calculate",
                  "click:MCalc; InPrincipal:5; click:MPrinter; click:MSaveFile; click:MGraphs; "
                  "calls=message 1,message 15,message 2; InRate:0; click:MCalc; msgs=1,15,2,3");
        // The currency range ends at 922,337,203,685,477.5807.
        addScript("a principal overflowing the range is message 3 without results",
                  "InPrincipal:999999999999999; click:MCalc; msgs=3; years=0; InMonthPI=; "
                  "InPrincipal:922337203685477; click:MCalc; msgs=3,3; years=0; MGrid.rows=2; "
                  "InPrincipal:250000; click:MCalc; msgs=3,3; years=300");
        addScript("printing writes the schedule, leaving erases the tables",
                  "click:Option2; click:MCalc; header:Smith house; headers:1; click:MPrinter; "
                  "click:MPrinter; printed=1; doc~\n Smith house\n; "
                  "doc~                               Mortgage Table; "
                  "doc~ $100,000.00    10.125%       25; doc~\n Total:; click:MGraphs; "
                  "graph=25 Mortgage balance at start of each Year; "
                  "extra:1,10; click:MExit; menu=1; erased=1; MGrid.shown=0");
        addScript("modified keys never type",
                  "focus:InPrincipal; Alt+Q; Alt+5; click:MHelp; focus:InPrincipal; Alt+Q; "
                  "InPrincipal=   $100,000.00; stored=100000|10.125|25");
        // Hand calculation: 3 years at 10.125 % monthly, PMT(0.0084375, 36, -100000) = 3,232.59;
        // 8 % monthly is 0.00666667 a month, PMT(0.08/12, 300, -100000) = 771.82.
        addScript("the accelerator commits the figure being typed",
                  "InTerm:3; Alt+C; InMonthPI=   $3,232.59; MGrid.rows=38; InTerm:25; "
                  "focus:InRate; keys:8; Alt+C; PeriodicR=0.00666667; InMonthPI=     $771.82; "
                  "stored=100000|8|25; msgs=");
        addScript("a refused term stops the accelerator's command",
                  "focus:InTerm; keys:45; Alt+C; msgs=5; stored=100000|10.125|40; years=0; "
                  "InMonthPI=; Alt+C; years=480; MGrid.rows=482");
        addScript("a refused term stops the mouse's command",
                  "focus:InTerm; keys:45; click:MCalc; msgs=5; years=0; Alt+C; years=480");
        addScript("the reference mortgage prints byte for byte",
                  "files:" + Golden +
                      "mortgage-20y-annual.umd; font:0; "
                      "header:Example: 20-year mortgage, annual totals; click:MLoadFile; "
                      "click:MPrinter; msgs=; doc=golden:mortgage-20y-annual.expected.txt");
        addScript("a saved worksheet opens again",
                  "InPrincipal:150000; InRate:6.875; InTerm:30; Comperiod<   Semiannual; "
                  "FreqPmt< Biweekly(Acc); click:MCalc; files:$DIR/house.umd; "
                  "click:MSaveFile; file=house.umd; InPrincipal:5; Comperiod<      Monthly; "
                  "FreqPmt<      Monthly; files:$DIR/house.umd; click:MLoadFile; "
                  "msgs=; InPrincipal=     $150,000.00; InRate=         6.875%; "
                  "Comperiod=   Semiannual; FreqPmt= Biweekly(Acc); InMonthPI~$");
        // A full disk leaves the old file as it was and nothing beside it.
        addScript("a save that cannot finish",
                  "@old.umd:100,5,10,\"      Monthly\",\"      Monthly\",\"2027-01-01\",0,1,2,0,"
                  "0,1,365,\"O\",0\r\n; files:$DIR/old.umd; click:MCalc; disk full; "
                  "click:MSaveFile; msgs=37; dir=old.umd; @old.umd~100,5,10,");
        // A damaged file keeps the fields read before the fault; the old schedule is gone.
        addScript("cancelled, unreadable and damaged files",
                  "click:MCalc; @garbage.umd:not,a\n; files:,,$DIR/no/such/x.umd,"
                  "$DIR/missing.umd,$DIR/garbage.umd; click:MSaveFile; click:MLoadFile; msgs=; "
                  "years=300; click:MSaveFile; click:MLoadFile; click:MLoadFile; msgs=37,13,13; "
                  "InPrincipal=   $100,000.00; file=; dir=garbage.umd; "
                  "@damaged.umd:250000,7.5,30,\"  Fortnightly\",; files:$DIR/damaged.umd; "
                  "click:MLoadFile; msgs=37,13,13,13; stored=250000|7.5|30; years=0");
        // Under other signs the period key types the system's point, the file is saved with
        // periods; PMT(0.06375/12, 300, -150000.5) = 1,001.129, first interest 796.878.
        addScriptInEveryLocale(
            "InPrincipal:150000.5; InRate:6.375; InTerm:25; click:MCalc; files:$DIR/plan.umd; "
            "click:MSaveFile; @plan.umd~150000.5,6.375,25,; stored=150000.5|6.375|25; "
            "InPrincipal=     $150,000.50; InRate=         6.375%; InMonthPI=   $1,001.13; "
            "MGrid[1]~|796.88|204.25|149,796.25|; files:" +
            Golden +
            "mortgage-20y-annual.umd; font:0; "
            "header:Example: 20-year mortgage, annual totals; click:MLoadFile; "
            "click:MPrinter; msgs=; doc=golden:mortgage-20y-annual.expected.txt");
    }
    void mortgage() { runScript<MortgageSheet<1>>(); }

    // Loan terms are shown in months and kept in years.
    void loan_data() {
        addScriptColumns();
        addScript("terms in months",
                  "caption= Loan Tables; InPrincipal=   $20,000.00; InRate=         10.125%; "
                  "InTerm=            48; stored=20000|10.125|4; InTerm:54; InTerm~54; "
                  "stored=20000|10.125|4.5; InTerm:500; InTerm~480; msgs=5; InTerm:2; "
                  "stored=20000|10.125|0.1667; InTerm~ 2");
        addScript("a loan file keeps years",
                  "files:$DIR/car.uld,$DIR/car.uld; click:MCalc; click:MSaveFile; InTerm:24; "
                  "click:MLoadFile; InTerm~48; stored=20000|10.125|4");
        addScript("a loan save that cannot finish",
                  "@old.uld:1,2,3\r\n; files:$DIR/old.uld; click:MCalc; disk full; "
                  "click:MSaveFile; msgs=38; dir=old.uld; @old.uld=1,2,3\r\n");
        addScript(
            "the reference loan prints byte for byte, with page breaks",
            "files:" + Golden +
                "loan-36m-all.uld; font:3; header:Example: 36-month loan; "
                "click:MLoadFile; click:MPrinter; msgs=; doc=golden:loan-36m-all.expected.txt");
    }
    void loan() { runScript<MortgageSheet<2>>(); }

    // Amounts are stored on Enter; Escape leaves what the dialog found.
    void prePay_data() {
        addScriptColumns();
        addScript("a row a year; typing, Enter and Delete",
                  "PGrid.rows=26; count=25; PGrid[0]=Year Number|Amount of Payment; "
                  "PGrid[25]=25|.00; PGrid[4]=4|1,234.50; PGrid[3,1]:1500.25; PGrid[3]=3|1500.25; "
                  "y3=0; <Return>; PGrid[3]=3|1,500.25; y3=1500.25; keys:789; <Backspace>; "
                  "<Return>; y4=78; PGrid[4]=4|78.00; PGrid[1,1]:12.345a-; <Return>; y1=12.34; "
                  "PGrid[2,0]:5; PGrid[2]=2|.00; PGrid[5,1]:900; PGrid[4,1]:; <Del>; y4=0; y5=0; "
                  "PGrid[5]=5|.00");
        addScript("OK counts the years in use",
                  "PGrid[2,1]:100; <Return>; PGrid[4,1]:0; <Return>; PGrid[9,1]:100; <Return>; "
                  "click:UsePrePay; inuse=2; result=1");
        addScript("Do Not Use erases", "click:DoNotUse; y4=0; inuse=0; PGrid.shown=0");
        addScript("Escape restores",
                  "PGrid[1,1]:1000; <Return>; PGrid[4,1]:; <Del>; y1=1000; y4=0; <Escape>; y1=0; "
                  "y4=1234.5; count=7; inuse=1; result=0; PGrid.shown=0");
    }
    void prePay() { runScript<PrePaySheet>(); }

    // Each choice sets the days in the year and the two-week and one-week periods (hand
    // calculation: days / 14 and days / 7); Escape puts the opening choice back.
    void daysInYearChoiceSetsTheThreeValues() {
        const struct {
            int choice;
            float days;
            double twoWeeks, weeks;
        } rows[] = {{3, 363.0f, 25.92857143, 51.85714286},
                    {0, 365.25f, 26.08928571, 52.17857143},
                    {1, 365.0f, 26.07142857, 52.14285714}};
        for (const auto& row : rows) {
            MortgageWorkspace ws;
            ws.tables.DaysChoice = 2;
            DaysInYearDialog dialog(ws.shared, ws.tables, &ws.containerWidget);
            activate(&dialog);
            QRadioButton* option = dialog.findChildren<QRadioButton*>("IRFactor").at(row.choice);
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
            QCOMPARE(ws.tables.DaysChoice, std::int16_t(row.choice));
            const DaysInYearSet set = daysInYearSet(ws.tables.DaysChoice);
            QCOMPARE(set.daysInYear, row.days);
            QCOMPARE(set.twoWeekPeriods, row.twoWeeks);
            QCOMPARE(set.weekPeriods, row.weeks);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QCOMPARE(ws.tables.DaysChoice, std::int16_t(2));
        }
    }

    // A typed date is checked on Enter and on OK: a bad one is message 10 and the old one
    // kept; ISO form is shown in the short form (en-US here). From 9970-01-01 the 30-year
    // term ends on 10000-01-01 and the last payment fits; a day later it does not.
    void firstPaymentDateIsCheckedWhenTaken() {
        MortgageWorkspace ws;
        ws.shared.TodayDate = "1/15/2027";
        ws.tables.LoanInputs[3] = Currency::fromWhole(30);
        FirstPaymentDateDialog dialog(ws.shared, ws.scripted, ws.tables.LoanInputs[3],
                                      &ws.containerWidget);
        activate(&dialog);
        auto* field = dialog.findChild<QLineEdit*>("InDate");
        const struct {
            const char *typed, *kept;
            int messages;
        } rows[] = {{"13/45/2027", "1/15/2027", 1},
                    {"9990-01-01", "1/15/2027", 2},
                    {"9970-01-02", "1/15/2027", 3},
                    {"9970-01-01", "1/1/9970", 3},
                    {"2028-06-30", "6/30/2028", 3}};
        for (const auto& row : rows) {
            field->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(field, row.typed); // the first key clears the old date
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(QString::fromStdString(ws.shared.TodayDate) + "|" + field->text(),
                     QString(row.kept) + "|" + row.kept);
            QCOMPARE(ws.scripted.messages(), std::vector<int>(size_t(row.messages), 10));
        }
        QVERIFY(dialog.findChild<QWidget*>("OkExit")->hasFocus());
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(field, "garbage");
        QTest::keyClick(field, Qt::Key_O, Qt::AltModifier); // "&OK" straight from the field
        QTRY_COMPARE(ws.scripted.messages(), std::vector<int>(4, 10));
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(ws.shared.TodayDate, std::string("6/30/2028"));
    }

    // Every key into every field, then random keys over the six; the seed is printed, and
    // PECUNEX_STORM_SEED replays a run.
    void everyKeyThenAStormOverTheWorksheets() {
        MortgageSheet<1> mortgage;
        MortgageSheet<2> loan;
        storm::ModalCloser closer;
        std::vector<storm::Field> fields = worksheetFields(mortgage);
        for (storm::Field& f : worksheetFields(loan))
            fields.push_back(std::move(f));
        QStringList faults;
        for (const storm::Field& f : fields)
            faults << storm::runKeyTable(f);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        storm::Plan plan;
        plan.events = 20000;
        const QString fault = storm::run("mortgage and loan", fields, plan, storm::seed());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

PECUNEX_QTEST_MAIN(TestMortgageWindow)
#include "test_mortgage_window.moc"
