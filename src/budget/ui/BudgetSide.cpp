#include "BudgetSide.h"
#include "CommandButton.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "BudgetEditing.h"
#include "BudgetRefresh.h"
#include "BusyCursor.h"
#include "Colours.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "EntryFigure.h"
#include "Grid.h"
#include "Messages.h"
#include "NumericEntry.h"
#include "Platform.h"
#include "QtText.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "TextEntry.h"
#include "Workspace.h"

const BudgetSideNames IncomeSideNames = {RecordSide::Income,
                                         " Annual Income ",
                                         "InIncDesc",
                                         "InIncAmt",
                                         "InIncFreq",
                                         "InIncBgtAmt",
                                         " Description of the source of income",
                                         " Amount of income",
                                         "AddIncome1",
                                         "&Add",
                                         "CorrectRec1",
                                         "&What If?",
                                         "AddCorRec1",
                                         "Add Changed &Record",
                                         "DelRecord1",
                                         "D&elete",
                                         "BGrid1",
                                         "TotInc",
                                         "TotIncBgt",
                                         " Total annual income"};

const BudgetSideNames ExpenseSideNames = {RecordSide::Expense,
                                          "Annual Expense",
                                          "InExpDesc",
                                          "InExpAmt",
                                          "InExpFreq",
                                          "InExpBgtAmt",
                                          " Description of the expense purpose",
                                          " Amount of expense",
                                          "AddExpense2",
                                          "Ad&d",
                                          "CorrectRec2",
                                          "What &If?",
                                          "AddCorRec2",
                                          "Add C&hanged Record",
                                          "DelRecord2",
                                          "De&lete",
                                          "BGrid2",
                                          "TotExp",
                                          "TotExpBgt",
                                          " Total annual expenses"};

namespace {

QLineEdit* entryBox(const char* name, QWidget* parent, bool rightAligned) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    paintEntry(box);
    if (rightAligned)
        box->setAlignment(Qt::AlignRight);
    return box;
}

QLabel* caption(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

} // namespace

BudgetSide::BudgetSide(const BudgetSideNames& names, Workspace& workspace, BudgetTables& tables,
                       QWidget* parent)
    : QGroupBox(QString::fromUtf8(names.frameCaption), parent), names_(names),
      workspace_(workspace), state_(workspace.state()), tables_(tables) {
    setObjectName(names.side == RecordSide::Income ? "IncomeFrame" : "ExpenseFrame");
    buildControls();
    buildLayout();
    setChanging(false);
}

BudgetSide::~BudgetSide() = default;

void BudgetSide::buildControls() {
    desc_ = entryBox(names_.desc, this, false);
    amount_ = entryBox(names_.amount, this, true);
    payments_ = entryBox(names_.payments, this, true);
    budgeted_ = entryBox(names_.budgeted, this, true);

    auto button = [this](const char* name, const char* text) {
        return commandButton(this, name, text);
    };
    add_ = button(names_.add, names_.addText);
    whatIf_ = button(names_.whatIf, names_.whatIfText);
    addChanged_ = button(names_.addChanged, names_.addChangedText);
    remove_ = button(names_.remove, names_.removeText);
    connect(add_, &QPushButton::clicked, this, &BudgetSide::onAddClicked);
    connect(whatIf_, &QPushButton::clicked, this, &BudgetSide::onWhatIfClicked);
    connect(addChanged_, &QPushButton::clicked, this, &BudgetSide::onAddChangedClicked);
    connect(remove_, &QPushButton::clicked, this, &BudgetSide::onDeleteClicked);
    // Both sides have the same buttons: a screen reader says which side each one is on.
    for (QPushButton* b : {add_, whatIf_, addChanged_, remove_})
        nameControl(b, spokenCaption(b->text()) + sideSuffix());

    grid_ = new Grid(this);
    grid_->setObjectName(names_.grid);
    nameControl(grid_, title() + QStringLiteral(" records"));
    grid_->setCols(BudgetGridCols);
    grid_->setFixedCols(1);
    paintRecords(grid_);
    grid_->setRows(1 + BudgetGridSpareRows);
    // Columns sized to their figures in the grid's font (an amount up to 999,999.99 and a
    // three-digit number); the description takes what is left when the grid is wider.
    const QFontMetrics fm(grid_->font());
    const int amountWidth =
        platform::pixelsToTwips(fm.horizontalAdvance(QStringLiteral("999,999.99")) + 12);
    const int numberWidth =
        platform::pixelsToTwips(fm.horizontalAdvance(QStringLiteral("999")) + 12);
    const int widths[] = {numberWidth, 1500, amountWidth, amountWidth};
    const Qt::Alignment align[] = {Qt::AlignRight, Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight};
    for (int c = 0; c < BudgetGridCols; ++c) {
        grid_->setColumnWidthTwips(c, widths[c]);
        grid_->setColumnAlignment(c, align[c]);
    }
    grid_->setFitColumnsToWidth(true);
    // The columns are fitted to the grid's width; a stray pixel must not bring a scroll bar.
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto headings = budgetGridHeadings(names_.side);
    for (int c = 0; c < BudgetGridCols; ++c)
        grid_->setText(0, c, qs(headings[static_cast<size_t>(c)]));
    connect(grid_, &Grid::clicked, this, [this] {
        if (grid_->currentRow() >= 1)
            state_.SelectedRow = static_cast<std::int16_t>(grid_->currentRow());
    });
    connect(grid_, &Grid::currentCellChanged, this, [this](int row) {
        if (row >= 1)
            state_.SelectedRow = static_cast<std::int16_t>(row);
    });

    totalCaption_ = new QLabel(QString::fromUtf8(names_.totalCaption), this);
    // The caption follows the period chosen; a longer one (" Semi-monthly expenses") takes
    // a second line where the side has no room for it, rather than widening the worksheet.
    totalCaption_->setWordWrap(true);
    total_ = makeResultLabel(names_.total, this);
    totalBudgeted_ = makeResultLabel(names_.totalBudgeted, this);
    nameTotals();

    // Entry behaviour: the description takes any key but the double quote; the figures
    // go through the key filters and are stored in the entry values when left.
    descEntry_ = new TextEntry(desc_, state_);
    auto figure = [this](QLineEdit* box, NumericEntryConfig::Filter filter, const char* pattern,
                         int width, int slot) {
        NumericEntryConfig config;
        config.filter = filter;
        config.pattern = pattern;
        config.width = width;
        config.commit = [this, slot](double value) {
            const auto i = static_cast<size_t>(slot);
            return storeEntryFigure(value, tables_.EntryValues[i], tables_.EntryOutOfRange[i]);
        };
        return new NumericEntry(box, state_, config);
    };
    amountEntry_ = figure(amount_, NumericEntryConfig::Filter::Decimal, "###,,###.00", 10, 1);
    paymentsEntry_ = figure(payments_, NumericEntryConfig::Filter::Digit, "##", 8, 2);
    budgetedEntry_ = figure(budgeted_, NumericEntryConfig::Filter::Decimal, "###,,###.00", 10, 3);
    descEntry_->setNext(amount_);
    amountEntry_->setNext(payments_);
    paymentsEntry_->setNext(budgeted_);
}

