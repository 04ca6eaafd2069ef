#include "PrePayDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Amortization.h"
#include "Grid.h"
#include "KeyFilters.h"
#include "Placement.h"
#include "Platform.h"
#include "SharedState.h"
#include "SystemLocale.h"

namespace {
constexpr int MinimumRows = 20;  // heading row included

// Whole years of a term: rounded to the nearest whole number, halves to even.
int wholeYears(Currency term) {
    const double years = std::nearbyint(term.toDouble());
    return std::clamp(static_cast<int>(years), 0, MaxYears);
}
} // namespace

PrePayDialog::PrePayDialog(SharedState& state, QWidget* container)
    : QDialog(container), state_(state), container_(container), seps_(platform::systemSeparators()) {
    setObjectName("MortPrePay");
    setWindowTitle("Additional Payments");
    setModal(true);

    PGrid = new Grid(this);
    PGrid->setObjectName("PGrid");
    PGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    PGrid->installEventFilter(this);
    UsePrePay = new QPushButton("&OK", this);
    UsePrePay->setObjectName("UsePrePay");
    DoNotUse = new QPushButton("&Erase all", this);
    DoNotUse->setObjectName("DoNotUse");
    for (QPushButton* b : {UsePrePay, DoNotUse}) b->setAutoDefault(true);
    connect(UsePrePay, &QPushButton::clicked, this, &PrePayDialog::onOkClicked);
    connect(DoNotUse, &QPushButton::clicked, this, &PrePayDialog::onEraseAllClicked);
    connect(PGrid, &Grid::currentCellChanged, this,
            [this](int, int, int previousRow, int previousCol) { onCellLeft(previousRow, previousCol); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(UsePrePay);
    buttons->addWidget(DoNotUse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PGrid, 1);
    layout->addLayout(buttons);

    fillGrid();
    const int width = platform::twipsToPixels(1300 + 2000) + 2 * PGrid->frameWidth() +
                      PGrid->verticalScrollBar()->sizeHint().width() + 24;
    resize(width, platform::twipsToPixels(4400));
}

void PrePayDialog::fillGrid() {
    count_ = wholeYears(state_.LoanInputs[3]);
    state_.ExtraPaymentCount = static_cast<std::int16_t>(count_);
    bool anyAmount = false;
    for (int y = 1; y <= count_; ++y) anyAmount |= !state_.ExtraPayments[static_cast<size_t>(y)][2].isZero();
    if (!anyAmount)
        for (int y = 1; y <= count_; ++y) state_.ExtraPayments[static_cast<size_t>(y)][1] = Currency::fromWhole(y);

    PGrid->setCols(2);
    PGrid->setFixedCols(1);
    PGrid->setRows(std::max(count_ + 1, MinimumRows));
    PGrid->setColumnWidthTwips(0, 1300);
    PGrid->setColumnWidthTwips(1, 2000);
    PGrid->setColumnAlignment(0, Qt::AlignHCenter);
    PGrid->setColumnAlignment(1, Qt::AlignRight);
    PGrid->setText(0, 0, "Year Number");
    PGrid->setText(0, 1, "Amount of Payment");
    for (int y = 1; y <= count_; ++y) {
        PGrid->setText(y, 0, QString::number(y));
        PGrid->setText(y, 1, QString::fromStdString(
                                 formatNumber(state_.ExtraPayments[static_cast<size_t>(y)][2], "###,###.00", seps_)));
    }
    if (count_ > 0) PGrid->setCurrentCell(1, 1);
}

bool PrePayDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PGrid && event->type() == QEvent::KeyPress) return onGridKey(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

bool PrePayDialog::onGridKey(QKeyEvent* key) {
    const int row = PGrid->currentRow();
    const bool amountCell = PGrid->currentCol() == 1 && row >= 1 && row <= count_;
    const QString text = key->text();
    const bool typing = !text.isEmpty() && text.at(0).isPrint();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (amountCell) {
            storeTypedAmount(row);
            if (row + 1 < PGrid->rows()) PGrid->setCurrentCell(row + 1, 1);
        }
        return true;
    case Qt::Key_Delete:
        if (amountCell) {
            state_.ExtraPayments[static_cast<size_t>(row)][1] = Currency::fromWhole(row);
            state_.ExtraPayments[static_cast<size_t>(row)][2] = Currency{};
            editingYear_ = 0;
            PGrid->setText(row, 1, ".00");
        }
        return true;
    case Qt::Key_Backspace:
        if (amountCell) {
            if (editingYear_ != row) {
                editingYear_ = row;
                typed_ = PGrid->text(row, 1).trimmed();
            }
            typed_.chop(1);
            PGrid->setText(row, 1, typed_);
        }
        return true;
    default:
        break;
    }
    if (!typing) return false;  // navigation keys go to the grid
    if (!amountCell) {
        platform::beep();
        return true;
    }
    // The first key typed into a cell replaces its figure.
    if (editingYear_ != row) {
        editingYear_ = row;
        typed_.clear();
    }
    const QChar c = text.at(0);
    std::int16_t code = c.unicode() < 256 ? static_cast<std::int16_t>(c.unicode()) : 0;
    std::int16_t decimals = 0;  // two decimals
    if (code != 0) DecimalKeyFilter(code, typed_.toStdString(), decimals, [] { platform::beep(); });
    else platform::beep();
    if (code != 0) {
        typed_.append(c);
        PGrid->setText(row, 1, typed_);
    }
    return true;
}

void PrePayDialog::storeTypedAmount(int year) {
    if (editingYear_ == year) {
        const double value = leadingNumber(typed_.toStdString(), ".");
        state_.ExtraPayments[static_cast<size_t>(year)][1] = Currency::fromWhole(year);
        state_.ExtraPayments[static_cast<size_t>(year)][2] = Currency::fromDouble(value).value_or(Currency{});
    }
    editingYear_ = 0;
    showAmount(year);
}

void PrePayDialog::showAmount(int year) {
    PGrid->setText(year, 1, QString::fromStdString(formatNumber(state_.ExtraPayments[static_cast<size_t>(year)][2],
                                                                "###,,###.00", seps_)));
}

void PrePayDialog::onCellLeft(int row, int col) {
    // An amount typed but not entered is not stored: the cell shows the stored one again.
    if (editingYear_ != 0 && row == editingYear_ && col == 1) {
        editingYear_ = 0;
        showAmount(row);
    }
}

void PrePayDialog::onOkClicked() {
    int inUse = 0;
    for (int y = 1; y <= count_; ++y)
        if (state_.ExtraPayments[static_cast<size_t>(y)][2] > Currency{}) ++inUse;
    state_.ExtraPaymentsInUse = static_cast<std::int16_t>(inUse);
    accept();
}

void PrePayDialog::onEraseAllClicked() {
    for (int y = 1; y <= count_; ++y) state_.ExtraPayments[static_cast<size_t>(y)][2] = Currency{};
    state_.ExtraPaymentsInUse = 0;
    accept();
}

void PrePayDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    placeDialog(this, container_, Placement::AdditionalPayments, state_.LayoutClass);
    PGrid->setFocus(Qt::OtherFocusReason);
}
