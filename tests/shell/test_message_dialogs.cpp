// The message, yes/no and printout-header dialogs, driven through QtDialogs as the
// worksheets use them.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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
} // namespace

class MessageDialogsTest : public QObject {
    Q_OBJECT

    QWidget container;
    SharedState state;
    int beeps = 0;

private slots:
    void initTestCase() {
        container.setWindowTitle("container");
        container.move(140, 90);
        container.resize(641, 454);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        platform::setBeepHook([this] { ++beeps; });
    }
    void init() {
        state = SharedState{};
        beeps = 0;
    }

    // Every message the worksheets show, with the text the user must read.
    void messageTable_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("text");
        const auto row = [](int code, const char* text, const char* detail = "") {
            QTest::addRow("%d", code) << code << QString(detail) << QString(text);
        };
        row(1, "No data to print. Calculate.");
        row(2, "No data to graph. Calculate.");
        row(3, "Wrong or missing entry, try again.");
        row(5, "Wrong entry, 40 Years limit.");
        row(6, "Limit is 22 entries.");
        row(7, "No records to delete.");
        row(8, "Wrong entry.");
        row(10, "Not a valid date, try again.");
        row(13, "File not found or wrong format. Check Filename and/or Directory.");
        row(15, "No records.");
        row(16, "Boxes 1 and 3 must have data.");
        row(17, "Record Number does not exist.");
        row(19, "Wrong entry Rent 2025", "Rent 2025");
        row(20, "No record to change.");
        row(21, "No records to save.");
        row(22, "30 Row limit.");
        row(23, "Cannot sort file.");
        row(25, "Bad filename, must be in the form MYFILE.NWV");
        row(26, "Cannot calculate.");
        row(37, "Bad Filename. Must be in the form MYFILE.UMD");
        row(38, "Bad Filename. Must be in the form MYFILE.ULD");
    }
    void messageTable() {
        QFETCH(int, code);
        QFETCH(QString, detail);
        QFETCH(QString, text);
        state.MessageDetail = detail.toStdString();
        QtDialogs dialogs(state, &container);
        QString shown, caption;
        const ModalRun run = runModal([&] { dialogs.showMessage(code); }, [&](QWidget* w) {
            caption = w->windowTitle();
            if (auto* box = child<QPlainTextEdit>(w, "TextMsg")) {
                shown = box->toPlainText();
                QVERIFY(box->isReadOnly());
            }
            auto* exit = child<QPushButton>(w, "AMsgExit");
            QVERIFY(exit);
            QCOMPARE(exit->text(), QString("E&xit"));
            QTest::mouseClick(exit, Qt::LeftButton);
        });
        QVERIFY(run.shown);
        QCOMPARE(run.objectName, QString("AMsgbox"));
        QVERIFY(run.closedByDriver);
        QCOMPARE(caption, QString("Help"));
        QCOMPARE(shown, text);
        QCOMPARE(state.MessageCode, code);
    }

    // The two messages whose wording is ours: they keep their fixed parts.
    void messagesWithOwnWording() {
        QtDialogs dialogs(state, &container);
        QString shown;
        const auto readText = [&](QWidget* w) {
            shown = child<QPlainTextEdit>(w, "TextMsg")->toPlainText();
            QTest::keyClick(w, Qt::Key_Return);
        };
        QVERIFY(runModal([&] { dialogs.showMessage(14); }, readText).closedByDriver);
        QVERIFY(shown.endsWith(" Bad filename, must be in the form MYFILE.BGT"));
        QVERIFY(runModal([&] { dialogs.showMessage(33); }, readText).closedByDriver);
        QVERIFY(shown.contains("500"));
    }

    void questionTable_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("text");
        QTest::addRow("1") << 1 << "" << "" << " Continue with Printout.";
        QTest::addRow("2") << 2 << "" << "" << " Print in Color.";
        QTest::addRow("3 named") << 3 << "HOME.BGT" << ""
            << "HOME.BGT file in memory will be erased. Do you wish to go back and save it to Disk?.";
        QTest::addRow("3 unnamed") << 3 << "" << ""
            << " file in memory will be erased. Do you wish to go back and save it to Disk?.";
        QTest::addRow("4") << 4 << "" << "Car insurance"
            << "Are you sure you wish to delete the current record: Car insurance";
    }
    void questionTable() {
        QFETCH(int, code);
        QFETCH(QString, fileName);
        QFETCH(QString, detail);
        QFETCH(QString, text);
        state.CurrentFileName = fileName.toStdString();
        state.MessageDetail = detail.toStdString();
        QtDialogs dialogs(state, &container);
        QString shown, caption;
        int answer = -1;
        const ModalRun run = runModal([&] { answer = dialogs.ask(code); }, [&](QWidget* w) {
            caption = w->windowTitle();
            shown = child<QLabel>(w, "Label1")->text();
            QTest::mouseClick(child<QPushButton>(w, "AllYes"), Qt::LeftButton);
        });
        QCOMPARE(run.objectName, QString("AllYesNo"));
        QCOMPARE(caption, QString("Help"));
        QCOMPARE(shown, text);
        QCOMPARE(answer, 6);
    }

    // Yes answers 6 and no 0, by mouse and by accelerator; closing the window is a no.
    void yesNoAnswers() {
        QtDialogs dialogs(state, &container);
        QString yesCaption, noCaption;
        QCOMPARE(runModal([&] { dialogs.ask(1); }, [&](QWidget* w) {
                     yesCaption = child<QPushButton>(w, "AllYes")->text();
                     noCaption = child<QPushButton>(w, "AllNo")->text();
                     QTest::mouseClick(child<QPushButton>(w, "AllNo"), Qt::LeftButton);
                 }).closedByDriver, true);
        QCOMPARE(yesCaption, QString("&Yes"));
        QCOMPARE(noCaption, QString("&No"));
        QCOMPARE(state.QuestionCode, 0);

        runModal([&] { dialogs.ask(2); },
                 [&](QWidget* w) {
                     // An accelerator clicks its button after the button's press animation.
                     QTest::keyClick(w, Qt::Key_Y, Qt::AltModifier);
                     QTRY_VERIFY(!w->isVisible());
                 });
        QCOMPARE(state.QuestionCode, 6);

        runModal([&] { dialogs.ask(2); },
                 [&](QWidget* w) {
                     QTest::keyClick(w, Qt::Key_N, Qt::AltModifier);
                     QTRY_VERIFY(!w->isVisible());
                 });
        QCOMPARE(state.QuestionCode, 0);

        runModal([&] { dialogs.ask(1); }, [&](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(state.QuestionCode, 0);
    }

    // The header line: quotes refused without a beep, Enter goes to "Continue Printout",
    // which takes the line; cancelling leaves "1".
    void printerHeader() {
        QtDialogs dialogs(state, &container);
        QString focusAfterEnter;
        QString caption, label, accept, cancel;
        const ModalRun run = runModal([&] { dialogs.printerHeader(); }, [&](QWidget* w) {
            caption = w->windowTitle();
            label = child<QLabel>(w, "FName")->text();
            accept = child<QPushButton>(w, "Acept")->text();
            cancel = child<QPushButton>(w, "NAcept")->text();
            auto* line = child<QLineEdit>(w, "InFName");
            QCOMPARE(QApplication::focusWidget(), line);
            QTest::keyClicks(line, "Smith \"family\" budget 2025");
            QCOMPARE(line->text(), QString("Smith family budget 2025"));
            QTest::keyClick(line, Qt::Key_Return);
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused && w->isVisible());
            focusAfterEnter = focused->objectName();
            QTest::keyClick(focused, Qt::Key_Return);
        });
        QCOMPARE(run.objectName, QString("PrinterHeaderInput"));
        QVERIFY(run.closedByDriver);
        QCOMPARE(caption, QString("Input"));
        QCOMPARE(label, QString(" Type in one line header information."));
        QCOMPARE(accept, QString("Continue &Printout"));
        QCOMPARE(cancel, QString("&Cancel"));
        QCOMPARE(focusAfterEnter, QString("Acept"));
        QCOMPARE(state.HeaderText, std::string("Smith family budget 2025"));
        QCOMPARE(beeps, 0);
    }

    void printerHeaderAnswers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("header");
        QTest::addRow("empty line printed") << "" << "Acept" << "";
        QTest::addRow("cancel") << "Year end" << "NAcept" << "1";
        QTest::addRow("a typed 1 reads as cancel") << "1" << "Acept" << "1";
        QTest::addRow("leading blanks kept") << "  Q3" << "Acept" << "  Q3";
    }
    void printerHeaderAnswers() {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, header);
        state.HeaderText = std::string("left over");
        QtDialogs dialogs(state, &container);
        runModal([&] { dialogs.printerHeader(); }, [&](QWidget* w) {
            QTest::keyClicks(child<QLineEdit>(w, "InFName"), typed);
            QTest::mouseClick(child<QPushButton>(w, button.toLatin1()), Qt::LeftButton);
        });
        QCOMPARE(QString::fromStdString(state.HeaderText), header);
    }

    // Each dialog sits at the container's top-left corner plus its offset (in twips), by
    // the layout class; the offsets are those of the placement table.
    void placement_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("layoutClass");
        QTest::addColumn<QPoint>("offsetTwips");
        QTest::addRow("message small") << 0 << 6810 << QPoint(3600, 2000);
        QTest::addRow("message large") << 0 << 8670 << QPoint(4650, 3000);
        QTest::addRow("yes/no small") << 1 << 6810 << QPoint(3500, 2000);
        QTest::addRow("yes/no large") << 1 << 8670 << QPoint(4500, 3000);
        QTest::addRow("header small") << 2 << 6810 << QPoint(3400, 3000);
        QTest::addRow("header large") << 2 << 8670 << QPoint(4500, 4000);
    }
    void placement() {
        QFETCH(int, kind);
        QFETCH(int, layoutClass);
        QFETCH(QPoint, offsetTwips);
        state.LayoutClass = layoutClass;
        QtDialogs dialogs(state, &container);
        QPoint at;
        bool visibleWhenChecked = false;
        runModal(
            [&] {
                if (kind == 0) dialogs.showMessage(1);
                else if (kind == 1) dialogs.ask(1);
                else dialogs.printerHeader();
            },
            [&](QWidget* w) {
                visibleWhenChecked = w->isVisible();
                at = w->pos();
                qobject_cast<QDialog*>(w)->reject();
            });
        QVERIFY(visibleWhenChecked);
        QCOMPARE(at, container.pos() + twips(offsetTwips.x(), offsetTwips.y()));
    }
};

PECUNEX_QTEST_MAIN(MessageDialogsTest)
#include "test_message_dialogs.moc"
