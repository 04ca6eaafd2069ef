#include "CompareWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <map>

#include "BusyCursor.h"
#include "CommandButton.h"
#include "CompareTables.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "GraphHandOver.h"
#include "GraphSeries.h"
#include "Grid.h"
#include "Messages.h"
#include "PlanColumn.h"
#include "PlanSpec.h"
#include "Platform.h"
#include "PrintJob.h"
#include "Printer.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "WorksheetFrame.h"
#include "Workspace.h"

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

constexpr const char* QuickHelp[] = {
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

} // namespace

CompareWindow::CompareWindow(Workspace& workspace, CompareTables& tables, QWidget* parent)
    : QWidget(parent), workspace_(workspace), state_(workspace.state()), tables_(tables),
      seps_(platform::systemSeparators()) {
    setObjectName(QStringLiteral("CompareLoans"));
    QFont compact = font();
    compact.setPointSizeF(8);
    setFont(compact);
    loadDefaults();
    buildControls();
    buildLayout();
    workspace_.setCaption(QStringLiteral(" Compare Loans"));
    setWindowTitle(QStringLiteral(" Compare Loans"));
}

CompareWindow::~CompareWindow() = default;

void CompareWindow::loadDefaults() {
    // Plan A as an example; B and C wait for a principal.
    for (LoanPlan& plan : tables_.Plans) {
        plan = LoanPlan{};
        plan.ratePercent = 5.25;
    }
    tables_.Plans[0].principal = Currency::fromWhole(250000);
    tables_.CompareChanged = 0;
    state_.ScheduleYears = 0;
    state_.GraphGroups.clear();
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
    CmpTextBox = new QPlainTextEdit(this);
    CmpTextBox->setObjectName(QStringLiteral("CmpTextBox"));
    nameControl(CmpTextBox, QStringLiteral("Quick Help"));
    CmpTextBox->setReadOnly(true);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPointSizeF(8);
    CmpTextBox->setFont(mono);
    CmpTextBox->hide();

    auto button = [this](const char* name, const char* text) {
        return commandButton(this, name, text);
    };
    CmpCalc = button("CmpCalc", "&Calculate");
    CmpPrinter = button("CmpPrinter", "To &Printer");
    CmpGraphs = button("CmpGraphs", "Show &Graph");
    CmpSaveFile = button("CmpSaveFile", "&Save File");
    CmpLoadFile = button("CmpLoadFile", "&Open File");
    CmpHelp = button("CmpHelp", "Quick &Help");
    CmpExit = button("CmpExit", "E&xit to Menu");
    connect(CmpCalc, &QPushButton::clicked, this, &CompareWindow::onCalculateClicked);
    connect(CmpPrinter, &QPushButton::clicked, this, &CompareWindow::onPrinterClicked);
    connect(CmpGraphs, &QPushButton::clicked, this, &CompareWindow::onGraphClicked);
    connect(CmpSaveFile, &QPushButton::clicked, this, &CompareWindow::onSaveClicked);
    connect(CmpLoadFile, &QPushButton::clicked, this, &CompareWindow::onOpenClicked);
    connect(CmpHelp, &QPushButton::clicked, this, &CompareWindow::onHelpClicked);
    connect(CmpExit, &QPushButton::clicked, this, &CompareWindow::onExitClicked);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, &CompareWindow::onHelpKey);
}

