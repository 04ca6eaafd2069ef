#include "OfxReader.h"

#include <libofx/libofx.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>

#include "BankDates.h"
#include "BankText.h"
#include "TextEncoding.h"

namespace {

// libofx keeps a file's transactions in a tree it walks from the top for every transaction it
// adds, so its time grows with the square of their number. Statements of more transactions are
// given to it in parts of this many: 10,000 transactions measured fastest in parts of 1,000,
// as bare statements and as whole files alike.
constexpr std::size_t TransactionsPerPart = 1000;

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

// One STMTTRN element of a bank or card statement as the file writes it.
struct RawTransaction {
    int line = 0;
    std::size_t begin = 0, end = 0; // the element's bytes, end tag included
    std::string posted, fitid, payeeName;
    std::string amount, name, memo; // as written, for the statement libofx is given
};

struct RawStatements {
    std::vector<RawTransaction> transactions;
    bool anyStatement = false; // a bank or card statement, even an empty one
    bool closed = false;       // the </OFX> end tag was found
    bool markedText = false;   // a transaction holds a declaration or a character reference
    int lines = 1;
    int openLine = 0; // a transaction without its end tag starts here
};

// Walks the tags of the file: where the bank and card transactions are, what they write as
// their date posted and FITID. Nothing of the amounts: those are libofx's.
RawStatements scanStatements(std::string_view text) {
    RawStatements raw;
    int line = 1;
    std::size_t counted = 0;
    const auto lineAt = [&](std::size_t pos) {
        for (; counted < pos; ++counted)
            line += text[counted] == '\n';
        return line;
    };
    int depthBank = 0, depthInvestment = 0;
    bool inPayee = false;
    std::optional<RawTransaction> open;
    std::size_t pos = text.find('<');
    while (pos != std::string_view::npos) {
        std::size_t nameBegin = pos + 1;
        const bool endTag = nameBegin < text.size() && text[nameBegin] == '/';
        nameBegin += endTag ? 1 : 0;
        std::size_t nameEnd = nameBegin;
        while (nameEnd < text.size() && text[nameEnd] != '>' && text[nameEnd] != '<' &&
               text[nameEnd] != ' ' && text[nameEnd] != '\n' && text[nameEnd] != '\r' &&
               text[nameEnd] != '\t' && text[nameEnd] != '/')
            ++nameEnd;
        const std::string_view name = text.substr(nameBegin, nameEnd - nameBegin);
        const std::size_t close = text.find('>', nameEnd);
        const std::size_t next = close == std::string_view::npos ? close : text.find('<', close);
        const std::string_view value =
            close == std::string_view::npos
                ? std::string_view{}
                : trimmedField(
                      text.substr(close + 1, (next == std::string_view::npos ? text.size() : next) -
                                                 close - 1));
        const int step = endTag ? -1 : 1;
        if (sameNoCase(name, "STMTRS") || sameNoCase(name, "CCSTMTRS")) {
            depthBank += step;
            raw.anyStatement = true;
        } else if (sameNoCase(name, "INVSTMTRS")) {
            depthInvestment += step;
        } else if (sameNoCase(name, "OFX") && endTag) {
            raw.closed = true;
        } else if (depthBank > 0 && depthInvestment == 0) {
            if (sameNoCase(name, "STMTTRN")) {
                if (!endTag && !open) {
                    open.emplace();
                    open->line = lineAt(pos);
                    open->begin = pos;
                } else if (endTag && open) {
                    open->end = close == std::string_view::npos ? text.size() : close + 1;
                    raw.transactions.push_back(std::move(*open));
                    open.reset();
                }
            } else if (open && !endTag) {
                if ((!name.empty() && (name[0] == '!' || name[0] == '?')) ||
                    value.find("&#") != std::string_view::npos)
                    raw.markedText = true;
                if (sameNoCase(name, "DTPOSTED"))
                    open->posted = value;
                else if (sameNoCase(name, "FITID"))
                    open->fitid = value;
                else if (sameNoCase(name, "NAME") && inPayee)
                    open->payeeName = value;
                else if (sameNoCase(name, "NAME"))
                    open->name = value;
                else if (sameNoCase(name, "TRNAMT"))
                    open->amount = value;
                else if (sameNoCase(name, "MEMO"))
                    open->memo = value;
                else if (sameNoCase(name, "PAYEE"))
                    inPayee = true;
            }
            if (sameNoCase(name, "PAYEE") && endTag)
                inPayee = false;
        }
        pos = next;
    }
    raw.openLine = open ? open->line : 0;
    // The last line that holds anything: a final line end starts no line of its own.
    raw.lines = lineAt(text.size()) - (!text.empty() && text.back() == '\n' ? 1 : 0);
    return raw;
}

// What libofx reports of one transaction.
struct LibraryTransaction {
    bool investment = false;
    bool hasAmount = false;
    double amount = 0;
    std::string fitid, name, memo;
};

int collectTransaction(const OfxTransactionData data, void* sink) {
    LibraryTransaction t;
    t.investment = data.account_ptr && data.account_ptr->account_type_valid &&
                   data.account_ptr->account_type == OfxAccountData::OFX_INVESTMENT;
    t.hasAmount = data.amount_valid;
    t.amount = data.amount;
    if (data.fi_id_valid)
        t.fitid = data.fi_id;
    if (data.name_valid)
        t.name = data.name;
    if (data.memo_valid)
        t.memo = data.memo;
    if (!t.investment)
        static_cast<std::vector<LibraryTransaction>*>(sink)->push_back(std::move(t));
    return 0;
}

// libofx reports every step of its work on the console unless told not to; these switches
// belong to the whole process.
void silenceLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int* flag : {&ofx_PARSER_msg, &ofx_DEBUG_msg, &ofx_DEBUG1_msg, &ofx_DEBUG2_msg,
                          &ofx_DEBUG3_msg, &ofx_DEBUG4_msg, &ofx_DEBUG5_msg, &ofx_STATUS_msg,
                          &ofx_INFO_msg, &ofx_WARNING_msg, &ofx_ERROR_msg, &ofx_show_position})
            *flag = 0;
    });
}

