// The assembled program, as a keyboard or screen-reader user meets it: the main menu's focus
// after leaving a worksheet, and a name for every control the Tab key reaches.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "AboutBox.h"
#include "DaysInYearDialog.h"
#include "FirstPaymentDateDialog.h"
#include "MainMenu.h"
#include "MdiContainer.h"
#include "MessageDialog.h"
#include "MortgageTables.h"
#include "PersonalizeDialog.h"
#include "PrePayDialog.h"
#include "PrinterHeaderDialog.h"
#include "QtTestMain.h"
#include "RecordNumberDialog.h"
#include "ScriptedDialogs.h"
#include "ValueInputDialog.h"
#include "Worksheets.h"
#include "YesNoDialog.h"

namespace {

struct Program {
    Program() {
        state.ProgramFolder = folder.path().toStdString();
        container.setDialogs(&scripted);
        container.setPrinters(&printers);
        worksheets.registerWith(container);
        container.show();
        container.activateWindow();
    }
    QPushButton* menuButton(const QString& name) const {
        return container.menu()->findChild<QPushButton*>(name);
    }
    QPushButton* exitButton() const {
        for (auto* b : container.worksheet()->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("E&xit to Menu"))
                return b;
        return nullptr;
    }

    QTemporaryDir folder;
    ShellState state;
    ScriptedDialogs scripted{state};
    CapturingPrinters printers;
    ProgramWorksheets worksheets;
    MdiContainer container{state};
};

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
        if (name.isEmpty() || (!caption.isEmpty() && name != caption) ||
            (caption.isEmpty() && !ownText && w->accessibleName().isEmpty()))
            faults << QStringLiteral("%1 (%2) says \"%3\", its caption \"%4\"")
                          .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()),
                               name, caption);
    }
    return faults;
}

} // namespace

class TestWholeProgram : public QObject {
    Q_OBJECT
  private slots:
    // Each worksheet opened from the menu and left again, one after the other: the focus is
    // back on the button that opened it every time, never on a neighbour (Enter on "E&xit
    // from Program" would end the program).
    void menuFocusReturnsToOpener() {
        Program p;
        QVERIFY(QTest::qWaitForWindowActive(&p.container));
        for (const char* name : {"Savings", "Networth", "Compare", "Canadian", "ToBudget",
                                 "LoanPmt", "Networth", "Savings"}) {
            QPushButton* opener = p.menuButton(QString::fromLatin1(name));
            opener->setFocus();
            QTest::keyClick(opener, Qt::Key_Space);
            QVERIFY2(p.container.worksheet(), name);
            QPushButton* exit = p.exitButton();
            exit->setFocus();
            QTest::keyClick(exit, Qt::Key_Space);
            QTRY_VERIFY2(p.container.menu()->isVisible(), name);
            QCoreApplication::processEvents();
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(opener));
        }
    }

    void everyWorksheetControlIsNamed_data() {
        QTest::addColumn<QString>("opener");
        for (const char* name :
             {"Canadian", "LoanPmt", "ToBudget", "Savings", "Networth", "Compare"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void everyWorksheetControlIsNamed() {
        QFETCH(QString, opener);
        Program p;
        p.menuButton(opener)->click();
        QVERIFY(p.container.worksheet());
        const QStringList faults = unnamedControls(p.container.worksheet());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(unnamedControls(p.container.menu()).isEmpty());
    }

    void everyDialogControlIsNamed() {
        Program p;
        MortgageTables mortgage;
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.emplace_back(new AboutBox(p.state, &p.container));
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
            const QStringList faults = unnamedControls(dialog.get());
            QVERIFY2(faults.isEmpty(), qPrintable(dialog->metaObject()->className() +
                                                  QStringLiteral(": ") + faults.join('\n')));
            dialog->hide();
        }
    }
};

PECUNEX_QTEST_MAIN(TestWholeProgram)
#include "test_whole_program.moc"
