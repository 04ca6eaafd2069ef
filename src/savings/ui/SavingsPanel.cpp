#include "SavingsPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <span>

#include "Colours.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "EntryFigure.h"
#include "Grid.h"
#include "Messages.h"
#include "Platform.h"
#include "QtText.h"
#include "SavingsTables.h"
#include "SavingsTexts.h"

namespace {
// The grid's columns, widened from a default column of 975 twips.
constexpr int DefaultColumnTwips = 975;
constexpr int ColumnWidening[4] = {300, 1450, 1450, 1510};

} // namespace

QComboBox* makeEntryList(const char* name, QWidget* parent, bool editable) {
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

const std::array<const char*, 7> SavingsCaptions = {
    " Amount of  lump sum             invested at start.",
    " Amount invested at each       contribution period.",
    " Frequency of each                contribution period.",
    " Annual interest/growth          rate (%).",
    " Increase the annual               investment rate(%) by",
    " Adjust current value for          annual inflation rate(%).     ",
    " Number of years invested.",
};

void makeSavingsLists(const std::array<const char*, 7>& names,
                      const std::array<QComboBox**, 7>& fields, QWidget* parent) {
    for (std::size_t i = 0; i < 7; ++i)
        *fields[i] = makeEntryList(names[i], parent, i != 2);
    QComboBox* const frequency = *fields[2];
    for (const SavingsFrequency& f : SavingsFrequencies)
        frequency->addItem(qs(f.text));
    const std::array<std::span<const char* const>, 7> entries = {
        LumpSumEntries,  ContributionEntries, {},          RateEntries,
        IncreaseEntries, IncreaseEntries,     YearsEntries};
    for (std::size_t i = 0; i < 7; ++i)
        for (const char* e : entries[i])
            (*fields[i])->addItem(QString::fromLatin1(e));
}

QGridLayout* makeEntryGrid() {
    auto* entries = new QGridLayout;
    entries->setHorizontalSpacing(8);
    entries->setVerticalSpacing(1);
    return entries;
}

QLabel* entryCaption(const char* text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    nameByCaption(label, control);
    return label;
}

double storeSavingsFigure(int element, double value, std::array<Currency, 9>& inputs,
                          std::array<bool, 9>& outOfRange, Dialogs& dialogs) {
    if (element == savings_input::Years && value > MaxSavingsYears) {
        dialogs.showMessage(msg::FortyYearsLimit);
        value = MaxSavingsYears;
    }
    const auto i = static_cast<std::size_t>(element);
    return storeEntryFigure(value, inputs[i], outOfRange[i]);
}

void showChosenEntry(QComboBox* box, int element, const std::function<double(int, double)>& store,
                     const std::string& symbol, const NumberSeparators& seps) {
    namespace e = savings_input;
    // The entries are written with a period, whatever the system's decimal point.
    const Currency figure =
        Currency::fromDouble(store(element, leadingNumber(box->currentText().toStdString())))
            .value_or(Currency{});
    std::string text;
    if (element == e::Years)
        text = yearsText(figure, seps);
    else if (element == e::Lump)
        text = lumpSumText(figure, symbol, seps, false);
    else if (element == e::Contribution)
        text = contributionText(figure, symbol, seps, false);
    else
        text = rateText(figure, seps);
    box->setEditText(qs(text));
}

Grid* makeGrowthGrid(const char* name, const char* accessibleName, QWidget* parent) {
    auto* grid = new Grid(parent);
    nameControl(grid, QString::fromLatin1(accessibleName));
    grid->setObjectName(QString::fromLatin1(name));
    return grid;
}

void layOutGrowthGrid(Grid* grid) {
    grid->setCols(4);
    grid->setFixedCols(1);
    grid->clearBody(SavingsGridLoadRows);
    grid->setHeadingLines(2);
    for (int c = 0; c < 4; ++c) {
        grid->setColumnWidthTwips(c, DefaultColumnTwips + ColumnWidening[c]);
        grid->setColumnAlignment(c, c == 0 ? Qt::AlignHCenter : Qt::AlignRight);
        grid->setText(0, c, QString::fromLatin1(SavingsGridHeadings[static_cast<std::size_t>(c)]));
    }
    grid->setFitColumnsToWidth(true);
}

void showGrowthGrid(Grid* grid, const SavingsGridView& view) {
    grid->clearBody(view.rows);
    for (int c = 0; c < 4; ++c)
        grid->setText(0, c, qs(view.headings[static_cast<std::size_t>(c)]));
    std::vector<QString> cells;
    cells.reserve(view.cells.size());
    for (const std::string& text : view.cells)
        cells.push_back(qs(text));
    grid->setRowsData(1, std::move(cells));
    grid->scrollToTopRow();
}
