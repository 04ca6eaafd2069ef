#pragma once
// Command-line words as users type them: options before or after the other words,
// "--name=value" the same as "--name value", "--" ending the options (every later word is
// an operand, "-x" included), a repeated option counting last.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Result.h"

struct KnownOption {
    std::string_view name; // "--header"
    bool takesValue = false;
};

struct CommandLine {
    std::vector<std::string> operands;                        // in the order given
    std::vector<std::pair<std::string, std::string>> options; // name and value, in order

    // The value of the option's last use; nothing when it was not given.
    std::optional<std::string> last(std::string_view name) const;
    bool has(std::string_view name) const { return last(name).has_value(); }
    // Each option once, at its last use, in the order of those uses.
    std::vector<std::pair<std::string, std::string>> lastUses() const;
};

// Splits `args` by `knownOptions`. Fails (code 0) with the reason: an unknown option, an option
// missing its value, a value given to an option that takes none.
Result<CommandLine> parseCommandLine(std::span<const std::string> args,
                                     std::span<const KnownOption> knownOptions);

// True when the text holds a control character (C0, DEL or a UTF-8 encoded C1).
bool hasControlCharacter(std::string_view text);