// Each libofx call builds its parser and its tree on the heap and frees them all on return,
// and the C library hands freed memory back to the system at once (the top of its heap, and
// any large block kept apart): the next part's first touches of the same memory are then page
// faults, which cost more than the parsing itself. While a file is read the heap grows by a
// margin it keeps, large blocks come from it too, and it is marked for the system's large
// pages where it has them (a fault then brings 2 MiB, not 4 KiB). The library's own settings
// come back afterwards and the margin is handed back.
class HeapMargin {
  public:
    HeapMargin() {
        mallopt(M_MMAP_THRESHOLD, Kept);
        mallopt(M_TRIM_THRESHOLD, Kept);
        mallopt(M_TOP_PAD, Margin);
        // Growing the heap by the margin once, then marking what it grew by.
        if (void* block = std::malloc(Margin)) {
            const auto begin =
                (reinterpret_cast<std::uintptr_t>(block) + LargePage - 1) & ~(LargePage - 1);
            const auto end = reinterpret_cast<std::uintptr_t>(sbrk(0)) & ~(LargePage - 1);
            if (end > begin)
                madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
            std::free(block);
        }
    }
    ~HeapMargin() {
        mallopt(M_TOP_PAD, LibraryDefault);
        mallopt(M_TRIM_THRESHOLD, LibraryDefault);
        mallopt(M_MMAP_THRESHOLD, LibraryDefault);
        malloc_trim(0);
    }
    HeapMargin(const HeapMargin&) = delete;
    HeapMargin& operator=(const HeapMargin&) = delete;

  private:
    static constexpr int Margin = 32 << 20;
    static constexpr int Kept = 256 << 20;
    static constexpr int LibraryDefault = 128 << 10;
    static constexpr std::uintptr_t LargePage = 2 << 20;
};

