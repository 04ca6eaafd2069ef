#pragma once
// "Accelerated payments": the days in the year that turn two-week and one-week payments
// into payments a year (DaysChoice and the three values it sets).
#include <QDialog>

class QRadioButton;
struct SharedState;

class DaysInYearDialog : public QDialog {
    Q_OBJECT
public:
    DaysInYearDialog(SharedState& state, QWidget* container);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void onOptionClicked(int choice);

    SharedState& state_;
    QWidget* container_;
    QRadioButton* IRFactor[4] = {};
};
