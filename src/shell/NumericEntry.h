#pragma once
// The behaviour every numeric entry field shares, written once: on focus select all and
// clear the clipboard; the first key empties the field (even a refused one); keys pass the
// field's filter; Enter is swallowed and moves the focus on; on leaving, a retyped figure is
// read (leading number), checked, stored through `commit`, formatted and right-aligned.
// Serves line edits and editable lists alike; a list offers its entries but never completes
// what is typed. A command started by an accelerator while a figure is being typed first
// commits it exactly as leaving the field would, and does not run when the check refused it.
#include <QObject>
#include <functional>
#include <string>

class QLineEdit;
class QWidget;
struct ShellState;

struct NumericEntryConfig {
    enum class Filter { Decimal, Digit };
    Filter filter = Filter::Decimal;
    int decimals = 2; // 3 or more: FilterDecimals set before every key
    // The minus key empties the field and is taken, so the figure can be negative.
    bool minusEmpties = false;
    std::string pattern = "###,,###.00";
    int width = 12;
    // Optional: judges the value read from the field before it is stored; false refuses it
    // (the check shows its own message). `commit` runs either way.
    std::function<bool(double)> check;
    // Stores the value read from the field; returns the value to show (a field may clamp).
    std::function<double(double)> commit;
    // Optional: the text to show for a stored value (default: RightAlign(pattern, width)).
    std::function<std::string(double)> display;
};

class NumericEntry : public QObject {
    Q_OBJECT
  public:
    NumericEntry(QLineEdit* field, ShellState& state, NumericEntryConfig config);
    // Where Enter sends the focus (nullptr: nowhere).
    void setNext(QWidget* next) { next_ = next; }
    // Commits a figure being typed as leaving the field does; false when the check refused
    // it. Nothing being typed: true.
    bool commitEdit();

  signals:
    // The first key was typed: the figure is being changed.
    void editStarted();
    // A retyped figure was stored.
    void committed(double value);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onFocusIn();
    bool onKey(class QKeyEvent* event);
    bool onFieldMouse(QEvent* event);

    QLineEdit* field_;
    QWidget* holder_; // where focus and keys arrive: the field, or the list it belongs to
    ShellState& state_;
    NumericEntryConfig config_;
    QWidget* next_ = nullptr;
};
