#include "GoalReport.h"

#include "Csv.h"
#include "GoalTexts.h"
#include "Printer.h"
#include "SavingsReport.h"

void printGoalReport(Printer& printer, const GoalReportInput& in, int linesPerPage) {
    if (!in.goal || !in.answer)
        return;
    const GoalAnswer& a = *in.answer;
    SavingsReportInput plan;
    static_cast<ReportSettings&>(plan) = in;
    plan.input = &a.plan;
    plan.table = a.growth.rows;
    plan.periods = a.growth.periods;
    plan.title = "Savings Goal Calculation";
    plan.leadEntries = goalSummary(*in.goal, a, in.currencySymbol, in.seps);
    printSavingsReport(printer, plan, linesPerPage);
}

void printGoalDocument(Printer& printer, const GoalReportInput& in) {
    printDocument(printer, in.fontChoice, [&](int lines) { printGoalReport(printer, in, lines); });
}

std::string goalCsv(const GoalAnswer& answer) {
    const std::string figure = answer.solve == GoalUnknown::Years
                                   ? std::to_string(answer.answer.raw() / Currency::Scale)
                                   : csvFigure(answer.answer);
    return "solve,answer,value,value_today\r\n" + std::string(namesOf(answer.solve).option) + "," +
           figure + "," + csvFigure(answer.value) + "," + csvFigure(answer.valueToday) + "\r\n";
}
