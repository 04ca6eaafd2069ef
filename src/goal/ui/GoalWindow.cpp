#include "GoalWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "BusyCursor.h"
#include "Colours.h"
#include "CommandButton.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "GoalReport.h"
#include "GoalTables.h"
#include "GoalTexts.h"
#include "GraphHandOver.h"
#include "GraphSeries.h"
#include "Grid.h"
#include "Messages.h"
#include "Platform.h"
#include "PrintJob.h"
#include "SavingsTables.h"
#include "SavingsTexts.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "WorksheetFrame.h"
#include "Workspace.h"

namespace {
// The grid's columns, as the savings worksheet has them.
constexpr int DefaultColumnTwips = 975;
constexpr int ColumnWidening[4] = {300, 1450, 1450, 1510};

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QComboBox* makeList(const char* name, QWidget* parent, bool editable) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr); // a typed figure is never completed from the entries
        box->lineEdit()->setAlignment(Qt::AlignRight);
        paintEntry(box->lineEdit());
    }
    paintEntry(box, true);
    box->setMinimumWidth(platform::twipsToPixels(1500));
    return box;
}

template <std::size_t N>
void addEntries(QComboBox* box, const std::array<const char*, N>& entries) {
    for (const char* e : entries)
        box->addItem(QString::fromLatin1(e));
}

QLabel* caption(const char* text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    nameByCaption(label, control);
    return label;
}
} // namespace

GoalWindow::GoalWindow(Workspace& workspace, GoalTables& tables, QWidget* parent)
    : QWidget(parent), workspace_(workspace), state_(workspace.state()), tables_(tables),
      seps_(platform::systemSeparators()) {
    setObjectName("GoalCalc");
    QFont compact = font();
    compact.setPointSizeF(8);
    setFont(compact);
    buildControls();
    buildLayout();
    setUpEntries();

    workspace_.setCaption(QStringLiteral(" Savings Goal Calculations"));
    setWindowTitle(QStringLiteral(" Savings Goal Calculations"));
    tables_ = {};
    storeGoalInput(tables_, defaultGoalInput());
    state_.EditStarted = 0;
    layOutGrid();
    showEntries();
}

GoalWindow::~GoalWindow() = default;

void GoalWindow::buildControls() {
    GSolve = makeList("GSolve", this, false);
    for (const GoalUnknownNames& n : GoalUnknowns)
        GSolve->addItem(qs(std::string(n.listText)));
    GTarget = new QLineEdit(this);
    GTarget->setObjectName("GTarget");
    GTarget->setAlignment(Qt::AlignRight);
    paintEntry(GTarget);
    GToday = new QCheckBox(QStringLiteral("In today's &money"), this);
    GToday->setObjectName("GToday");

    GLumpInv = makeList("GLumpInv", this, true);
    GInvest = makeList("GInvest", this, true);
    GMonthsYrs = makeList("GMonthsYrs", this, false);
    for (const SavingsFrequency& f : SavingsFrequencies)
        GMonthsYrs->addItem(qs(std::string(f.text)));
    GRate = makeList("GRate", this, true);
    GIncrRate = makeList("GIncrRate", this, true);
    GInflatRate = makeList("GInflatRate", this, true);
    GTerm = makeList("GTerm", this, true);
    addEntries(GLumpInv, LumpSumEntries);
    addEntries(GInvest, ContributionEntries);
    addEntries(GRate, RateEntries);
    addEntries(GIncrRate, IncreaseEntries);
    addEntries(GInflatRate, IncreaseEntries);
    addEntries(GTerm, YearsEntries);

    GAnswer = makeResultLabel("GAnswer", this);
    nameResult(GAnswer, QStringLiteral("Answer"));
    GNote = new QLabel(this);
    GNote->setObjectName("GNote");
    nameResult(GNote, QStringLiteral("Values at the end"));
    GNote->setWordWrap(true);
    GNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    GGrid = new Grid(this);
    nameControl(GGrid, "Solved plan");
    GGrid->setObjectName("GGrid");
    GTextBox = new QPlainTextEdit(this);
    nameControl(GTextBox, "Quick Help text");
    GTextBox->setObjectName("GTextBox");
    GTextBox->setReadOnly(true);
    GTextBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    GTextBox->hide();
    GTextBox->installEventFilter(this);

    auto button = [this](const char* name, const char* text) {
        return commandButton(this, name, text);
    };
    GCalc = button("GCalc", "&Calculate");
    GPrinter = button("GPrinter", "To &Printer");
    GGraphs = button("GGraphs", "&Show Graph");
    GSave = button("GSave", "S&ave File");
    GOpen = button("GOpen", "&Open File");
    GHelp = button("GHelp", "Quick &Help");
    GExit = button("GExit", "E&xit to Menu");
    connect(GCalc, &QPushButton::clicked, this, &GoalWindow::onCalculateClicked);
    connect(GPrinter, &QPushButton::clicked, this, &GoalWindow::onPrinterClicked);
    connect(GGraphs, &QPushButton::clicked, this, &GoalWindow::onGraphClicked);
    connect(GSave, &QPushButton::clicked, this, &GoalWindow::onSaveClicked);
    connect(GOpen, &QPushButton::clicked, this, &GoalWindow::onOpenClicked);
    connect(GHelp, &QPushButton::clicked, this, &GoalWindow::onHelpClicked);
    connect(GExit, &QPushButton::clicked, this, &GoalWindow::onExitClicked);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, &GoalWindow::onHelpKey);
}

