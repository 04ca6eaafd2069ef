#pragma once
// The bank statement the import benchmarks read: 10,000 transactions of 2025 as OFX 1.x.
#include <string>

std::string ofxStatement();
