#pragma once
// The worksheet's texts that depend on the mode (1 mortgage, 2 loan).
#include <string>
#include <vector>

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

const MortgageModeTexts& mortgageModeTexts(int mortgageMode);

// The quick help, one entry per line.
std::vector<std::string> mortgageQuickHelp(int mortgageMode);

extern const std::vector<std::string> RateListEntries;
