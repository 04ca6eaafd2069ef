// Saving and opening mortgage and loan files through the worksheet, and the printout of
// an opened file against the reference printouts.
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>

#include "Dates.h"
#include "MortgageTestSupport.h"
#include "QtTestMain.h"
#include "SystemLocale.h"

namespace {
QString examples() { return QStringLiteral(PECUNEX_SOURCE_DIR "/../shared/examples"); }

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeText(const QString& path, const QByteArray& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}
} // namespace

class TestMortgageFiles : public QObject {
    Q_OBJECT
private slots:
    void openedReferenceFilesPrintTheReferenceText_data();
    void openedReferenceFilesPrintTheReferenceText();
    void saveThenOpenGivesTheSameWorksheet();
    void loanFileKeepsYearsAndShowsMonths();
    void saveRefusesWithoutASchedule();
    void cancelledDialogsChangeNothing();
    void badNamesAndBadFilesGiveTheirMessages();
    void daysChoiceFourOpensAsTheFullYear();
};

void TestMortgageFiles::openedReferenceFilesPrintTheReferenceText_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("font");
    QTest::addColumn<QString>("header");
    QTest::newRow("mortgage, annual totals") << 1 << "mortgage-20y-annual.umd" << 0
                                             << "Example: 20-year mortgage, annual totals";
    QTest::newRow("loan, all payments, page breaks") << 2 << "loan-36m-all.uld" << 3 << "Example: 36-month loan";
}

void TestMortgageFiles::openedReferenceFilesPrintTheReferenceText() {
    QFETCH(int, mode);
    QFETCH(QString, name);
    QFETCH(int, font);
    QFETCH(QString, header);
    const QString source = examples() + "/" + name;
    if (!QFile::exists(source)) QSKIP("reference printouts not available");
    Sheet s(mode);
    s.ws.shared.PrinterFontChoice = static_cast<std::int16_t>(font);
    const QString copy = s.ws.folder.filePath(name);
    QVERIFY(QFile::copy(source, copy));
    s.ws.scripted.fileNames.push_back(copy.toStdString());
    s.click("MLoadFile");
    QVERIFY(s.ws.scripted.messages().empty());
    QVERIFY(s.ws.shared.ScheduleYears > 0);  // recalculated at once
    QCOMPARE(mode == 1 ? s.ws.shared.MortgageFileName : s.ws.shared.LoanFileName, name.toStdString());

    s.ws.scripted.headers.push_back(header.toStdString());
    s.click("MPrinter");
    QCOMPARE(s.ws.capture.documents.size(), size_t{1});
    const QString expectedName = QString(name).replace(QRegularExpression("\\.u[ml]d$"), ".expected.txt");
    const QByteArray expected = readAll(examples() + "/" + expectedName);
    QCOMPARE(QByteArray::fromStdString(s.ws.capture.documents.front()), expected);
}

void TestMortgageFiles::saveThenOpenGivesTheSameWorksheet() {
    QTemporaryDir keep;  // outlives both worksheets
    const QString file = keep.filePath("house.umd");
    QString payment;
    {
        Sheet s;
        s.type(s.principal(), "150000");
        s.type(s.rate(), "6.875");
        s.type(s.term(), "30");
        s.find<QComboBox>("Comperiod")->setCurrentText("   Semiannual");
        s.find<QComboBox>("FreqPmt")->setCurrentText(" Biweekly(Acc)");
        QTest::mouseClick(s.find<QRadioButton>("Option2"), Qt::LeftButton);
        s.ws.shared.DaysChoice = 2;
        s.ws.shared.ExtraPayments[2] = {Currency{}, Currency::fromWhole(2), Currency::fromWhole(2500)};
        s.ws.shared.ExtraPaymentCount = 30;
        s.ws.shared.ExtraPaymentsInUse = 1;
        s.click("MCalc");
        payment = s.label("InMonthPI");
        s.ws.scripted.fileNames.push_back(file.toStdString());
        s.click("MSaveFile");
        QVERIFY(s.ws.scripted.messages().empty());
        const QByteArray text = readAll(file);
        QVERIFY(text.startsWith("150000,6.875,30,\"   Semiannual\",\" Biweekly(Acc)\","));
        QCOMPARE(text.count('\n'), 1 + 30);  // header and one line per year of the term
        QCOMPARE(s.ws.shared.MortgageFileName, std::string("house.umd"));
        QCOMPARE(s.ws.shared.FileDialogMode, std::int16_t{0});
        QVERIFY(s.ws.shared.ChosenFileName.empty());
    }

    Sheet s;
    s.ws.scripted.fileNames.push_back(file.toStdString());
    s.click("MLoadFile");
    QVERIFY(s.ws.scripted.messages().empty());
    QCOMPARE(s.principal()->text(), QString("     $150,000.00"));
    QCOMPARE(s.rate()->currentText(), QString("         6.875%"));
    QCOMPARE(s.term()->currentText(), QString("              30"));
    QCOMPARE(s.find<QComboBox>("Comperiod")->currentText(), QString("   Semiannual"));
    QCOMPARE(s.find<QComboBox>("FreqPmt")->currentText(), QString(" Biweekly(Acc)"));
    QVERIFY(s.find<QRadioButton>("Option2")->isChecked());
    QCOMPARE(s.ws.shared.DaysChoice, std::int16_t{2});
    QCOMPARE(s.ws.shared.DaysInYear, 364.0f);
    QCOMPARE(s.ws.shared.ExtraPayments[2][2], Currency::fromWhole(2500));
    QCOMPARE(s.ws.shared.ExtraPaymentCount, std::int16_t{30});
    QCOMPARE(s.ws.shared.ExtraPaymentsInUse, std::int16_t{1});
    QVERIFY(s.ws.shared.ScheduleYears > 0);
    QCOMPARE(s.label("InMonthPI"), payment);
}

