#include "SavingsWindow.h"

#include "CommandButton.h"
#include <algorithm>

#include "ControlNames.h"
#include "GraphHandOver.h"
#include "GraphSeries.h"

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

#include "BusyCursor.h"
#include "Colours.h"
#include "Dialogs.h"
#include "Grid.h"
#include "Messages.h"
#include "Platform.h"
#include "PrintJob.h"
#include "Printer.h"
#include "SavingsReport.h"
#include "SavingsTables.h"
#include "SavingsTexts.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "WorksheetFrame.h"
#include "Workspace.h"

namespace {
// The grid's columns, widened from a default column of 975 twips.
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
} // namespace

SavingsWindow::SavingsWindow(Workspace& workspace, SavingsTables& tables, QWidget* parent)
    : QWidget(parent), workspace_(workspace), state_(workspace.state()), tables_(tables),
      seps_(platform::systemSeparators()) {
    setObjectName("SavingsCalc");
    QFont compact = font();
    compact.setPointSizeF(8);
    setFont(compact);
    buildControls();
    buildLayout();
    setUpEntries();
    loadDefaults();
}

SavingsWindow::~SavingsWindow() = default;

void SavingsWindow::buildControls() {
    InLumpInv = makeList("InLumpInv", this, true);
    InInvest = makeList("InInvest", this, true);
    InMonthsYrs = makeList("InMonthsYrs", this, false);
    InRate = makeList("InRate", this, true);
    InIncrRate = makeList("InIncrRate", this, true);
    inInflatRate = makeList("inInflatRate", this, true);
    InTerm = makeList("InTerm", this, true);

    SGrid = new Grid(this);
    nameControl(SGrid, "Savings growth");
    SGrid->setObjectName("SGrid");
    STextBox = new QPlainTextEdit(this);
    nameControl(STextBox, "Quick Help");
    STextBox->setObjectName("STextBox");
    STextBox->setReadOnly(true);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setStyleHint(QFont::TypeWriter);
    STextBox->setFont(mono);
    STextBox->hide();
    STextBox->installEventFilter(this);

    auto button = [this](const char* name, const char* text) {
        return commandButton(this, name, text);
    };
    SCalc = button("SCalc", "&Calculate");
    SGraphs = button("SGraphs", "&Show Graph");
    SPrinter = button("SPrinter", "To &Printer");
    SHelp = button("SHelp", "Quick &Help");
    SExit = button("SExit", "E&xit to Menu");
    connect(SCalc, &QPushButton::clicked, this, &SavingsWindow::onCalculateClicked);
    connect(SGraphs, &QPushButton::clicked, this, &SavingsWindow::onGraphClicked);
    connect(SPrinter, &QPushButton::clicked, this, &SavingsWindow::onPrinterClicked);
    connect(SHelp, &QPushButton::clicked, this, &SavingsWindow::onHelpClicked);
    connect(SExit, &QPushButton::clicked, this, &SavingsWindow::onExitClicked);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, &SavingsWindow::onHelpKey);
}

