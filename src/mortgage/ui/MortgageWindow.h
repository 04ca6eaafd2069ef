#pragma once
// The mortgage and loan worksheet: entries, the two lists, the result figures, the
// schedule grid and the commands. One window serves both modes (MortgageMode 1 mortgage,
// 2 loan); the mode is read once, when the window is built.
#include <array>
#include <optional>
#include <string>

#include "Amortization.h"
#include "ScheduleTexts.h"
#include "WorksheetPage.h"

class Grid;
class NumericEntry;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class Workspace;
struct MortgageTables;

class MortgageWindow : public WorksheetPage {
    Q_OBJECT
  public:
    MortgageWindow(Workspace& workspace, MortgageTables& tables, QWidget* parent = nullptr);

    // Runs the calculation as the "&Calculate" button does (also after opening a file).
    void calculate();

  protected:
    void leave() override;
    void showGraph() override; // MortgageCalc.cpp, as printReport()
    void printReport() override;
    void saveFile() override; // MortgageFiles.cpp, as openFile()
    void openFile() override;

  private:
    LoanMode mode() const; // the shared state keeps it as a loan file stores it
    void buildControls();
    void buildLayout();
    void setUpEntries();
    void loadDefaults();

    // Any change of an entry, list or view option: the schedule no longer matches.
    void clearResults();
    void setGridHeadings(FirstColumn first);
    void showResults(const Amortization& result, const AmortizationInput& input);
    void fillGrid(const Amortization& result);
    AmortizationInput inputFromState() const;

    // Entry fields: the value to store and the text to show for a stored value.
    double commitPrincipal(double value);
    double commitRate(double value);
    bool checkTerm(double value); // message 5 beyond the mode's limit
    double commitTerm(double value);
    double storeFigure(int input, double value); // into LoanInputs[input]
    std::string principalText(double value) const;
    std::string rateText(double value) const;
    std::string termText(double shown) const;
    void eraseExtraPayments();
    void onListEntryChosen(QComboBox* box);

    void onDaysInYearClicked();
    void onDateViewClicked();
    void onAdditionalPaymentsClicked();
    void onViewOptionChosen(int view);

    // File commands (MortgageFiles.cpp).
    // Runs the file dialog (save or open, mortgage or loan kind); the full name chosen, or
    // nothing when cancelled. The dialog's shared variables are reset before it returns.
    bool openFrom(const std::optional<std::string>& bytes);
    void setDateViewCaption();
    // A schedule of at least one row is calculated (Save, Graph and Print want one).
    bool scheduled() const;

    MortgageTables& tables_;
    std::optional<AmortizationInput> lastInput_; // the entries of the schedule shown

    QLabel* title_ = nullptr;
    QLineEdit* InPrincipal = nullptr;
    QComboBox* InRate = nullptr;
    QComboBox* InTerm = nullptr;
    QComboBox* Comperiod = nullptr;
    QComboBox* FreqPmt = nullptr;
    QLabel* InMonthPI = nullptr;
    QLabel* NumPmtsYear = nullptr;
    QLabel* PeriodicR = nullptr;
    QLabel* InDays = nullptr;
    QLabel* EndMortYear = nullptr;
    QLabel* AllPayments = nullptr;
    QLabel* TotSavd = nullptr;
    Grid* MGrid = nullptr;
    QPlainTextEdit* MTextBox = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* MCalc = nullptr;
    QPushButton* MDateNumber = nullptr;

    // Captions that change with the mode.
    QLabel* principalCaption_ = nullptr;
    QLabel* rateCaption_ = nullptr;
    QLabel* termCaption_ = nullptr;
    QLabel* totalPaidCaption_ = nullptr;
    QLabel* finalPaymentCaption_ = nullptr;

    NumericEntry* principalEntry_ = nullptr;
    NumericEntry* rateEntry_ = nullptr;
    NumericEntry* termEntry_ = nullptr;
    bool filling_ = false; // programmatic refills do not count as changes
    // Entries whose typed figure does not fit a currency value (indexed like LoanInputs).
    std::array<bool, 4> outOfRange_{};
};
