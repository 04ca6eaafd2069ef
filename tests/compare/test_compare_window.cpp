// The loan comparison worksheet worked by the keyboard alone, and its graph of several plans.
#include <QAccessible>
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
#include "TextPrinter.h"
#include "WorksheetScript.h"

namespace {

// Plan A, a published schedule; plan B the same loan at the lender's exact interest with an
// extra amount, a lump sum that shortens the term and a renewal.
const char* const PlanA = "principal=400000,rate=5.95,years=30";
const char* const PlanB = "principal=400000,rate=5.95,years=30,extra=200,convention=bank-exact,"
                          "lump=12:10000:shorten,renew=60:4.5";

struct Sheet {
    Sheet() { activate(window.get()); }
    template <class T = QWidget> T* find(const QString& name) const { return script.find<T>(name); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QString focusName() const { return focus() ? focus()->objectName() : QString(); }
    void keys(const QString& text) { script.run("keys:" + text); }
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
    QString row(int r) const { return script.text(QString("CmpGrid[%1]").arg(r)); }

    TestWorkspace ws;
    CompareTables tables;
    std::unique_ptr<CompareWindow> window = std::make_unique<CompareWindow>(ws, tables);
    WorksheetScript script{ws, window.get()};
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
            s.key(Qt::Key_Return, 3); // compounding, payments, the term's unit
            s.keys("30"), s.key(Qt::Key_Return, 10);
            // Enter walks past the file button to the next plan.
            QCOMPARE(s.focusName(), QString("PrincipalB"));
            s.keys("400000"), s.key(Qt::Key_Return), s.keys("5.95"), s.key(Qt::Key_Return, 4);
            s.keys("30"), s.key(Qt::Key_Return, 2), s.keys("200"), s.key(Qt::Key_Return);
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
                     money(b.result.payment) +
                         "\nfrom 61: " + money(b.result.paymentsInForce.at(1).payment) + "|" +
                         QString::number(b.result.payments) + "|" + money(b.result.totalInterest) +
                         "|" +
                         money(calculated(PlanA).result.totalInterest.sub(b.result.totalInterest)));
            QVERIFY(s.result("Renewed", 'B')
                        .startsWith("60: " + money(b.result.renewalBalances[0].balance)));
            QVERIFY(s.result("Payment", 'C').isEmpty());

            // Every payment of plan A, undated: no date column; then B's yearly totals.
            QCOMPARE(s.row(0), QString("No.|Payment|Interest|Principal|Extra|Balance"));
            QCOMPARE(s.row(1), QString("1|2,385.36|1,983.33|402.03|.00|399,597.97"));
            QCOMPARE(s.row(180).section('|', 5), QString("283,580.13"));
            QCOMPARE(s.find<Grid>("CmpGrid")->rows(), 361);
            s.find("SchedView")->setFocus();
            s.key(Qt::Key_Down), s.key(Qt::Key_Return), s.key(Qt::Key_Down);
            QCOMPARE(s.focusName(), QString("SchedPlan"));
            QCOMPARE(s.find<Grid>("CmpGrid")->rows(), static_cast<int>(planYears(b).size()) + 1);

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
            s.alt(Qt::Key_A, "CmpSaveFile");
            QCOMPARE(s.window->fileName(), std::string("two.Cmp"));
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
        // A mortgage file read into plan C, a change, then leaving: the worksheet asks about
        // its own file, and stays when the answer is yes.
        s.ws.scripted.fileNames = {PECUNEX_SOURCE_DIR "/samples/Sample.umd"};
        s.find<QPushButton>("OpenPlanC")->click();
        s.find("ExtraA")->setFocus();
        s.keys("50"), s.key(Qt::Key_Tab);
        s.ws.scripted.answers = {6};
        s.alt(Qt::Key_X, "CmpExit");
        QCOMPARE(s.ws.menuShown, 0);
        QVERIFY(QString::fromStdString(s.ws.scripted.calls.back().text).startsWith("two.Cmp "));
        QVERIFY(s.result("Payment", 'A').isEmpty());
    }