void BudgetSide::buildLayout() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(4, 2, 4, 4);
    root->setSpacing(2);

    auto* entries = new QGridLayout;
    entries->setHorizontalSpacing(3);
    entries->setVerticalSpacing(1);
    QWidget* boxes[] = {desc_, amount_, payments_, budgeted_};
    const char* captions[] = {names_.descCaption, names_.amountCaption, "# paymts per year",
                              "Amount budgeted"};
    const int stretch[] = {5, 3, 2, 3};
    for (int c = 0; c < 4; ++c) {
        QLabel* label = caption(captions[c], this);
        nameByCaption(label, boxes[c]);
        if (c >= 2) // captions both sides share
            nameControl(boxes[c], label->text() + sideSuffix());
        entries->addWidget(label, 0, c);
        entries->addWidget(boxes[c], 1, c);
        entries->setColumnStretch(c, stretch[c]);
        boxes[c]->setMinimumWidth(platform::twipsToPixels(c == 0 ? 1000 : 600));
    }
    root->addLayout(entries);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(3);
    for (QPushButton* b : {add_, whatIf_, remove_, addChanged_})
        buttons->addWidget(b);
    root->addLayout(buttons);
    root->addWidget(grid_, 1);

    auto* totals = new QHBoxLayout;
    totals->setSpacing(3);
    totals->addWidget(totalCaption_, 1);
    for (QLabel* l : {total_, totalBudgeted_}) {
        l->setMinimumWidth(platform::twipsToPixels(1250));
        totals->addWidget(l);
    }
    root->addLayout(totals);

    QWidget* const tabs[] = {desc_,   amount_, payments_,   budgeted_, add_,
                             whatIf_, remove_, addChanged_, grid_};
    for (std::size_t i = 1; i < std::size(tabs); ++i)
        setTabOrder(tabs[i - 1], tabs[i]);
}

QWidget* BudgetSide::lastControl() const {
    return grid_;
}

bool BudgetSide::changing() const {
    return !addChanged_->isHidden();
}

void BudgetSide::setChanging(bool on) {
    add_->setVisible(!on);
    whatIf_->setVisible(!on);
    remove_->setVisible(!on);
    addChanged_->setVisible(on);
    budgetedEntry_->setNext(on ? addChanged_ : add_);
}

void BudgetSide::fillGrid(int periodFactor, const NumberSeparators& seps) {
    const int count = tables_.count(names_.side);
    grid_->clearBody(count + BudgetGridSpareRows);
    const auto headings = budgetGridHeadings(names_.side);
    for (int c = 0; c < BudgetGridCols; ++c)
        grid_->setText(0, c, qs(headings[static_cast<size_t>(c)]));
    const std::vector<std::string> cells =
        sideCells(tables_.records(names_.side), count, periodFactor, seps);
    std::vector<QString> texts;
    texts.reserve(cells.size());
    for (const auto& c : cells)
        texts.push_back(qs(c));
    if (!texts.empty())
        grid_->setRowsData(1, std::move(texts));
}

