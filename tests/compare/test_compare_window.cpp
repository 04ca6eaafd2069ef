// The loan comparison worksheet worked by the keyboard alone, and its graph of several plans.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <memory>

#include "ChartImage.h"
#include "CompareFile.h"
#include "CompareTables.h"
#include "CompareWindow.h"
#include "FileCommands.h"
#include "Grid.h"
#include "PlanText.h"
#include "Platform.h"
#include "QtTestMain.h"
#include "TestWorkspace.h"
#include "TextPrinter.h"

namespace {

// Plan A, a published schedule; plan B the same loan at the lender's exact interest with an
// extra amount, a lump sum that shortens the term and a renewal.
const char* const PlanA = "principal=400000,rate=5.95,years=30";
const char* const PlanB = "principal=400000,rate=5.95,years=30,extra=200,convention=bank-exact,"
                          "lump=12:10000:shorten,renew=60:4.5";

struct Sheet {
    Sheet() : window(std::make_unique<CompareWindow>(ws, tables)) { activate(window.get()); }
    template <class T = QWidget> T* find(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    void keys(const QString& text) { QTest::keyClicks(focus(), text); }
    void key(Qt::Key k, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(focus(), k);
    }
    // Alt + a command's letter, typed into the focused control; the button clicks a moment
    // later.
    void alt(Qt::Key letter, const char* button) {
        bool clicked = false;
        const auto c = QObject::connect(find<QPushButton>(button), &QPushButton::clicked,
                                        [&] { clicked = true; });
        QTest::keyClick(focus(), letter, Qt::AltModifier);
        QTRY_VERIFY(clicked);
        QObject::disconnect(c);
    }
    QString result(const char* name, char plan) const {
        return find<QLabel>(QString::fromLatin1(name) + QChar(plan))->text();
    }
    QString row(int r) const {
        auto* grid = find<Grid>("CmpGrid");
        QStringList cells;
        for (int c = 0; c < grid->cols(); ++c)
            cells << grid->text(r, c);
        return cells.join('|');
    }

    TestWorkspace ws;
    CompareTables tables;
    std::unique_ptr<CompareWindow> window;
};

ComparedPlan calculated(const char* planText) {
    LoanPlan plan = parsePlanText(planText).value();
    return {plan, calculatePlan(plan).value()};
}

// The bars drawn in `colour`, left to right: the height of each at its middle. A bar is a
// run of columns holding the colour in the image's lower half (the legend is at the top).
std::vector<int> barHeights(const QImage& image, QColor colour) {
    const auto holds = [&](int x, int fromY) {
        int n = 0;
        for (int y = fromY; y < image.height(); ++y)
            n += (image.pixel(x, y) & 0xffffff) == (colour.rgb() & 0xffffff);
        return n;
    };
    std::vector<int> heights;
    for (int x = 0; x < image.width(); ++x) {
        if (holds(x, image.height() / 2) == 0)
            continue;
        int end = x;
        while (end + 1 < image.width() && holds(end + 1, image.height() / 2) > 0)
            ++end;
        heights.push_back(holds((x + end) / 2, 0));
        x = end;
    }
    return heights;
}

} // namespace

class TestCompareWindow : public QObject {
    Q_OBJECT
  private slots:
    // Two plans typed, calculated, their schedules in the grid, printed, saved and read again.
    void keyboardRoad() {
        QTemporaryDir dir;
        const QString file = dir.filePath("two.Cmp");
        {
            Sheet s;
            QCOMPARE(s.ws.caption, QString(" Compare Loans"));
            s.find("PrincipalA")->setFocus();
            s.keys("400000"), s.key(Qt::Key_Return), s.keys("5.95"), s.key(Qt::Key_Return);
            s.key(Qt::Key_Return, 2); // compounding, payments
            s.keys("30"), s.key(Qt::Key_Return, 11);
            // Enter walks past the file button to the next plan.
            QCOMPARE(s.focusName(), QString("PrincipalB"));
            s.keys("400000"), s.key(Qt::Key_Return), s.keys("5.95"), s.key(Qt::Key_Return, 3);
            s.keys("30"), s.key(Qt::Key_Return, 3), s.keys("200"), s.key(Qt::Key_Return);
            s.key(Qt::Key_Up); // convention: bank, exact interest
            s.key(Qt::Key_Return, 5), s.keys("12:10000:s"), s.key(Qt::Key_Return);
            s.keys("60:4.5"), s.key(Qt::Key_Return);
            QCOMPARE(s.focusName(), QString("PrincipalC"));
            s.alt(Qt::Key_C, "CmpCalc");
            QVERIFY(s.ws.scripted.messages().empty());

            // Plan A: the published figures; plan B: what the engine makes of the plan typed.
            const ComparedPlan b = calculated(PlanB);
            const auto money = [](Currency c) {
                return "$" + QString::fromStdString(formatNumber(c, "###,,###.00"));
            };
            QCOMPARE(s.result("Payment", 'A') + "|" + s.result("Last", 'A') + "|" +
                         s.result("Count", 'A'),
                     QString("$2,385.36|$2,384.39|360"));
            QCOMPARE(s.result("Payment", 'B') + "|" + s.result("Count", 'B') + "|" +
                         s.result("Interest", 'B') + "|" + s.result("Saved", 'B'),
                     money(b.result.payment) + "|" + QString::number(b.result.payments) + "|" +
                         money(b.result.totalInterest) + "|" +
                         money(calculated(PlanA).result.totalInterest.sub(b.result.totalInterest)));
            QVERIFY(s.result("Renewed", 'B')
                        .startsWith("60: " + money(b.result.renewalBalances[0].balance)));
            QVERIFY(s.result("Payment", 'C').isEmpty());
            QCOMPARE(s.ws.shared.GraphGroups.size(), std::size_t{2});

            // Every payment of plan A, undated: no date column; then B's yearly totals.
            QCOMPARE(s.row(0), QString("No.|Payment|Interest|Principal|Extra|Balance"));
            QCOMPARE(s.row(1), QString("1|2,385.36|1,983.33|402.03|.00|399,597.97"));
            QCOMPARE(s.row(180).section('|', 5), QString("283,580.13"));
            QCOMPARE(s.find<Grid>("CmpGrid")->rows(), 361);
            s.find("SchedView")->setFocus();
            s.key(Qt::Key_Down), s.key(Qt::Key_Return), s.key(Qt::Key_Down);
            QCOMPARE(s.focusName(), QString("SchedPlan"));
            QCOMPARE(s.find<Grid>("CmpGrid")->rows(),
                     static_cast<int>(yearlyTotals(b.result).size()) + 1);

            // To Printer prints what the grid shows: the comparison, as pecunex-report does.
            s.find("SchedView")->setFocus();
            s.key(Qt::Key_Home);
            s.ws.scripted.headers = {"Two plans"};
            s.alt(Qt::Key_P, "CmpPrinter");
            CompareReportInput in;
            in.header = "Two plans";
            in.plans = {calculated(PlanA), b};
            TextPrinter expected;
            printComparisonDocument(expected, in);
            QCOMPARE(QString::fromStdString(s.ws.capture.documents.back()),
                     QString::fromStdString(expected.text()));

            s.ws.scripted.fileNames = {file.toStdString()};
            s.alt(Qt::Key_S, "CmpSaveFile");
            QCOMPARE(QString::fromStdString(s.ws.shared.CurrentFileName), QString("two.Cmp"));
            const auto written = readWholeFile({}, file.toStdString());
            QCOMPARE(QString::fromStdString(written.value_or("")),
                     QString::fromStdString(writeCompareFile({in.plans[0].plan, b.plan})));
            s.alt(Qt::Key_X, "CmpExit"); // saved: nothing to ask
            QCOMPARE(s.ws.menuShown, 1);
        }
        Sheet s;
        s.ws.scripted.fileNames = {file.toStdString()};
        s.find("PrincipalA")->setFocus();
        s.alt(Qt::Key_O, "CmpLoadFile");
        QCOMPARE(s.find<QLineEdit>("LumpsB")->text(), QString("12:10000:shorten"));
        QCOMPARE(s.find<QLineEdit>("ExtraB")->text(), QString("$200.00"));
        QCOMPARE(s.result("Payment", 'A'), QString("$2,385.36"));
        QVERIFY(s.find<QLineEdit>("PrincipalC")->text().isEmpty());
        // A change, then leaving: the worksheet asks, and stays when the answer is yes.
        s.find("ExtraA")->setFocus();
        s.keys("50"), s.key(Qt::Key_Tab);
        s.ws.scripted.answers = {6};
        s.alt(Qt::Key_X, "CmpExit");
        QCOMPARE(s.ws.menuShown, 0);
        QVERIFY(s.result("Payment", 'A').isEmpty());
    }

