#pragma once
// Net worth history files (.Nwh) in the sequential text format: a first record naming the
// kind and version, then the counts of statements and followed loans; each statement is a
// record with its date and label followed by the 32 records of its net worth file, as that
// file holds it; last, one record per followed loan with its file's name, relative to the
// history file's folder.
//
//   "Pecunex","History",1
//   2,1
//   "2024-12-31","Year end"
//   10,6                     <- the statement's own file, 32 records
//   ...
//   "House.umd"
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "History.h"
#include "Result.h"

// `folder`: where the history file goes, so the loans are named relative to it.
std::string writeHistoryFile(const History& history, const std::string& folder);

// The statements and the loans' file names as stored (their balances not read yet). Message 13
// for anything the worksheet could not have written: another kind or version, more than 600
// statements or three loans, a statement the net worth reader refuses, a date that is not a
// date, two statements on one date, a label with a double quote or a control character.
Result<History> readHistoryFile(std::string_view text);

// Reads each followed loan's balances, its file named relative to `folder` and read through
// `read`. A loan that cannot be followed keeps no balances (its line says its file is
// missing); the messages say why, naming each file.
using FileReader = std::function<std::optional<std::string>(const std::string& path)>;
std::vector<std::string> readFollowedLoans(History& history, const std::string& folder,
                                           const FileReader& read);