void CompareWindow::buildLayout() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 3, 6, 6);
    root->setSpacing(4);

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
    int row = 1;
    const auto& entryTexts = PlanColumn::entryCaptions();
    for (std::size_t r = 0; r < entryTexts.size(); ++r, ++row) {
        QLabel* label = caption(QString::fromLatin1(entryTexts[r]), this);
        plans->addWidget(label, row, 0);
        for (std::size_t c = 0; c < 3; ++c) {
            QWidget* cell = columns_[c]->entryCells()[r];
            plans->addWidget(cell, row, static_cast<int>(c) + 1);
            cell->setMinimumWidth(platform::twipsToPixels(1700));
        }
        entryCaptions_.push_back(label);
    }
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    plans->addWidget(rule, row++, 0, 1, 4);
    const auto& resultTexts = PlanColumn::resultCaptions();
    for (std::size_t r = 0; r < resultTexts.size(); ++r, ++row) {
        QLabel* label = caption(QString::fromLatin1(resultTexts[r]), this);
        plans->addWidget(label, row, 0);
        for (std::size_t c = 0; c < 3; ++c) {
            QLabel* result = columns_[c]->resultLabels()[r];
            result->setMinimumHeight(platform::twipsToPixels(285));
            plans->addWidget(result, row, static_cast<int>(c) + 1);
        }
        resultCaptions_.push_back(label);
    }
    results_ = resultCaptions_.back();
    root->addLayout(plans);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(3);
    for (QPushButton* b :
         {CmpCalc, CmpPrinter, CmpGraphs, CmpSaveFile, CmpLoadFile, CmpHelp, CmpExit})
        commands->addWidget(b);
    root->addLayout(commands);

    auto* chooser = new QHBoxLayout;
    schedViewCaption_ = caption(QStringLiteral("The grid shows"), this);
    schedPlanCaption_ = caption(QStringLiteral("Schedule of"), this);
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

    // Each caption names the plan A control of its row; B and C say their plan too.
    for (std::size_t c = 0; c < 3; ++c) {
        const QString plan = QStringLiteral(", plan ") + QChar(planLetter(c));
        const std::vector<QWidget*> controls = columns_[c]->rowControls();
        for (std::size_t r = 0; r < controls.size(); ++r) {
            if (c == 0)
                nameByCaption(entryCaptions_[r], controls[r]);
            else
                nameControl(controls[r], entryCaptions_[r]->text() + plan);
        }
        nameControl(columns_[c]->termUnit(), QStringLiteral("Term in years or months") + plan);
    }

    // Tab: plan A top to bottom, then B, then C, the grid's choice, the commands.
    std::vector<QWidget*> tab;
    for (PlanColumn* column : columns_) {
        const auto chain = column->tabChain();
        tab.insert(tab.end(), chain.begin(), chain.end());
    }
    tab.insert(tab.end(), {SchedView, SchedPlan, CmpCalc, CmpPrinter, CmpGraphs, CmpSaveFile,
                           CmpLoadFile, CmpHelp, CmpExit, CmpGrid});
    for (std::size_t i = 0; i + 1 < tab.size(); ++i)
        setTabOrder(tab[i], tab[i + 1]);
    for (std::size_t c = 0; c < 3; ++c)
        columns_[c]->setEnterNext(c + 1 < 3 ? columns_[c + 1]->rowControls().front() : CmpCalc);
    for (QWidget* w : {static_cast<QWidget*>(SchedView), static_cast<QWidget*>(SchedPlan),
                       static_cast<QWidget*>(CmpTextBox)})
        w->installEventFilter(this);
}

int CompareWindow::plansInUse() const {
    int used = 0;
    for (int i = 0; i < 3; ++i)
        if (columns_[static_cast<std::size_t>(i)]->inUse())
            used = i + 1;
    return used;
}

// Enter on the grid's choices moves on to "&Calculate"; in the help, it closes the help.
bool CompareWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    if (watched == CmpTextBox) {
        showHelp(false);
        CmpHelp->setFocus(Qt::TabFocusReason);
    } else if (watched == SchedView && SchedPlan->isEnabled()) {
        SchedPlan->setFocus(Qt::TabFocusReason);
    } else {
        CmpCalc->setFocus(Qt::TabFocusReason);
    }
    return true;
}

// ---- results ----------------------------------------------------------------------------

void CompareWindow::clearResults() {
    compared_.clear();
    CmpGrid->clearBody(1);
    for (PlanColumn* column : columns_)
        column->clearResult();
    state_.ScheduleYears = 0;
    state_.GraphGroups.clear();
}

