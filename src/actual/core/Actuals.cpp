#include "Actuals.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

using Key = std::tuple<int, std::int64_t, std::string>;

// Our files hold no double quote (it is saved as a single one): a transaction is kept as its
// file will give it back, so that the same export imported after a save is still the same.
BankTransaction asKept(BankTransaction t) {
    for (std::string* text : {&t.payee, &t.memo, &t.fitid})
        std::replace(text->begin(), text->end(), '"', '\'');
    return t;
}

Key keyOf(const BankTransaction& t) {
    return {t.date, t.amount.raw(), transactionText(t)};
}

} // namespace

std::string transactionText(const BankTransaction& t) {
    return t.memo.empty() ? t.payee : t.payee + " / " + t.memo;
}

int importTransactions(std::vector<BankTransaction>& held,
                       const std::vector<BankTransaction>& incoming) {
    std::set<std::string> fitids;
    std::map<Key, int> unmarked; // transactions without a FITID, by key, with their count
    std::map<Key, int> all;      // every transaction, by key
    for (const BankTransaction& t : held) {
        if (!t.fitid.empty())
            fitids.insert(t.fitid);
        else
            ++unmarked[keyOf(t)];
        ++all[keyOf(t)];
    }
    int added = 0;
    for (const BankTransaction& given : incoming) {
        const BankTransaction t = asKept(given);
        if (!t.fitid.empty() && fitids.count(t.fitid))
            continue;
        // One without a FITID may equal any held one; one with a FITID only one without.
        auto& pool = t.fitid.empty() ? all : unmarked;
        const auto same = pool.find(keyOf(t));
        if (same != pool.end() && same->second > 0) {
            --same->second;
            continue;
        }
        if (!t.fitid.empty())
            fitids.insert(t.fitid);
        held.push_back(t);
        ++added;
    }
    return added;
}

std::optional<RecordRef> findRecord(const BudgetTables& budget, RecordSide side,
                                    std::string_view description) {
    const std::string wanted = upperAscii(trimmed(description));
    const BudgetList& records = budget.records(side);
    for (int i = 1; i <= budget.count(side) && i <= MaxBudgetRecords; ++i)
        if (upperAscii(trimmed(records[static_cast<std::size_t>(i)].Description)) == wanted)
            return RecordRef{side, i};
    return std::nullopt;
}

RecordSide sideOf(const BankTransaction& t) {
    return t.amount < Currency{} ? RecordSide::Expense : RecordSide::Income;
}

std::optional<RecordRef> matchTransaction(const BankTransaction& t,
                                          const std::vector<ActualRule>& rules,
                                          const BudgetTables& budget) {
    return matchAll({t}, rules, budget).front();
}

std::vector<std::optional<RecordRef>> matchAll(const std::vector<BankTransaction>& transactions,
                                               const std::vector<ActualRule>& rules,
                                               const BudgetTables& budget) {
    // The rules' texts and records are looked up once, not once per transaction.
    struct Prepared {
        std::string text;
        std::optional<RecordRef> income, expense;
    };
    std::vector<Prepared> prepared;
    prepared.reserve(rules.size());
    for (const ActualRule& rule : rules)
        prepared.push_back({upperAscii(rule.text),
                            findRecord(budget, RecordSide::Income, rule.record),
                            findRecord(budget, RecordSide::Expense, rule.record)});
    std::vector<std::optional<RecordRef>> out;
    out.reserve(transactions.size());
    std::string payee, memo; // reused: no allocation per transaction
    const auto upper = [](std::string& into, const std::string& text) {
        into.assign(text);
        for (char& c : into)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
    };
    for (const BankTransaction& t : transactions) {
        upper(payee, t.payee);
        upper(memo, t.memo);
        const bool spent = sideOf(t) == RecordSide::Expense;
        std::optional<RecordRef> found;
        for (const Prepared& rule : prepared) {
            const auto& record = spent ? rule.expense : rule.income;
            if (record && !rule.text.empty() &&
                (payee.find(rule.text) != std::string::npos ||
                 memo.find(rule.text) != std::string::npos)) {
                found = record;
                break;
            }
        }
        out.push_back(found);
    }
    return out;
}

std::string proposedRuleText(std::string_view payee) {
    std::string out;
    bool blank = false;
    for (char c : payee) {
        if ((c >= '0' && c <= '9') || c == '#' || c == '"')
            continue;
        if (c == ' ' || c == '\t') {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}
