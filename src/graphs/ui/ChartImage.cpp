#include "ChartImage.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Chart2D.h"
#include "Chart3D.h"
#include "SafeSave.h"

namespace {

void paintChart(QPainter& painter, const QRectF& area, const ChartData& data, bool threeD,
                const ChartLook& look) {
    if (threeD)
        paintChart3D(painter, area, data, look);
    else
        paintChart2D(painter, area, data, look);
}

// Qt's start-up notes (no runtime folder, font cache) are not the report's business.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

void drawWithoutScreen() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietQtMessages);
}

QImage renderChart(const ChartData& data, bool threeD, QSize size, const ChartLook& look) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(look.background());
    QPainter painter(&image);
    paintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), data, threeD, look);
    return image;
}

bool saveChart(const QString& fileName, ImageFormat format, const ChartData& data, bool threeD,
               QSize size, const ChartLook& look) {
    // Drawn into a temporary file beside the target, which replaces it only when complete.
    return platform::saveFileThrough(fileName, [&](const QString& temporary) {
        if (format == ImageFormat::Png)
            return renderChart(data, threeD, size, look).save(temporary, "PNG");
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setResolution(96);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QString::fromStdString(data.title));
        {
            QPainter painter;
            if (!painter.begin(&svg))
                return false;
            paintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), data, threeD, look);
        }
        return file.error() == QFileDevice::NoError && file.flush();
    });
}

bool writeGraphImage(const GraphRequest& request, const ChartData& data, char* argv0) {
    if (!request.file)
        return true;
    std::unique_ptr<QApplication> app;
    if (!QCoreApplication::instance()) {
        drawWithoutScreen();
        static int argc = 1;
        static char* argv[] = {argv0, nullptr};
        app = std::make_unique<QApplication>(argc, argv);
    }
    return saveChart(QString::fromStdString(*request.file), request.format, data, request.threeD,
                     QSize(request.width, request.height));
}
