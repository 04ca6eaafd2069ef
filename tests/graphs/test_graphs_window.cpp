// The graph window opened from a worksheet in the container, driven by keys and clicks, and
// fitting the container; the charts drawn offscreen and on a PDF page.
#include <QAbstractButton>
#include <QAccessible>
#include <QBuffer>
#include <QFile>
#include <QMdiArea>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "Chart2D.h"
#include "Chart3D.h"
#include "ChartImage.h"
#include "GraphHandOver.h"
#include "GraphsWindow.h"
#include "Grid.h"
#include "MainMenu.h"
#include "MdiContainer.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "Platform.h"
#include "QtPrinter.h"
#include "QtTestMain.h"
#include "ScriptedDialogs.h"
#include "TestProgram.h"
#include "WorksheetFrame.h"

namespace {

// A printer provider that keeps the pictures it is given.
struct PicturePrinters : PrinterProvider {
    std::deque<PrintImage> pictures;
    int ended = 0;
    std::unique_ptr<Printer> open() override { return std::make_unique<Capture>(*this); }
    struct Capture : Printer {
        explicit Capture(PicturePrinters& to) : to(to) {}
        bool selectFont(int) override { return true; }
        bool printImage(const PrintImage& image) override {
            to.pictures.push_back(image);
            return true;
        }
        void emitLine(std::string_view) override {}
        void emitPageBreak() override {}
        void emitEndDocument() override { ++to.ended; }
        PicturePrinters& to;
    };
};

// The container with the mortgage worksheet and the graph window.
struct Program : TestProgram {
    Program()
        : TestProgram(
              {{"mortgage",
                "Canadian",
                "Planning your &Mortgage",
                9,
                {},
                [this](Workspace& w) -> QWidget* { return new MortgageWindow(w, tables); }},
               {"savings",
                "Savings",
                "Planning your &Savings",
                10,
                {},
                [](Workspace&) -> QWidget* { return new QWidget; }}},
              [](Workspace& w, const WorksheetGraph& r) -> QWidget* {
                  return new GraphsWindow(w, r);
              },
              &printers) {}
    void calculateAndGraph() {
        container.openWorksheet("mortgage");
        QTest::mouseClick(inSheet("MCalc"), Qt::LeftButton); // 100,000 over 25 years, monthly
        QTest::mouseClick(inSheet("MGraphs"), Qt::LeftButton);
    }
    GraphsWindow* graph() const { return qobject_cast<GraphsWindow*>(container.graphWindow()); }
    template <class T = QWidget> T* inGraph(const char* name) const {
        return graph()->findChild<T*>(name);
    }

    ShellState& state = ws.shared;
    ScriptedDialogs& dialogs = ws.scripted;
    MortgageTables tables;
    PicturePrinters printers;
};

void press(QWidget* window, Qt::Key key) {
    QApplication::setActiveWindow(window->window());
    QVERIFY(QTest::qWaitForWindowActive(window->window()));
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, key,
                    Qt::AltModifier);
}

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

// Pixels in an area of a picture that are clearly coloured (not a grey).
int pixels(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += QColor(image.pixel(x, y)).hsvSaturation() > 60;
    return n;
}

ChartData data(std::vector<double> values) {
    ChartData d;
    d.title = "Investment value at end of each Year";
    d.currencySymbol = "$";
    for (std::size_t j = 1; j <= values.size(); ++j)
        d.labels.push_back(std::to_string(j));
    d.values = std::move(values);
    return d;
}

} // namespace

