#include "CompareCommand.h"

#include <memory>

#include "CompareFile.h"
#include "CompareReport.h"
#include "Dates.h"
#include "FileText.h"
#include "LoanFile.h"
#include "Messages.h"
#include "PlanText.h"

namespace {

// The plans of one file: a comparison file's, or a mortgage or loan file's one plan.
std::variant<std::vector<LoanPlan>, Refusal> plansOf(const std::string& file) {
    const auto text = readFileText(file);
    const Refusal wrong{1, file + ": " + messageText(msg::FileNotFound)};
    if (!text)
        return wrong;
    if (endsWithNoCase(file, ".cmp")) {
        Result<std::vector<LoanPlan>> read = readCompareFile(*text);
        if (!read)
            return wrong;
        return std::move(read).value();
    }
    const LoanFileRead read = readLoanFile(*text);
    if (read.error)
        return wrong;
    AmortizationInput input = read.data.input;
    if (const auto day = parseDateText(read.data.firstPaymentDate))
        input.firstPaymentDate = *day;
    return std::vector<LoanPlan>{planFromWorksheet(input)};
}

} // namespace

Made makeCompareReport(const CompareRequest& request) {
    auto input = std::make_shared<CompareReportInput>();
    static_cast<ReportSettings&>(*input) = request.settings;
    input->formatDate = [](int day) { return isoDate(day); };
    // Every plan takes the next letter; a plan without a principal (a column left empty in
    // a comparison file) is left out and the others keep their letters.
    std::vector<std::pair<char, LoanPlan>> plans;
    const auto add = [&plans](LoanPlan plan) {
        plans.emplace_back(planLetter(plans.size()), std::move(plan));
    };
    for (const std::string& file : request.files) {
        auto read = plansOf(file);
        if (auto* refused = std::get_if<Refusal>(&read))
            return *refused;
        for (LoanPlan& plan : std::get<std::vector<LoanPlan>>(read))
            add(std::move(plan));
    }
    for (const std::string& planText : request.planTexts) {
        Result<LoanPlan> plan = parsePlanOption(planText);
        if (!plan) {
            std::string text = plan.failure().what;
            if (text.starts_with("--plan:"))
                text.insert(6, std::string(" ") + planLetter(plans.size()));
            return Refusal{2, text};
        }
        add(std::move(plan).value());
    }
    if (plans.size() > MaxPlans)
        return Refusal{2, "compare: more than three plans"};
    std::erase_if(plans, [](const auto& p) { return p.second.principal.raw() <= 0; });
    if (plans.empty())
        return Refusal{2, "compare: no plan (name a file or give --plan)"};
    for (auto& [letter, plan] : plans) {
        Result<PlanResult> result = calculatePlan(plan);
        if (!result) {
            const std::string text = result.failure().code != 0 ? messageText(result.failure().code)
                                                                : result.failure().what;
            return Refusal{1, std::string("plan ") + letter + ": " + text};
        }
        input->plans.push_back({std::move(plan), std::move(result).value(), letter});
    }
    std::optional<std::size_t> schedule;
    if (!request.schedule.empty()) {
        const char letter = request.schedule.size() == 1 ? request.schedule[0] : '?';
        if (letter < 'A' || letter > 'C')
            return Refusal{2, "--schedule takes A, B or C"};
        for (std::size_t i = 0; i < input->plans.size(); ++i)
            if (input->plans[i].letter == letter)
                schedule = i;
        if (!schedule)
            return Refusal{2, std::string("--schedule ") + letter + ": there is no plan " + letter};
    } else if (request.annual) {
        return Refusal{2, "--annual needs --schedule"};
    }
    const bool annual = request.annual;
    const std::vector<NamedGraphTable> graph = balanceGraphSeries(input->plans);
    ChartData chart = groupedChartData(graph, balanceGraphYears(graph), ComparisonGraphTitle,
                                       request.settings.currencySymbol);
    if (schedule)
        return ReportOutput{
            [input, schedule, annual](Printer& p) {
                printScheduleDocument(p, *input, *schedule, annual);
            },
            [input, schedule, annual] { return scheduleCsv(input->plans[*schedule], annual); },
            std::move(chart)};
    return ReportOutput{[input](Printer& p) { printComparisonDocument(p, *input); },
                        [input] { return comparisonCsv(input->plans); }, std::move(chart)};
}
