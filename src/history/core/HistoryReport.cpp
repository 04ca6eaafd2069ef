#include "HistoryReport.h"

#include <algorithm>
#include <set>

#include "Csv.h"
#include "Dates.h"
#include "Printer.h"

namespace {

constexpr int DateWidth = 10;
constexpr int FigureWidth = 11; // 99,999,999 and its cents widen the columns
constexpr int RateWidth = 7;    // "Yearly" and a blank before it
constexpr int NameWidth = 24;   // a line's name in the lines pages
constexpr int SummaryHeadLines = 7;

std::string csvAmount(const std::optional<Currency>& amount) {
    return amount ? csvFigure(*amount) : std::string();
}

int widest(int least, const std::vector<std::string>& texts) {
    int width = least;
    for (const std::string& t : texts)
        width = std::max(width, charCount(t));
    return width;
}

class HistoryPrintout {
  public:
    HistoryPrintout(Printer& printer, const HistoryReportInput& in, int linesPerPage)
        : p_(printer), in_(in), r_(*in.result), page_(printer, in.fontChoice, linesPerPage) {
        for (const SummaryRow& row : r_.summary)
            rows_.push_back(summaryTexts(row, NumberSeparators{}, in_.formatDate));
        std::vector<std::string> figures;
        for (const auto& cells : rows_)
            figures.insert(figures.end(), cells.begin() + 2, cells.end() - 1);
        figureWidth_ = widest(FigureWidth, figures);
        std::vector<std::string> dates, rates;
        for (const auto& cells : rows_) {
            dates.push_back(cells.front());
            rates.push_back(cells.back());
        }
        // A date in the system's short form may be longer than an ISO one.
        dateWidth_ = widest(DateWidth, dates);
        rateWidth_ = widest(RateWidth, rates);
        figures = dates;
        for (const HistoryLine& line : r_.lines)
            for (const auto& amount : line.amounts)
                figures.push_back(historyFigure(amount, {}));
        lineWidth_ = widest(DateWidth, figures);
    }

    void print() {
        p_.print({Tab(2), in_.header});
        p_.emptyLine();
        p_.print({Tab(31), "Net Worth History"});
        p_.emptyLine();
        summaryHeading();
        page_.counter = SummaryHeadLines;
        for (const auto& cells : rows_) {
            summaryLine(cells);
            ++page_.counter;
            if (!cells[1].empty()) {
                p_.print({Tab(4 + dateWidth_), cells[1]});
                ++page_.counter;
            }
            if (page_.reached()) {
                page_.breakPage(3);
                summaryHeading();
            }
        }
        p_.print({Tab(2), std::string(79, '-')});
        printLines();
    }

  private:
    void summaryHeading() {
        summaryLine(
            {"Date", "", "Assets", "Liabilities", "Net worth", "Change", "Since first", "Yearly"});
        p_.print({Tab(2), std::string(79, '-')});
    }

    // Date, then the five figures and the rate, right-aligned in their columns.
    void summaryLine(const std::vector<std::string>& cells) {
        std::vector<PrintItem> items{Tab(2), cells[0]};
        int column = 2 + dateWidth_ + 1;
        for (std::size_t c = 2; c < cells.size(); ++c) {
            const int width = c + 1 == cells.size() ? rateWidth_ : figureWidth_;
            items.push_back(Tab(column));
            items.emplace_back(RightAlign(cells[c], width));
            column += width + 1;
        }
        p_.print(items);
    }