class TestGraphsWindow : public QObject {
    Q_OBJECT
  private slots:
    void mortgageBalancesBothFormsAndBackToTheSheet() {
        Program p;
        p.container.openWorksheet("mortgage");
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton); // refused until calculated
        QCOMPARE(p.dialogs.messages(), std::vector<int>{2});
        QVERIFY(!p.graph() && p.sheetShown());
        QTest::mouseClick(p.inSheet("MCalc"), Qt::LeftButton);
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton);

        QVERIFY(p.graph() && !p.sheetShown());
        const ChartData shown = p.graph()->chart();
        QCOMPARE(shown.values.size(), std::size_t{25});
        QCOMPARE(shown.title, std::string("Mortgage balance at start of each Year"));
        QCOMPARE(shown.labels.front() + "|" + shown.labels.back(), std::string("1|25"));
        QCOMPARE(shown.values[0], 100000.0); // the principal
        // Year 2 starts with the balance after payment 12, as the grid shows it.
        QCOMPARE(QString::number(shown.values[1], 'f', 2),
                 p.sheet()->findChild<Grid*>("MGrid")->text(12, 3).remove(','));
        // A screen reader hears the title, then every bar's year and figure.
        QAccessibleInterface* told =
            QAccessible::queryAccessibleInterface(p.inGraph<QStackedWidget>("Graph1"));
        QCOMPARE(told->text(QAccessible::Name), QString::fromStdString(shown.title));
        const QStringList bars = told->text(QAccessible::Description).split("; ");
        QCOMPARE(bars.size(), 25);
        QCOMPARE(bars.front(), QString("Year 1: $100,000.00"));
        QCOMPARE(bars[1],
                 "Year 2: $" + p.sheet()->findChild<Grid*>("MGrid")->text(12, 3).trimmed());
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
        press(p.graph(), Qt::Key_2);
        QTRY_COMPARE(p.graph()->viewCode(), 3);
        QCOMPARE(p.graph()->chart().values, shown.values);

        press(p.graph(), Qt::Key_X); // "E&xit to Menu": back to the worksheet
        QTRY_VERIFY(!p.graph());
        QVERIFY(p.sheetShown() && !p.container.menu()->isVisible());
        QCOMPARE(QApplication::focusWidget(), p.inSheet("MGraphs"));
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton); // and the graph opens again
        QVERIFY(p.graph());
        QCOMPARE(p.dialogs.messages().size(), std::size_t{1});
    }

    // " Continue with Printout." no: nothing is printed. Yes, then " Print in Color." yes or
    // no: the whole window at its printing size, in colour or in black outlines and hatching
    // on white; then the window is as before.
    void printingAsksTwiceThenPrintsTheWindowInColourOrPatterns_data() {
        QTest::addColumn<int>("colour"); // the second answer; -1: the first is no
        QTest::newRow("declined") << -1;
        QTest::newRow("in colour") << 6;
        QTest::newRow("in patterns") << 0;
    }
    void printingAsksTwiceThenPrintsTheWindowInColourOrPatterns() {
        QFETCH(int, colour);
        Program p;
        p.calculateAndGraph();
        GraphsWindow* g = p.graph();
        const QSize frameBefore = g->parentWidget()->size();
        p.dialogs.answers = colour < 0 ? std::deque<int>{0} : std::deque<int>{6, colour};
        QTest::mouseClick(p.inGraph("Ptr"), Qt::LeftButton);
        std::vector<int> asked; // and no message
        for (const auto& c : p.dialogs.calls)
            asked.push_back(c.kind == "yesNo" ? c.code : -1);
        QCOMPARE(asked, (colour < 0 ? std::vector<int>{1} : std::vector<int>{1, 2}));
        QCOMPARE(p.printers.ended, colour < 0 ? 0 : 1);
        QCOMPARE(p.printers.pictures.size(), std::size_t(p.printers.ended));
        if (colour < 0)
            return;
        const PrintImage& printed = p.printers.pictures.back();
        // The window at its printing size: 9530 x 5900 twips.
        QCOMPARE(QSize(printed.width, printed.height),
                 QSize(platform::twipsToPixels(9530), platform::twipsToPixels(5900)));
        const QImage image(reinterpret_cast<const uchar*>(printed.pixels.data()), printed.width,
                           printed.height, QImage::Format_ARGB32);
        const int coloured = pixels(image, p.inGraph("Graph1")->geometry() & image.rect());
        QVERIFY2(colour == 6 ? coloured > 2000 : coloured == 0,
                 qPrintable(QString::number(coloured)));
        QVERIFY(!g->printingInColour());
        QCOMPARE(g->parentWidget()->size(), frameBefore);
    }

    // The menu and the graph window (forty savings year-ends, either form) in the container at
    // its least size.
    void everyButtonReachableInTheContainer_data() {
        QTest::addColumn<int>("view"); // 0: the menu, else the graph's view code
        QTest::newRow("menu") << 0;
        QTest::newRow("graph, 2D") << GraphsWindow::FlatView;
        QTest::newRow("graph, 3D") << GraphsWindow::DeepView;
    }
    void everyButtonReachableInTheContainer() {
        QFETCH(int, view);
        Program p;
        QWidget *shown = p.container.menu(), *sheet = nullptr;
        if (view > 0) {
            p.container.openWorksheet("savings"); // the savings sheet's stand-in
            sheet = p.sheet();
            QVERIFY(!showGraphFrom(p.container, std::nullopt));     // nothing calculated
            QVERIFY(!showGraphFrom(p.container, savingsGraph({}))); // a plan of no years
            QCOMPARE(p.dialogs.messages(), (std::vector<int>{2, 2}));
            std::vector<double> yearEnds;
            std::vector<Currency> ends;
            for (int y = 1; y <= 40; ++y) {
                yearEnds.push_back(1000.0 * y * y);
                ends.push_back(Currency::fromWhole(1000 * y * y));
            }
            QVERIFY(showGraphFrom(p.container, savingsGraph(ends)));
            shown = p.graph();
            QCOMPARE(p.graph()->chart().values, yearEnds);
            QCOMPARE(p.graph()->chart().title, std::string("Investment value at end of each Year"));
            if (view == GraphsWindow::DeepView)
                QTest::mouseClick(p.inGraph("ThreeDee"), Qt::LeftButton);
            QCOMPARE(p.graph()->viewCode(), view);
        }
        // The window shown is never cramped below its least size.
        QCOMPARE(shown->size().expandedTo(shown->minimumSizeHint()), shown->size());
        const QSize least = p.container.minimumSizeHint();
        QVERIFY(least.width() <= 780 && least.height() <= 560); // the frame takes the rest
        p.container.resize(least);
        QTRY_COMPARE(p.container.size(), least);
        QWidget* area = p.container.area()->viewport();
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
        if (view > 0) { // leaving returns to the savings sheet
            QTest::mouseClick(p.inGraph("ExitBut"), Qt::LeftButton);
            QTRY_VERIFY(!p.graph());
            QVERIFY(p.sheet() == sheet && p.sheetShown());
        }
    }
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
                        const QRectF area(QPointF(0, 0), size);
                        if (threeD)
                            paintChart3D(p, area, data, {});
                        else
                            paintChart2D(p, area, data, {});
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

    // The goal's target in 3D crosses the bars in front, and its name leaves the last bar bare.
    void targetRunsInFrontOfTheBars() {
        ChartData d = data({100, 200, 300, 400});
        d.target = 350;
        QImage image(800, 500, QImage::Format_RGB32);
        QPainter painter(&image);
        const RectF f = paintChart3D(painter, image.rect(), d, {}).bars.back().front;
        painter.end();
        int red = 0, blank = 0;
        for (int y = int(f.top) + 2; y < int(f.top + f.height) - 2; ++y)
            for (int x = int(f.left) + 2; x < int(f.left + f.width) - 2; ++x) {
                red += image.pixel(x, y) == ChartLook{}.targetPen().color().rgb();
                blank += image.pixel(x, y) == qRgb(255, 255, 255);
            }
        QVERIFY(red > f.width / 3 && blank == 0);
    }

    void pictureGoesOnALandscapePdfPage() {
        QTemporaryDir dir;
        const QImage chart = renderChart(data({1, 2, 3}), true, QSize(635, 393))
                                 .convertToFormat(QImage::Format_ARGB32);
        const auto* bits = reinterpret_cast<const std::uint32_t*>(chart.constBits());
        {
            auto printer = QtPrinter::toPdf(dir.filePath("g.pdf"));
            QVERIFY(printer->printImage(
                {chart.width(), chart.height(), {bits, bits + chart.width() * chart.height()}}));
            printer->endDocument();
        }
        QFile file(dir.filePath("g.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.contains("/MediaBox [0 0 792.000000 612.000000]")); // Letter, landscape
        QCOMPARE(QString(pdf).count(QRegularExpression("/Type /Page\\s")), 1);
    }
};

PECUNEX_QTEST_MAIN(TestGraphsWindow)
#include "test_graphs_window.moc"
