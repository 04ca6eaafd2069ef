// The desktop program's printout when no printer is installed: a PDF file the user names, on
// the system's paper, the text through the printout font's own writer (pecunex-report's) and
// a picture through Qt's.
#include <QFileDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "PdfPrinter.h"
#include "QtPrinter.h"
#include "QtTestMain.h"

class PdfFilePrinterTest : public QObject {
    Q_OBJECT
  private slots:
    void textAndPictureOnTheSystemsPaper() {
        if (!QPrinterInfo::defaultPrinter().isNull() || !PdfPrinter::printoutFont())
            QSKIP("a printer is installed, or the printout font is not");
        qputenv("PAPERSIZE", "a4");
        const QTemporaryDir folder;
        for (const bool picture : {false, true}) {
            const QString file = folder.filePath(picture ? "picture" : "text"); // ".pdf" added
            QTimer::singleShot(0, [file] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->selectFile(file);
                static_cast<QDialog*>(dialog)->accept();
            });
            std::unique_ptr<Printer> printer = QtPrinterProvider(nullptr).open();
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
            const QString producer = picture ? "Qt" : "Pecunex";
            QVERIFY2(text.contains(QRegularExpression("Producer: +" + producer)) &&
                         text.contains("(A4)"),
                     qPrintable(text));
        }
    }
};

PECUNEX_QTEST_MAIN(PdfFilePrinterTest)
#include "test_pdf_file_printer.moc"
