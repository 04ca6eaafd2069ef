#include "Grid.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPalette>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

#include "Platform.h"

// ---- model ---------------------------------------------------------------------------

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {
    cells_.resize(1);
    align_.assign(1, Qt::AlignLeft | Qt::AlignVCenter);
    fixedPitch_.assign(1, false);
}

void GridModel::resize(int rows, int cols) {
    rows = std::max(rows, 1);
    cols = std::max(cols, 1);
    if (rows == rows_ && cols == cols_)
        return;
    if (cols != cols_)
        settleSource();
    sourceEnd_ = std::min(sourceEnd_, rows);
    if (cols == cols_) {
        cells_.resize(static_cast<size_t>(rows) * cols);
    } else {
        std::vector<QString> next(static_cast<size_t>(rows) * cols);
        const int keepRows = std::min(rows, rows_);
        const int keepCols = std::min(cols, cols_);
        for (int r = 0; r < keepRows; ++r)
            for (int c = 0; c < keepCols; ++c)
                next[static_cast<size_t>(r) * cols + c] =
                    std::move(cells_[static_cast<size_t>(r) * cols_ + c]);
        cells_ = std::move(next);
        align_.resize(static_cast<size_t>(cols), Qt::AlignLeft | Qt::AlignVCenter);
        fixedPitch_.resize(static_cast<size_t>(cols), false);
    }
    rows_ = rows;
    cols_ = cols;
}

void GridModel::setRows(int rows) {
    beginResetModel();
    resize(rows, cols_);
    endResetModel();
}

void GridModel::setCols(int cols) {
    beginResetModel();
    resize(rows_, cols);
    endResetModel();
}

void GridModel::setFixedCols(int fixedCols) {
    beginResetModel();
    fixedCols_ = std::max(fixedCols, 0);
    endResetModel();
}

void GridModel::makeRow(int row) const {
    if (row < sourceFirst_ || row >= sourceEnd_)
        return;
    const auto at = static_cast<size_t>(row - sourceFirst_);
    if (made_[at])
        return;
    made_[at] = true;
    for (int c = 0; c < cols_; ++c)
        cells_[static_cast<size_t>(row) * cols_ + c] = source_(row, c);
}

void GridModel::settleSource() {
    for (int r = sourceFirst_; r < sourceEnd_; ++r)
        makeRow(r);
    source_ = nullptr;
    sourceFirst_ = sourceEnd_ = 0;
    made_.clear();
}

QString GridModel::text(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        return {};
    makeRow(row);
    return cells_[static_cast<size_t>(row) * cols_ + col];
}

void GridModel::setText(int row, int col, const QString& text) {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        return;
    makeRow(row);
    cells_[static_cast<size_t>(row) * cols_ + col] = text;
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex at = index(row - 1, col);
        emit dataChanged(at, at, {Qt::DisplayRole});
    }
}

void GridModel::setColumnAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= cols_)
        return;
    align_[static_cast<size_t>(col)] = alignment | Qt::AlignVCenter;
    if (rows_ > 1)
        emit dataChanged(index(0, col), index(rows_ - 2, col), {Qt::TextAlignmentRole});
}

void GridModel::setColumnFixedPitch(int col, bool on) {
    if (col < 0 || col >= cols_)
        return;
    fixedPitch_[static_cast<size_t>(col)] = on;
    if (rows_ > 1)
        emit dataChanged(index(0, col), index(rows_ - 2, col), {Qt::FontRole});
}

void GridModel::setRowsData(int firstRow, std::vector<QString> cells) {
    firstRow = std::max(firstRow, 0);
    const int count = static_cast<int>((cells.size() + cols_ - 1) / cols_);
    beginResetModel();
    settleSource();
    resize(std::max(rows_, firstRow + count), cols_);
    std::move(cells.begin(), cells.end(),
              cells_.begin() + static_cast<std::ptrdiff_t>(firstRow) * cols_);
    endResetModel();
}

void GridModel::setRowsSource(int firstRow, int count, CellSource source) {
    firstRow = std::max(firstRow, 1);
    count = std::max(count, 0);
    beginResetModel();
    settleSource();
    resize(std::max(rows_, firstRow + count), cols_);
    for (size_t i = static_cast<size_t>(firstRow) * cols_;
         i < static_cast<size_t>(firstRow + count) * cols_; ++i)
        cells_[i].clear();
    source_ = std::move(source);
    sourceFirst_ = firstRow;
    sourceEnd_ = source_ ? firstRow + count : firstRow;
    made_.assign(static_cast<size_t>(sourceEnd_ - sourceFirst_), false);
    endResetModel();
}

