// The mortgage and loan worksheet driven like a user: typing figures, calculating,
// switching views, the commands against a field being typed in, its files and printouts,
// and its three small dialogs (additional payments, days in the year, first-payment date).
// Every key of the keyboard, alone and with Shift, Ctrl and Alt, goes into every editable
// field of the worksheets and of the dialogs, then a seeded storm of random keys over the
// worksheets' fields: the program must survive each key, and a field must hold only what its
// filter lets in (or what it showed before the key).
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <tuple>

#include "Colours.h"
#include "DaysInYearDialog.h"
#include "FailingSaves.h"
#include "FirstPaymentDateDialog.h"
#include "Grid.h"
#include "KeyStorm.h"
#include "LocaleCases.h"
#include "MdiContainer.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "PersonalizeDialog.h"
#include "Platform.h"
#include "PrePayDialog.h"
#include "PrinterHeaderDialog.h"
#include "QtDialogs.h"
#include "QtTestMain.h"
#include "RecordNumberDialog.h"
#include "TestWorkspace.h"
#include "ValueInputDialog.h"

// The test workspace with the mortgage planner's tables beside it, as the program keeps them.
struct MortgageWorkspace : TestWorkspace {
    using TestWorkspace::TestWorkspace;
    MortgageTables tables;
};

struct Sheet {
    explicit Sheet(int mode = 1)
        : ws(mode), window(std::make_unique<MortgageWindow>(ws, ws.tables)) {
        activate(window.get());
    }
    template <class T = QWidget> T* find(const char* name) const {
        return window->findChild<T*>(name);
    }
    QLineEdit* principal() const { return find<QLineEdit>("InPrincipal"); }
    QComboBox* rate() const { return find<QComboBox>("InRate"); }
    QComboBox* term() const { return find<QComboBox>("InTerm"); }
    Grid* grid() const { return find<Grid>("MGrid"); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    void click(const char* button) const { QTest::mouseClick(find(button), Qt::LeftButton); }
    // Focus a field, type, and leave it with Tab (the way a user commits a figure).
    void type(QWidget* field, const QString& keys) const {
        QApplication::setActiveWindow(window.get()); // a closed dialog may have taken it
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    void enter(const char* amount, const char* r, const char* t) {
        type(principal(), amount), type(rate(), r), type(term(), t);
    }
    // The three entries as shown and as stored; cells of a grid row; all "|"-separated.
    QString shown() const {
        return principal()->text() + "|" + rate()->currentText() + "|" + term()->currentText();
    }
    QString stored() const {
        QStringList figures;
        for (int i : {1, 2, 3})
            figures << QString::number(ws.tables.LoanInputs[i].toDouble(), 'g', 10);
        return figures.join('|');
    }
    QString cells(int row, int from, int to) const {
        QStringList texts;
        for (int col = from; col <= to; ++col)
            texts << grid()->text(row, col);
        return texts.join('|');
    }
    std::vector<int> messages() const { return ws.scripted.messages(); }
    ShellState& st() { return ws.shared; }

    MortgageWorkspace ws;
    std::unique_ptr<MortgageWindow> window;
};

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
double money(QString text) {
    return text.remove('$').remove(',').trimmed().toDouble();
}
// The spreadsheet PMT formula: P * i / (1 - (1 + i)^-n).
double pmt(double principal, double rate, int n) {
    return principal * rate / (1 - std::pow(1 + rate, -n));
}
void acceptNextModal() {
    QTimer::singleShot(0,
                       [] { static_cast<QDialog*>(QApplication::activeModalWidget())->accept(); });
}
// Types `keys` into a field without leaving it.
void typeInto(Sheet& s, QWidget* field, const QString& keys) {
    QApplication::setActiveWindow(s.window.get());
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), keys);
}
// The additional payments of a loan of `termYears`, with `year4` stored for year 4.
struct PrePay {
    explicit PrePay(double termYears, double year4 = 0, int count = 0, int inUse = 0) {
        ws.tables.ExtraPaymentCount = std::int16_t(count);
        ws.tables.ExtraPaymentsInUse = std::int16_t(inUse);
        ws.tables.LoanInputs[3] = Currency::fromDouble(termYears).value();
        ws.tables.ExtraPayments[4][2] = Currency::fromDouble(year4).value();
        dialog = std::make_unique<PrePayDialog>(ws.shared, ws.tables, &ws.containerWidget);
        activate(dialog.get());
        grid = dialog->findChild<Grid*>("PGrid");
        grid->setFocus();
    }
    // A year's amount as shown and as stored.
    QString at(int y) const {
        return grid->text(y, 1) + "|" +
               QString::number(ws.tables.ExtraPayments[size_t(y)][2].toDouble());
    }
    void type(int row, const QString& keys, Qt::Key end = Qt::Key_Return) const {
        grid->setCurrentCell(row, 1);
        QTest::keyClicks(grid, keys);
        if (end != Qt::Key_unknown)
            QTest::keyClick(grid, end);
    }
    void click(const char* button) const {
        QTest::mouseClick(dialog->findChild<QWidget*>(button), Qt::LeftButton);
    }

