#include "MortgageTexts.h"

const std::vector<std::string> RateListEntries = {"6 ", "7 ", "8 ", "9 ", "10 "};

namespace {
const std::string TotalPaidMortgage = " Total paid over life    of mortgage";
const std::string FinalPaymentMortgage = " No. of years to       final payment.";

const MortgageModeTexts Mortgage{
    " Mortgage Tables",
    "Mortgage Tables",
    " Principal amount of            mortgage.",
    " Annual interest rate %",
    " Amortization period in        years.",
    TotalPaidMortgage,
    FinalPaymentMortgage,
    "100,000.00",
    100000.0,
    "        10.125%",
    10.125,
    "            25",
    25,
    {"25", "30", "40"},
    40,
};

const MortgageModeTexts Loan{
    " Loan Tables",
    "Personal Loan Tables",
    " Principal amount of the      loan.",
    " Annual interest rate%.",
    " Payback period of the       loan in months.",
    " Total paid over life     of the loan.",
    " No. months to        final payment.",
    "20,000.00",
    20000.0,
    "         10.125%",
    10.125,
    "            48",
    48,
    {"24", "36", "48", "60"},
    480,
};
} // namespace

const MortgageModeTexts& mortgageModeTexts(LoanMode mode) {
    return mode == LoanMode::Loan ? Loan : Mortgage;
}

std::vector<std::string> mortgageQuickHelp(LoanMode mode) {
    std::vector<std::string> lines = {
        "Click any yellow box and type in numbers, deletes previous ones.  For results click "
        "Calculate.",
        "                             Press F1 key for more detailed information.",
    };
    if (mode == LoanMode::Loan) {
        lines.insert(
            lines.end(),
            {
                "10,000.00",
                "      6.125",
                "          60",
                "Monthly.   Almost all Loans are based on monthly compounding.",
                "Monthly.   All Loans are based on one payment each month, 12 payments each",
                "               year during the payback period. Same as a Normal mortgage.",
                "Click 'View Payment Dates' to show dates, toggles to 'View Payment No.' for",
                "        numbers.",
                "Normally financial institutions do not allow Additional Payments. Use if allowed.",
                "When using accelerated payments, change the Days in Year. Use if allowed.",
                "Show Payments. Click option to show All payments or just the Annual totals.",
            });
    } else {
        lines.insert(
            lines.end(),
            {
                "100,000.00",
                "       6.125",
                "           25",
                "Click down arrow to select different compound interest periods.",
                "American = Monthly.  Canadian = Semi-Annual.",
                "Click down arrow to select different payment frequencies.",
                "Accelerated payments. 26 instead of 12 annual payments at half the monthly "
                "principal "
                "+ Interest. Mortgage retired earlier.",
                "Click 'View Payment Date' to show dates, toggles to 'View Payment No.' for "
                "numbers.",
                "Click 'Additional Payments'. Type the amount of payment. 'OK' accepts all "
                "changes, "
                "'Erase all' sets all cells to 0. Effects all calculations unless Amortization "
                "changed "
                "or 'Erase all'. Amounts added at start of that year to Principal Payment.",
                "Click 'Days in Year' to change the way interest is computed when used with all "
                "'Frequency and type of each payment' except Monthly and Semimonthly payments. "
                "Read "
                "'How to use Program' for explanation.",
                "Show payments. Click option to show All payments or just the Annual totals.",
            });
    }
    return lines;
}