    // What a plan cannot be, and the message that says so.
    // A refused entry: a message naming the plan, the entry and the form it takes (the
    // worksheet's own message number 44 with that detail), the focus back on the entry.
    void refusals_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("detail");
        QTest::newRow("payment below the first interest") << "GivenA"
                                                          << "1000"
                                                          << "Plan A: The payment does not cover";
        QTest::newRow("lump sum without its effect")
            << "LumpsA"
            << "12:5000"
            << "Plan A, Lump sums (after:amount:s/l; ...): \"12:5000\"";
        QTest::newRow("a date that is none") << "FirstPayB"
                                             << "2027-02-30"
                                             << "Plan B, First payment date: \"2027-02-30\" is";
        QTest::newRow("months typed with years chosen")
            << "TermC"
            << "60"
            << "Plan C, Term: a whole number of years from 1 to 40";
        QTest::newRow("a rate over 999.999 %") << "RateA"
                                               << "1000"
                                               << "Plan A, Annual rate";
        QTest::newRow("an amount beyond the limit") << "PrincipalB"
                                                    << "99999999999999"
                                                    << "Plan B, Principal: an amount from 0 to";
    }
    void refusals() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, detail);
        Sheet s;
        const QString before = s.find<QLineEdit>(field)->text();
        s.find(field)->setFocus();
        s.keys(typed);
        s.key(Qt::Key_Tab);
        if (field != "GivenA") { // that one is judged by the calculation
            QCOMPARE(s.ws.scripted.messages(), std::vector<int>{44});
            QTRY_COMPARE(s.focusName(), field);
            QVERIFY(s.ws.shared.MessageDetail.starts_with(detail.toStdString()));
            if (!field.startsWith("Lumps") && !field.startsWith("FirstPay"))
                QCOMPARE(s.find<QLineEdit>(field)->text(), before); // refused, not cut
            return;
        }
        s.alt(Qt::Key_C, "CmpCalc");
        QCOMPARE(s.ws.scripted.messages().front(), 44);
        QVERIFY(s.ws.shared.MessageDetail.starts_with(detail.toStdString()));
        QTRY_COMPARE(s.focusName(), field);
    }

    // Plan B left empty between A and C: left out, C keeps its letter. Every control that
    // takes the focus has a name of its own; every result says its figure; no hint sits in
    // an entry. Without colour, no two plans' hatches are alike.
    void emptyMiddlePlanAndWhatAReaderHears() {
        Sheet s;
        s.find("PrincipalC")->setFocus();
        s.keys("100000"), s.key(Qt::Key_Tab);
        s.alt(Qt::Key_C, "CmpCalc");
        QVERIFY(s.ws.scripted.messages().empty());
        QCOMPARE(s.result("Payment", 'B'), QString());
        QVERIFY(!s.result("Saved", 'C').isEmpty());
        s.find<QComboBox>("SchedView")->setCurrentIndex(0);
        QCOMPARE(s.row(0), QString("|Plan A|Plan C"));
        QSet<QString> names;
        for (QWidget* w : s.window->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->focusPolicy() == Qt::NoFocus || qobject_cast<QLabel*>(w))
                continue;
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(w->objectName()));
            names.insert(name);
            if (auto* field = qobject_cast<QLineEdit*>(w))
                QVERIFY(field->placeholderText().isEmpty());
        }
        QVERIFY(names.contains("Principal, plan A"));
        auto* payment = s.find<QLabel>("PaymentC");
        QAccessibleInterface* said = QAccessible::queryAccessibleInterface(payment);
        QCOMPARE(said->text(QAccessible::Name), QString("Payment, plan C"));
        QCOMPARE(said->text(QAccessible::Value), payment->text());
        ChartLook look;
        look.colour = false;
        QSet<int> hatches;
        for (std::size_t plan = 0; plan < 3; ++plan)
            hatches << look.seriesFront(plan).style() << look.seriesSide(plan).style();
        QCOMPARE(hatches.size(), 6);
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
        s.alt(Qt::Key_S, "CmpGraphs");
        QCOMPARE(s.ws.graphs.size(), std::size_t{1});
        QCOMPARE(s.ws.graphs[0].bars, 25);
        QCOMPARE(s.ws.graphs[0].groups.size(), std::size_t{2});
        const ChartData data = chartData(s.ws.graphs[0], "$");
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
