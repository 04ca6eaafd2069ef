// Any bytes through every kind of read: each call ends in a value or a Failure.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "SeqFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses the order of item kinds, the rest is the file.
    const unsigned pattern = data[0];
    SeqReader reader(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    for (int i = 0; i < 64 && !reader.atEnd(); ++i) {
        bool ok = false;
        switch ((pattern >> (2 * (i % 4))) & 3u) {
        case 0:
            ok = reader.readString().ok();
            break;
        case 1:
            ok = reader.readNumber().ok();
            break;
        case 2:
            ok = reader.readCurrency().ok();
            break;
        default:
            ok = reader.readInt16().ok();
            break;
        }
        if (!ok)
            break;
    }
    return 0;
}
