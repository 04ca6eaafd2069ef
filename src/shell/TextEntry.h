#pragma once
// The behaviour of a free-text box, written once: on focus select all and clear the
// clipboard; the double quote is never taken (typed or pasted), since data files cannot
// hold it; Enter is swallowed and moves the focus on; leaving clears the clipboard and
// ends the edit (EditStarted 0). Where the field has the first-key rule, the first key typed
// since the field got the focus empties it. Keys held with Ctrl, Alt or Meta never type.
#include <QObject>

class QLineEdit;
class QWidget;
struct ShellState;

class TextEntry : public QObject {
    Q_OBJECT
  public:
    TextEntry(QLineEdit* field, ShellState& state);
    // Where Enter sends the focus (nullptr: nowhere).
    void setNext(QWidget* next) { next_ = next; }
    // The first key typed since the field got the focus empties it (and sets EditStarted).
    void setFirstKeyEmpties(bool empties) { firstKeyEmpties_ = empties; }

  signals:
    // The field was left (not by a switch to another application or a pop-up).
    void left();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* field_;
    ShellState& state_;
    QWidget* next_ = nullptr;
    bool firstKeyEmpties_ = false;
};
