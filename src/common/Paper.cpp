#include "Paper.h"

#include <cstdlib>

#include "FileText.h"
#include "NumberFormat.h"

namespace {

// Blanks around a paper name.
constexpr std::string_view Blanks = " \t\r\n";

bool sameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20))
            return false;
    return true;
}

std::optional<Paper> paperOfFile(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = withoutBlanks(text.substr(0, end), Blanks);
        if (!line.empty() && line.front() != '#')
            return paperNamed(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return std::nullopt;
}

// The country of a locale name: "en_US.UTF-8" and "fr_CA@euro" give "US" and "CA".
std::string_view countryOf(std::string_view locale) {
    const std::size_t underscore = locale.find('_');
    if (underscore == std::string_view::npos)
        return {};
    const std::string_view rest = locale.substr(underscore + 1);
    return rest.substr(0, rest.find_first_of(".@"));
}

} // namespace

PaperSize paperSize(Paper paper) {
    // A4 is 210 x 297 mm.
    return paper == Paper::A4 ? PaperSize{210 / 25.4 * 72, 297 / 25.4 * 72} : PaperSize{612, 792};
}

std::optional<Paper> paperNamed(std::string_view name) {
    name = withoutBlanks(name, Blanks);
    if (sameLetters(name, "a4"))
        return Paper::A4;
    if (sameLetters(name, "letter"))
        return Paper::Letter;
    return std::nullopt;
}

Paper systemPaper(const PaperSources& sources) {
    if (sources.variable)
        if (auto paper = paperNamed(*sources.variable))
            return *paper;
    if (sources.file)
        if (auto paper = paperOfFile(*sources.file))
            return *paper;
    const std::string_view country = countryOf(sources.locale);
    return country == "US" || country == "CA" ? Paper::Letter : Paper::A4;
}

PaperSources paperSourcesOfThisSystem() {
    PaperSources sources;
    if (const char* variable = std::getenv("PAPERSIZE"))
        sources.variable = variable;
    sources.file = readFileText("/etc/papersize");
    for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"})
        if (const char* value = std::getenv(name); value && *value) {
            sources.locale = value;
            break;
        }
    return sources;
}
