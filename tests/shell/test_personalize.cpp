#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "PersonalizeDialog.h"
#include "QtTestMain.h"
#include "Settings.h"
#include "SharedState.h"
#include "Workspace.h"

// Just enough of the program around the dialog: a container window with a caption.
class CaptionOnlyWorkspace : public Workspace {
public:
    explicit CaptionOnlyWorkspace(SharedState& s) : state_(s) {}
    SharedState& state() override { return state_; }
    Dialogs& dialogs() override { qFatal("the Personalize dialog needs no dialogs"); }
    PrinterProvider& printers() override { qFatal("the Personalize dialog prints nothing"); }
    QWidget* container() override { return &window; }
    void setCaption(const QString& caption) override { window.setWindowTitle(caption); }
    void showMenu() override {}
    QWidget window;

private:
    SharedState& state_;
};

class PersonalizeTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<SharedState> state;
    std::unique_ptr<CaptionOnlyWorkspace> workspace;
    std::unique_ptr<PersonalizeDialog> dialog;
    QLineEdit* currency = nullptr;
    QLineEdit* name = nullptr;
    QPushButton* exitFonts = nullptr;

    void open() {
        dialog = std::make_unique<PersonalizeDialog>(*state, *workspace);
        currency = dialog->findChild<QLineEdit*>(QStringLiteral("InCurrency"));
        name = dialog->findChild<QLineEdit*>(QStringLiteral("InMyName"));
        exitFonts = dialog->findChild<QPushButton*>(QStringLiteral("ExitFonts"));
        QVERIFY(currency && name && exitFonts);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
    QRadioButton* option(int index) {
        for (QRadioButton* b : dialog->findChildren<QRadioButton*>(QStringLiteral("PtrFt")))
            if (b->property("index").toInt() == index) return b;
        qFatal("no PtrFt %d", index);
    }
    void focus(QWidget* w) {
        w->setFocus();
        QTRY_VERIFY(w->hasFocus());
    }
    QByteArray savedFile() const {
        QFile file(QDir(folder.path()).filePath(QStringLiteral("Personal.kpf")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

private slots:
    void init() {
        QVERIFY(folder.isValid());
        QFile::remove(QDir(folder.path()).filePath(QStringLiteral("Personal.kpf")));
        state = std::make_unique<SharedState>();
        state->ProgramFolder = folder.path().toStdString();
        state->CurrencySymbol = "$";
        state->PrinterFontChoice = 2;
        state->UserName = "Ann";
        workspace = std::make_unique<CaptionOnlyWorkspace>(*state);
        workspace->window.setWindowTitle(QStringLiteral(" Pecunex Menu"));
        open();
    }
    void cleanup() {
        dialog.reset();
        workspace.reset();
        state.reset();
    }

    void opensWithTheCurrentSettings() {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Personalize"));
        QCOMPARE(workspace->window.windowTitle(), QStringLiteral(" Personalize"));
        QCOMPARE(dialog->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Change Printer Font"));
        const QStringList captions = {"Standard Printer Font", "Courier New 10 point font",
                                      "Courier New 11 point font", "Courier New 12 point font"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(option(i)->text(), captions[i]);
            QCOMPARE(option(i)->isChecked(), i == 2);
        }
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("  Change Currency Symbol."));
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Type in your name"));
        QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text().isEmpty());
        QCOMPARE(exitFonts->text(), QStringLiteral("E&xit to Menu"));
        QCOMPARE(currency->text(), QStringLiteral("$"));
        QCOMPARE(name->text(), QStringLiteral("Ann"));
    }

    void fontChoiceAppliesAtOnce() {
        QTest::mouseClick(option(3), Qt::LeftButton);
        QCOMPARE(state->PrinterFontChoice, std::int16_t{3});
        QTest::mouseClick(option(0), Qt::LeftButton);
        QCOMPARE(state->PrinterFontChoice, std::int16_t{0});
        QVERIFY(!option(3)->isChecked());
    }

    // --- the currency symbol box ----------------------------------------------------------

    void clickEmptiesTheSymbolBox() {
        QTest::mouseClick(currency, Qt::LeftButton);
        QCOMPARE(currency->text(), QString());
        QCOMPARE(state->EditStarted, std::int16_t{1});
    }

    void longSymbolKeepsTwoCharacters() {
        focus(currency);
        QTest::keyClicks(currency, QStringLiteral("EUR"));
        QTest::keyClick(currency, Qt::Key_Return);
        QTRY_VERIFY(name->hasFocus());
        QCOMPARE(currency->text(), QStringLiteral("EU"));
        QCOMPARE(state->EditStarted, std::int16_t{0});
        QTest::mouseClick(exitFonts, Qt::LeftButton);
        QCOMPARE(state->CurrencySymbol, std::string("EU"));
        QCOMPARE(savedFile(), QByteArray("\"EU\",2,\"Ann\"\r\n"));
    }

    void shortSymbolLosesItsBlankOnLeaving() {
        focus(currency);
        QTest::keyClicks(currency, QStringLiteral("E"));
        QTest::keyClick(currency, Qt::Key_Tab);
        QTRY_VERIFY(!currency->hasFocus());
        QCOMPARE(currency->text(), QStringLiteral(" E"));  // right-aligned in two
        QTest::mouseClick(exitFonts, Qt::LeftButton);
        QCOMPARE(state->CurrencySymbol, std::string("E"));
    }

    void emptiedSymbolIsStoredEmptyAndDollarNextTime() {
        QTest::mouseClick(currency, Qt::LeftButton);
        QTest::keyClick(currency, Qt::Key_Tab);
        QTRY_VERIFY(!currency->hasFocus());
        QTest::mouseClick(exitFonts, Qt::LeftButton);
        QCOMPARE(state->CurrencySymbol, std::string());
        QCOMPARE(savedFile(), QByteArray("\"\",2,\"Ann\"\r\n"));
        SharedState next;
        next.ProgramFolder = state->ProgramFolder;
        loadSettings(next);
        QCOMPARE(next.CurrencySymbol, std::string("$"));
    }

    void quoteIsRefusedInBothBoxes() {
        focus(currency);
        QTest::keyClicks(currency, QStringLiteral("\"a\""));
        QCOMPARE(currency->text(), QStringLiteral("a"));
        focus(name);
        name->end(false);
        QTest::keyClicks(name, QStringLiteral(" \"Bo\""));
        QCOMPARE(name->text(), QStringLiteral("Ann Bo"));
        // Not even by pasting.
        name->insert(QStringLiteral("x\"y"));
        QCOMPARE(name->text(), QStringLiteral("Ann Bo"));
    }

    // --- the name box and leaving ---------------------------------------------------------

    void nameIsTakenWhenItsBoxIsLeft() {
        focus(name);
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Lee, Ann"));
        QCOMPARE(state->UserName, std::string("Ann"));
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_VERIFY(exitFonts->hasFocus());
        QCOMPARE(name->text(), QStringLiteral("Lee, Ann"));  // Enter typed nothing
        QCOMPARE(state->UserName, std::string("Lee, Ann"));
    }

    void leavingSavesAndRestoresTheCaption() {
        QSignalSpy saved(dialog.get(), &PersonalizeDialog::settingsSaved);
        QTest::mouseClick(option(1), Qt::LeftButton);
        focus(name);
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Lee, Ann"));
        // The accelerator leaves the box as a click on the button would.
        QTest::keyClick(name, Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(saved.count(), 1);
        QCOMPARE(workspace->window.windowTitle(), QStringLiteral(" Pecunex Menu"));
        QCOMPARE(savedFile(), QByteArray("\"$\",1,\"Lee, Ann\"\r\n"));
        SharedState next;
        next.ProgramFolder = state->ProgramFolder;
        loadSettings(next);
        QCOMPARE(next.UserName, std::string("Lee, Ann"));
        QCOMPARE(next.PrinterFontChoice, std::int16_t{1});
    }

    void escapeLeavesLikeTheButton() {
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(workspace->window.windowTitle(), QStringLiteral(" Pecunex Menu"));
        QCOMPARE(savedFile(), QByteArray("\"$\",2,\"Ann\"\r\n"));
    }

    void unwritableFileIsNotReported() {
        state->ProgramFolder = QDir(folder.path()).filePath(QStringLiteral("gone")).toStdString();
        focus(currency);
        QTest::keyClicks(currency, QStringLiteral("kr"));
        QTest::mouseClick(exitFonts, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(state->CurrencySymbol, std::string("kr"));
    }
};

PECUNEX_QTEST_MAIN(PersonalizeTest)
#include "test_personalize.moc"