void GoalWindow::buildLayout() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 3, 6, 6);
    root->setSpacing(4);

    // The goal on the first row, the savings entries on the next two, each caption above
    // its box as on the savings worksheet.
    auto* entries = new QGridLayout;
    entries->setHorizontalSpacing(8);
    entries->setVerticalSpacing(1);
    const std::pair<const char*, QWidget*> cells[] = {
        {" Solve &for", GSolve},
        {" &Target value at the end.", GTarget},
        {" Amount of  lump sum             invested at start.", GLumpInv},
        {" Amount invested at each       contribution period.", GInvest},
        {" Frequency of each                contribution period.", GMonthsYrs},
        {" Annual interest/growth          rate (%).", GRate},
        {" Increase the annual               investment rate(%) by", GIncrRate},
        {" Adjust current value for          annual inflation rate(%).     ", GInflatRate},
        {" Number of years invested.", GTerm},
    };
    // Grid positions (row of the caption, column) of the cells above.
    const std::pair<int, int> at[] = {{0, 0}, {0, 1}, {2, 0}, {2, 1}, {2, 2},
                                      {2, 3}, {4, 0}, {4, 1}, {4, 2}};
    for (std::size_t i = 0; i < std::size(cells); ++i) {
        const auto [row, col] = at[i];
        entries->addWidget(caption(cells[i].first, cells[i].second, this), row, col);
        entries->addWidget(cells[i].second, row + 1, col);
    }
    entries->addWidget(GToday, 1, 2);
    auto* answerCaption = new QLabel(QStringLiteral(" Answer"), this);
    answerCaption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    entries->addWidget(answerCaption, 0, 3);
    entries->addWidget(GAnswer, 1, 3);
    entries->addWidget(GNote, 4, 3, 2, 1);
    for (int col = 0; col < 4; ++col)
        entries->setColumnStretch(col, 1);
    root->addLayout(entries);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(3);
    for (QPushButton* b : {GCalc, GPrinter, GGraphs, GSave, GOpen, GHelp, GExit})
        commands->addWidget(b);
    root->addLayout(commands);

    // The solved plan, with the quick help laid over it.
    auto* stack = new QGridLayout;
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(GGrid, 0, 0);
    stack->addWidget(GTextBox, 0, 0);
    root->addLayout(stack, 1);

    order_ = {GSolve, GTarget,   GToday,      GLumpInv, GInvest, GMonthsYrs,
              GRate,  GIncrRate, GInflatRate, GTerm,    GCalc};
    QWidget* chain[] = {GSolve,  GTarget,   GToday,      GLumpInv, GInvest, GMonthsYrs,
                        GRate,   GIncrRate, GInflatRate, GTerm,    GCalc,   GPrinter,
                        GGraphs, GSave,     GOpen,       GHelp,    GExit};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

void GoalWindow::layOutGrid() {
    GGrid->setCols(4);
    GGrid->setFixedCols(1);
    GGrid->clearBody(SavingsGridLoadRows);
    GGrid->setHeadingLines(2);
    for (int c = 0; c < 4; ++c) {
        GGrid->setColumnWidthTwips(c, DefaultColumnTwips + ColumnWidening[c]);
        GGrid->setColumnAlignment(c, c == 0 ? Qt::AlignHCenter : Qt::AlignRight);
        GGrid->setText(0, c, QString::fromLatin1(SavingsGridHeadings[static_cast<std::size_t>(c)]));
    }
    GGrid->setFitColumnsToWidth(true);
}

// ---- results --------------------------------------------------------------------------

void GoalWindow::changeOfEntry() {
    if (filling_)
        return;
    tables_.GoalChanged = 1;
    clearAnswer();
}

void GoalWindow::clearAnswer() {
    state_.ScheduleYears = 0;
    goal_.reset();
    solved_.reset();
    GAnswer->clear();
    GNote->clear();
    GGrid->clearBody(GGrid->rows());
    if (!GTextBox->isHidden()) {
        GTextBox->clear();
        GTextBox->hide();
        GGrid->show();
        GHelp->setText(QStringLiteral("Quick &Help"));
        GPrinter->setEnabled(true);
        GGraphs->setEnabled(true);
    }
}

