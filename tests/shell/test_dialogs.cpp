// The shared dialogs as the worksheets meet them: what they say, the keys they refuse, where
// Enter goes, what each way out answers, where they stand, and the focus back on the control
// that opened them.
#include <QAccessible>
#include <QPrinterInfo>

#include "Messages.h"
#include "Placement.h"
#include "PrintJob.h"
#include "Printer.h"
#include "QtPrinter.h"
#include "ShellTest.h"

namespace {
enum Kind { Message, Question, Header, Record, Value };
struct DialogRow {
    const char* name;
    Kind kind;
    int code;           // MessageCode, QuestionCode, DeletePrompt or ContextCode
    int selected;       // SelectedRow, the number the box offers
    const char* keys;   // typed into the box, then a text holding a quote is pasted
    const char* leave;  // "Enter" (twice in a box: onto the first button, then pressing it),
                        // "Esc", "Alt+<letter>" or the name of the button clicked
    const char* prompt; // a word of an entry dialog's prompt
    int refused;        // beeps
    const char* answer;
    int layoutClass, side; // RecordDialogSide: the grid the record dialog stands over
    int left, top;         // twips from the container's corner
};
// The text of a label, a box or the message's read-only text.
QString text(QWidget* w, const char* name) {
    if (auto* label = w->findChild<QLabel*>(name))
        return label->text();
    if (auto* box = w->findChild<QPlainTextEdit*>(name))
        return box->isReadOnly() ? box->toPlainText() : "(editable)";
    return child<QLineEdit>(w, name)->text();
}
struct FileRow {
    const char* name;
    int mode;
    const char *typed, *chosen; // typed "": cancelled
    const char* others = "";    // several may be picked: those chosen after the first, "|" apart
};
} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
    QWidget container;
    QLineEdit* opener = new QLineEdit(&container);
    ShellState state;
    QtDialogs dialogs{state, &container};
    int beeps = 0;
    QTemporaryDir folder;
    QString inFolder(const char* name) const { return QDir(folder.path()).absoluteFilePath(name); }

  private slots:
    void initTestCase() {
        container.setGeometry(60, 40, 641, 454);
        container.show();
        container.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&container));
        platform::setBeepHook([this] { ++beeps; });
    }
    void init() {
        state = ShellState{}, beeps = 0;
        state.CurrentFileName = "HOME.BGT", state.MessageDetail = "Rent 2025";
    }

    void shared_data() {
        const int S = SmallLayout, L = LargeLayout;
        const DialogRow rows[] = {
            {"message, Enter", Message, 19, 0, "", "Enter", "", 0, "19", S, 0, 3600, 2000},
            {"message, Escape", Message, 13, 0, "", "Esc", "", 0, "13", L, 0, 4650, 3000},
            {"question, yes", Question, 3, 0, "", "AllYes", "", 0, "6", S, 0, 3500, 2000},
            {"question, Alt+N", Question, 4, 0, "", "Alt+N", "", 0, "0", L, 0, 4500, 3000},
            {"question, Escape is no", Question, 3, 0, "", "Esc", "", 0, "0", S, 0, 3500, 2000},
            {"header, quotes refused silently", Header, 0, 0, " A \"b\"", "Enter", "header", 0,
             " A b", L, 0, 4500, 4000},
            {"header, cancelled", Header, 0, 0, "A", "NAcept", "header", 0, "1", S, 0, 3400, 3000},
            {"record, digits only", Record, 2, 0, "1.a-2", "Enter", "change", 3, "12", L, 2, 8050,
             5860},
            {"record, too large", Record, 0, 0, "99999", "Enter", "change", 0, "32767", S, 2, 7000,
             4800},
            {"record, Escape", Record, 1, 12, "", "Esc", "delete", 0, "0", S, 1, 550, 4800},
            {"line, digits only", Value, 2, 0, "1.5x", "Enter", "line", 2, "15", L, 0, 4400, 4490},
            {"figure, two decimals", Value, 0, 0, "12.345", "Enter", "value", 1, "12.34", S, 0,
             3340, 3450},
            {"figure, cancelled", Value, 0, 3, "12", "Alt+C", "value", 0, "", S, 0, 3340, 3450}};
        addRows(rows);
    }
    void shared() {
        QFETCH(DialogRow, row);
        state.LayoutClass = row.layoutClass, state.RecordDialogSide = std::int16_t(row.side);
        state.DeletePrompt = state.ContextCode = std::int16_t(row.code);
        state.SelectedRow = std::int16_t(row.selected);
        opener->setFocus();
        QString prompt, spoken;
        QPoint at;
        const char* names[][4] = {{"AMsgbox", "TextMsg"},
                                  {"AllYesNo", "Label1"},
                                  {"PrinterHeaderInput", "FName", "InFName", "Acept"},
                                  {"InRecNum", "Label1", "CurVal", "Accept"},
                                  {"FundCurValInput", "Label1", "CurVal", "Accept"}};
        const auto* name = names[row.kind];
        expectModal(
            name[0],
            [&] {
                if (row.kind == Message)
                    dialogs.showMessage(row.code);
                else if (row.kind == Question)
                    QCOMPARE(QString::number(dialogs.ask(row.code)), row.answer);
                else if (row.kind == Header)
                    dialogs.printerHeader();
                else
                    (row.kind == Record ? dialogs.recordNumber() : dialogs.valueInput());
            },
            [&](QWidget* w) {
                at = w->pos() - container.pos();
                prompt = text(w, name[1]);
                const QAccessibleInterface* told = QAccessible::queryAccessibleInterface(w);
                spoken = told->text(QAccessible::Name) +
                         (told->role() == QAccessible::AlertMessage ? "|alert" : "");
                if (name[2]) {
                    QCOMPARE(QApplication::focusWidget(), child(w, name[2]));
                    prompt += "|" + text(w, name[2]);
                    QTest::keyClicks(child(w, name[2]), row.keys);
                    QGuiApplication::clipboard()->setText("\"q\"");
                    QTest::keySequence(child(w, name[2]), QKeySequence::Paste);
                }
                const QByteArray leave = row.leave;
                if (leave == "Enter" && name[2]) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    QVERIFY(w->isVisible());
                    QCOMPARE(QApplication::focusWidget()->objectName(), QString(name[3]));
                }
                if (leave == "Enter" || leave == "Esc")
                    QTest::keyClick(QApplication::focusWidget(),
                                    leave == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
                else if (leave.startsWith("Alt+"))
                    QTest::keyClick(w, Qt::Key(leave[4]), Qt::AltModifier);
                else
                    QTest::mouseClick(child(w, leave), Qt::LeftButton);
                QTRY_VERIFY(!w->isVisible());
            });
        const std::string file = state.CurrentFileName, detail = state.MessageDetail;
        const QString expected[] = {QString::fromStdString(messageText(row.code, detail)),
                                    QString::fromStdString(questionText(row.code, file, detail))};
        // A message or question is an alert named by its text; the header dialog says what it asks.
        if (row.kind <= Question) {
            QCOMPARE(prompt, expected[row.kind]);
            QCOMPARE(spoken, prompt.simplified() + "|alert");
        } else {
            QVERIFY2(prompt.contains(row.prompt) &&
                         prompt.endsWith("|" + (row.selected ? QString::number(row.selected) : "")),
                     qPrintable(prompt));
        }
        if (row.kind == Header)
            QCOMPARE(spoken, QString("Type in one line header information."));
        const QString answers[] = {
            QString::number(state.MessageCode), QString::number(state.QuestionCode),
            QString::fromStdString(state.HeaderText), QString::number(state.RecordNumber),
            QString::fromStdString(state.ValueAnswer)};
        QCOMPARE(answers[row.kind], QString(row.answer));
        QCOMPARE(beeps, row.refused);
        QCOMPARE(at, QPoint(platform::twipsToPixels(row.left), platform::twipsToPixels(row.top)));
        QCOMPARE(state.SelectedRow + state.RecordDialogSide, 0); // both used up
        QTRY_COMPARE(QApplication::focusWidget(), opener);
    }

    // The file dialog of modes 1-8, and of another mode with the kind its caller describes
    // (odd opens, even saves): kind, direction, folder and the name offered; a saved name
    // gets the kind's extension; cancelled it answers 9 and "". Other modes show nothing.
    void fileDialog_data() {
        const FileRow rows[] = {{"1 budget, cancelled", 1, "", ""},
                                {"2 capitals kept", 2, "OLD.BGT", "OLD.BGT"},
                                {"4 net worth saved", 4, "assets", "assets.nwv"},
                                {"5 mortgage opened", 5, "savings plan.umd", "savings plan.umd"},
                                {"8 loan saved", 8, "car", "car.uld"},
                                {"12 described kind saved", 12, "aim", "aim.Gol"},
                                {"9 shows nothing", 9, "", "kept"},
                                {"5 two picked at once", 5, "\"savings plan.umd\" \"b.umd\"",
                                 "savings plan.umd", "b.umd"}};
        addRows(rows);
    }
    void fileDialog() {
        QFETCH(FileRow, row);
        const char* kinds[] = {
            "Budget Database (*.Bgt)|HOME.Bgt", "Net Worth Database (*.nwv)|HOME.Bgt",
            "Mortgage Database (*.umd)|HOUSE.umd", "Loan Database (*.uld)|CAR.uld"};
        const QString kind = row.mode >= 1 && row.mode <= 8 ? kinds[(row.mode - 1) / 2]
                             : row.mode == 12               ? "Savings Goal (*.Gol)|HOME.Bgt"
                                                            : "";
        state.FileDialogFilter = "Savings Goal (*.Gol)|*.Gol", state.FileDialogExtension = "Gol";
        QVERIFY(QFile(inFolder("savings plan.umd")).open(QIODevice::WriteOnly));
        QVERIFY(QFile(inFolder("b.umd")).open(QIODevice::WriteOnly));
        state.FileDialogSeveral = *row.others ? 1 : 0, state.ChosenFileNames.clear();
        state.ProgramFolder = folder.path().toStdString(), state.CurrentFileName = "HOME.Bgt",
        state.MortgageFileName = "HOUSE.umd", state.LoanFileName = "CAR.uld";
        state.FileDialogMode = std::int16_t(row.mode), state.ChosenFileName = "kept";
        QStringList seen;
        const auto drive = [&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            seen << d->nameFilters().join(';') + "|" + text(w, "fileNameEdit")
                 << d->selectedNameFilter() << d->directory().absolutePath()
                 << (d->acceptMode() == QFileDialog::AcceptSave ? "save" : "open")
                 << (d->testOption(QFileDialog::DontUseNativeDialog) ? "own" : "native");
            if (!*row.typed)
                return d->reject();
            child<QLineEdit>(w, "fileNameEdit")->selectAll();
            QTest::keyClicks(child(w, "fileNameEdit"), row.typed);
            QTest::keyClick(child(w, "fileNameEdit"), Qt::Key_Return);
        };
        QCOMPARE(runModal([&] { dialogs.fileDirectory(); }, drive),
                 kind.isEmpty() ? "" : "CMDialog1");
        if (!kind.isEmpty())
            QCOMPARE(seen, QStringList({kind, kind.section('|', 0, 0), folder.path(),
                                        row.mode % 2 ? "open" : "save", "own"}));
        const QString chosen = row.chosen;
        QCOMPARE(state.FileDialogMode, chosen.isEmpty() ? 9 : row.mode);
        QCOMPARE(QString::fromStdString(state.ChosenFileName),
                 chosen.isEmpty() || chosen == "kept" ? chosen : inFolder(row.chosen));
        QStringList all, wanted;
        for (const std::string& name : state.ChosenFileNames)
            all << QString::fromStdString(name);
        if (!chosen.isEmpty() && chosen != "kept")
            wanted << inFolder(row.chosen);
        for (const QString& other : QString(row.others).split('|', Qt::SkipEmptyParts))
            wanted << QDir(folder.path()).absoluteFilePath(other);
        QCOMPARE(all, wanted);
    }

    // With no printer installed a printout goes to a PDF named in a dialog that starts in the
    // folder it is given ("plan" is plan.pdf there); a name that cannot be written is a message.
    void pdfPrintout() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed: the printout would go to it");
        ScriptedDialogs scripted(state);
        QtPrinterProvider printers(&container, folder.path());
        QStringList seen;
        for (const char* typed : {"plan", "nowhere/plan.pdf"}) {
            scripted.headers = {"Header"};
            const auto drive = [&](QWidget* w) {
                seen << qobject_cast<QFileDialog*>(w)->directory().absolutePath();
                QTest::keyClicks(child(w, "fileNameEdit"), typed);
                QTest::keyClick(child(w, "fileNameEdit"), Qt::Key_Return);
            };
            const auto print = [&] {
                seen << QString::number(runPrintout(state, scripted, printers, [](Printer& p) {
                    p.print({"Total", Tab(40), "1"});
                }));
            };
            QCOMPARE(runModal(print, drive), "PdfFileDialog");
        }
        QCOMPARE(seen, QStringList({folder.path(), "1", folder.path(), "0"}));
        QVERIFY(QFile::exists(inFolder("plan.pdf")));
        QCOMPARE(scripted.messages(), std::vector<int>{msg::DetailOnly});
        QCOMPARE(QString::fromStdString(state.MessageDetail),
                 "Cannot write " + inFolder("nowhere/plan.pdf") +
                     ". Check Filename and/or Directory.");
    }
};

PECUNEX_SUITE(DialogsTest)
#include "test_dialogs.moc"
