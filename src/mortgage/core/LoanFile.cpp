#include "LoanFile.h"

#include <algorithm>

#include "Dates.h"
#include "Messages.h"
#include "SeqFile.h"

namespace {

constexpr std::string_view ReservedText = "O";

Failure fileFailure(const Failure& cause) {
    return Failure{msg::FileNotFound, cause.what.empty() ? std::string("malformed loan file") : cause.what};
}

} // namespace

std::string writeLoanFile(const LoanFileData& data) {
    const AmortizationInput& in = data.input;
    SeqWriter w;
    w.writeCurrency(in.principal);
    w.writeCurrency(in.ratePercent);
    w.writeCurrency(in.termYears);
    w.writeString(in.compounding);
    w.writeString(in.frequency);
    w.writeString(data.firstPaymentDate.empty() ? isoDate(in.firstPaymentDate) : data.firstPaymentDate);
    w.writeInteger(in.dateView);
    w.writeInteger(in.daysChoice);
    w.writeInteger(in.scheduleView);
    w.writeInteger(data.extraPaymentCount);
    w.writeInteger(data.extraPaymentsInUse);
    w.writeInteger(in.mortgageMode);
    w.writeNumber(static_cast<double>(data.daysInYear));
    w.writeString(ReservedText);
    w.writeInteger(0);
    w.endRecord();

    const int rows = std::min(data.extraPaymentCount, MaxYears);
    for (int y = 1; y <= rows; ++y) {
        w.writeCurrency(Currency::fromWhole(y));
        w.writeCurrency(in.extraPayments[static_cast<std::size_t>(y)]);
        w.endRecord();
    }
    return w.text();
}

LoanFileRead readLoanFile(std::string_view text) {
    LoanFileRead out;
    LoanFileData& d = out.data;
    AmortizationInput& in = d.input;
    SeqReader r(text);

    // Each field is stored as soon as it is read, so a fault leaves the earlier ones in place.
    auto fail = [&](const Failure& f) {
        out.error = fileFailure(f);
        return out;
    };
    auto take = [&](auto& target, auto item) {
        if (!item) {
            out.error = fileFailure(item.failure());
            return false;
        }
        target = std::move(item).value();
        ++out.headerFieldsRead;
        return true;
    };

    std::string reserved;
    double storedDays = 0;
    const bool headerRead =
        take(in.principal, r.readCurrency()) && take(in.ratePercent, r.readCurrency()) &&
        take(in.termYears, r.readCurrency()) && take(in.compounding, r.readString()) &&
        take(in.frequency, r.readString()) && take(d.firstPaymentDate, r.readString()) &&
        take(in.dateView, r.readInt16()) && take(in.daysChoice, r.readInt16()) &&
        take(in.scheduleView, r.readInt16()) && take(d.extraPaymentCount, r.readInt16()) &&
        take(d.extraPaymentsInUse, r.readInt16()) && take(in.mortgageMode, r.readInt16()) &&
        take(storedDays, r.readNumber()) && take(reserved, r.readString()) && take(reserved, r.readString());
    if (auto date = parseDateText(d.firstPaymentDate))
        in.firstPaymentDate = *date;
    // An old file may hold choice 4, which means 365.25 days.
    if (in.daysChoice == 4)
        in.daysChoice = 0;
    // The days choice decides the days in the year; the stored figure is superseded.
    d.daysInYear = daysInYearSet(in.daysChoice).daysInYear;
    if (!headerRead)
        return out;

    if (d.extraPaymentCount > MaxYears)
        return fail(Failure{0, "more additional payments than years"});
    in.extraPayments = {};
    for (int row = 1; row <= d.extraPaymentCount; ++row) {
        auto year = r.readCurrency();
        if (!year)
            return fail(year.failure());
        auto amount = r.readCurrency();
        if (!amount)
            return fail(amount.failure());
        in.extraPayments[static_cast<std::size_t>(row)] = amount.value();
    }
    return out;
}
