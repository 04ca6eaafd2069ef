// The print model drawn on paper: a job printed to PDF must read back with the very
// columns and pages of the text rendering of the same statements, from Qt's PDF writer (the
// desktop program's) and from the printout font's own (pecunex-report's) alike.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "PdfPrinter.h"
#include "QtPrinter.h"
#include "QtTestMain.h"
#include "TextPrinter.h"

namespace {
// Three full pages shaped like the reports: the page length the font choice gives plus
// the footer lines printed after it, figures at tab columns, a continued statement and
// an 80-column footer with the page number; a break after the last page leaves no empty
// sheet. Returns the page length.
int threePageJob(Printer& p, int font) {
    int lines = 0;
    for (int page = 1; page <= 3; ++page) {
        lines = printerSetUp(p, font);
        p.print({Tab(2), "No.", Tab(10), "Description", Tab(40), "Amount", Tab(60), "Running"});
        for (int n = 1; n < lines; ++n) {
            p.print({Tab(2), std::to_string(n), Tab(10), "Item " + std::to_string(n)}, true);
            p.print(
                {Tab(40), std::to_string(n * 37) + ".5", Tab(60), std::to_string(n * n * page)});
        }
        p.emptyLine();
        p.print({Tab(1), "Page " + std::to_string(p.page()) + std::string(73, '.') + "|"});
        p.newPage();
    }
    p.endDocument();
    return lines;
}

QString run(const QString& program, const QStringList& args) {
    QProcess proc;
    proc.start(program, args);
    return proc.waitForFinished(30000) ? QString::fromUtf8(proc.readAllStandardOutput())
                                       : QString();
}

// Each page's non-empty lines without trailing blanks or the indentation all of them share
// (the PDF reader spaces lines by height and measures columns from the leftmost text).
QList<QStringList> pagesOf(const QString& text) {
    QList<QStringList> pages;
    for (const QString& page : text.split('\f')) {
        QStringList lines = page.split('\n').replaceInStrings(QRegularExpression("\\s+$"), "");
        lines.removeAll(QString());
        qsizetype indent = 1000;
        for (const QString& line : lines)
            indent = qMin(indent, line.indexOf(QRegularExpression("\\S")));
        for (QString& line : lines)
            line.remove(0, indent);
        if (!lines.isEmpty())
            pages << lines;
    }
    return pages;
}

// Sheets in a PDF, blank ones included: the reader ends each with a form feed.
int pageCount(const QString& pdf) {
    return int(run("pdftotext", {pdf, "-"}).count('\f'));
}

// Left edge in points of a word of a PDF, from the reader's boxes.
double wordLeft(const QString& pdf, const QString& word) {
    const QRegularExpression box("<word xMin=\"([0-9.]+)\"[^>]*>" +
                                 QRegularExpression::escape(word) + "</word>");
    return box.match(run("pdftotext", {"-bbox", pdf, "-"})).captured(1).toDouble();
}
} // namespace

class QtPrinterTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    bool ownWriter = false; // the writer printPdf uses
    QString printPdf(const QString& name, const std::function<void(Printer&)>& job) const {
        const QString file = folder.filePath(name);
        if (ownWriter) {
            auto printer = PdfPrinter::open(file.toStdString());
            job(*printer);
            return printer->failed() ? QString() : file;
        }
        job(*QtPrinter::toPdf(file));
        return file;
    }
    // The writers a test runs with: the own one where the printout font is installed.
    std::vector<bool> writers() const {
        if (PdfPrinter::printoutFont())
            return {false, true};
        qWarning("printout font not installed: Qt's PDF writer only");
        return {false};
    }

  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils missing");
    }

    // Each font choice: its page length, Courier's cell of 0.6 of the point size, three
    // sheets, and the same lines and columns as the text rendering.
    // (Forty columns: 40 x 0.6 x 10, 11 and 12 points; the standard font is the 10 point one.)
    void pdfHasTheColumnsAndPagesOfTheText() {
        const struct {
            int font, lines;
            double fortyColumns;
        } table[] = {{0, 53, 240.0}, {1, 63, 240.0}, {2, 56, 264.0}, {3, 51, 288.0}};
        for (const bool own : writers())
            for (const auto& row : table) {
                ownWriter = own;
                TextPrinter text;
                QCOMPARE(threePageJob(text, row.font), row.lines);
                const QString pdf = printPdf(
                    "job.pdf", [&](Printer& p) { QCOMPARE(threePageJob(p, row.font), row.lines); });
                QCOMPARE(pageCount(pdf), 3);
                // The reader closes wide gaps unless told the cell width: take it from the
                // heading (and tell it a hair less, so its rounding never puts a word a
                // column short).
                const double cell = (wordLeft(pdf, "Description") - wordLeft(pdf, "No.")) / 8;
                QVERIFY2(qAbs(40 * cell - row.fortyColumns) < 1, qPrintable(QString::number(cell)));
                QCOMPARE(pagesOf(run("pdftotext", {"-layout", "-fixed",
                                                   QString::number(cell * 0.999), pdf, "-"})),
                         pagesOf(QString::fromStdString(text.text())));
            }
    }
};

PECUNEX_QTEST_MAIN(QtPrinterTest)
#include "test_qt_printer.moc"
