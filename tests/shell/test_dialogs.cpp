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
    // The program's folder and the names the file dialog offers.
    void useFileNames() {
        state.ProgramFolder = folder.path().toStdString();
        state.CurrentFileName = "HOME.Bgt", state.MortgageFileName = "HOUSE.umd",
        state.LoanFileName = "CAR.uld";
    }

  private slots:
    void initTestCase() {
        container.setGeometry(60, 40, 641, 454);
        container.show();
        platform::setBeepHook([this] { ++beeps; });
    }
    void init() { state = ShellState{}, beeps = 0; }

    // AMsgbox shows the text of every code with the detail of the shared state; Enter and
    // Escape both leave it as "E&xit" does.
    void messages_data() {
        QTest::addColumn<int>("code");
        for (int code :
             {1, 2, 3, 5, 6, 7, 8, 10, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 25, 26, 33, 37, 38})
            QTest::addRow("message %d", code) << code;
    }
    void messages() {
        QFETCH(int, code);
        state.MessageDetail = "Rent 2025";
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

    // AllYesNo: the question with the file name and detail of the shared state; yes answers 6
    // and no 0, by mouse or accelerator; Escape 0.
    void yesNo_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("detail");
        QTest::addColumn<QByteArray>("how"); // a button's name, an accelerator or "Esc"
        QTest::addColumn<int>("answer");
        QTest::newRow("yes by mouse")
            << 1 << QByteArray() << QByteArray() << QByteArray("AllYes") << 6;
        QTest::newRow("no by mouse")
            << 2 << QByteArray() << QByteArray() << QByteArray("AllNo") << 0;
        QTest::newRow("yes by Alt+Y, with the file name")
            << 3 << QByteArray("HOME.BGT") << QByteArray() << QByteArray("Y") << 6;
        QTest::newRow("no by Alt+N") << 3 << QByteArray() << QByteArray() << QByteArray("N") << 0;
        QTest::newRow("Escape is no, with the detail")
            << 4 << QByteArray() << QByteArray("Car insurance") << QByteArray("Esc") << 0;
    }
    void yesNo() {
        QFETCH(int, code);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, detail);
        QFETCH(QByteArray, how);
        QFETCH(int, answer);
        state.CurrentFileName = file.toStdString(), state.MessageDetail = detail.toStdString(),
        state.QuestionCode = -1;
        QString shown;
        expectModal(
            "AllYesNo", [&] { QCOMPARE(dialogs.ask(code), answer); },
            [&](QWidget* w) {
                shown = w->windowTitle() + "|" + text(w, "Label1") + "|" + text(w, "AllYes") +
                        text(w, "AllNo");
                if (how.size() > 3)
                    QTest::mouseClick(child(w, how.constData()), Qt::LeftButton);
                else if (how.size() == 1)
                    QTest::keyClick(w, Qt::Key(how[0]), Qt::AltModifier);
                else
                    QTest::keyClick(w, Qt::Key_Escape);
                QTRY_VERIFY(!w->isVisible());
            });
        QCOMPARE(shown, "Help|" +
                            QString::fromStdString(
                                questionText(code, file.toStdString(), detail.toStdString())) +
                            "|&Yes&No");
        QCOMPARE(state.QuestionCode, answer);
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
    }
    void printerHeaderAnswers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("header");
        QTest::newRow("empty line") << "" << QByteArray("Acept") << "";
        QTest::newRow("cancelled") << "Year end" << QByteArray("NAcept") << "1";
        QTest::newRow("typed 1") << "1" << QByteArray("Acept") << "1";
        QTest::newRow("leading blanks kept") << "  Q3" << QByteArray("Acept") << "  Q3";
    }
    void printerHeaderAnswers() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, button);
        QFETCH(QString, header);
        state.HeaderText = "left over";
        runModal([&] { dialogs.printerHeader(); },
                 [&](QWidget* w) {
                     QTest::keyClicks(child(w, "InFName"), typed);
                     QTest::mouseClick(child(w, button.constData()), Qt::LeftButton);
                 });
        QCOMPARE(QString::fromStdString(state.HeaderText), header);
    }

    // InRecNum: the wording by DeletePrompt, SelectedRow offered selected and then reset,
    // digits only, 0 when cancelled.
    void recordNumber_data() {
        const QString del = " Type in record number    to delete ",
                      change = " Type in record number    to change.";
        QTest::addColumn<int>("prompt");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("refused");
        QTest::addColumn<int>("answer");
        QTest::newRow("delete, the proposal taken") << 1 << 12 << "" << del << 0 << 12;
        QTest::newRow("non-digits refused") << 0 << 0 << "1.a-2" << change << 3 << 12;
        QTest::newRow("prompt 2 is change") << 2 << 9 << "14" << change << 0 << 14;
        QTest::newRow("proposal erased") << 0 << 7 << "\b" << change << 0 << 0;
        QTest::newRow("leading zeros") << 0 << 0 << "007" << change << 0 << 7;
        QTest::newRow("too large") << 0 << 0 << "99999" << change << 0 << 32767;
    }
    void recordNumber() {
        QFETCH(int, prompt);
        QFETCH(int, selected);
        QFETCH(QString, keys);
        QFETCH(QString, label);
        QFETCH(int, refused);
        QFETCH(int, answer);
        state.DeletePrompt = static_cast<std::int16_t>(prompt);
        state.SelectedRow = static_cast<std::int16_t>(selected);
        QString shown;
        expectModal(
            "InRecNum", [&] { dialogs.recordNumber(); },
            [&](QWidget* w) {
                shown = w->windowTitle() + "|" + text(w, "Label1") + "|" + text(w, "CurVal") + "|" +
                        child<QLineEdit>(w, "CurVal")->selectedText() + "|" + text(w, "Accept") +
                        text(w, "NoAccept");
                typeAndConfirm(w, qPrintable(keys));
            });
        const QString offered = selected ? QString::number(selected) : "";
        QCOMPARE(shown, QString("Input |%1|%2|%2|&OK&Cancel").arg(label, offered));
        QCOMPARE(beeps, refused);
        QCOMPARE(state.RecordNumber, answer);
        QCOMPARE(state.SelectedRow, 0);
    }
    void recordNumberCancelled() {
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
    void valueInput_data() {
        QTest::addColumn<int>("context");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("refused");
        QTest::addColumn<QString>("answer");
        QTest::newRow("line number, proposal taken") << 1 << 6 << "" << 0 << "6";
        QTest::newRow("line number, digits only") << 2 << 6 << "1.5x" << 2 << "15";
        QTest::newRow("figure, two decimals at most") << 0 << 0 << "12.345" << 1 << "12.34";
        QTest::newRow("figure, text as typed") << 3 << 0 << "1.2." << 0 << "1.2.";
        QTest::newRow("figure, proposal taken") << 0 << 8 << "" << 0 << "8";
    }
    void valueInput() {
        QFETCH(int, context);
        QFETCH(int, selected);
        QFETCH(QString, keys);
        QFETCH(int, refused);
        QFETCH(QString, answer);
        state.ContextCode = static_cast<std::int16_t>(context);
        state.SelectedRow = static_cast<std::int16_t>(selected);
        QString label, offered;
        expectModal(
            "FundCurValInput", [&] { dialogs.valueInput(); },
            [&](QWidget* w) {
                label = w->windowTitle() + "|" + text(w, "Label1");
                offered = text(w, "CurVal");
                typeAndConfirm(w, qPrintable(keys));
            });
        QCOMPARE(label == "Input | Insert a blank line at line      number ",
                 context == 1 || context == 2);
        QCOMPARE(offered, selected ? QString::number(selected) : "");
        QCOMPARE(beeps, refused);
        QCOMPARE(QString::fromStdString(state.ValueAnswer), answer);
        QCOMPARE(state.SelectedRow, 0);
    }
    void valueInputCancelled() {
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
    // and "".
    void fileDialogKinds_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("direction");
        const char* kinds[] = {
            "Budget Database (*.Bgt)|HOME.Bgt", "Net Worth Database (*.nwv)|HOME.Bgt",
            "Mortgage Database (*.umd)|HOUSE.umd", "Loan Database (*.uld)|CAR.uld"};
        for (int mode = 1; mode <= 8; ++mode)
            QTest::addRow("mode %d", mode)
                << mode << QString(kinds[(mode - 1) / 2]) << QString(mode % 2 ? "open" : "save");
    }
    void fileDialogKinds() {
        QFETCH(int, mode);
        QFETCH(QString, kind);
        QFETCH(QString, direction);
        useFileNames();
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
        QCOMPARE(seen,
                 QStringList({kind, kind.section('|', 0, 0), folder.path(), direction, "own"}));
        QCOMPARE(state.FileDialogMode, 9);
        QCOMPARE(state.ChosenFileName, "");
    }

    // A chosen name comes back in full, saved names with their extension added.
    void fileDialogChosenName_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("budget saved") << 2 << "family"
                                      << "family.Bgt";
        QTest::newRow("net worth saved") << 4 << "assets"
                                         << "assets.nwv";
        QTest::newRow("mortgage saved") << 6 << "house"
                                        << "house.umd";
        QTest::newRow("loan saved") << 8 << "car"
                                    << "car.uld";
        QTest::newRow("extension in capitals kept") << 2 << "OLD.BGT"
                                                    << "OLD.BGT";
        QTest::newRow("existing file opened") << 5 << "savings plan.umd"
                                              << "savings plan.umd";
    }
    void fileDialogChosenName() {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        useFileNames();
        QVERIFY(QFile(inFolder("savings plan.umd")).open(QIODevice::WriteOnly));
        state.FileDialogMode = static_cast<std::int16_t>(mode);
        expectModal(
            "CMDialog1", [&] { dialogs.fileDirectory(); },
            [&](QWidget* w) {
                child<QLineEdit>(w, "fileNameEdit")->selectAll();
                QTest::keyClicks(child(w, "fileNameEdit"), typed);
                QTest::keyClick(child(w, "fileNameEdit"), Qt::Key_Return);
            });
        QCOMPARE(state.FileDialogMode, mode);
        QCOMPARE(QString::fromStdString(state.ChosenFileName), inFolder(qPrintable(chosen)));
    }

    // Other modes show nothing and change nothing.
    void fileDialogOtherModes_data() {
        QTest::addColumn<int>("mode");
        for (int mode : {0, 9, 10, -1})
            QTest::addRow("mode %d", mode) << mode;
    }
    void fileDialogOtherModes() {
        QFETCH(int, mode);
        useFileNames();
        state.FileDialogMode = static_cast<std::int16_t>(mode);
        state.ChosenFileName = inFolder("savings plan.umd").toStdString();
        QCOMPARE(runModal([&] { dialogs.fileDirectory(); }, [](QWidget*) {}), QString());
        QCOMPARE(state.FileDialogMode, mode);
        QCOMPARE(QString::fromStdString(state.ChosenFileName), inFolder("savings plan.umd"));
    }

    // Each dialog at the container's corner plus its offset in twips, by layout class; the
    // record dialog over the grid RecordDialogSide names, which it then resets.
    void placement_data() {
        QTest::addColumn<int>("dialog"); // index into shows below
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("layoutClass");
        QTest::addColumn<QPoint>("twips");
        const struct {
            const char* name;
            int side;
            QPoint small, large;
        } rows[] = {{"message", 0, {3600, 2000}, {4650, 3000}},
                    {"question", 0, {3500, 2000}, {4500, 3000}},
                    {"printout header", 0, {3400, 3000}, {4500, 4000}},
                    {"value", 0, {3340, 3450}, {4400, 4490}},
                    {"record, first grid", 1, {550, 4800}, {1630, 5860}},
                    {"record, second grid", 2, {7000, 4800}, {8050, 5860}}};
        int dialog = 0;
        for (const auto& row : rows) {
            QTest::addRow("%s, small", row.name) << dialog << row.side << 6810 << row.small;
            QTest::addRow("%s, large", row.name) << dialog << row.side << 8670 << row.large;
            ++dialog;
        }
    }
    void placement() {
        QFETCH(int, dialog);
        QFETCH(int, side);
        QFETCH(int, layoutClass);
        QFETCH(QPoint, twips);
        void (*const shows[])(QtDialogs&) = {
            [](QtDialogs& d) { d.showMessage(1); },  [](QtDialogs& d) { d.ask(1); },
            [](QtDialogs& d) { d.printerHeader(); }, [](QtDialogs& d) { d.valueInput(); },
            [](QtDialogs& d) { d.recordNumber(); },  [](QtDialogs& d) { d.recordNumber(); }};
        state.LayoutClass = layoutClass, state.RecordDialogSide = static_cast<std::int16_t>(side);
        QPoint at;
        runModal([&] { shows[dialog](dialogs); },
                 [&](QWidget* w) { at = w->pos() - container.pos(); });
        QCOMPARE(at,
                 QPoint(platform::twipsToPixels(twips.x()), platform::twipsToPixels(twips.y())));
        QCOMPARE(state.RecordDialogSide, 0);
    }
};

PECUNEX_SUITE(DialogsTest)
#include "test_dialogs.moc"
