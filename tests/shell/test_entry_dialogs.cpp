// The record-number and value dialogs: what they show, the keys they take, where Enter
// goes and the answers they leave behind.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "ModalDriver.h"
#include "Platform.h"
#include "QtDialogs.h"
#include "QtTestMain.h"
#include "SharedState.h"

namespace {
QPoint twips(int left, int top) {
    return {platform::twipsToPixels(left), platform::twipsToPixels(top)};
}
const QString DeletePromptText = " Type in record number    to delete ";
const QString ChangePromptText = " Type in record number    to change.";
const QString InsertLineText = " Insert a blank line at line      number ";
} // namespace

class EntryDialogsTest : public QObject {
    Q_OBJECT

    QWidget container;
    SharedState state;
    int beeps = 0;

    // Types `keys` into CurVal, then Enter twice: the first moves to OK, the second presses it.
    void typeAndConfirm(QWidget* w, const QString& keys, QString* focusAfterEnter = nullptr) {
        auto* field = child<QLineEdit>(w, "CurVal");
        QVERIFY(field);
        QTest::keyClicks(field, keys);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(w->isVisible());  // Enter in the box never closes the dialog
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        if (focusAfterEnter) *focusAfterEnter = focused->objectName();
        QTest::keyClick(focused, Qt::Key_Return);
    }

private slots:
    void initTestCase() {
        container.move(60, 40);
        container.resize(641, 454);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        platform::setBeepHook([this] { ++beeps; });
    }
    void init() {
        state = SharedState{};
        beeps = 0;
    }

    // What the record-number dialog shows when it opens, and that it uses up SelectedRow.
    void recordDialogOpening_data() {
        QTest::addColumn<int>("deletePrompt");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        QTest::addRow("delete, proposal") << 1 << 12 << DeletePromptText << "12";
        QTest::addRow("change, no proposal") << 0 << 0 << ChangePromptText << "";
        QTest::addRow("any other prompt asks to change") << 2 << 3 << ChangePromptText << "3";
    }
    void recordDialogOpening() {
        QFETCH(int, deletePrompt);
        QFETCH(int, selectedRow);
        QFETCH(QString, label);
        QFETCH(QString, shown);
        state.DeletePrompt = static_cast<std::int16_t>(deletePrompt);
        state.SelectedRow = static_cast<std::int16_t>(selectedRow);
        QtDialogs dialogs(state, &container);
        QString caption, labelText, fieldText, selected, ok, cancel;
        const ModalRun run = runModal([&] { dialogs.recordNumber(); }, [&](QWidget* w) {
            caption = w->windowTitle();
            labelText = child<QLabel>(w, "Label1")->text();
            auto* field = child<QLineEdit>(w, "CurVal");
            fieldText = field->text();
            selected = field->selectedText();
            ok = child<QPushButton>(w, "Accept")->text();
            cancel = child<QPushButton>(w, "NoAccept")->text();
            QTest::mouseClick(child<QPushButton>(w, "NoAccept"), Qt::LeftButton);
        });
        QCOMPARE(run.objectName, QString("InRecNum"));
        QVERIFY(run.closedByDriver);
        QCOMPARE(caption, QString("Input "));
        QCOMPARE(labelText, label);
        QCOMPARE(fieldText, shown);
        QCOMPARE(selected, shown);  // the focus selects the whole proposal
        QCOMPARE(ok, QString("&OK"));
        QCOMPARE(cancel, QString("&Cancel"));
        QCOMPARE(state.SelectedRow, 0);
    }

    // Digits only; the first key replaces the proposal; the answer is the whole number.
    void recordDialogAnswers_data() {
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("refused");
        QTest::addColumn<int>("answer");
        QTest::addRow("typed over the proposal") << 9 << "14" << 0 << 14;
        QTest::addRow("period, letters, minus refused") << 0 << "1.a-2" << 3 << 12;
        QTest::addRow("proposal kept") << 7 << "" << 0 << 7;
        QTest::addRow("emptied") << 7 << "\b" << 0 << 0;
        QTest::addRow("leading zeros") << 0 << "007" << 0 << 7;
        QTest::addRow("larger than any record") << 0 << "99999" << 0 << 32767;
    }
    void recordDialogAnswers() {
        QFETCH(int, selectedRow);
        QFETCH(QString, keys);
        QFETCH(int, refused);
        QFETCH(int, answer);
        state.SelectedRow = static_cast<std::int16_t>(selectedRow);
        state.RecordNumber = -1;
        QtDialogs dialogs(state, &container);
        QString afterEnter;
        const ModalRun run = runModal([&] { dialogs.recordNumber(); }, [&](QWidget* w) {
            if (keys == "\b") QTest::keyClick(child<QLineEdit>(w, "CurVal"), Qt::Key_Backspace);
            typeAndConfirm(w, keys == "\b" ? QString() : keys, &afterEnter);
        });
        QVERIFY(run.closedByDriver);
        QCOMPARE(afterEnter, QString("Accept"));
        QCOMPARE(beeps, refused);
        QCOMPARE(state.RecordNumber, answer);
    }

