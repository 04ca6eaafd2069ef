// The entry component on three fields as a worksheet has them: an amount ("###,,###.00" in
// 12), a rate (three decimals, "###.000" in 8, kept at 25 at most) and a count ("###" in 4).
#include "NumericEntry.h"
#include "ShellTest.h"

namespace {
struct EntryRow {
    const char* name;
    int index;
    const char *keys, *typed;
    int refused;
    double stored;
    const char* shown;
    bool enter;
};
} // namespace

class NumericEntryTest : public QObject {
    Q_OBJECT
    struct Form {
        ShellState state;
        QWidget window;
        QLineEdit* fields[3];
        NumericEntry* entries[3];
        QPushButton* calculate;
        double stored[3] = {1234.5, 7.5, 25};
    };
    std::unique_ptr<Form> form;
    int beeps = 0;

    QLineEdit* field(int i) { return form->fields[i]; }
    void focus(int i) {
        field(i)->setFocus();
        QTRY_VERIFY(field(i)->hasFocus());
    }
    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }

  private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        platform::setBeepHook([this] { ++beeps; }), beeps = 0;
        form = std::make_unique<Form>();
        Form& f = *form;
        auto* layout = new QVBoxLayout(&f.window);
        const char* texts[] = {"    1,234.50", "   7.500", "  25"};
        NumericEntryConfig configs[3];
        configs[1].decimals = 3, configs[1].pattern = "###.000", configs[1].width = 8;
        configs[2].filter = NumericEntryConfig::Filter::Digit, configs[2].pattern = "###",
        configs[2].width = 4;
        for (int i = 0; i < 3; ++i) {
            layout->addWidget(f.fields[i] = new QLineEdit(texts[i]));
            configs[i].commit = [&f, i](double v) {
                return f.stored[i] = i == 1 && v > 25 ? 25 : v;
            };
            f.entries[i] = new NumericEntry(f.fields[i], f.state, configs[i]);
            if (i)
                f.entries[i - 1]->setNext(f.fields[i]);
        }
        layout->addWidget(f.calculate = new QPushButton("&Calculate"));
        f.window.show();
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.calculate->setFocus(); // each test gives a field the focus
    }
    void cleanup() { form.reset(); }

    // Focus selects all and empties the clipboard; then typing and Tab (or Enter): the text
    // meanwhile, the beeps, the value stored once, the text shown, and where the focus goes.
    void typeAndLeave_data() {
        const EntryRow rows[] = {
            {"the first key replaces the figure", 0, "78", "78", 0, 78, "       78.00", false},
            {"Enter is swallowed and moves on", 0, "5", "5", 0, 5, "        5.00", true},
            {"a refused first key empties it too", 0, "x", "", 1, 0, "         .00", false},
            {"two decimals at most, backspace", 0, "7.125\b", "7.1", 1, 7.1, "        7.10", false},
            {"three decimals in the rate", 1, "7.1256", "7.125", 1, 7.125, "   7.125", true},
            {"the field shows what was stored", 1, "30", "30", 0, 25, "  25.000", false},
            {"digits only; Tab goes to the button", 2, "4.-2", "42", 2, 42, "  42", false}};
        addRows(rows);
    }
    void typeAndLeave() {
        QFETCH(EntryRow, row);
        const int index = row.index;
        const QString before = field(index)->text();
        clipboard()->setText("99");
        focus(index);
        QCOMPARE(field(index)->selectedText(), before);
        QVERIFY(clipboard()->text().isEmpty());
        QSignalSpy started(form->entries[index], &NumericEntry::editStarted);
        QSignalSpy committed(form->entries[index], &NumericEntry::committed);
        QTest::keyClicks(field(index), row.keys);
        QCOMPARE(field(index)->text(), row.typed);
        QCOMPARE(beeps, row.refused);
        QCOMPARE(form->state.EditStarted, 1);
        QCOMPARE(started.count(), 1);
        clipboard()->setText("42");
        QTest::keyClick(field(index), row.enter ? Qt::Key_Return : Qt::Key_Tab);
        QTRY_VERIFY(index < 2 ? field(index + 1)->hasFocus() : form->calculate->hasFocus());
        QVERIFY(clipboard()->text().isEmpty());
        QCOMPARE(form->state.EditStarted, 0);
        QCOMPARE(form->stored[index], row.stored);
        QCOMPARE(committed.count(), 1);
        QCOMPARE(field(index)->text(), row.shown);
    }

    // Moving keys, pasting and keys held with Ctrl or Alt change nothing; Tab without typing
    // keeps text and value; Enter in the last field goes nowhere and types nothing.
    void keysThatChangeNothing() {
        focus(0);
        clipboard()->setText("abc");
        for (const QKeyCombination k :
             {QKeyCombination(Qt::Key_Home), QKeyCombination(Qt::Key_Right),
              QKeyCombination(Qt::Key_Shift), Qt::ShiftModifier | Qt::Key_End,
              Qt::ControlModifier | Qt::Key_V, Qt::ShiftModifier | Qt::Key_Insert,
              Qt::AltModifier | Qt::Key_Q, Qt::ControlModifier | Qt::Key_5})
            QTest::keyClick(field(0), k.key(), k.keyboardModifiers());
        QCOMPARE(form->state.EditStarted, 0);
        QTest::keyClick(field(0), Qt::Key_Tab);
        QTRY_VERIFY(field(1)->hasFocus());
        focus(2);
        QTest::keyClick(field(2), Qt::Key_Enter);
        QVERIFY(field(2)->hasFocus());
        QCOMPARE(field(0)->text() + field(2)->text(), QString("    1,234.50  25"));
        QCOMPARE(form->stored[0], 1234.5);
    }

    // A button's accelerator leaves the focus in the field, yet the button sees the new figure.
    void acceleratorSeesTheTypedFigure() {
        double seen = -1;
        focus(0);
        connect(form->calculate, &QPushButton::clicked, this, [&] { seen = form->stored[0]; });
        QTest::keyClicks(field(0), "9");
        QTest::keyClick(field(0), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(seen, 9.0);
        QCOMPARE(field(0)->text(), QString("        9.00"));
    }

    // On a decimal-comma system the comma is the point, and the period key types it.
    void decimalComma() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        focus(0);
        QTest::keyClicks(field(0), "1234,567");
        QCOMPARE(field(0)->text(), QString("1234,56"));
        QTest::keyClick(field(0), Qt::Key_Tab);
        QTRY_COMPARE(form->stored[0], 1234.56);
        QCOMPARE(field(0)->text(), QString("    1.234,56"));
        QTest::keyClicks(field(1), "3.25");
        QCOMPARE(field(1)->text(), QString("3,25"));
    }
};

PECUNEX_SUITE(NumericEntryTest)
#include "test_numeric_entry.moc"
