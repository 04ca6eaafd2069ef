// The settings file (texts in double quotes, the number bare, CR LF at the end) and the
// Personalize dialog that writes it.
#include "FailingSaves.h"
#include "MdiContainer.h"
#include "PersonalizeDialog.h"
#include "ShellTest.h"

class PersonalizeTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    ShellState state;
    std::unique_ptr<MdiContainer> workspace;
    std::unique_ptr<PersonalizeDialog> dialog;
    QLineEdit *currency = nullptr, *name = nullptr;

    QString path() const { return QDir(folder.path()).filePath("Personal.kpf"); }
    QByteArray savedFile() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : "<none>";
    }
    QRadioButton* option(int i) { return dialog->findChildren<QRadioButton*>("PtrFt").value(i); }
    QWidget* exitFonts() { return child(dialog.get(), "ExitFonts"); }

  private slots:
    void init() {
        dialog.reset();
        QFile::remove(path());
        state = ShellState{};
        state.ProgramFolder = folder.path().toStdString(), state.PrinterFontChoice = 2,
        state.UserName = "Ann";
        workspace = std::make_unique<MdiContainer>(state);
        dialog = std::make_unique<PersonalizeDialog>(state, *workspace);
        currency = child<QLineEdit>(dialog.get(), "InCurrency");
        name = child<QLineEdit>(dialog.get(), "InMyName");
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
    void cleanup() { dialog.reset(); }

    // A click empties the symbol box; two characters at most, right-aligned on leaving; Enter
    // moves to the name; an empty symbol is saved empty.
    void currencySymbol() {
        const struct {
            const char *keys, *shown;
            QByteArray stored;
        } rows[] = {{"EUR", "EU", "EU"}, {"E", " E", "E"}, {"", "  ", ""}};
        for (const auto& row : rows) {
            init();
            QTest::mouseClick(currency, Qt::LeftButton);
            QCOMPARE(currency->text() + QString::number(state.EditStarted), QString("1"));
            QTest::keyClicks(currency, row.keys);
            QTest::keyClick(currency, Qt::Key_Return);
            QTRY_VERIFY(name->hasFocus());
            QCOMPARE(currency->text() + QString::number(state.EditStarted),
                     QString(row.shown) + "0");
            QTest::mouseClick(exitFonts(), Qt::LeftButton);
            QCOMPARE(QByteArray::fromStdString(state.CurrencySymbol), row.stored);
            QCOMPARE(savedFile(), "\"" + row.stored + "\",2,\"Ann\"\r\n");
        }
    }

    // Keys held with Ctrl, Alt or Meta type nothing, and the currency box's first typed key
    // still empties it afterwards. Quotes are refused in both boxes, even pasted; Enter in the
    // name goes to the exit button, typing nothing, and takes the name.
    void keysAndQuotes() {
        currency->setFocus(Qt::TabFocusReason);
        for (auto modifier : {Qt::AltModifier, Qt::ControlModifier, Qt::MetaModifier})
            QTest::keyClick(currency, Qt::Key_5, modifier);
        QCOMPARE(currency->text() + QString::number(state.EditStarted), QString("$0"));
        QTest::keyClick(currency, Qt::Key_End); // nothing selected: the key still empties it
        QTest::keyClicks(currency, "\"a\"");
        QCOMPARE(currency->text(), QString("a"));
        name->setFocus();
        name->end(false);
        QTest::keyClicks(name, " \"Bo\"");
        name->insert("x\"y");
        QCOMPARE(name->text() + "|" + QString::fromStdString(state.UserName), "Ann Bo|Ann");
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_VERIFY(exitFonts()->hasFocus());
        QCOMPARE(name->text() + "|" + QString::fromStdString(state.UserName), "Ann Bo|Ann Bo");
    }

    // The exit accelerator takes the name being typed, saves and gives the caption back.
    // Escape leaves as the button does.
    void leaving() {
        QSignalSpy saved(dialog.get(), &PersonalizeDialog::settingsSaved);
        QTest::mouseClick(option(1), Qt::LeftButton);
        name->setFocus();
        name->clear();
        QTest::keyClicks(name, "Lee, Ann");
        QTest::keyClick(name, Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(workspace->windowTitle(), QString(" Pecunex Menu"));
        QCOMPARE(savedFile(), QByteArray("\"$\",1,\"Lee, Ann\"\r\n"));
        init();
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(workspace->windowTitle(), QString(" Pecunex Menu"));
        QCOMPARE(savedFile(), QByteArray("\"$\",2,\"Ann\"\r\n"));
    }

    // Leaving on a full disk: the old settings file stays as it was, and nothing is said.
    void leavingOnAFullDisk() {
        QVERIFY(saveSettings(state));
        const QByteArray old = savedFile();
        name->setFocus();
        name->clear();
        QTest::keyClicks(name, "A much longer name than the old one");
        {
            FailingSaves disk(5);
            QVERIFY(!saveSettings(state));
            QTest::keyClick(name, Qt::Key_X, Qt::AltModifier);
            QTRY_VERIFY(!dialog->isVisible());
        }
        QVERIFY(QApplication::activeModalWidget() == nullptr); // no message
        QCOMPARE(savedFile(), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Personal.kpf"});
    }
};

PECUNEX_SUITE(PersonalizeTest)
#include "test_personalize.moc"
