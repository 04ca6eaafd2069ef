#pragma once
// A spreadsheet-like grid: a table view over a flat table of texts. Rows and columns are
// counted as on a spreadsheet: row 0 holds the column headings (shown as the view's
// header), rows 1.. the body; the first `fixedCols` columns are drawn grey and are not
// selectable. Every operation a worksheet needs works on this numbering.
#include <QAbstractTableModel>
#include <QFont>
#include <QString>
#include <QTableView>
#include <functional>
#include <vector>

class QResizeEvent;

class GridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit GridModel(QObject* parent = nullptr);

    // Grid numbering: row 0 = headings.
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    void setRows(int rows);
    void setCols(int cols);
    void setFixedCols(int fixedCols);
    int fixedCols() const { return fixedCols_; }
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    void setColumnAlignment(int col, Qt::Alignment alignment);
    // A column shown in a fixed-pitch font, so blank-padded fields line up.
    void setColumnFixedPitch(int col, bool on);
    void setFixedPitchFont(const QFont& font) { fixedFont_ = font; }
    // Fills rows firstRow.. with `cells` (row by row, `cols()` texts a row), growing the
    // grid when needed; one reset for the whole block.
    void setRowsData(int firstRow, std::vector<QString> cells);
    // Gives rows firstRow.. firstRow + count - 1 the texts `source(row, col)` returns, each row
    // made when it is first read (shown, asked for by text(), or written to), growing the grid
    // when needed; one reset for the whole block. Any other fill or a change of the column
    // count makes the remaining rows at once.
    using CellSource = std::function<QString(int row, int col)>;
    void setRowsSource(int firstRow, int count, CellSource source);
    // Empties every body cell (headings stay) and sets the row count.
    void clearBody(int rows);

    // QAbstractTableModel: the model's rows are the grid's body rows 1...
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    void resize(int rows, int cols);
    // Makes the texts of a row the source has not made yet.
    void makeRow(int row) const;
    // Makes every row left to the source, then forgets it.
    void settleSource();
    int rows_ = 1;
    int cols_ = 1;
    int fixedCols_ = 1;
    mutable std::vector<QString> cells_; // rows_ * cols_, row-major
    CellSource source_;                  // rows sourceFirst_ .. sourceEnd_ - 1 come from it
    int sourceFirst_ = 0;
    int sourceEnd_ = 0;
    mutable std::vector<bool> made_;   // per sourced row: its texts are in cells_
    std::vector<Qt::Alignment> align_; // per column
    std::vector<bool> fixedPitch_;     // per column
    QFont fixedFont_;
};

class Grid : public QTableView {
    Q_OBJECT
  public:
    explicit Grid(QWidget* parent = nullptr);

    int rows() const { return model_->rows(); }
    int cols() const { return model_->cols(); }
    void setRows(int rows) { model_->setRows(rows); }
    void setCols(int cols);
    void setFixedCols(int fixedCols) { model_->setFixedCols(fixedCols); }
    QString text(int row, int col) const { return model_->text(row, col); }
    void setText(int row, int col, const QString& text) { model_->setText(row, col, text); }
    void setRowsData(int firstRow, std::vector<QString> cells) {
        model_->setRowsData(firstRow, std::move(cells));
    }
    void setRowsSource(int firstRow, int count, GridModel::CellSource source) {
        model_->setRowsSource(firstRow, count, std::move(source));
    }
    void clearBody(int rows) { model_->clearBody(rows); }

    // Column width in twips, converted to the screen's pixels. With fitting on, the
    // widths are stretched in proportion when the view is wider than their sum.
    void setColumnWidthTwips(int col, int twips);
    void setFitColumnsToWidth(bool on);
    void setColumnAlignment(int col, Qt::Alignment alignment) {
        model_->setColumnAlignment(col, alignment);
    }
    void setColumnFixedPitch(int col, bool on) { model_->setColumnFixedPitch(col, on); }
    // Heading lines the header row has room for (texts wrap at word boundaries).
    void setHeadingLines(int lines);

    // Current cell in grid numbering (row 0 is never current; -1 when there is none).
    int currentRow() const;
    int currentCol() const;
    void setCurrentCell(int row, int col);
    void scrollToTopRow();

  signals:
    void currentCellChanged(int row, int col, int previousRow, int previousCol);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void applyWidths();
    void fitToFont();
    GridModel* model_;
    std::vector<int> baseWidths_; // pixels
    bool fit_ = false;
};
