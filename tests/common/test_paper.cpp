// The system's paper, from the first of its sources that names one.
#include <gtest/gtest.h>

#include "Paper.h"

namespace {

TEST(SystemPaper, TheFirstSourceThatNamesAPaperDecides) {
    const std::nullopt_t none = std::nullopt;
    const struct {
        const char* what;
        std::optional<std::string> variable, file;
        std::string locale;
        Paper paper;
    } table[] = {
        {"PAPERSIZE before the file and the locale", "a4", "letter\n", "en_US.UTF-8", Paper::A4},
        {"PAPERSIZE in capitals, with blanks", " Letter ", none, "de_DE.UTF-8", Paper::Letter},
        {"PAPERSIZE naming another paper gives way", "legal", "a4\n", "en_US", Paper::A4},
        {"an empty PAPERSIZE gives way", "", none, "en_CA.UTF-8", Paper::Letter},
        {"the file's first line that is no comment", none, "# paper\n\nletter\na4\n", "fr_FR",
         Paper::Letter},
        {"a file naming another paper gives way", none, "a5\n", "en_GB.UTF-8", Paper::A4},
        {"the locale: United States", none, none, "en_US.UTF-8", Paper::Letter},
        {"the locale: Canada, with a modifier", none, none, "fr_CA@euro", Paper::Letter},
        {"the locale: elsewhere", none, none, "en_AU.UTF-8", Paper::A4},
        {"a locale without a country", none, none, "C.UTF-8", Paper::A4},
        {"no locale at all", none, none, "", Paper::A4},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(systemPaper({row.variable, row.file, row.locale}), row.paper);
    }
}

} // namespace
