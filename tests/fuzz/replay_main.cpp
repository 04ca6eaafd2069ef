// Runs a fuzz target's entry point once over every file of the folders (or files) named on
// the command line, without libFuzzer. A fault ends the program as it would the fuzzer; an
// empty or missing corpus is a failure too, so a lost corpus cannot pass unnoticed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    unsigned long replayed = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<fs::path> files{argv[i]};
        if (fs::is_directory(argv[i]))
            files.assign(fs::directory_iterator(argv[i]), fs::directory_iterator());
        for (const fs::path& file : files) {
            if (!fs::is_regular_file(file))
                continue;
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++replayed;
        }
    }
    std::printf("%lu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
