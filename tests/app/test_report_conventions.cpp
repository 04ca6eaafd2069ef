// pecunex-report's conventions, the same for every subcommand: where options may stand,
// what a failed write, a wrong file or a wrong option gives (status and message), and the
// byte-order mark a hand-edited file may start with.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "ReportProcess.h"

namespace {

using namespace report_process;

const fs::path Golden = PECUNEX_SOURCE_DIR "/tests/golden";
const std::string FileMessage = "File not found or wrong format. Check Filename and/or Directory.";

// One saved file per subcommand (savings takes none), copied into the scratch folder.
struct Subcommand {
    std::string name, file, golden;
};
const std::vector<Subcommand> Subcommands = {
    {"mortgage", "plan.umd", "mortgage-20y-annual.umd"},
    {"loan", "car.uld", "loan-36m-all.uld"},
    {"budget", "home.Bgt", "budget-household.Bgt"},
    {"networth", "worth.NWV", "networth-household.NWV"},
    {"savings", "", ""},
};

class ReportConventions : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        scratch = new Scratch("pecunex-report-conventions");
        for (const auto& s : Subcommands)
            if (!s.file.empty())
                fs::copy_file(Golden / s.golden, dir() / s.file);
        fs::copy_file(Golden / "mortgage-20y-annual.umd", dir() / "-x.umd");
        fs::create_directories(dir() / "out");
    }
    static void TearDownTestSuite() { delete scratch; }
    static const fs::path& dir() { return scratch->path; }
    static ProcessRun report(const std::string& args, const std::string& stdoutTo = "") {
        return run(dir(), args, ReportProgram, stdoutTo);
    }
    // The subcommand with its file: "mortgage plan.umd", "savings".
    static std::string command(const Subcommand& s) {
        return s.file.empty() ? s.name : s.name + " '" + s.file + "'";
    }
    static inline Scratch* scratch = nullptr;
};

// Options before or after the subcommand and its file, in either form, repeated, and a file
// that looks like an option after "--": the same printout as the plain form.
TEST_F(ReportConventions, OptionsAsUsersTypeThem) {
    for (const auto& s : Subcommands) {
        const std::string file = s.file.empty() ? "" : " '" + s.file + "'";
        const ProcessRun plain = report(s.name + file + " --font 1 --header Plan");
        ASSERT_EQ(plain.status, 0) << s.name << ": " << plain.err;
        const std::string forms[] = {
            "--font 1 --header Plan " + s.name + file,
            "--font=1 " + s.name + " --header=Plan" + file,
            s.name + file + " --font 3 --header Other --font 1 --header Plan",
            "--font 1 --header Plan " + s.name + " --" + file,
        };
        for (const auto& args : forms) {
            const ProcessRun r = report(args);
            EXPECT_EQ(r.status, 0) << args << ": " << r.err;
            EXPECT_EQ(r.out, plain.out) << args;
        }
    }
    // A file named like an option: after "--" it is the file; before, an unknown option.
    const ProcessRun dashed = report("mortgage --font 1 -- -x.umd");
    EXPECT_EQ(dashed.status, 0) << dashed.err;
    EXPECT_EQ(dashed.out, report("mortgage plan.umd --font 1").out);
    EXPECT_EQ(report("mortgage -x.umd").status, 2);
    // The savings plan options, --period/--sort and --graph go through the same reading.
    EXPECT_EQ(report("--years=3 savings --rate 5 --years 2 --csv").out,
              report("savings --rate=5 --years=2 --csv").out);
    EXPECT_EQ(report("--sort='Amounts Hi-Lo' budget home.Bgt --period=Monthly").out,
              report("budget home.Bgt --period Monthly --sort 'Amounts Hi-Lo'").out);
    const ProcessRun graph = report("--graph=out/g.png loan car.uld --3d");
    EXPECT_EQ(graph.status, 0) << graph.err;
    EXPECT_TRUE(fs::exists(dir() / "out/g.png"));
}

