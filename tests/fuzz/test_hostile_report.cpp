// pecunex-report given a 10 MB damaged file: it refuses the file with message 13's text and
// exit status 1, and its memory stays within 50 MB (the file itself is a fifth of that).
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>

#include "ReportProcess.h"

namespace {

using namespace report_process;

constexpr long MemoryLimitKiB = 50 * 1024;

// The largest resident size any finished child of this test program reached, in KiB.
[[maybe_unused]] long childrenPeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_maxrss;
}

TEST(HostileReport, TenMegabyteFilesAreRefusedWithinFiftyMegabytes) {
    Scratch dir("hostile-report");
    const std::string tenMegabytes(10 << 20, '7');
    const struct {
        const char *report, *file, *text;
    } cases[] = {
        {"mortgage", "big.umd", "one number of ten million digits"},
        {"loan", "big.uld", "one number of ten million digits"},
        {"budget", "big.Bgt", "one number of ten million digits"},
        {"networth", "big.NWV", "one number of ten million digits"},
        {"mortgage", "line.umd", "a quoted text ten million characters long"},
        {"budget", "line.Bgt", "a quoted text ten million characters long"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        writeText(dir.path / c.file, std::string(c.file).starts_with("line")
                                         ? "\"" + std::string(10 << 20, 'x') + "\"\r\n"
                                         : tenMegabytes);
        const ProcessRun r = run(dir.path, std::string(c.report) + " " + c.file);
        EXPECT_EQ(r.status, 1) << c.text;
        EXPECT_EQ(r.err,
                  "pecunex-report: " + std::string(c.file) +
                      ": File not found or wrong format. Check Filename and/or Directory.\n");
        EXPECT_EQ(r.out, "");
    }
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer's shadow memory and quarantine make the size "
                    "meaningless; the plain build checks it";
#else
    const long peak = childrenPeakKiB();
    RecordProperty("peak_kib", static_cast<int>(peak));
    EXPECT_LE(peak, MemoryLimitKiB);
#endif
}

} // namespace
