// The desktop program's printout when no printer is installed: a PDF file the user names, on
// the system's paper, the text through the printout font's own writer (pecunex-report's) and
// a picture through Qt's.
#include <QFileDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "PdfPrinter.h"
#include "QtPrinter.h"
#include "QtTestMain.h"

class PdfFilePrinterTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed: printouts go to it");
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("poppler-utils missing");
    }

    void onTheSystemsPaperThroughTheRightWriter_data() {
        QTest::addColumn<QByteArray>("paper");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("producer");
        QTest::addColumn<QString>("size");
        QTest::newRow("text, A4") << QByteArray("a4") << false << "Pecunex"
                                  << "(A4)";
        QTest::newRow("text, Letter") << QByteArray("letter") << false << "Pecunex"
                                      << "(letter)";
        QTest::newRow("picture, A4") << QByteArray("a4") << true << "Qt"
                                     << "(A4)";
    }
    void onTheSystemsPaperThroughTheRightWriter() {
        QFETCH(QByteArray, paper);
        QFETCH(bool, picture);
        QFETCH(QString, producer);
        QFETCH(QString, size);
        if (!picture && !PdfPrinter::printoutFont())
            QSKIP("printout font not installed");
        qputenv("PAPERSIZE", paper);
        const QTemporaryDir folder;
        const QString file = folder.filePath("printout"); // ".pdf" is added
        QTimer::singleShot(0, [file] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();
        });
        QtPrinterProvider provider(nullptr);
        std::unique_ptr<Printer> printer = provider.open();
        QVERIFY(printer);
        if (picture) {
            QVERIFY(printer->printImage({2, 1, {0xFF000000u, 0xFFFFFFFFu}}));
        } else {
            printerSetUp(*printer, 1);
            printer->print({Tab(2), "Printed"});
        }
        printer->endDocument();
        printer.reset();
        QProcess info;
        info.start("pdfinfo", {file + ".pdf"});
        QVERIFY(info.waitForFinished());
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression("Producer: +" + producer)), qPrintable(text));
        QVERIFY2(text.contains(size), qPrintable(text));
    }
};

PECUNEX_QTEST_MAIN(PdfFilePrinterTest)
#include "test_pdf_file_printer.moc"