void GridModel::clearBody(int rows) {
    beginResetModel();
    source_ = nullptr;
    sourceFirst_ = sourceEnd_ = 0;
    made_.clear();
    resize(rows, cols_);
    for (size_t i = static_cast<size_t>(cols_); i < cells_.size(); ++i)
        cells_[i].clear();
    endResetModel();
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_ - 1;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(row, col);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(align_[static_cast<size_t>(col)]);
    case Qt::FontRole:
        if (fixedPitch_[static_cast<size_t>(col)])
            return fixedFont_;
        return {};
    case Qt::BackgroundRole:
        if (col < fixedCols_)
            return QGuiApplication::palette().color(QPalette::Button);
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return text(0, section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() < fixedCols_)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

// ---- view ----------------------------------------------------------------------------

Grid::Grid(QWidget* parent) : QTableView(parent), model_(new GridModel(this)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab and Shift+Tab go on to the next control, as everywhere else in a worksheet; the
    // arrow keys choose cells. (A grid that kept Tab would trap the keyboard inside it.)
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Compact spreadsheet rows of one fixed height: no per-row measuring, so thousands
    // of rows cost nothing to lay out.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitToFont();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setStretchLastSection(false);
    setHeadingLines(1);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now, const QModelIndex& before) {
                emit currentCellChanged(now.isValid() ? now.row() + 1 : -1,
                                        now.isValid() ? now.column() : -1,
                                        before.isValid() ? before.row() + 1 : -1,
                                        before.isValid() ? before.column() : -1);
            });
}

void Grid::fitToFont() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    QFont pitch = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    pitch.setPointSizeF(font().pointSizeF());
    model_->setFixedPitchFont(pitch);
}

void Grid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToFont();
}

void Grid::setCols(int cols) {
    model_->setCols(cols);
    baseWidths_.resize(static_cast<size_t>(model_->cols()), columnWidth(0));
    applyWidths();
}

void Grid::setColumnWidthTwips(int col, int twips) {
    if (col < 0 || col >= cols())
        return;
    baseWidths_.resize(static_cast<size_t>(cols()), platform::twipsToPixels(1200));
    baseWidths_[static_cast<size_t>(col)] = platform::twipsToPixels(twips);
    applyWidths();
}

void Grid::setFitColumnsToWidth(bool on) {
    fit_ = on;
    applyWidths();
}

void Grid::setHeadingLines(int lines) {
    const QFontMetrics fm(horizontalHeader()->font());
    horizontalHeader()->setFixedHeight(std::max(lines, 1) * fm.lineSpacing() + 8);
}

int Grid::currentRow() const {
    const QModelIndex at = currentIndex();
    return at.isValid() ? at.row() + 1 : -1;
}

int Grid::currentCol() const {
    const QModelIndex at = currentIndex();
    return at.isValid() ? at.column() : -1;
}

void Grid::setCurrentCell(int row, int col) {
    const QModelIndex at = model_->index(row - 1, col);
    if (!at.isValid())
        return;
    selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    scrollTo(at);
}

void Grid::scrollToTopRow() {
    scrollToTop();
}

void Grid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (fit_)
        applyWidths();
}

void Grid::applyWidths() {
    if (baseWidths_.empty())
        return;
    int sum = 0;
    for (int w : baseWidths_)
        sum += w;
    // Room for the columns whether or not the vertical scroll bar is showing, so the
    // widths do not jump when a long schedule brings the bar in.
    const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
    const double scale = (fit_ && sum > 0 && room > sum) ? static_cast<double>(room) / sum : 1.0;
    int used = 0;
    for (size_t c = 0; c < baseWidths_.size(); ++c) {
        int w = static_cast<int>(baseWidths_[c] * scale);
        // The last column takes the rounding remainder so the row ends at the edge.
        if (scale > 1.0 && c + 1 == baseWidths_.size())
            w = room - used;
        setColumnWidth(static_cast<int>(c), w);
        used += w;
    }
}