void BudgetSide::showTotals(const std::string& caption, const std::string& total,
                            const std::string& budgeted) {
    totalCaption_->setText(qs(caption));
    total_->setText(qs(total));
    totalBudgeted_->setText(qs(budgeted));
    nameTotals();
}

QString BudgetSide::sideSuffix() const {
    return names_.side == RecordSide::Income ? QStringLiteral(", income")
                                             : QStringLiteral(", expenses");
}

void BudgetSide::nameTotals() {
    nameResult(total_, totalCaption_->text() + QStringLiteral(", current"));
    nameResult(totalBudgeted_, totalCaption_->text() + QStringLiteral(", budgeted"));
}

void BudgetSide::focusDescription() {
    desc_->setFocus(Qt::OtherFocusReason);
}

void BudgetSide::emptyBoxes() {
    for (QLineEdit* box : {desc_, amount_, payments_, budgeted_})
        box->clear();
}

bool BudgetSide::boxesHaveData() {
    if (boxesFilled(desc_->text().toStdString(), payments_->text().toStdString(),
                    platform::systemSeparators().decimalPoint))
        return true;
    workspace_.dialogs().showMessage(msg::Boxes1And3);
    return false;
}

bool BudgetSide::entriesInRange() const {
    const auto& marks = tables_.EntryOutOfRange;
    return std::find(marks.begin(), marks.end(), true) == marks.end();
}

void BudgetSide::onAddClicked() {
    if (!boxesHaveData())
        return;
    if (tables_.count(names_.side) >= MaxBudgetRecords) {
        workspace_.dialogs().showMessage(msg::RecordLimit500);
        return;
    }
    const std::string description = desc_->text().toStdString();
    const auto record =
        entriesInRange() ? recordFromEntries(description, tables_.EntryValues) : std::nullopt;
    if (!record) {
        state_.MessageDetail = description;
        workspace_.dialogs().showMessage(msg::WrongEntryDetail);
        return;
    }
    appendRecord(tables_, names_.side, *record);
    emptyBoxes();
    emit recordsChanged(names_.side);
}

int BudgetSide::askRecordNumber(bool forDelete) {
    if (tables_.count(names_.side) == 0) {
        workspace_.dialogs().showMessage(forDelete ? msg::NoRecordsToDelete
                                                   : msg::NoRecordToChange);
        return 0;
    }
    state_.DeletePrompt = forDelete ? 1 : 0;
    state_.RecordDialogSide = static_cast<std::int16_t>(names_.side);
    workspace_.dialogs().recordNumber();
    state_.DeletePrompt = 0;
    const int number = state_.RecordNumber;
    if (number == 0)
        return 0;
    if (number > tables_.count(names_.side)) {
        workspace_.dialogs().showMessage(msg::RecordDoesNotExist);
        return 0;
    }
    return number;
}

void BudgetSide::onWhatIfClicked() {
    const int number = askRecordNumber(false);
    if (number == 0)
        return;
    const BudgetRecord& record = tables_.records(names_.side)[static_cast<size_t>(number)];
    const auto entries = entriesOfRecord(record);
    if (!entries) { // 0 payments a year: nothing to divide by
        workspace_.dialogs().showMessage(msg::WrongEntry);
        return;
    }
    const NumberSeparators seps = platform::systemSeparators();
    tables_.EntryValues = *entries;
    tables_.EntryOutOfRange = {};
    desc_->setText(qs(record.Description));
    amount_->setText(qs(RightAlign(formatNumber((*entries)[1], "###,,###.00", seps), 10)));
    payments_->setText(qs(RightAlign(formatNumber((*entries)[2], "###", seps), 8)));
    budgeted_->setText(qs(RightAlign(formatNumber((*entries)[3], "###,,###.00", seps), 10)));
    state_.EditStarted = 0;
    changingRecord_ = number;
    setChanging(true);
    desc_->setFocus(Qt::OtherFocusReason);
}

void BudgetSide::onAddChangedClicked() {
    if (!boxesHaveData())
        return;
    {
        BusyCursor busy;
        const auto record =
            entriesInRange() ? recordFromEntries(desc_->text().toStdString(), tables_.EntryValues)
                             : std::nullopt;
        if (record && replaceRecord(tables_, names_.side, changingRecord_, *record)) {
            emptyBoxes();
        } else {
            workspace_.dialogs().showMessage(msg::WrongEntry);
        }
        state_.RecordNumber = 0;
        changingRecord_ = 0;
        setChanging(false);
    }
    emit recordsChanged(names_.side);
}

void BudgetSide::onDeleteClicked() {
    const int number = askRecordNumber(true);
    if (number == 0)
        return;
    state_.MessageDetail = " " + std::to_string(number);
    if (workspace_.dialogs().ask(question::DeleteRecord) != question::Yes)
        return;
    deleteRecord(tables_, names_.side, number);
    emit recordsChanged(names_.side);
}
