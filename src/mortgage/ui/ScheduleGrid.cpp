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

std::vector<QString> scheduleGridCells(const Amortization& result, const ScheduleGridOptions& options) {
    const int view = scheduleFirstColumnView(options);
    const int last = std::min<int>(result.last, static_cast<int>(result.rows.size()) - 1);
    const bool extras = options.extraPaymentsInUse > 0;
    // Schedule rows, "Total:", then (with additional payments) two empty rows, the
    // heading row and one row per applied payment.
    const size_t rows = static_cast<size_t>(std::max(last, 0)) + 1 + (extras ? 3 + result.applied.size() : 0);
    std::vector<QString> cells(rows * Cols);
    auto money = [&](Currency c) { return qs(formatNumber(c, "####,,###.00", options.seps)); };

    for (int k = 1; k <= last; ++k) {
        const ScheduleRow& row = result.rows[static_cast<size_t>(k)];
        QString* out = &cells[static_cast<size_t>(k - 1) * Cols];
        if (view == 2 && options.formatDate) {
            out[0] = qs(options.formatDate(whole(row.dateOrYear)));
        } else if (view == 1) {
            out[0] = qs(RightAlign(formatNumber(row.number, "####"), 5));
        } else {
            out[0] = qs(RightAlign(formatNumber(row.number, "####"), 5) +
                        RightAlign(formatNumber(row.dateOrYear, "###"), 4));
        }
        out[1] = money(row.interest);
        out[2] = money(row.principal);
        out[3] = money(row.balance);
        out[4] = money(row.cumInterest);
        out[5] = money(row.cumPrincipal);
    }

    QString* total = &cells[static_cast<size_t>(std::max(last, 0)) * Cols];
    total[0] = "Total:";
    if (last >= 1) {
        const ScheduleRow& final = result.rows[static_cast<size_t>(last)];
        const std::string& sym = options.currencySymbol;
        total[3] = qs(sym + formatNumber(final.balance, "####,,###.00", options.seps));
        total[4] = qs(sym + formatNumber(final.cumInterest, "####,,###.00", options.seps));
        total[5] = qs(sym + formatNumber(final.cumPrincipal, "####,,###.00", options.seps));
    }

    if (extras) {
        QString* head = &cells[static_cast<size_t>(last + 3) * Cols];
        head[1] = "Additional ";
        head[2] = "Payments  ";
        head[3] = "Applied  ";
        size_t r = static_cast<size_t>(last) + 4;
        for (const AppliedExtraPayment& paid : result.applied) {
            QString* out = &cells[r * Cols];
            out[1] = qs("Year  " + RightAlign(formatNumber(static_cast<double>(paid.year), "###"), 3));
            out[2] = qs(formatNumber(paid.amount, "###,,###.00", options.seps));
            ++r;
        }
    }
    return cells;
}
