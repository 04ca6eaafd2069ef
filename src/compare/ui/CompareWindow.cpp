#include "CompareWindow.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CompareTables.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "Grid.h"
#include "Messages.h"
#include "PlanColumn.h"
#include "Platform.h"
#include "QtText.h"
#include "ShellState.h"
#include "Workspace.h"

namespace {

constexpr const char* QuickHelpLines[] = {
    "Compare Loans: up to three plans side by side, A, B and C.",
    "Type each plan in its column; a column without a principal is left out.",
    "",
    "Payment given: left empty, the payment is computed over the term; typed, the",
    "  schedule runs until the loan is paid, whatever the term.",
    "Convention: how the lender computes the schedule.",
    "  Worksheet: the mortgage and loan worksheet's own arithmetic (a .umd or .uld",
    "    file opened into a column comes in this way).",
    "  Bank, exact interest: interest never rounded, as most Canadian mortgage",
    "    statements carry it.",
    "  Bank, to the cent: each period's interest rounded to the cent, as",
    "    most US lenders do.",
    "  With a loan date and a first payment date, interest runs on the actual days",
    "    between payments / 365 (car loans, lines of credit).",
    "Lump sums: after:amount:s (shorten the term) or :l (lower the payment),",
    "  separated by semicolons: 12:5000:s; 60:10000:l. After 0: before the first payment.",
    "Renewals: after:new rate, e.g. 60:4.25; 120:5 - the rate from the next payment on.",
    "",
    "Calculate shows each plan's results; the grid shows the comparison, or the",
    "schedule of the plan chosen, every payment or yearly totals. To Printer prints",
    "what the grid shows. Show Graph draws each plan's balance at the start of each",
    "year. F1 opens the user guide.",
};

std::vector<std::string> quickHelp(const ShellState&) {
    return {std::begin(QuickHelpLines), std::end(QuickHelpLines)};
}

} // namespace

CompareWindow::CompareWindow(Workspace& workspace, CompareTables& tables, QWidget* parent)
    : WorksheetPage(workspace,
                    {"CompareLoans",
                     " Compare Loans",
                     {{"CmpCalc", "&Calculate", [this] { calculate(); }, &CmpCalc},
                      {"CmpPrinter", cmd::Print},
                      {"CmpGraphs", cmd::Graph},
                      {"CmpSaveFile", cmd::Save},
                      {"CmpLoadFile", cmd::Open},
                      {"CmpHelp", cmd::Help},
                      {"CmpExit", cmd::Exit}},
                     {.objectName = "CmpTextBox",
                      .lines = quickHelp,
                      .fit = HelpFit::FixedPitch,
                      .covers = "CmpGrid",
                      .disables = {"CmpPrinter", "CmpGraphs"},
                      .enterGoesTo = "CmpHelp",
                      .enterCloses = true},
                     {21, 22, "Loan Comparison (*.Cmp)|*.Cmp", "Cmp", msg::DetailOnly}},
                    parent),
      tables_(tables) {
    loadDefaults();
    buildControls();
    buildLayout();
    showCaption();
}

void CompareWindow::loadDefaults() {
    // Plan A as an example; B and C wait for a principal.
    for (LoanPlan& plan : tables_.Plans) {
        plan = LoanPlan{};
        plan.ratePercent = 5.25;
    }
    tables_.Plans[0].principal = Currency::fromWhole(250000);
    tables_.CompareChanged = 0;
}

void CompareWindow::buildControls() {
    for (int i = 0; i < 3; ++i) {
        const char letter = planLetter(static_cast<std::size_t>(i));
        auto* column = new PlanColumn(this, state_, workspace_.dialogs(),
                                      tables_.Plans[static_cast<std::size_t>(i)], letter);
        columns_[static_cast<std::size_t>(i)] = column;
        connect(column, &PlanColumn::changed, this, [this] {
            tables_.CompareChanged = 1;
            clearResults();
        });
        connect(column, &PlanColumn::fileRequested, this, [this, i] { onPlanFileRequested(i); });
        heads_[static_cast<std::size_t>(i)] =
            new QLabel(QStringLiteral("Plan %1").arg(letter), this);
    }

    SchedView = new QComboBox(this);
    SchedView->setObjectName(QStringLiteral("SchedView"));
    SchedView->addItems({QStringLiteral("the comparison"), QStringLiteral("every payment"),
                         QStringLiteral("yearly totals")});
    SchedView->setCurrentIndex(PaymentsView);
    SchedPlan = new QComboBox(this);
    SchedPlan->setObjectName(QStringLiteral("SchedPlan"));
    SchedPlan->addItems(
        {QStringLiteral("Plan A"), QStringLiteral("Plan B"), QStringLiteral("Plan C")});
    for (QComboBox* box : {SchedView, SchedPlan})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { fillGrid(); });

    CmpGrid = new Grid(this);
    CmpGrid->setObjectName(QStringLiteral("CmpGrid"));
    nameControl(CmpGrid, QStringLiteral("Comparison and schedule"));
    CmpGrid->setMinimumHeight(platform::twipsToPixels(2400));
    CmpTextBox = makeQuickHelpBox();

    makeCommands();
}

