// The assembled program, as a keyboard or screen-reader user meets it: the main menu's focus
// after leaving a worksheet, a name for every control the Tab key reaches, and every worksheet
// walked through its accessible tree once calculated. Then the promise
// about the user's data on the budget and net worth worksheets: every way of leaving changed
// data asks question 3 first (yes keeps it). (A save that fails or is cut short keeps the
// previous file: the safe save's tests and the worksheets' own.)
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "AboutBox.h"
#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "Colours.h"
#include "DaysInYearDialog.h"
#include "FirstPaymentDateDialog.h"
#include "MainMenu.h"
#include "MdiContainer.h"
#include "MessageDialog.h"
#include "Messages.h"
#include "MortgageTables.h"
#include "NetWorthTables.h"
#include "NetWorthWindow.h"
#include "PersonalizeDialog.h"
#include "PrePayDialog.h"
#include "PrinterHeaderDialog.h"
#include "QtTestMain.h"
#include "RecordNumberDialog.h"
#include "ScriptedDialogs.h"
#include "TestProgram.h"
#include "ValueInputDialog.h"
#include "WorksheetFrame.h"
#include "Worksheets.h"
#include "YesNoDialog.h"

namespace {

// The program's container with scripted dialogs, and every worksheet registered or only the
// budget and net worth worksheets over tables a test can reach.
struct Registry {
    ProgramWorksheets worksheets; // made before the container that reads it
};

struct Program : Registry, TestProgram {
    explicit Program(bool all = true)
        : TestProgram(all ? worksheets.rows() : ownTables(), ProgramWorksheets::graphWindow()) {}
    QPushButton* exitButton() const {
        for (auto* b : container.worksheet()->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("E&xit to Menu"))
                return b;
        return nullptr;
    }

    ShellState& state = ws.shared;
    ScriptedDialogs& scripted = ws.scripted;
    QTemporaryDir& folder = ws.folder;
    BudgetTables budget;
    NetWorthTables netWorth;

  private:
    WorksheetTable ownTables() {
        WorksheetTable rows;
        for (const WorksheetRow& row : worksheets.rows())
            if (row.id == "budget" || row.id == "networth")
                rows.push_back(row);
        rows[0].make = [this](Workspace& w) -> QWidget* { return new BudgetWindow(w, budget); };
        rows[1].make = [this](Workspace& w) -> QWidget* { return new NetWorthWindow(w, netWorth); };
        return rows;
    }
};
enum Path { ExitButton, OpenFile, ContainerClose, FrameClose };

// A caption as a screen reader says it: without the accelerator's "&" and its runs of blanks.
QString spoken(QString text) {
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return text.simplified();
}

// The controls of a window that Tab reaches with no name, or with a name other than the
// caption of the label that stands for them. A control without a caption must have been
// given its name: a list box would otherwise be heard by its value, "$1,200.00".
QStringList unnamedControls(QWidget* window) {
    QStringList faults;
    const auto labels = window->findChildren<QLabel*>();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(window) || w->focusProxy())
            continue;
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(w);
        const QString name = control ? spoken(control->text(QAccessible::Name)) : QString();
        QString caption;
        for (QLabel* label : labels)
            if (label->buddy() == w)
                caption = spoken(label->text());
        const bool ownText = qobject_cast<QAbstractButton*>(w) != nullptr;
        // A caption both sides of a worksheet share is followed by the side: ", income".
        const bool captionSaid = name == caption || name.startsWith(caption + QStringLiteral(", "));
        if (name.isEmpty() || (!caption.isEmpty() && !captionSaid) ||
            (caption.isEmpty() && !ownText && w->accessibleName().isEmpty()))
            faults << QStringLiteral("%1 (%2) says \"%3\", its caption \"%4\"")
                          .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()),
                               name, caption);
    }
    return faults;
}

