// Charts and windows that can be read: every bar carries its year and the value axis steps in
// whole cents, in both forms, as SVG text and as PNG ink; the container's least size fits an
// 800 x 600 screen, every button reachable at that size; " Semi-monthly" never widens the budget.
#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgGenerator>

#include "BudgetWindow.h"
#include "Chart2D.h"
#include "Chart3D.h"
#include "ChartImage.h"
#include "GraphTestSupport.h"
#include "MainMenu.h"
#include "QtTestMain.h"

namespace {

// The year labels ("1|2|..."), then the value labels ("$0|..."), of a drawing made as SVG;
// "..." for a label cut short.
QString svgLabels(const std::function<void(QPainter&)>& draw) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    QPainter painter(&svg);
    draw(painter);
    painter.end();
    QStringList years, values;
    for (const auto& m : QRegularExpression(">([^<]*)</text>").globalMatch(buffer.data()))
        (m.captured(1).startsWith('$') ? values : years) << m.captured(1);
    return years.filter(QRegularExpression("^\\d+$|\\.\\.\\.|\u2026")).join('|') + " " +
           values.join('|');
}

// Glyphs under the axis (the lowest unbroken line) of a picture: runs of inked columns at
// least 3 pixels wide and tall, a digit level or upright, not a tick mark nor a dot of "...".
int glyphsUnderTheAxis(const QImage& image) {
    const auto inked = [&](int x, int y) { return qGray(image.pixel(x, y)) < 140; };
    int axis = 0, glyphs = 0, width = 0, top = image.height(), bottom = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0, line = 0; x < image.width(); ++x)
            axis = (line = inked(x, y) ? line + 1 : 0) > image.width() / 2 ? y : axis;
    for (int x = 0; x <= image.width(); ++x) {
        bool column = false;
        for (int y = axis + 1; x < image.width() && y < image.height(); ++y)
            if (inked(x, y))
                column = true, top = std::min(top, y), bottom = std::max(bottom, y);
        if (column && ++width)
            continue;
        glyphs += width >= 3 && bottom - top >= 2;
        width = 0, top = image.height(), bottom = 0;
    }
    return glyphs;
}

} // namespace

class TestChartsFit : public QObject {
    Q_OBJECT
  private slots:
    // Every year under its bar and value ticks on whole cents, in the SVG's text and as glyphs
    // in the PNG; checked by eye once and kept in a golden file: 1 year (a 1-year plan draws two
    // bars, the second 0) to 40; figures under ten cents; at the report's default size and at the
    // graph window's least.
    void everyBarHasItsYearAndValuesStepInCents() {
        const std::pair<int, double> plans[] = {{1, 1440}, {12, 250000}, {36, 2500000}, {40, 12e6},
                                                {1, 0.01}, {3, 0.09},    {4, 0.2}};
        QString all;
        for (auto [years, top] : plans)
            for (QSize size : {QSize(1200, 800), QSize(533, 300)})
                for (bool threeD : {false, true}) {
                    GraphTable table;
                    for (int y = 1; y <= years; ++y)
                        table.push_back({y, *Currency::fromDouble(top * y / years)});
                    const ChartData data = chartData(table, years, "Value", "$");
                    const QString labels = svgLabels([&](QPainter& p) {
                        (threeD ? paintChart3D : paintChart2D)(p, QRectF(QPointF(0, 0), size), data,
                                                               {});
                    });
                    const bool inked = glyphsUnderTheAxis(renderChart(data, threeD, size)) >=
                                       labels.section(' ', 0, 0).count('|') + 1;
                    all += QString("%1 %2 %3D: ").arg(top).arg(size.width()).arg(threeD ? 3 : 2) +
                           labels + (inked ? "\n" : " (too few glyphs in the PNG)\n");
                }
        QFile golden(PECUNEX_SOURCE_DIR "/tests/golden/chart-labels.txt");
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(all, QString::fromUtf8(golden.readAll()));
    }

    // The menu and the graph window (forty years, either form) in the container at its least
    // size; the budget in " Semi-monthly" at the container's opening size, without scroll bars.
    void everyButtonReachableInTheContainer_data() {
        QTest::addColumn<int>("view"); // 0: the menu, 1: the budget, else the graph's view code
        QTest::newRow("menu") << 0;
        QTest::newRow("budget") << 1;
        QTest::newRow("graph, 2D") << GraphsWindow::FlatView;
        QTest::newRow("graph, 3D") << GraphsWindow::DeepView;
    }
    void everyButtonReachableInTheContainer() {
        QFETCH(int, view);
        Program p;
        BudgetTables budget;
        p.container->registerWorksheet(
            Worksheet::Budget, [&budget](Workspace& w) { return new BudgetWindow(w, budget); });
        QWidget* shown = p.container->menu();
        if (view == 1) {
            p.container->openWorksheet(Worksheet::Budget);
            shown = p.sheet();
            budget.ExpenseRecords[1] = {1, "Rent", Currency::fromWhole(500),
                                        Currency::fromWhole(12), Currency::fromWhole(500)};
            budget.ExpenseCount = 1;
            auto* periods = shown->findChild<QComboBox*>("FreqPeriod");
            periods->setFocus();
            while (periods->currentText() != " Semi-monthly")
                QTest::keyClick(periods, Qt::Key_Up);
            QApplication::processEvents(); // the layouts follow the new captions
            for (auto* caption : shown->findChildren<QLabel*>()) // shown whole, in one or two lines
                if (caption->text().contains("Semi-monthly"))
                    QVERIFY2(caption->width() >= caption->minimumSizeHint().width() &&
                                 caption->height() >= caption->heightForWidth(caption->width()),
                             qPrintable(caption->text()));
            QVERIFY(!worksheetScroller(shown)->horizontalScrollBar()->isVisible());
        } else if (view > 1) {
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
        // The window shown is never cramped below its least size.
        QCOMPARE(shown->size().expandedTo(shown->minimumSizeHint()), shown->size());
        const QSize least = p.container->minimumSizeHint();
        QVERIFY(least.width() <= 780 && least.height() <= 560); // the frame takes the rest
        if (view != 1) {
            p.container->resize(least);
            QTRY_COMPARE(p.container->size(), least);
        }
        QWidget* area = p.container->area()->viewport();
        QScrollArea* scroller = worksheetScroller(shown);
        for (QAbstractButton* b : shown->findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(shown) || !b->isEnabled())
                continue;
            b->clearFocus(); // taking the focus is what scrolls a control into sight
            b->setFocus();
            for (QWidget* room : {area, scroller ? scroller->viewport() : area})
                QVERIFY2(room->rect().contains(QRect(b->mapTo(room, QPoint(0, 0)), b->size())),
                         qPrintable(b->objectName()));
        }
        if (view > 1) { // on screen as in the printout (a picture of the window)
            QStringList years;
            for (int y = 1; y <= 40; ++y)
                years << QString::number(y);
            QCOMPARE(svgLabels([&](QPainter& painter) {
                         p.inGraph("Graph1")->render(&painter);
                     }).section(' ', 0, 0),
                     years.join('|'));
        }
    }
};

PECUNEX_QTEST_MAIN(TestChartsFit)
#include "test_charts_fit.moc"