bool CompareWindow::calculate() {
    BusyCursor busy;
    clearResults();
    for (PlanColumn* column : columns_)
        if (!column->readTexts())
            return false;
    const int count = plansInUse();
    if (count == 0) {
        workspace_.dialogs().showMessage(msg::WrongOrMissingEntry);
        return false;
    }
    std::vector<ComparedPlan> compared;
    for (int i = 0; i < count; ++i) {
        LoanPlan plan = tables_.Plans[static_cast<std::size_t>(i)];
        if (plan.convention == Convention::Worksheet) {
            plan.worksheet = worksheetInput(plan);
            plan.worksheet.dateView = plan.firstPayment ? 1 : 0;
        }
        Result<PlanResult> result = calculatePlan(plan);
        if (!result) {
            const Failure& f = result.failure();
            state_.MessageDetail = std::string("Plan ") + planLetter(static_cast<std::size_t>(i)) +
                                   ": " + (f.code != 0 ? messageText(f.code) : f.what);
            workspace_.dialogs().showMessage(msg::DetailOnly);
            return false;
        }
        compared.push_back({std::move(plan), std::move(result).value()});
    }
    compared_ = std::move(compared);
    const auto date = [](int day) { return platform::shortDate(day); };
    for (std::size_t i = 0; i < compared_.size(); ++i)
        columns_[i]->showResult(compared_[i], interestSaved(compared_, i), date);
    if (SchedPlan->currentIndex() >= count)
        SchedPlan->setCurrentIndex(0);
    fillGrid();
    state_.GraphGroups = balanceGraphSeries(compared_);
    state_.ScheduleYears = static_cast<std::int16_t>(balanceGraphYears(state_.GraphGroups));
    state_.GraphTitle = ComparisonGraphTitle;
    // Bring the results into sight when the worksheet scrolls.
    for (QWidget* up = parentWidget(); up; up = up->parentWidget())
        if (auto* scroller = qobject_cast<QScrollArea*>(up)) {
            scroller->ensureWidgetVisible(results_);
            break;
        }
    return true;
}

ReportSettings CompareWindow::settings() const {
    ReportSettings s;
    s.header = state_.HeaderText;
    s.currencySymbol = state_.CurrencySymbol;
    s.fontChoice = state_.PrinterFontChoice;
    s.seps = seps_;
    return s;
}

CompareReportInput CompareWindow::reportInput() const {
    CompareReportInput in;
    static_cast<ReportSettings&>(in) = settings();
    in.plans = compared_;
    in.formatDate = [](int day) { return platform::shortDate(day); };
    return in;
}

void CompareWindow::fillGrid() {
    CmpGrid->clearBody(1);
    const int view = SchedView->currentIndex();
    SchedPlan->setEnabled(view != ComparisonView);
    if (compared_.empty())
        return;
    if (view == ComparisonView) {
        const std::vector<ComparisonLine> lines = comparisonLines(reportInput());
        const int cols = static_cast<int>(compared_.size()) + 1;
        CmpGrid->setCols(cols);
        CmpGrid->setFixedCols(1);
        CmpGrid->setColumnWidthTwips(0, 2600);
        CmpGrid->setColumnAlignment(0, Qt::AlignLeft);
        CmpGrid->setText(0, 0, QString());
        for (int c = 1; c < cols; ++c) {
            CmpGrid->setColumnWidthTwips(c, 1900);
            CmpGrid->setColumnAlignment(c, Qt::AlignRight);
            CmpGrid->setText(0, c, QStringLiteral("Plan %1").arg(planLetter(c - 1)));
        }
        std::vector<QString> cells;
        for (const ComparisonLine& line : lines) {
            cells.push_back(qs(line.label));
            for (int c = 1; c < cols; ++c)
                cells.push_back(line.plans.empty() ? QString() : qs(line.plans[c - 1]));
        }
        CmpGrid->setRowsData(1, std::move(cells));
    } else {
        const bool annual = view == YearsView;
        const std::size_t plan =
            std::min(static_cast<std::size_t>(SchedPlan->currentIndex()), compared_.size() - 1);
        // Rows are made as they come into sight; the last row asked for is kept, since the
        // grid asks for a row's cells one by one.
        struct Source {
            explicit Source(ScheduleTexts t) : texts(std::move(t)) {}
            ScheduleTexts texts;
            std::size_t row = static_cast<std::size_t>(-1);
            std::vector<std::string> cells;
        };
        auto source = std::make_shared<Source>(ScheduleTexts(
            compared_[plan], annual, settings(), [](int day) { return platform::shortDate(day); }));
        // The texts' columns the grid shows: the date only where the plan has dates.
        const bool dated = !annual && !compared_[plan].result.rows.empty() &&
                           compared_[plan].result.rows.front().date;
        std::vector<std::size_t> shown;
        std::vector<const char*> headings;
        const char* const all[] = {"No.",       "Date",  "Payment", "Interest",
                                   "Principal", "Extra", "Balance"};
        const char* const years[] = {"Year", "Payments", "Interest", "Principal", "Balance"};
        for (std::size_t c = 0; c < (annual ? 5u : 7u); ++c)
            if (annual || dated || c != 1) {
                shown.push_back(c);
                headings.push_back(annual ? years[c] : all[c]);
            }
        const int cols = static_cast<int>(headings.size());
        CmpGrid->setCols(cols);
        CmpGrid->setFixedCols(1);
        for (int c = 0; c < cols; ++c) {
            CmpGrid->setText(0, c, QString::fromLatin1(headings[static_cast<std::size_t>(c)]));
            CmpGrid->setColumnAlignment(c, c == 0 ? Qt::AlignHCenter : Qt::AlignRight);
            CmpGrid->setColumnWidthTwips(c, c == 0 ? 700 : 1500);
        }
        CmpGrid->setRowsSource(1, static_cast<int>(source->texts.rows()),
                               [source, shown](int row, int col) {
                                   const auto r = static_cast<std::size_t>(row - 1);
                                   if (r != source->row) {
                                       source->cells = source->texts.row(r);
                                       source->row = r;
                                   }
                                   return qs(source->cells[shown[static_cast<std::size_t>(col)]]);
                               });
    }
    CmpGrid->setFitColumnsToWidth(true);
    CmpGrid->scrollToTopRow();
}

