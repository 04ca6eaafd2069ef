#pragma once
// The comma-separated sequential text format of every data file the program writes:
// quoted strings, bare numbers, empty items, items separated by commas, records ended by
// CR LF. The reader also takes LF-only line ends, blanks around items and numbers without
// a leading zero. Every malformed input is reported as a Failure naming the item, never
// by a crash or a hang.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Currency.h"
#include "Result.h"

class SeqWriter {
  public:
    void writeString(std::string_view text); // "text"
    void writeCurrency(Currency value);      // 1234.5  0.0001  -12
    void writeInteger(std::int64_t value);   // 12
    void writeNumber(double value);          // shortest plain form: 365.25  0.5833
    void writeEmpty();                       // nothing between the commas
    void endRecord();                        // CR LF
    // The first record of our own worksheets' files: "Pecunex", the kind of file, its version.
    void writeHead(std::string_view kind, int version);
    const std::string& text() const { return out_; }

  private:
    void separate();
    std::string out_;
    bool lineStarted_ = false;
};

class SeqReader {
  public:
    explicit SeqReader(std::string_view data);

    // A quoted string; an unquoted item is taken as its text, an empty item as "".
    Result<std::string> readString();
    // A number; an empty item reads 0; quoted text is an error.
    Result<double> readNumber();
    // A number, or nothing for an empty item or an empty quoted string ""; any other
    // quoted text is an error.
    Result<std::optional<double>> readNumberOrEmpty();
    Result<Currency> readCurrency();
    // A whole number in 16 bits (a fraction rounds half to even, as the old runtime did).
    Result<std::int16_t> readInt16();
    // True when only blanks and line ends are left.
    bool atEnd() const;
    // 1-based index of the next item, for messages.
    int itemIndex() const { return item_ + 1; }

  private:
    struct RawItem {
        std::string text;
        bool quoted = false;
    };
    Result<RawItem> next();
    static Result<double> numberFrom(const RawItem& item, int index);
    std::string_view data_;
    std::size_t pos_ = 0;
    int item_ = 0;
};

// A file's own reader reads its items in file order through this: the first fault is kept
// and every read after it gives nothing, so a reading can run to its end and be judged once.
class CheckedReader {
  public:
    explicit CheckedReader(std::string_view text) : r_(text) {}

    const std::optional<std::string>& fault() const { return fault_; }
    bool atEnd() const { return r_.atEnd(); }
    std::string text();
    // A whole number from `least` to `most`.
    int whole(int least, int most);
    // A reading that is well formed but names nothing the worksheet knows.
    void refuse(std::string what);
    // The head SeqWriter::writeHead writes; any other is refused as `what`.
    void expectHead(std::string_view kind, int version, std::string what);

  protected:
    SeqReader r_;
    std::optional<std::string> fault_;
};