// Usage errors: exit 2, the message on stderr beginning "pecunex-report: " and naming what it
// concerns, then the usage line; nothing on stdout.
TEST_F(ReportConventions, UsageErrorsExitTwoNamingTheCause) {
    const struct {
        std::string args, message;
    } cases[] = {
        {"loan plan.umd", "pecunex-report: plan.umd: a mortgage file: print it with "
                          "'pecunex-report mortgage plan.umd'"},
        {"mortgage car.uld", "pecunex-report: car.uld: a loan file: print it with "
                             "'pecunex-report loan car.uld'"},
        {"mortgage plan.umd --pdf plan.umd", "pecunex-report: plan.umd is the file being printed"},
        {"--pdf ./out/../plan.umd mortgage plan.umd",
         "pecunex-report: ./out/../plan.umd is the file"},
        {"loan car.uld --graph=car.uld.png --graph car.uld", "pecunex-report: --graph takes"},
        {"mortgage plan.umd --header \"$(printf 'a\\nb')\"",
         "pecunex-report: --header takes a text"},
        {"budget home.Bgt --header \"$(printf 'a\\fb')\"", "pecunex-report: --header takes a text"},
        {"networth worth.NWV --header \"$(printf 'a\\rb')\"", "pecunex-report: --header takes"},
        {"savings --header \"$(printf 'a\\tb')\"", "pecunex-report: --header takes a text"},
        {"--font 1 spreadsheet x", "pecunex-report: unknown report 'spreadsheet'"},
        {"mortgage plan.umd --period Monthly", "pecunex-report: mortgage takes no --period"},
        {"networth worth.NWV --graph g.png", "pecunex-report: networth takes no --graph"},
        {"budget home.Bgt --lump 5", "pecunex-report: budget takes no --lump"},
        {"savings --sort 'Names A - Z'", "pecunex-report: savings takes no --sort"},
        {"loan car.uld --csv=yes", "pecunex-report: --csv takes no value"},
        {"loan car.uld --font", "pecunex-report: --font needs a value"},
        {"loan car.uld --font 1 --font 5", "pecunex-report: --font takes 0, 1, 2 or 3"},
        {"savings plan.umd", "pecunex-report: savings takes no file"},
        {"loan", "pecunex-report: no file named"},
        {"loan car.uld plan.umd", "pecunex-report: more than one file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ProcessRun r = report(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
        EXPECT_NE(r.err.find("\nusage: pecunex-report"), std::string::npos) << r.err;
    }
    // The file named as output was left alone.
    EXPECT_EQ(readText(dir() / "plan.umd"), readText(Golden / "mortgage-20y-annual.umd"));
    EXPECT_EQ(readText(dir() / "car.uld"), readText(Golden / "loan-36m-all.uld"));
}

// A file that cannot be read: exit 1, the file's name and the program's message.
TEST_F(ReportConventions, UnreadableFilesNameTheFile) {
    for (const auto& s : Subcommands) {
        if (s.file.empty())
            continue;
        const ProcessRun r = report(s.name + " missing.dat");
        EXPECT_EQ(r.status, 1) << s.name;
        EXPECT_EQ(r.out, "") << s.name;
        EXPECT_EQ(r.err, "pecunex-report: missing.dat: " + FileMessage + "\n") << s.name;
    }
    EXPECT_EQ(report("savings --lump 900000000000000 --years 40").err,
              "pecunex-report: savings: Cannot calculate.\n");
}

// Every failed write, for every subcommand: exit 1 with a message naming the output, and
// nothing left behind.
TEST_F(ReportConventions, FailedWritesExitOneWithAMessage) {
    std::vector<std::string> targets = {"out/no/such/folder/x.pdf", "out", "", "/dev/full"};
    if (geteuid() != 0) { // root writes into a read-only folder regardless
        fs::create_directories(dir() / "locked");
        fs::permissions(dir() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        targets.push_back("locked/x.pdf");
    }
    for (const auto& s : Subcommands) {
        for (const auto& target : targets) {
            SCOPED_TRACE(s.name + " --pdf '" + target + "'");
            const ProcessRun r = report(command(s) + " --pdf '" + target + "'");
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, "pecunex-report: cannot write " + target + "\n");
        }
        SCOPED_TRACE(s.name + " >/dev/full");
        for (const std::string csv : {"", " --csv"}) {
            const ProcessRun full = report(command(s) + csv, "/dev/full");
            EXPECT_EQ(full.status, 1);
            EXPECT_EQ(full.err, "pecunex-report: cannot write standard output\n");
        }
    }
    EXPECT_FALSE(fs::exists(dir() / "out/no"));
    EXPECT_FALSE(fs::exists(dir() / "locked/x.pdf"));
}

// A byte-order mark at the start of a hand-edited file: every reader skips it.
TEST_F(ReportConventions, EveryReaderSkipsAByteOrderMark) {
    for (const auto& s : Subcommands) {
        if (s.file.empty())
            continue;
        const std::string marked = "bom-" + s.file;
        writeText(dir() / marked, "\xEF\xBB\xBF" + readText(Golden / s.golden));
        for (const std::string csv : {"", " --csv"}) {
            const ProcessRun plain = report(s.name + " '" + s.file + "'" + csv);
            const ProcessRun withMark = report(s.name + " '" + marked + "'" + csv);
            ASSERT_EQ(plain.status, 0) << s.name << plain.err;
            EXPECT_EQ(withMark.status, 0) << s.name << ": " << withMark.err;
            EXPECT_EQ(withMark.out, plain.out) << s.name;
        }
    }
}

// The printout and the CSV use a period and comma whatever the system's signs: the same
// bytes under a decimal-comma system and under systems that group with a blank as under C.
TEST_F(ReportConventions, OutputIgnoresTheSystemLocale) {
    struct SystemLocale {
        explicit SystemLocale(const char* name) { setenv("LC_ALL", name, 1); }
        ~SystemLocale() { unsetenv("LC_ALL"); }
    };
    for (const auto& s : Subcommands) {
        for (const std::string csv : {"", " --csv"}) {
            const std::string args = command(s) + " --font 1" + csv;
            const ProcessRun pinned = [&] {
                const SystemLocale c("C");
                return report(args);
            }();
            ASSERT_EQ(pinned.status, 0) << args << ": " << pinned.err;
            ASSERT_NE(pinned.out.find(csv.empty() ? "," : "."), std::string::npos) << args;
            for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "sv_SE.UTF-8"}) {
                const SystemLocale system(name);
                const ProcessRun r = report(args);
                EXPECT_EQ(r.status, 0) << name << " " << args << ": " << r.err;
                EXPECT_EQ(r.out, pinned.out) << name << " " << args;
            }
        }
    }
}

} // namespace
