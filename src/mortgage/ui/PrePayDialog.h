#pragma once
// "Additional Payments": one amount a year, paid with the first payment of that year.
// The amounts live in ExtraPayments (column 1 the year, column 2 the amount).
#include <array>
#include <cstdint>

#include "Amortization.h"

#include "NumberFormat.h"
#include "PlacedDialog.h"

class Grid;
class GridCellEntry;
class QPushButton;
struct MortgageTables;

class PrePayDialog : public PlacedDialog {
    Q_OBJECT
  public:
    PrePayDialog(ShellState& state, MortgageTables& tables, QWidget* container);

    // Digits accepted behind the period of a typed amount.
    static constexpr int AmountDecimals = 2;

    // Escape and the title bar's close button: every amount, the count and the number in
    // use go back to what they were when the dialog opened.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillGrid();
    void setUpTyping();
    bool isAmountCell(int row, int col) const;
    void storeTypedAmount(int year);
    void showAmount(int year);
    void onOkClicked();
    void onEraseAllClicked();

    MortgageTables& tables_;
    NumberSeparators seps_;
    Grid* PGrid;
    QPushButton* UsePrePay;
    QPushButton* DoNotUse;
    GridCellEntry* entry_ = nullptr;
    int count_ = 0;
    // The additional payments as the dialog found them.
    std::array<std::array<Currency, 3>, MaxYears + 1> keptPayments_{};
    std::int16_t keptCount_ = 0;
    std::int16_t keptInUse_ = 0;
};
