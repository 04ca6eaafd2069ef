#pragma once
// The paper a printout is laid out for, and the paper this system prints on when nobody says.
#include <optional>
#include <string>
#include <string_view>

enum class Paper { Letter, A4 };

// Width and height in points.
struct PaperSize {
    double width;
    double height;
};

PaperSize paperSize(Paper paper);

// "a4" or "letter", in any case, blanks around it ignored; nullopt for anything else.
std::optional<Paper> paperNamed(std::string_view name);

// Where the system's paper is said, first to last: the PAPERSIZE variable, the first line of
// /etc/papersize that is not a comment, and the locale (LC_ALL, LC_PAPER, then LANG, as
// "en_CA.UTF-8"). A source missing or naming another paper gives way to the next.
struct PaperSources {
    std::optional<std::string> variable;
    std::optional<std::string> file;
    std::string locale;
};

// Letter for the United States and Canada, A4 elsewhere and when the locale names no country.
Paper systemPaper(const PaperSources& sources);

// The sources of this process and machine.
PaperSources paperSourcesOfThisSystem();
