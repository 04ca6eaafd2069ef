// The graph window opened from a worksheet in the container, driven by keys and clicks.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest/QTest>
#include <cmath>

#include "GraphHandOver.h"
#include "GraphTestSupport.h"
#include "Grid.h"
#include "MainMenu.h"
#include "Platform.h"
#include "QtTestMain.h"
#include "ShellState.h"

namespace {

QString gridText(QWidget* sheet) {
    auto* grid = sheet->findChild<Grid*>("MGrid");
    QStringList cells;
    for (int row : {0, 1, 12, 150, 300, 301})
        for (int col = 0; col < 6; ++col)
            cells << grid->text(row, col);
    return cells.join('|');
}

void press(QWidget* window, Qt::Key key) {
    QApplication::setActiveWindow(window->window());
    QVERIFY(QTest::qWaitForWindowActive(window->window()));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, key,
                    Qt::AltModifier);
}

} // namespace

class TestGraphsWindow : public QObject {
    Q_OBJECT
  private slots:
    void refusedUntilASchedulestands() {
        Program p;
        p.container->openWorksheet(Worksheet::Mortgage);
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton);
        QCOMPARE(p.dialogs.messages(), std::vector<int>{2});
        QVERIFY(!p.graph());
        QVERIFY(p.sheetShown());

