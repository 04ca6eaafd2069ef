#pragma once
// "Accelerated payments": the days in the year that turn two-week and one-week payments
// into payments a year (DaysChoice and the three values it sets).
#include <cstdint>

#include "PlacedDialog.h"

class QRadioButton;
struct MortgageTables;

class DaysInYearDialog : public PlacedDialog {
    Q_OBJECT
  public:
    DaysInYearDialog(ShellState& state, MortgageTables& tables, QWidget* container);

    // Escape and the title bar's close button: the choice goes back to what it was when the
    // dialog opened.
    void reject() override;

  private:
    void onOptionClicked(int choice);

    MortgageTables& tables_;
    QRadioButton* IRFactor[4] = {};
    std::int16_t keptChoice_;
};
