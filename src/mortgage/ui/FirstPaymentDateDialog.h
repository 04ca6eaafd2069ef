#pragma once
// "Date Input": the date of the first payment (TodayDate), shown in the short date form.
#include <string>

#include "Currency.h"
#include "PlacedDialog.h"

class Dialogs;
class QLineEdit;
class QPushButton;

class FirstPaymentDateDialog : public PlacedDialog {
    Q_OBJECT
  public:
    // `termYears`: the stored term, which bounds the first date (the last payment stays
    // four-digit).
    FirstPaymentDateDialog(ShellState& state, Dialogs& dialogs, Currency termYears,
                           QWidget* container);

    // Escape and the title bar's close button: the date stays what it was when the dialog
    // opened, whatever was typed or taken since.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Reads the typed date into TodayDate, or reports it and keeps the old one.
    void commitDate();
    void onOkClicked();

    Dialogs& dialogs_;
    QLineEdit* InDate;
    QPushButton* OkExit;
    bool typed_ = false; // a key was typed since the field got the focus
    std::string keptDate_;
    Currency termYears_;
};
