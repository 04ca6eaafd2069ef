// The print model drawn on paper: a job printed to PDF must read back with the very
// columns and pages of the text rendering of the same statements.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <string>

#include "QtPrinter.h"
#include "QtTestMain.h"
#include "TextPrinter.h"

namespace {

// A three-page statement in the shape of the reports: a set-up line, a header at column
// 2, figures at tab columns, a footer with the page number, and a continued statement.
void threePageJob(Printer& p, int fontChoice) {
    for (int page = 1; page <= 3; ++page) {
        if (page > 1) p.newPage();
        printerSetUp(p, fontChoice);
        p.print({Tab(2), "Household statement"});
        p.print({Tab(2), "No.", Tab(10), "Description", Tab(40), "Amount", Tab(60), "Running"});
        for (int row = 1; row <= 20; ++row) {
            const int n = (page - 1) * 20 + row;
            const std::string amount = std::to_string(n * 37) + "." + std::to_string(10 + n % 90);
            p.print({Tab(2), std::to_string(n), Tab(10), "Item " + std::to_string(n)}, true);
            p.print({Tab(40), amount, Tab(60), std::to_string(n * n)});
        }
        p.emptyLine();
        p.print({Tab(40), "Page " + std::to_string(p.page())});
    }
    p.endDocument();
}

QString run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The printed lines of each page: trailing blanks dropped, empty lines left out (the PDF
// reader spaces lines by their height, not by count), and the indentation that every line
// of a page shares removed, since the reader measures columns from the leftmost text.
QList<QStringList> pagesOf(const QString& text) {
    QList<QStringList> pages;
    for (const QString& page : text.split(QLatin1Char('\f'))) {
        QStringList lines;
        for (QString line : page.split(QLatin1Char('\n'))) {
            line.remove(QRegularExpression("\\s+$"));
            if (!line.isEmpty()) lines << line;
        }
        if (lines.isEmpty()) continue;
        qsizetype indent = lines.first().size();
        for (const QString& line : lines) {
            qsizetype i = 0;
            while (i < line.size() && line[i] == QLatin1Char(' ')) ++i;
            indent = qMin(indent, i);
        }
        for (QString& line : lines) line.remove(0, indent);
        pages << lines;
    }
    return pages;
}

int pageCount(const QString& pdf) {
    const QRegularExpression pages("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption);
    const auto match = pages.match(run("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Left edges (in points) of the words of a PDF page, by word, from the reader's boxes.
QMap<QString, double> wordLefts(const QString& pdf) {
    QMap<QString, double> lefts;
    const QString html = run("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression word("<word xMin=\"([0-9.]+)\"[^>]*>([^<]+)</word>");
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        lefts.insert(m.captured(2), m.captured(1).toDouble());
    }
    return lefts;
}

} // namespace

class QtPrinterTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    QString pdfPath(const QString& name) const { return QDir(folder.path()).absoluteFilePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        // To look at the pages by eye, keep them: PECUNEX_KEEP_TEST_FILES=1.
        if (!qEnvironmentVariableIsEmpty("PECUNEX_KEEP_TEST_FILES")) {
            folder.setAutoRemove(false);
            qInfo("PDF files kept in %s", qPrintable(folder.path()));
        }
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
            QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    }

    // Same statements, same pages and columns on paper as in the text rendering.
    void pdfMatchesText_data() {
        QTest::addColumn<int>("fontChoice");
        QTest::newRow("standard font") << 0;
        QTest::newRow("10 pt") << 1;
        QTest::newRow("12 pt") << 3;
    }
    void pdfMatchesText() {
        QFETCH(int, fontChoice);
        TextPrinter text;
        threePageJob(text, fontChoice);

        const QString pdf = pdfPath(QString("job%1.pdf").arg(fontChoice));
        {
            auto printer = QtPrinter::toPdf(pdf);
            threePageJob(*printer, fontChoice);
        }
        QCOMPARE(pageCount(pdf), 3);
        // The reader guesses columns from text statistics and closes wide gaps unless told
        // the cell width; take it from the heading, whose words stand at columns 2 and 10.
        const auto lefts = wordLefts(pdf);
        QVERIFY(lefts.contains("No.") && lefts.contains("Description"));
        const double cell = (lefts["Description"] - lefts["No."]) / 8;
        QVERIFY2(cell > 5 && cell < 8, qPrintable(QString::number(cell)));
        const QString read = run("pdftotext", {"-layout", "-fixed", QString::number(cell), pdf, "-"});
        QVERIFY(!read.isEmpty());
        const QList<QStringList> printed = pagesOf(read);
        const QList<QStringList> expected = pagesOf(QString::fromStdString(text.text()));
        QCOMPARE(printed.size(), 3);
        for (int page = 0; page < 3; ++page) QCOMPARE(printed[page], expected[page]);
    }

    // Courier New's cell is 0.6 of the point size (Liberation Mono keeps its metrics):
    // 40 columns span 240, 264 and 288 points at 10, 11 and 12 points.
    void fontSizeByChoice_data() {
        QTest::addColumn<int>("fontChoice");
        QTest::addColumn<double>("fortyColumns");
        QTest::newRow("10 pt") << 1 << 240.0;
        QTest::newRow("11 pt") << 2 << 264.0;
        QTest::newRow("12 pt") << 3 << 288.0;
    }
    void fontSizeByChoice() {
        QFETCH(int, fontChoice);
        QFETCH(double, fortyColumns);
        const QString pdf = pdfPath(QString("size%1.pdf").arg(fontChoice));
        {
            auto printer = QtPrinter::toPdf(pdf);
            QCOMPARE(printerSetUp(*printer, fontChoice), fontChoice == 1 ? 63 : fontChoice == 2 ? 56 : 51);
            printer->print({Tab(1), "Left", Tab(41), "Right"});
            printer->endDocument();
        }
        const auto lefts = wordLefts(pdf);
        QVERIFY(lefts.contains("Left") && lefts.contains("Right"));
        QVERIFY2(qAbs(lefts["Right"] - lefts["Left"] - fortyColumns) < 0.5,
                 qPrintable(QString::number(lefts["Right"] - lefts["Left"])));
        const QString fonts = run("pdffonts", {pdf});
        if (!fonts.isEmpty()) QVERIFY2(fonts.contains("LiberationMono") || fonts.contains("Courier"), qPrintable(fonts));
    }

    // A report's fullest page (its page length plus the few footer lines printed after the
    // count is reached) of 80 columns fits one sheet at every font size.
    void fullPageFitsSheet_data() {
        QTest::addColumn<int>("fontChoice");
        QTest::newRow("standard font") << 0;
        QTest::newRow("10 pt") << 1;
        QTest::newRow("11 pt") << 2;
        QTest::newRow("12 pt") << 3;
    }
    void fullPageFitsSheet() {
        QFETCH(int, fontChoice);
        const QString pdf = pdfPath(QString("full%1.pdf").arg(fontChoice));
        const std::string eighty = "A" + std::string(78, '-') + "Z";
        {
            auto printer = QtPrinter::toPdf(pdf);
            const int lines = printerSetUp(*printer, fontChoice);
            for (int i = 1; i < lines + 3; ++i) printer->print({eighty});
            printer->endDocument();
        }
        QCOMPARE(pageCount(pdf), 1);
        const QString read = run("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(read.contains(QString::fromStdString(eighty)));
    }

    // A page break as the last statement leaves no empty page behind.
    void noEmptyTrailingPage() {
        const QString pdf = pdfPath("trailing.pdf");
        {
            auto printer = QtPrinter::toPdf(pdf);
            printerSetUp(*printer, 1);
            printer->print({Tab(2), "only page"});
            printer->newPage();
            printer->endDocument();
        }
        QCOMPARE(pageCount(pdf), 1);
    }

    // A page longer than the sheet runs on to the next sheet instead of off the paper.
    void overlongPageRunsOn() {
        const QString pdf = pdfPath("long.pdf");
        {
            auto printer = QtPrinter::toPdf(pdf);
            printerSetUp(*printer, 3);
            for (int i = 1; i <= 120; ++i) printer->print({Tab(2), "line " + std::to_string(i)});
            printer->endDocument();
        }
        QVERIFY(pageCount(pdf) >= 2);
        const QString read = run("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(read.contains("line 1\n"));
        QVERIFY(read.contains("line 120"));
    }

    // A PDF that cannot be written fails quietly: the set-up falls back to 53 lines.
    void unwritablePdf() {
        auto printer = QtPrinter::toPdf(pdfPath("no/such/folder/out.pdf"));
        QCOMPARE(printerSetUp(*printer, 2), 53);
        printer->print({Tab(2), "lost"});
        printer->endDocument();
        QVERIFY(!QFile::exists(pdfPath("no/such/folder/out.pdf")));
    }

    // Without an installed printer the user names a PDF file; ".pdf" is added when the
    // name lacks it, and cancelling hands out no printer.
    void pdfWhenNoPrinter_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "statement" << "statement.pdf";
        QTest::newRow("other extension") << "statement.txt" << "statement.txt.pdf";
        QTest::newRow("extension typed") << "Statement.PDF" << "Statement.PDF";
        QTest::newRow("cancelled") << "" << "";
    }
    void pdfWhenNoPrinter() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a system printer is installed here");
        QWidget parent;
        QtPrinterProvider provider(&parent);
        bool dialogSeen = false, nativeDialog = true;
        QStringList filters;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialogSeen = true;
            nativeDialog = !dialog->testOption(QFileDialog::DontUseNativeDialog);
            filters = dialog->nameFilters();
            if (typed.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(folder.path());
            auto* box = dialog->findChild<QLineEdit*>("fileNameEdit");
            box->setText(typed);
            QTest::keyClick(box, Qt::Key_Return);
            if (dialog->isVisible()) dialog->reject();
        });
        std::unique_ptr<Printer> printer = provider.open();
        QVERIFY(dialogSeen);
        QVERIFY(!nativeDialog);
        QCOMPARE(filters, QStringList{"PDF (*.pdf)"});
        if (written.isEmpty()) {
            QVERIFY(printer == nullptr);
            return;
        }
        QVERIFY(printer != nullptr);
        printerSetUp(*printer, 1);
        printer->print({Tab(2), "to file"});
        printer->endDocument();
        printer.reset();
        QVERIFY(QFile::exists(pdfPath(written)));
        QCOMPARE(pageCount(pdfPath(written)), 1);
    }
};

PECUNEX_QTEST_MAIN(QtPrinterTest)
#include "test_qt_printer.moc"
