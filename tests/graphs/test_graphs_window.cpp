// The graph window opened from a worksheet in the container, driven by keys and clicks, and
// fitting the container; the charts drawn offscreen, on a PDF page and into picture files.
#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "BudgetWindow.h"
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
struct Program {
    Program() {
        state.ProgramFolder = folder.path().toStdString();
        state.TodayDate = "2027-01-15";
        container = std::make_unique<MdiContainer>(state);
        container->setDialogs(&dialogs);
        container->setPrinters(&printers);
        const auto mortgage = [this](Workspace& w) -> QWidget* {
            return new MortgageWindow(w, tables);
        };
        container->registerWorksheet(Worksheet::Mortgage, mortgage);
        container->registerWorksheet(Worksheet::Loan, mortgage);
        container->registerGraphWindow(
            [](Workspace& w) -> QWidget* { return new GraphsWindow(w); });
        container->show();
        QApplication::setActiveWindow(container.get());
        if (!QTest::qWaitForWindowActive(container.get()))
            qWarning("the container did not become active");
    }
    void calculateAndGraph() {
        container->openWorksheet(Worksheet::Mortgage);
        QTest::mouseClick(inSheet("MCalc"), Qt::LeftButton); // 100,000 over 25 years, monthly
        QTest::mouseClick(inSheet("MGraphs"), Qt::LeftButton);
    }
    std::vector<int> questions() const {
        std::vector<int> codes;
        for (const auto& c : dialogs.calls)
            if (c.kind == "yesNo")
                codes.push_back(c.code);
        return codes;
    }
    QWidget* sheet() const { return container->worksheet(); }
    bool sheetShown() const { return sheet() && worksheetFrame(sheet())->isVisible(); }
    GraphsWindow* graph() const { return qobject_cast<GraphsWindow*>(container->graphWindow()); }
    template <class T = QWidget> T* inSheet(const char* name) const {
        return sheet()->findChild<T*>(name);
    }
    template <class T = QWidget> T* inGraph(const char* name) const {
        return graph()->findChild<T*>(name);
    }

    QTemporaryDir folder;
    ShellState state;
    MortgageTables tables;
    ScriptedDialogs dialogs{state};
    PicturePrinters printers;
    std::unique_ptr<MdiContainer> container;
};

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

// Pixels in an area of a picture that are clearly coloured (not a grey), or of one colour.
int pixels(const QImage& image, QRect area, std::optional<QRgb> only = std::nullopt) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y) | 0xff000000;
            n += only ? c == (*only | 0xff000000) : QColor(c).hsvSaturation() > 60;
        }
    return n;
}

struct Bar {
    int left, right, height;
};

