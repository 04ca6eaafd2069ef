#include "QtDrawing.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "ChartImage.h"
#include "QtPrinter.h"
#include "SafeSave.h"

namespace {

// Qt's start-up chatter (no runtime folder, font cache notes) is not the report's business.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << text.toStdString() << "\n";
}

// A PDF the writer finished ends with its end-of-file marker; a short write (a full disk)
// leaves it without one.
bool pdfComplete(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 6)
        return false;
    file.seek(file.size() - std::min<qint64>(file.size(), 32));
    return file.readAll().contains("%%EOF");
}

// Draws the printout with Qt's PDF writer through a temporary file beside the target, which
// replaces the target only when complete.
bool writeQtPdf(const std::string& fileName, Paper paper, char* argv0,
                const std::function<void(Printer&)>& draw) {
    // The PDF is drawn without a screen, whatever display the caller may have.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietQtMessages);
    int argc = 1;
    char* argv[] = {argv0, nullptr};
    const PdfApplication app(argc, argv);
    return platform::saveFileThrough(QString::fromStdString(fileName),
                                     [&](const QString& temporary) {
                                         auto printer = QtPrinter::toPdf(temporary, paper);
                                         if (!printer)
                                             return false;
                                         draw(*printer);
                                         const bool drawn = !printer->failed();
                                         printer.reset();
                                         return drawn && pdfComplete(temporary);
                                     });
}

} // namespace

const QtDrawing* qtDrawing() {
    static const QtDrawing drawing{writeGraphImage, writeQtPdf};
    return &drawing;
}
