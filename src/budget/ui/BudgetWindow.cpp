#include "BudgetWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "BudgetHelp.h"
#include "BudgetPeriods.h"
#include "BudgetRefresh.h"
#include "BudgetSide.h"
#include "BudgetSort.h"
#include "Colours.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "FileCommands.h"
#include "Messages.h"
#include "Platform.h"
#include "QtText.h"
#include "ShellState.h"
#include "TypedKey.h"
#include "Workspace.h"

BudgetWindow::BudgetWindow(Workspace& workspace, BudgetTables& tables, QWidget* parent)
    : WorksheetPage(workspace,
                    {"Budget",
                     " Budget Calculations",
                     {{"Help2", cmd::Help},
                      {"FilOpen", cmd::Open},
                      {"FilSave", "&Save File", [this] { saveFile(); }},
                      {"Ptr2", cmd::Print},
                      {"ExitBudget", cmd::Exit}},
                     {.objectName = "HelpTxt",
                      .lines = [](const ShellState&) { return std::vector{budgetQuickHelp("\n")}; },
                      .keys = HelpKeys::BeepTyped,
                      .focusOnShow = false},
                     {.openMode = filemode::OpenBudget,
                      .saveMode = filemode::SaveBudget,
                      .saveFailed = msg::BadBudgetFileName},
                     "Budget Calculations"},
                    parent),
      tables_(tables) {
    showCaption();
    // A fresh worksheet: empty tables, nothing drawn until the first refresh.
    tables_ = {};
    state_.EditStarted = 0;
    state_.SelectedRow = 0;
    buildControls();
    buildLayout();
}

void BudgetWindow::buildControls() {
    income_ = new BudgetSide(IncomeSideNames, workspace_, tables_, this);
    expense_ = new BudgetSide(ExpenseSideNames, workspace_, tables_, this);
    for (BudgetSide* side : {income_, expense_})
        connect(side, &BudgetSide::recordsChanged, this,
                [this](RecordSide s) { onRecordsChanged(static_cast<int>(s)); });

    auto list = [this](const char* name, auto entries, std::string_view initial) {
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        for (std::string_view e : entries)
            box->addItem(qs(e));
        box->setCurrentIndex(box->findText(qs(initial), Qt::MatchExactly));
        box->installEventFilter(this);
        connect(box, &QComboBox::activated, this, &BudgetWindow::onListEntryChosen);
        return box;
    };
    std::vector<std::string_view> periods;
    for (const auto& p : BudgetPeriods)
        periods.push_back(p.entry);
    FreqPeriod = list("FreqPeriod", periods, InitialPeriodEntry);
    SortBy = list("SortBy", BudgetSortEntries, InitialSortEntry);

    auto result = [this](const char* name) {
        QLabel* label = makeResultLabel(name, this);
        label->setMinimumWidth(platform::twipsToPixels(1250));
        return label;
    };
    NetBalance = result("NetBalance");
    NetBalanceBgt = result("NetBalanceBgt");
    netCaption_ = new QLabel(QStringLiteral(" Annual Net Balance"), this);
    netCaption_->setObjectName("NetCaption");
    netCaption_->setWordWrap(true); // as the sides' captions: never wider than its room
    nameNets();

    HelpTxt = makeQuickHelpBox();

    makeCommands();
}

void BudgetWindow::buildLayout() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(4, 2, 4, 4);
    root->setSpacing(3);

    // The two sides, with the quick help laid over them.
    auto* stack = new QGridLayout;
    auto* sides = new QHBoxLayout;
    sides->setSpacing(4);
    sides->addWidget(income_, 1);
    sides->addWidget(expense_, 1);
    stack->addLayout(sides, 0, 0);
    stack->addWidget(HelpTxt, 0, 0);
    root->addLayout(stack, 1);

    // Lists on the left, the net balances on the right, their column captions above.
    auto* bottom = new QGridLayout;
    bottom->setHorizontalSpacing(6);
    bottom->setVerticalSpacing(1);
    auto* periodCaption = new QLabel(QStringLiteral(" Show for period"), this);
    auto* sortCaption = new QLabel(QStringLiteral(" Sorted by"), this);
    nameByCaption(periodCaption, FreqPeriod);
    nameByCaption(sortCaption, SortBy);
    bottom->addWidget(periodCaption, 0, 0);
    bottom->addWidget(FreqPeriod, 1, 0);
    bottom->addWidget(sortCaption, 0, 1);
    bottom->addWidget(SortBy, 1, 1);
    bottom->setColumnStretch(2, 1);
    auto* current = new QLabel(QStringLiteral("Current"), this);
    auto* budgeted = new QLabel(QStringLiteral("Budgeted"), this);
    current->setAlignment(Qt::AlignCenter);
    budgeted->setAlignment(Qt::AlignCenter);
    netCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bottom->addWidget(current, 0, 3);
    bottom->addWidget(budgeted, 0, 4);
    bottom->addWidget(netCaption_, 1, 2);
    bottom->addWidget(NetBalance, 1, 3);
    bottom->addWidget(NetBalanceBgt, 1, 4);
    root->addLayout(bottom);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(3);
    const char* row[] = {"Help2", "FilOpen", "FilSave", "Ptr2", "ExitBudget"};
    for (const char* name : row)
        commands->addWidget(named(name));
    root->addLayout(commands);

    setTabOrder(income_->lastControl(), expense_->description());
    setTabOrder(expense_->lastControl(), FreqPeriod);
    chainTabs({FreqPeriod, SortBy, named(row[0]), named(row[1]), named(row[2]), named(row[3]),
               named(row[4])});
}