// Runs of columns holding the bar colour, and the bar-coloured height at each run's middle.
std::vector<Bar> barsIn(const QImage& image, QColor colour) {
    std::vector<Bar> bars;
    const auto count = [&](int x) {
        return pixels(image, QRect(x, 0, 1, image.height()), colour.rgb());
    };
    for (int x = 0; x < image.width(); ++x) {
        if (count(x) == 0)
            continue;
        int end = x;
        while (end + 1 < image.width() && count(end + 1) > 0)
            ++end;
        bars.push_back({x, end, count((x + end) / 2)});
        x = end;
    }
    return bars;
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

QByteArray readAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestGraphsWindow : public QObject {
    Q_OBJECT
  private slots:
    void mortgageBalancesBothFormsAndBackToTheSheet() {
        Program p;
        p.container->openWorksheet(Worksheet::Mortgage);
        QTest::mouseClick(p.inSheet("MGraphs"), Qt::LeftButton); // refused until calculated
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
        principal->setFocus(); // the first key typed replaces the entry
        QTest::keyClicks(principal, "100000");

        QTest::mouseClick(p.inSheet("MCalc"), Qt::LeftButton);
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
        QCOMPARE(p.dialogs.messages().size(), std::size_t{2});
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
        QVERIFY(p.dialogs.messages().empty());
        if (colour < 0) {
            QCOMPARE(p.questions(), std::vector<int>{1});
            QVERIFY(p.printers.pictures.empty());
            QCOMPARE(p.printers.ended, 0);
            return;
        }
        QCOMPARE(p.questions(), (std::vector<int>{1, 2}));
        QCOMPARE(p.printers.pictures.size(), std::size_t{1});
        QCOMPARE(p.printers.ended, 1);
        const PrintImage& printed = p.printers.pictures.back();
        // The window at its printing size: 9530 x 5900 twips.
        QCOMPARE(QSize(printed.width, printed.height),
                 QSize(platform::twipsToPixels(9530), platform::twipsToPixels(5900)));
        const QImage image(reinterpret_cast<const uchar*>(printed.pixels.data()), printed.width,
                           printed.height, QImage::Format_ARGB32);
        const int coloured = pixels(image, p.inGraph("Graph1")->geometry() & image.rect());
        if (colour == 6)
            QVERIFY2(coloured > 2000, qPrintable(QString::number(coloured)));
        else
            QCOMPARE(coloured, 0); // black outlines and hatching on white
        QVERIFY(!g->printingInColour());
        QCOMPARE(g->parentWidget()->size(), frameBefore);
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

    // Bars 1 : 2 : 4 apart in both forms, the 3D form with side faces in their own shade; in
    // patterns no colour at all, the bars hatched in black.
    void barsStandInProportion_data() {
        QTest::addColumn<bool>("threeD");
        QTest::addColumn<bool>("colour");
        QTest::newRow("flat") << false << true;
        QTest::newRow("three-dimensional") << true << true;
        QTest::newRow("flat, patterns") << false << false;
        QTest::newRow("three-dimensional, patterns") << true << false;
    }
    void barsStandInProportion() {
        QFETCH(bool, threeD);
        QFETCH(bool, colour);
        ChartLook look;
        look.colour = colour;
        const QImage image = renderChart(data({100, 200, 400}), threeD, QSize(600, 400), look);
        if (!colour) {
            QCOMPARE(pixels(image, image.rect()), 0);
            QVERIFY(pixels(image, image.rect(), qRgb(0, 0, 0)) > 3000); // the hatching
            return;
        }
        const std::vector<Bar> bars = barsIn(image, look.barColour());
        QCOMPARE(bars.size(), std::size_t{3});
        // Heights 1 : 2 : 4 within a pixel or two of outline.
        QVERIFY2(std::abs(bars[1].height - 2 * bars[0].height) <= 3,
                 qPrintable(QString::number(bars[1].height)));
        QVERIFY2(std::abs(bars[2].height - 4 * bars[0].height) <= 5,
                 qPrintable(QString::number(bars[2].height)));
        QVERIFY(bars[0].height > 40);
        QVERIFY(bars[0].right < bars[1].left && bars[1].right < bars[2].left);
        const int side = pixels(image, image.rect(), look.side().color().rgb());
        QVERIFY2(threeD ? side > 1000 : side == 0, qPrintable(QString::number(side)));
        // Forty bars all drawn at the report's size.
        std::vector<double> values;
        for (int y = 1; y <= 40; ++y)
            values.push_back(2500.0 * y);
        QCOMPARE(barsIn(renderChart(data(values), threeD, QSize(1200, 800), look), look.barColour())
                     .size(),
                 std::size_t{40});
    }

    void pictureGoesOnALandscapePdfPage() {
        QTemporaryDir dir;
        const QString name = dir.filePath("graph.pdf");
        const QImage chart = renderChart(data({1, 2, 3}), true, QSize(635, 393))
                                 .convertToFormat(QImage::Format_ARGB32);
        const auto* bits = reinterpret_cast<const std::uint32_t*>(chart.constBits());
        const PrintImage picture{
            chart.width(), chart.height(), {bits, bits + chart.width() * chart.height()}};
        {
            auto printer = QtPrinter::toPdf(name);
            QVERIFY(printer->printImage(picture));
            printer->endDocument();
        }
        const QByteArray pdf = readAll(name);
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains("/MediaBox [0 0 792.000000 612.000000]")); // Letter, landscape
        QCOMPARE(QString(pdf).count(QRegularExpression("/Type /Page\\s")), 1);
    }

    void pictureFilesArePngAndSvg() {
        QTemporaryDir dir;
        const ChartData d = data({5000, 12000});
        QVERIFY(saveChart(dir.filePath("a.png"), ImageFormat::Png, d, false, QSize(320, 200)));
        QCOMPARE(QImage(dir.filePath("a.png"), "PNG").size(), QSize(320, 200));
        QVERIFY(saveChart(dir.filePath("a.svg"), ImageFormat::Svg, d, true, QSize(320, 200)));
        const QByteArray svg = readAll(dir.filePath("a.svg"));
        QVERIFY(svg.contains("<svg") && svg.contains("</svg>"));
        QVERIFY(svg.contains("Investment value at end of each Year"));
        for (const char* missing : {"missing/a.svg", "missing/a.png"})
            QVERIFY(
                !saveChart(dir.filePath(missing),
                           QString(missing).endsWith("svg") ? ImageFormat::Svg : ImageFormat::Png,
                           d, true, QSize(320, 200)));
    }
};

PECUNEX_QTEST_MAIN(TestGraphsWindow)
#include "test_graphs_window.moc"
