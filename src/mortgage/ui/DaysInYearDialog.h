#pragma once
// "Accelerated payments": the days in the year that turn two-week and one-week payments
// into payments a year (DaysChoice and the three values it sets).
#include <QDialog>
#include <cstdint>

class QRadioButton;
struct MortgageTables;
struct ShellState;

class DaysInYearDialog : public QDialog {
    Q_OBJECT
  public:
    DaysInYearDialog(ShellState& state, MortgageTables& tables, QWidget* container);

    // Escape and the title bar's close button: the choice and its values go back to what
    // they were when the dialog opened.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onOptionClicked(int choice);

    ShellState& state_;
    MortgageTables& tables_;
    QWidget* container_;
    QRadioButton* IRFactor[4] = {};
    std::int16_t keptChoice_;
    float keptDays_;
    double keptTwoWeeks_;
    double keptWeeks_;
};