// libofx reads only from a file: the bytes go to a temporary one, removed afterwards.
class TemporaryFile {
  public:
    TemporaryFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pecunex-ofx-XXXXXX").string();
        fd_ = mkstemp(pattern.data());
        if (fd_ >= 0)
            path_ = pattern;
    }
    ~TemporaryFile() {
        if (fd_ >= 0) {
            close(fd_);
            unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Replaces the file's content with `bytes`.
    bool write(std::string_view bytes) {
        if (fd_ < 0 || ftruncate(fd_, 0) != 0 || lseek(fd_, 0, SEEK_SET) != 0)
            return false;
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }
    const std::string& path() const { return path_; }

  private:
    int fd_ = -1;
    std::string path_;
};

std::vector<LibraryTransaction> libraryRead(const std::string& path, const std::string& dtdFolder) {
    std::vector<LibraryTransaction> found;
    LibofxContextPtr context = libofx_get_new_context();
    if (!dtdFolder.empty())
        libofx_set_dtd_dir(context, dtdFolder.c_str());
    ofx_set_transaction_cb(context, collectTransaction, &found);
    libofx_proc_file(context, path.c_str(), OFX);
    libofx_free_context(context);
    return found;
}

// Where the <OFX> element starts: the header before it keeps its lines.
std::size_t bodyStart(std::string_view bytes) {
    for (std::size_t i = 0; i + 5 <= bytes.size(); ++i)
        if (sameNoCase(bytes.substr(i, 5), "<OFX>"))
            return i;
    return bytes.size();
}

// OFX 2.x announces itself before its <OFX> element as XML, or at least by its own processing
// instruction.
bool isXml(std::string_view bytes) {
    const std::string_view header = bytes.substr(0, bodyStart(bytes));
    for (std::size_t i = 0; i + 5 <= header.size(); ++i)
        if (sameNoCase(header.substr(i, 5), "<?xml") || sameNoCase(header.substr(i, 5), "<?OFX"))
            return true;
    return false;
}

// The document type of the bare statements below: only the elements they hold. libofx parses
// its own full definition of OFX 1.x afresh for every call, which takes as long as reading
// 400 transactions, and requires a type and a date in each transaction, both unused here.
constexpr std::string_view BareDocumentType = R"(<!DOCTYPE OFX [
<!ENTITY amp CDATA "&#38;">
<!ENTITY gt CDATA "&#62;">
<!ENTITY lt CDATA "&#60;">
<!ELEMENT OFX - - (BANKMSGSRSV1)>
<!ELEMENT BANKMSGSRSV1 - - (STMTTRNRS)>
<!ELEMENT STMTTRNRS - - (STMTRS)>
<!ELEMENT STMTRS - - (BANKACCTFROM, BANKTRANLIST)>
<!ELEMENT BANKACCTFROM - - (ACCTID)>
<!ELEMENT ACCTID - o (#PCDATA)>
<!ELEMENT BANKTRANLIST - - (STMTTRN*)>
<!ELEMENT STMTTRN - - (TRNAMT?, FITID?, NAME?, MEMO?)>
<!ELEMENT TRNAMT - o (#PCDATA)>
<!ELEMENT FITID - o (#PCDATA)>
<!ELEMENT NAME - o (#PCDATA)>
<!ELEMENT MEMO - o (#PCDATA)>
]>
)";

// The SGML declaration the bare statements are parsed under: libofx's own, except that the
// bytes 128 to 255 are characters of the text. Under libofx's, each byte of a name in UTF-8
// beyond ASCII is reported as an error (reported to no one, yet formatted all the same), which
// costs more than the rest of the parsing of that name.
constexpr std::string_view SgmlDeclaration = R"(<!SGML "ISO 8879:1986"
                            CHARSET
BASESET  "ISO Registration Number 177//CHARSET
          ISO/IEC 10646-1:1993 UCS-4 with implementation level 3//ESC 2/5 2/15 4/6"
DESCSET    0  9 UNUSED
           9  2  9
          11  2 UNUSED
          13  1 13
          14 18 UNUSED
          32 95 32
         127  1 UNUSED
         128 128 128
CAPACITY PUBLIC    "ISO 8879:1986//CAPACITY Reference//EN"
SCOPE    DOCUMENT
SYNTAX
SHUNCHAR CONTROLS 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17
         18 19 20 21 22 23 24 25 26 27 28 29 30 31 127 255
BASESET  "ISO 646-1983//CHARSET International Reference Version
          (IRV)//ESC 2/5 4/0"
DESCSET  0 128 0
FUNCTION RE                    13
         RS                    10
         SPACE                 32
         TAB       SEPCHAR     9
NAMING   LCNMSTRT  ""
         UCNMSTRT  ""
         LCNMCHAR  "-."
         UCNMCHAR  "-."
         NAMECASE  GENERAL     YES
                   ENTITY      NO
DELIM    GENERAL   SGMLREF
         SHORTREF  SGMLREF
NAMES    SGMLREF
QUANTITY SGMLREF
         ATTCNT    99999999
         ATTSPLEN  99999999
         DTEMPLEN  24000
         ENTLVL    99999999
         GRPCNT    99999999
         GRPGTCNT  99999999
         GRPLVL    99999999
         LITLEN    24000
         NAMELEN   99999999
         PILEN     24000
         TAGLEN    99999999
         TAGLVL    99999999
                           FEATURES
MINIMIZE DATATAG   NO
         OMITTAG   YES
         RANK      YES
         SHORTTAG  YES
LINK     SIMPLE    YES 1000
         IMPLICIT  YES
         EXPLICIT  YES 1
OTHER    CONCUR    NO
         SUBDOC    YES 99999999
         FORMAL    YES
                          APPINFO NONE>
)";

bool writeFile(const std::string& path, std::string_view text) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    const bool written = f && std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return f && std::fclose(f) == 0 && written;
}

// A folder of its own holding the bare document type and the SGML declaration under the
// names libofx looks for; removed afterwards. An empty path when it cannot be written.
class DocumentTypeFolder {
  public:
    DocumentTypeFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "pecunex-ofx-dtd-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        folder_ = pattern + "/";
        if (!writeFile(folder_ + FileName, BareDocumentType) ||
            !writeFile(folder_ + DeclarationName, SgmlDeclaration)) {
            std::error_code ec;
            std::filesystem::remove_all(pattern, ec);
            folder_.clear();
        }
    }
    ~DocumentTypeFolder() {
        std::error_code ec;
        if (!folder_.empty())
            std::filesystem::remove_all(folder_, ec);
    }
    DocumentTypeFolder(const DocumentTypeFolder&) = delete;
    DocumentTypeFolder& operator=(const DocumentTypeFolder&) = delete;
    const std::string& path() const { return folder_; }

  private:
    static constexpr const char* FileName = "ofx160.dtd";
    static constexpr const char* DeclarationName = "opensp.dcl";
    std::string folder_;
};

// The encoding an XML file's declaration names, as written; empty when it names none.
std::string_view declaredEncoding(std::string_view header) {
    for (std::size_t i = 0; i + 8 <= header.size(); ++i) {
        if (!sameNoCase(header.substr(i, 8), "encoding"))
            continue;
        std::size_t at = header.find_first_not_of(" \t\r\n", i + 8);
        if (at == std::string_view::npos || header[at] != '=')
            continue;
        at = header.find_first_not_of(" \t\r\n", at + 1);
        if (at == std::string_view::npos || (header[at] != '"' && header[at] != '\''))
            continue;
        const std::size_t end = header.find(header[at], at + 1);
        if (end != std::string_view::npos)
            return header.substr(at + 1, end - at - 1);
    }
    return {};
}

// The OFX 1.x header under which libofx reads the bare statement's text as the file means it:
// an SGML file's own; for an XML file one naming the character set of its declaration (UTF-8
// when it names none). None for a character set libofx is not told of here, and for bytes
// it cannot convert from the one named: bytes said to be UTF-8 that are not, or the five
// that Windows-1252 leaves unassigned. libofx converts each line as a whole, and the bare
// statement is a single line.
std::optional<std::string> bareHeader(std::string_view bytes, bool xml) {
    const std::string_view header = bytes.substr(0, bodyStart(bytes));
    if (!xml)
        return std::string(header);
    const std::string_view declared = declaredEncoding(header);
    const bool utf8Named = declared.empty() || sameNoCase(declared, "UTF-8") ||
                           sameNoCase(declared, "UTF8") || sameNoCase(declared, "US-ASCII");
    std::string_view charset; // none for UTF-8
    if (utf8Named) {
        if (!isValidUtf8(bytes))
            return std::nullopt;
    } else if (sameNoCase(declared, "windows-1252") || sameNoCase(declared, "cp1252")) {
        if (bytes.find_first_of("\x81\x8D\x8F\x90\x9D") != std::string_view::npos)
            return std::nullopt;
        charset = "1252";
    } else if (sameNoCase(declared, "ISO-8859-1") || sameNoCase(declared, "latin1"))
        charset = "ISO-8859-1";
    else
        return std::nullopt;
    return std::string("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\n") +
           (charset.empty() ? "ENCODING:UTF-8\nCHARSET:NONE\n"
                            : "ENCODING:USASCII\nCHARSET:" + std::string(charset) + "\n") +
           "COMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n";
}

// A file's bank and card transactions as one bare statement for libofx: an OFX 1.x header
// (the character set libofx converts from), then each transaction with only what is taken
// from libofx — amount, FITID, name (the payee's when it has no name of its own) and memo,
// their text as the file writes it, which reads the same in SGML as in XML. Its dates are the
// file's own, read apart.
struct BareStatement {
    std::string header;
    std::vector<std::string> transactions;

    BareStatement(std::string header, const std::vector<RawTransaction>& all)
        : header(std::move(header)) {
        transactions.reserve(all.size());
        for (const RawTransaction& t : all) {
            std::string text = "<STMTTRN>";
            const auto element = [&text](const char* tag, const std::string& value) {
                if (!value.empty())
                    text.append("<").append(tag).append(">").append(value);
            };
            element("TRNAMT", t.amount);
            element("FITID", t.fitid);
            element("NAME", t.name.empty() ? t.payeeName : t.name);
            element("MEMO", t.memo);
            transactions.push_back(text + "</STMTTRN>");
        }
    }

    // The statement with only the transactions [first, last).
    std::string part(std::size_t first, std::size_t last) const {
        std::string text = header + "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKACCTFROM>"
                                    "<ACCTID>0</BANKACCTFROM><BANKTRANLIST>";
        for (std::size_t i = first; i < last; ++i)
            text += transactions[i];
        return text + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    }
};

// The file cut at its bank and card transactions, for giving libofx a part of them at a time:
// `between[i]` is what comes before transaction i (the last one what follows them all).
// libofx writes a working copy of what it reads line by line, each line with a call to the
// system, so line ends before tags, which mean nothing to the parser, are taken out.
struct Pieces {
    std::vector<std::string> between, transactions;

    explicit Pieces(std::string_view bytes, const std::vector<RawTransaction>& all) {
        const std::size_t body = bodyStart(bytes);
        std::size_t copied = 0;
        for (const RawTransaction& t : all) {
            between.push_back(copied < body
                                  ? std::string(bytes.substr(copied, t.begin - copied))
                                  : compacted(bytes.substr(copied, t.begin - copied), true));
            transactions.push_back(compacted(bytes.substr(t.begin, t.end - t.begin), false));
            copied = t.end;
        }
        between.push_back(copied < body ? std::string(bytes.substr(copied))
                                        : compacted(bytes.substr(copied), false));
    }

    // The file with only the transactions [first, last) left.
    std::string part(std::size_t first, std::size_t last) const {
        std::string text;
        for (std::size_t i = 0; i < between.size(); ++i) {
            text += between[i];
            if (i >= first && i < last)
                text += transactions[i];
        }
        return text;
    }

  private:
    // The text without the blanks and line ends that stand before a tag (or before the end,
    // when `tagFollows`).
    static std::string compacted(std::string_view text, bool tagFollows) {
        std::string out;
        out.reserve(text.size());
        std::size_t i = 0;
        while (i < text.size()) {
            if (text[i] != '\r' && text[i] != '\n' && text[i] != ' ' && text[i] != '\t') {
                out.push_back(text[i++]);
                continue;
            }
            std::size_t j = i;
            bool lineEnd = false;
            while (j < text.size() &&
                   (text[j] == '\r' || text[j] == '\n' || text[j] == ' ' || text[j] == '\t'))
                lineEnd = lineEnd || text[j++] == '\n';
            const bool beforeTag = j < text.size() ? text[j] == '<' : tagFollows;
            if (!(lineEnd && beforeTag))
                out.append(text.substr(i, j - i));
            i = j;
        }
        return out;
    }
};

std::string utf8(std::string text) {
    return utf8FromFileText(std::move(text));
}

} // namespace

