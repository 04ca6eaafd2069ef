#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest/QTest>
#include <memory>

#include "NumericEntry.h"
#include "Platform.h"
#include "QtTestMain.h"
#include "SharedState.h"

// Three fields as a worksheet has them: an amount (two decimals, "###,,###.00" in 12),
// an interest rate (three decimals, "###.000" in 8) and a whole count ("###" in 4).
class NumericEntryTest : public QObject {
    Q_OBJECT

    struct Form {
        SharedState state;
        QWidget window;
        QLineEdit* amount = nullptr;
        QLineEdit* rate = nullptr;
        QLineEdit* count = nullptr;
        QPushButton* calculate = nullptr;
        NumericEntry* amountEntry = nullptr;
        double storedAmount = 1234.5;
        double storedRate = 7.5;
        double storedCount = 25;
        int commits = 0;
    };

    std::unique_ptr<Form> form;
    int beeps = 0;

    void typeInto(QLineEdit* field, const char* keys) { QTest::keyClicks(field, QString::fromLatin1(keys)); }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        beeps = 0;
        platform::setBeepHook([this] { ++beeps; });
        form = std::make_unique<Form>();
        Form& f = *form;
        auto* layout = new QVBoxLayout(&f.window);
        f.amount = new QLineEdit(QStringLiteral("    1,234.50"), &f.window);
        f.rate = new QLineEdit(QStringLiteral("   7.500"), &f.window);
        f.count = new QLineEdit(QStringLiteral("  25"), &f.window);
        for (QLineEdit* e : {f.amount, f.rate, f.count}) layout->addWidget(e);
        f.calculate = new QPushButton(QStringLiteral("&Calculate"), &f.window);
        layout->addWidget(f.calculate);

        NumericEntryConfig amount;
        amount.commit = [&f](double v) { ++f.commits; return f.storedAmount = v; };
        f.amountEntry = new NumericEntry(f.amount, f.state, amount);
        f.amountEntry->setNext(f.rate);

        NumericEntryConfig rate;
        rate.decimals = 3;
        rate.pattern = "###.000";
        rate.width = 8;
        // A rate above 25 is kept at 25: the field shows what was stored.
        rate.commit = [&f](double v) { ++f.commits; return f.storedRate = v > 25 ? 25 : v; };
        (new NumericEntry(f.rate, f.state, rate))->setNext(f.count);

        NumericEntryConfig count;
        count.filter = NumericEntryConfig::Filter::Digit;
        count.pattern = "###";
        count.width = 4;
        count.commit = [&f](double v) { ++f.commits; return f.storedCount = v; };
        new NumericEntry(f.count, f.state, count);

