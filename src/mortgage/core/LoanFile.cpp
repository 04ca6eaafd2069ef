#include "LoanFile.h"

#include <algorithm>
#include <type_traits>

#include "Dates.h"
#include "Messages.h"
#include "SeqFile.h"

namespace {

constexpr std::string_view ReservedText = "O";

// One monthly payment's term, as the worksheet stores a loan of one month (1/12 year to
// four decimals): the shortest term anyone could enter.
constexpr Currency ShortestTerm = Currency::fromRaw(833);

Failure fileFailure(const Failure& cause) {
    return Failure{msg::FileNotFound,
                   cause.what.empty() ? std::string("malformed loan file") : cause.what};
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
    w.writeString(data.firstPaymentDate.empty() ? isoDate(in.firstPaymentDate)
                                                : data.firstPaymentDate);
    w.writeInteger(static_cast<int>(in.dateView));
    w.writeInteger(in.daysChoice);
    w.writeInteger(static_cast<int>(in.scheduleView));
    w.writeInteger(data.extraPaymentCount);
    w.writeInteger(data.extraPaymentsInUse);
    w.writeInteger(static_cast<int>(in.mode));
    w.writeNumber(static_cast<double>(daysInYearSet(in.daysChoice).daysInYear));
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

// What the worksheet can produce is read; anything else (a negative amount, a code outside
// its set, a text that is no list entry) is a damaged file, like a malformed item.
LoanFileRead readLoanFile(std::string_view text) {
    LoanFileRead out;
    LoanFileData& d = out.data;
    AmortizationInput& in = d.input;
    SeqReader r(text);

    auto fail = [&](const Failure& f) {
        out.error = fileFailure(f);
        return out;
    };
    // Each field is stored as soon as it is read and admitted, so a fault leaves the earlier
    // ones in place.
    auto take = [&](auto& target, auto item, const char* field, auto admits) {
        if (!item) {
            out.error = fileFailure(item.failure());
            return false;
        }
        if (!admits(item.value())) {
            out.error =
                fileFailure(Failure{0, std::string(field) + " outside what the worksheet allows"});
            return false;
        }
        target = static_cast<std::remove_cvref_t<decltype(target)>>(std::move(item).value());
        ++out.headerFieldsRead;
        return true;
    };
    const auto any = [](const auto&) { return true; };
    const auto amount = [](Currency c) { return c >= Currency{}; };
    const auto code = [](int low, int high) {
        return [low, high](std::int16_t v) { return v >= low && v <= high; };
    };

    std::string reserved;
    double storedDays = 0;
    const bool headerRead =
        take(in.principal, r.readCurrency(), "principal", amount) &&
        take(in.ratePercent, r.readCurrency(), "rate", amount) &&
        take(in.termYears, r.readCurrency(), "term",
             [](Currency c) { return c >= ShortestTerm; }) &&
        take(in.compounding, r.readString(), "compounding",
             [](const std::string& t) { return compoundingPlace(t).has_value(); }) &&
        take(in.frequency, r.readString(), "payment frequency",
             [](const std::string& t) { return frequencyPlace(t).has_value(); }) &&
        // A date whose last payment would fall after 9999 is no date the worksheet takes.
        take(d.firstPaymentDate, r.readString(), "date",
             [&in](const std::string& t) {
                 const auto date = parseDateText(t);
                 return !date || paymentDatesFit(*date, in.termYears);
             }) &&
        take(in.dateView, r.readInt16(), "date view", code(0, 1)) &&
        // 4 is an old file's 365.25 days.
        take(in.daysChoice, r.readInt16(), "days choice", code(0, 4)) &&
        take(in.scheduleView, r.readInt16(), "schedule view", code(1, 2)) &&
        take(d.extraPaymentCount, r.readInt16(), "additional payment count", code(0, MaxYears)) &&
        take(d.extraPaymentsInUse, r.readInt16(), "additional payments in use",
             code(0, MaxYears)) &&
        take(in.mode, r.readInt16(), "mode", code(1, 2)) &&
        take(storedDays, r.readNumber(), "days in year", any) &&
        take(reserved, r.readString(), "reserved", any) &&
        take(reserved, r.readString(), "reserved", any);
    if (auto date = parseDateText(d.firstPaymentDate))
        in.firstPaymentDate = *date;
    if (in.daysChoice == 4)
        in.daysChoice = 0;
    if (!headerRead)
        return out;
    if (d.extraPaymentsInUse > d.extraPaymentCount)
        return fail(Failure{0, "more additional payments in use than stored"});

    in.extraPayments = {};
    for (int row = 1; row <= d.extraPaymentCount; ++row) {
        auto year = r.readCurrency();
        if (!year)
            return fail(year.failure());
        if (year.value() < Currency::fromWhole(1) || year.value() > Currency::fromWhole(MaxYears))
            return fail(Failure{0, "additional payment outside years 1-45"});
        auto payment = r.readCurrency();
        if (!payment)
            return fail(payment.failure());
        if (payment.value() < Currency{})
            return fail(Failure{0, "negative additional payment"});
        in.extraPayments[static_cast<std::size_t>(row)] = payment.value();
    }
    return out;
}
