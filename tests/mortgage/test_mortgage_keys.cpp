// Every key of the keyboard, alone and with Shift, Ctrl and Alt, in every editable field of
// the mortgage and loan worksheets and of the dialogs; then a seeded storm of random keys
// over the worksheets' fields. The program must survive each key, and a field must hold
// only what its filter lets in (or what it showed before the key).

#include "FirstPaymentDateDialog.h"
#include "KeyStorm.h"
#include "MortgageTestSupport.h"
#include "PersonalizeDialog.h"
#include "PrePayDialog.h"
#include "PrinterHeaderDialog.h"
#include "QtTestMain.h"
#include "RecordNumberDialog.h"
#include "ValueInputDialog.h"

namespace {
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

class TestMortgageKeys : public QObject {
    Q_OBJECT
  private slots:
    void everyKeyInTheWorksheetFields_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("mortgage") << 1;
        QTest::newRow("loan") << 2;
    }
    void everyKeyInTheWorksheetFields() {
        QFETCH(int, mode);
        Sheet s(mode);
        cancelEverything(s.ws, 5000);
        ModalCloser closer;
        QStringList faults;
        for (const Field& f : worksheetFields(s, mode == 1 ? "mortgage" : "loan"))
            faults << runKeyTable(f);
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

PECUNEX_QTEST_MAIN(TestMortgageKeys)
#include "test_mortgage_keys.moc"