    void recordDialogCancelled() {
        state.SelectedRow = 4;
        state.RecordNumber = 4;
        QtDialogs dialogs(state, &container);
        runModal([&] { dialogs.recordNumber(); }, [&](QWidget* w) {
            QTest::keyClicks(child<QLineEdit>(w, "CurVal"), "25");
            QTest::keyClick(w, Qt::Key_C, Qt::AltModifier);
            QTRY_VERIFY(!w->isVisible());  // after the button's press animation
        });
        QCOMPARE(state.RecordNumber, 0);

        state.RecordNumber = 4;
        runModal([&] { dialogs.recordNumber(); }, [&](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(state.RecordNumber, 0);
    }

    // Over the first or the second grid by RecordDialogSide, which the dialog then resets;
    // any other side leaves the dialog where the window system put it.
    void recordDialogPlacement_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("layoutClass");
        QTest::addColumn<QPoint>("offsetTwips");
        QTest::addRow("first grid small") << 1 << 6810 << QPoint(550, 4800);
        QTest::addRow("first grid large") << 1 << 8670 << QPoint(1630, 5860);
        QTest::addRow("second grid small") << 2 << 6810 << QPoint(7000, 4800);
        QTest::addRow("second grid large") << 2 << 8670 << QPoint(8050, 5860);
    }
    void recordDialogPlacement() {
        QFETCH(int, side);
        QFETCH(int, layoutClass);
        QFETCH(QPoint, offsetTwips);
        state.RecordDialogSide = static_cast<std::int16_t>(side);
        state.LayoutClass = layoutClass;
        QtDialogs dialogs(state, &container);
        QPoint at;
        runModal([&] { dialogs.recordNumber(); }, [&](QWidget* w) {
            at = w->pos();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        QCOMPARE(at, container.pos() + twips(offsetTwips.x(), offsetTwips.y()));
        QCOMPARE(state.RecordDialogSide, 0);
    }

    void recordDialogWithoutSide() {
        state.RecordDialogSide = 5;
        QtDialogs dialogs(state, &container);
        QPoint at;
        runModal([&] { dialogs.recordNumber(); }, [&](QWidget* w) {
            at = w->pos();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        const QPoint origin = container.pos();
        for (const QPoint offset : {twips(550, 4800), twips(7000, 4800), twips(1630, 5860), twips(8050, 5860)})
            QVERIFY2(at != origin + offset, "placed over a grid without being asked to");
        QCOMPARE(state.RecordDialogSide, 0);
    }

    // The value dialog: digits for a line number (ContextCode 1 or 2), otherwise a figure
    // with at most two decimals; the answer is the text exactly as typed.
    void valueDialogAnswers_data() {
        QTest::addColumn<int>("context");
        QTest::addColumn<int>("selectedRow");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("refused");
        QTest::addColumn<QString>("answer");
        QTest::addRow("asset line") << 1 << 6 << "" << InsertLineText << 0 << "6";
        QTest::addRow("liability line typed") << 2 << 6 << "1.5x" << InsertLineText << 2 << "15";
        QTest::addRow("figure, third decimal refused") << 0 << 0 << "12.345" << QString() << 1 << "12.34";
        QTest::addRow("figure with two periods kept as typed") << 3 << 0 << "1.2." << QString() << 0 << "1.2.";
        QTest::addRow("proposal kept") << 0 << 8 << "" << QString() << 0 << "8";
    }
    void valueDialogAnswers() {
        QFETCH(int, context);
        QFETCH(int, selectedRow);
        QFETCH(QString, keys);
        QFETCH(QString, label);
        QFETCH(int, refused);
        QFETCH(QString, answer);
        state.ContextCode = static_cast<std::int16_t>(context);
        state.SelectedRow = static_cast<std::int16_t>(selectedRow);
        QtDialogs dialogs(state, &container);
        QString caption, labelText, shownAtStart;
        QString afterEnter;
        const ModalRun run = runModal([&] { dialogs.valueInput(); }, [&](QWidget* w) {
            caption = w->windowTitle();
            labelText = child<QLabel>(w, "Label1")->text();
            shownAtStart = child<QLineEdit>(w, "CurVal")->text();
            typeAndConfirm(w, keys, &afterEnter);
        });
        QCOMPARE(run.objectName, QString("FundCurValInput"));
        QVERIFY(run.closedByDriver);
        QCOMPARE(caption, QString("Input "));
        if (!label.isEmpty()) QCOMPARE(labelText, label);
        else QVERIFY(labelText != InsertLineText);
        QCOMPARE(shownAtStart, selectedRow ? QString::number(selectedRow) : QString());
        QCOMPARE(afterEnter, QString("Accept"));
        QCOMPARE(beeps, refused);
        QCOMPARE(QString::fromStdString(state.ValueAnswer), answer);
        QCOMPARE(state.SelectedRow, 0);
    }

    void valueDialogCancelled() {
        state.ContextCode = 1;
        state.SelectedRow = 3;
        state.ValueAnswer = std::string("3");
        QtDialogs dialogs(state, &container);
        runModal([&] { dialogs.valueInput(); }, [&](QWidget* w) {
            QTest::keyClicks(child<QLineEdit>(w, "CurVal"), "12");
            QTest::mouseClick(child<QPushButton>(w, "NoAccept"), Qt::LeftButton);
        });
        QCOMPARE(state.ValueAnswer, std::string());
        QCOMPARE(state.SelectedRow, 0);
    }

    void valueDialogPlacement_data() {
        QTest::addColumn<int>("layoutClass");
        QTest::addColumn<QPoint>("offsetTwips");
        QTest::addRow("small") << 6810 << QPoint(3340, 3450);
        QTest::addRow("large") << 8670 << QPoint(4400, 4490);
    }
    void valueDialogPlacement() {
        QFETCH(int, layoutClass);
        QFETCH(QPoint, offsetTwips);
        state.LayoutClass = layoutClass;
        QtDialogs dialogs(state, &container);
        QPoint at;
        runModal([&] { dialogs.valueInput(); }, [&](QWidget* w) {
            at = w->pos();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        QCOMPARE(at, container.pos() + twips(offsetTwips.x(), offsetTwips.y()));
    }
};

PECUNEX_QTEST_MAIN(EntryDialogsTest)
#include "test_entry_dialogs.moc"
