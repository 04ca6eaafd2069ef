// The container window, the main menu, and where they put the worksheets.
#include "MainMenu.h"
#include "MdiContainer.h"
#include "ShellTest.h"
#include "WorksheetFrame.h"

#include <QScrollArea>
#include <QScrollBar>

namespace {
struct SheetRow {
    const char *name, *button, *caption;
    int mode, context; // MortgageMode (7: left alone) and ContextCode afterwards
};
} // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    ShellState state;
    ScriptedDialogs dialogs{state};
    CapturingPrinters printers;
    std::unique_ptr<MdiContainer> container;

    void start(const std::string& userName = {}) {
        container.reset();
        state = ShellState{};
        state.ProgramFolder = folder.path().toStdString(), state.UserName = userName;
        container = std::make_unique<MdiContainer>(state);
        container->setDialogs(&dialogs), container->setPrinters(&printers);
        container->show();
        QVERIFY(QTest::qWaitForWindowExposed(container.get()));
    }
    QWidget* menu(const char* name) { return child(container->menu(), name); }
    void click(const char* button) { QTest::mouseClick(menu(button), Qt::LeftButton); }
    void setOuterHeight(int pixels) {
        container->resize(container->width(),
                          pixels - (container->frameGeometry().height() - container->height()));
        QTRY_COMPARE(container->frameGeometry().height(), pixels);
    }

  private slots:
    void cleanup() { container.reset(); }

    // The buttons in Tab order with their accelerators; the user's name only when set.
    void menu() {
        start();
        QStringList tabbed;
        for (QWidget* w = menu("Networth"); tabbed.size() < 10; w = w->nextInFocusChain())
            if (auto* b = qobject_cast<QPushButton*>(w))
                tabbed << b->objectName() + ":" + b->text();
        QCOMPARE(
            tabbed,
            QStringList({"Networth:&Net Worth", "Goal:Savings &Goal",
                         "LoanPmt:Planning your &Loans", "ToBudget:Planning your &Budget",
                         "PTrFnt:Personali&ze Settings", "ExitButten:E&xit from Program",
                         "About:&About...", "HowTo:&How to Use the Program",
                         "Canadian:Planning your &Mortgage", "Savings:Planning your &Savings"}));
        QVERIFY(!menu("MyName")->isVisible());
        start("Ann Lee");
        QVERIFY(menu("MyName")->isVisible());
        QCOMPARE(child<QLabel>(container->menu(), "MyName")->text(), QString("Ann Lee"));
    }

    // ExitButten ends at once, asking nothing; closing the window asks the worksheet, which
    // may refuse; the program's exit does not ask it.
    void exitAndClose() {
        start();
        click("ExitButten");
        QVERIFY(!container->isVisible());
        QVERIFY(dialogs.calls.empty());
        struct Reluctant : QWidget {
            int asked = 0;
            void closeEvent(QCloseEvent* e) override { ++asked, e->ignore(); }
        } * sheet;
        start();
        container->registerWorksheet(Worksheet::NetWorth,
                                     [&](Workspace&) -> QWidget* { return sheet = new Reluctant; });
        click("Networth");
        QVERIFY(!container->close());
        QVERIFY(container->isVisible());
        QCOMPARE(sheet->asked, 1);
        container->exitProgram();
        QVERIFY(!container->isVisible());
        QCOMPARE(sheet->asked, 1);
    }

    // The container opens at the screen's corner at 9615 x 6810 twips. 6810 up to 8500 twips
    // of height, 8670 above; the menu and a worksheet move with it.
    void layoutClassAndPlacement() {
        for (const bool sheet : {false, true}) {
            start();
            QCOMPARE(container->windowTitle(), QString(" Pecunex Menu"));
            QCOMPARE(QRect(container->pos(), container->size()), QRect(0, 0, 641, 454));
            if (sheet)
                click("ToBudget");
            QWidget* shown = worksheetFrame(sheet ? container->worksheet() : container->menu());
            const QPoint small = sheet ? QPoint(-4, -2) : QPoint(-2, -1); // (-60, -30), (-25, -15)
            for (const int height : {454, 567, 566}) { // 6810, 8505 and 8490 twips
                setOuterHeight(height);
                QCOMPARE(state.LayoutClass, height == 567 ? 8670 : 6810);
                QCOMPARE(shown->pos(), height == 567 ? QPoint(80, 67) : small); // (1200, 1000)
            }
        }
    }

    // Without a registered worksheet each button opens a placeholder with its caption and
    // context; its exit button, or closing its frame, brings the menu back.
    void placeholderWorksheets_data() {
        const SheetRow rows[] = {{"net worth", "Networth", " Net Worth", 7, 0},
                                 {"goal", "Goal", " Savings Goal Calculations", 7, 0},
                                 {"loans", "LoanPmt", " Loan Calculations", 2, 0},
                                 {"budget", "ToBudget", " Budget Calculations", 7, 0},
                                 {"mortgage", "Canadian", " Mortgage Calculations", 1, 0},
                                 {"savings", "Savings", " Investment Growth Calculations", 7, 1}};
        addRows(rows);
    }
    void placeholderWorksheets() {
        QFETCH(SheetRow, row);
        start();
        state.MortgageMode = 7; // set only by the two planners
        click(row.button);
        QVERIFY(!container->menu()->isVisible());
        QPointer<QWidget> sheet = container->worksheet();
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(container->area()->subWindowList().size(), 2);
        QCOMPARE(container->windowTitle(), QString(row.caption));
        QCOMPARE(state.MortgageMode * 10 + state.ContextCode, row.mode * 10 + row.context);
        if (row.context)
            QVERIFY(worksheetFrame(sheet)->close());
        else
            QTest::mouseClick(child(sheet.data(), "ExitToMenu"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(container->menu()->isVisible());
        QCOMPARE(container->windowTitle(), QString(" Pecunex Menu"));
        QVERIFY(sheet.isNull() && !container->worksheet());
    }

    // Personalize and About stand at their offsets from the container's corner, over the
    // hidden menu, with no maximise or minimise button; afterwards the menu's focus is back on
    // the button that opened them (never on "E&xit from Program", which a stray Enter would
    // press). A name typed in Personalize shows on the menu.
    void menuDialogs() {
        for (const bool personalize : {false, true}) {
            start();
            const char* button = personalize ? "PTrFnt" : "About";
            menu(button)->setFocus(Qt::TabFocusReason);
            Qt::WindowFlags frame;
            QPoint at;
            bool fixedSize = false;
            const auto drive = [&](QWidget* w) {
                QVERIFY(!container->menu()->isVisible());
                frame = w->windowFlags();
                fixedSize = w->minimumSize() == w->maximumSize() && w->size() == w->minimumSize();
                at = w->pos() - container->pos();
                if (!personalize)
                    return QTest::mouseClick(child(w, "OKButton"), Qt::LeftButton);
                child(w, "InMyName")->setFocus();
                QTest::keyClicks(child(w, "InMyName"), "Ann Lee");
                QTest::keyClick(w, Qt::Key_Escape);
            };
            expectModal(
                personalize ? "ChangeFnt" : "AboutBox",
                [&] { QTest::keyClick(menu(button), Qt::Key_Return); }, drive);
            const QPoint twips = personalize ? QPoint(3060, 700) : QPoint(2400, 1100);
            QCOMPARE(
                at, QPoint(platform::twipsToPixels(twips.x()), platform::twipsToPixels(twips.y())));
            QVERIFY(!(frame & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
            QVERIFY(fixedSize); // window managers that ignore the hints still offer no maximise
            QTRY_VERIFY(container->menu()->isVisible());
            QCOMPARE(QApplication::focusWidget(), menu(button));
            QCOMPARE(container->windowTitle(), QString(" Pecunex Menu"));
            QCOMPARE(menu("MyName")->isVisible(), personalize);
        }
        QCOMPARE(child<QLabel>(container->menu(), "MyName")->text(), QString("Ann Lee"));
    }

    // A worksheet that fits shows no scroll bars; in a container made smaller than its least
    // size it scrolls, and the keyboard brings every control into sight (here the exit button
    // in its bottom-right corner); made large again, the bars go.
    void smallContainerScrollsTheWorksheet() {
        start();
        QPushButton* exit = nullptr;
        container->registerWorksheet(Worksheet::Budget, [&](Workspace&) -> QWidget* {
            auto* sheet = new QWidget;
            sheet->setMinimumSize(600, 420);
            (new QLineEdit(sheet))->setGeometry(10, 10, 100, 24);
            (exit = new QPushButton("E&xit to Menu", sheet))->setGeometry(500, 385, 90, 30);
            return sheet;
        });
        click("ToBudget");
        QWidget* sheet = container->worksheet();
        auto* scroller = qobject_cast<QScrollArea*>(sheet->parentWidget()->parentWidget());
        QVERIFY(scroller && exit->window() == container.get());
        QScrollBar *across = scroller->horizontalScrollBar(), *down = scroller->verticalScrollBar();
        // The opening size: the worksheet fills the visible area, up to the area's edges.
        QVERIFY(!across->isVisible() && !down->isVisible());
        QCOMPARE(worksheetFrame(sheet)->geometry().bottomRight(),
                 container->area()->viewport()->rect().bottomRight());
        container->resize(300, 220); // as small as it goes
        QTRY_VERIFY(across->isVisible() && down->isVisible());
        QCOMPARE(sheet->size(), sheet->minimumSize());
        const auto shownInFull = [&] {
            return scroller->viewport()->rect().contains(
                QRect(exit->mapTo(scroller->viewport(), QPoint(0, 0)), exit->size()));
        };
        QVERIFY(!shownInFull());
        QApplication::setActiveWindow(container.get());
        QVERIFY(QTest::qWaitForWindowActive(container.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), exit);
        QTRY_VERIFY(shownInFull());
        container->resize(900, 700);
        QTRY_VERIFY(!across->isVisible() && !down->isVisible());
    }
};

PECUNEX_SUITE(ShellWindowsTest)
#include "test_shell_windows.moc"