bool looksLikeOfx(std::string_view bytes) {
    const std::string_view start = bytes.substr(0, 4096);
    for (std::size_t i = 0; i < start.size(); ++i)
        if (sameNoCase(start.substr(i, 9), "OFXHEADER") || sameNoCase(start.substr(i, 5), "<OFX>"))
            return true;
    return false;
}

Result<std::vector<BankTransaction>> readOfx(const std::string& fileName, std::string_view bytes) {
    const HeapMargin margin;
    const RawStatements raw = scanStatements(bytes);
    if (!raw.closed)
        return bankFileFailure(fileName, raw.lines, "the file ends early, before its </OFX>");
    if (raw.openLine > 0)
        return bankFileFailure(fileName, raw.openLine, "a transaction without its end");
    if (!raw.anyStatement)
        return bankFileFailure(fileName, 1, "no bank or credit card statement (only investments?)");

    std::vector<int> dates;
    dates.reserve(raw.transactions.size());
    for (const RawTransaction& t : raw.transactions) {
        const std::string_view posted = t.posted;
        const auto date = posted.size() >= 8 && posted.substr(0, 8).find_first_not_of(
                                                    "0123456789") == std::string_view::npos
                              ? splitBankDate(posted.substr(0, 8))
                              : std::nullopt;
        const auto serial = date ? bankDateSerial(*date, false) : std::nullopt;
        if (!serial)
            return bankFileFailure(fileName, t.line,
                                   posted.empty() ? "a transaction without a date posted"
                                                  : "\"" + t.posted + "\" is not a date");
        dates.push_back(*serial);
    }

    silenceLibrary();
    TemporaryFile file;
    // The transactions go to libofx as bare statements under their own document type; as the
    // file itself in parts when that type cannot be written, or when the file's text is more
    // than plain values (marked sections, comments, character references, which libofx's own
    // declaration leaves unread) or in a character set not named here.
    std::optional<std::string> header;
    if (!raw.markedText)
        header = bareHeader(bytes, isXml(bytes));
    std::optional<DocumentTypeFolder> bareType;
    if (header)
        bareType.emplace();
    const bool bare = bareType && !bareType->path().empty();
    std::optional<BareStatement> statement;
    std::optional<Pieces> pieces;
    if (bare)
        statement.emplace(std::move(*header), raw.transactions);
    else
        pieces.emplace(bytes, raw.transactions);
    std::vector<BankTransaction> out;
    out.reserve(raw.transactions.size());
    const std::size_t count = raw.transactions.size();
    for (std::size_t first = 0; first == 0 || first < count; first += TransactionsPerPart) {
        const std::size_t last = std::min(count, first + TransactionsPerPart);
        const bool written =
            file.write(bare ? statement->part(first, last) : pieces->part(first, last));
        if (!written)
            return bankFileFailure(fileName, 1, "no room for a temporary copy of the file");
        const std::vector<LibraryTransaction> found =
            libraryRead(file.path(), bare ? bareType->path() : std::string());
        const int lineOfPart = first < count ? raw.transactions[first].line : 1;
        if (found.size() != last - first)
            return bankFileFailure(fileName, lineOfPart, "transactions that cannot be read");
        for (std::size_t i = 0; i < found.size(); ++i) {
            const LibraryTransaction& t = found[i];
            const RawTransaction& r = raw.transactions[first + i];
            if (r.fitid.find('&') == std::string::npos && t.fitid != r.fitid)
                return bankFileFailure(fileName, r.line, "transactions that cannot be read");
            if (!t.hasAmount)
                return bankFileFailure(fileName, r.line, amountProblem(AmountError::Empty));
            const auto amount = Currency::fromDouble(t.amount);
            if (!amount)
                return bankFileFailure(fileName, r.line, amountProblem(AmountError::TooLarge));
            out.push_back(BankTransaction{dates[first + i], *amount,
                                          utf8(t.name.empty() ? r.payeeName : t.name), utf8(t.memo),
                                          utf8(t.fitid)});
        }
    }
    return out;
}
