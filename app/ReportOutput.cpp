#include "ReportOutput.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "ChartImage.h"
#include "PdfPrinter.h"
#include "QtPrinter.h"
#include "SafeSave.h"
#include "TextPrinter.h"

namespace {

int cannotWrite(const std::string& what) {
    std::cerr << "pecunex-report: cannot write " << what << "\n";
    return 1;
}

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

// Draws the printout into a PDF through a temporary file beside the target, which replaces
// the target only when complete. The printout font's own PDF writer needs no application
// object; without that font, Qt's writer and font service find another.
bool writePdf(const std::string& fileName, char* argv0, const std::function<void(Printer&)>& draw) {
    return platform::saveFileThrough(
        QString::fromStdString(fileName), [&](const QString& temporary) {
            if (auto printer = PdfPrinter::open(temporary.toStdString())) {
                draw(*printer);
                return !printer->failed() && pdfComplete(temporary);
            }
            // The PDF is drawn without a screen, whatever display the caller may have.
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            qInstallMessageHandler(quietQtMessages);
            int argc = 1;
            char* argv[] = {argv0, nullptr};
            const PdfApplication app(argc, argv);
            auto printer = QtPrinter::toPdf(temporary);
            if (!printer)
                return false;
            draw(*printer);
            const bool drawn = !printer->failed();
            printer.reset();
            return drawn && pdfComplete(temporary);
        });
}

} // namespace

int emitReport(const ReportOutput& output, const OutputRequest& request, char* argv0) {
    if (request.graph.file && output.chart && !writeGraphImage(request.graph, *output.chart, argv0))
        return cannotWrite(*request.graph.file);
    if (request.pdf && !writePdf(*request.pdf, argv0, output.print))
        return cannotWrite(*request.pdf);
    if (request.csv) {
        std::cout << output.csv();
    } else {
        TextPrinter printer;
        output.print(printer);
        std::cout << printer.text();
    }
    std::cout.flush();
    if (!std::cout)
        return cannotWrite("standard output");
    return 0;
}
