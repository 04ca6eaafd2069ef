#pragma once
// Quicken interchange files: the transactions of their bank, cash and credit-card sections.
#include <string>
#include <string_view>
#include <vector>

#include "BankTransaction.h"

// True when the text's first line that is not blank starts a QIF section ("!Type:Bank",
// "!Account", "!Option:AutoSwitch", ...).
bool looksLikeQif(std::string_view text);

// Reads the UTF-8 text of a QIF file. Sections other than Bank, CCard, Cash, Oth A and Oth L
// (accounts, categories, investments, memorized transactions) are passed over, as are split
// lines and an account's opening balance.
Result<std::vector<BankTransaction>> readQif(const std::string& fileName, std::string_view text);
