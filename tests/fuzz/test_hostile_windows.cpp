// Damaged and hostile files opened through each worksheet's own "Open File" command, as a
// user would: the message the worksheet shows and what it is left showing. A refused file is
// message 13 and no figures from it: the mortgage worksheet drops its schedule, the net worth
// statement is emptied, the budget keeps the records read before the fault (and never more
// than a list holds). Every case is opened right after the intact file, so a refusal that
// left the old results standing would show.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <memory>

#include "BudgetSheet.h"
#include "MortgageTestSupport.h"
#include "NetWorthCalc.h"
#include "NetWorthTables.h"
#include "NetWorthWindow.h"
#include "QtTestMain.h"

namespace {

QByteArray sample(const char* name) {
    QFile f(QStringLiteral(PECUNEX_SOURCE_DIR "/samples/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no sample %s", name);
    return f.readAll();
}

// Refused: message 13. Opened: no message, the worksheet as after the intact file.
// ZeroAmount: no message, the amount read as zero. TooLarge: an amount beyond the currency
// range (the worksheet's own message for it). Either: refused, or read completely.
enum class Expect { Refused, Opened, ZeroAmount, TooLarge, Either };

struct Case {
    QString name;
    QByteArray bytes;
    Expect expect;
};

QByteArray replacedFirst(QByteArray text, const QByteArray& from, const QByteArray& to) {
    const qsizetype at = text.indexOf(from);
    if (at < 0)
        qFatal("no %s in the sample", from.constData());
    return text.replace(at, from.size(), to);
}

// What one format needs beside its intact file: where its first count and its first
// amount stand ("before" the figure, the figure, "after" it, as the file has them).
struct Format {
    QByteArray valid;
    QByteArray countBefore, count, countAfter;
    QByteArray amountBefore, amount, amountAfter;
    int tableSize; // the largest count the file may hold
    QByteArray withCount(const QByteArray& n) const {
        return replacedFirst(valid, countBefore + count + countAfter, countBefore + n + countAfter);
    }
    QByteArray withAmount(const QByteArray& n) const {
        return replacedFirst(valid, amountBefore + amount + amountAfter,
                             amountBefore + n + amountAfter);
    }
};

// Source of each expectation: the file formats (every item is read in order, a count
// bounds what follows, a file ends after its last record) and what users' editors write
// (a byte-order mark, bare line feeds or carriage returns around an intact file). An amount
// is the first figure of the file's first record; "-0" and 1e-320 read as zero.
std::vector<Case> hostileCases(const Format& f) {
    std::vector<Case> cases;
    const auto add = [&](const QString& name, const QByteArray& bytes, Expect e) {
        cases.push_back({name, bytes, e});
    };
    add("empty", {}, Expect::Refused);
    const qsizetype lastItem = f.valid.lastIndexOf(',');
    for (qsizetype cut = 1; cut < f.valid.size(); ++cut)
        add(QString("cut at %1").arg(cut), f.valid.left(cut),
            cut <= lastItem ? Expect::Refused : Expect::Either);
    QByteArray garbage;
    for (int b = 255; b >= 0; --b)
        garbage += static_cast<char>(b);
    add("binary garbage", garbage, Expect::Refused);
    add("NUL bytes", QByteArray(4096, '\0'), Expect::Refused);
    add("a NUL byte for a separator", replacedFirst(f.valid, ",", QByteArray(1, '\0')),
        Expect::Refused);
    add("UTF-8 byte-order mark", "\xEF\xBB\xBF" + f.valid, Expect::Opened);
    QByteArray utf16("\xFF\xFE");
    for (char c : f.valid)
        utf16 += QByteArray(1, c) + QByteArray(1, '\0');
    add("UTF-16 text", utf16, Expect::Refused);
    add("LF-only line ends", QByteArray(f.valid).replace("\r\n", "\n"), Expect::Opened);
    add("CR-only line ends", QByteArray(f.valid).replace("\r\n", "\r"), Expect::Opened);
    add("a 1 MB line", '"' + QByteArray(1 << 20, 'x') + "\"\r\n" + f.valid, Expect::Refused);
    add("a 10 MB number", QByteArray(10 << 20, '7'), Expect::Refused);
    add("10 MB of blank lines after the file", f.valid + QByteArray(10 << 20, '\n'),
        Expect::Opened);
    add("a quote never closed", '"' + QByteArray(1 << 16, 'x'), Expect::Refused);
    for (const QByteArray& n :
         {QByteArray("32767"), QByteArray("-1"), QByteArray("-32769"),
          QByteArray::number(f.tableSize + 1), QByteArray("99999999999999999999")})
        add("count " + n, f.withCount(n), Expect::Refused);
    for (const char* n : {"NaN", "abc", "0x10"})
        add(QString("amount ") + n, f.withAmount(n), Expect::Refused);
    for (const char* n : {"1e308", "99999999999999999999"})
        add(QString("amount ") + n, f.withAmount(n), Expect::TooLarge);
    for (const char* n : {"-0", "1e-320"})
        add(QString("amount ") + n, f.withAmount(n), Expect::ZeroAmount);
    return cases;
}

QString writeCase(const QString& folder, int index, const QByteArray& bytes) {
    const QString path = QDir(folder).filePath(QString("case%1.dat").arg(index));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Every cell of a grid, "|"-separated by cell and "/" by row.
QString gridText(const Grid* g) {
    QString all;
    for (int r = 0; r < g->rows(); ++r) {
        for (int c = 0; c < g->cols(); ++c)
            all += g->text(r, c) + "|";
        all += "/";
    }
    return all;
}

struct NetWorthSheet {
    NetWorthSheet() : window(std::make_unique<NetWorthWindow>(ws, tables)) {
        activate(window.get());
    }
    QString statement() const {
        return gridText(window->findChild<Grid*>("NGrid1")) +
               gridText(window->findChild<Grid*>("NGrid2"));
    }
    void open() const { QTest::mouseClick(window->findChild<QWidget*>("Loadnet"), Qt::LeftButton); }
    TestWorkspace ws;
    NetWorthTables tables;
    std::unique_ptr<NetWorthWindow> window;
};

// The messages each kind of case must bring: `tooLarge` is the worksheet's own.
std::vector<int> expectedMessages(Expect e, int tooLarge) {
    switch (e) {
    case Expect::Refused:
        return {13};
    case Expect::TooLarge:
        return {tooLarge};
    default:
        return {};
    }
}

// Opens the intact file, then each case, with `open` (which clicks the worksheet's button)
// and hands `check` the messages the case brought.
void openEach(ScriptedDialogs& dialogs, const QString& folder, const Format& f, int tooLarge,
              const std::function<void()>& open,
              const std::function<void(const Case&, const std::vector<int>&)>& check) {
    const std::string intact = writeCase(folder, 0, f.valid).toStdString();
    int index = 0;
    for (const Case& c : hostileCases(f)) {
        dialogs.fileNames = {intact, writeCase(folder, ++index, c.bytes).toStdString()};
        open();
        const std::size_t before = dialogs.messages().size();
        open();
        const std::vector<int> all = dialogs.messages();
        const std::vector<int> shown(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
        if (c.expect == Expect::Either)
            QVERIFY2(shown.empty() || shown == std::vector<int>{13}, qPrintable(c.name));
        else
            QVERIFY2(shown == expectedMessages(c.expect, tooLarge), qPrintable(c.name));
        check(c, shown);
        if (QTest::currentTestFailed())
            return;
    }
}

// Only zeros in a figure's text (blanks, separators and the currency symbol aside).
bool showsZero(QString text) {
    text.remove(QRegularExpression("[ $,.]"));
    return !text.isEmpty() && text.count('0') == text.size();
}

} // namespace

class TestHostileWindows : public QObject {
    Q_OBJECT
  private slots:
    // Mortgage and loan files store currency, so an amount beyond its range is a damaged file.
    void mortgageAndLoanWorksheets() {
        const struct {
            int mode;
            const char* file;
            QByteArray countBefore, count, amountAfter;
        } modes[] = {{1, "Sample.umd", ",1,1,2,", "25", ",5.25,"},
                     {2, "Sample.uld", ",0,1,2,", "4", ",7.9,"}};
        for (const auto& m : modes) {
            const QByteArray valid = sample(m.file);
            const Format f{valid,
                           m.countBefore,
                           m.count,
                           ",",
                           "",
                           valid.left(valid.indexOf(',')),
                           m.amountAfter,
                           45};
            Sheet s(m.mode);
            s.ws.scripted.fileNames = {writeCase(s.ws.folder.path(), 0, valid).toStdString()};
            s.click("MLoadFile");
            QVERIFY(s.messages().empty() && s.st().ScheduleYears > 0);
            const QString payment = s.label("InMonthPI"), schedule = gridText(s.grid());
            const auto check = [&](const Case& c, const std::vector<int>& shown) {
                const QByteArray why = (QString::number(m.mode) + ": " + c.name).toUtf8();
                if (!shown.empty()) { // no schedule, no results stand
                    QVERIFY2(s.st().ScheduleYears == 0 && s.label("InMonthPI").isEmpty() &&
                                 s.grid()->text(1, 1).isEmpty(),
                             why);
                } else if (c.expect == Expect::Opened) {
                    QVERIFY2(s.label("InMonthPI") == payment && gridText(s.grid()) == schedule,
                             why);
                } else if (c.expect == Expect::ZeroAmount) { // a zero principal: zero payments
                    QVERIFY2(showsZero(s.principal()->text()) && showsZero(s.label("InMonthPI")) &&
                                 s.st().ScheduleYears > 0,
                             why);
                }
            };
            openEach(
                s.ws.scripted, s.ws.folder.path(), f, 13, [&] { s.click("MLoadFile"); }, check);
        }
    }

    // A damaged budget keeps the records read before the fault, never more than a list
    // holds, and the name of the last file that opened.
    void budgetWorksheet() {
        const Format f{sample("Sample.BGT"),  "",     "6",    "\r\n1,",
                       ",\"Child benefit\",", "1440", ",12,", 500};
        BudgetSheet s;
        s.ws.scripted.fileNames = {writeCase(s.ws.folder.path(), 0, f.valid).toStdString()};
        s.find<QPushButton>("FilOpen")->click();
        QVERIFY(s.messages().empty());
        const auto shown = [&s] {
            return gridText(s.find<Grid>("BGrid1")) + gridText(s.find<Grid>("BGrid2")) +
                   s.text("NetBalance");
        };
        const QString intact = shown();
        const auto check = [&](const Case& c, const std::vector<int>& messages) {
            const QByteArray why = c.name.toUtf8();
            const BudgetTables& t = *s.tables;
            QVERIFY2(t.IncomeCount >= 0 && t.IncomeCount <= 500 && t.ExpenseCount >= 0 &&
                         t.ExpenseCount <= 500,
                     why);
            QVERIFY2(s.find<Grid>("BGrid1")->rows() >= t.IncomeCount &&
                         s.find<Grid>("BGrid2")->rows() >= t.ExpenseCount,
                     why);
            if (!messages.empty())
                QVERIFY2(s.st().CurrentFileName == "case0.dat", why);
            else if (c.expect == Expect::Opened)
                QVERIFY2(shown() == intact, why);
            else if (c.expect == Expect::ZeroAmount)
                QVERIFY2(s.row("BGrid1", 1).startsWith("1|Child benefit|") &&
                             showsZero(s.row("BGrid1", 1).section('|', 2, 2)),
                         why);
        };
        openEach(
            s.ws.scripted, s.ws.folder.path(), f, 13,
            [&] { s.find<QPushButton>("FilOpen")->click(); }, check);
    }

    // Two amounts each in range whose sum is not: the file opens, the totals cannot be
    // calculated (message 26) and no net balance is shown.
    void budgetAmountsThatOverflowWhenSummed() {
        const QByteArray big = "900000000000000";
        const QByteArray text = replacedFirst(
            replacedFirst(sample("Sample.BGT"), ",1440,12,1440", "," + big + ",1," + big),
            ",2400,6,1800", "," + big + ",1,0");
        BudgetSheet s;
        s.ws.scripted.fileNames = {writeCase(s.ws.folder.path(), 1, text).toStdString()};
        s.find<QPushButton>("FilOpen")->click();
        QCOMPARE(s.messages(), std::vector<int>{26});
        QVERIFY(s.text("NetBalance").isEmpty() && s.text("NetBalanceBgt").isEmpty());
        QCOMPARE(s.st().CurrentFileName, std::string("case1.dat"));
    }

    // A net worth file stores plain numbers: one too large to add up opens, and the
    // calculation says so (message 26) with the file's lines shown and no totals.
    void netWorthWorksheet() {
        const Format f{sample("NetSampl.NWV"), "", "10", ",6", "\"House\",", "412000",
                       ",\"Mortgage\"",        31};
        NetWorthSheet empty;
        QTest::mouseClick(empty.window->findChild<QWidget*>("NCalc"), Qt::LeftButton);
        const QString emptyStatement = empty.statement();

        NetWorthSheet s;
        s.ws.scripted.fileNames = {writeCase(s.ws.folder.path(), 0, f.valid).toStdString()};
        s.open();
        QVERIFY(s.ws.scripted.messages().empty());
        const QString intact = s.statement();
        QVERIFY(intact != emptyStatement);
        Grid* assets = s.window->findChild<Grid*>("NGrid1");
        const auto check = [&](const Case& c, const std::vector<int>& shown) {
            const QByteArray why = c.name.toUtf8();
            if (shown == std::vector<int>{13}) {
                QVERIFY2(s.statement() == emptyStatement && s.ws.shared.CurrentFileName.empty(),
                         why);
            } else if (c.expect == Expect::Opened) {
                QVERIFY2(s.statement() == intact, why);
            } else if (c.expect == Expect::ZeroAmount) {
                // -0 is zero, listed blank; 1e-320 is above zero and lists as .00
                const QString amount = assets->text(1, 1);
                QVERIFY2(assets->text(1, 0) == "House" && (amount.isEmpty() || showsZero(amount)) &&
                             s.statement() != intact,
                         why);
            } else if (c.expect == Expect::TooLarge) {
                const int total = totalRowFor(s.tables.AssetCount);
                QVERIFY2(assets->text(1, 0) == "House" && assets->text(2, 0) == "Cottage lot" &&
                             assets->text(total, 1).isEmpty() &&
                             s.window->findChild<QLabel*>("Net")->text().isEmpty() &&
                             !s.ws.shared.CurrentFileName.empty(),
                         why);
            }
        };
        openEach(
            s.ws.scripted, s.ws.folder.path(), f, 26, [&] { s.open(); }, check);
    }
};

PECUNEX_QTEST_MAIN(TestHostileWindows)
#include "test_hostile_windows.moc"
