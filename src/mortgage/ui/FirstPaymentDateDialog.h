#pragma once
// "Date Input": the date of the first payment (TodayDate), shown in the short date form.
#include <QDialog>
#include <string>

#include "Currency.h"

class Dialogs;
class QLineEdit;
class QPushButton;
struct ShellState;

class FirstPaymentDateDialog : public QDialog {
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
    void showEvent(QShowEvent* event) override;

  private:
    // Reads the typed date into TodayDate, or reports it and keeps the old one.
    void commitDate();
    void onOkClicked();

    ShellState& state_;
    Dialogs& dialogs_;
    QWidget* container_;
    QLineEdit* InDate;
    QPushButton* OkExit;
    bool typed_ = false; // a key was typed since the field got the focus
    std::string keptDate_;
    Currency termYears_;
};
