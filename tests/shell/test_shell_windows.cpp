// The container window, the main menu, and where they put the worksheets.
#include "MainMenu.h"
#include "MdiContainer.h"
#include "ShellTest.h"
#include "WorksheetFrame.h"

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
        // One worksheet, a stand-in, to see where the container puts a worksheet.
        const WorksheetRow standIn{
            "budget", "ToBudget", "Planning your &Budget",
            4,        {},         [](Workspace&) -> QWidget* { return new QWidget; }};
        container = std::make_unique<MdiContainer>(state, WorksheetTable{standIn});
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

    // ExitButten ends at once, asking nothing. (Closing the window with a worksheet open: the
    // whole program's test of every way out.)
    void exitButton() {
        start();
        click("ExitButten");
        QVERIFY(!container->isVisible());
        QVERIFY(dialogs.calls.empty());
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

    // Personalize and About stand at their offsets from the container's corner, over the
    // hidden menu; afterwards the menu's focus is back on the button that opened them (never
    // on "E&xit from Program", which a stray Enter would press). A name typed shows on the menu.
    void menuDialogs() {
        for (const bool personalize : {false, true}) {
            start();
            const char* button = personalize ? "PTrFnt" : "About";
            menu(button)->setFocus(Qt::TabFocusReason);
            QPoint at;
            const auto drive = [&](QWidget* w) {
                QVERIFY(!container->menu()->isVisible());
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
            QTRY_VERIFY(container->menu()->isVisible());
            QCOMPARE(QApplication::focusWidget(), menu(button));
            QCOMPARE(container->windowTitle(), QString(" Pecunex Menu"));
            QCOMPARE(menu("MyName")->isVisible(), personalize);
        }
        QCOMPARE(child<QLabel>(container->menu(), "MyName")->text(), QString("Ann Lee"));
    }
};

PECUNEX_SUITE(ShellWindowsTest)
#include "test_shell_windows.moc"
