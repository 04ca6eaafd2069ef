#include "TextPrinter.h"

void TextPrinter::expectLines(int lines) {
    if (lines > 0)
        out_.reserve(out_.size() + static_cast<std::size_t>(lines) * 81);
}

void TextPrinter::emitLine(std::string_view line) {
    if (formFeedPending_) {
        out_ += '\f';
        formFeedPending_ = false;
    }
    const auto last = line.find_last_not_of(' ');
    out_.append(line.substr(0, last == std::string_view::npos ? 0 : last + 1));
    out_ += '\n';
}
