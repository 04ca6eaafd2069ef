// The spreadsheet grid: sourced fills, the keyboard.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "Grid.h"
#include "QtTestMain.h"

class TestGrid : public QObject {
    Q_OBJECT
  private slots:
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
        grid->setCols(3), grid->setRows(4);
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
