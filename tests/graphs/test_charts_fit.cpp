// Charts and windows that can be read: every bar carries its year and the value axis steps
// in whole cents, in both forms, as SVG text and PNG ink, on screen and in the printout; the
// container's least size fits an 800 x 600 screen with every button reachable at that size;
// a budget period with longer captions never widens the worksheet.
#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgGenerator>

#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "Chart2D.h"
#include "Chart3D.h"
#include "ChartImage.h"
#include "GraphTestSupport.h"
#include "MainMenu.h"
#include "QtTestMain.h"

namespace {

// The texts an SVG drawing holds, in drawing order.
QStringList svgTexts(const std::function<void(QPainter&)>& draw) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    {
        QPainter painter(&svg);
        draw(painter);
    }
    QStringList texts;
    static const QRegularExpression text(">([^<]*)</text>");
    for (const auto& m : text.globalMatch(QString::fromUtf8(buffer.data())))
        texts << m.captured(1);
    return texts;
}

// Year labels ("1", "2", ...) and value labels ("$...").
const QRegularExpression YearText("^\\d+$"), ValueText("^\\$");

QStringList yearsUpTo(int n) {
    QStringList years;
    for (int y = 1; y <= n; ++y)
        years << QString::number(y);
    return years;
}

// Glyphs under the axis line of a picture: runs of inked columns whose ink is at least 3
// pixels wide and 3 tall (a digit, level or upright; not a tick mark, not the dots of "...").
int glyphRuns(const QImage& image) {
    const auto inked = [&](int x, int y) { return qGray(image.pixel(x, y)) < 140; };
    int y0 = image.height() - 1; // below the axis: the lowest row with an unbroken line
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0, line = 0; x < image.width(); ++x)
            if ((line = inked(x, y) ? line + 1 : 0) > image.width() / 2)
                y0 = y + 1;
    int runs = 0, width = 0, top = image.height(), bottom = 0;
    for (int x = 0; x <= image.width(); ++x) {
        bool column = false;
        for (int y = y0; x < image.width() && y < image.height(); ++y)
            if (inked(x, y))
                column = true, top = std::min(top, y), bottom = std::max(bottom, y);
        if (column && ++width)
            continue;
        runs += width >= 3 && bottom - top >= 2;
        width = 0, top = image.height(), bottom = 0;
    }
    return runs;
}

} // namespace

class TestChartsFit : public QObject {
    Q_OBJECT
  private slots:
    // Rows: 1 year (a 1-year plan draws its two bars, the second 0) to 40 years; figures
    // under ten cents. Pictures: the report's default size and the graph window's least.
    void everyBarHasItsYearAndValuesStepInCents_data() {
        QTest::addColumn<int>("years");
        QTest::addColumn<double>("top");
        QTest::addColumn<QString>("values"); // the value labels, when checked
        QTest::addColumn<bool>("threeD");
        QTest::addColumn<QSize>("size");
        const struct {
            const char* name;
            int years;
            double top;
            const char* values;
        } rows[] = {
            {"1 year", 1, 1440, "$0|$200|$400|$600|$800|$1,000|$1,200|$1,400|$1,600"},
            {"12 years", 12, 250000, ""},
            {"36 years", 36, 2500000, ""},
            {"40 years", 40, 12000000, ""},
            {"a cent", 1, 0.01, "$0.00|$0.01"},
            {"nine cents", 3, 0.09, "$0.00|$0.02|$0.04|$0.06|$0.08|$0.10"},
            {"twenty cents", 4, 0.2, "$0.00|$0.05|$0.10|$0.15|$0.20"},
        };
        for (const auto& r : rows)
            for (bool threeD : {false, true})
                for (QSize size : {QSize(1200, 800), QSize(533, 300)})
                    QTest::addRow("%s, %s, %dx%d", r.name, threeD ? "3D" : "2D", size.width(),
                                  size.height())
                        << r.years << r.top << QString(r.values) << threeD << size;
    }
    void everyBarHasItsYearAndValuesStepInCents() {
        QFETCH(int, years);
        QFETCH(double, top);
        QFETCH(QString, values);
        QFETCH(bool, threeD);
        QFETCH(QSize, size);
        std::vector<Currency> yearEnds;
        for (int y = 1; y <= years; ++y)
            yearEnds.push_back(*Currency::fromDouble(top * y / years));
        const ChartData data = chartData(savingsSeries(yearEnds), years, "Value", "$");
        const int bars = std::max(years, 2);
        QCOMPARE(data.values.back(), years == 1 ? 0.0 : top);

        const QStringList texts = svgTexts([&](QPainter& p) {
            (threeD ? paintChart3D : paintChart2D)(p, QRectF(QPointF(0, 0), size), data, {});
        });
        QCOMPARE(texts.filter(YearText), yearsUpTo(bars));
        QVERIFY(texts.filter("...").isEmpty() && texts.filter(QChar(0x2026)).isEmpty());
        const QStringList valueTexts = texts.filter(ValueText);
        QCOMPARE(QSet<QString>(valueTexts.begin(), valueTexts.end()).size(), valueTexts.size());
        if (!values.isEmpty())
            QCOMPARE(valueTexts.join('|'), values);
        QVERIFY(glyphRuns(renderChart(data, threeD, size)) >= bars);
    }

