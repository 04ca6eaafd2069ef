// The spreadsheet grid: row 0 as headings, bulk and sourced fills, the keyboard.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidget>

#include "Grid.h"
#include "QtTestMain.h"

class TestGrid : public QObject {
    Q_OBJECT
  private slots:
    // Row 0 is the view's header and body row r model row r - 1; cells outside read empty.
    void textAddressingWithRowZeroAsHeadings() {
        Grid g;
        g.setCols(2);
        g.setRows(3);
        g.setText(0, 1, "Amount");
        g.setText(2, 0, "2");
        g.setText(5, 0, "lost");
        g.setText(1, -1, "lost");
        QCOMPARE(std::pair(g.rows(), g.model()->rowCount()), std::pair(3, 2));
        QCOMPARE(g.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Amount"));
        QCOMPARE(g.model()->index(1, 0).data().toString() + "|" + g.text(5, 0), QString("2|"));
        g.setCols(4); // more columns keep the cells; clearing the body keeps the headings
        QCOMPARE(g.text(2, 0) + "|" + g.text(0, 1), QString("2|Amount"));
        g.clearBody(2);
        QCOMPARE(g.text(2, 0) + "|" + g.text(0, 1), QString("|Amount"));
    }

    void bulkFillGrowsInOneResetAndKeepsHeadings() {
        Grid g;
        g.setCols(3);
        g.setText(0, 0, "No.");
        QSignalSpy resets(g.model(), &QAbstractItemModel::modelReset);
        std::vector<QString> cells;
        for (int i = 0; i < 2100 * 3; ++i)
            cells.push_back(QString::number(i));
        g.setRowsData(1, std::move(cells));
        QCOMPARE(resets.count(), 1);
        QCOMPARE(g.rows(), 2101);
        QCOMPARE(g.text(0, 0) + "|" + g.text(1, 0) + "|" + g.text(2100, 2), QString("No.|0|6299"));
        g.setRowsData(2102, {"a", "b", "c"}); // a later block leaves the rows above alone
        QCOMPARE(g.rows(), 2103);
        QCOMPARE(g.text(2100, 0) + "|" + g.text(2101, 0) + "|" + g.text(2102, 1),
                 QString("6297||b"));
    }

    // A sourced block: one reset, no text made until a row is read, each row made once and
    // whole, a written cell kept, the rest made when the block is replaced by a plain fill.
    void sourcedRowsAreMadeWhenFirstRead() {
        Grid g;
        g.setCols(3);
        g.setText(0, 0, "No.");
        std::vector<int> made;
        QSignalSpy resets(g.model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserts(g.model(), &QAbstractItemModel::rowsInserted);
        g.setRowsSource(1, 2100, [&made](int row, int col) {
            if (col == 0)
                made.push_back(row);
            return QString::number(row) + ":" + QString::number(col);
        });
        QCOMPARE(resets.count() * 10 + inserts.count(), 10); // one reset, no row insertions
        QCOMPARE(std::pair(g.rows(), g.model()->rowCount()), std::pair(2101, 2100));
        QVERIFY(made.empty());
        QCOMPARE(g.model()->index(1999, 2).data().toString(), QString("2000:2"));
        QCOMPARE(g.text(0, 0) + "|" + g.text(2000, 0) + "|" + g.text(7, 1),
                 QString("No.|2000:0|7:1"));
        QCOMPARE(made, (std::vector<int>{2000, 7}));
        g.setText(5, 1, "typed");
        QCOMPARE(g.text(5, 1) + "|" + g.text(5, 2), QString("typed|5:2"));
        g.setRowsData(2101, {"a", "b", "c"}); // a plain fill below settles the block
        QCOMPARE(static_cast<int>(made.size()), 2100);
        QCOMPARE(g.text(5, 1) + "|" + g.text(2100, 2) + "|" + g.text(2101, 1),
                 QString("typed|2100:2|b"));
        g.setRowsSource(1, 2, [](int row, int col) { return QString::number(row * 10 + col); });
        g.clearBody(2); // clearing drops the source: nothing left to make
        QCOMPARE(g.text(1, 1) + "|" + g.text(0, 0), QString("|No."));
    }

    // The keyboard never gets stuck in a grid: Tab and Shift+Tab leave it for the controls
    // beside it, while the arrow keys still move between its cells.
    void tabLeavesTheGridAndArrowsMoveInside() {
        QWidget sheet;
        auto* before = new QLineEdit(&sheet);
        auto* grid = new Grid(&sheet);
        auto* after = new QPushButton(QStringLiteral("E&xit"), &sheet);
        auto* layout = new QVBoxLayout(&sheet);
        layout->addWidget(before), layout->addWidget(grid), layout->addWidget(after);
        grid->setCols(3);
        grid->setRows(4);
        sheet.show();
        QApplication::setActiveWindow(&sheet);
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        grid->setFocus(Qt::TabFocusReason);
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->currentIndex().column(), 1);
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), after);
        grid->setFocus(Qt::TabFocusReason);
        QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), before);
    }
};

PECUNEX_QTEST_MAIN(TestGrid)
#include "test_grid.moc"