// A window as a screen reader walks its accessible tree: every control that takes the focus
// has a name, no two in sight the same (a list box's line edit is the list itself and says
// its name; the hidden quick help text shares its button's name); every result (a green
// figure) is named by its caption and says the figure it shows as its value. `figures` counts
// the results showing one.
QStringList walkFaults(QWidget* window, int& figures) {
    QStringList faults;
    QHash<QString, int> names;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        const QString name = node->text(QAccessible::Name);
        const QString what = QStringLiteral("%1 \"%2\"").arg(node->object()->objectName(), name);
        if (node->state().focusable) {
            if (name.isEmpty())
                faults << what + QStringLiteral(" has no name");
            if (!node->state().invisible && ++names[name] == 2)
                faults << what + QStringLiteral(" twice");
        }
        if (node->role() == QAccessible::Table)
            return; // its cells are its figures, not controls
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface* child = node->child(i);
            if (node->role() == QAccessible::ComboBox) {
                if (child->state().focusable && child->text(QAccessible::Name) != name)
                    faults << what + QStringLiteral(": its line edit says \"%1\"")
                                         .arg(child->text(QAccessible::Name));
            } else {
                walk(child);
            }
        }
    };
    walk(QAccessible::queryAccessibleInterface(window));
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->autoFillBackground() ||
            label->palette().color(QPalette::Window) != colours::ResultBackground)
            continue;
        const QString shown = label->text().simplified();
        QAccessibleInterface* result = QAccessible::queryAccessibleInterface(label);
        const QString name = result->text(QAccessible::Name);
        const QString value = result->text(QAccessible::Value).simplified();
        // Desktop readers take a label's figure from its text, not from its value.
        const QAccessibleTextInterface* text = result->textInterface();
        const QString read = text ? text->text(0, text->characterCount()) : QString();
        figures += !shown.isEmpty();
        if (value != shown || read != shown || name.isEmpty() || name == shown)
            faults << QStringLiteral("result %1 shows \"%2\", says \"%3\" valued \"%4\"")
                          .arg(label->objectName(), shown, name, value);
    }
    return faults;
}

} // namespace

