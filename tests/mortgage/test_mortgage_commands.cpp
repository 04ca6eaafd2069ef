// Commands against the field being typed in: a command commits the figure first, exactly as
// leaving the field would, and keys held with Ctrl, Alt or Meta never type into a figure.
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "MdiContainer.h"
#include "MortgageTestSupport.h"
#include "QtDialogs.h"
#include "QtTestMain.h"

namespace {
// Types `keys` into a field without leaving it.
void typeInto(Sheet& s, QWidget* field, const QString& keys) {
    QApplication::setActiveWindow(s.window.get());
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), keys);
}
} // namespace

class TestMortgageCommands : public QObject {
    Q_OBJECT
  private slots:
    void modifiedKeysNeverType_data() {
        QTest::addColumn<int>("modifier");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("quickHelp");
        QTest::newRow("Alt+P, window active")
            << int(Qt::AltModifier) << int(Qt::Key_P) << true << false;
        QTest::newRow("Ctrl+P, window active")
            << int(Qt::ControlModifier) << int(Qt::Key_P) << true << false;
        QTest::newRow("Meta+P, window active")
            << int(Qt::MetaModifier) << int(Qt::Key_P) << true << false;
        QTest::newRow("Alt+Q, no command has it")
            << int(Qt::AltModifier) << int(Qt::Key_Q) << true << false;
        QTest::newRow("Alt+P, window not active")
            << int(Qt::AltModifier) << int(Qt::Key_P) << false << false;
        QTest::newRow("Ctrl+P, window not active")
            << int(Qt::ControlModifier) << int(Qt::Key_P) << false << false;
        QTest::newRow("Meta+P, window not active")
            << int(Qt::MetaModifier) << int(Qt::Key_P) << false << false;
        QTest::newRow("Alt+P, quick help open")
            << int(Qt::AltModifier) << int(Qt::Key_P) << true << true;
        QTest::newRow("Alt+5, a digit") << int(Qt::AltModifier) << int(Qt::Key_5) << false << false;
    }
    void modifiedKeysNeverType() {
        QFETCH(int, modifier);
        QFETCH(int, key);
        QFETCH(bool, active);
        QFETCH(bool, quickHelp);
        Sheet s;
        if (quickHelp)
            s.click("MHelp");
        QLineEdit* principal = s.principal();
        principal->setFocus(Qt::MouseFocusReason);
        const QString before = principal->text();
        QWidget other;
        if (!active) {
            other.show();
            QApplication::setActiveWindow(&other);
        }
        QTest::keyClick(principal, Qt::Key(key), Qt::KeyboardModifiers(modifier));
        QCOMPARE(principal->text(), before);
        QCOMPARE(s.st().EditStarted, std::int16_t{0});
    }

    // The typed figure is stored, never a list entry it begins like (rates list 10 %, terms
    // 30 years; loan terms 60 and 24 months).
    void typedFigureIsStoredNotCompleted_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // principal|rate|years
        QTest::newRow("term 3 years") << 1 << "InTerm"
                                      << "3"
                                      << "100000|10.125|3";
        QTest::newRow("rate 1 %") << 1 << "InRate"
                                  << "1"
                                  << "100000|1|25";
        QTest::newRow("loan 6 months") << 2 << "InTerm"
                                       << "6"
                                       << "20000|10.125|0.5";
        QTest::newRow("loan 2 months") << 2 << "InTerm"
                                       << "2"
                                       << "20000|10.125|0.1667";
    }
    void typedFigureIsStoredNotCompleted() {
        QFETCH(int, mode);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        Sheet s(mode);
        s.type(s.find<QComboBox>(qPrintable(field)), typed);
        QCOMPARE(s.stored(), stored);
        QCOMPARE(
            s.find<QComboBox>(qPrintable(field))->currentText().trimmed().remove('%').toDouble(),
            typed.toDouble());
    }

    // Hand calculation: 3 years at 10.125 % monthly, PMT(0.0084375, 36, -100000) = 3,232.59.
    void typedTermThenCalculateUsesIt() {
        Sheet s;
        s.type(s.term(), "3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        // An accelerator clicks its button a moment later, as the button shows it pressed.
        QTRY_COMPARE(s.label("InMonthPI").trimmed(), QString("$3,232.59"));
        QCOMPARE(s.grid()->rows(), 1 + 36 + 1);
    }

    // A figure being typed is committed by the accelerator before the command runs.
    // Hand calculation: 8 % a year monthly is 0.00666667 a month; PMT(0.08/12, 300, -100000)
    // = 771.82.
    void acceleratorCommitsTheTypedRate() {
        Sheet s;
        s.click("MCalc");
        QCOMPARE(s.label("PeriodicR"), QString("0.0084375"));
        typeInto(s, s.rate(), "8");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(s.label("PeriodicR") + "|" + s.label("InMonthPI").trimmed(),
                     QString("0.00666667|$771.82"));
        QCOMPARE(s.stored(), QString("100000|8|25"));
        QVERIFY(s.messages().empty());
    }

    // A refused figure stops the command: message 5, the term kept at the limit, no
    // schedule; by accelerator and by mouse alike.
    void refusedTermStopsTheCommand_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("Alt+C") << false;
        QTest::newRow("mouse on Calculate") << true;
    }
    void refusedTermStopsTheCommand() {
        QFETCH(bool, byMouse);
        Sheet s;
        typeInto(s, s.term(), "45");
        if (byMouse)
            s.click("MCalc");
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(s.messages(), std::vector<int>{5});
        QCOMPARE(s.stored(), QString("100000|10.125|40"));
        QTest::qWait(300); // longer than an accelerator's click takes
        QCOMPARE(s.st().ScheduleYears, std::int16_t{0});
        QVERIFY(s.label("InMonthPI").isEmpty());
        // The next command runs with the figure as stored.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(s.st().ScheduleYears != 0);
        QCOMPARE(s.grid()->rows(), 1 + 480 + 1);
    }

    // With the real message dialog: when it closes, the worksheet is active again and the
    // focus back in the field, so the next accelerator works at once.
    void afterAMessageTheAcceleratorsWork() {
        QTemporaryDir folder;
        ShellState state;
        state.ProgramFolder = folder.path().toStdString();
        state.TodayDate = "2027-01-15";
        MortgageTables tables;
        MdiContainer container(state);
        QtDialogs dialogs(state, &container);
        CapturingPrinters printers;
        container.setDialogs(&dialogs);
        container.setPrinters(&printers);
        container.registerWorksheet(Worksheet::Mortgage, [&](Workspace& w) -> QWidget* {
            return new MortgageWindow(w, tables);
        });
        container.show();
        QApplication::setActiveWindow(&container);
        QVERIFY(QTest::qWaitForWindowActive(&container));
        container.openWorksheet(Worksheet::Mortgage);
        auto* principal = container.worksheet()->findChild<QLineEdit*>("InPrincipal");
        principal->setFocus(Qt::MouseFocusReason);
        QString shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
                shown = modal->objectName();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        closer.start(20);
        QTest::keyClick(principal, Qt::Key_P, Qt::AltModifier); // nothing to print: a message
        QTRY_COMPARE(shown, QString("AMsgbox"));
        closer.stop();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&container));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(principal));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(container.worksheet()->findChild<QLabel*>("InMonthPI")->text().trimmed(),
                     QString("$917.53"));
    }
};

PECUNEX_QTEST_MAIN(TestMortgageCommands)
#include "test_mortgage_commands.moc"
