// The container window, the main menu, and where they put the worksheets.
#include "MainMenu.h"
#include "MdiContainer.h"
#include "ShellTest.h"
#include "WorksheetFrame.h"

#include <QScrollArea>
#include <QScrollBar>

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
    QPoint framePos(QWidget* w) { return worksheetFrame(w)->pos(); }
    void setOuterHeight(int pixels) {
        container->resize(container->width(),
                          pixels - (container->frameGeometry().height() - container->height()));
        QTRY_COMPARE(container->frameGeometry().height(), pixels);
    }

  private slots:
    void cleanup() { container.reset(); }

    // The buttons in order with their accelerators, Tab in the same order; the name only if set.
    void menu() {
        start();
        const QStringList expected = {"Networth:&Net Worth",
                                      "Compare:&Compare Loans",
                                      "LoanPmt:Planning your &Loans",
                                      "ToBudget:Planning your &Budget",
                                      "PTrFnt:Personali&ze Settings",
                                      "ExitButten:E&xit from Program",
                                      "About:&About...",
                                      "HowTo:&How to Use the Program",
                                      "Canadian:Planning your &Mortgage",
                                      "Savings:Planning your &Savings"};
        QStringList made, tabbed;
        for (auto* b : container->menu()->findChildren<QPushButton*>())
            made << b->objectName() + ":" + b->text();
        QCOMPARE(made, expected);
        for (QWidget* w = menu("Networth"); tabbed.size() < expected.size();
             w = w->nextInFocusChain())
            if (auto* b = qobject_cast<QPushButton*>(w))
                tabbed << b->objectName() + ":" + b->text();
        QCOMPARE(tabbed, expected);
        QCOMPARE(child<QLabel>(container->menu(), "Label2")->text(), QString("Pecunex Ruv9"));
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

    // 6810 up to 8500 twips of height, 8670 above; the menu and a worksheet move with it.
    void layoutClassAndPlacement_data() {
        QTest::addColumn<QByteArray>("sheet"); // the menu button that opens it; none: the menu
        QTest::addColumn<QPoint>("small");
        QTest::newRow("main menu") << QByteArray() << QPoint(-2, -1);           // (-25, -15) twips
        QTest::newRow("worksheet") << QByteArray("ToBudget") << QPoint(-4, -2); // (-60, -30)
    }
    void layoutClassAndPlacement() {
        QFETCH(QByteArray, sheet);
        QFETCH(QPoint, small);
        start();
        QCOMPARE(container->windowTitle(), QString(" Pecunex Menu"));
        QCOMPARE(container->size(), QSize(641, 454));
        QCOMPARE(container->pos(), QPoint(0, 0));
        if (!sheet.isEmpty())
            click(sheet.constData());
        QWidget* shown = sheet.isEmpty() ? container->menu() : container->worksheet();
        QCOMPARE(state.LayoutClass, 6810);
        QCOMPARE(framePos(shown), small);
        setOuterHeight(567); // 8505 twips
        QCOMPARE(state.LayoutClass, 8670);
        QCOMPARE(framePos(shown), QPoint(80, 67)); // (1200, 1000)
        setOuterHeight(566);                       // 8490 twips
        QCOMPARE(state.LayoutClass, 6810);
        QCOMPARE(framePos(shown), small);
    }

    // Without a registered worksheet each button opens a placeholder with its caption and
    // context; its exit button, or closing its frame, brings the menu back.
    void placeholderWorksheets_data() {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("context");
        QTest::newRow("net worth") << QByteArray("Networth") << " Net Worth" << 7 << 0;
        QTest::newRow("compare") << QByteArray("Compare") << " Compare Loans" << 7 << 0;
        QTest::newRow("loans") << QByteArray("LoanPmt") << " Loan Calculations" << 2 << 0;
        QTest::newRow("budget") << QByteArray("ToBudget") << " Budget Calculations" << 7 << 0;
        QTest::newRow("mortgage") << QByteArray("Canadian") << " Mortgage Calculations" << 1 << 0;
        QTest::newRow("savings") << QByteArray("Savings") << " Investment Growth Calculations" << 7
                                 << 1;
    }
    void placeholderWorksheets() {
        QFETCH(QByteArray, button);
        QFETCH(QString, caption);
        QFETCH(int, mode);
        QFETCH(int, context);
        start();
        state.MortgageMode = 7; // set only by the two planners
        click(button.constData());
        QVERIFY(!container->menu()->isVisible());
        QPointer<QWidget> sheet = container->worksheet();
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(container->area()->subWindowList().size(), 2);
        QCOMPARE(container->windowTitle(), caption);
        QCOMPARE(state.MortgageMode, mode);
        QCOMPARE(state.ContextCode, context);
        if (context)
            QVERIFY(worksheetFrame(sheet)->close());
        else
            QTest::mouseClick(child(sheet.data(), "ExitToMenu"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(container->menu()->isVisible());
        QCOMPARE(container->windowTitle(), QString(" Pecunex Menu"));
        QVERIFY(sheet.isNull() && !container->worksheet());
    }

    // Personalize over the hidden menu; leaving it shows the new name on the menu.
    void personalize() {
        start();
        expectModal(
            "ChangeFnt", [&] { click("PTrFnt"); },
            [&](QWidget* w) {
                QVERIFY(!container->menu()->isVisible());
                QCOMPARE(w->pos() - container->pos(), QPoint(204, 47)); // (3060, 700) twips
                child(w, "InMyName")->setFocus();
                QTest::keyClicks(child(w, "InMyName"), "Ann Lee");
                QTest::mouseClick(child(w, "ExitFonts"), Qt::LeftButton);
            });
        QCOMPARE(container->windowTitle(), QString(" Pecunex Menu"));
        QVERIFY(menu("MyName")->isVisible());
        QCOMPARE(child<QLabel>(container->menu(), "MyName")->text(), QString("Ann Lee"));
    }

    // After Personalize or About, opened by keyboard or mouse, the menu's focus is back on
    // the button that opened it (never on "E&xit from Program", which a stray Enter would
    // press); neither dialog can be maximised. Each sits at its offset from the container's
    // corner (in twips, for the container's opening size).
    void focusReturnsToTheOpeningButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("Personalize, Enter") << "PTrFnt"
                                            << "ChangeFnt" << false << QPoint(3060, 700);
        QTest::newRow("Personalize, mouse") << "PTrFnt"
                                            << "ChangeFnt" << true << QPoint(3060, 700);
        QTest::newRow("About, Enter") << "About"
                                      << "AboutBox" << false << QPoint(2400, 1100);
        QTest::newRow("About, mouse") << "About"
                                      << "AboutBox" << true << QPoint(2400, 1100);
    }
    void focusReturnsToTheOpeningButton() {
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        QFETCH(bool, byMouse);
        QFETCH(QPoint, twips);
        start();
        QWidget* opener = menu(qPrintable(button));
        opener->setFocus(Qt::TabFocusReason);
        Qt::WindowFlags frame;
        QPoint at;
        bool fixedSize = false;
        const QString shown = runModal(
            [&] {
                if (byMouse)
                    QTest::mouseClick(opener, Qt::LeftButton);
                else
                    QTest::keyClick(opener, Qt::Key_Return);
            },
            [&](QWidget* w) {
                frame = w->windowFlags();
                fixedSize = w->minimumSize() == w->maximumSize() && w->size() == w->minimumSize();
                at = w->pos() - container->pos();
                static_cast<QDialog*>(w)->reject();
            });
        QCOMPARE(shown, dialog);
        QCOMPARE(at,
                 QPoint(platform::twipsToPixels(twips.x()), platform::twipsToPixels(twips.y())));
        QVERIFY(!(frame & Qt::WindowMaximizeButtonHint) && !(frame & Qt::WindowMinimizeButtonHint));
        QVERIFY(fixedSize); // window managers that ignore the hints still offer no maximise
        QTRY_VERIFY(container->menu()->isVisible());
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), button);
    }

    // A worksheet that fits shows no scroll bars; in a container made smaller than its least
    // size it scrolls, and the keyboard brings every control into sight (here the exit button
    // in its bottom-right corner); made large again, the bars go.
    void smallContainerScrollsTheWorksheet() {
        start();
        QPushButton* exit = nullptr;
        container->registerWorksheet(Worksheet::Budget, [&](Workspace& w) -> QWidget* {
            auto* sheet = new QWidget;
            sheet->setMinimumSize(600, 420);
            (new QLineEdit(sheet))->setGeometry(10, 10, 100, 24);
            exit = new QPushButton(QStringLiteral("E&xit to Menu"), sheet);
            exit->setObjectName(QStringLiteral("ExitToMenu"));
            exit->setGeometry(500, 385, 90, 30);
            QObject::connect(exit, &QPushButton::clicked, sheet, [&w] { w.showMenu(); });
            return sheet;
        });
        click("ToBudget");
        QWidget* sheet = container->worksheet();
        QVERIFY(sheet && exit && exit->window() == container.get());
        auto* scroller = qobject_cast<QScrollArea*>(sheet->parentWidget()->parentWidget());
        QVERIFY(scroller);
        auto barsShown = [&] {
            return scroller->horizontalScrollBar()->isVisible() ||
                   scroller->verticalScrollBar()->isVisible();
        };
        // The opening size: the worksheet fills the visible area, up to the area's edges.
        const QRect area = container->area()->viewport()->rect();
        QVERIFY(!barsShown());
        QCOMPARE(worksheetFrame(sheet)->geometry().bottomRight(), area.bottomRight());

        container->resize(300, 220); // as small as it goes
        QTRY_VERIFY(scroller->horizontalScrollBar()->isVisible());
        QVERIFY(scroller->verticalScrollBar()->isVisible());
        QCOMPARE(sheet->size(), sheet->minimumSize());
        const QRect seen = scroller->viewport()->rect();
        auto shownInFull = [&] {
            const QRect r(exit->mapTo(scroller->viewport(), QPoint(0, 0)), exit->size());
            return seen.contains(r);
        };
        QVERIFY(!shownInFull());
        QApplication::setActiveWindow(container.get());
        QVERIFY(QTest::qWaitForWindowActive(container.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), exit);
        QTRY_VERIFY(shownInFull());
        QTest::keyClick(exit, Qt::Key_Space);
        QTRY_VERIFY(container->menu()->isVisible());

        click("ToBudget");
        scroller =
            qobject_cast<QScrollArea*>(container->worksheet()->parentWidget()->parentWidget());
        QTRY_VERIFY(scroller->horizontalScrollBar()->isVisible());
        container->resize(900, 700);
        QTRY_VERIFY(!scroller->horizontalScrollBar()->isVisible());
        QVERIFY(!scroller->verticalScrollBar()->isVisible());
    }
};

PECUNEX_SUITE(ShellWindowsTest)
#include "test_shell_windows.moc"
