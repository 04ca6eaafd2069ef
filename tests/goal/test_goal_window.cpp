// The savings goal worksheet driven by keys alone, the way a user works it.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest/QTest>
#include <memory>

#include "GoalTables.h"
#include "GoalWindow.h"
#include "Grid.h"
#include "QtTestMain.h"
#include "TestWorkspace.h"

namespace {

struct Sheet {
    Sheet() : window(std::make_unique<GoalWindow>(ws, tables)) { activate(window.get()); }
    template <class T = QWidget> T* find(const char* name) const {
        return window->findChild<T*>(name);
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    // The entry field that has the focus (a list, not its line edit).
    QString focused() const {
        QWidget* w = focus();
        if (w && qobject_cast<QComboBox*>(w->parentWidget()))
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(focus(), k, m);
    }
    // Alt + a letter, typed into whatever has the focus; a button's accelerator clicks it a
    // moment later.
    void alt(char letter) {
        QPushButton* button = nullptr;
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->text().contains(QString("&") + QChar(letter), Qt::CaseInsensitive))
                button = b;
        bool clicked = false;
        const auto connection =
            button ? QObject::connect(button, &QPushButton::clicked, [&] { clicked = true; })
                   : QMetaObject::Connection();
        key(static_cast<Qt::Key>(Qt::Key_A + (letter - 'a')), Qt::AltModifier);
        if (button) {
            QTRY_VERIFY(clicked);
            QObject::disconnect(connection);
        }
    }
    // The fields the focus reaches, pressing `k` n times.
    QStringList walk(Qt::Key k, int n) {
        QStringList road;
        while (n-- > 0) {
            key(k);
            road << focused();
        }
        return road;
    }
    QString answer() const { return find<QLabel>("GAnswer")->text(); }
    QString row(int r) const {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << find<Grid>("GGrid")->text(r, c);
        return cells.join('|');
    }

    TestWorkspace ws;
    GoalTables tables;
    std::unique_ptr<GoalWindow> window;
};

} // namespace

class TestGoalWindow : public QObject {
    Q_OBJECT
  private slots:
    // Alt+F to the choice, Enter from field to field past the one solved for, Enter on
    // Calculate: the fewest years for 250,000 at 1,200 a year and 20 %.
    void keyboardRoadSolvesForYears() {
        Sheet s;
        QCOMPARE(s.ws.caption, QString(" Savings Goal Calculations"));
        s.alt('f');
        QCOMPARE(s.focused(), QString("GSolve"));
        s.key(Qt::Key_Down);
        s.key(Qt::Key_Down);
        QCOMPARE(s.find<QComboBox>("GSolve")->currentText(), QString("Number of years"));
        QVERIFY(!s.find<QWidget>("GTerm")->isEnabled() && s.find<QWidget>("GInvest")->isEnabled());
        s.key(Qt::Key_Return);
        QTest::keyClicks(s.focus(), "250000");
        s.key(Qt::Key_Return);
        QCOMPARE(s.find<QLineEdit>("GTarget")->text().trimmed(), QString("$250,000.00"));
        QCOMPARE(s.focused(), QString("GToday"));
        s.key(Qt::Key_Space); // future money
        QCOMPARE(s.tables.GoalToday, std::int16_t{0});
        QCOMPARE(s.walk(Qt::Key_Return, 7),
                 QStringList({"GLumpInv", "GInvest", "GMonthsYrs", "GRate", "GIncrRate",
                              "GInflatRate", "GCalc"}));
        s.key(Qt::Key_Return);
        // hand: 7,200 * (1.2^n - 1) passes 250,000 at n = 20 (19 years give 222,826)
        QCOMPARE(s.answer(), QString("20"));
        QVERIFY(s.row(20).startsWith("20|1,200.00|") && s.row(20).contains("|268,830."));
        QVERIFY(s.row(21).startsWith("Total:|$24,000.00|"));
        QCOMPARE(s.ws.shared.ScheduleYears, std::int16_t{20});
        QCOMPARE(s.ws.shared.GraphTarget, Currency::fromWhole(250000));

        // Tab follows the same order; the field solved for is left out.
        s.alt('f');
        QCOMPARE(s.walk(Qt::Key_Tab, 15),
                 QStringList({"GTarget", "GToday", "GLumpInv", "GInvest", "GMonthsYrs", "GRate",
                              "GIncrRate", "GInflatRate", "GCalc", "GPrinter", "GGraphs", "GSave",
                              "GOpen", "GHelp", "GExit"}));
    }

    // The defaults solved, printed, saved and opened again; no answer, no printout.
    void printSaveOpenAndRefusals() {
        Sheet s;
        s.alt('t');
        QCOMPARE(s.focused(), QString("GTarget"));
        s.alt('c');
        // hand: 1,000 a year at 20 % makes 566,377.30 in 25 years; 500,000 needs 882.80 of it
        QVERIFY2(s.answer().startsWith("$882.8"), qPrintable(s.answer()));
        s.ws.scripted.headers = {"Goal"};
        s.alt('p');
        QCOMPARE(s.ws.capture.documents.size(), size_t{1});
        const QString doc = QString::fromStdString(s.ws.capture.documents.front());
        QVERIFY(
            doc.startsWith("\n Goal\n\n\n                          Savings Goal Calculation\n"));
        QVERIFY(doc.contains(
            QRegularExpression("\n Answer +" + QRegularExpression::escape(s.answer()) + "\n")));

        const QString file = s.ws.folder.filePath("Mine.Gol");
        s.ws.scripted.fileNames = {file.toStdString()};
        s.alt('a');
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(
            saved.readAll().startsWith("\"Pecunex\",\"Goal\",1\r\n\"contribution\",500000,1\r\n"));

        s.alt('t');
        QTest::keyClicks(s.focus(), "9");
        s.ws.scripted.fileNames = {file.toStdString(),
                                   s.ws.folder.filePath("none.Gol").toStdString()};
        s.alt('o'); // commits 9, then opens the file again: the target is back
        QCOMPARE(s.tables.GoalTarget, Currency::fromWhole(500000));
        QCOMPARE(s.find<QLineEdit>("GTarget")->text().trimmed(), QString("$500,000.00"));
        QVERIFY(s.answer().isEmpty());
        s.alt('o'); // a file that is not there: message 13, the entries stay
        QCOMPARE(s.tables.GoalTarget, Currency::fromWhole(500000));

        // The years for 1,000,000,000: 40 years of 1,200.00 at 20 % make 10.6 million.
        s.alt('f');
        s.key(Qt::Key_End);
        s.key(Qt::Key_Up);
        s.alt('t');
        QTest::keyClicks(s.focus(), "1000000000");
        s.alt('c');
        s.alt('p');
        QCOMPARE(s.ws.scripted.messages(), (std::vector<int>{13, 60, 1}));
        QVERIFY(s.answer().isEmpty() && s.ws.shared.ScheduleYears == 0);

        s.alt('x');
        QCOMPARE(s.ws.menuShown, 1);
        QVERIFY(s.tables.GoalTarget.isZero());
    }
};

PECUNEX_QTEST_MAIN(TestGoalWindow)
#include "test_goal_window.moc"
