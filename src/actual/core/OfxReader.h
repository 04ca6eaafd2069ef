#pragma once
// Open Financial Exchange statements (OFX 1.x SGML, 2.x XML, and QFX) read through libofx.
#include <string>
#include <string_view>
#include <vector>

#include "BankTransaction.h"

// True when the start of the bytes shows an OFX header or an <OFX> element.
bool looksLikeOfx(std::string_view bytes);

// The transactions of every bank and credit-card statement of the file, in file order. The date
// is the one the file writes (the first eight digits of the date posted, whatever time and
// zone follow); the amount is libofx's, rounded to four decimals. A file without any bank or
// card statement, or one that ends before its closing </OFX>, is refused.
Result<std::vector<BankTransaction>> readOfx(const std::string& fileName, std::string_view bytes);