void CompareWindow::buildLayout() {
    QVBoxLayout* root = makePageLayout();

    // Captions on the left, a column per plan: the entries, then the results.
    auto* plans = new QGridLayout;
    plans->setHorizontalSpacing(6);
    plans->setVerticalSpacing(1);
    plans->setColumnStretch(0, 5);
    for (int c = 0; c < 3; ++c) {
        QLabel* head = heads_[static_cast<std::size_t>(c)];
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
        head->setAlignment(Qt::AlignCenter);
        plans->addWidget(head, 0, c + 1);
        plans->setColumnStretch(c + 1, 4);
    }
    // Each caption names its row's controls, every one with its plan ("Principal, plan A");
    // a result says its figure as its value.
    const auto plan = [](std::size_t c) {
        return QStringLiteral(", plan ") + QChar(planLetter(c));
    };
    int row = 1;
    const auto& entryTexts = PlanColumn::entryCaptions();
    for (std::size_t r = 0; r < entryTexts.size(); ++r, ++row) {
        const QString caption = QString::fromLatin1(entryTexts[r]);
        plans->addWidget(rowCaption(caption), row, 0);
        for (std::size_t c = 0; c < 3; ++c) {
            QWidget* cell = columns_[c]->entryCells()[r];
            plans->addWidget(cell, row, static_cast<int>(c) + 1);
            cell->setMinimumWidth(platform::twipsToPixels(1700));
            if (r <= PlanColumn::RenewalsRow) // the file button names itself
                nameControl(columns_[c]->rowControls()[r], caption + plan(c));
        }
    }
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    plans->addWidget(rule, row++, 0, 1, 4);
    const auto& resultTexts = PlanColumn::resultCaptions();
    for (std::size_t r = 0; r < resultTexts.size(); ++r, ++row) {
        const QString caption = QString::fromLatin1(resultTexts[r]);
        results_ = rowCaption(caption);
        plans->addWidget(results_, row, 0);
        for (std::size_t c = 0; c < 3; ++c) {
            QLabel* result = columns_[c]->resultLabels()[r];
            result->setMinimumHeight(platform::twipsToPixels(285));
            plans->addWidget(result, row, static_cast<int>(c) + 1);
            nameResult(result, caption + plan(c));
        }
    }
    root->addLayout(plans);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(3);
    commands->addWidget(CmpCalc);
    for (QWidget* b : tail())
        commands->addWidget(b);
    root->addLayout(commands);

    auto* chooser = new QHBoxLayout;
    schedViewCaption_ = rowCaption(QStringLiteral("The grid shows"));
    schedPlanCaption_ = rowCaption(QStringLiteral("Schedule of"));
    nameByCaption(schedViewCaption_, SchedView);
    nameByCaption(schedPlanCaption_, SchedPlan);
    chooser->addWidget(schedViewCaption_);
    chooser->addWidget(SchedView);
    chooser->addWidget(schedPlanCaption_);
    chooser->addWidget(SchedPlan);
    chooser->addStretch(1);
    root->addLayout(chooser);

    auto* stack = new QGridLayout;
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(CmpGrid, 0, 0);
    stack->addWidget(CmpTextBox, 0, 0);
    root->addLayout(stack, 1);

    for (std::size_t c = 0; c < 3; ++c)
        nameControl(columns_[c]->termUnit(), QStringLiteral("Term in years or months") + plan(c));

    // Tab: plan A top to bottom, then B, then C, the grid's choice, the commands.
    std::vector<QWidget*> tab;
    for (PlanColumn* column : columns_) {
        const auto chain = column->tabChain();
        tab.insert(tab.end(), chain.begin(), chain.end());
    }
    tab.insert(tab.end(), {SchedView, SchedPlan, CmpCalc});
    tab.insert(tab.end(), tail().begin(), tail().end());
    tab.push_back(CmpGrid);
    chainTabs(tab);
    for (std::size_t c = 0; c < 3; ++c)
        columns_[c]->setEnterNext(c + 1 < 3 ? columns_[c + 1]->rowControls().front() : CmpCalc);
    for (QComboBox* box : {SchedView, SchedPlan})
        box->installEventFilter(this);
}

// Enter on the grid's choices moves on to "&Calculate".
bool CompareWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    if (watched == SchedView && SchedPlan->isEnabled()) {
        SchedPlan->setFocus(Qt::TabFocusReason);
    } else {
        CmpCalc->setFocus(Qt::TabFocusReason);
    }
    return true;
}

// ---- leaving ----------------------------------------------------------------------------

void CompareWindow::leave() {
    compared_.clear();
    tables_ = {};
    file_.forget();
}
