#pragma once
// A budget worksheet in a test program, driven by keys and scripts: scripted dialogs,
// captured printouts, a temporary program folder.
// Script probes: changed (BudgetChanged), counts ("income/expense"). Script steps:
// income:description|amount|payments|budgeted (the side's boxes filled, then Add), likewise
// expense; incomes:n (the income count set).
#include <QCoreApplication>
#include <QPushButton>
#include <memory>

#include "BudgetWindow.h"
#include "WorksheetScript.h"

struct BudgetSheet {
    BudgetSheet() {
        window->resize(900, 600);
        activate(window.get());
        script.probe = [this](const QString& name) {
            return name == "changed" ? QString::number(tables->BudgetChanged)
                   : name == "counts"
                       ? QString("%1/%2").arg(tables->IncomeCount).arg(tables->ExpenseCount)
                       : QString();
        };
        script.step = [this](const QString& name, const QString& v) {
            const QStringList f = v.split('|');
            const QString side = name == "income" ? "Inc" : "Exp";
            if (name == "incomes")
                tables->IncomeCount = static_cast<std::int16_t>(v.toInt());
            else if (f.size() == 4 && (name == "income" || name == "expense"))
                return script
                    .run(QString("In%1Desc:%2; In%1Amt:%3; In%1Freq:%4; In%1BgtAmt:%5; Alt+%6")
                             .arg(side, f[0], f[1], f[2], f[3], side == "Inc" ? "A" : "D"))
                    .isEmpty();
            return name == "incomes";
        };
    }
    template <class T = QWidget> T* find(const char* name) const { return script.find<T>(name); }
    QString text(const char* name) const { return script.text(name); }
    QString row(const char* grid, int r) const {
        return script.text(QString("%1[%2]").arg(grid).arg(r));
    }
    std::vector<int> messages() const { return ws.scripted.messages(); }
    ShellState& st() { return ws.shared; }

    TestWorkspace ws;
    std::unique_ptr<BudgetTables> tables = std::make_unique<BudgetTables>();
    std::unique_ptr<BudgetWindow> window = std::make_unique<BudgetWindow>(ws, *tables);
    WorksheetScript script{ws, window.get()};
};