class TestWholeProgram : public QObject {
    Q_OBJECT
  private slots:
    // Each worksheet opened from the menu and left again, one after the other: every control
    // of it and of the menu has its name, and the focus is back on the button that opened it
    // every time, never on a neighbour (Enter on "E&xit from Program" would end the program).
    void menuFocusReturnsToOpenerAndEveryControlIsNamed() {
        Program p;
        QVERIFY(QTest::qWaitForWindowActive(&p.container));
        QVERIFY(unnamedControls(p.container.menu()).isEmpty());
        for (const char* name : {"Savings", "Networth", "Compare", "Goal", "History", "Canadian",
                                 "ToBudget", "LoanPmt", "Networth", "Savings"}) {
            QPushButton* opener = p.menuButton(QString::fromLatin1(name));
            opener->setFocus();
            QTest::keyClick(opener, Qt::Key_Space);
            QVERIFY2(p.container.worksheet(), name);
            const QStringList faults = unnamedControls(p.container.worksheet());
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
            QPushButton* exit = p.exitButton();
            exit->setFocus();
            QTest::keyClick(exit, Qt::Key_Space);
            QTRY_VERIFY2(p.container.menu()->isVisible(), name);
            QCoreApplication::processEvents();
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(opener));
        }
    }

    // The menu the registry makes: its buttons with their captions in the Tab order, the
    // worksheets' among the menu's own, and the Planners column top to bottom.
    void menuButtonsInTheirOrder() {
        Program p;
        QStringList tab, planners;
        QWidget* menu = p.container.menu();
        for (QWidget* w = menu->nextInFocusChain(); w != menu; w = w->nextInFocusChain())
            if (auto* b = qobject_cast<QPushButton*>(w))
                tab << b->objectName() + '=' + b->text();
        QCOMPARE(tab,
                 QStringList({"Networth=&Net Worth", "Compare=&Compare Loans", "Goal=Savings &Goal",
                              "LoanPmt=Planning your &Loans", "ToBudget=Planning your &Budget",
                              "PTrFnt=Personali&ze Settings", "ExitButten=E&xit from Program",
                              "About=&About...", "HowTo=&How to Use the Program",
                              "Canadian=Planning your &Mortgage", "Savings=Planning your &Savings",
                              "History=Ne&t Worth History", "Actual=Budget vs Act&ual"}));
        auto* grid = menu->findChild<QGridLayout*>();
        for (int row = 1; row < grid->rowCount(); ++row)
            planners << grid->itemAtPosition(row, 0)->widget()->objectName();
        QCOMPARE(planners, QStringList({"Canadian", "LoanPmt", "ToBudget", "Savings", "Networth",
                                        "Compare", "Goal", "History", "Actual"}));
        // What the program plans, listed from the registry: the footer and the About box.
        const QString listed = "Mortgages and loans \u00b7 Budget \u00b7 Savings \u00b7 Net worth\n"
                               "Compare Loans \u00b7 Savings Goal \u00b7 Net Worth History \u00b7 "
                               "Budget vs Actual";
        QCOMPARE(menu->findChild<QLabel*>("Footer")->text(), listed);
        AboutBox about(p.state, p.worksheets.rows(), &p.container);
        QCOMPARE(about.findChild<QLabel*>("Label1")->text(),
                 "Pecunex Ruv9 v3.3\n\nA personal-finance planner:\nMortgages and loans \u00b7 "
                 "Budget \u00b7 Savings\nNet worth \u00b7 Compare Loans \u00b7 Savings Goal\n"
                 "Net Worth History \u00b7 Budget vs Actual");
    }

    void everyDialogControlIsNamed() {
        Program p;
        MortgageTables mortgage;
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.emplace_back(new AboutBox(p.state, p.worksheets.rows(), &p.container));
        dialogs.emplace_back(new PersonalizeDialog(p.state, p.container));
        dialogs.emplace_back(new PrinterHeaderDialog(p.state, &p.container));
        dialogs.emplace_back(new ValueInputDialog(p.state, &p.container));
        dialogs.emplace_back(new RecordNumberDialog(p.state, &p.container));
        dialogs.emplace_back(new YesNoDialog(p.state, &p.container));
        dialogs.emplace_back(new MessageDialog(p.state, &p.container));
        dialogs.emplace_back(new PrePayDialog(p.state, mortgage, &p.container));
        dialogs.emplace_back(new DaysInYearDialog(p.state, mortgage, &p.container));
        dialogs.emplace_back(
            new FirstPaymentDateDialog(p.state, p.scripted, Currency::fromWhole(25), &p.container));
        for (const auto& dialog : dialogs) {
            dialog->show();
            int figures = 0;
            const QStringList faults =
                unnamedControls(dialog.get()) + walkFaults(dialog.get(), figures);
            QVERIFY2(faults.isEmpty(), qPrintable(dialog->metaObject()->className() +
                                                  QStringLiteral(": ") + faults.join('\n')));
            dialog->hide();
        }
    }
    // Each worksheet opened from the menu and calculated: a step presses a button, and a
    // "button=file" step answers its file dialog with a sample copied beside the program.
    void everyWorksheetWalkedByAScreenReader_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("figures"); // the least number of results showing a figure
        QTest::newRow("budget") << "ToBudget" << QStringList{"FilOpen=Sample.BGT"} << 6;
        QTest::newRow("mortgage") << "Canadian" << QStringList{"MLoadFile=Sample.umd", "MCalc"}
                                  << 7;
        QTest::newRow("loan") << "LoanPmt" << QStringList{"MLoadFile=Sample.uld", "MCalc"} << 7;
        QTest::newRow("savings") << "Savings" << QStringList{"SCalc"} << 0;
        QTest::newRow("net worth")
            << "Networth" << QStringList{"Loadnet=NetSampl.NWV", "NCalc"} << 1;
        QTest::newRow("compare") << "Compare"
                                 << QStringList{"OpenPlanA=Sample.umd", "OpenPlanB=Sample.uld",
                                                "CmpCalc"}
                                 << 2;
        QTest::newRow("goal") << "Goal" << QStringList{"GOpen=Sample.Gol", "GCalc"} << 1;
        QTest::newRow("history") << "History" << QStringList{"HOpen=NetHist.Nwh"} << 3;
    }
    void everyWorksheetWalkedByAScreenReader() {
        QFETCH(QString, opener);
        QFETCH(QStringList, steps);
        QFETCH(int, figures);
        Program p;
        p.menuButton(opener)->click();
        QWidget* sheet = p.container.worksheet();
        for (const QString& step : steps) {
            const QString button = step.section('=', 0, 0), file = step.section('=', 1);
            if (!file.isEmpty()) {
                QFile::copy(PECUNEX_SOURCE_DIR "/samples/" + file, p.folder.filePath(file));
                p.scripted.fileNames.push_back(file.toStdString());
            }
            QPushButton* pressed = sheet->findChild<QPushButton*>(button);
            QVERIFY2(pressed, qPrintable(button));
            pressed->click();
        }
        QVERIFY(p.scripted.messages().empty());
        int shown = 0;
        const QStringList faults = walkFaults(sheet, shown);
        QVERIFY2(faults.isEmpty() && shown >= figures,
                 qPrintable(faults.join('\n') + QStringLiteral("\nfigures shown: %1").arg(shown)));
    }

    // A message opens as an alert that says its text.
    void aMessageIsAnAlertWithItsText() {
        Program p;
        p.state.MessageCode = msg::FileNotFound;
        MessageDialog message(p.state, &p.container);
        message.show();
        QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(&message);
        const QString text =
            QString::fromStdString(messageText(msg::FileNotFound, {})).simplified();
        const QString said = alert->text(QAccessible::Name) + QLatin1Char(' ') +
                             alert->text(QAccessible::Description);
        QVERIFY2(alert->role() == QAccessible::AlertMessage && said.simplified().contains(text),
                 qPrintable(said));
    }

    // Every path that would discard changed data, answered yes and no. Opening a file never
    // asks: the data in memory is replaced as soon as a file is chosen.
    void everyWayOutAsksBeforeDiscardingChanges() {
        for (const bool budget : {true, false})
            for (const Path path : {ExitButton, OpenFile, ContainerClose, FrameClose})
                for (const int answer : {question::Yes, question::No}) {
                    Program p(false);
                    // One changed line, as after an add or a calculation.
                    p.container.openWorksheet(budget ? "budget" : "networth");
                    if (budget) {
                        p.budget.IncomeRecords[1] = {1, "Salary", Currency::fromWhole(1200),
                                                     Currency::fromWhole(12),
                                                     Currency::fromWhole(1200)};
                        p.budget.IncomeCount = 1, p.budget.BudgetChanged = 1;
                    } else {
                        p.netWorth.AssetRows[1] = {"House", 1000.0};
                        p.netWorth.AssetCount = 1, p.netWorth.NetWorthUnsaved = 1;
                    }
                    p.scripted.answers = {answer};
                    p.scripted.fileNames = {"missing-file"};
                    const char* buttons[] = {budget ? "ExitBudget" : "NExit",
                                             budget ? "FilOpen" : "Loadnet"};
                    if (path == ExitButton || path == OpenFile)
                        p.container.worksheet()->findChild<QPushButton*>(buttons[path])->click();
                    else if (path == ContainerClose)
                        p.container.close();
                    else
                        worksheetFrame(p.container.worksheet())->close();
                    QCoreApplication::processEvents();
                    const bool asks = path != OpenFile, kept = asks && answer == question::Yes;
                    int asked = 0, open = 0;
                    for (const auto& call : p.scripted.calls)
                        asked +=
                            call == ScriptedDialogs::Call{"yesNo", question::SaveBeforeErasing};
                    for (QMdiSubWindow* w : p.container.area()->subWindowList())
                        open += w->widget() != p.container.menu() && w->isVisible();
                    const int lines = budget ? p.budget.IncomeCount : p.netWorth.AssetCount;
                    const QString where = QString("%1, path %2, answer %3")
                                              .arg(buttons[0])
                                              .arg(int(path))
                                              .arg(answer);
                    QVERIFY2(asked == asks && lines == kept, qPrintable(where));
                    QVERIFY2(open == (kept || path == OpenFile), qPrintable(where));
                    if (path == ContainerClose)
                        QVERIFY2(p.container.isVisible() == kept, qPrintable(where));
                }
    }
};

PECUNEX_QTEST_MAIN(TestWholeProgram)
#include "test_whole_program.moc"
