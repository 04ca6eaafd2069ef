// "S&ave File" and "&Open File": the worksheet's entries to and from a mortgage (.umd)
// or loan (.uld) file. Results are never saved: opening recalculates.
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "Dates.h"
#include "Dialogs.h"
#include "LoanFile.h"
#include "Messages.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "Workspace.h"

void MortgageWindow::saveFile() {
    if (!scheduled()) {
        workspace_.dialogs().showMessage(msg::NoRecords);
        return;
    }
    file_.save([this] {
        LoanFileData data;
        data.input = inputFromState();
        data.firstPaymentDate = isoDate(data.input.firstPaymentDate);
        data.extraPaymentCount = tables_.ExtraPaymentCount;
        data.extraPaymentsInUse = tables_.ExtraPaymentsInUse;
        return writeLoanFile(data);
    });
}

void MortgageWindow::openFile() {
    const auto opened = file_.open([this](const std::optional<std::string>& text) {
        if (openFrom(text))
            return true;
        // What was read stands in the fields; the old schedule no longer matches them.
        clearResults();
        return false;
    });
    if (opened == DocumentFile::Opened::Taken)
        calculate();
}

bool MortgageWindow::openFrom(const std::optional<std::string>& text) {
    if (!text)
        return false;
    const LoanFileRead read = readLoanFile(*text);
    const LoanFileData& data = read.data;
    const AmortizationInput& in = data.input;
    // A damaged file keeps what was read before the fault, field by field in file order.
    const auto has = [&read](int field) { return read.headerFieldsRead >= field; };

    filling_ = true;
    const auto done = [this](bool complete) {
        filling_ = false;
        return complete;
    };
    if (has(1)) {
        outOfRange_[1] = false;
        tables_.LoanInputs[1] = in.principal;
        InPrincipal->setText(QString::fromStdString(RightAlign(
            state_.CurrencySymbol + formatNumber(in.principal, "####,,###.00", seps_), 16)));
    }
    if (has(2)) {
        outOfRange_[2] = false;
        tables_.LoanInputs[2] = in.ratePercent;
        InRate->setEditText(QString::fromStdString(rateText(in.ratePercent.toDouble())));
    }
    if (has(3)) {
        tables_.LoanInputs[3] = in.termYears;
        const double termShown =
            mode() == LoanMode::Loan ? in.termYears.toDouble() * 12.0 : in.termYears.toDouble();
        InTerm->setEditText(QString::fromStdString(termText(termShown)));
    }
    // The lists take only their own entries; any other text is a damaged file.
    for (const auto& [field, list, text] :
         {std::tuple{4, Comperiod, &in.compounding}, {5, FreqPmt, &in.frequency}}) {
        if (!has(field))
            return done(false);
        const int index = list->findText(QString::fromStdString(*text), Qt::MatchExactly);
        if (index < 0)
            return done(false);
        list->setCurrentIndex(index);
    }
    if (has(6))
        if (const auto date = platform::parseDate(data.firstPaymentDate))
            state_.TodayDate = platform::shortDate(*date);
    if (has(7)) {
        state_.DateView = static_cast<std::int16_t>(in.dateView);
        setDateViewCaption();
    }
    if (has(8)) {
        tables_.DaysChoice =
            static_cast<std::int16_t>(in.daysChoice >= 0 && in.daysChoice <= 3 ? in.daysChoice : 0);
    }
    if (has(9)) {
        state_.ScheduleView = static_cast<std::int16_t>(in.scheduleView);
        (state_.ScheduleView == 1 ? Option2 : Option1)->setChecked(true);
    }
    if (!has(15))
        return done(false);

    // Additional payments: the table is made anew and takes the lines read.
    tables_.ExtraPayments = {};
    const int count = std::clamp(data.extraPaymentCount, 0, MaxYears);
    for (int y = 1; y <= count; ++y) {
        tables_.ExtraPayments[static_cast<size_t>(y)][1] = Currency::fromWhole(y);
        tables_.ExtraPayments[static_cast<size_t>(y)][2] = in.extraPayments[static_cast<size_t>(y)];
    }
    tables_.ExtraPaymentCount = static_cast<std::int16_t>(count);
    tables_.ExtraPaymentsInUse = static_cast<std::int16_t>(data.extraPaymentsInUse);
    return done(!read.error);
}
