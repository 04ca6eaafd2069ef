// The PDF file the printout font's own writer makes of a job: text readers' map back to the
// characters, and a failure reported when the file cannot be written. The file's structure,
// the font's glyphs and metrics and how the pages read back are checked with qpdf and a PDF
// reader in the printout sheets' test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "FileText.h"
#include "PdfPrinter.h"

namespace fs = std::filesystem;

namespace {

TEST(PdfFile, TheEuroSignMapsBackAndAFailedWriteIsReported) {
    if (!PdfPrinter::printoutFont())
        GTEST_SKIP() << "printout font not installed";
    const fs::path folder =
        fs::temp_directory_path() / ("pecunex-pdf-test-" + std::to_string(getpid()));
    fs::create_directories(folder);
    auto printer = PdfPrinter::open((folder / "euro.pdf").string());
    printerSetUp(*printer, 2);
    printer->print({Tab(2), "Page one", Tab(40), "\u20ac1,234.56"});
    printer->endDocument();
    ASSERT_FALSE(printer->failed());
    // The euro sign, the first character past ASCII, has the first two-byte code.
    EXPECT_NE(readFileText(folder / "euro.pdf").value().find("<8000> <20AC>"), std::string::npos);
    // A file that cannot be written is a failure, and nothing is left behind.
    auto lost = PdfPrinter::open((folder / "no such folder" / "x.pdf").string());
    printerSetUp(*lost, 1);
    lost->print({"text"});
    lost->endDocument();
    EXPECT_TRUE(lost->failed());
    EXPECT_FALSE(fs::exists(folder / "no such folder"));
    fs::remove_all(folder);
}

} // namespace
