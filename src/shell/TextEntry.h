#pragma once
// The behaviour of a free-text box, written once: on focus select all and clear the
// clipboard; the double quote is never taken (typed or pasted), since data files cannot
// hold it; Enter is swallowed and moves the focus on; leaving clears the clipboard and
// ends the edit (EditStarted 0). The text is not emptied by the first key.
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
    QLineEdit* field() const { return field_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* field_;
    ShellState& state_;
    QWidget* next_ = nullptr;
};
