// The file dialog by FileDialogMode: kind of file, direction, initial name, the full name
// returned, the extension added to saved names, and the answer for a cancelled dialog.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "ModalDriver.h"
#include "QtDialogs.h"
#include "QtTestMain.h"
#include "SharedState.h"

namespace {
QLineEdit* nameBox(QFileDialog* d) { return d->findChild<QLineEdit*>("fileNameEdit"); }
} // namespace

class FileDialogTest : public QObject {
    Q_OBJECT

    QWidget container;
    QTemporaryDir folder;
    SharedState state;

    QString inFolder(const QString& name) const { return QDir(folder.path()).absoluteFilePath(name); }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        container.resize(641, 454);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
    }
    void init() {
        state = SharedState{};
        state.ProgramFolder = folder.path().toStdString();
        state.CurrentFileName = std::string("HOME.Bgt");
        state.MortgageFileName = std::string("HOUSE.umd");
        state.LoanFileName = std::string("CAR.uld");
    }

    // Modes 1-8: what the dialog offers. Cancelling answers 9 and an empty name.
    void modes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("initialName");
        QTest::addRow("1 open budget") << 1 << "Budget Database (*.Bgt)" << false << "HOME.Bgt";
        QTest::addRow("2 save budget") << 2 << "Budget Database (*.Bgt)" << true << "HOME.Bgt";
        QTest::addRow("3 open net worth") << 3 << "Net Worth Database (*.nwv)" << false << "HOME.Bgt";
        QTest::addRow("4 save net worth") << 4 << "Net Worth Database (*.nwv)" << true << "HOME.Bgt";
        QTest::addRow("5 open mortgage") << 5 << "Mortgage Database (*.umd)" << false << "HOUSE.umd";
        QTest::addRow("6 save mortgage") << 6 << "Mortgage Database (*.umd)" << true << "HOUSE.umd";
        QTest::addRow("7 open loan") << 7 << "Loan Database (*.uld)" << false << "CAR.uld";
        QTest::addRow("8 save loan") << 8 << "Loan Database (*.uld)" << true << "CAR.uld";
    }
    void modes() {
        QFETCH(int, mode);
        QFETCH(QString, filter);
        QFETCH(bool, save);
        QFETCH(QString, initialName);
        state.FileDialogMode = static_cast<std::int16_t>(mode);
        state.ChosenFileName = std::string("previous.Bgt");
        QtDialogs dialogs(state, &container);
        QStringList filters;
        QString selectedFilter, typedName, directory;
        bool native = true;
        QFileDialog::AcceptMode acceptMode{};
        const ModalRun run = runModal([&] { dialogs.fileDirectory(); }, [&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d);
            filters = d->nameFilters();
            selectedFilter = d->selectedNameFilter();
            acceptMode = d->acceptMode();
            native = !d->testOption(QFileDialog::DontUseNativeDialog);
            typedName = nameBox(d)->text();
            directory = d->directory().absolutePath();
            d->reject();
        });
        QCOMPARE(run.objectName, QString("CMDialog1"));
        QVERIFY(run.closedByDriver);
        QVERIFY(!native);
        QCOMPARE(filters, QStringList{filter});
        QCOMPARE(selectedFilter, filter);
        QCOMPARE(acceptMode, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        QCOMPARE(typedName, initialName);
        QCOMPARE(directory, QDir(folder.path()).absolutePath());
        QCOMPARE(state.FileDialogMode, 9);
        QCOMPARE(state.ChosenFileName, std::string());
    }

    // A saved name typed without an extension gets the one of its kind; one typed with
    // an extension keeps it. The answer is the full name.
    void savedNames_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::addRow("budget") << 2 << "family" << "family.Bgt";
        QTest::addRow("net worth") << 4 << "assets" << "assets.nwv";
        QTest::addRow("mortgage") << 6 << "house" << "house.umd";
        QTest::addRow("loan") << 8 << "car" << "car.uld";
        QTest::addRow("extension typed") << 2 << "OLD.BGT" << "OLD.BGT";
    }
    void savedNames() {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        state.FileDialogMode = static_cast<std::int16_t>(mode);
        QtDialogs dialogs(state, &container);
        const ModalRun run = runModal([&] { dialogs.fileDirectory(); }, [&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QLineEdit* box = nameBox(d);
            box->selectAll();
            QTest::keyClicks(box, typed);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(run.closedByDriver);
        QCOMPARE(state.FileDialogMode, mode);
        QCOMPARE(QString::fromStdString(state.ChosenFileName), inFolder(chosen));
    }

    // An open dialog returns the full name of the file picked.
    void openedName() {
        QFile file(inFolder("savings plan.umd"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        state.FileDialogMode = 5;
        QtDialogs dialogs(state, &container);
        runModal([&] { dialogs.fileDirectory(); }, [&](QWidget* w) {
            QLineEdit* box = nameBox(qobject_cast<QFileDialog*>(w));
            box->selectAll();
            QTest::keyClicks(box, "savings plan.umd");
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(state.FileDialogMode, 5);
        QCOMPARE(QString::fromStdString(state.ChosenFileName), inFolder("savings plan.umd"));
    }

    // A name with its own folder is offered in that folder.
    void initialNameWithFolder() {
        QVERIFY(QDir(folder.path()).mkpath("plans"));
        state.LoanFileName = inFolder("plans/VAN.uld").toStdString();
        state.FileDialogMode = 7;
        QtDialogs dialogs(state, &container);
        QString directory, typedName;
        runModal([&] { dialogs.fileDirectory(); }, [&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            directory = d->directory().absolutePath();
            typedName = nameBox(d)->text();
            d->reject();
        });
        QCOMPARE(directory, inFolder("plans"));
        QCOMPARE(typedName, QString("VAN.uld"));
    }

    // Modes outside 1-8 show nothing and change nothing.
    void otherModes_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("0") << 0;
        QTest::newRow("9") << 9;
        QTest::newRow("10") << 10;
        QTest::newRow("-1") << -1;
    }
    void otherModes() {
        QFETCH(int, mode);
        state.FileDialogMode = static_cast<std::int16_t>(mode);
        state.ChosenFileName = std::string("kept.Bgt");
        QtDialogs dialogs(state, &container);
        const ModalRun run = runModal([&] { dialogs.fileDirectory(); }, [](QWidget*) {});
        QVERIFY(!run.shown);
        QCOMPARE(state.FileDialogMode, mode);
        QCOMPARE(state.ChosenFileName, std::string("kept.Bgt"));
    }

};

PECUNEX_QTEST_MAIN(FileDialogTest)
#include "test_file_dialog.moc"