// ---- refresh ---------------------------------------------------------------------------

void BudgetWindow::refreshBudget() {
    if (const auto order = findSortOrder(SortBy->currentText().toStdString()))
        tables_.SortOrder = static_cast<std::int16_t>(*order);
    if (const BudgetPeriod* period = findPeriod(FreqPeriod->currentText().toStdString()))
        periodFactor_ = period->factor;
    SortIncomeRecords(tables_);
    income_->fillGrid(periodFactor_, seps_);
    SortExpenseRecords(tables_);
    expense_->fillGrid(periodFactor_, seps_);

    const BudgetPeriod* period = findPeriod(FreqPeriod->currentText().toStdString());
    if (!period)
        period = &BudgetPeriods.back();
    const auto figures = budgetFigures(tables_);
    if (figures) {
        const BudgetLabels l = budgetLabels(*figures, *period, state_.CurrencySymbol, seps_);
        income_->showTotals(l.incomeCaption, l.TotInc, l.TotIncBgt);
        expense_->showTotals(l.expenseCaption, l.TotExp, l.TotExpBgt);
        netCaption_->setText(qs(l.netCaption));
        nameNets();
        NetBalance->setText(qs(l.NetBalance));
        NetBalanceBgt->setText(qs(l.NetBalanceBgt));
        for (auto [label, red] :
             {std::pair{NetBalance, l.netNegative}, {NetBalanceBgt, l.netBudgetedNegative}})
            setTextColour(label, red ? colours::AlertText : colours::NormalText);
    } else {
        // A sum too large for the figures: no results.
        income_->showTotals(std::string(period->incomeLabel), {}, {});
        expense_->showTotals(std::string(period->expenseLabel), {}, {});
        NetBalance->clear();
        NetBalanceBgt->clear();
        workspace_.dialogs().showMessage(figures.failure().code);
    }
    (editedSide_ == 1 ? income_ : expense_)->focusDescription();
    editedSide_ = 0;
    tables_.BudgetChanged = 1;
}

void BudgetWindow::nameNets() {
    // The columns' captions above the two figures tell them apart.
    nameResult(NetBalance, netCaption_->text() + QStringLiteral(", current"));
    nameResult(NetBalanceBgt, netCaption_->text() + QStringLiteral(", budgeted"));
}

void BudgetWindow::onRecordsChanged(int editedSide) {
    editedSide_ = editedSide;
    refreshBudget();
}

void BudgetWindow::onListEntryChosen() {
    // With both lists empty there is nothing to redraw.
    if (!tables_.empty())
        refreshBudget();
}

// ---- help, keys and leaving --------------------------------------------------------------

bool BudgetWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool list = watched == FreqPeriod || watched == SortBy;
    if (list && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        platform::clearClipboard();
        return false;
    }
    if (list && event->type() == QEvent::KeyPress) {
        // The lists take no typing; arrows, Tab and the list's own opening keys still work.
        const typed_key::Key key = typed_key::classify(static_cast<QKeyEvent*>(event));
        if (key.kind == typed_key::Kind::Typed || key.kind == typed_key::Kind::Enter ||
            key.kind == typed_key::Kind::Blocked) {
            platform::beep();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool BudgetWindow::mayLeave() {
    if (tables_.BudgetChanged != 1 || tables_.empty())
        return true;
    return file_.ask(question::SaveBeforeErasing) != question::Yes;
}

void BudgetWindow::leave() {
    tables_ = {};
    file_.forget();
    state_.EditStarted = 0;
}
