// Damaged and hostile files opened through each worksheet's own "Open File" command, as a
// user would: the message the worksheet shows and what it is left showing. A refused file is
// message 13 and no figures from it: the mortgage worksheet drops its schedule, the net worth
// statement is emptied, the budget keeps the records read before the fault (and never more
// than a list holds). Every case is opened right after the intact file, so a refusal that
// left the old results standing would show.
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <fstream>
#include <functional>
#include <memory>

#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "Grid.h"
#include "HostileFiles.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "NetWorthCalc.h"
#include "NetWorthTables.h"
#include "NetWorthWindow.h"
#include "QtTestMain.h"
#include "TestWorkspace.h"

namespace {

using hostile::Expect;

// A worksheet window on its tables in a test workspace.
template <class Window, class Tables> struct Sheet {
    explicit Sheet(int mode = 1) : ws(mode), window(std::make_unique<Window>(ws, *tables)) {
        activate(window.get());
    }
    template <class T = QWidget> T* find(const char* name) const {
        return window->template findChild<T*>(name);
    }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    // Every cell of the grids, "|"-separated by cell and "/" by row.
    QString grids(std::initializer_list<const char*> names) const {
        QString all;
        for (const char* name : names)
            for (int r = 0; r < find<Grid>(name)->rows(); ++r, all += "/")
                for (int c = 0; c < find<Grid>(name)->cols(); ++c)
                    all += find<Grid>(name)->text(r, c) + "|";
        return all;
    }
    void click(const char* button) const { QTest::mouseClick(find(button), Qt::LeftButton); }
    std::string write(int index, const std::string& bytes) const {
        const std::string path = ws.folder.filePath(QString("case%1.dat").arg(index)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    TestWorkspace ws;
    std::unique_ptr<Tables> tables = std::make_unique<Tables>();
    std::unique_ptr<Window> window;
};

// Only zeros in a figure's text (blanks, separators and the currency symbol aside).
bool showsZero(QString text) {
    text.remove(QRegularExpression("[ $,.]"));
    return !text.isEmpty() && text.count('0') == text.size();
}

hostile::Format format(const char* name) {
    for (hostile::Format& f : hostile::formats())
        if (f.name == name)
            return f;
    qFatal("no format %s", name);
}

// Opens the intact file, which must bring no message, and hands `intact` the worksheet; then,
// each time after the intact file, each case, handing `check` the case, whether it brought a
// message, and its name.
template <class S>
void openEach(S& s, const char* name, const char* open, const std::function<void()>& intact,
              const std::function<void(const hostile::Case&, bool, const char*)>& check) {
    const hostile::Format f = format(name);
    const std::string intactFile = s.write(0, f.valid);
    s.ws.scripted.fileNames = {intactFile};
    s.click(open);
    QVERIFY(s.ws.scripted.messages().empty());
    intact();
    int index = 0;
    for (const hostile::Case& c : hostile::cases(f)) {
        s.ws.scripted.fileNames = {intactFile, s.write(++index, c.bytes)};
        s.click(open);
        const std::size_t before = s.ws.scripted.messages().size();
        s.click(open);
        const std::vector<int> all = s.ws.scripted.messages();
        const std::vector<int> shown(all.begin() + std::ptrdiff_t(before), all.end());
        const auto expected = hostile::message(f, c.expect);
        const bool either =
            c.expect == Expect::Either && (shown.empty() || shown == std::vector{13});
        const std::string why = f.name + ": " + c.name;
        QVERIFY2(either || shown == (expected ? std::vector{*expected} : std::vector<int>{}),
                 why.c_str());
        check(c, !shown.empty(), why.c_str());
        if (QTest::currentTestFailed())
            return;
    }
}

} // namespace

class TestHostileWindows : public QObject {
    Q_OBJECT
  private slots:
    // Mortgage and loan files store currency, so an amount beyond its range is a damaged file.
    void mortgageAndLoanWorksheets() {
        for (const char* name : {"mortgage", "loan"}) {
            Sheet<MortgageWindow, MortgageTables> s(name[0] == 'm' ? 1 : 2);
            QString payment, schedule;
            const auto intact = [&] {
                payment = s.label("InMonthPI"), schedule = s.grids({"MGrid"});
                QVERIFY(s.ws.shared.ScheduleYears > 0);
            };
            openEach(s, name, "MLoadFile", intact, [&](const auto& c, bool refused, auto why) {
                if (refused) // no schedule, no results stand
                    QVERIFY2(s.ws.shared.ScheduleYears == 0 && s.label("InMonthPI").isEmpty() &&
                                 s.find<Grid>("MGrid")->text(1, 1).isEmpty(),
                             why);
                else if (c.expect == Expect::Opened)
                    QVERIFY2(s.label("InMonthPI") == payment && s.grids({"MGrid"}) == schedule,
                             why);
                else if (c.expect == Expect::ZeroAmount) // a zero principal: zero payments
                    QVERIFY2(showsZero(s.find<QLineEdit>("InPrincipal")->text()) &&
                                 showsZero(s.label("InMonthPI")) && s.ws.shared.ScheduleYears > 0,
                             why);
            });
        }
    }

    // A damaged budget keeps the records read before the fault, never more than a list
    // holds, and the name of the last file that opened.
    void budgetWorksheet() {
        Sheet<BudgetWindow, BudgetTables> s;
        const auto shown = [&s] { return s.grids({"BGrid1", "BGrid2"}) + s.label("NetBalance"); };
        QString intact;
        openEach(
            s, "budget", "FilOpen", [&] { intact = shown(); },
            [&](const auto& c, bool refused, auto why) {
                const BudgetTables& t = *s.tables;
                QVERIFY2(t.IncomeCount >= 0 && t.IncomeCount <= 500 && t.ExpenseCount >= 0 &&
                             t.ExpenseCount <= 500 &&
                             s.find<Grid>("BGrid1")->rows() >= t.IncomeCount &&
                             s.find<Grid>("BGrid2")->rows() >= t.ExpenseCount,
                         why);
                if (refused)
                    QVERIFY2(s.ws.shared.CurrentFileName == "case0.dat", why);
                else if (c.expect == Expect::Opened)
                    QVERIFY2(shown() == intact, why);
                else if (c.expect == Expect::ZeroAmount)
                    QVERIFY2(s.find<Grid>("BGrid1")->text(1, 1) == "Child benefit" &&
                                 showsZero(s.find<Grid>("BGrid1")->text(1, 2)),
                             why);
            });
        // Two amounts in range whose sum is not: the file opens, the totals cannot be
        // calculated (message 26) and no net balance is shown.
        s.ws.scripted.fileNames = {s.write(1, hostile::budgetWithAnOverflowingSum())};
        s.click("FilOpen");
        QCOMPARE(s.ws.scripted.messages().back(), 26);
        QVERIFY(s.label("NetBalance").isEmpty() && s.label("NetBalanceBgt").isEmpty());
        QCOMPARE(s.ws.shared.CurrentFileName, std::string("case1.dat"));
    }

    // A net worth file stores plain numbers: one too large to add up opens, and the
    // calculation says so (message 26) with the file's lines shown and no totals.
    void netWorthWorksheet() {
        Sheet<NetWorthWindow, NetWorthTables> empty, s;
        empty.click("NCalc");
        const QString emptyStatement = empty.grids({"NGrid1", "NGrid2"});
        QString intact;
        const auto opened = [&] {
            intact = s.grids({"NGrid1", "NGrid2"});
            QVERIFY(intact != emptyStatement);
        };
        Grid* assets = s.find<Grid>("NGrid1");
        openEach(s, "net worth", "Loadnet", opened, [&](const auto& c, bool refused, auto why) {
            const QString statement = s.grids({"NGrid1", "NGrid2"});
            if (refused && c.expect != Expect::TooLarge) {
                QVERIFY2(statement == emptyStatement && s.ws.shared.CurrentFileName.empty(), why);
            } else if (c.expect == Expect::Opened) {
                QVERIFY2(statement == intact, why);
            } else if (c.expect == Expect::ZeroAmount) {
                // -0 is zero, listed blank; 1e-320 is above zero and lists as .00
                const QString amount = assets->text(1, 1);
                QVERIFY2(assets->text(1, 0) == "House" && (amount.isEmpty() || showsZero(amount)) &&
                             statement != intact,
                         why);
            } else if (c.expect == Expect::TooLarge) {
                QVERIFY2(assets->text(1, 0) == "House" && assets->text(2, 0) == "Cottage lot" &&
                             assets->text(totalRowFor(s.tables->AssetCount), 1).isEmpty() &&
                             s.label("Net").isEmpty() && !s.ws.shared.CurrentFileName.empty(),
                         why);
            }
        });
    }
};

PECUNEX_QTEST_MAIN(TestHostileWindows)
#include "test_hostile_windows.moc"
