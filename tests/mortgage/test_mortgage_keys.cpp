// Every key of the keyboard, alone and with Shift, Ctrl and Alt, in every editable field of
// the mortgage and loan worksheets and of the dialogs; then a seeded storm of random keys
// over the worksheets' fields. The program must survive each key, and a field must hold
// only what its filter lets in (or what it showed before the key).
#include <QPointer>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <random>

#include "FirstPaymentDateDialog.h"
#include "KeyboardTable.h"
#include "MortgageTestSupport.h"
#include "PersonalizeDialog.h"
#include "PrePayDialog.h"
#include "PrinterHeaderDialog.h"
#include "QtTestMain.h"
#include "RecordNumberDialog.h"
#include "ValueInputDialog.h"

namespace {
const QString Digits = QStringLiteral("0123456789");
const QString Decimal = QStringLiteral("0123456789.");
const Qt::KeyboardModifiers Modifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                           Qt::AltModifier};

struct Field {
    QString name;
    QWidget* window;                 // shown again when a key closed it
    QWidget* focus;                  // what the user clicks into
    std::function<QString()> text;   // what the field holds
    QString admitted;                // the characters its filter lets in; empty: free text
    bool quoteAdmitted = false;      // free text: a double quote too
    std::function<void()> prepare{}; // puts the field back where the user left it
};

bool freeTextChar(QChar c) {
    return c.isPrint() && c != QLatin1Char('"');
}

// The field holds what it showed, a part of it (a deleting key), or admitted characters only.
bool admissible(const Field& f, const QString& before, const QString& after) {
    if (before.contains(after))
        return true;
    for (QChar c : after)
        if (f.admitted.isEmpty() ? !(freeTextChar(c) || (f.quoteAdmitted && c == QLatin1Char('"')))
                                 : !f.admitted.contains(c))
            return false;
    return true;
}

// Rejects any modal dialog a key opened (other than the one under test), as the user would.
class ModalCloser : public QObject {
  public:
    explicit ModalCloser(QWidget* keep = nullptr) : keep_(keep) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* popup = QApplication::activePopupWidget())
                popup->close();
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (modal && modal != keep_)
                modal->reject();
        });
        timer_.start(0);
    }

  private:
    QPointer<QWidget> keep_;
    QTimer timer_;
};

void bringBack(const Field& f) {
    if (auto* popup = QApplication::activePopupWidget())
        popup->close();
    if (!f.window->isVisible() || !f.window->isActiveWindow()) {
        f.window->show();
        QApplication::setActiveWindow(f.window);
        (void)QTest::qWaitForWindowActive(f.window, 1000);
    }
}

// Every key with every modifier, each from a freshly entered field.
QStringList runKeyTable(const Field& f) {
    QStringList faults;
    for (Qt::KeyboardModifiers mods : Modifiers) {
        for (const PcKey& k : pcKeyboard()) {
            bringBack(f);
            f.focus->clearFocus();
            if (f.prepare)
                f.prepare();
            f.focus->setFocus(Qt::MouseFocusReason);
            const QString before = f.text();
            pressKey(f.window, k, mods);
            const QString after = f.text();
            if (!admissible(f, before, after))
                faults << QString("%1: key %2 mods %3: \"%4\" -> \"%5\"")
                              .arg(f.name)
                              .arg(k.key, 0, 16)
                              .arg(int(mods), 0, 16)
                              .arg(before, after);
        }
    }
    return faults;
}

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

unsigned stormSeed() {
    if (const char* fixed = std::getenv("PECUNEX_STORM_SEED"))
        return static_cast<unsigned>(std::strtoul(fixed, nullptr, 10));
    return std::random_device{}();
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
        const unsigned seed = stormSeed();
        qInfo("key storm seed %u", seed);
        std::mt19937 random(seed);
        Sheet mortgage(1), loan(2);
        cancelEverything(mortgage.ws, 25000);
        cancelEverything(loan.ws, 25000);
        ModalCloser closer;
        std::vector<Field> fields = worksheetFields(mortgage, "mortgage");
        for (Field& f : worksheetFields(loan, "loan"))
            fields.push_back(std::move(f));
        const std::vector<PcKey>& keys = pcKeyboard();

        constexpr int Events = 20000;
        const Field* current = nullptr;
        for (int i = 0; i < Events; ++i) {
            if (current == nullptr || random() % 16 == 0)
                current = &fields[random() % fields.size()];
            bringBack(*current);
            if (!current->focus->hasFocus())
                current->focus->setFocus(Qt::MouseFocusReason);
            const PcKey& k = keys[random() % keys.size()];
            pressKey(current->window, k, Modifiers[random() % 4]);
            const QString now = current->text();
            for (QChar c : now)
                QVERIFY2(current->admitted.contains(c),
                         qPrintable(QString("seed %1, event %2: %3 holds \"%4\"")
                                        .arg(seed)
                                        .arg(i)
                                        .arg(current->name, now)));
        }
    }
};

PECUNEX_QTEST_MAIN(TestMortgageKeys)
#include "test_mortgage_keys.moc"
