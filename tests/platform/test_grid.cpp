// The spreadsheet grid: heading row numbering, bulk fills, rectangles, the current cell
// and column widths.
#include <QHeaderView>
#include <QSignalSpy>
#include <QtTest/QTest>

#include "Grid.h"
#include "QtTestMain.h"

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    void headingRowIsTheHeaderAndBodyStartsAtRowOne();
    void bulkFillGrowsInOneResetAndKeepsHeadings();
    void changingColumnsKeepsExistingCells();
    void fillRangeAndSelectionTouchOnlyTheirRectangle();
    void outOfRangeCellsReadEmptyAndIgnoreWrites();
    void currentCellUsesGridNumbering();
    void fixedColumnIsGreyAndNotSelectable();
    void columnWidthsInTwipsAndFitting();
    void clearBodyKeepsHeadings();
};

static void makeGrid(Grid& g, int rows, int cols) {
    g.setCols(cols);
    g.setRows(rows);
}

void TestGrid::headingRowIsTheHeaderAndBodyStartsAtRowOne() {
    Grid g;
    makeGrid(g, 3, 2);
    g.setText(0, 1, "Amount");
    g.setText(1, 1, "12.50");
    g.setText(2, 0, "2");
    QCOMPARE(g.model()->rowCount(), 2);  // the heading row is not a body row
    QCOMPARE(g.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("Amount"));
    QCOMPARE(g.model()->index(0, 1).data().toString(), QString("12.50"));
    QCOMPARE(g.model()->index(1, 0).data().toString(), QString("2"));
    QCOMPARE(g.text(1, 1), QString("12.50"));
}

void TestGrid::bulkFillGrowsInOneResetAndKeepsHeadings() {
    Grid g;
    makeGrid(g, 2, 3);
    g.setText(0, 0, "No.");
    QSignalSpy resets(g.model(), &QAbstractItemModel::modelReset);
    std::vector<QString> cells;
    for (int r = 1; r <= 2100; ++r)
        for (int c = 0; c < 3; ++c) cells.push_back(QString::number(r * 10 + c));
    g.setRowsData(1, std::move(cells));
    QCOMPARE(resets.count(), 1);
    QCOMPARE(g.rows(), 2101);
    QCOMPARE(g.model()->rowCount(), 2100);
    QCOMPARE(g.text(0, 0), QString("No."));
    QCOMPARE(g.text(1, 0), QString("10"));
    QCOMPARE(g.text(2100, 2), QString("21002"));
    // A later block below the first leaves the rows above it alone.
    g.setRowsData(2102, {"a", "b", "c"});
    QCOMPARE(g.rows(), 2103);
    QCOMPARE(g.text(2101, 0), QString());
    QCOMPARE(g.text(2102, 1), QString("b"));
    QCOMPARE(g.text(2100, 0), QString("21000"));
}

void TestGrid::changingColumnsKeepsExistingCells() {
    Grid g;
    makeGrid(g, 3, 2);
    g.setText(2, 1, "x");
    g.setText(0, 0, "h");
    g.setCols(4);
    QCOMPARE(g.text(2, 1), QString("x"));
    QCOMPARE(g.text(0, 0), QString("h"));
    QCOMPARE(g.text(2, 3), QString());
    g.setCols(1);
    QCOMPARE(g.text(2, 1), QString());
    QCOMPARE(g.text(0, 0), QString("h"));
}

void TestGrid::fillRangeAndSelectionTouchOnlyTheirRectangle() {
    Grid g;
    makeGrid(g, 6, 4);
    g.setFixedCols(0);
    g.fillRange(4, 2, 2, 1, "0");  // corners in any order
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool inside = r >= 2 && r <= 4 && c >= 1 && c <= 2;
            QCOMPARE(g.text(r, c), inside ? QString("0") : QString());
        }
    g.selectionModel()->select(QItemSelection(g.model()->index(0, 3), g.model()->index(1, 3)),
                               QItemSelectionModel::ClearAndSelect);
    g.fillSelection("z");
    QCOMPARE(g.text(1, 3), QString("z"));
    QCOMPARE(g.text(2, 3), QString("z"));
    QCOMPARE(g.text(3, 3), QString());
    QCOMPARE(g.text(0, 3), QString());  // the heading row is never part of a selection
}

void TestGrid::outOfRangeCellsReadEmptyAndIgnoreWrites() {
    Grid g;
    makeGrid(g, 2, 2);
    g.setText(5, 0, "lost");
    g.setText(1, -1, "lost");
    QCOMPARE(g.text(5, 0), QString());
    QCOMPARE(g.rows(), 2);
    g.setRows(0);  // at least the heading row stays
    QCOMPARE(g.rows(), 1);
}

void TestGrid::currentCellUsesGridNumbering() {
    Grid g;
    makeGrid(g, 5, 2);
    g.setFixedCols(1);
    QSignalSpy moved(&g, &Grid::currentCellChanged);
    g.setCurrentCell(3, 1);
    QCOMPARE(g.currentRow(), 3);
    QCOMPARE(g.currentCol(), 1);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toInt(), 3);
    g.setCurrentCell(0, 1);  // the heading row cannot be current
    QCOMPARE(g.currentRow(), 3);
    g.setCurrentCell(4, 1);
    QCOMPARE(moved.last().at(2).toInt(), 3);  // previous row
}

void TestGrid::fixedColumnIsGreyAndNotSelectable() {
    Grid g;
    makeGrid(g, 3, 2);
    g.setFixedCols(1);
    const QModelIndex fixed = g.model()->index(0, 0);
    const QModelIndex body = g.model()->index(0, 1);
    QVERIFY(!(g.model()->flags(fixed) & Qt::ItemIsSelectable));
    QVERIFY(g.model()->flags(body) & Qt::ItemIsSelectable);
    QVERIFY(fixed.data(Qt::BackgroundRole).isValid());
    QVERIFY(!body.data(Qt::BackgroundRole).isValid());
    g.setColumnAlignment(1, Qt::AlignRight);
    QVERIFY(body.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    QVERIFY(fixed.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);
}

void TestGrid::columnWidthsInTwipsAndFitting() {
    Grid g;
    makeGrid(g, 3, 2);
    g.resize(200, 100);
    g.show();
    g.setColumnWidthTwips(0, 1440);  // one inch = 96 px at 96 dpi
    g.setColumnWidthTwips(1, 720);
    QCOMPARE(g.columnWidth(0), 96);
    QCOMPARE(g.columnWidth(1), 48);
    g.setFitColumnsToWidth(true);
    g.resize(600, 100);
    QVERIFY(g.columnWidth(0) > 96);
    // Stretched in proportion: the first stays twice the second (within a pixel).
    QVERIFY(qAbs(g.columnWidth(0) - 2 * g.columnWidth(1)) <= 2);
    g.resize(100, 100);  // narrower than the widths: never shrunk below them
    QCOMPARE(g.columnWidth(0), 96);
}

void TestGrid::clearBodyKeepsHeadings() {
    Grid g;
    makeGrid(g, 4, 2);
    g.setText(0, 1, "Heading");
    g.setText(3, 1, "x");
    g.clearBody(2);
    QCOMPARE(g.rows(), 2);
    QCOMPARE(g.text(0, 1), QString("Heading"));
    QCOMPARE(g.text(1, 1), QString());
}

PECUNEX_QTEST_MAIN(TestGrid)
#include "test_grid.moc"
