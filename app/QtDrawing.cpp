#include "QtDrawing.h"

#include <QFile>
#include <QString>
#include <algorithm>

#include "ChartImage.h"
#include "QtPrinter.h"
#include "SafeSave.h"

namespace {

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
    drawWithoutScreen();
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