        QTest::mouseClick(p.inSheet("MCalc"), Qt::LeftButton);
        auto* principal = p.inSheet<QLineEdit>("InPrincipal");
        principal->setFocus();
        QTest::keyClicks(principal, "5"); // any change of entry: calculate again first
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton);
        QCOMPARE(p.dialogs.messages(), (std::vector<int>{2, 2}));
        QVERIFY(!p.graph());
    }

    void mortgageBalancesBothFormsAndBackToTheSheet() {
        Program p;
        p.container->openWorksheet(Worksheet::Mortgage);
        QTest::mouseClick(p.inSheet("MCalc"),
                          Qt::LeftButton); // defaults: 100,000 over 25 years, monthly
        const QString before = gridText(p.sheet());
        const QString payment = p.inSheet<QLabel>("InMonthPI")->text();
        QCOMPARE(p.state.ScheduleYears, std::int16_t{300});
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton);

        QVERIFY(p.graph());
        QVERIFY(!p.sheetShown());
        QCOMPARE(p.state.GraphSource, std::int16_t{4});
        QCOMPARE(p.state.ScheduleYears, std::int16_t{25});
        const ChartData shown = p.graph()->chart();
        QCOMPARE(shown.values.size(), std::size_t{25});
        QCOMPARE(shown.title, std::string("Mortgage balance at start of each Year"));
        QCOMPARE(shown.labels.front() + "|" + shown.labels.back(), std::string("1|25"));
        QCOMPARE(shown.values[0], 100000.0); // the principal
        // Year 2 starts with the balance after payment 12, as the grid shows it.
        QCOMPARE(QString::number(shown.values[1], 'f', 2),
                 p.sheet()->findChild<Grid*>("MGrid")->text(12, 3).remove(','));
        auto* flat = p.inGraph<QPushButton>("Sav2D");
        auto* deep = p.inGraph<QPushButton>("ThreeDee");
        QVERIFY(flat->isVisible() && !flat->isEnabled() && deep->isEnabled());
        QCOMPARE(QApplication::focusWidget(), deep);
        QCOMPARE(p.graph()->viewCode(), 3);

        press(p.graph(), Qt::Key_3);
        press(p.graph(), Qt::Key_3);
        QTRY_COMPARE(p.graph()->viewCode(), 5);
        QVERIFY(flat->isEnabled() && !deep->isEnabled());
        QCOMPARE(QApplication::focusWidget(), flat);
        QCOMPARE(p.inGraph<QStackedWidget>("Graph1")->currentWidget()->objectName(),
                 QString("DeepChart"));
        QCOMPARE(p.graph()->chart().values, shown.values);
        press(p.graph(), Qt::Key_2);
        QTRY_COMPARE(p.graph()->viewCode(), 3);
        QCOMPARE(p.inGraph<QStackedWidget>("Graph1")->currentWidget()->objectName(),
                 QString("FlatChart"));
        QCOMPARE(p.graph()->chart().values, shown.values);
        QCOMPARE(p.graph()->chart().labels, shown.labels);

        press(p.graph(), Qt::Key_X); // "E&xit to Menu": back to the worksheet, as it was
        QTRY_VERIFY(!p.graph());
        QVERIFY(p.sheetShown());
        QVERIFY(!p.container->menu()->isVisible());
        QCOMPARE(gridText(p.sheet()), before);
        QCOMPARE(p.inSheet<QLabel>("InMonthPI")->text(), payment);
        QCOMPARE(QApplication::focusWidget(), p.inSheet("MGraphs"));
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton); // and the graph opens again
        QVERIFY(p.graph());
        QCOMPARE(p.graph()->chart().values, shown.values);
        QVERIFY(p.dialogs.messages().empty());
    }

    void loanGraphHasTheLoanTitle() {
        Program p;
        p.state.MortgageMode = 2;
        p.container->openWorksheet(Worksheet::Loan);
        QTest::mouseClick(p.inSheet("MCalc"), Qt::LeftButton);
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton);
        QVERIFY(p.graph());
        QCOMPARE(p.graph()->chart().title,
                 std::string("Personal Loan balance at start of each Year"));
        QCOMPARE(p.graph()->chart().values.front(), p.tables.LoanInputs[1].toDouble());
    }

    // " Continue with Printout." no: nothing is printed.
    void printingCanBeDeclined() {
        Program p;
        p.container->openWorksheet(Worksheet::Mortgage);
        QTest::mouseClick(p.inSheet("MCalc"), Qt::LeftButton);
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton);
        p.dialogs.answers = {0};
        QTest::mouseClick(p.inGraph("Ptr"), Qt::LeftButton);
        QCOMPARE(p.dialogs.questions, std::vector<int>{1});
        QVERIFY(p.printers.pictures.empty());
        QCOMPARE(p.printers.ended, 0);
    }

    // Yes, then " Print in Color." yes or no: the whole window at its printing size, in
    // colour or in black outlines and hatching on white; then the window is as before.
    void printingAsksTwiceThenPrintsTheWindowInColourOrPatterns_data() {
        QTest::addColumn<int>("colour");
        QTest::newRow("in colour") << 6;
        QTest::newRow("in patterns") << 0;
    }
    void printingAsksTwiceThenPrintsTheWindowInColourOrPatterns() {
        QFETCH(int, colour);
        Program p;
        p.container->openWorksheet(Worksheet::Mortgage);
        QTest::mouseClick(p.inSheet("MCalc"), Qt::LeftButton);
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton);
        GraphsWindow* g = p.graph();
        const QSize frameBefore = g->parentWidget()->size();
        p.dialogs.answers = {6, colour};
        QTest::mouseClick(p.inGraph("Ptr"), Qt::LeftButton);
        QCOMPARE(p.dialogs.questions, (std::vector<int>{1, 2}));
        QCOMPARE(p.printers.pictures.size(), std::size_t{1});
        const PrintImage& printed = p.printers.pictures.back();
        // The window at its printing size: 9530 x 5900 twips.
        QCOMPARE(QSize(printed.width, printed.height),
                 QSize(platform::twipsToPixels(9530), platform::twipsToPixels(5900)));
        const QImage image = toQImage(printed);
        const QRect area = p.inGraph("Graph1")->geometry().intersected(image.rect());
        const int coloured = colouredPixels(image, area);
        if (colour == 6)
            QVERIFY2(coloured > 2000, qPrintable(QString::number(coloured)));
        else
            QCOMPARE(coloured, 0); // black outlines and hatching on white
        QVERIFY(!g->printingInColour());
        QCOMPARE(g->parentWidget()->size(), frameBefore);
        QCOMPARE(p.printers.ended, 1);
        QVERIFY(p.dialogs.messages().empty());
    }

    void savingsYearEndsAreDrawnAndLeaveReturnsToTheSavingsSheet() {
        Program p;
        p.container->openWorksheet(Worksheet::Savings); // the savings sheet's stand-in
        QWidget* sheet = p.sheet();
        QVERIFY(!showGraphFrom(*p.container, 1)); // nothing calculated
        QCOMPARE(p.dialogs.messages(), std::vector<int>{2});

        std::vector<double> yearEnds;
        for (int y = 1; y <= 40; ++y)
            yearEnds.push_back(1000.0 * y * y);
        setSavingsGraph(p.state, yearEnds);
        QCOMPARE(p.state.ScheduleYears, std::int16_t{40});
        QVERIFY(showGraphFrom(*p.container, 1));
        QVERIFY(p.graph());
        QCOMPARE(p.graph()->chart().values, yearEnds);
        QCOMPARE(p.graph()->chart().title, std::string("Investment value at end of each Year"));
        QTest::mouseClick(p.inGraph("ExitBut"), Qt::LeftButton);
        QTRY_VERIFY(!p.graph());
        QCOMPARE(p.sheet(), sheet);
        QVERIFY(p.sheetShown());
    }
};

PECUNEX_QTEST_MAIN(TestGraphsWindow)
#include "test_graphs_window.moc"
