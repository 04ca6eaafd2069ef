#include "BudgetFile.h"

#include <cmath>

#include "Messages.h"
#include "SeqFile.h"

namespace {

void writeSide(SeqWriter& w, const BudgetList& records, int count) {
    w.writeInteger(count);
    w.endRecord();
    for (int i = 1; i <= count && i <= MaxBudgetRecords; ++i) {
        const BudgetRecord& r = records[static_cast<std::size_t>(i)];
        w.writeInteger(r.RecNo);
        w.writeString(r.Description);
        w.writeCurrency(r.AnnualAmount);
        w.writeCurrency(r.PaymentsPerYear);
        w.writeCurrency(r.AnnualBudgeted);
        w.endRecord();
    }
}

Failure refused(int item, const std::string& why) {
    return Failure{msg::FileNotFound, "item " + std::to_string(item) + ": " + why};
}

bool isWhole(double v) {
    return std::floor(v) == v;
}
bool isWhole(Currency c) {
    return c.raw() % Currency::Scale == 0;
}

class SideReader {
  public:
    SideReader(SeqReader& reader, std::optional<Failure>& error) : r_(reader), error_(error) {}

    bool read(BudgetList& records, std::int16_t& count) {
        const int countItem = r_.itemIndex();
        const auto n = r_.readNumber();
        if (!n)
            return fail(n.failure());
        if (*n < 0 || *n > MaxBudgetRecords || !isWhole(*n))
            return fail(refused(countItem, "a record count outside 0-500"));
        count = static_cast<std::int16_t>(*n);
        for (int i = 1; i <= count; ++i)
            if (!readRecord(records[static_cast<std::size_t>(i)]))
                return false;
        return true;
    }

  private:
    bool readRecord(BudgetRecord& rec) {
        int item = r_.itemIndex();
        const auto recNo = r_.readNumber();
        if (!recNo)
            return fail(recNo.failure());
        if (*recNo < 1 || *recNo > MaxBudgetRecords || !isWhole(*recNo))
            return fail(refused(item, "a record number outside 1-500"));
        rec.RecNo = static_cast<std::int16_t>(*recNo);
        auto description = r_.readString();
        if (!description)
            return fail(description.failure());
        rec.Description = std::move(description).value();
        return amount(rec.AnnualAmount, false) && amount(rec.PaymentsPerYear, true) &&
               amount(rec.AnnualBudgeted, false);
    }

    bool amount(Currency& target, bool whole) {
        const int item = r_.itemIndex();
        const auto value = r_.readCurrency();
        if (!value)
            return fail(value.failure());
        if (*value < Currency{})
            return fail(refused(item, "a negative amount"));
        if (whole && !isWhole(*value))
            return fail(refused(item, "payments a year that are not whole"));
        target = *value;
        return true;
    }

    bool fail(const Failure& f) {
        error_ = Failure{msg::FileNotFound, f.what};
        return false;
    }

    SeqReader& r_;
    std::optional<Failure>& error_;
};

} // namespace

std::string writeBudgetFile(const BudgetTables& tables) {
    SeqWriter w;
    writeSide(w, tables.IncomeRecords, tables.IncomeCount);
    writeSide(w, tables.ExpenseRecords, tables.ExpenseCount);
    return w.text();
}

BudgetFileRead readBudgetFile(std::string_view text) {
    BudgetFileRead out;
    SeqReader reader(text);
    SideReader side(reader, out.error);
    BudgetTables& t = out.tables;
    if (side.read(t.IncomeRecords, t.IncomeCount))
        side.read(t.ExpenseRecords, t.ExpenseCount);
    return out;
}
