#include "ActualFile.h"

#include "Dates.h"
#include "Messages.h"
#include "SeqFile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Kind = "Actuals";
constexpr int Version = 1;

class ActualReader : public CheckedReader {
  public:
    using CheckedReader::CheckedReader;

    Currency amount() {
        const Result<Currency> c = fault_ ? Result<Currency>(Currency{}) : r_.readCurrency();
        if (!c)
            fault_ = c.failure().what;
        return fault_ ? Currency{} : *c;
    }

    int date() {
        const int item = r_.itemIndex();
        const std::string iso = text();
        const auto serial = parseDateText(iso);
        if (!fault_ && (!serial || isoDate(*serial) != iso))
            refuse("item " + std::to_string(item) + ": not a date yyyy-mm-dd");
        return serial.value_or(0);
    }
};

} // namespace

std::string writeActualFile(const Actuals& actuals) {
    SeqWriter w;
    w.writeHead(Kind, Version);
    w.writeString(actuals.budgetPath);
    w.endRecord();
    w.writeInteger(static_cast<std::int64_t>(actuals.transactions.size()));
    w.endRecord();
    for (const BankTransaction& t : actuals.transactions) {
        w.writeString(isoDate(t.date));
        w.writeCurrency(t.amount);
        w.writeString(t.payee);
        w.writeString(t.memo);
        w.writeString(t.fitid);
        w.endRecord();
    }
    w.writeInteger(static_cast<std::int64_t>(actuals.rules.size()));
    w.endRecord();
    for (const ActualRule& rule : actuals.rules) {
        w.writeString(rule.text);
        w.writeString(rule.record);
        w.endRecord();
    }
    return w.text();
}

Result<Actuals> readActualFile(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    ActualReader r(text);
    r.expectHead(Kind, Version, "not an actuals file of version 1");
    Actuals a;
    a.budgetPath = r.text();
    const int transactions = r.whole(0, MaxActualTransactions);
    for (int i = 0; i < transactions && !r.fault(); ++i) {
        BankTransaction t;
        t.date = r.date();
        t.amount = r.amount();
        t.payee = r.text();
        t.memo = r.text();
        t.fitid = r.text();
        a.transactions.push_back(std::move(t));
    }
    const int rules = r.whole(0, MaxActualRules);
    for (int i = 0; i < rules && !r.fault(); ++i) {
        ActualRule rule{r.text(), r.text()};
        if (rule.text.empty() || rule.record.empty())
            r.refuse("rule " + std::to_string(i + 1) + ": an empty text or record");
        a.rules.push_back(std::move(rule));
    }
    if (!r.fault() && !r.atEnd())
        r.refuse("items after the last rule");
    if (r.fault())
        return Failure{msg::FileNotFound, *r.fault()};
    return a;
}

std::string relativeBudgetPath(const fs::path& actualsFile, const fs::path& budget) {
    std::error_code ec;
    const fs::path folder = fs::absolute(actualsFile, ec).parent_path();
    const fs::path target = fs::absolute(budget, ec);
    if (folder.root_name() != target.root_name())
        return target.generic_string();
    const fs::path relative =
        target.lexically_normal().lexically_relative(folder.lexically_normal());
    return relative.empty() ? target.generic_string() : relative.generic_string();
}

fs::path budgetPathOf(const fs::path& actualsFile, const std::string& stored) {
    const fs::path p(stored);
    if (p.is_absolute())
        return p;
    return (actualsFile.parent_path() / p).lexically_normal();
}
