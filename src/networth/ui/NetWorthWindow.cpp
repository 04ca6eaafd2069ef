#include "NetWorthWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Colours.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "Grid.h"
#include "GridCellEntry.h"
#include "Messages.h"
#include "NetWorthCalc.h"
#include "NetWorthReport.h"
#include "Platform.h"
#include "QtText.h"
#include "ShellState.h"
#include "Workspace.h"

namespace {

constexpr int GridRows = 35; // heading row, 30 lines, room for the total line

const char* const QuickHelpParagraphs[] = {
    "Open File from disk or start a new file. Load NetSampl.NWV to try out the various features.",
    "To start new file, Click on either spreadsheet, choose cell by clicking on it or use arrow "
    "keys. Selected "
    "Cell will show dotted line around it, enter your data.",
    "Place catagory names in first column and values in the second column. Delete an entry with "
    "the Backspace key.",
    "Enter the exact words Sub Total in first column at the end of each group where you want it to "
    "appear.",
    "Empty rows are not allowed, for a blank row enter a space in column one. (It's no longer "
    "empty). To remove a "
    "row, delete all entries in that row then Calculate.",
    "Column two will only accept figures and the period key as the decimal separator. Names or "
    "Values can be "
    "changed at any time.",
    "To insert a row, Click the row where it is required then Insert Blank Line button, OK.",
    "You must Calculate after any changes, to reformat the spreadsheet and Totals.",
};

// The paragraphs with a blank line after each, and "End".
std::vector<std::string> quickHelpLines(const ShellState&) {
    std::vector<std::string> lines;
    for (const char* paragraph : QuickHelpParagraphs) {
        lines.emplace_back(paragraph);
        lines.emplace_back();
    }
    lines.emplace_back("End");
    return lines;
}

GridCellEntry::Verdict toVerdict(KeyVerdict v) {
    switch (v) {
    case KeyVerdict::Accept:
        return GridCellEntry::Verdict::Accept;
    case KeyVerdict::Beep:
        return GridCellEntry::Verdict::Beep;
    case KeyVerdict::Ignore:
        break;
    }
    return GridCellEntry::Verdict::Ignore;
}

} // namespace

NetWorthWindow::NetWorthWindow(Workspace& workspace, NetWorthTables& tables, QWidget* parent)
    : WorksheetPage(
          workspace,
          {"NetWorthCalc",
           " Net Worth",
           {{"NCalc", "&Calculate", [this] { onCalculateClicked(); }, &NCalc},
            {"InsertAss", "&Insert blank line", [this] { onInsertClicked(assets_); }, &InsertAss},
            {"InsertLiab", "Insert &blank line", [this] { onInsertClicked(liabilities_); },
             &InsertLiab},
            {"Loadnet", cmd::Open},
            {"SaveNet", "&Save File", [this] { saveFile(); }},
            {"NPrinter", cmd::Print},
            {"NHelp", cmd::Help},
            {"NExit", cmd::Exit}},
           {.objectName = "NTextBox",
            .lines = quickHelpLines,
            .keys = HelpKeys::BeepAll,
            .closesOnFocusLeaving = true},
           {.openMode = filemode::OpenNetWorth,
            .saveMode = filemode::SaveNetWorth,
            .saveFailed = msg::BadNetWorthFileName},
           "Net Worth"},
          parent),
      tables_(tables) {
    showCaption();
    tables_ = {};

    assets_ = {nullptr,
               nullptr,
               &tables_.AssetRows,
               &tables_.AssetCount,
               &tables_.TotalAssets,
               " Assets",
               "Total Assets",
               1};
    liabilities_ = {nullptr,
                    nullptr,
                    &tables_.LiabilityRows,
                    &tables_.LiabilityCount,
                    &tables_.TotalLiabilities,
                    " Liabilities",
                    "Total Liabilities",
                    2};
    buildControls();
    buildLayout();
    calculate();
}

