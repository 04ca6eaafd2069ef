// The print model drawn on paper: a job printed to PDF must read back with the very
// columns and pages of the text rendering of the same statements, from Qt's PDF writer (the
// desktop program's) and from the printout font's own (pecunex-report's) alike.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <utility>
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
                QVERIFY2(qAbs(40 * cell - row.fortyColumns) < 1,
                         qPrintable(QString("font %1, own writer %2: cell %3")
                                        .arg(row.font)
                                        .arg(own)
                                        .arg(cell)));
                QCOMPARE(pagesOf(run("pdftotext", {"-layout", "-fixed",
                                                   QString::number(cell * 0.999), pdf, "-"})),
                         pagesOf(QString::fromStdString(text.text())));
            }
    }

    // Each line is drawn in one go, yet every run of text must start on its own column of the
    // character grid: left margin + column x cell, the cell the same across the line (read
    // back from the reader's word boxes). Lines with non-ASCII currency signs and with a
    // character the printout font lacks (drawn through the font fallback) keep the grid too.
    // Each run stands at its column in the lines below.
    void runsStartOnTheirColumns() {
        const QString lines[] = {
            " 2027-01-01  1,170.15    84.54      199,915.46    12,345.67      99.01         |",
            " Total:                             \u00a3199,915.46   \u20ac1,170.15                 "
            "   |",
            " start       A\u4e00B       after                                                 |"};
        for (const bool own : writers())
            for (const QString& line : lines) {
                ownWriter = own;
                QList<std::pair<int, QString>> runs;
                for (const auto& word : QRegularExpression("\\S+").globalMatch(line))
                    runs << std::pair{int(word.capturedStart()), word.captured()};
                const QString pdf = printPdf("line.pdf", [&](Printer& p) {
                    printerSetUp(p, 1);
                    for (const auto& [column, text] : runs)
                        p.print({Tab(column + 1), text.toStdString()}, true);
                    p.print({});
                    p.endDocument();
                });
                const double first = wordLeft(pdf, runs.front().second);
                const double cell = (wordLeft(pdf, runs.back().second) - first) /
                                    (runs.back().first - runs.front().first);
                QVERIFY2(cell > 5.9 && cell < 6.1,
                         qPrintable(QString::number(cell))); // 0.6 x 10 pt
                QVERIFY2(qAbs(first - (18 + runs.front().first * cell)) < 0.05,
                         qPrintable(QString::number(first)));
                for (const auto& [column, text] : runs) {
                    if (text.contains(QChar(0x4e00)))
                        continue; // its box is the fallback's
                    const double left = wordLeft(pdf, text);
                    QVERIFY2(qAbs(left - (first + (column - runs.front().first) * cell)) < 0.02,
                             qPrintable(QString("%1 at %2").arg(text).arg(left)));
                }
            }
    }

    // A page fuller than the sheet runs on to the next (63 lines of 12 points overflow the
    // 756 points a Letter sheet prints on).
    void anOverfullPageRunsOn() {
        for (const bool own : writers()) {
            ownWriter = own;
            const QString pdf = printPdf("overfull.pdf", [](Printer& p) {
                printerSetUp(p, 3);
                for (int n = 1; n <= 63; ++n)
                    p.print({Tab(2), "line " + std::to_string(n)});
                p.endDocument();
            });
            QCOMPARE(pageCount(pdf), 2);
            // 10 points of the opening line, then 54 lines of 12 points fill the sheet.
            QCOMPARE(run("pdftotext", {"-f", "2", pdf, "-"}).section('\n', 0, 0),
                     QString("line 55"));
        }
    }
};

PECUNEX_QTEST_MAIN(QtPrinterTest)
#include "test_qt_printer.moc"