void GoalWindow::onCalculateClicked() {
    BusyCursor busy;
    clearAnswer();
    if (std::find(outOfRange_.begin(), outOfRange_.end(), true) != outOfRange_.end()) {
        workspace_.dialogs().showMessage(msg::CannotCalculate);
        return;
    }
    const GoalInput goal = goalInputFrom(tables_);
    Result<GoalAnswer> solved = solveGoal(goal);
    if (!solved) {
        workspace_.dialogs().showMessage(solved.failure().code);
        return;
    }
    goal_ = goal;
    solved_ = std::move(solved).value();
    // The answer is the figure of its field, and what Save writes.
    setSolvedFigure(solved_->answer);
    tables_.GoalChanged = 1;
    showAnswer(*solved_);
    setGoalGraph(state_, yearEndSeries(solved_->growth), goal.target);
}

void GoalWindow::showAnswer(const GoalAnswer& a) {
    const std::string& sym = state_.CurrencySymbol;
    GAnswer->setText(qs(answerText(a.solve, a.answer, sym, seps_)));
    // In future money the inflation rate plays no part.
    const std::string reached =
        "Value at the end " + amountText(a.value, sym, seps_) +
        (goal_ && goal_->today ? ", in today's money " + amountText(a.valueToday, sym, seps_)
                               : "") +
        ".";
    GNote->setText(qs(a.note == GoalNote::None ? reached : noteText(a.note)));

    const SavingsGridView view = savingsGridView(a.growth.rows, a.growth.periods, a.growth.years,
                                                 *savingsFrequency(a.plan.frequency), sym, seps_);
    GGrid->clearBody(view.rows);
    for (int c = 0; c < 4; ++c)
        GGrid->setText(0, c, qs(view.headings[static_cast<std::size_t>(c)]));
    std::vector<QString> cells;
    cells.reserve(view.cells.size());
    for (const std::string& text : view.cells)
        cells.push_back(qs(text));
    GGrid->setRowsData(1, std::move(cells));
    GGrid->scrollToTopRow();
}

void GoalWindow::onGraphClicked() {
    showGraphFrom(workspace_, GraphFrom::Goal);
}

void GoalWindow::onPrinterClicked() {
    if (!solved_ || !goal_) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    runPrintout(state_, workspace_.dialogs(), workspace_.printers(), [&](Printer& printer) {
        GoalReportInput report;
        report.goal = &*goal_;
        report.answer = &*solved_;
        report.header = state_.HeaderText;
        report.currencySymbol = state_.CurrencySymbol;
        report.fontChoice = state_.PrinterFontChoice;
        report.seps = seps_;
        printGoalReport(printer, report, state_.LinesPerPage);
    });
}

// ---- help and leaving -------------------------------------------------------------------

void GoalWindow::onHelpClicked() {
    if (!GTextBox->isHidden()) {
        clearAnswer(); // closes the help and empties the grid
        return;
    }
    QStringList lines;
    for (const std::string& line : goalQuickHelp(state_.CurrencySymbol))
        lines << qs(line);
    GTextBox->setPlainText(lines.join('\n'));
    GHelp->setText(QStringLiteral("Close &Help"));
    GPrinter->setEnabled(false);
    GGraphs->setEnabled(false);
    GGrid->hide();
    GTextBox->show();
    GTextBox->raise();
    fitHelpFont();
    GTextBox->setFocus(Qt::OtherFocusReason);
}

void GoalWindow::fitHelpFont() {
    // The help wraps; its type follows the worksheet's width, between 7 and 9 points.
    QFont font = GTextBox->font();
    font.setPointSizeF(std::clamp(width() / 90.0, 7.0, 9.0));
    GTextBox->setFont(font);
}

void GoalWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!GTextBox->isHidden())
        fitHelpFont();
}

void GoalWindow::onHelpKey() {
    platform::openWithDesktop(QDir(qs(state_.ProgramFolder)).filePath("pnxuse33.html"));
}

bool GoalWindow::keepForSaving() {
    if (tables_.GoalChanged != 1)
        return false;
    return workspace_.dialogs().askBeforeErasing() == question::Yes;
}

void GoalWindow::leave() {
    tables_ = {};
    state_.ScheduleYears = 0;
    state_.GraphSource = GraphFrom::None;
    goal_.reset();
    solved_.reset();
}

void GoalWindow::onExitClicked() {
    if (keepForSaving())
        return;
    leave();
    leaving_ = true;
    QWidget* frame = worksheetFrame(this);
    frame->close();
    workspace_.showMenu();
}

void GoalWindow::closeEvent(QCloseEvent* event) {
    if (!leaving_ && keepForSaving()) {
        event->ignore();
        return;
    }
    leave();
    event->accept();
}
