// The worksheet's three numeric entry fields: what each stores, what it shows, and the
// list entries of the two editable lists.
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Dialogs.h"
#include "EntryFigure.h"
#include "Messages.h"
#include "MortgageTables.h"
#include "MortgageTexts.h"
#include "MortgageWindow.h"
#include "NumericEntry.h"
#include "QtText.h"
#include "ShellState.h"
#include "Workspace.h"

void MortgageWindow::setUpEntries() {
    NumericEntryConfig principal;
    principal.filter = NumericEntryConfig::Filter::Decimal;
    principal.pattern = "####,,###.00";
    principal.width = 16;
    principal.commit = [this](double v) { return commitPrincipal(v); };
    principal.display = [this](double v) { return principalText(v); };
    principalEntry_ = new NumericEntry(InPrincipal, state_, principal);

    NumericEntryConfig rate;
    rate.filter = NumericEntryConfig::Filter::Decimal;
    rate.decimals = 3;
    rate.pattern = "###.000";
    rate.width = 14;
    rate.commit = [this](double v) { return commitRate(v); };
    rate.display = [this](double v) { return rateText(v); };
    rateEntry_ = new NumericEntry(InRate->lineEdit(), state_, rate);

    NumericEntryConfig term;
    term.filter = NumericEntryConfig::Filter::Digit;
    term.pattern = "###";
    term.width = 16;
    term.check = [this](double v) { return checkTerm(v); };
    term.commit = [this](double v) { return commitTerm(v); };
    term.display = [this](double v) { return termText(v); };
    termEntry_ = new NumericEntry(InTerm->lineEdit(), state_, term);

    principalEntry_->setNext(InRate);
    rateEntry_->setNext(InTerm);
    termEntry_->setNext(MCalc);
    for (NumericEntry* e : {principalEntry_, rateEntry_, termEntry_})
        connect(e, &NumericEntry::editStarted, this, &MortgageWindow::clearResults);
}

double MortgageWindow::commitPrincipal(double value) {
    return storeFigure(1, value);
}

double MortgageWindow::commitRate(double value) {
    return storeFigure(2, value);
}

// A figure beyond the currency range is kept as shown and marked: the calculation reports
// it as the overflow it is, instead of working with a zero.
double MortgageWindow::storeFigure(int input, double value) {
    const auto i = static_cast<size_t>(input);
    return storeEntryFigure(value, tables_.LoanInputs[i], outOfRange_[i]);
}

bool MortgageWindow::checkTerm(double value) {
    if (value <= mortgageModeTexts(mode()).termLimit)
        return true;
    workspace_.dialogs().showMessage(msg::FortyYearsLimit);
    return false;
}

double MortgageWindow::commitTerm(double value) {
    const int limit = mortgageModeTexts(mode()).termLimit;
    if (value > limit)
        value = limit;
    const double years = mode() == LoanMode::Loan ? value / 12.0 : value;
    tables_.LoanInputs[3] = Currency::fromDouble(years).value_or(Currency{});
    eraseExtraPayments();
    // What the field shows: the stored years, in months for a loan.
    const double stored = tables_.LoanInputs[3].toDouble();
    return mode() == LoanMode::Loan ? stored * 12.0 : stored;
}

std::string MortgageWindow::principalText(double value) const {
    return RightAlign(state_.CurrencySymbol + formatNumber(value, "####,,###.00", seps_), 16);
}

std::string MortgageWindow::rateText(double value) const {
    return RightAlign(formatNumber(value, "###.000", seps_), 14) + "%";
}

std::string MortgageWindow::termText(double shown) const {
    return RightAlign(formatNumber(shown, "###", seps_), 16);
}

void MortgageWindow::eraseExtraPayments() {
    tables_.ExtraPayments = {};
    tables_.ExtraPaymentCount = 0;
    tables_.ExtraPaymentsInUse = 0;
}

void MortgageWindow::onListEntryChosen(QComboBox* box) {
    const double value = leadingNumber(box->currentText().toStdString());
    if (box == InRate) {
        InRate->setEditText(qs(rateText(commitRate(value))));
    } else {
        (void)checkTerm(value);
        InTerm->setEditText(qs(termText(commitTerm(value))));
    }
    clearResults();
}