    // The lines, a page for each run of statements that fits the width.
    void printLines() {
        const std::size_t n = r_.summary.size();
        if (n == 0 || r_.lines.empty())
            return;
        const std::size_t across = static_cast<std::size_t>(
            std::max(1, (PrintColumns - 1 - NameWidth) / (lineWidth_ + 1)));
        for (std::size_t first = 0; first < n; first += across) {
            const std::size_t last = std::min(n, first + across);
            page_.breakPage(0);
            p_.print({Tab(2), in_.header});
            p_.emptyLine();
            p_.print({Tab(2), "Lines of the statements " + std::to_string(first + 1) + " to " +
                                  std::to_string(last) + " of " + std::to_string(n)});
            p_.emptyLine();
            page_.counter = 4;
            linesHeading(first, last);
            bool liabilities = false;
            side("Assets");
            for (const HistoryLine& line : r_.lines) {
                if (line.liability && !liabilities) {
                    liabilities = true;
                    p_.emptyLine();
                    ++page_.counter;
                    side("Liabilities");
                }
                std::vector<PrintItem> items{Tab(2), cut(line.name)};
                for (std::size_t s = first; s < last; ++s) {
                    items.push_back(Tab(column(s - first)));
                    items.emplace_back(RightAlign(historyFigure(line.amounts[s], {}), lineWidth_));
                }
                p_.print(items);
                ++page_.counter;
                if (page_.reached()) {
                    page_.breakPage(0);
                    linesHeading(first, last);
                }
            }
        }
    }

    void side(const char* name) {
        p_.print({Tab(2), name});
        ++page_.counter;
    }

    void linesHeading(std::size_t first, std::size_t last) {
        std::vector<PrintItem> items{Tab(2), "Line"};
        for (std::size_t s = first; s < last; ++s) {
            items.push_back(Tab(column(s - first)));
            items.emplace_back(RightAlign(in_.formatDate(r_.summary[s].date), lineWidth_));
        }
        p_.print(items);
        p_.print({Tab(2), std::string(79, '-')});
        page_.counter += 2;
    }

    int column(std::size_t index) const {
        return 2 + NameWidth + static_cast<int>(index) * (lineWidth_ + 1);
    }

    static std::string cut(const std::string& name) {
        std::string out;
        int chars = 0;
        for (std::size_t i = 0; i < name.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(name[i]);
            if ((c & 0xC0) != 0x80 && ++chars > NameWidth - 1)
                break;
            out += name[i];
        }
        return out;
    }

    Printer& p_;
    const HistoryReportInput& in_;
    const HistoryResult& r_;
    ReportPage page_;
    std::vector<std::vector<std::string>> rows_;
    int figureWidth_ = FigureWidth;
    int lineWidth_ = DateWidth;
    int dateWidth_ = DateWidth;
    int rateWidth_ = RateWidth;
};

} // namespace

std::string historyFigure(const std::optional<Currency>& amount, const NumberSeparators& seps) {
    return amount ? formatNumber(*amount, "####,,##0.00", seps) : std::string();
}

std::string rateText(const std::optional<double>& rate, const NumberSeparators& seps) {
    return rate ? formatNumber(*rate * 100.0, "####,,##0.00", seps) + "%" : std::string();
}

const std::vector<std::string> SummaryHeadings = {
    "Date", "Label", "Assets", "Liabilities", "Net worth", "Change", "Since first", "Per year"};

std::vector<std::string> summaryTexts(const SummaryRow& row, const NumberSeparators& seps,
                                      const std::function<std::string(int)>& formatDate) {
    return {formatDate(row.date),
            row.label,
            historyFigure(row.assets, seps),
            historyFigure(row.liabilities, seps),
            historyFigure(row.netWorth, seps),
            historyFigure(row.change, seps),
            historyFigure(row.sinceFirst, seps),
            rateText(row.yearlyRate, seps)};
}

void printHistoryReport(Printer& printer, const HistoryReportInput& in, int linesPerPage) {
    if (!in.result || !in.formatDate)
        return;
    HistoryPrintout(printer, in, linesPerPage).print();
}

void printHistoryDocument(Printer& printer, const HistoryReportInput& in) {
    printDocument(printer, in.fontChoice,
                  [&](int lines) { printHistoryReport(printer, in, lines); });
}