    MortgageWorkspace ws;
    std::unique_ptr<PrePayDialog> dialog;
    Grid* grid = nullptr;
};
using storm::Decimal;
using storm::Digits;
using storm::Field;
using storm::ModalCloser;
using storm::runKeyTable;

std::vector<Field> worksheetFields(const Sheet& s, const QString& mode) {
    const QString shown = QStringLiteral(" $,%"); // blanks, symbol, groups and the rate's sign
    return {
        {mode + " InPrincipal", s.window.get(), s.principal(),
         [&s] { return s.principal()->text(); }, Decimal + shown},
        {mode + " InRate", s.window.get(), s.rate(), [&s] { return s.rate()->currentText(); },
         Decimal + shown},
        {mode + " InTerm", s.window.get(), s.term(), [&s] { return s.term()->currentText(); },
         Digits + " "},
    };
}

// Answers every file and header question of the worksheet with Cancel.
void cancelEverything(TestWorkspace& ws, int times) {
    ws.scripted.fileNames.assign(static_cast<size_t>(times), "");
    ws.scripted.headers.assign(static_cast<size_t>(times), "1");
}

} // namespace

class TestMortgageWindow : public QObject {
    Q_OBJECT
  private slots:
    void typedFiguresAreStoredAndShown() {
        Sheet s;
        s.ws.tables.ExtraPayments[3][2] = Currency::fromWhole(1000);
        s.ws.tables.ExtraPaymentsInUse = 1;
        s.enter("250000.5", "7.1256", "45"); // a fourth decimal is refused; over forty years
        QCOMPARE(s.messages(), std::vector<int>{5});
        QCOMPARE(s.shown() + "|" + s.stored(),
                 QString("     $250,000.50|         7.125%|              40|250000.5|7.125|40"));
        QVERIFY(s.ws.tables.ExtraPayments[3][2].isZero() &&
                s.ws.tables.ExtraPaymentsInUse == 0); // erased by the term
        s.principal()->setFocus();
        QTest::keyClick(s.principal(), Qt::Key_Return); // Enter moves principal -> rate -> term
        QVERIFY(s.rate()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(s.term()->hasFocus());

        Sheet loan(2); // loan terms are shown in months and kept in years
        QCOMPARE(
            loan.ws.caption + "|" + loan.shown() + "|" + loan.stored(),
            QString(" Loan Tables|   $20,000.00|         10.125%|            48|20000|10.125|4"));
        const struct {
            const char *typed, *result;
        } terms[] = {{"60", "60|5"}, {"54", "54|4.5"}, {"500", "480|40"}};
        for (const auto& t : terms) {
            loan.type(loan.term(), t.typed);
            QCOMPARE(loan.term()->currentText().trimmed() + "|" + loan.stored().section('|', 2),
                     QString(t.result));
        }
        QCOMPARE(loan.messages(), std::vector<int>{5});
    }

    // The defaults against the spreadsheet PMT (917.53), in both views.
    void bothViewsListEveryPaymentOrYearAndTheTotal() {
        Sheet s;
        s.click("MCalc");
        QCOMPARE(s.label("InMonthPI"), QString("     $917.53"));
        QVERIFY(std::abs(money(s.label("AllPayments")) - 300 * pmt(100000, 0.10125 / 12, 300)) <
                0.05);
        QCOMPARE(s.label("EndMortYear").trimmed() + "|" + s.label("PeriodicR"),
                 QString("25.00|0.0084375"));
        // Typed into yellow boxes, shown on green results.
        QCOMPARE(s.principal()->palette().color(QPalette::Base), colours::EntryBackground);
        QCOMPARE(s.rate()->lineEdit()->palette().color(QPalette::Base), colours::EntryBackground);
        QCOMPARE(s.find<QLabel>("InMonthPI")->palette().color(QPalette::Window),
                 colours::ResultBackground);
        QCOMPARE(s.grid()->rows(), 1 + 300 + 1);
        QCOMPARE(s.cells(0, 0, 0) + s.cells(13, 0, 0) + s.cells(300, 0, 0),
                 QString("  Payment   No.  Year   13   2  300  25"));
        // First month: interest 100,000 * 0.10125 / 12 = 843.75, principal 917.53 - 843.75.
        QCOMPARE(s.cells(1, 1, 3), QString("843.75|73.78|99,926.22"));
        QCOMPARE(s.cells(300, 3, 3), QString(".00"));
        QCOMPARE(s.cells(301, 0, 5), "Total:|||$.00|$" + s.cells(300, 4, 4) + "|$100,000.00");
        acceptNextModal(); // the first-payment date as shown; en-US dates as the program pins
        s.click("MDateNumber");
        s.click("MCalc");
        QCOMPARE(s.cells(0, 0, 0) + "|" + s.cells(1, 0, 0) + "|" + s.cells(13, 0, 0),
                 QString(" Payment  Date|1/15/2027|1/15/2028"));
        s.click("MDateNumber"); // back to numbers without a dialog

        QTest::mouseClick(s.find("Option2"), Qt::LeftButton);
        s.click("MCalc");
        QCOMPARE(s.grid()->rows(), 1 + 25 + 1);
        QCOMPARE(s.cells(0, 0, 0) + "|" + s.cells(25, 0, 0).trimmed() + "|" + s.cells(26, 0, 0),
                 QString(" Payment  Year|25|Total:"));

        // An additional 5,000 in year 2 ends the loan early and is listed below the total.
        s.ws.tables.ExtraPayments[2] = {Currency{}, Currency::fromWhole(2),
                                        Currency::fromWhole(5000)};
        s.ws.tables.ExtraPaymentsInUse = 1;
        s.click("MCalc");
        const int last = s.st().ScheduleYears;
        QVERIFY(last < 25);
        QCOMPARE(s.grid()->rows(), last + 6);
        QCOMPARE(s.cells(last + 1, 0, 0), QString("Total:"));
        QCOMPARE(s.cells(last + 4, 1, 3) + s.cells(last + 5, 1, 2),
                 QString("Additional |Payments  |Applied  Year    2|5,000.00"));
    }

    // Every kind of change empties the schedule and the results: a key in the principal,
    // another payment frequency, a rate from the list, the annual view, additional payments.
    void anyChangeEmptiesTheSchedule() {
        Sheet s;
        const std::function<void()> changes[] = {
            [&] { s.principal()->setFocus(), QTest::keyClick(s.principal(), Qt::Key_5); },
            [&] { s.find<QComboBox>("FreqPmt")->setCurrentIndex(2); },
            [&] {
                s.rate()->setCurrentIndex(s.rate()->findText("7 ")), emit s.rate()->activated(0);
            },
            [&] { QTest::mouseClick(s.find("Option2"), Qt::LeftButton); },
            [&] { acceptNextModal(), s.click("MAddPrePay"); }};
        for (const auto& change : changes) {
            s.click("MCalc");
            QVERIFY(s.grid()->rows() > 2);
            change();
            QVERIFY(s.st().ScheduleYears == 0 && !s.ws.tables.PaymentSchedule.has_value());
            QVERIFY(s.grid()->rows() <= 2 && s.cells(1, 1, 1).isEmpty() &&
                    s.label("InMonthPI").isEmpty());
        }
    }

    // After a change printing, saving and graphing refuse until the next calculation; a rate
    // taken from the list is stored.
    void commandsRefuseAfterAChange() {
        Sheet s;
        s.click("MCalc");
        s.type(s.principal(), "5");
        s.rate()->setCurrentIndex(s.rate()->findText("7 ")), emit s.rate()->activated(0);
        QCOMPARE(s.rate()->currentText() + "|" + s.stored(),
                 QString("         7.000%|5|7|25")); // the list choice
        for (const char* command : {"MPrinter", "MSaveFile", "MGraphs"})
            s.click(command);
        QCOMPARE(s.messages(), (std::vector<int>{1, 15, 2}));
        QCOMPARE(s.ws.scripted.calls.size(), size_t{3}); // no header or file dialog opened
        s.type(s.rate(), "0");                           // a zero rate cannot be calculated
        s.click("MCalc");
        QCOMPARE(s.messages(), (std::vector<int>{1, 15, 2, 3}));
    }

    // A principal beyond the currency range (922,337,203,685,477.5807), or one whose schedule
    // overflows it, is message 3 with no results; a figure in range calculates again.
    void overflowingPrincipalIsMessage3WithoutResults() {
        const struct {
            const char* typed;
            bool calculates;
        } rows[] = {{"999999999999999", false}, {"922337203685477", false}, {"250000", true}};
        Sheet s;
        std::vector<int> expected;
        for (const auto& row : rows) {
            s.type(s.principal(), row.typed);
            s.click("MCalc");
            if (!row.calculates)
                expected.push_back(3);
            QCOMPARE(s.messages(), expected);
            QCOMPARE(s.st().ScheduleYears != 0, row.calculates);
            QCOMPARE(s.grid()->rows() > 2, row.calculates);
            QCOMPARE(s.label("InMonthPI").isEmpty(), !row.calculates);
        }
    }

    // Under other systems' signs the period key types the system's point; entries, results
    // and grid show the system's signs; the saved file is the one saved under the pinned
    // signs; an opened reference file prints its reference printout with the figures in the
    // system's signs.
    void figuresFollowTheSystemLocale() {
        const QString golden = QStringLiteral(PECUNEX_SOURCE_DIR "/tests/golden/");
        const QString printout =
            QString::fromUtf8(readAll(golden + "mortgage-20y-annual.expected.txt"));
        auto saved = [](Sheet& s) {
            s.enter("150000.5", "6.375", "25");
            s.click("MCalc");
            const QString file = s.ws.folder.filePath("plan.umd");
            s.ws.scripted.fileNames = {file.toStdString()};
            s.click("MSaveFile");
            return readAll(file);
        };
        const QByteArray pinned = [&] {
            Sheet s;
            return saved(s);
        }();
        QVERIFY(pinned.startsWith("150000.5,6.375,25,"));
        for (const locales::Case& c : locales::Cases) {
            const locales::Scope scope(c.locale);
            Sheet s;
            QCOMPARE(saved(s), pinned);
            QCOMPARE(s.stored(), QString("150000.5|6.375|25"));
            QCOMPARE(s.shown(), locales::inLocale(
                                    c.locale, "     $150,000.50|         6.375%|              25"));
            // Spreadsheet PMT(0.06375/12, 300, -150000.5) = 1,001.129; first interest P * i =
            // 796.878.
            QCOMPARE(s.label("InMonthPI").trimmed() + "|" + s.cells(1, 1, 3),
                     locales::inLocale(c.locale, "$1,001.13|796.88|204.25|149,796.25"));
            s.ws.scripted.fileNames = {(golden + "mortgage-20y-annual.umd").toStdString()};
            s.ws.scripted.headers = {"Example: 20-year mortgage, annual totals"};
            s.st().PrinterFontChoice = 0;
            s.click("MLoadFile");
            s.click("MPrinter");
            QVERIFY2(s.messages().empty(), c.name);
            QCOMPARE(s.ws.capture.documents.size(), size_t{1});
            QCOMPARE(QString::fromStdString(s.ws.capture.documents.front()),
                     locales::figuresInLocale(c.locale, printout));
        }
    }

    void printingWritesTheScheduleReportAndExitErasesTheTables() {
        Sheet s;
        QTest::mouseClick(s.find("Option2"), Qt::LeftButton);
        s.click("MCalc");
        s.ws.scripted.headers = {"Smith house", "1"}; // the second header dialog is cancelled
        s.click("MPrinter");
        s.click("MPrinter");
        QCOMPARE(s.ws.capture.documents.size(), size_t{1});
        const QString doc = QString::fromStdString(s.ws.capture.documents.front());
        QVERIFY(doc.startsWith("\n Smith house\n") &&
                doc.contains("                               Mortgage Table"));
        QVERIFY(doc.contains(" $100,000.00    10.125%       25"));
        QVERIFY(doc.contains("\n Total:") && doc.contains(s.cells(25, 5, 5)));
        s.click("MGraphs");
        QCOMPARE(s.st().GraphSource, std::int16_t{4});
        s.ws.tables.ExtraPayments[1][2] = Currency::fromWhole(10); // leaving erases the tables
        s.click("MExit");
        QCOMPARE(s.ws.menuShown, 1);
        QVERIFY(!s.ws.tables.PaymentSchedule.has_value() && s.ws.tables.LoanInputs[1].isZero());
        QVERIFY(s.ws.tables.ExtraPayments[1][2].isZero() && !s.window->isVisible());
    }
    // Keys held with Ctrl, Alt or Meta never type into the figure nor start an edit: with the
    // window active or not, a letter no command has (Alt+Q), with quick help open, a digit.
    void modifiedKeysNeverType() {
        const struct {
            Qt::KeyboardModifier modifier;
            Qt::Key key;
            bool active, quickHelp;
        } rows[] = {
            {Qt::AltModifier, Qt::Key_P, true, false},
            {Qt::ControlModifier, Qt::Key_P, true, false},
            {Qt::MetaModifier, Qt::Key_P, true, false},
            {Qt::AltModifier, Qt::Key_Q, true, false},
            {Qt::AltModifier, Qt::Key_P, false, false},
            {Qt::ControlModifier, Qt::Key_P, false, false},
            {Qt::MetaModifier, Qt::Key_P, false, false},
            {Qt::AltModifier, Qt::Key_P, true, true},
            {Qt::AltModifier, Qt::Key_5, false, false},
        };
        for (const auto& row : rows) {
            Sheet s;
            if (row.quickHelp)
                s.click("MHelp");
            QLineEdit* principal = s.principal();
            principal->setFocus(Qt::MouseFocusReason);
            const QString before = principal->text();
            QWidget other;
            if (!row.active) {
                other.show();
                QApplication::setActiveWindow(&other);
            }
            QTest::keyClick(principal, row.key, row.modifier);
            QCOMPARE(principal->text(), before);
            QCOMPARE(s.st().EditStarted, std::int16_t{0});
        }
    }

    // The typed figure is stored, never a list entry it begins like (rates list 10 %, loan
    // terms 24 months; a term of 3 years, not 30, is calculated below).
    void typedFigureIsStoredNotCompleted() {
        for (const auto& [mode, field, typed, stored] :
             {std::tuple{1, "InRate", "1", "100000|1|25"},
              std::tuple{2, "InTerm", "2", "20000|10.125|0.1667"}}) {
            Sheet s(mode);
            s.type(s.find<QComboBox>(field), typed);
            QCOMPARE(s.stored(), QString(stored)); // principal|rate|years
            QCOMPARE(s.find<QComboBox>(field)->currentText().remove('%').toDouble(),
                     QString(typed).toDouble());
        }
    }

    // Hand calculation: 3 years at 10.125 % monthly, PMT(0.0084375, 36, -100000) = 3,232.59.
    void typedTermThenCalculateUsesIt() {
        Sheet s;
        s.type(s.term(), "3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        // An accelerator clicks its button a moment later, as the button shows it pressed.
        QTRY_COMPARE(s.label("InMonthPI").trimmed(), QString("$3,232.59"));
        QCOMPARE(s.grid()->rows(), 1 + 36 + 1);
    }

    // A figure being typed is committed by the accelerator before the command runs.
    // Hand calculation: 8 % a year monthly is 0.00666667 a month; PMT(0.08/12, 300, -100000)
    // = 771.82.
    void acceleratorCommitsTheTypedRate() {
        Sheet s;
        s.click("MCalc");
        QCOMPARE(s.label("PeriodicR"), QString("0.0084375"));
        typeInto(s, s.rate(), "8");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(s.label("PeriodicR") + "|" + s.label("InMonthPI").trimmed(),
                     QString("0.00666667|$771.82"));
        QCOMPARE(s.stored(), QString("100000|8|25"));
        QVERIFY(s.messages().empty());
    }

    // A refused figure stops the command: message 5, the term kept at the limit, no
    // schedule; by accelerator and by mouse alike.
    void refusedTermStopsTheCommand() {
        for (const bool byMouse : {false, true}) {
            Sheet s;
            typeInto(s, s.term(), "45");
            if (byMouse)
                s.click("MCalc");
            else
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
            QCOMPARE(s.messages(), std::vector<int>{5});
            QCOMPARE(s.stored(), QString("100000|10.125|40"));
            QTest::qWait(300); // longer than an accelerator's click takes
            QCOMPARE(s.st().ScheduleYears, std::int16_t{0});
            QVERIFY(s.label("InMonthPI").isEmpty());
            // The next command runs with the figure as stored.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
            QTRY_VERIFY(s.st().ScheduleYears != 0);
            QCOMPARE(s.grid()->rows(), 1 + 480 + 1);
        }
    }

    // With the real message dialog: when it closes, the worksheet is active again and the
    // focus back in the field, so the next accelerator works at once.
    void afterAMessageTheAcceleratorsWork() {
        QTemporaryDir folder;
        ShellState state;
        state.ProgramFolder = folder.path().toStdString();
        state.TodayDate = "2027-01-15";
        MortgageTables tables;
        MdiContainer container(state);
        QtDialogs dialogs(state, &container);
        CapturingPrinters printers;
        container.setDialogs(&dialogs);
        container.setPrinters(&printers);
        container.registerWorksheet(Worksheet::Mortgage, [&](Workspace& w) -> QWidget* {
            return new MortgageWindow(w, tables);
        });
        container.show();
        QApplication::setActiveWindow(&container);
        QVERIFY(QTest::qWaitForWindowActive(&container));
        container.openWorksheet(Worksheet::Mortgage);
        auto* principal = container.worksheet()->findChild<QLineEdit*>("InPrincipal");
        principal->setFocus(Qt::MouseFocusReason);
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
                shown = modal->objectName();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        closer.start(20);
        QTest::keyClick(principal, Qt::Key_P, Qt::AltModifier); // nothing to print: a message
        QTRY_COMPARE(shown, QString("AMsgbox"));
        closer.stop();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&container));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(principal));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(container.worksheet()->findChild<QLabel*>("InMonthPI")->text().trimmed(),
                     QString("$917.53"));
    }
    // Opened in the worksheet and printed, the reference files give their printouts byte for byte.
    void openedReferenceFilesPrintTheReferenceText() {
        const struct {
            int mode, font;
            QString name;
            std::string header;
        } rows[] = {{1, 0, "mortgage-20y-annual.umd", "Example: 20-year mortgage, annual totals"},
                    {2, 3, "loan-36m-all.uld", "Example: 36-month loan"}}; // with page breaks
        const QString examples = QStringLiteral(PECUNEX_SOURCE_DIR "/tests/golden/");
        for (const auto& row : rows) {
            Sheet s(row.mode);
            s.st().PrinterFontChoice = std::int16_t(row.font);
            s.ws.scripted.fileNames = {(examples + row.name).toStdString()};
            s.ws.scripted.headers = {row.header};
            s.click("MLoadFile");
            s.click("MPrinter");
            QVERIFY(s.messages().empty());
            QCOMPARE(s.ws.capture.documents.size(), size_t{1});
            QCOMPARE(QByteArray::fromStdString(s.ws.capture.documents.front()),
                     readAll(examples + row.name.chopped(4) + ".expected.txt"));
        }
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
    void aFailedSaveKeepsTheOldFileAndSaysSo() {
        for (const auto& [mode, name, message] :
             {std::tuple{1, "old.umd", 37}, std::tuple{2, "old.uld", 38}}) {
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
            QCOMPARE(QDir(s.ws.folder.path()).entryList(QDir::Files | QDir::Hidden),
                     QStringList{name});
            s.click("MSaveFile"); // with room on the disk
            QCOMPARE(s.messages(), std::vector<int>{message});
            QVERIFY(readAll(file) != old &&
                    readAll(file).startsWith(mode == 1 ? "100000," : "20000,"));
        }
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
    // A row a year of the term, at least 20 rows; year numbers and stored amounts shown.
    void prePayGridHasARowPerYear() {
        PrePay p(25);
        QCOMPARE(std::pair(p.grid->rows(), int(p.ws.tables.ExtraPaymentCount)), std::pair(26, 25));
        QCOMPARE(p.grid->text(0, 0) + "|" + p.grid->text(0, 1) + "|" + p.grid->text(25, 0) + "|" +
                     p.grid->text(25, 1),
                 QString("Year Number|Amount of Payment|25|.00"));
        QCOMPARE(p.ws.tables.ExtraPayments[25][1], Currency::fromWhole(25));
        QCOMPARE(PrePay(10, 1234.5).grid->text(4, 1), QString("1,234.50"));
        PrePay shortLoan(3);
        QCOMPARE(shortLoan.grid->rows(), 20);
        QCOMPARE(shortLoan.grid->text(3, 0) + "|" + shortLoan.grid->text(4, 0), QString("3|"));
    }

    void prePayTypingEnterAndDelete() {
        PrePay p(25, 1234.5);
        p.type(3, "1500.25", Qt::Key_unknown);
        QCOMPARE(p.at(3), QString("1500.25|0")); // shown as typed, stored on Enter
        QTest::keyClick(p.grid, Qt::Key_Return);
        QCOMPARE(p.at(3), QString("1,500.25|1500.25"));
        QCOMPARE(std::pair(p.grid->currentRow(), p.grid->currentCol()),
                 std::pair(4, 1));       // Enter moves down
        QTest::keyClicks(p.grid, "789"); // typing replaces 1,234.50; Backspace edits
        QTest::keyClick(p.grid, Qt::Key_Backspace);
        QTest::keyClick(p.grid, Qt::Key_Return);
        QCOMPARE(p.at(4), QString("78.00|78"));
        p.type(1, "12.345a-"); // a third decimal, letters and signs are refused
        QCOMPARE(p.at(1), QString("12.34|12.34"));
        p.grid->setCurrentCell(2, 0); // the year column takes no typing
        QTest::keyClicks(p.grid, "5");
        QCOMPARE(p.grid->text(2, 0), QString("2"));
        p.type(5, "900", Qt::Key_unknown); // left without Enter: not stored
        p.grid->setCurrentCell(4, 1);
        QTest::keyClick(p.grid, Qt::Key_Delete);
        QCOMPARE(p.at(5) + "/" + p.at(4), QString(".00|0/.00|0"));
    }

    void prePayOkCountsYearsInUseAndEraseAllClears() {
        PrePay p(25);
        p.type(2, "100");
        p.type(4, "0"); // a zero year does not count
        p.type(9, "100");
        p.click("UsePrePay");
        QCOMPARE(std::pair(int(p.ws.tables.ExtraPaymentsInUse), p.dialog->result()),
                 std::pair(2, int(QDialog::Accepted)));
        PrePay again(25, 1234.5);
        again.ws.tables.ExtraPaymentsInUse = 1;
        again.click("DoNotUse");
        QVERIFY(again.at(4).endsWith("|0")); // erased as the dialog closes
        QVERIFY(again.ws.tables.ExtraPaymentsInUse == 0 && !again.dialog->isVisible());
    }

    // Escape and the title bar's close button leave what the dialogs found: the additional
    // payments (amounts taken with Enter, erased ones, the count and the number in use), the
    // days choice and the first-payment date (a date taken with Enter included).
    void dialogsLeftWithEscapeOrCloseRestoreTheOpeningValues() {
        for (const bool byEscape : {true, false}) {
            PrePay p(25, 1234.5, 7, 1); // the dialog counts 25 years on opening
            QCOMPARE(int(p.ws.tables.ExtraPaymentCount), 25);
            auto before = p.ws.tables.ExtraPayments;
            for (auto& year : before)
                year[1] = Currency{}; // the year numbers it wrote too
            p.type(1, "1000");
            p.type(2, "500.5");
            p.grid->setCurrentCell(4, 1);
            QTest::keyClick(p.grid, Qt::Key_Delete);
            p.type(6, "75", Qt::Key_unknown); // still being typed
            QCOMPARE(p.at(1) + "/" + p.at(4), QString("1,000.00|1000/.00|0"));
            if (byEscape)
                QTest::keyClick(p.grid, Qt::Key_Escape);
            else
                p.dialog->close();
            QVERIFY(!p.dialog->isVisible() && p.dialog->result() == QDialog::Rejected);
            QVERIFY(p.ws.tables.ExtraPayments == before);
            QCOMPARE(
                std::pair(int(p.ws.tables.ExtraPaymentCount), int(p.ws.tables.ExtraPaymentsInUse)),
                std::pair(7, 1));

            MortgageWorkspace& ws = p.ws;
            ws.tables.DaysChoice = 2;
            const DaysInYearSet opening = daysInYearSet(2);
            ws.tables.DaysInYear = opening.daysInYear,
            ws.tables.TwoWeekPeriods = opening.twoWeekPeriods;
            ws.tables.WeekPeriods = opening.weekPeriods;
            DaysInYearDialog days(ws.shared, ws.tables, &ws.containerWidget);
            activate(&days);
            QRadioButton* option = days.findChildren<QRadioButton*>("IRFactor").at(0);
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
            QCOMPARE(ws.tables.DaysChoice, std::int16_t(0)); // taken at once while open
            if (byEscape)
                QTest::keyClick(&days, Qt::Key_Escape);
            else
                days.close();
            QVERIFY(!days.isVisible());
            QCOMPARE(ws.tables.DaysChoice, std::int16_t(2));
            QVERIFY(ws.tables.DaysInYear == 364.0f && ws.tables.TwoWeekPeriods == 26.0 &&
                    ws.tables.WeekPeriods == 52.0);

            ws.shared.TodayDate = "1/15/2027";
            FirstPaymentDateDialog date(ws.shared, ws.scripted, ws.tables.LoanInputs[3],
                                        &ws.containerWidget);
            activate(&date);
            auto* field = date.findChild<QLineEdit*>("InDate");
            field->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(field, "2028-06-30");
            QTest::keyClick(field, Qt::Key_Return); // taken: the focus moves to OK
            QCOMPARE(ws.shared.TodayDate, std::string("6/30/2028"));
            field->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(field, "3/3/2030"); // typed, not yet taken
            if (byEscape)
                QTest::keyClick(field, Qt::Key_Escape);
            else
                date.close();
            QVERIFY(!date.isVisible());
            QCOMPARE(ws.shared.TodayDate, std::string("1/15/2027"));
            QVERIFY(ws.scripted.messages().empty());
        }
    }

    // Each choice sets the days in the year and the two-week and one-week periods.
    // (Hand calculation: days / 14 and days / 7, to the 8 decimals compared.)
    void daysInYearChoiceSetsTheThreeValues() {
        const struct {
            int opening, choice;
            float days;
            double twoWeeks, weeks;
        } rows[] = {{2, 3, 363.0f, 25.92857143, 51.85714286},
                    {2, 0, 365.25f, 26.08928571, 52.17857143},
                    {2, 1, 365.0f, 26.07142857, 52.14285714},
                    {1, 2, 364.0f, 26.0, 52.0}};
        for (const auto& row : rows) {
            MortgageWorkspace ws;
            ws.tables.DaysChoice = std::int16_t(row.opening);
            DaysInYearDialog dialog(ws.shared, ws.tables, &ws.containerWidget);
            const QList<QRadioButton*> options = dialog.findChildren<QRadioButton*>("IRFactor");
            QVERIFY(options.size() == 4 && options.at(row.opening)->isChecked());
            dialog.show();
            QRadioButton* option = options.at(row.choice);
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
            QCOMPARE(ws.tables.DaysChoice, std::int16_t(row.choice));
            QCOMPARE(ws.tables.DaysInYear, row.days);
            QCOMPARE(ws.tables.TwoWeekPeriods, row.twoWeeks);
            QCOMPARE(ws.tables.WeekPeriods, row.weeks);
        }
    }

    // Each dialog at the container's corner plus its offset in twips, by layout class.
    void dialogsPlaceThemselves() {
        const int twips[3][4] = {{4300, 630, 5300, 1650},   // additional payments
                                 {3200, 1700, 4300, 2700},  // days in the year
                                 {4000, 2400, 5000, 3400}}; // first-payment date
        for (int dialog = 0; dialog < 3; ++dialog)
            for (int large = 0; large < 2; ++large) {
                MortgageWorkspace ws;
                ws.tables.LoanInputs[3] = Currency::fromWhole(25);
                ws.shared.LayoutClass = large ? 8670 : 6810;
                ws.containerWidget.setGeometry(60, 40, 641, 454);
                ws.containerWidget.show();
                QVERIFY(QTest::qWaitForWindowExposed(&ws.containerWidget));
                std::unique_ptr<QDialog> shown;
                if (dialog == 0)
                    shown =
                        std::make_unique<PrePayDialog>(ws.shared, ws.tables, &ws.containerWidget);
                else if (dialog == 1)
                    shown = std::make_unique<DaysInYearDialog>(ws.shared, ws.tables,
                                                               &ws.containerWidget);
                else
                    shown = std::make_unique<FirstPaymentDateDialog>(
                        ws.shared, ws.scripted, ws.tables.LoanInputs[3], &ws.containerWidget);
                activate(shown.get());
                QCOMPARE(shown->pos() - ws.containerWidget.pos(),
                         QPoint(platform::twipsToPixels(twips[dialog][2 * large]),
                                platform::twipsToPixels(twips[dialog][2 * large + 1])));
                QVERIFY(!(shown->windowFlags() & Qt::WindowMaximizeButtonHint));
            }
    }

    // A typed date is checked on Enter and on OK: a bad one is reported (message 10) and the
    // old one kept; ISO form is accepted and shown in the short form (en-US here). A date
    // whose last payment of the 30-year term would fall after 9999-12-31 is refused too
    // (from 9970-01-01 the term ends on 10000-01-01: the last payment fits).
    void firstPaymentDateIsCheckedWhenTaken() {
        MortgageWorkspace ws;
        ws.shared.TodayDate = "1/15/2027";
        ws.tables.LoanInputs[3] = Currency::fromWhole(30);
        FirstPaymentDateDialog dialog(ws.shared, ws.scripted, ws.tables.LoanInputs[3],
                                      &ws.containerWidget);
        activate(&dialog);
        auto* field = dialog.findChild<QLineEdit*>("InDate");
        const struct {
            const char *typed, *kept;
            int messages;
        } rows[] = {{"13/45/2027", "1/15/2027", 1},
                    {"9990-01-01", "1/15/2027", 2},
                    {"9970-01-02", "1/15/2027", 3},
                    {"9970-01-01", "1/1/9970", 3},
                    {"2028-06-30", "6/30/2028", 3}};
        for (const auto& row : rows) {
            field->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(field, row.typed); // the first key clears the old date
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(QString::fromStdString(ws.shared.TodayDate) + "|" + field->text(),
                     QString(row.kept) + "|" + row.kept);
            QCOMPARE(ws.scripted.messages(), std::vector<int>(size_t(row.messages), 10));
        }
        QVERIFY(dialog.findChild<QWidget*>("OkExit")->hasFocus());
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(field, "garbage");
        QTest::keyClick(field, Qt::Key_O, Qt::AltModifier); // "&OK" straight from the field
        QTRY_COMPARE(ws.scripted.messages(), std::vector<int>(4, 10));
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(ws.shared.TodayDate, std::string("6/30/2028"));
    }

    void everyKeyInTheWorksheetFields() {
        QStringList faults;
        for (const int mode : {1, 2}) {
            Sheet s(mode);
            cancelEverything(s.ws, 5000);
            ModalCloser closer;
            for (const Field& f : worksheetFields(s, mode == 1 ? "mortgage" : "loan"))
                faults << runKeyTable(f);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void everyKeyInTheDialogFields() {
        MortgageWorkspace ws;
        cancelEverything(ws, 5000);
        ws.tables.LoanInputs[3] = Currency::fromWhole(10);
        QStringList faults;
        auto check = [&](QDialog* dialog, const char* field, const QString& admitted,
                         bool quote = false) {
            ModalCloser closer(dialog);
            activate(dialog);
            QWidget* box = dialog->findChild<QWidget*>(field);
            Field f{QString(dialog->objectName()) + " " + field, dialog, box, {}, admitted, quote};
            if (auto* line = qobject_cast<QLineEdit*>(box))
                f.text = [line] { return line->text(); };
            faults << runKeyTable(f);
        };
        {
            PrinterHeaderDialog header(ws.shared, &ws.containerWidget);
            check(&header, "InFName", {});
        }
        for (int context : {0, 1}) {
            ws.shared.ContextCode = static_cast<std::int16_t>(context);
            ValueInputDialog value(ws.shared, &ws.containerWidget);
            check(&value, "CurVal", context == 0 ? Decimal : Digits);
        }
        {
            RecordNumberDialog record(ws.shared, &ws.containerWidget);
            check(&record, "CurVal", Digits);
        }
        {
            PersonalizeDialog personalize(ws.shared, ws);
            check(&personalize, "InCurrency", {});
            check(&personalize, "InMyName", {});
        }
        {
            FirstPaymentDateDialog date(ws.shared, ws.scripted, ws.tables.LoanInputs[3],
                                        &ws.containerWidget);
            check(&date, "InDate", {}, true); // any text; the date is judged on leaving
        }
        {
            PrePayDialog prePay(ws.shared, ws.tables, &ws.containerWidget);
            auto* grid = prePay.findChild<Grid*>("PGrid");
            ModalCloser closer(&prePay);
            activate(&prePay);
            // The year-1 amount: a formatted figure or typed digits and periods.
            Field f{"MortPrePay PGrid",
                    &prePay,
                    grid,
                    [grid] { return grid->text(1, 1); },
                    Decimal + ",",
                    false,
                    [grid] { grid->setCurrentCell(1, 1); }};
            faults << runKeyTable(f);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Random keys over the six worksheet fields; the seed is printed, and PECUNEX_STORM_SEED
    // replays a run.
    void keyStormOverTheWorksheets() {
        Sheet mortgage(1), loan(2);
        cancelEverything(mortgage.ws, 25000);
        cancelEverything(loan.ws, 25000);
        ModalCloser closer;
        std::vector<Field> fields = worksheetFields(mortgage, "mortgage");
        for (Field& f : worksheetFields(loan, "loan"))
            fields.push_back(std::move(f));
        storm::Plan plan;
        plan.events = 20000;
        const QString fault = storm::run("mortgage and loan", fields, plan, storm::seed());
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

PECUNEX_QTEST_MAIN(TestMortgageWindow)
#include "test_mortgage_window.moc"