void TestMortgageFiles::loanFileKeepsYearsAndShowsMonths() {
    Sheet s(2);
    s.type(s.term(), "60");
    s.click("MCalc");
    const QString file = s.ws.folder.filePath("car.uld");
    s.ws.scripted.fileNames.push_back(file.toStdString());
    s.click("MSaveFile");
    const QByteArray text = readAll(file);
    QVERIFY(text.startsWith("20000,10.125,5,"));
    QCOMPARE(text.count('\n'), 1);  // no additional payments: exactly one line
    QCOMPARE(s.ws.shared.FileDialogMode, std::int16_t{0});
    QCOMPARE(s.ws.scripted.calls.front().code, 8);  // the loan save dialog

    Sheet again(2);
    again.ws.scripted.fileNames.push_back(file.toStdString());
    again.click("MLoadFile");
    QCOMPARE(again.ws.scripted.calls.front().code, 7);
    QCOMPARE(again.term()->currentText().trimmed(), QString("60"));
    QCOMPARE(again.ws.shared.LoanInputs[3].toDouble(), 5.0);
}

void TestMortgageFiles::saveRefusesWithoutASchedule() {
    Sheet s;
    s.click("MSaveFile");
    QCOMPARE(s.ws.scripted.messages(), std::vector<int>{15});
    QCOMPARE(s.ws.scripted.calls.size(), size_t{1});  // no file dialog
}

void TestMortgageFiles::cancelledDialogsChangeNothing() {
    Sheet s;
    s.click("MCalc");
    s.ws.scripted.fileNames = {"", ""};
    s.click("MSaveFile");
    s.click("MLoadFile");
    QVERIFY(s.ws.scripted.messages().empty());
    QVERIFY(QDir(s.ws.folder.path()).entryList(QDir::Files).isEmpty());
    QVERIFY(s.ws.shared.ScheduleYears > 0);
    QCOMPARE(s.ws.shared.FileDialogMode, std::int16_t{0});
}

void TestMortgageFiles::badNamesAndBadFilesGiveTheirMessages() {
    for (int mode : {1, 2}) {
        Sheet s(mode);
        s.click("MCalc");
        const QString target = s.ws.folder.filePath("old.umd");
        QVERIFY(writeText(target, "previous"));
        s.ws.scripted.fileNames = {s.ws.folder.filePath("no/such/folder/x.umd").toStdString()};
        s.click("MSaveFile");
        QCOMPARE(s.ws.scripted.messages(), std::vector<int>{mode == 1 ? 37 : 38});
        QVERIFY(s.ws.shared.MortgageFileName.empty() && s.ws.shared.LoanFileName.empty());
        QCOMPARE(readAll(target), QByteArray("previous"));
    }
    Sheet s;
    s.click("MCalc");
    const QString garbage = s.ws.folder.filePath("garbage.umd");
    QVERIFY(writeText(garbage, "not,a\n"));
    s.ws.scripted.fileNames = {s.ws.folder.filePath("missing.umd").toStdString(), garbage.toStdString()};
    s.click("MLoadFile");
    s.click("MLoadFile");
    QCOMPARE(s.ws.scripted.messages(), (std::vector<int>{13, 13}));
    QCOMPARE(s.principal()->text(), QString("   $100,000.00"));  // worksheet untouched
    QVERIFY(s.ws.shared.MortgageFileName.empty());
}

void TestMortgageFiles::daysChoiceFourOpensAsTheFullYear() {
    Sheet s;
    const QString file = s.ws.folder.filePath("four.umd");
    QVERIFY(writeText(file, "90000,5,15,\"      Monthly\",\"      1 Week\",\"2027-03-01\",0,4,2,0,0,1,363,\"O\",0\r\n"));
    s.ws.scripted.fileNames.push_back(file.toStdString());
    s.click("MLoadFile");
    QVERIFY(s.ws.scripted.messages().empty());
    QCOMPARE(s.ws.shared.DaysChoice, std::int16_t{0});
    QCOMPARE(s.ws.shared.DaysInYear, 365.25f);
    QCOMPARE(s.ws.shared.WeekPeriods, 52.17857143);
    QCOMPARE(s.label("InDays"), QString("365.25"));
    QCOMPARE(s.ws.shared.TodayDate, platform::shortDate(dateSerial(2027, 3, 1)));
}

PECUNEX_QTEST_MAIN(TestMortgageFiles)
#include "test_mortgage_files.moc"
