#include "CommandLine.h"

#include <algorithm>

namespace {

const KnownOption* findKnownOption(std::span<const KnownOption> knownOptions,
                                   std::string_view name) {
    const auto it = std::find_if(knownOptions.begin(), knownOptions.end(),
                                 [&](const KnownOption& known) { return known.name == name; });
    return it == knownOptions.end() ? nullptr : &*it;
}

Failure usage(std::string reason) {
    return Failure{0, std::move(reason)};
}

} // namespace

std::optional<std::string> CommandLine::last(std::string_view name) const {
    for (auto it = options.rbegin(); it != options.rend(); ++it)
        if (it->first == name)
            return it->second;
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> CommandLine::lastUses() const {
    std::vector<std::pair<std::string, std::string>> uses;
    for (std::size_t i = 0; i < options.size(); ++i) {
        const auto later =
            std::find_if(options.begin() + static_cast<std::ptrdiff_t>(i) + 1, options.end(),
                         [&](const auto& o) { return o.first == options[i].first; });
        if (later == options.end())
            uses.push_back(options[i]);
    }
    return uses;
}

Result<CommandLine> parseCommandLine(std::span<const std::string> args,
                                     std::span<const KnownOption> knownOptions) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "--") {
            line.operands.insert(line.operands.end(),
                                 args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        }
        if (word.size() < 2 || word[0] != '-') {
            line.operands.push_back(word); // "-" alone names standard input by custom: an operand
            continue;
        }
        const std::size_t equals = word.starts_with("--") ? word.find('=') : std::string::npos;
        const std::string name = word.substr(0, equals);
        const KnownOption* known = findKnownOption(knownOptions, name);
        if (!known)
            return usage("unknown option " + name);
        std::string value;
        if (equals != std::string::npos) {
            if (!known->takesValue)
                return usage(name + " takes no value");
            value = word.substr(equals + 1);
        } else if (known->takesValue) {
            if (i + 1 >= args.size())
                return usage(name + " needs a value");
            value = args[++i];
        }
        line.options.emplace_back(name, std::move(value));
    }
    return line;
}

bool hasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F)
            return true;
        // U+0080..U+009F are C2 80..C2 9F in UTF-8.
        if (byte == 0xC2 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if (next >= 0x80 && next <= 0x9F)
                return true;
        }
    }
    return false;
}
