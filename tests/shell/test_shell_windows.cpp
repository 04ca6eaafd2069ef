#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "AboutBox.h"
#include "MainMenu.h"
#include "MdiContainer.h"
#include "PersonalizeDialog.h"
#include "Platform.h"
#include "QtTestMain.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "SharedState.h"

// Catches the files the program hands to the desktop's viewer.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class ShellWindowsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<SharedState> state;
    std::unique_ptr<ScriptedDialogs> dialogs;
    CapturingPrinters printers;
    std::unique_ptr<MdiContainer> container;

    void start(const std::string& userName = {}) {
        state = std::make_unique<SharedState>();
        state->ProgramFolder = folder.path().toStdString();
        state->UserName = userName;
        dialogs = std::make_unique<ScriptedDialogs>(*state);
        container = std::make_unique<MdiContainer>(*state);
        container->setDialogs(dialogs.get());
        container->setPrinters(&printers);
        container->show();
        container->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(container.get()));
    }
    template <class T = QPushButton> T* control(QObject* parent, const char* name) {
        T* found = parent->findChild<T*>(QLatin1String(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QPushButton* menuButton(const char* name) { return control(container->menu(), name); }
    QMdiSubWindow* frameOf(QWidget* w) { return qobject_cast<QMdiSubWindow*>(w->parentWidget()); }
    // Resizes the container so its outer height is `pixels`.
    void setOuterHeight(int pixels) {
        const int frame = container->frameGeometry().height() - container->height();
        container->resize(container->width(), pixels - frame);
        QTRY_COMPARE(container->frameGeometry().height(), pixels);
    }
    // Runs `check` inside the modal loop of the next dialog.
    // A failed check leaves the dialog open; it is closed then, so the test goes on.
    void whenModal(std::function<void(QWidget*)> check) {
        QTimer::singleShot(0, this, [check] {
            QPointer<QWidget> modal = QApplication::activeModalWidget();
            if (!modal) qFatal("no modal dialog is showing");
            check(modal);
            if (auto* dialog = qobject_cast<QDialog*>(modal.data()); dialog && dialog->isVisible()) dialog->done(0);
        });
    }
    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void initTestCase() { QVERIFY(folder.isValid()); }
    void init() { QFile::remove(QDir(folder.path()).filePath(QStringLiteral("Personal.kpf"))); }
    void cleanup() {
        container.reset();
        dialogs.reset();
        state.reset();
    }

    // --- the main menu --------------------------------------------------------------------

    void menuButtonsInOrder() {
        start();
        const QList<QPair<QString, QString>> expected = {
            {"Networth", "&Net Worth"},
            {"LoanPmt", "Planning your &Loans"},
            {"ToBudget", "Planning your &Budget"},
            {"PTrFnt", "Personali&ze Settings"},
            {"ExitButten", "E&xit from Program"},
            {"About", "&About..."},
            {"HowTo", "&How to Use the Program"},
            {"Canadian", "Planning your &Mortgage"},
            {"Savings", "Planning your &Savings"},
        };
        QList<QPair<QString, QString>> made;
        for (QPushButton* b : container->menu()->findChildren<QPushButton*>())
            made.append({b->objectName(), b->text()});
        QCOMPARE(made, expected);
        // Tab walks the buttons in the same order.
        QWidget* w = menuButton("Networth");
        for (const auto& [name, caption] : expected) {
            QCOMPARE(w->objectName(), name);
            do w = w->nextInFocusChain();
            while (!qobject_cast<QPushButton*>(w));
        }
    }

    void menuTitleAndName() {
        start();
        auto* title = control<QLabel>(container->menu(), "Label2");
        QCOMPARE(title->text(), QStringLiteral("Pecunex Ruv9"));
        QCOMPARE(title->font().family(), QStringLiteral("MS Serif"));
        QCOMPARE(title->font().styleHint(), QFont::Serif);
        QVERIFY(container->menu()->findChild<QLabel*>(QStringLiteral("Label3")));
        QVERIFY(container->menu()->findChild<QLabel*>(QStringLiteral("Label4")));
        auto* myName = control<QLabel>(container->menu(), "MyName");
        QVERIFY(!myName->isVisible());
        container.reset();
        start("Ann Lee");
        myName = control<QLabel>(container->menu(), "MyName");
        QVERIFY(myName->isVisible());
        QCOMPARE(myName->text(), QStringLiteral("Ann Lee"));
    }

    void howToOpensTheGuideBesideTheProgram() {
        start();
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        QTest::mouseClick(menuButton("HowTo"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened.front().toLocalFile(), QDir(folder.path()).filePath(QStringLiteral("pnxuse33.html")));
        QVERIFY(container->menu()->isVisible());
    }

    void exitEndsAtOnce() {
        start();
        QVERIFY(container->isVisible());
        QTest::mouseClick(menuButton("ExitButten"), Qt::LeftButton);
        QVERIFY(!container->isVisible());
        QVERIFY(dialogs->calls.empty());
    }

    // --- the container and placement ------------------------------------------------------

    void containerOpensAtItsSize() {
        start();
        QCOMPARE(container->windowTitle(), QStringLiteral(" Pecunex Menu"));
        QCOMPARE(container->size(), QSize(641, 454));
        QCOMPARE(container->pos(), QPoint(0, 0));
        QCOMPARE(state->LayoutClass, 6810);
        // The menu at (-25, -15) twips.
        QCOMPARE(frameOf(container->menu())->pos(), QPoint(-2, -1));
    }

    void layoutClassFollowsTheHeight() {
        start();
        setOuterHeight(567);  // 8505 twips
        QCOMPARE(state->LayoutClass, 8670);
        QCOMPARE(frameOf(container->menu())->pos(), QPoint(80, 67));
        setOuterHeight(566);  // 8490 twips
        QCOMPARE(state->LayoutClass, 6810);
        QCOMPARE(frameOf(container->menu())->pos(), QPoint(-2, -1));
    }

    void worksheetIsPlacedByTheLayoutClass() {
        start();
        QTest::mouseClick(menuButton("ToBudget"), Qt::LeftButton);
        QWidget* sheet = container->worksheet();
        QVERIFY(sheet);
        QCOMPARE(frameOf(sheet)->pos(), QPoint(-4, -2));  // (-60, -30) twips
        setOuterHeight(700);
        QCOMPARE(state->LayoutClass, 8670);
        QCOMPARE(frameOf(sheet)->pos(), QPoint(80, 67));  // (1200, 1000) twips
        setOuterHeight(454);
        QCOMPARE(frameOf(sheet)->pos(), QPoint(-4, -2));
    }

    // --- opening worksheets ---------------------------------------------------------------

    void placeholderWorksheetsOpenAndReturn_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("mortgageMode");
        QTest::addColumn<int>("contextCode");
        QTest::newRow("net worth") << "Networth" << " Net Worth" << 1 << 0;
        QTest::newRow("loans") << "LoanPmt" << " Loan Calculations" << 2 << 0;
        QTest::newRow("budget") << "ToBudget" << " Budget Calculations" << 1 << 0;
        QTest::newRow("mortgage") << "Canadian" << " Mortgage Calculations" << 1 << 0;
        QTest::newRow("savings") << "Savings" << " Investment Growth Calculations" << 1 << 1;
    }

    void placeholderWorksheetsOpenAndReturn() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(int, mortgageMode);
        QFETCH(int, contextCode);
        start();
        state->MortgageMode = button == "Canadian" ? 2 : 1;
        QTest::mouseClick(menuButton(button.toLatin1().constData()), Qt::LeftButton);
        QVERIFY(!container->menu()->isVisible());
        QPointer<QWidget> sheet = container->worksheet();
        QVERIFY(sheet && sheet->isVisible());
        QCOMPARE(container->windowTitle(), caption);
        QCOMPARE(int(state->MortgageMode), mortgageMode);
        QCOMPARE(int(state->ContextCode), contextCode);

        QTest::mouseClick(control(sheet.data(), "ExitToMenu"), Qt::LeftButton);
        QVERIFY(container->menu()->isVisible());
        QCOMPARE(container->windowTitle(), QStringLiteral(" Pecunex Menu"));
        flushDeletes();
        QVERIFY(sheet.isNull());
        QVERIFY(!container->worksheet());
    }

    void registeredWorksheetIsMadeAfreshEachTime() {
        start();
        int made = 0;
        Workspace* given = nullptr;
        container->registerWorksheet(Worksheet::Mortgage, [&](Workspace& ws) -> QWidget* {
            ++made;
            given = &ws;
            ws.setCaption(QStringLiteral(" Test Sheet"));
            auto* sheet = new QLabel(QStringLiteral("sheet"));
            sheet->setObjectName(QStringLiteral("MortgageCalc"));
            return sheet;
        });
        QTest::mouseClick(menuButton("Canadian"), Qt::LeftButton);
        QCOMPARE(made, 1);
        QCOMPARE(given, static_cast<Workspace*>(container.get()));
        QCOMPARE(container->worksheet()->objectName(), QStringLiteral("MortgageCalc"));
        QCOMPARE(container->windowTitle(), QStringLiteral(" Test Sheet"));
        // The worksheet leaves through the workspace.
        container->showMenu();
        flushDeletes();
        QTest::mouseClick(menuButton("Canadian"), Qt::LeftButton);
        QCOMPARE(made, 2);
        QCOMPARE(container->area()->subWindowList().size(), 2);  // the menu and one worksheet
    }

    void closingTheWorksheetFrameBringsTheMenuBack() {
        start();
        QTest::mouseClick(menuButton("Networth"), Qt::LeftButton);
        QMdiSubWindow* frame = frameOf(container->worksheet());
        QVERIFY(frame->close());
        flushDeletes();
        QVERIFY(container->menu()->isVisible());
        QVERIFY(!container->worksheet());
    }

    void f1OpensTheGuideFromAWorksheet() {
        start();
        QTest::mouseClick(menuButton("Savings"), Qt::LeftButton);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        QTest::keyClick(control(container->worksheet(), "ExitToMenu"), Qt::Key_F1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened.size(), 1);
        QVERIFY(catcher.opened.front().toLocalFile().endsWith(QStringLiteral("/pnxuse33.html")));
    }

    void closingTheContainerAsksTheWorksheet() {
        // A worksheet with unsaved data may refuse to be closed; the program then stays.
        struct Reluctant : QWidget {
            bool allow = false;
            int asked = 0;
            void closeEvent(QCloseEvent* e) override {
                ++asked;
                e->setAccepted(allow);
            }
        };
        start();
        QPointer<Reluctant> sheet;
        container->registerWorksheet(Worksheet::NetWorth, [&](Workspace&) -> QWidget* { return sheet = new Reluctant; });
        QTest::mouseClick(menuButton("Networth"), Qt::LeftButton);
        QVERIFY(!container->close());
        QVERIFY(container->isVisible());
        QCOMPARE(sheet->asked, 1);
        sheet->allow = true;
        QVERIFY(container->close());
        QVERIFY(!container->isVisible());
        QCOMPARE(sheet->asked, 2);
    }

    void exitButtonDoesNotAskTheWorksheet() {
        start();
        int asked = 0;
        struct Counting : QWidget {
            int* asked;
            explicit Counting(int* a) : asked(a) {}
            void closeEvent(QCloseEvent* e) override { ++*asked; e->ignore(); }
        };
        container->registerWorksheet(Worksheet::Budget, [&](Workspace&) -> QWidget* { return new Counting(&asked); });
        QTest::mouseClick(menuButton("ToBudget"), Qt::LeftButton);
        container->exitProgram();
        QVERIFY(!container->isVisible());
        QCOMPARE(asked, 0);
    }

    // --- the modal dialogs of the menu ----------------------------------------------------

    void aboutBoxOverTheHiddenMenu() {
        start();
        bool seen = false;
        whenModal([&](QWidget* modal) {
            seen = true;
            QVERIFY(qobject_cast<AboutBox*>(modal));
            QVERIFY(!container->menu()->isVisible());
            const QString text = control<QLabel>(modal, "Label1")->text();
            QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Pecunex Ruv9 v3.3"));
            // (2400, 1100) twips from the container's corner.
            QCOMPARE(modal->frameGeometry().topLeft() - container->frameGeometry().topLeft(), QPoint(160, 73));
            auto* ok = control(modal, "OKButton");
            QCOMPARE(ok->text(), QStringLiteral("&OK"));
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        QTest::mouseClick(menuButton("About"), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(container->menu()->isVisible());
    }

    void personalizeFromTheMenu() {
        start();
        bool seen = false;
        whenModal([&](QWidget* modal) {
            seen = true;
            QVERIFY(qobject_cast<PersonalizeDialog*>(modal));
            QCOMPARE(container->windowTitle(), QStringLiteral(" Personalize"));
            QVERIFY(!container->menu()->isVisible());
            QCOMPARE(modal->frameGeometry().topLeft() - container->frameGeometry().topLeft(), QPoint(204, 47));
            modal->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(modal));
            auto* name = control<QLineEdit>(modal, "InMyName");
            name->setFocus();
            QTRY_VERIFY(name->hasFocus());
            QTest::keyClicks(name, QStringLiteral("Ann Lee"));
            QTest::keyClick(name, Qt::Key_Return);
            QTest::mouseClick(control(modal, "ExitFonts"), Qt::LeftButton);
        });
        QTest::mouseClick(menuButton("PTrFnt"), Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(container->windowTitle(), QStringLiteral(" Pecunex Menu"));
        auto* myName = control<QLabel>(container->menu(), "MyName");
        QVERIFY(myName->isVisible());
        QCOMPARE(myName->text(), QStringLiteral("Ann Lee"));
        QVERIFY(QFile::exists(settingsFilePath(*state)));
    }
};

PECUNEX_QTEST_MAIN(ShellWindowsTest)
#include "test_shell_windows.moc"