// ---- commands ---------------------------------------------------------------------------

void CompareWindow::onCalculateClicked() {
    calculate();
}

void CompareWindow::onGraphClicked() {
    showGraphFrom(workspace_, GraphFromCompare);
}

void CompareWindow::onPrinterClicked() {
    if (compared_.empty()) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    const int view = SchedView->currentIndex();
    const std::size_t plan =
        std::min(static_cast<std::size_t>(SchedPlan->currentIndex()), compared_.size() - 1);
    runPrintout(state_, workspace_.dialogs(), workspace_.printers(), [&](Printer& printer) {
        const CompareReportInput in = reportInput();
        if (view == ComparisonView)
            printComparison(printer, in);
        else
            printSchedule(printer, in, plan, view == YearsView, state_.LinesPerPage);
    });
}

void CompareWindow::showHelp(bool show) {
    if (show) {
        QStringList lines;
        for (const char* line : QuickHelp)
            lines << QString::fromLatin1(line);
        CmpTextBox->setPlainText(lines.join(QLatin1Char('\n')));
    } else {
        CmpTextBox->clear();
        if (CmpTextBox->hasFocus())
            CmpHelp->setFocus(Qt::OtherFocusReason);
    }
    CmpTextBox->setVisible(show);
    CmpGrid->setVisible(!show);
    CmpHelp->setText(show ? QStringLiteral("Close &Help") : QStringLiteral("Quick &Help"));
    CmpPrinter->setEnabled(!show);
    CmpGraphs->setEnabled(!show);
    if (show)
        CmpTextBox->setFocus(Qt::OtherFocusReason);
}

void CompareWindow::onHelpClicked() {
    showHelp(CmpTextBox->isHidden());
}

void CompareWindow::onHelpKey() {
    platform::openWithDesktop(QDir(qs(state_.ProgramFolder)).filePath("pnxuse33.html"));
}

// ---- leaving ----------------------------------------------------------------------------

bool CompareWindow::keepForSaving() {
    if (tables_.CompareChanged != 1 || plansInUse() == 0)
        return false;
    return workspace_.dialogs().ask(question::SaveBeforeErasing) == question::Yes;
}

void CompareWindow::leave() {
    compared_.clear();
    tables_ = {};
    state_.ScheduleYears = 0;
    state_.GraphGroups.clear();
    state_.GraphSource = 0;
    state_.CurrentFileName.clear();
}

void CompareWindow::onExitClicked() {
    if (keepForSaving())
        return;
    leave();
    leaving_ = true;
    QWidget* frame = worksheetFrame(this);
    frame->close();
    workspace_.showMenu();
}

void CompareWindow::closeEvent(QCloseEvent* event) {
    if (!leaving_ && keepForSaving()) {
        event->ignore();
        return;
    }
    leave();
    event->accept();
}
