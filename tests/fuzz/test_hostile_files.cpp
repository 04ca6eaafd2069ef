// Every file reader against damaged files: each one either reads the file completely or
// refuses it with message 13 (the settings: an incomplete read), never a fault or a hang.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "BudgetFile.h"
#include "BudgetRefresh.h"
#include "HostileFiles.h"
#include "LoanFile.h"
#include "Messages.h"
#include "NetWorthCalc.h"
#include "NetWorthFile.h"
#include "SettingsFile.h"

namespace {

// Nothing when the file reads completely (a net worth file: and calculates), else the message.
std::optional<int> verdict(const std::string& format, std::string_view text) {
    if (format == "mortgage" || format == "loan") {
        const LoanFileRead r = readLoanFile(text);
        return r.error ? std::optional(r.error->code) : std::nullopt;
    }
    if (format == "budget") {
        const BudgetFileRead r = readBudgetFile(text);
        return r.error ? std::optional(r.error->code) : std::nullopt;
    }
    if (format == "net worth") {
        const Result<NetWorthTables> r = readNetWorthFile(text);
        const auto calculated = r ? calculateNetWorth(*r) : r;
        return calculated ? std::nullopt : std::optional(calculated.failure().code);
    }
    return parseSettings(text).complete ? std::nullopt : std::optional(msg::FileNotFound);
}

TEST(HostileFiles, EveryReaderReadsOrRefusesEveryDamagedFile) {
    for (const hostile::Format& f : hostile::formats()) {
        EXPECT_EQ(verdict(f.name, f.valid), std::nullopt) << f.name;
        for (const hostile::Case& c : hostile::cases(f)) {
            const std::optional<int> v = verdict(f.name, c.bytes);
            if (c.expect != hostile::Expect::Either || v) {
                EXPECT_EQ(v, c.expect == hostile::Expect::Either ? msg::FileNotFound
                                                                 : hostile::message(f, c.expect))
                    << f.name << ": " << c.name;
            }
        }
    }
    // Amounts in range whose sum is not: the budget totals cannot be calculated.
    const BudgetFileRead twoBig = readBudgetFile(hostile::budgetWithAnOverflowingSum());
    ASSERT_FALSE(twoBig.error.has_value());
    const Result<BudgetFigures> figures = budgetFigures(twoBig.tables);
    ASSERT_FALSE(figures);
    EXPECT_EQ(figures.failure().code, msg::CannotCalculate);
}

} // namespace
