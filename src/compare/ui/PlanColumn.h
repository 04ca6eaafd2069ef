#pragma once
// One plan's column of the loan comparison: its entries, kept in the plan they describe,
// and its result figures. The window lays the rows out and owns the commands; a column
// says when its plan changed and when its file button was pressed.
#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CompareReport.h"
#include "NumberFormat.h"

class Dialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
struct ShellState;

class PlanColumn : public QObject {
    Q_OBJECT
  public:
    // The rows of the entries and of the results, captions as the worksheet shows them.
    static const std::vector<const char*>& entryCaptions();
    static const std::vector<const char*>& resultCaptions();

    // The rows of entryCaptions() the messages name.
    enum Row {
        PrincipalRow = 0,
        RateRow = 1,
        TermRow = 4,
        GivenRow = 5,
        ExtraRow = 6,
        LoanDateRow = 10,
        FirstPaymentRow = 11,
        LumpsRow = 12,
        RenewalsRow = 13
    };

    PlanColumn(QWidget* sheet, ShellState& state, Dialogs& dialogs, LoanPlan& plan, char letter);

    // One control (or a box of two) per entry row, then the file button; one label per
    // result row.
    const std::vector<QWidget*>& entryCells() const { return cells_; }
    const std::vector<QLabel*>& resultLabels() const { return results_; }
    // The control of each entry row (the term row: the figure), and the term's unit.
    std::vector<QWidget*> rowControls() const;
    QWidget* termUnit() const;
    // Every control that takes the focus, top to bottom (Tab).
    std::vector<QWidget*> tabChain() const;
    // Enter moves on as Tab does, past the file button and whatever the convention switched
    // off; after the last entry, to `next`.
    void setEnterNext(QWidget* next) { enterNext_ = next; }

    // Shows the plan's entries again, after the plan was replaced.
    void showPlan();
    // Reads the typed lists and dates into the plan; false after a message about one.
    bool readTexts();
    bool inUse() const;
    void showResult(const ComparedPlan& compared, std::optional<Currency> saved,
                    const std::function<std::string(int)>& formatDate);
    void clearResult();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // An entry changed: the results no longer match the plan.
    void changed();
    // "Open a mortgage or loan file into this column".
    void fileRequested();

  private:
    QLineEdit* numericField(const char* name, int decimals, std::function<double(double)> commit,
                            std::function<std::string(double)> display,
                            std::function<bool(double)> check = {});
    QComboBox* list(const char* name, const std::vector<QString>& entries);
    QLineEdit* textField(const char* name, std::function<bool()> read);
    void refuse(int row, const std::string& form);
    QString objectName(const char* name) const;
    void enableForConvention();
    bool readDate(QLineEdit* field, std::optional<int>& date);
    QString localText(std::string text) const;
    template <class Item>
    bool readList(QLineEdit* field, int row, const char* form, std::vector<Item>& items,
                  Result<std::vector<Item>> (*parse)(std::string_view),
                  std::string (*write)(const std::vector<Item>&));
    bool readLumps();
    bool readRenewals();
    void noteChange();

    ShellState& state_;
    Dialogs& dialogs_;
    LoanPlan& plan_;
    char letter_;
    NumberSeparators seps_;
    bool filling_ = false;

    QLineEdit* principal_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QComboBox* compounding_ = nullptr;
    QComboBox* frequency_ = nullptr;
    QLineEdit* term_ = nullptr;
    QComboBox* termUnit_ = nullptr;
    QLineEdit* given_ = nullptr;
    QLineEdit* extra_ = nullptr;
    QComboBox* convention_ = nullptr;
    QComboBox* paymentRounding_ = nullptr;
    QComboBox* interestRounding_ = nullptr;
    QLineEdit* loanDate_ = nullptr;
    QLineEdit* firstPayment_ = nullptr;
    QLineEdit* lumps_ = nullptr;
    QLineEdit* renewals_ = nullptr;
    QPushButton* file_ = nullptr;
    std::vector<QWidget*> cells_;
    std::vector<QLabel*> results_;
    QWidget* enterNext_ = nullptr;
};
