#pragma once
// The About box: the program's name and version, and "&OK".
#include <QDialog>

class QWidget;
struct SharedState;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(const SharedState& state, QWidget* container);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const SharedState& state_;
    QWidget* container_;
};