    // The container's least size fits an 800 x 600 screen with its frame, and at that size
    // every button of the menu or the graph window comes into sight when it takes the focus;
    // the graph window, scrolled there, still shows all forty years in either form.
    void leastContainerFitsTheScreenAndReachesEveryButton_data() {
        QTest::addColumn<int>("view"); // 0: the menu
        QTest::newRow("menu") << 0;
        QTest::newRow("graph, 2D") << GraphsWindow::FlatView;
        QTest::newRow("graph, 3D") << GraphsWindow::DeepView;
    }
    void leastContainerFitsTheScreenAndReachesEveryButton() {
        QFETCH(int, view);
        Program p;
        QWidget* shown = p.container->menu();
        if (view != 0) {
            p.container->openWorksheet(Worksheet::Mortgage);
            for (int y = 1; y <= 40; ++y)
                p.state.GraphSeries.push_back({y, Currency::fromWhole(1000 * y * y)});
            p.state.ScheduleYears = 40;
            p.container->showGraph();
            shown = p.graph();
            if (view == GraphsWindow::DeepView)
                QTest::mouseClick(p.inGraph("ThreeDee"), Qt::LeftButton);
            QCOMPARE(p.graph()->viewCode(), view);
        }
        const QSize least = p.container->minimumSizeHint();
        QVERIFY2(least.width() <= 780 && least.height() <= 560,
                 qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
        p.container->resize(least);
        QTRY_COMPARE(p.container->size(), least);
        QWidget* area = p.container->area()->viewport();
        for (QAbstractButton* b : shown->findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(shown) || !b->isEnabled())
                continue;
            b->clearFocus(); // taking the focus is what scrolls a control into sight
            b->setFocus(Qt::TabFocusReason);
            QWidget* frame = worksheetScroller(shown) ? worksheetScroller(shown)->viewport() : area;
            for (QWidget* room : {area, frame})
                QVERIFY2(room->rect().contains(QRect(b->mapTo(room, QPoint(0, 0)), b->size())),
                         qPrintable(b->objectName()));
        }
        if (view != 0)
            QCOMPARE(svgTexts([&](QPainter& painter) {
                         p.inGraph("Graph1")->render(&painter);
                     }).filter(YearText),
                     yearsUpTo(40));
    }

    // Each period's captions (" Semi-monthly expenses", "Semi-monthly Net Balance") fit the
    // budget as the container opens it: no scroll bar, "E&xit to Menu" whole, captions whole.
    void longerPeriodCaptionsNeverWidenTheBudget() {
        Program p;
        BudgetTables budget;
        p.container->registerWorksheet(Worksheet::Budget, [&budget](Workspace& w) -> QWidget* {
            return new BudgetWindow(w, budget);
        });
        p.container->openWorksheet(Worksheet::Budget);
        QWidget* sheet = p.sheet();
        budget.IncomeRecords[1] = {1, "Salary", Currency::fromWhole(1200), Currency::fromWhole(12),
                                   Currency::fromWhole(1200)};
        budget.ExpenseRecords[1] = {1, "Rent", Currency::fromWhole(500), Currency::fromWhole(12),
                                    Currency::fromWhole(500)};
        budget.IncomeCount = budget.ExpenseCount = 1;
        QScrollArea* scroller = worksheetScroller(sheet);
        const int least = sheet->minimumSizeHint().width();
        auto* periods = sheet->findChild<QComboBox*>("FreqPeriod");
        auto* exit = sheet->findChild<QWidget*>("ExitBudget");
        for (int i = 0; i < periods->count(); ++i) {
            const QString period = periods->itemText(i).trimmed();
            periods->setFocus(Qt::TabFocusReason); // chosen by keys, as the user would
            while (periods->currentIndex() != i)
                QTest::keyClick(periods, periods->currentIndex() < i ? Qt::Key_Down : Qt::Key_Up);
            QApplication::processEvents(); // the layouts follow the new captions
            QCOMPARE(sheet->findChild<QLabel*>("NetCaption")->text(), period + " Net Balance");
            QVERIFY2(sheet->minimumSizeHint().width() <= least, qPrintable(period));
            QVERIFY2(!scroller->horizontalScrollBar()->isVisible(), qPrintable(period));
            QVERIFY2(scroller->viewport()->rect().contains(
                         QRect(exit->mapTo(scroller->viewport(), QPoint(0, 0)), exit->size())),
                     qPrintable(period));
            for (QLabel* caption : sheet->findChildren<QLabel*>())
                if (caption->text().contains(period, Qt::CaseInsensitive))
                    QVERIFY2(caption->wordWrap()
                                 ? caption->height() >= caption->heightForWidth(caption->width())
                                 : caption->width() >= caption->sizeHint().width(),
                             qPrintable(caption->text()));
        }
    }
};

PECUNEX_QTEST_MAIN(TestChartsFit)
#include "test_charts_fit.moc"
