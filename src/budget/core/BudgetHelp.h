#pragma once
// The worksheet's quick help: its paragraphs, each followed by a blank line, then "End".
#include <string>

std::string budgetQuickHelp(const std::string& lineEnd = "\r\n");
