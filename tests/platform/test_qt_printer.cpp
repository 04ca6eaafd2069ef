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
// an 80-column footer with the page number. Returns the page length.
int threePageJob(Printer& p, int font) {
    int lines = 0;
    for (int page = 1; page <= 3; ++page) {
        if (page > 1)
            p.newPage();
        lines = printerSetUp(p, font);
        p.print({Tab(2), "No.", Tab(10), "Description", Tab(40), "Amount", Tab(60), "Running"});
        for (int n = 1; n < lines; ++n) {
            p.print({Tab(2), std::to_string(n), Tab(10), "Item " + std::to_string(n)}, true);
            p.print(
                {Tab(40), std::to_string(n * 37) + ".5", Tab(60), std::to_string(n * n * page)});
        }
        p.emptyLine();
        p.print({Tab(1), "Page " + std::to_string(p.page()) + std::string(73, '.') + "|"});
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
    void pdfHasTheColumnsAndPagesOfTheText_data() {
        QTest::addColumn<bool>("own");
        QTest::addColumn<int>("font");
        QTest::addColumn<int>("lines");
        QTest::addColumn<double>("fortyColumns");
        const struct {
            const char* name;
            int font, lines;
            double fortyColumns;
        } table[] = {{"standard font", 0, 53, 240.0},
                     {"Courier New 10", 1, 63, 240.0},
                     {"Courier New 11", 2, 56, 264.0},
                     {"Courier New 12", 3, 51, 288.0}};
        for (const bool own : writers())
            for (const auto& row : table)
                QTest::addRow("%s, %s", own ? "own writer" : "Qt's writer", row.name)
                    << own << row.font << row.lines << row.fortyColumns;
    }
    void pdfHasTheColumnsAndPagesOfTheText() {
        QFETCH(bool, own);
        QFETCH(int, font);
        QFETCH(int, lines);
        QFETCH(double, fortyColumns);
        ownWriter = own;
        TextPrinter text;
        QCOMPARE(threePageJob(text, font), lines);
        const QString pdf =
            printPdf("job.pdf", [&](Printer& p) { QCOMPARE(threePageJob(p, font), lines); });
        QCOMPARE(pageCount(pdf), 3);
        // The reader closes wide gaps unless told the cell width: take it from the heading
        // (and tell it a hair less, so that its rounding never puts a word a column short).
        const double cell = (wordLeft(pdf, "Description") - wordLeft(pdf, "No.")) / 8;
        QVERIFY2(qAbs(40 * cell - fortyColumns) < 1, qPrintable(QString::number(cell)));
        QCOMPARE(pagesOf(run("pdftotext",
                             {"-layout", "-fixed", QString::number(cell * 0.999), pdf, "-"})),
                 pagesOf(QString::fromStdString(text.text())));
    }

    // Each line is drawn in one go, yet every run of text must start on its own column of the
    // character grid: left margin + column x cell, the cell the same across the line (read
    // back from the reader's word boxes). Lines with a non-ASCII currency sign and with a
    // character the printout font lacks (drawn through the font fallback) keep the grid too.
    void runsStartOnTheirColumns() {
        const struct {
            const char* name;
            std::vector<std::pair<int, const char*>> runs;
        } lines[] = {
            {"ascii",
             {{1, "2027-01-01"},
              {13, "1,170.15"},
              {25, "84.54"},
              {36, "199,915.46"},
              {50, "12,345.67"},
              {65, "99.01"},
              {79, "|"}}},
            {"pound", {{1, "Total:"}, {36, "\u00a3199,915.46"}, {50, "\u20ac1,170.15"}, {79, "|"}}},
            {"fallback", {{1, "start"}, {13, "A\u4e00B"}, {25, "after"}, {79, "|"}}},
        };
        for (const bool own : writers())
            for (const auto& line : lines) {
                ownWriter = own;
                const QString pdf = printPdf(QString(line.name) + ".pdf", [&](Printer& p) {
                    printerSetUp(p, 1);
                    for (const auto& [column, text] : line.runs)
                        p.print({Tab(column + 1), text}, true);
                    p.print({});
                    p.endDocument();
                });
                const auto& [firstColumn, firstText] = line.runs.front();
                const auto& [lastColumn, lastText] = line.runs.back();
                const double first = wordLeft(pdf, QString::fromUtf8(firstText));
                const double cell = (wordLeft(pdf, lastText) - first) / (lastColumn - firstColumn);
                QVERIFY2(cell > 5.9 && cell < 6.1,
                         qPrintable(QString::number(cell))); // Courier: 0.6 x 10 pt
                QVERIFY2(qAbs(first - (18 + firstColumn * cell)) < 0.05,
                         qPrintable(QString::number(first)));
                for (const auto& [column, text] : line.runs) {
                    if (QString::fromUtf8(text).contains(QChar(0x4e00)))
                        continue; // its box is the fallback's
                    const double left = wordLeft(pdf, QString::fromUtf8(text));
                    QVERIFY2(qAbs(left - (first + (column - firstColumn) * cell)) < 0.02,
                             qPrintable(QString("%1 %2 at %3").arg(line.name, text).arg(left)));
                }
            }
    }

    // A break at the end leaves no empty page; a page fuller than the sheet runs on to the
    // next (63 lines of 12 points overflow the 756 points a Letter sheet prints on).
    void pagesEndWhereTheSheetDoes() {
        for (const bool own : writers()) {
            ownWriter = own;
            QString pdf = printPdf("trailing.pdf", [](Printer& p) {
                printerSetUp(p, 1);
                p.print({Tab(2), "only page"});
                p.newPage();
                p.endDocument();
            });
            QCOMPARE(pageCount(pdf), 1);
            pdf = printPdf("overfull.pdf", [](Printer& p) {
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
