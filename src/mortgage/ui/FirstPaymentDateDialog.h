#pragma once
// "Date Input": the date of the first payment (TodayDate), shown in the short date form.
#include <QDialog>

class Dialogs;
class QLineEdit;
class QPushButton;
struct ShellState;

class FirstPaymentDateDialog : public QDialog {
    Q_OBJECT
public:
    FirstPaymentDateDialog(ShellState& state, Dialogs& dialogs, QWidget* container);

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
    bool typed_ = false;  // a key was typed since the field got the focus
};
