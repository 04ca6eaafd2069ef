#include "ActualCommand.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "ActualFile.h"
#include "BudgetFile.h"
#include "Dates.h"
#include "FileText.h"
#include "Messages.h"

namespace fs = std::filesystem;

namespace {

ActualRefusal unreadable(const std::string& file, int code = msg::FileNotFound) {
    return {1, file + ": " + messageText(code)};
}

bool isActualsFile(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return text.substr(0, 20) == R"("Pecunex","Actuals",)";
}

std::optional<ActualRefusal> readBudget(const fs::path& path, BudgetTables& budget) {
    const auto text = readFileText(path);
    if (!text)
        return unreadable(path.string());
    BudgetFileRead read = readBudgetFile(*text);
    if (read.error)
        return unreadable(path.string());
    budget = std::move(read.tables);
    return std::nullopt;
}

} // namespace

std::optional<CsvColumns> csvColumnsFrom(std::string_view text) {
    CsvColumns c;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view pair = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const auto equals = pair.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        const std::string_view name = pair.substr(0, equals), value = pair.substr(equals + 1);
        int n = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
        if (ec != std::errc{} || end != value.data() + value.size() || n < 1 || n > 999)
            return std::nullopt;
        int* slot = name == "date"          ? &c.date
                    : name == "description" ? &c.description
                    : name == "amount"      ? &c.amount
                    : name == "debit"       ? &c.debit
                    : name == "credit"      ? &c.credit
                                            : nullptr;
        if (!slot)
            return std::nullopt;
        *slot = n;
    }
    return c;
}

std::variant<std::shared_ptr<ActualPrepared>, ActualRefusal>
prepareActual(const ActualRequest& request) {
    CsvColumns columns;
    if (request.columns) {
        const auto given = csvColumnsFrom(*request.columns);
        if (!given)
            return ActualRefusal{2, "--columns takes date=N,description=N,amount=N (or debit=N "
                                    "and credit=N)"};
        columns = *given;
    }
    std::optional<int> from;
    if (request.from) {
        from = parseDateText(*request.from);
        if (!from || isoDate(*from) != *request.from)
            return ActualRefusal{2, "--from takes a date yyyy-mm-dd"};
    }
    if (request.period && !periodByName(*request.period))
        return ActualRefusal{2, "--period takes Weekly, 2 Weeks, Semi-monthly, Monthly, "
                                "Quarterly, Semi-annual or Annual"};
    std::vector<ActualRule> given;
    for (const std::string& rule : request.rules) {
        const auto equals = rule.find('=');
        if (equals == std::string::npos || equals == 0 || equals + 1 == rule.size())
            return ActualRefusal{2, "--rule takes TEXT=RECORD: " + rule};
        given.push_back({rule.substr(0, equals), rule.substr(equals + 1)});
    }

    auto out = std::make_shared<ActualPrepared>();
    const auto text = readFileText(request.file);
    if (!text)
        return unreadable(request.file);
    if (isActualsFile(*text)) {
        Result<Actuals> read = readActualFile(*text);
        if (!read)
            return unreadable(request.file);
        out->actuals = std::move(read).value();
        const fs::path budget = budgetPathOf(request.file, out->actuals.budgetPath);
        if (auto refused = readBudget(budget, out->budget))
            return *refused;
        out->budgetName = fs::path(out->actuals.budgetPath).filename().string();
    } else {
        if (auto refused = readBudget(request.file, out->budget))
            return *refused;
        out->budgetName = fs::path(request.file).filename().string();
    }
    if (request.rulesFile) {
        const auto rulesText = readFileText(*request.rulesFile);
        Result<Actuals> rules = rulesText ? readActualFile(*rulesText)
                                          : Result<Actuals>(Failure{msg::FileNotFound, ""});
        if (!rules)
            return unreadable(*request.rulesFile);
        given.insert(given.end(), rules->rules.begin(), rules->rules.end());
    }
    out->actuals.rules.insert(out->actuals.rules.begin(), given.begin(), given.end());
    for (const ActualRule& rule : given)
        if (!findRecord(out->budget, RecordSide::Income, rule.record) &&
            !findRecord(out->budget, RecordSide::Expense, rule.record))
            return ActualRefusal{2, "the budget has no record \"" + rule.record + "\""};

    for (const std::string& import : request.imports) {
        const auto bytes = readFileText(import);
        if (!bytes)
            return unreadable(import);
        auto read = readBankFile(import, *bytes, columns);
        if (!read)
            return ActualRefusal{1, read.failure().what};
        importTransactions(out->actuals.transactions, read.value());
    }

    out->periodGiven = request.period || request.from;
    ActualPeriod period = latestMonth(out->actuals.transactions, request.today);
    if (out->periodGiven)
        period = *periodFrom(request.period.value_or("Monthly"), from.value_or(period.first));
    Result<ActualResult> compared = compareActuals(out->actuals, out->budget, period);
    if (!compared)
        return ActualRefusal{1, request.file + ": " + messageText(compared.failure().code)};
    out->result = std::move(compared).value();
    return out;
}

ChartData actualChart(const ActualResult& result, const std::string& currencySymbol) {
    std::vector<const ActualLine*> lines;
    for (const auto* side : {&result.income, &result.expense})
        for (const ActualLine& l : *side)
            lines.push_back(&l);
    std::vector<const ActualLine*> largest = lines;
    std::stable_sort(largest.begin(), largest.end(), [](const ActualLine* a, const ActualLine* b) {
        return a->budgeted > b->budgeted;
    });
    if (largest.size() > 12)
        largest.resize(12);
    ChartData chart;
    chart.title = std::string(ActualGraphTitle);
    chart.currencySymbol = currencySymbol;
    chart.series = {{"Budgeted", {}}, {"Actual", {}}};
    for (const ActualLine* l : lines) {
        if (std::find(largest.begin(), largest.end(), l) == largest.end())
            continue;
        chart.labels.push_back(l->description);
        chart.series[0].values.push_back(l->budgeted.toDouble());
        chart.series[1].values.push_back(l->actual.toDouble());
    }
    return chart;
}
