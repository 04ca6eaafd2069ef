// The shared dialogs as the worksheets use them: their texts, the keys they refuse, where
// Enter goes, the answers they leave in the shared state and where they are placed.
#include <QClipboard>

#include "Messages.h"
#include "ShellTest.h"

namespace {
// The text of a label, line or button of `w`.
QString text(QWidget* w, const char* name) {
    if (auto* label = w->findChild<QLabel*>(name))
        return label->text();
    if (auto* line = w->findChild<QLineEdit*>(name))
        return line->text();
    return child<QAbstractButton>(w, name)->text();
}
// Types `keys` into CurVal, then Enter twice: the first must move to OK, the second presses it.
void typeAndConfirm(QWidget* w, const char* keys) {
    QTest::keyClicks(child(w, "CurVal"), keys);
    QTest::keyClick(child(w, "CurVal"), Qt::Key_Return);
    QVERIFY(w->isVisible());
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("Accept"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
    QWidget container;
    ShellState state;
    QtDialogs dialogs{state, &container};
    int beeps = 0;
    QTemporaryDir folder;
    QString inFolder(const char* name) const { return QDir(folder.path()).absoluteFilePath(name); }

  private slots:
    void initTestCase() {
        container.setGeometry(60, 40, 641, 454);
        container.show();
        platform::setBeepHook([this] { ++beeps; });
    }
    void init() { state = ShellState{}, beeps = 0; }

    // AMsgbox shows the text of every code with the detail of the shared state; Enter and
    // Escape both leave it as "E&xit" does.
    void messages() {
        state.MessageDetail = "Rent 2025";
        for (int code : {1,  2,  3,  5,  6,  7,  8,  10, 13, 14, 15, 16,
                         17, 19, 20, 21, 22, 23, 25, 26, 33, 37, 38}) {
            QString shown;
            expectModal(
                "AMsgbox", [&] { dialogs.showMessage(code); },
                [&](QWidget* w) {
                    auto* box = child<QPlainTextEdit>(w, "TextMsg");
                    shown = w->windowTitle() + "|" + text(w, "AMsgExit") + "|" + box->toPlainText();
                    QVERIFY(box->isReadOnly());
                    QTest::keyClick(w, code % 2 ? Qt::Key_Escape : Qt::Key_Return);
                    QTRY_VERIFY(!w->isVisible());
                });
            QCOMPARE(shown, "Help|E&xit|" + QString::fromStdString(messageText(code, "Rent 2025")));
            QCOMPARE(state.MessageCode, code);
        }
    }

    // AllYesNo: the question with the file name and detail of the shared state; yes answers 6
    // and no 0, by mouse or accelerator; Escape 0.
    void yesNo() {
        const struct {
            int code;
            const char *file, *detail, *how;
            int answer;
        } rows[] = {{1, "", "", "AllYes", 6},
                    {2, "", "", "AllNo", 0},
                    {3, "HOME.BGT", "", "Y", 6},
                    {3, "", "", "N", 0},
                    {4, "", "Car insurance", "Esc", 0}};
        for (const auto& row : rows) {
            state.CurrentFileName = row.file, state.MessageDetail = row.detail,
            state.QuestionCode = -1;
            QString shown;
            expectModal(
                "AllYesNo", [&] { QCOMPARE(dialogs.ask(row.code), row.answer); },
                [&](QWidget* w) {
                    shown = w->windowTitle() + "|" + text(w, "Label1") + "|" + text(w, "AllYes") +
                            text(w, "AllNo");
                    if (strlen(row.how) > 3)
                        QTest::mouseClick(child(w, row.how), Qt::LeftButton);
                    else if (strlen(row.how) == 1)
                        QTest::keyClick(w, Qt::Key(row.how[0]), Qt::AltModifier);
                    else
                        QTest::keyClick(w, Qt::Key_Escape);
                    QTRY_VERIFY(!w->isVisible());
                });
            QCOMPARE(shown,
                     "Help|" +
                         QString::fromStdString(questionText(row.code, row.file, row.detail)) +
                         "|&Yes&No");
            QCOMPARE(state.QuestionCode, row.answer);
        }
    }

    // PrinterHeaderInput: quotes refused without a beep, Enter moves to Acept, which takes the
    // line; Cancel, or a typed "1", answers "1".
    void printerHeader() {
        QString shown;
        expectModal(
            "PrinterHeaderInput", [&] { dialogs.printerHeader(); },
            [&](QWidget* w) {
                shown = w->windowTitle() + "|" + text(w, "FName") + "|" + text(w, "Acept") + "|" +
                        text(w, "NAcept");
                QCOMPARE(QApplication::focusWidget(), child(w, "InFName"));
                QTest::keyClicks(child(w, "InFName"), "Smith \"family\" budget 2025");
                QGuiApplication::clipboard()->setText("\"q\""); // nor can a paste bring one in
                QTest::keySequence(child(w, "InFName"), QKeySequence::Paste);
                QTest::keyClick(child(w, "InFName"), Qt::Key_Return);
                QVERIFY(w->isVisible());
                shown += "|" + QApplication::focusWidget()->objectName();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
        QCOMPARE(shown,
                 "Input| Type in one line header information.|Continue &Printout|&Cancel|Acept");
        QCOMPARE(state.HeaderText, "Smith family budget 2025");
        QCOMPARE(beeps, 0);
        for (const auto& [typed, button, header] : {std::tuple{"", "Acept", ""},
                                                    {"Year end", "NAcept", "1"},
                                                    {"1", "Acept", "1"},
                                                    {"  Q3", "Acept", "  Q3"}}) {
            state.HeaderText = "left over";
            runModal([&] { dialogs.printerHeader(); },
                     [&](QWidget* w) {
                         QTest::keyClicks(child(w, "InFName"), typed);
                         QTest::mouseClick(child(w, button), Qt::LeftButton);
                     });
            QCOMPARE(state.HeaderText, header);
        }
    }

    // InRecNum: the wording by DeletePrompt, SelectedRow offered selected and then reset,
    // digits only, 0 when cancelled.
    void recordNumber() {
        const QString del = " Type in record number    to delete ",
                      change = " Type in record number    to change.";
        const struct {
            std::int16_t prompt, selected;
            const char* keys;
            QString label;
            int refused, answer;
        } rows[] = {{1, 12, "", del, 0, 12},     {0, 0, "1.a-2", change, 3, 12},
                    {2, 9, "14", change, 0, 14}, {0, 7, "\b", change, 0, 0},
                    {0, 0, "007", change, 0, 7}, {0, 0, "99999", change, 0, 32767}};
        for (const auto& row : rows) {
            state.DeletePrompt = row.prompt, state.SelectedRow = row.selected, beeps = 0;
            QString shown;
            expectModal(
                "InRecNum", [&] { dialogs.recordNumber(); },
                [&](QWidget* w) {
                    shown = w->windowTitle() + "|" + text(w, "Label1") + "|" + text(w, "CurVal") +
                            "|" + child<QLineEdit>(w, "CurVal")->selectedText() + "|" +
                            text(w, "Accept") + text(w, "NoAccept");
                    typeAndConfirm(w, row.keys);
                });
            const QString offered = row.selected ? QString::number(row.selected) : "";
            QCOMPARE(shown, QString("Input |%1|%2|%2|&OK&Cancel").arg(row.label, offered));
            QCOMPARE(beeps, row.refused);
            QCOMPARE(state.RecordNumber, row.answer);
            QCOMPARE(state.SelectedRow, 0);
        }
        runModal([&] { dialogs.recordNumber(); },
                 [&](QWidget* w) {
                     QTest::keyClicks(child(w, "CurVal"), "25");
                     QTest::keyClick(w, Qt::Key_C, Qt::AltModifier); // Cancel
                     QTRY_VERIFY(!w->isVisible());
                 });
        QCOMPARE(state.RecordNumber, 0);
    }

    // FundCurValInput: a line number (digits) for ContextCode 1 or 2, else a figure with two
    // decimals at most; the answer is the text as typed, "" when cancelled.
    void valueInput() {
        const struct {
            std::int16_t context, selected;
            const char* keys;
            int refused;
            const char* answer;
        } rows[] = {{1, 6, "", 0, "6"},
                    {2, 6, "1.5x", 2, "15"},
                    {0, 0, "12.345", 1, "12.34"},
                    {3, 0, "1.2.", 0, "1.2."},
                    {0, 8, "", 0, "8"}};
        for (const auto& row : rows) {
            state.ContextCode = row.context, state.SelectedRow = row.selected, beeps = 0;
            QString label, offered;
            expectModal(
                "FundCurValInput", [&] { dialogs.valueInput(); },
                [&](QWidget* w) {
                    label = w->windowTitle() + "|" + text(w, "Label1");
                    offered = text(w, "CurVal");
                    typeAndConfirm(w, row.keys);
                });
            QCOMPARE(label == "Input | Insert a blank line at line      number ",
                     row.context == 1 || row.context == 2);
            QCOMPARE(offered, row.selected ? QString::number(row.selected) : "");
            QCOMPARE(beeps, row.refused);
            QCOMPARE(state.ValueAnswer, row.answer);
            QCOMPARE(state.SelectedRow, 0);
        }
        state.SelectedRow = 3;
        runModal([&] { dialogs.valueInput(); },
                 [&](QWidget* w) {
                     QTest::keyClicks(child(w, "CurVal"), "12");
                     QTest::mouseClick(child(w, "NoAccept"), Qt::LeftButton);
                 });
        QCOMPARE(state.ValueAnswer, "");
        QCOMPARE(state.SelectedRow, 0);
    }

    // The file dialog, modes 1-8: kind, direction and initial name; cancelled it answers 9
    // and ""; a chosen name comes back in full, saved names with their extension added.
    void fileDialog() {
        state.ProgramFolder = folder.path().toStdString();
        state.CurrentFileName = "HOME.Bgt", state.MortgageFileName = "HOUSE.umd",
        state.LoanFileName = "CAR.uld";
        const char* kinds[] = {
            "Budget Database (*.Bgt)|HOME.Bgt", "Net Worth Database (*.nwv)|HOME.Bgt",
            "Mortgage Database (*.umd)|HOUSE.umd", "Loan Database (*.uld)|CAR.uld"};
        for (int mode = 1; mode <= 8; ++mode) {
            state.FileDialogMode = static_cast<std::int16_t>(mode),
            state.ChosenFileName = "previous.Bgt";
            QStringList seen;
            expectModal(
                "CMDialog1", [&] { dialogs.fileDirectory(); },
                [&](QWidget* w) {
                    auto* d = qobject_cast<QFileDialog*>(w);
                    seen << d->nameFilters().join(';') + "|" + text(w, "fileNameEdit")
                         << d->selectedNameFilter() << d->directory().absolutePath()
                         << (d->acceptMode() == QFileDialog::AcceptSave ? "save" : "open")
                         << (d->testOption(QFileDialog::DontUseNativeDialog) ? "own" : "native");
                    d->reject();
                });
            const QString kind = kinds[(mode - 1) / 2], direction = mode % 2 ? "open" : "save";
            QCOMPARE(seen,
                     QStringList({kind, kind.section('|', 0, 0), folder.path(), direction, "own"}));
            QCOMPARE(state.FileDialogMode, 9);
            QCOMPARE(state.ChosenFileName, "");
        }
        QVERIFY(QFile(inFolder("savings plan.umd")).open(QIODevice::WriteOnly));
        const struct {
            std::int16_t mode;
            const char *typed, *chosen;
        } rows[] = {{2, "family", "family.Bgt"}, {4, "assets", "assets.nwv"},
                    {6, "house", "house.umd"},   {8, "car", "car.uld"},
                    {2, "OLD.BGT", "OLD.BGT"},   {5, "savings plan.umd", "savings plan.umd"}};
        for (const auto& row : rows) {
            state.FileDialogMode = row.mode;
            expectModal(
                "CMDialog1", [&] { dialogs.fileDirectory(); },
                [&](QWidget* w) {
                    child<QLineEdit>(w, "fileNameEdit")->selectAll();
                    QTest::keyClicks(child(w, "fileNameEdit"), row.typed);
                    QTest::keyClick(child(w, "fileNameEdit"), Qt::Key_Return);
                });
            QCOMPARE(state.FileDialogMode, row.mode);
            QCOMPARE(QString::fromStdString(state.ChosenFileName), inFolder(row.chosen));
        }
        for (int mode : {0, 9, 10, -1}) { // other modes show nothing and change nothing
            state.FileDialogMode = static_cast<std::int16_t>(mode);
            QCOMPARE(runModal([&] { dialogs.fileDirectory(); }, [](QWidget*) {}), QString());
            QCOMPARE(state.FileDialogMode, mode);
            QCOMPARE(QString::fromStdString(state.ChosenFileName), inFolder("savings plan.umd"));
        }
    }

    // Each dialog at the container's corner plus its offset in twips, by layout class; the
    // record dialog over the grid RecordDialogSide names, which it then resets.
    void placement() {
        const struct {
            void (*show)(QtDialogs&);
            std::int16_t side;
            QPoint small, large;
        } rows[] = {{[](QtDialogs& d) { d.showMessage(1); }, 0, {3600, 2000}, {4650, 3000}},
                    {[](QtDialogs& d) { d.ask(1); }, 0, {3500, 2000}, {4500, 3000}},
                    {[](QtDialogs& d) { d.printerHeader(); }, 0, {3400, 3000}, {4500, 4000}},
                    {[](QtDialogs& d) { d.valueInput(); }, 0, {3340, 3450}, {4400, 4490}},
                    {[](QtDialogs& d) { d.recordNumber(); }, 1, {550, 4800}, {1630, 5860}},
                    {[](QtDialogs& d) { d.recordNumber(); }, 2, {7000, 4800}, {8050, 5860}}};
        for (const auto& row : rows)
            for (const int layoutClass : {6810, 8670}) {
                state.LayoutClass = layoutClass, state.RecordDialogSide = row.side;
                QPoint at;
                runModal([&] { row.show(dialogs); },
                         [&](QWidget* w) { at = w->pos() - container.pos(); });
                const QPoint twips = layoutClass == 6810 ? row.small : row.large;
                QCOMPARE(at, QPoint(platform::twipsToPixels(twips.x()),
                                    platform::twipsToPixels(twips.y())));
                QCOMPARE(state.RecordDialogSide, 0);
            }
    }
};

PECUNEX_SUITE(DialogsTest)
#include "test_dialogs.moc"
