// Saving and opening mortgage and loan files through the worksheet, and the printout of
// an opened file against the reference printouts.
#include <QDir>
#include <QFile>
#include <QRadioButton>

#include "FailingSaves.h"
#include "MortgageTestSupport.h"
#include "QtTestMain.h"

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
} // namespace

class TestMortgageFiles : public QObject {
    Q_OBJECT
  private slots:
    // Opened in the worksheet and printed, the reference files give their printouts byte for byte.
    void openedReferenceFilesPrintTheReferenceText_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("font");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("header");
        QTest::newRow("mortgage, annual totals") << 1 << 0 << "mortgage-20y-annual.umd"
                                                 << "Example: 20-year mortgage, annual totals";
        QTest::newRow("loan, all payments, page breaks") << 2 << 3 << "loan-36m-all.uld"
                                                         << "Example: 36-month loan";
    }
    void openedReferenceFilesPrintTheReferenceText() {
        QFETCH(int, mode);
        QFETCH(int, font);
        QFETCH(QString, name);
        QFETCH(QString, header);
        const QString examples = QStringLiteral(PECUNEX_SOURCE_DIR "/tests/golden/");
        Sheet s(mode);
        s.st().PrinterFontChoice = std::int16_t(font);
        s.ws.scripted.fileNames = {(examples + name).toStdString()};
        s.ws.scripted.headers = {header.toStdString()};
        s.click("MLoadFile");
        s.click("MPrinter");
        QVERIFY(s.messages().empty());
        QCOMPARE(s.ws.capture.documents.size(), size_t{1});
        const QString expected = examples + name.chopped(4) + ".expected.txt";
        QCOMPARE(QByteArray::fromStdString(s.ws.capture.documents.front()), readAll(expected));
    }

    void saveThenOpenGivesTheSameWorksheet() {
        Sheet opened; // opens what a second worksheet saves into its folder
        const QString file = opened.ws.folder.filePath("house.umd");
        QString payment;
        {
            Sheet s;
            s.enter("150000", "6.875", "30");
            s.find<QComboBox>("Comperiod")->setCurrentText("   Semiannual");
            s.find<QComboBox>("FreqPmt")->setCurrentText(" Biweekly(Acc)");
            QTest::mouseClick(s.find("Option2"), Qt::LeftButton);
            s.ws.tables.DaysChoice = 2;
            s.ws.tables.ExtraPayments[2] = {Currency{}, Currency::fromWhole(2),
                                            Currency::fromWhole(2500)};
            s.ws.tables.ExtraPaymentCount = 30;
            s.ws.tables.ExtraPaymentsInUse = 1;
            s.click("MCalc");
            payment = s.label("InMonthPI");
            s.ws.scripted.fileNames = {file.toStdString()};
            s.click("MSaveFile");
            QCOMPARE(s.st().MortgageFileName, std::string("house.umd"));
        }
        opened.ws.scripted.fileNames = {file.toStdString()};
        opened.click("MLoadFile");
        QVERIFY(opened.messages().empty());
        QCOMPARE(opened.shown(), QString("     $150,000.00|         6.875%|              30"));
        QCOMPARE(opened.find<QComboBox>("Comperiod")->currentText() +
                     opened.find<QComboBox>("FreqPmt")->currentText(),
                 QString("   Semiannual Biweekly(Acc)"));
        QVERIFY(opened.find<QRadioButton>("Option2")->isChecked() &&
                opened.ws.tables.DaysInYear == 364.0f);
        QVERIFY(opened.ws.tables.ExtraPayments[2][2] == Currency::fromWhole(2500) &&
                opened.ws.tables.ExtraPaymentsInUse == 1);
        QCOMPARE(opened.label("InMonthPI"), payment); // calculated again
    }

    // A disk that fills up during the save: the old file stays byte for byte, nothing is left
    // beside it, and the worksheet says the file could not be saved (37 mortgage, 38 loan).
    void aFailedSaveKeepsTheOldFileAndSaysSo_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("message");
        QTest::newRow("mortgage") << 1 << "old.umd" << 37;
        QTest::newRow("loan") << 2 << "old.uld" << 38;
    }
    void aFailedSaveKeepsTheOldFileAndSaysSo() {
        QFETCH(int, mode);
        QFETCH(QString, name);
        QFETCH(int, message);
        Sheet s(mode);
        const QByteArray old = "100,5,10,\"      Monthly\",\"      "
                               "Monthly\",\"2027-01-01\",0,1,2,0,0,1,365,\"O\",0\r\n";
        const QString file = writeFile(s.ws.folder.filePath(name), old);
        s.ws.scripted.fileNames = {file.toStdString(), file.toStdString()};
        s.click("MCalc");
        {
            FailingSaves disk(40); // the header record is longer than 40 bytes
            s.click("MSaveFile");
        }
        QCOMPARE(s.messages(), std::vector<int>{message});
        QCOMPARE(readAll(file), old);
        QCOMPARE(QDir(s.ws.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
        s.click("MSaveFile"); // with room on the disk
        QCOMPARE(s.messages(), std::vector<int>{message});
        QVERIFY(readAll(file) != old && readAll(file).startsWith(mode == 1 ? "100000," : "20000,"));
    }

    // Loan files keep the term in years; the worksheet shows months.
    void loanFileKeepsYearsAndShowsMonths() {
        Sheet s(2);
        const std::string file = s.ws.folder.filePath("car.uld").toStdString();
        s.ws.scripted.fileNames = {file, file};
        s.click("MCalc");
        s.click("MSaveFile");
        s.type(s.term(), "24");
        s.click("MLoadFile");
        QCOMPARE(s.term()->currentText().trimmed() + "|" + s.stored(),
                 QString("48|20000|10.125|4"));
    }

    // Cancelled dialogs and unreadable files change nothing; a damaged file keeps the fields
    // read before the fault, and the old schedule no longer fits.
    void cancelledBadAndDamagedFiles() {
        Sheet s;
        s.click("MCalc");
        const QString garbage = writeFile(s.ws.folder.filePath("garbage.umd"), "not,a\n");
        s.ws.scripted.fileNames = {"", "", s.ws.folder.filePath("no/such/x.umd").toStdString(),
                                   s.ws.folder.filePath("missing.umd").toStdString(),
                                   garbage.toStdString()};
        s.click("MSaveFile"); // cancelled
        s.click("MLoadFile"); // cancelled
        QVERIFY(s.messages().empty() && s.st().ScheduleYears > 0);
        s.click("MSaveFile");
        s.click("MLoadFile");
        s.click("MLoadFile");
        QCOMPARE(s.messages(), (std::vector<int>{37, 13, 13}));
        QCOMPARE(s.principal()->text(), QString("   $100,000.00")); // worksheet untouched
        QVERIFY(s.st().MortgageFileName.empty());
        QCOMPARE(QDir(s.ws.folder.path()).entryList(QDir::Files), QStringList{"garbage.umd"});
        s.ws.scripted.fileNames = {
            writeFile(s.ws.folder.filePath("damaged.umd"), "250000,7.5,30,\"  Fortnightly\",")
                .toStdString()};
        s.click("MLoadFile");
        QCOMPARE(s.messages(), (std::vector<int>{37, 13, 13, 13}));
        QCOMPARE(s.stored(), QString("250000|7.5|30"));
        QCOMPARE(s.principal()->text().trimmed(), QString("$250,000.00"));
        QCOMPARE(s.st().ScheduleYears, std::int16_t{0});
    }
};

PECUNEX_QTEST_MAIN(TestMortgageFiles)
#include "test_mortgage_files.moc"