std::string historySummaryCsv(const HistoryResult& result) {
    std::string out = "date,label,assets,liabilities,net_worth,change,change_since_first\r\n";
    for (const SummaryRow& row : result.summary)
        out += isoDate(row.date) + "," + csvField(row.label) + "," + csvFigure(row.assets) + "," +
               csvFigure(row.liabilities) + "," + csvFigure(row.netWorth) + "," +
               csvAmount(row.change) + "," + csvAmount(row.sinceFirst) + "\r\n";
    return out;
}

std::string historyLinesCsv(const HistoryResult& result) {
    std::string out = "line,kind";
    for (const SummaryRow& row : result.summary)
        out += "," + isoDate(row.date);
    out += "\r\n";
    for (const HistoryLine& line : result.lines) {
        out += csvField(line.name) + (line.liability ? ",liability" : ",asset");
        for (const auto& amount : line.amounts)
            out += "," + csvAmount(amount);
        out += "\r\n";
    }
    return out;
}

HistoryBars historyBars(const HistoryResult& result, int most) {
    HistoryBars bars;
    const std::size_t n = result.summary.size();
    const std::size_t first = n > static_cast<std::size_t>(most) ? n - most : 0;
    std::set<int> years;
    for (std::size_t s = first; s < n; ++s) {
        int year = 0, month = 0, day = 0;
        dateParts(result.summary[s].date, year, month, day);
        years.insert(year);
        bars.labels.push_back(year);
        bars.netWorth.push_back(result.summary[s].netWorth);
        bars.assets.push_back(result.summary[s].assets);
        bars.liabilities.push_back(result.summary[s].liabilities);
    }
    if (years.size() != bars.labels.size())
        for (std::size_t i = 0; i < bars.labels.size(); ++i)
            bars.labels[i] = static_cast<int>(first + i + 1);
    return bars;
}

ChartData historyChart(const HistoryResult& result, bool grouped, const std::string& symbol,
                       int most) {
    const HistoryBars bars = historyBars(result, most);
    ChartData data;
    data.title = std::string(grouped ? HistoryGroupsTitle : HistoryGraphTitle);
    data.currencySymbol = symbol;
    for (int label : bars.labels)
        data.labels.push_back(std::to_string(label));
    auto doubles = [](const std::vector<Currency>& values) {
        std::vector<double> out;
        for (Currency v : values)
            out.push_back(v.toDouble());
        return out;
    };
    if (grouped)
        data.series = {{"Assets", doubles(bars.assets)},
                       {"Liabilities", doubles(bars.liabilities)}};
    else
        data.values = doubles(bars.netWorth);
    return data;
}

std::vector<std::string> historyQuickHelp(const std::string& symbol) {
    return {
        "Net Worth History follows your net worth from one statement to the next.",
        "",
        "A statement is a net worth file (.NWV) saved from the Net Worth worksheet. Press "
        "\"Add Statement\", choose the file, then type the date it stands for (the file's date "
        "is proposed) and an optional label, and press Enter.",
        "",
        "The Date and Label boxes always show the statement chosen in the grid: type another "
        "date or label and press Enter to change it. \"Remove\" takes the chosen statement out "
        "of the history (in the Lines view, a followed loan's line stops following the loan).",
        "",
        "\"Follow Loan\" adds a mortgage or loan file (.umd or .uld) with a first payment date: "
        "at each statement its balance after the last payment on or before the statement's "
        "date is a liability of its own, unless the statement already lists the loan. Up to "
        "three loans.",
        "",
        "The Summary view shows, per statement, the total assets and liabilities, the net "
        "worth in " +
            symbol +
            ", its change since the statement before and since the first, and the yearly rate "
            "of that change from the first statement (blank under a year, or when a net worth "
            "is not above zero). The Lines view shows each line across the statements.",
        "",
        "Save File keeps the history (.Nwh) with its statements whole; the loan files are named "
        "relative to it.",
    };
}
