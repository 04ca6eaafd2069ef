// Windows that fit: the container's least size fits an 800 x 600 screen whatever it shows,
// and at that size every button of the window shown can still be reached (worksheets and the
// graph window scroll); a budget period whose captions are longer never widens the worksheet.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "GraphsWindow.h"
#include "MainMenu.h"
#include "MdiContainer.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "NetWorthTables.h"
#include "NetWorthWindow.h"
#include "QtTestMain.h"
#include "SavingsTables.h"
#include "SavingsWindow.h"
#include "ScriptedDialogs.h"
#include "WorksheetFrame.h"

Q_DECLARE_METATYPE(Worksheet)

namespace {

struct Program {
    Program() {
        state.ProgramFolder = folder.path().toStdString();
        state.TodayDate = "2027-01-15";
        container.setDialogs(&dialogs);
        container.setPrinters(&printers);
        const auto mortgage = [this](Workspace& w) -> QWidget* {
            return new MortgageWindow(w, mortgageTables);
        };
        container.registerWorksheet(Worksheet::Mortgage, mortgage);
        container.registerWorksheet(Worksheet::Loan, mortgage);
        container.registerWorksheet(Worksheet::Savings, [this](Workspace& w) -> QWidget* {
            return new SavingsWindow(w, savings);
        });
        container.registerWorksheet(Worksheet::NetWorth, [this](Workspace& w) -> QWidget* {
            return new NetWorthWindow(w, netWorth);
        });
        container.registerWorksheet(Worksheet::Budget, [this](Workspace& w) -> QWidget* {
            return new BudgetWindow(w, budget);
        });
        container.registerGraphWindow([](Workspace& w) -> QWidget* { return new GraphsWindow(w); });
        container.show();
        QApplication::setActiveWindow(&container);
        if (!QTest::qWaitForWindowActive(&container))
            qWarning("the container did not become active");
    }
    // The window the container shows: the graph window, the worksheet or the menu.
    QWidget* shown() const {
        if (QWidget* graph = container.graphWindow())
            return graph;
        if (QWidget* sheet = container.worksheet())
            return sheet;
        return container.menu();
    }
    // Forty years of figures handed over, and the graph window opened over the worksheet.
    void showFortyYearGraph() {
        state.GraphSource = 1;
        state.GraphTitle = "Investment value at end of each Year";
        state.GraphSeries.clear();
        for (int y = 1; y <= 40; ++y)
            state.GraphSeries.push_back({y, Currency::fromWhole(1000LL * y * y)});
        state.ScheduleYears = 40;
        container.showGraph();
    }

    QTemporaryDir folder;
    ShellState state;
    ScriptedDialogs dialogs{state};
    CapturingPrinters printers;
    MortgageTables mortgageTables;
    SavingsTables savings;
    NetWorthTables netWorth;
    BudgetTables budget;
    MdiContainer container{state};
};

// Where `w` is, in the area's viewport.
QRect inArea(const Program& p, QWidget* w) {
    return QRect(w->mapTo(p.container.area()->viewport(), QPoint(0, 0)), w->size());
}

} // namespace

