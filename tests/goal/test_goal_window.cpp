// The savings goal worksheet driven by keys alone, the way a user works it.
#include <QAccessible>
#include <QComboBox>

#include "GoalTables.h"
#include "GoalWindow.h"
#include "QtTestMain.h"
#include "WorksheetScript.h"

namespace {

// Probes: today (0 or 1), target (the stored figure),
// spoken (what a screen reader says of the answer), repeats (accessible names said twice).
struct GoalSheet {
    GoalSheet() {
        activate(&window);
        script.probe = [this](const QString& name) {
            return name == "today"     ? QString::number(tables.GoalToday)
                   : name == "target"  ? QString::number(tables.GoalTarget.toDouble())
                   : name == "spoken"  ? spoken("GAnswer")
                   : name == "repeats" ? repeats()
                                       : QString();
        };
    }
    QString spoken(const char* control) const {
        auto* a = QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(control));
        return a->text(QAccessible::Name) + ": " + a->text(QAccessible::Value);
    }
    // Names said twice among the controls that take the focus and the results; a list's
    // line edit is heard as its list, not as a second control.
    QString repeats() const {
        QStringList names, twice;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            const QString n = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            if (!n.isEmpty() && (w->focusPolicy() != Qt::NoFocus || !w->accessibleName().isEmpty()))
                (names.contains(n) ? twice : names) << n;
        }
        return twice.isEmpty() ? QStringLiteral("none") : twice.join(",");
    }
    TestWorkspace ws;
    GoalTables tables;
    GoalWindow window{ws, tables};
    WorksheetScript script{ws, &window};
};

} // namespace

class TestGoalWindow : public QObject {
    Q_OBJECT
  private slots:
    void script_data() {
        addScriptColumns();
        // Alt+F to the choice, Enter from field to field past the one solved for, Enter on
        // Calculate. hand: 7,200 * (1.2^n - 1) passes 250,000 at n = 20 (19 years: 222,826).
        addScript("the keyboard road solves for years",
                  "caption= Savings Goal Calculations; Alt+F; focus=GSolve; <Down>; <Down>; "
                  "GSolve=Number of years; GTerm.enabled=0; GInvest.enabled=1; <Return>; "
                  "keys:250000; <Return>; GTarget~$250,000.00; focus=GToday; <Space>; today=0; "
                  "<Return>; focus=GLumpInv; <Return>; focus=GInvest; <Return>; "
                  "focus=GMonthsYrs; <Return>; focus=GRate; <Return>; focus=GIncrRate; "
                  "GInflatRate.enabled=0; <Return>; focus=GCalc; <Return>; GAnswer=20; "
                  "GTerm~20; spoken=Answer: 20; repeats=none; "
                  "GGrid[20]~20|1,200.00|; GGrid[20]~|268,830.; GGrid[21]~Total:|$24,000.00|; "
                  "Alt+S; graph=20 Value at end of each Year and the target; Alt+F; <Tab>; "
                  "focus=GTarget; <Tab>; focus=GToday; <Tab>; "
                  "<Tab>; <Tab>; <Tab>; <Tab>; focus=GIncrRate; <Tab>; "
                  "focus=GCalc; <Tab>; focus=GPrinter");
        // hand: 1,000 a year at 20 % makes 566,377.30 in 25 years; 500,000 needs 882.81 of it
        // (882.80 make 499,997.91).
        // Then the years for 1,000,000,000: 40 years of 1,200.00 at 20 % make 10.6 million.
        addScript("solved, printed, saved and opened again; no answer, no printout",
                  "Alt+T; focus=GTarget; Alt+C; GAnswer=$882.81; GInvest~$882.81; headers:Goal; "
                  "Alt+P; printed=1; "
                  "doc~\n Goal\n\n\n                          Savings Goal Calculation\n; "
                  "doc~\n Answer ; doc~$882.81; files:$DIR/Mine.Gol; Alt+A; "
                  "@Mine.Gol~\"Pecunex\",\"Goal\",1\r\n\"contribution\",500000,1\r\n"
                  "0,882.81,; Alt+T; keys:9; files:$DIR/Mine.Gol,$DIR/none.Gol; Alt+O; "
                  "target=500000; "
                  "GTarget~$500,000.00; GAnswer=; Alt+O; target=500000; Alt+F; <End>; <Up>; "
                  "Alt+T; keys:1000000000; Alt+C; GTarget~$1,000,000,000.00; Alt+P; msgs=13,60,1; "
                  "GAnswer=; Alt+S; msgs=13,60,1,2; graphs=0; "
                  "answers:6,0; Alt+X; menu=0; calls~yesNo 3; Alt+X; menu=1; target=0");
    }
    void script() { runScript<GoalSheet>(); }
};

PECUNEX_QTEST_MAIN(TestGoalWindow)
#include "test_goal_window.moc"
