#pragma once
// The worksheet's texts that depend on the mode, mortgage or loan.
#include <string>
#include <vector>

#include "Amortization.h"

struct MortgageModeTexts {
    std::string containerCaption;
    std::string title;
    std::string principalCaption;
    std::string rateCaption;
    std::string termCaption;
    std::string totalPaidCaption;
    std::string finalPaymentCaption;
    std::string principalDefault; // the figure after the currency symbol
    double principalValue;
    std::string rateDefault; // the whole field text
    double rateValue;
    std::string termDefault;
    double termShown; // years (mortgage) or months (loan)
    std::vector<std::string> termList;
    int termLimit; // 40 years or 480 months
};

const MortgageModeTexts& mortgageModeTexts(LoanMode mode);

// The quick help, one entry per line.
std::vector<std::string> mortgageQuickHelp(LoanMode mode);

extern const std::vector<std::string> RateListEntries;
