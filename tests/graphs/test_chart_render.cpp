// The charts drawn offscreen: not blank, bars in the right proportions, both forms; the
// picture on a PDF page; the picture files.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <cmath>

#include "ChartImage.h"
#include "QtPrinter.h"
#include "QtTestMain.h"

namespace {

struct Bar {
    int left, right, height;
};

// Runs of columns holding the bar colour, and the bar-coloured height at each run's middle.
std::vector<Bar> barsIn(const QImage& image, QColor colour) {
    std::vector<Bar> bars;
    const QRgb want = colour.rgb();
    auto count = [&](int x) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            n += (image.pixel(x, y) & 0xffffff) == (want & 0xffffff);
        return n;
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

int inkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xffffff) != 0xffffff;
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

QByteArray readAll(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestChartRender : public QObject {
    Q_OBJECT
    static void bothForms() {
        QTest::addColumn<bool>("threeD");
        QTest::newRow("flat") << false;
        QTest::newRow("three-dimensional") << true;
    }

  private slots:
    void barsStandInProportionInBothForms_data() { bothForms(); }
    void barsStandInProportionInBothForms() {
        QFETCH(bool, threeD);
        const ChartLook look;
        const QImage image = renderChart(data({100, 200, 400}), threeD, QSize(600, 400), look);
        QVERIFY(inkPixels(image) > 10000);
        const std::vector<Bar> bars = barsIn(image, look.barColour());
        QCOMPARE(bars.size(), std::size_t{3});
        // Heights 1 : 2 : 4 within a pixel or two of outline.
        QVERIFY2(std::abs(bars[1].height - 2 * bars[0].height) <= 3,
                 qPrintable(QString::number(bars[1].height)));
        QVERIFY2(std::abs(bars[2].height - 4 * bars[0].height) <= 5,
                 qPrintable(QString::number(bars[2].height)));
        QVERIFY(bars[0].height > 40);
        QVERIFY(bars[0].right < bars[1].left && bars[1].right < bars[2].left);
    }

    void fortyBarsAllDrawnAndTheFormsDiffer() {
        std::vector<double> values;
        for (int y = 1; y <= 40; ++y)
            values.push_back(2500.0 * y);
        const ChartLook look;
        const QImage flat = renderChart(data(values), false, QSize(1200, 800), look);
        const QImage deep = renderChart(data(values), true, QSize(1200, 800), look);
        QCOMPARE(barsIn(flat, look.barColour()).size(), std::size_t{40});
        QCOMPARE(barsIn(deep, look.barColour()).size(), std::size_t{40});
        // The 3D form shows top and side faces in their own shades; the flat one has none.
        const QColor side = look.side().color();
        int sidePixels = 0;
        for (int y = 0; y < deep.height(); ++y)
            for (int x = 0; x < deep.width(); ++x)
                sidePixels += deep.pixel(x, y) == side.rgb();
        QVERIFY(sidePixels > 1000);
        QVERIFY(flat != deep);
    }

    void patternsHaveNoColour_data() { bothForms(); }
    void patternsHaveNoColour() {
        QFETCH(bool, threeD);
        ChartLook look;
        look.colour = false;
        const QImage image = renderChart(data({100, 200, 400}), threeD, QSize(600, 400), look);
        int coloured = 0, black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                coloured += c.hsvSaturation() > 30;
                black += (c.rgb() & 0xffffff) == 0;
            }
        QCOMPARE(coloured, 0);
        QVERIFY(black > 3000); // hatching inside the bars
    }

    void pictureGoesOnALandscapePdfPage() {
        QTemporaryDir dir;
        const QString name = dir.filePath("graph.pdf");
        const QImage chart = renderChart(data({1, 2, 3}), true, QSize(635, 393))
                                 .convertToFormat(QImage::Format_ARGB32);
        PrintImage picture{chart.width(), chart.height(), {}};
        for (int y = 0; y < chart.height(); ++y)
            for (int x = 0; x < chart.width(); ++x)
                picture.pixels.push_back(chart.pixel(x, y));
        {
            auto printer = QtPrinter::toPdf(name);
            QVERIFY(printer->printImage(picture));
            printer->endDocument();
        }
        const QByteArray pdf = readAll(name);
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains("/MediaBox [0 0 792.000000 612.000000]")); // Letter, landscape
        QCOMPARE(
            pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
    }

    void pictureFilesArePngAndSvg() {
        QTemporaryDir dir;
        const ChartData d = data({5000, 12000});
        QVERIFY(saveChart(dir.filePath("a.png"), ImageFormat::Png, d, false, QSize(320, 200)));
        const QImage png(dir.filePath("a.png"), "PNG");
        QCOMPARE(png.size(), QSize(320, 200));
        QVERIFY(saveChart(dir.filePath("a.svg"), ImageFormat::Svg, d, true, QSize(320, 200)));
        const QByteArray svg = readAll(dir.filePath("a.svg"));
        QVERIFY(svg.contains("<svg") && svg.contains("</svg>"));
        QVERIFY(svg.contains("Investment value at end of each Year"));
        QVERIFY(
            !saveChart(dir.filePath("missing/a.svg"), ImageFormat::Svg, d, true, QSize(320, 200)));
        QVERIFY(
            !saveChart(dir.filePath("missing/a.png"), ImageFormat::Png, d, true, QSize(320, 200)));
    }
};

PECUNEX_QTEST_MAIN(TestChartRender)
#include "test_chart_render.moc"
