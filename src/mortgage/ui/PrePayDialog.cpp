#include "PrePayDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Amortization.h"
#include "ControlNames.h"
#include "Grid.h"
#include "GridCellEntry.h"
#include "KeyFilters.h"
#include "MortgageTables.h"
#include "Platform.h"
#include "ShellState.h"
#include "SystemLocale.h"

namespace {
constexpr int MinimumRows = 20; // heading row included

// Whole years of a term: rounded to the nearest whole number, halves to even.
int wholeYears(Currency term) {
    const double years = std::nearbyint(term.toDouble());
    return std::clamp(static_cast<int>(years), 0, MaxYears);
}
} // namespace

PrePayDialog::PrePayDialog(ShellState& state, MortgageTables& tables, QWidget* container)
    : PlacedDialog(state, container, Placement::AdditionalPayments), tables_(tables),
      seps_(platform::systemSeparators()) {
    setObjectName("MortPrePay");
    setWindowTitle("Additional Payments");
    setModal(true);
    keptPayments_ = tables_.ExtraPayments;
    keptCount_ = tables_.ExtraPaymentCount;
    keptInUse_ = tables_.ExtraPaymentsInUse;

    PGrid = new Grid(this);
    PGrid->setObjectName("PGrid");
    nameControl(PGrid, "Additional payments");
    PGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    UsePrePay = new QPushButton("&OK", this);
    UsePrePay->setObjectName("UsePrePay");
    DoNotUse = new QPushButton("&Erase all", this);
    DoNotUse->setObjectName("DoNotUse");
    for (QPushButton* b : {UsePrePay, DoNotUse})
        b->setAutoDefault(true);
    connect(UsePrePay, &QPushButton::clicked, this, &PrePayDialog::onOkClicked);
    connect(DoNotUse, &QPushButton::clicked, this, &PrePayDialog::onEraseAllClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(UsePrePay);
    buttons->addWidget(DoNotUse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PGrid, 1);
    layout->addLayout(buttons);

    fillGrid();
    setUpTyping();
    const int width = platform::twipsToPixels(1300 + 2000) + 2 * PGrid->frameWidth() +
                      PGrid->verticalScrollBar()->sizeHint().width() + 24;
    resize(width, platform::twipsToPixels(4400));
}

void PrePayDialog::fillGrid() {
    count_ = wholeYears(tables_.LoanInputs[3]);
    tables_.ExtraPaymentCount = static_cast<std::int16_t>(count_);
    bool anyAmount = false;
    for (int y = 1; y <= count_; ++y)
        anyAmount |= !tables_.ExtraPayments[static_cast<size_t>(y)][2].isZero();
    if (!anyAmount)
        for (int y = 1; y <= count_; ++y)
            tables_.ExtraPayments[static_cast<size_t>(y)][1] = Currency::fromWhole(y);

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
        PGrid->setText(y, 1,
                       QString::fromStdString(formatNumber(
                           tables_.ExtraPayments[static_cast<size_t>(y)][2], "###,###.00", seps_)));
    }
    if (count_ > 0)
        PGrid->setCurrentCell(1, 1);
}

bool PrePayDialog::isAmountCell(int row, int col) const {
    return col == 1 && row >= 1 && row <= count_;
}

// Amounts are typed into the amount cells only, shown as typed and stored on Enter; a cell
// left without Enter shows its stored amount again.
void PrePayDialog::setUpTyping() {
    GridCellEntry::Config config;
    config.admit = [this](int row, int col, GridCellEntry::Key key) {
        if (isAmountCell(row, col))
            return true;
        if (key == GridCellEntry::Key::Character)
            platform::beep();
        return false;
    };
    config.judge = [](int, int, const QString& buffer, char32_t ch) {
        if (ch >= 256)
            return GridCellEntry::Verdict::Beep;
        std::int16_t code = static_cast<std::int16_t>(ch);
        std::int16_t decimals = 0; // two decimals
        DecimalKeyFilter(code, buffer.toStdString(), decimals, [] {});
        return code != 0 ? GridCellEntry::Verdict::Accept : GridCellEntry::Verdict::Beep;
    };
    config.edited = [this](int row, int, const QString& buffer) { PGrid->setText(row, 1, buffer); };
    config.entered = [this](int row, int) { storeTypedAmount(row); };
    config.deleted = [this](int row, int) {
        tables_.ExtraPayments[static_cast<size_t>(row)][1] = Currency::fromWhole(row);
        tables_.ExtraPayments[static_cast<size_t>(row)][2] = Currency{};
        PGrid->setText(row, 1, ".00");
    };
    config.abandoned = [this](int row, int) { showAmount(row); };
    entry_ = new GridCellEntry(PGrid, std::move(config));
}

void PrePayDialog::storeTypedAmount(int year) {
    if (entry_->typing(year, 1)) {
        const double value = leadingNumber(entry_->buffer().toStdString(), ".");
        tables_.ExtraPayments[static_cast<size_t>(year)][1] = Currency::fromWhole(year);
        tables_.ExtraPayments[static_cast<size_t>(year)][2] =
            Currency::fromDouble(value).value_or(Currency{});
    }
    showAmount(year);
}

void PrePayDialog::showAmount(int year) {
    PGrid->setText(year, 1,
                   QString::fromStdString(formatNumber(
                       tables_.ExtraPayments[static_cast<size_t>(year)][2], "###,,###.00", seps_)));
}

void PrePayDialog::onOkClicked() {
    int inUse = 0;
    for (int y = 1; y <= count_; ++y)
        if (tables_.ExtraPayments[static_cast<size_t>(y)][2] > Currency{})
            ++inUse;
    tables_.ExtraPaymentsInUse = static_cast<std::int16_t>(inUse);
    accept();
}

void PrePayDialog::onEraseAllClicked() {
    for (int y = 1; y <= count_; ++y)
        tables_.ExtraPayments[static_cast<size_t>(y)][2] = Currency{};
    tables_.ExtraPaymentsInUse = 0;
    accept();
}

void PrePayDialog::reject() {
    tables_.ExtraPayments = keptPayments_;
    tables_.ExtraPaymentCount = keptCount_;
    tables_.ExtraPaymentsInUse = keptInUse_;
    QDialog::reject();
}

void PrePayDialog::showEvent(QShowEvent* event) {
    PlacedDialog::showEvent(event);
    PGrid->setFocus(Qt::OtherFocusReason);
}
