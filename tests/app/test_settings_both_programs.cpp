// The desktop program and the batch report read the same settings file the same way: the
// same damaged files give both the same currency symbol and font choice, so the same page
// length.
#include <gtest/gtest.h>

#include <string>

#include "ReportProcess.h"
#include "Settings.h"
#include "ShellState.h"

namespace {

using namespace report_process;

const fs::path Golden = PECUNEX_SOURCE_DIR "/tests/golden";

TEST(SettingsInBothPrograms, DamagedFilesKeepWhatWasReadBeforeTheDamage) {
    // The batch report reads Personal.kpf beside itself: a copy of it in a folder of its own.
    Scratch scratch("pecunex-settings-both");
    const fs::path program = scratch.path / "pecunex-report";
    fs::copy_file(ReportProgram, program);
    fs::copy_file(Golden / "loan-36m-all.uld", scratch.path / "car.uld");

    const struct {
        const char* label;
        std::string file;
        const char* symbol;
        int font; // hand-read from the file: the fields before the damage
        bool complete;
    } cases[] = {
        {"complete", "\"EU\",2,\"Ann Lee\"\r\n", "EU", 2, true},
        {"no name", "\"EU\",3", "EU", 3, false},
        {"name never closed", "\"R$\",1,\"Ann", "R$", 1, false},
        {"font not 0-3", "\"EU\",7,\"Bo\"\r\n", "EU", 0, false},
        {"damaged symbol", "\"EU\"junk,2,\"Bo\"\r\n", "$", 0, false},
        {"empty file", "", "$", 0, false},
        {"byte-order mark", "\xEF\xBB\xBF\"EU\",3,\"Bo\"\r\n", "EU", 3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        writeText(scratch.path / "Personal.kpf", c.file);

        ShellState state;
        state.ProgramFolder = scratch.path.string();
        state.LinesPerPage = 63;
        loadSettings(state);
        EXPECT_EQ(state.CurrencySymbol, c.symbol);
        EXPECT_EQ(state.PrinterFontChoice, c.font);
        EXPECT_EQ(state.LinesPerPage, c.complete ? 63 : 53);

        // The report from the settings prints what it prints with them given explicitly.
        const ProcessRun fromFile = run(scratch.path, "loan car.uld", program);
        const ProcessRun given =
            run(scratch.path,
                "loan car.uld --font " + std::to_string(c.font) + " --currency '" + c.symbol + "'",
                program);
        ASSERT_EQ(fromFile.status, 0) << fromFile.err;
        EXPECT_EQ(fromFile.out, given.out);
    }
}

} // namespace
