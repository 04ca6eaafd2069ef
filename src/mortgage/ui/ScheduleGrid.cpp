#include "ScheduleGrid.h"

namespace {
constexpr int Cols = 6;

QString qs(const std::string& s) { return QString::fromStdString(s); }

int whole(Currency c) { return static_cast<int>(c.raw() / Currency::Scale); }
} // namespace

int scheduleFirstColumnView(const ScheduleGridOptions& options) {
    if (options.scheduleView == 1) return 1;
    return options.dateView == 1 ? 2 : 0;
}

std::array<std::string, 6> scheduleGridHeadings(int firstColumnView) {
    const char* first = firstColumnView == 1   ? " Payment  Year"
                        : firstColumnView == 2 ? " Payment  Date"
                                               : "  Payment   No.  Year";
    return {first, "Interest Payment", "Principal Payment", "Remaining Balance", "Cumulative Interest",
            "Cumulative Principal"};
}

namespace {
int scheduleRows(const Amortization& result) {
    return std::max(std::min<int>(result.last, static_cast<int>(result.rows.size()) - 1), 0);
}

QString money(Currency c, const ScheduleGridOptions& options) {
    return qs(formatNumber(c, "####,,###.00", options.seps));
}

QString firstColumn(const ScheduleRow& row, int view, const ScheduleGridOptions& options) {
    if (view == 2 && options.formatDate) return qs(options.formatDate(whole(row.dateOrYear)));
    if (view == 1) return qs(RightAlign(formatNumber(row.number, "####"), 5));
    return qs(RightAlign(formatNumber(row.number, "####"), 5) + RightAlign(formatNumber(row.dateOrYear, "###"), 4));
}

QString totalCell(const Amortization& result, const ScheduleGridOptions& options, int last, int col) {
    if (col == 0) return QStringLiteral("Total:");
    if (last < 1 || col < 3) return {};
    const ScheduleRow& final = result.rows[static_cast<size_t>(last)];
    const Currency figure = col == 3 ? final.balance : col == 4 ? final.cumInterest : final.cumPrincipal;
    return qs(options.currencySymbol + formatNumber(figure, "####,,###.00", options.seps));
}

// Two empty rows after "Total:", the block's heading, then one row per applied payment.
QString extraPaymentCell(const Amortization& result, const ScheduleGridOptions& options, int below, int col) {
    if (below == 3) {
        static const char* const heading[] = {"", "Additional ", "Payments  ", "Applied  "};
        return col < 4 ? QString(heading[col]) : QString();
    }
    const int index = below - 4;
    if (index < 0 || index >= static_cast<int>(result.applied.size())) return {};
    const AppliedExtraPayment& paid = result.applied[static_cast<size_t>(index)];
    if (col == 1) return qs("Year  " + RightAlign(formatNumber(static_cast<double>(paid.year), "###"), 3));
    if (col == 2) return qs(formatNumber(paid.amount, "###,,###.00", options.seps));
    return {};
}
} // namespace

int scheduleGridRows(const Amortization& result, const ScheduleGridOptions& options) {
    const bool extras = options.extraPaymentsInUse > 0;
    return scheduleRows(result) + 1 + (extras ? 3 + static_cast<int>(result.applied.size()) : 0);
}

QString scheduleGridCell(const Amortization& result, const ScheduleGridOptions& options, int row, int col) {
    const int last = scheduleRows(result);
    if (row < 1 || col < 0 || col >= Cols || row > scheduleGridRows(result, options)) return {};
    if (row == last + 1) return totalCell(result, options, last, col);
    if (row > last) return extraPaymentCell(result, options, row - last - 1, col);
    const ScheduleRow& r = result.rows[static_cast<size_t>(row)];
    switch (col) {
    case 0: return firstColumn(r, scheduleFirstColumnView(options), options);
    case 1: return money(r.interest, options);
    case 2: return money(r.principal, options);
    case 3: return money(r.balance, options);
    case 4: return money(r.cumInterest, options);
    default: return money(r.cumPrincipal, options);
    }
}
