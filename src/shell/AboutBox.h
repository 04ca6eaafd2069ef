#pragma once
// The About box: the program's name and version, and "&OK".
#include <QDialog>

class QWidget;
struct ShellState;

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    AboutBox(const ShellState& state, QWidget* container);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const ShellState& state_;
    QWidget* container_;
};
