// Damaged and hostile files opened through each worksheet's own "Open File" command, as a
// user would: the message the worksheet shows and what it is left showing. A refused file is
// message 13 and no figures from it: the mortgage worksheet drops its schedule, the net worth
// statement is emptied, the budget keeps the records read before the fault (and never more
// than a list holds). Every case is opened right after the intact file, so a refusal that
// left the old results standing would show.
#include <QDir>
#include <QFile>
#include <functional>
#include <memory>

#include "BudgetSheet.h"
#include "MortgageTestSupport.h"
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

enum class Expect { Refused, Opened, Either };

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
// (a byte-order mark or bare line feeds around an intact file).
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
    for (const QByteArray& n :
         {QByteArray("1e308"), QByteArray("NaN"), QByteArray("1e-320"),
          QByteArray("99999999999999999999"), QByteArray("-0"), QByteArray("abc")})
        add("amount " + n, f.withAmount(n), Expect::Either);
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

// The messages shown since `before`.
std::vector<int> since(const ScriptedDialogs& d, std::size_t before) {
    const std::vector<int> all = d.messages();
    return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
}

} // namespace

class TestHostileWindows : public QObject {
    Q_OBJECT
  private slots:
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
            const QString validPath = writeCase(s.ws.folder.path(), 0, valid);
            s.ws.scripted.fileNames = {validPath.toStdString()};
            s.click("MLoadFile");
            QVERIFY(s.messages().empty() && s.st().ScheduleYears > 0);
            const QString payment = s.label("InMonthPI"), schedule = gridText(s.grid());
            int index = 0;
            for (const Case& c : hostileCases(f)) {
                const QString path = writeCase(s.ws.folder.path(), ++index, c.bytes);
                s.ws.scripted.fileNames = {validPath.toStdString(), path.toStdString()};
                s.click("MLoadFile");
                const std::size_t before = s.messages().size();
                s.click("MLoadFile");
                const std::vector<int> shown = since(s.ws.scripted, before);
                const bool refused = shown == std::vector<int>{13};
                const QByteArray why = (QString::number(m.mode) + ": " + c.name).toUtf8();
                if (c.expect != Expect::Either)
                    QVERIFY2(refused == (c.expect == Expect::Refused), why);
                if (refused) {
                    QVERIFY2(s.st().ScheduleYears == 0 && s.label("InMonthPI").isEmpty() &&
                                 s.grid()->text(1, 1).isEmpty(),
                             why);
                } else if (c.expect == Expect::Opened) {
                    QVERIFY2(shown.empty(), why);
                    QCOMPARE(s.label("InMonthPI"), payment);
                    QCOMPARE(gridText(s.grid()), schedule);
                } else {
                    // Read, then calculated: a figure out of the worksheet's range is refused
                    // by the calculation's own message, and no schedule stands.
                    QVERIFY2(shown.size() <= 1, why);
                    if (!shown.empty())
                        QVERIFY2(s.st().ScheduleYears == 0, why);
                }
            }
        }
    }

    void budgetWorksheet() {
        const QByteArray valid = sample("Sample.BGT");
        const Format f{valid, "", "6", "\r\n1,", ",\"Child benefit\",", "1440", ",12,", 500};
        BudgetSheet s;
        const QString validPath = writeCase(s.ws.folder.path(), 0, valid);
        s.ws.scripted.fileNames = {validPath.toStdString()};
        s.find<QPushButton>("FilOpen")->click();
        QVERIFY(s.messages().empty());
        const QString intact = gridText(s.find<Grid>("BGrid1")) + gridText(s.find<Grid>("BGrid2")) +
                               s.text("NetBalance");
        int index = 0;
        for (const Case& c : hostileCases(f)) {
            const QString path = writeCase(s.ws.folder.path(), ++index, c.bytes);
            s.ws.scripted.fileNames = {validPath.toStdString(), path.toStdString()};
            s.find<QPushButton>("FilOpen")->click();
            const std::size_t before = s.messages().size();
            s.find<QPushButton>("FilOpen")->click();
            const std::vector<int> shown = since(s.ws.scripted, before);
            const bool refused = shown == std::vector<int>{13};
            const QByteArray why = c.name.toUtf8();
            if (c.expect != Expect::Either)
                QVERIFY2(refused == (c.expect == Expect::Refused), why);
            // Never more records than a list holds; the grids show exactly those read.
            QVERIFY2(s.tables->IncomeCount >= 0 && s.tables->IncomeCount <= 500 &&
                         s.tables->ExpenseCount >= 0 && s.tables->ExpenseCount <= 500,
                     why);
            QVERIFY2(s.find<Grid>("BGrid1")->rows() >= s.tables->IncomeCount &&
                         s.find<Grid>("BGrid2")->rows() >= s.tables->ExpenseCount,
                     why);
            if (refused)
                QVERIFY2(s.st().CurrentFileName == "case0.dat",
                         why); // the name of the last good file
            else if (c.expect == Expect::Opened)
                QCOMPARE(gridText(s.find<Grid>("BGrid1")) + gridText(s.find<Grid>("BGrid2")) +
                             s.text("NetBalance"),
                         intact);
        }
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

    void netWorthWorksheet() {
        const QByteArray valid = sample("NetSampl.NWV");
        const Format f{valid, "", "10", ",6", "\"House\",", "412000", ",\"Mortgage\"", 31};
        NetWorthSheet empty;
        QTest::mouseClick(empty.window->findChild<QWidget*>("NCalc"), Qt::LeftButton);
        const QString emptyStatement = empty.statement();

        NetWorthSheet s;
        const QString validPath = writeCase(s.ws.folder.path(), 0, valid);
        s.ws.scripted.fileNames = {validPath.toStdString()};
        s.open();
        QVERIFY(s.ws.scripted.messages().empty());
        const QString intact = s.statement();
        QVERIFY(intact != emptyStatement);
        int index = 0;
        for (const Case& c : hostileCases(f)) {
            const QString path = writeCase(s.ws.folder.path(), ++index, c.bytes);
            s.ws.scripted.fileNames = {validPath.toStdString(), path.toStdString()};
            s.open();
            const std::size_t before = s.ws.scripted.messages().size();
            s.open();
            const std::vector<int> shown = since(s.ws.scripted, before);
            const bool refused = shown == std::vector<int>{13};
            const QByteArray why = c.name.toUtf8();
            if (c.expect != Expect::Either)
                QVERIFY2(refused == (c.expect == Expect::Refused), why);
            if (refused) {
                QVERIFY2(s.statement() == emptyStatement && s.ws.shared.CurrentFileName.empty(),
                         why);
            } else if (c.expect == Expect::Opened) {
                QVERIFY2(shown.empty(), why);
                QCOMPARE(s.statement(), intact);
            } else {
                QVERIFY2(shown.size() <= 1, why); // a figure out of range: message 26
            }
        }
    }
};

PECUNEX_QTEST_MAIN(TestHostileWindows)
#include "test_hostile_windows.moc"