void SavingsWindow::buildLayout() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 3, 6, 6);
    root->setSpacing(4);

    // Entries in two rows, each caption above its box. The captions keep their own
    // blanks; they are drawn as rich text so runs of blanks wrap like one.
    auto* entries = new QGridLayout;
    entries->setHorizontalSpacing(8);
    entries->setVerticalSpacing(1);
    const std::pair<const char*, QComboBox*> cells[] = {
        {" Amount of  lump sum             invested at start.", InLumpInv},
        {" Amount invested at each       contribution period.", InInvest},
        {" Frequency of each                contribution period.", InMonthsYrs},
        {" Annual interest/growth          rate (%).", InRate},
        {" Increase the annual               investment rate(%) by", InIncrRate},
        {" Adjust current value for          annual inflation rate(%).     ", inInflatRate},
        {" Number of years invested.", InTerm},
    };
    for (int i = 0; i < 7; ++i) {
        auto* label = new QLabel(QString::fromLatin1(cells[i].first), this);
        label->setTextFormat(Qt::RichText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        nameByCaption(label, cells[i].second);
        const int row = (i / 4) * 2, col = i % 4;
        entries->addWidget(label, row, col);
        entries->addWidget(cells[i].second, row + 1, col);
        entries->setColumnStretch(col, 1);
    }
    root->addLayout(entries);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(3);
    for (QPushButton* b : {SCalc, SPrinter, SGraphs, SHelp, SExit})
        commands->addWidget(b);
    root->addLayout(commands);

    // The growth table, with the quick help laid over it.
    auto* stack = new QGridLayout;
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(SGrid, 0, 0);
    stack->addWidget(STextBox, 0, 0);
    root->addLayout(stack, 1);

    // Tab follows the entry order.
    QWidget* chain[] = {InLumpInv, InInvest, InMonthsYrs, InRate,  InIncrRate, inInflatRate,
                        InTerm,    SCalc,    SPrinter,    SGraphs, SHelp,      SExit};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

void SavingsWindow::loadDefaults() {
    workspace_.setCaption(QStringLiteral(" Investment Growth Calculations"));
    setWindowTitle(QStringLiteral(" Investment Growth Calculations"));
    tables_ = {};
    outOfRange_ = {};
    state_.EditStarted = 0;
    layOutGrid();

    filling_ = true;
    InMonthsYrs->clear();
    for (const SavingsFrequency& f : SavingsFrequencies)
        InMonthsYrs->addItem(qs(std::string(f.text)));
    InMonthsYrs->setCurrentIndex(0);
    addEntries(InLumpInv, LumpSumEntries);
    addEntries(InInvest, ContributionEntries);
    addEntries(InRate, RateEntries);
    addEntries(InIncrRate, IncreaseEntries);
    addEntries(inInflatRate, IncreaseEntries);
    addEntries(InTerm, YearsEntries);

    tables_.SavingsInputs = savingsInputsOf(defaultGrowthInput());
    namespace e = savings_input;
    const auto& in = tables_.SavingsInputs;
    const std::string& sym = state_.CurrencySymbol;
    const std::pair<QComboBox*, std::string> shown[] = {
        {InLumpInv, lumpSumText(in[e::Lump], sym, seps_, true)},
        {InInvest, contributionText(in[e::Contribution], sym, seps_, true)},
        {InRate, rateText(in[e::Rate], seps_)},
        {InIncrRate, rateText(in[e::Increase], seps_)},
        {inInflatRate, rateText(in[e::Inflation], seps_)},
        {InTerm, yearsText(in[e::Years], seps_)},
    };
    for (const auto& [box, text] : shown) {
        box->setCurrentIndex(-1);
        box->setEditText(qs(text));
    }
    filling_ = false;
}

void SavingsWindow::layOutGrid() {
    SGrid->setCols(4);
    SGrid->setFixedCols(1);
    SGrid->clearBody(SavingsGridLoadRows);
    SGrid->setHeadingLines(2);
    for (int c = 0; c < 4; ++c) {
        SGrid->setColumnWidthTwips(c, DefaultColumnTwips + ColumnWidening[c]);
        SGrid->setColumnAlignment(c, c == 0 ? Qt::AlignHCenter : Qt::AlignRight);
        SGrid->setText(0, c, QString::fromLatin1(SavingsGridHeadings[static_cast<std::size_t>(c)]));
    }
    SGrid->setFitColumnsToWidth(true);
}

// ---- results --------------------------------------------------------------------------

void SavingsWindow::changeOfEntry() {
    if (filling_)
        return;
    state_.ScheduleYears = 0;
    calculated_.reset();
    SGrid->clearBody(SGrid->rows());
    if (!STextBox->isHidden()) {
        STextBox->clear();
        STextBox->hide();
        SGrid->show();
        SHelp->setText(QStringLiteral("Quick &Help"));
        SPrinter->setEnabled(true);
        SGraphs->setEnabled(true);
    }
}

void SavingsWindow::onCalculateClicked() {
    BusyCursor busy;
    state_.ScheduleYears = 0;
    calculated_.reset();
    if (std::find(outOfRange_.begin(), outOfRange_.end(), true) != outOfRange_.end()) {
        SGrid->clearBody(SGrid->rows());
        workspace_.dialogs().showMessage(msg::CannotCalculate);
        return;
    }
    const GrowthInput input =
        growthInputFrom(tables_.SavingsInputs, InMonthsYrs->currentText().toStdString());
    const Result<Growth> growth = calculateGrowth(input);
    if (!growth) {
        SGrid->clearBody(SGrid->rows());
        workspace_.dialogs().showMessage(growth.failure().code);
        return;
    }
    storeGrowth(tables_, *growth);
    showGrowth(*growth, *savingsFrequency(input.frequency));
    // The year-end values, the title and ScheduleYears go to the graph hand-over; a 0-year
    // plan leaves ScheduleYears at 0, so graphing and printing refuse it.
    const std::vector<Currency> yearEnds = yearEndSeries(*growth);
    setSavingsGraph(state_, yearEnds);
    calculated_ = input;
}

void SavingsWindow::showGrowth(const Growth& growth, const SavingsFrequency& frequency) {
    const SavingsGridView view = savingsGridView(tables_.GrowthTable, growth.periods, growth.years,
                                                 frequency, state_.CurrencySymbol, seps_);
    SGrid->clearBody(view.rows);
    for (int c = 0; c < 4; ++c)
        SGrid->setText(0, c, qs(view.headings[static_cast<std::size_t>(c)]));
    std::vector<QString> cells;
    cells.reserve(view.cells.size());
    for (const std::string& text : view.cells)
        cells.push_back(qs(text));
    SGrid->setRowsData(1, std::move(cells));
    SGrid->scrollToTopRow();
}

void SavingsWindow::onGraphClicked() {
    showGraphFrom(workspace_, GraphFrom::Savings);
}

void SavingsWindow::onPrinterClicked() {
    if (state_.ScheduleYears == 0 || !calculated_) {
        workspace_.dialogs().showMessage(msg::NoDataToPrint);
        return;
    }
    const GrowthInput input = *calculated_;
    runPrintout(state_, workspace_.dialogs(), workspace_.printers(), [&](Printer& printer) {
        SavingsReportInput report;
        report.input = &input;
        report.table = tables_.GrowthTable;
        report.periods = tables_.Periods;
        report.header = state_.HeaderText;
        report.currencySymbol = state_.CurrencySymbol;
        report.fontChoice = state_.PrinterFontChoice;
        report.seps = seps_;
        printSavingsReport(printer, report, state_.LinesPerPage);
    });
}

// ---- help and leaving -------------------------------------------------------------------

void SavingsWindow::onHelpClicked() {
    if (!STextBox->isHidden()) {
        changeOfEntry(); // closes the help and empties the grid
        return;
    }
    QStringList lines;
    for (const std::string& line : savingsQuickHelp(state_.CurrencySymbol))
        lines << qs(line);
    STextBox->setPlainText(lines.join('\n'));
    SHelp->setText(QStringLiteral("Close &Help"));
    SPrinter->setEnabled(false);
    SGraphs->setEnabled(false);
    SGrid->hide();
    STextBox->show();
    STextBox->raise();
    fitHelpFont();
    STextBox->setFocus(Qt::OtherFocusReason);
}

void SavingsWindow::fitHelpFont() {
    const QString widest = STextBox->document()->firstBlock().text();
    const int room = STextBox->viewport()->width() -
                     2 * static_cast<int>(STextBox->document()->documentMargin());
    QFont font = STextBox->font();
    double points = 9;
    for (; points > 5; points -= 0.25) {
        font.setPointSizeF(points);
        if (QFontMetrics(font).horizontalAdvance(widest) <= room)
            break;
    }
    font.setPointSizeF(points);
    STextBox->setFont(font);
}

void SavingsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!STextBox->isHidden())
        fitHelpFont();
}

void SavingsWindow::onHelpKey() {
    platform::openWithDesktop(QDir(qs(state_.ProgramFolder)).filePath("pnxuse33.html"));
}

void SavingsWindow::onExitClicked() {
    tables_ = {};
    state_.ScheduleYears = 0;
    state_.ContextCode = 0;
    state_.GraphSource = GraphFrom::None;
    calculated_.reset();
    QWidget* frame = worksheetFrame(this);
    frame->close();
    workspace_.showMenu();
}