    // What a plan cannot be, and the message that says so.
    void refusals_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("message");
        QTest::newRow("payment below the first interest") << "GivenA"
                                                          << "1000" << 44;
        QTest::newRow("lump sum without its effect") << "LumpsA"
                                                     << "12:5000" << 19;
        QTest::newRow("a date that is none") << "FirstPayA"
                                             << "2027-02-30" << 10;
        QTest::newRow("a term over 40 years") << "TermA"
                                              << "41" << 5;
        QTest::newRow("a rate over 100 %") << "RateA"
                                           << "101" << 8;
    }
    void refusals() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, message);
        Sheet s;
        s.find(field)->setFocus();
        s.keys(typed);
        s.key(Qt::Key_Tab);
        s.alt(Qt::Key_C, "CmpCalc");
        QCOMPARE(s.ws.scripted.messages().front(), message);
    }

    // The graph of two plans: each plan's bars in its own colour, one per year it runs,
    // in either form.
    void graphOfSeveralPlans() {
        Sheet s;
        s.find("PrincipalB")->setFocus();
        s.keys("250000"), s.key(Qt::Key_Tab), s.keys("3"), s.key(Qt::Key_Tab);
        s.find("TermB")->setFocus();
        s.keys("10"), s.key(Qt::Key_Tab);
        s.alt(Qt::Key_C, "CmpCalc");
        const ShellState& st = s.ws.shared;
        QCOMPARE(st.ScheduleYears, std::int16_t{25});
        const ChartData data =
            groupedChartData(st.GraphGroups, st.ScheduleYears, st.GraphTitle, "$");
        const ChartLook look;
        for (bool threeD : {false, true}) {
            const QImage image = renderChart(data, threeD, QSize(1200, 800), look);
            const std::vector<int> a = barHeights(image, look.seriesColour(0));
            const std::vector<int> b = barHeights(image, look.seriesColour(1));
            QCOMPARE(a.size(), std::size_t{25});
            QCOMPARE(b.size(), std::size_t{10});
            // Both start at the same principal, on one value axis; then they part.
            QVERIFY(std::abs(a[0] - b[0]) <= 2 && a[0] > 300);
            QVERIFY(b[5] < a[5]);
        }
    }
};

PECUNEX_QTEST_MAIN(TestCompareWindow)
#include "test_compare_window.moc"
