// Reading the personal settings file (its writing is checked through Personalize).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "Golden.h"
#include "SettingsFile.h"

// Complete files, short and damaged ones (what was read before the fault stands, the rest is
// the default), fonts just inside and outside 0-3, and currency symbols: one a user could
// type in Personalize (at most two characters, no control characters) is kept, any other
// opens as "$" while the rest of the file still reads. Reviewed by eye.
TEST(SettingsFile, ReadsWhatIsThereAsTheGoldenTranscriptShows) {
    // The files, "|" between them.
    const std::string files =
        "\"$\",1,\"Ann "
        "Lee\"\r\n|\"EU\",3,\"Bo\"\n|\"EU\",0,\"Bo\"|\"\",3,\"Al\"\r\n||\"EU\",2|\"EU\",2,\"Ann|"
        "\"EU\",x,\"Bob\"|\"EU\",4,\"Bob\"|\"EU\",-1,\"Bob\"|\"EU\"junk,1,\"Bob\"|\"\",2|"
        "\xef\xbb\xbf\"EU\",1,\"Bo\"\r\n|\"R$\",2,\"Bo\"|\"\u00a3\",2,\"Bo\"|\"\u20ac\u20ac\",2,"
        "\"Bo\"|\"EUR\",2,\"Bo\"|\"\t$\",2,\"Bo\"|\"$\x7f\",2,\"Bo\"|\"\xc2\x85\",2,\"Bo\"|"
        "\"\xef\xbb\xbf$\",2,\"Bo\"|\"\xff\",2,\"Bo\"|\"\xe2\x82\",2,\"Bo\"|\"\xc0\xa4\",2,\"Bo\"";
    std::string transcript;
    for (std::size_t at = 0, end = 0; at <= files.size(); at = end + 1) {
        end = std::min(files.find('|', at), files.size());
        const std::string file = files.substr(at, end - at);
        const SettingsRead r = parseSettings(file);
        transcript += golden::quoted(file) + (r.complete ? " complete: " : " incomplete: ") +
                      golden::quoted(r.settings.currencySymbol) + " " +
                      std::to_string(r.settings.printerFontChoice) + " " +
                      golden::quoted(r.settings.userName) + "\n";
    }
    golden::expectMatches(transcript, "common/settings-reads.txt");
}
