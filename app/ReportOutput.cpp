#include "ReportOutput.h"

#include <QString>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "PdfPrinter.h"
#include "QtDrawing.h"
#include "SafeSave.h"
#include "TextPrinter.h"

namespace fs = std::filesystem;

namespace {

int cannotWrite(const std::string& what) {
    std::cerr << "pecunex-report: cannot write " << what << "\n";
    return 1;
}

// Draws the printout into a PDF in the printout font through a temporary file beside the
// target, which replaces the target only when complete.
bool writePdf(const std::string& fileName, Paper paper, const std::function<void(Printer&)>& draw) {
    return platform::saveFileThrough(
        QString::fromStdString(fileName), [&](const QString& temporary) {
            auto printer = PdfPrinter::open(temporary.toStdString(), paper);
            if (!printer)
                return false;
            draw(*printer);
            return !printer->failed(); // its own writes and closing checked
        });
}

// Where the program with Qt's drawing is: beside this one in the build tree, in the
// package's own folder of helper programs once installed.
fs::path qtDrawingProgram() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    const fs::path folder = self.parent_path();
    for (const fs::path& candidate :
         {folder / QtDrawingProgram, folder / "../libexec/pecunex" / QtDrawingProgram})
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    return {};
}

// Starts that program in this one's place with the same arguments. Returns only when it
// cannot be started.
int handOver(char** argv) {
    const fs::path program = qtDrawingProgram();
    if (!program.empty())
        execv(program.c_str(), argv);
    std::cerr << "pecunex-report: cannot start " << QtDrawingProgram << "\n";
    return 1;
}

} // namespace

int emitReport(const ReportOutput& output, const OutputRequest& request, char** argv) {
    const bool graph = request.graph.file && output.chart;
    const bool qtPdf = request.pdf && !PdfPrinter::printoutFont();
    const QtDrawing* qt = qtDrawing();
    if ((graph || qtPdf) && !qt)
        return handOver(argv);
    if (graph && !qt->graph(request.graph, *output.chart, argv[0]))
        return cannotWrite(*request.graph.file);
    if (request.pdf && !(qtPdf ? qt->pdf(*request.pdf, request.paper, argv[0], output.print)
                               : writePdf(*request.pdf, request.paper, output.print)))
        return cannotWrite(*request.pdf);
    if (request.csv) {
        std::cout << output.csv();
    } else if (request.text || (!request.pdf && !request.graph.file)) {
        TextPrinter printer;
        output.print(printer);
        std::cout << printer.text();
    }
    std::cout.flush();
    if (!std::cout)
        return cannotWrite("standard output");
    return 0;
}
