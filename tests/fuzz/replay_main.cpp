// Runs a fuzz target's entry point once over every file of the folders (or files) named on
// the command line, without libFuzzer. A fault ends the program as it would the fuzzer; an
// empty or missing corpus is a failure too, so a lost corpus cannot pass unnoticed.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& place) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(place)) {
        for (const auto& entry : std::filesystem::directory_iterator(place))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    } else if (std::filesystem::is_regular_file(place)) {
        files.push_back(place);
    }
    return files;
}
} // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& file : inputsOf(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++replayed;
        }
    }
    char count[24] = {};
    std::to_chars(count, count + sizeof count - 1, replayed);
    std::fputs(count, stdout);
    std::fputs(" inputs replayed\n", stdout);
    return replayed > 0 ? 0 : 1;
}