class TestWindowsFit : public QObject {
    Q_OBJECT
  private slots:
    // What sets the container's least size is the largest least size of what it holds (the
    // area has no scroll bars of its own): the menu's, since worksheets and the graph window
    // sit in scrollers. At that size each button is in sight once it has the focus.
    void leastContainerFitsAndEveryButtonIsReachable_data() {
        QTest::addColumn<int>("sheet"); // -1: the menu alone
        QTest::addColumn<bool>("graph");
        QTest::newRow("menu") << -1 << false;
        QTest::newRow("mortgage") << int(Worksheet::Mortgage) << false;
        QTest::newRow("loan") << int(Worksheet::Loan) << false;
        QTest::newRow("savings") << int(Worksheet::Savings) << false;
        QTest::newRow("net worth") << int(Worksheet::NetWorth) << false;
        QTest::newRow("budget") << int(Worksheet::Budget) << false;
        QTest::newRow("graph of forty years") << int(Worksheet::Savings) << true;
    }
    void leastContainerFitsAndEveryButtonIsReachable() {
        QFETCH(int, sheet);
        QFETCH(bool, graph);
        Program p;
        if (sheet >= 0)
            p.container.openWorksheet(static_cast<Worksheet>(sheet));
        if (graph)
            p.showFortyYearGraph();
        QVERIFY(p.shown() && p.shown()->isVisible());
        QVERIFY(graph == (p.shown() == p.container.graphWindow()));

        const QSize least = p.container.minimumSizeHint();
        // The window manager's frame and title take a little more.
        QVERIFY2(least.width() <= 780 && least.height() <= 560,
                 qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
        p.container.resize(least);
        QTRY_COMPARE(p.container.size(), least);

        const QRect room = p.container.area()->viewport()->rect();
        const QList<QAbstractButton*> buttons = p.shown()->findChildren<QAbstractButton*>();
        QVERIFY(!buttons.isEmpty());
        for (QAbstractButton* b : buttons) {
            if (!b->isVisibleTo(p.shown()) || !b->isEnabled())
                continue;
            b->clearFocus(); // taking the focus is what brings a control into sight
            b->setFocus(Qt::TabFocusReason);
            QVERIFY2(room.contains(inArea(p, b)), qPrintable(b->objectName()));
            // Nothing of it is hidden by the scroller's edges either.
            if (QScrollArea* scroller = worksheetScroller(p.shown()))
                QVERIFY2(scroller->viewport()->rect().contains(
                             QRect(b->mapTo(scroller->viewport(), QPoint(0, 0)), b->size())),
                         qPrintable(b->objectName()));
        }
    }

    // Each period's captions ("Semi-monthly expenses", "Semi-monthly Net Balance") fit the
    // worksheet as the container opens it: no scroll bar, "E&xit to Menu" whole, and the
    // captions themselves whole.
    void longerPeriodCaptionsNeverWidenTheBudget() {
        Program p;
        p.container.openWorksheet(Worksheet::Budget);
        QWidget* sheet = p.container.worksheet();
        p.budget.IncomeRecords[1] = {1, "Salary", Currency::fromWhole(1200),
                                     Currency::fromWhole(12), Currency::fromWhole(1200)};
        p.budget.ExpenseRecords[1] = {1, "Rent", Currency::fromWhole(500), Currency::fromWhole(12),
                                      Currency::fromWhole(500)};
        p.budget.IncomeCount = p.budget.ExpenseCount = 1;
        QScrollArea* scroller = worksheetScroller(sheet);
        QVERIFY(scroller);
        const int least = sheet->minimumSizeHint().width();

        auto* periods = sheet->findChild<QComboBox*>("FreqPeriod");
        for (int i = 0; i < periods->count(); ++i) {
            const QString period = periods->itemText(i);
            // Chosen by keys, as the user would.
            periods->setFocus(Qt::TabFocusReason);
            while (periods->currentIndex() != i)
                QTest::keyClick(periods, periods->currentIndex() < i ? Qt::Key_Down : Qt::Key_Up);
            QApplication::processEvents(); // the layouts follow the new captions
            QCOMPARE(sheet->findChild<QLabel*>("NetCaption")->text(),
                     period.trimmed() + " Net Balance");
            QVERIFY2(sheet->minimumSizeHint().width() <= least, qPrintable(period));
            QVERIFY2(!scroller->horizontalScrollBar()->isVisible(), qPrintable(period));
            auto* exit = sheet->findChild<QWidget*>("ExitBudget");
            QVERIFY2(scroller->viewport()->rect().contains(
                         QRect(exit->mapTo(scroller->viewport(), QPoint(0, 0)), exit->size())),
                     qPrintable(period));
            for (QLabel* caption : sheet->findChildren<QLabel*>()) {
                if (caption->text().contains(period.trimmed(), Qt::CaseInsensitive))
                    QVERIFY2(caption->wordWrap()
                                 ? caption->height() >= caption->heightForWidth(caption->width())
                                 : caption->width() >= caption->sizeHint().width(),
                             qPrintable(caption->text()));
            }
        }
    }
};

PECUNEX_QTEST_MAIN(TestWindowsFit)
#include "test_windows_fit.moc"