void NetWorthWindow::buildControls() {
    title_ = new QLabel("Net Worth Statement", this);
    QFont big = title_->font();
    big.setBold(true);
    big.setPointSizeF(11);
    title_->setFont(big);

    setUpGrid(assets_, "NGrid1", "Assets");
    setUpGrid(liabilities_, "NGrid2", "Liabilities");

    makeCommands();
    nameControl(InsertAss, "Insert blank line, assets");
    nameControl(InsertLiab, "Insert blank line, liabilities");

    NTextBox = makeQuickHelpBox();

    NetInfo = new QLabel("Changes made, Calculate", this);
    NetInfo->setObjectName("NetInfo");
    setTextColour(NetInfo, colours::AlertText);
    QFont bold = NetInfo->font();
    bold.setBold(true);
    NetInfo->setFont(bold);
    NetInfo->hide();
    Label3 = new QLabel(" Net Worth  =", this);
    Label3->setObjectName("Label3");
    Label3->setFont(bold);
    Net = makeResultLabel("Net", this);
    nameResult(Net, "Net Worth");
    Net->setMinimumWidth(platform::twipsToPixels(1800));
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
}

void NetWorthWindow::setUpGrid(Side& side, const char* objectName, const char* spokenName) {
    Grid* grid = side.grid = new Grid(this);
    grid->setObjectName(objectName);
    nameControl(grid, spokenName);
    grid->setCols(2);
    grid->setFixedCols(0);
    grid->setRows(GridRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setColumnWidthTwips(0, 2700);
    grid->setColumnWidthTwips(1, 1500);
    grid->setColumnAlignment(0, Qt::AlignLeft);
    grid->setColumnAlignment(1, Qt::AlignRight);
    grid->setFitColumnsToWidth(true);

    GridCellEntry::Config config;
    config.admit = [this](int row, int, GridCellEntry::Key key) {
        return admitKey(row, key == GridCellEntry::Key::Delete);
    };
    config.judge = [](int, int col, const QString& buffer, char32_t ch) {
        return toVerdict(col == 0 ? judgeNameKey(ch) : judgeAmountKey(buffer.toStdString(), ch));
    };
    config.backspaceEditsText = [](int col) { return col == 0; };
    config.edited = [this, &side](int row, int col, const QString& buffer) {
        onCellEdited(side, row, col, buffer);
    };
    config.deleted = [this, &side](int row, int col) { onCellDeleted(side, row, col); };
    side.entry = new GridCellEntry(grid, std::move(config));
    // A click on the grid chooses the cell anew, even the one already chosen.
    connect(grid, &Grid::pressed, side.entry, [entry = side.entry] { entry->restart(); });
}

void NetWorthWindow::buildLayout() {
    QVBoxLayout* root = makePageLayout();

    auto* head = new QHBoxLayout;
    head->addWidget(title_);
    head->addStretch(1);
    head->addWidget(NetInfo);
    head->addSpacing(12);
    head->addWidget(Label3);
    head->addWidget(Net);
    head->addWidget(Label1);
    root->addLayout(head);

    // The two lists side by side, each with its insert button; the quick help over both.
    auto* lists = new QGridLayout;
    lists->setContentsMargins(0, 0, 0, 0);
    lists->setHorizontalSpacing(6);
    lists->setVerticalSpacing(3);
    lists->addWidget(assets_.grid, 0, 0);
    lists->addWidget(liabilities_.grid, 0, 1);
    lists->addWidget(InsertAss, 1, 0, Qt::AlignLeft);
    lists->addWidget(InsertLiab, 1, 1, Qt::AlignLeft);
    lists->addWidget(NTextBox, 0, 0, 1, 2);
    lists->setRowStretch(0, 1);
    root->addLayout(lists, 1);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(3);
    std::vector<QWidget*> row{NCalc};
    for (const char* name : {"Loadnet", "SaveNet", "NPrinter", "NHelp", "NExit"})
        row.push_back(named(name));
    for (QWidget* b : row)
        commands->addWidget(b);
    root->addLayout(commands);

    row.insert(row.begin(), {assets_.grid, liabilities_.grid});
    row.insert(row.end(), {InsertAss, InsertLiab});
    chainTabs(row);
}

// ---- typing ----------------------------------------------------------------------------

bool NetWorthWindow::admitKey(int row, bool deleteKey) {
    if (deleteKey || row <= NetWorthLines)
        return true;
    workspace_.dialogs().showMessage(msg::RowLimit30);
    return false;
}

void NetWorthWindow::onCellEdited(Side& side, int row, int col, const QString& buffer) {
    NetWorthLine& line = (*side.rows)[static_cast<std::size_t>(row)];
    if (col == 0) {
        line.name = buffer.toStdString();
        side.grid->setText(row, 0, buffer);
    } else {
        line.amount = amountFromTyped(buffer.toStdString());
        side.grid->setText(row, 1, qs(typedAmountText(line.amount, seps_)));
    }
    NetInfo->show();
}

void NetWorthWindow::onCellDeleted(Side& side, int row, int col) {
    side.grid->setText(row, col, QString());
    if (row <= NetWorthLines) {
        NetWorthLine& line = (*side.rows)[static_cast<std::size_t>(row)];
        if (col == 0)
            line.name.clear();
        else
            line.amount.reset();
    }
    NetInfo->show();
}

// ---- calculation and display -------------------------------------------------------------

bool NetWorthWindow::calculate() {
    const Result<NetWorthTables> result = calculateNetWorth(tables_);
    if (!result) {
        // The totals on screen belong to lines that are no longer these: they go, and the
        // printout is refused until a calculation succeeds again.
        totalsValid_ = false;
        clearTotals();
        workspace_.dialogs().showMessage(result.failure().code);
        return false;
    }
    totalsValid_ = true;
    tables_ = result.value();
    display(assets_);
    display(liabilities_);
    Net->setText(
        qs(netWorthText(netWorthOf(tables_).value_or(Currency{}), state_.CurrencySymbol, seps_)));
    return true;
}

void NetWorthWindow::display(const Side& side) {
    Grid* grid = side.grid;
    grid->clearBody(GridRows);
    grid->setText(0, 0, side.heading);
    std::vector<QString> cells;
    const int count = *side.count;
    cells.reserve(static_cast<std::size_t>(2 * totalRowFor(count)));
    for (int i = 1; i <= count; ++i) {
        const NetWorthLine& line = (*side.rows)[static_cast<std::size_t>(i)];
        cells.push_back(qs(line.name));
        cells.push_back(qs(listedAmountText(line.amount, seps_)));
    }
    cells.resize(static_cast<std::size_t>(2 * (totalRowFor(count) - 1)));
    cells.push_back(side.totalCaption);
    cells.push_back(qs(totalText(*side.total, state_.CurrencySymbol, seps_)));
    grid->setRowsData(1, std::move(cells));
}

void NetWorthWindow::showLinesWithoutTotals() {
    display(assets_);
    display(liabilities_);
    clearTotals();
}

void NetWorthWindow::clearTotals() {
    for (const Side* side : {&assets_, &liabilities_})
        side->grid->setText(totalRowFor(*side->count), 1, QString());
    Net->clear();
}

void NetWorthWindow::onCalculateClicked() {
    if (!calculate())
        return;
    tables_.NetWorthUnsaved = 1;
    NetInfo->hide();
}

void NetWorthWindow::onInsertClicked(Side& side) {
    state_.ContextCode = static_cast<std::int16_t>(side.contextCode);
    state_.SelectedRow = static_cast<std::int16_t>(std::max(side.grid->currentRow(), 0));
    workspace_.dialogs().valueInput();
    const double n = leadingNumber(state_.ValueAnswer, ".");
    const bool inserted =
        n < NetWorthLines && insertBlankLine(*side.rows, *side.count, static_cast<int>(n));
    state_.ContextCode = 0;
    if (inserted)
        calculate();
}

// ---- printing and leaving ------------------------------------------------------------------

void NetWorthWindow::printReport() {
    if (!totalsValid_) {
        workspace_.dialogs().showMessage(msg::CannotCalculate);
        return;
    }
    print([this](Printer& printer) {
        printNetWorthStatement(printer, tables_, {state_.HeaderText, state_.CurrencySymbol, seps_});
    });
}

bool NetWorthWindow::mayLeave() {
    if (tables_.NetWorthUnsaved == 1 && (tables_.AssetCount != 0 || tables_.LiabilityCount != 0))
        return file_.ask(question::SaveBeforeErasing) != question::Yes;
    return true;
}

void NetWorthWindow::clearStatement() {
    state_.EditStarted = 0;
    file_.forget();
    tables_ = {};
}

void NetWorthWindow::leave() {
    // A calculated statement without lines has nothing to clear but its tables.
    if (!(tables_.NetWorthUnsaved == 1 && tables_.AssetCount == 0 && tables_.LiabilityCount == 0))
        clearStatement();
    tables_ = {};
}