        f.window.show();
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.amount->setFocus();
        QTRY_VERIFY(f.amount->hasFocus());
    }

    void cleanup() {
        form.reset();
        platform::setBeepHook({});
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // --- receiving the focus -------------------------------------------------------------

    void focusSelectsTheFigureAndEmptiesTheClipboard() {
        QGuiApplication::clipboard()->setText(QStringLiteral("99"));
        form->rate->setFocus();
        QTRY_VERIFY(form->rate->hasFocus());
        QCOMPARE(form->rate->selectedText(), QStringLiteral("   7.500"));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QCOMPARE(form->state.EditStarted, std::int16_t{0});
    }

    // --- typing ---------------------------------------------------------------------------

    void firstKeyReplacesTheFigure() {
        QSignalSpy started(form->amountEntry, &NumericEntry::editStarted);
        typeInto(form->amount, "78");
        QCOMPARE(form->amount->text(), QStringLiteral("78"));
        QCOMPARE(form->state.EditStarted, std::int16_t{1});
        QCOMPARE(started.count(), 1);
    }

    void refusedFirstKeyStillEmptiesTheField() {
        typeInto(form->amount, "x");
        QCOMPARE(form->amount->text(), QString());
        QCOMPARE(form->state.EditStarted, std::int16_t{1});
        QCOMPARE(beeps, 1);
    }

    void navigationKeysLeaveTheFigureAlone() {
        QTest::keyClick(form->amount, Qt::Key_Home);
        QTest::keyClick(form->amount, Qt::Key_Right);
        QTest::keyClick(form->amount, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(form->amount, Qt::Key_Shift);
        QCOMPARE(form->amount->text(), QStringLiteral("    1,234.50"));
        QCOMPARE(form->state.EditStarted, std::int16_t{0});
    }

    void twoDecimalsAtMostInAnAmount() {
        typeInto(form->amount, "7.125");
        QCOMPARE(form->amount->text(), QStringLiteral("7.12"));
        QCOMPARE(beeps, 1);
        // A second period is let through; leaving reads the figure up to it.
        QTest::keyClick(form->amount, Qt::Key_Tab);
        QTRY_VERIFY(form->rate->hasFocus());
        typeInto(form->rate, "1.2.");
        QCOMPARE(form->rate->text(), QStringLiteral("1.2."));
        QTest::keyClick(form->rate, Qt::Key_Tab);
        QTRY_VERIFY(form->count->hasFocus());
        QCOMPARE(form->storedRate, 1.2);
        QCOMPARE(form->rate->text(), QStringLiteral("   1.200"));
    }

    void threeDecimalsInTheRateField() {
        form->rate->setFocus();
        QTRY_VERIFY(form->rate->hasFocus());
        typeInto(form->rate, "7.1256");
        QCOMPARE(form->rate->text(), QStringLiteral("7.125"));
        QCOMPARE(beeps, 1);
    }

    void digitFieldRefusesPeriodAndMinus() {
        form->count->setFocus();
        QTRY_VERIFY(form->count->hasFocus());
        typeInto(form->count, "4.-2");
        QCOMPARE(form->count->text(), QStringLiteral("42"));
        QCOMPARE(beeps, 2);
        // Leaving for a button (no entry field) still empties the clipboard.
        QGuiApplication::clipboard()->setText(QStringLiteral("42"));
        QTest::keyClick(form->count, Qt::Key_Tab);
        QTRY_VERIFY(form->calculate->hasFocus());
        QCOMPARE(form->count->text(), QStringLiteral("  42"));
        QCOMPARE(form->storedCount, 42.0);
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void backspaceAndDeletePass() {
        typeInto(form->amount, "123");
        QTest::keyClick(form->amount, Qt::Key_Backspace);
        QTest::keyClick(form->amount, Qt::Key_Home);
        QTest::keyClick(form->amount, Qt::Key_Delete);
        QCOMPARE(form->amount->text(), QStringLiteral("2"));
        QCOMPARE(beeps, 0);
    }

    void pasteCannotBypassTheFilter() {
        QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
        QTest::keyClick(form->amount, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(form->amount, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(form->amount->text(), QStringLiteral("    1,234.50"));
        QCOMPARE(form->state.EditStarted, std::int16_t{0});
    }

    // --- Enter and leaving --------------------------------------------------------------

    void enterIsSwallowedAndMovesOn() {
        typeInto(form->amount, "5");
        QTest::keyClick(form->amount, Qt::Key_Return);
        QTRY_VERIFY(form->rate->hasFocus());
        QCOMPARE(form->amount->text(), QStringLiteral("        5.00"));
        QCOMPARE(form->storedAmount, 5.0);
        QCOMPARE(form->state.EditStarted, std::int16_t{0});
        // Enter in the last field goes nowhere and inserts nothing.
        form->count->setFocus();
        QTRY_VERIFY(form->count->hasFocus());
        QTest::keyClick(form->count, Qt::Key_Enter);
        QVERIFY(form->count->hasFocus());
        QCOMPARE(form->count->text(), QStringLiteral("  25"));
    }

    void tabbingThroughKeepsTextAndValue() {
        QTest::keyClick(form->amount, Qt::Key_Tab);
        QTRY_VERIFY(form->rate->hasFocus());
        QTest::keyClick(form->rate, Qt::Key_Tab);
        QTRY_VERIFY(form->count->hasFocus());
        QCOMPARE(form->amount->text(), QStringLiteral("    1,234.50"));
        QCOMPARE(form->rate->text(), QStringLiteral("   7.500"));
        QCOMPARE(form->commits, 0);
        QCOMPARE(form->storedAmount, 1234.5);
    }

    void leavingReadsTheLeadingNumber() {
        typeInto(form->amount, "1");
        form->amount->setText(QStringLiteral("12.5.1"));
        QTest::keyClick(form->amount, Qt::Key_Tab);
        QTRY_VERIFY(form->rate->hasFocus());
        QCOMPARE(form->storedAmount, 12.5);
        QCOMPARE(form->amount->text(), QStringLiteral("       12.50"));
    }

    void leavingFormatsGroupsAndAligns() {
        typeInto(form->amount, "1234567.5");
        QTest::keyClick(form->amount, Qt::Key_Tab);
        QTRY_VERIFY(form->rate->hasFocus());
        QCOMPARE(form->amount->text(), QStringLiteral("1,234,567.50"));
    }

    void emptiedFieldStoresZero() {
        typeInto(form->amount, "1");
        QTest::keyClick(form->amount, Qt::Key_Backspace);
        QTest::keyClick(form->amount, Qt::Key_Tab);
        QTRY_VERIFY(form->rate->hasFocus());
        QCOMPARE(form->storedAmount, 0.0);
        QCOMPARE(form->amount->text(), QStringLiteral("         .00"));
    }

    void fieldShowsTheValueItStored() {
        form->rate->setFocus();
        QTRY_VERIFY(form->rate->hasFocus());
        QSignalSpy committed(form->rate->findChild<NumericEntry*>(), &NumericEntry::committed);
        typeInto(form->rate, "30");
        QTest::keyClick(form->rate, Qt::Key_Return);
        QTRY_VERIFY(form->count->hasFocus());
        QCOMPARE(form->storedRate, 25.0);
        QCOMPARE(form->rate->text(), QStringLiteral("  25.000"));
        QCOMPARE(committed.count(), 1);
        QCOMPARE(committed.at(0).at(0).toDouble(), 25.0);
    }

    void buttonAcceleratorCommitsTheTypedFigure() {
        // The accelerator clicks the button without taking the focus from the field; the
        // button must still see the figure that was typed.
        double seenByButton = -1;
        connect(form->calculate, &QPushButton::clicked, this, [&] { seenByButton = form->storedAmount; });
        typeInto(form->amount, "9");
        QTest::keyClick(form->amount, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(seenByButton, 9.0);
        QCOMPARE(form->amount->text(), QStringLiteral("        9.00"));
    }

    // --- a decimal-comma system ---------------------------------------------------------

    void decimalCommaSystem() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        typeInto(form->amount, "1234,5");
        QCOMPARE(form->amount->text(), QStringLiteral("1234,5"));
        typeInto(form->amount, "67");  // the third decimal is refused
        QCOMPARE(form->amount->text(), QStringLiteral("1234,56"));
        QTest::keyClick(form->amount, Qt::Key_Tab);
        QTRY_VERIFY(form->rate->hasFocus());
        QCOMPARE(form->storedAmount, 1234.56);
        QCOMPARE(form->amount->text(), QStringLiteral("    1.234,56"));
        // The period key types the system's decimal point.
        typeInto(form->rate, "3.25");
        QCOMPARE(form->rate->text(), QStringLiteral("3,25"));
    }
};

PECUNEX_QTEST_MAIN(NumericEntryTest)
#include "test_numeric_entry.moc"
