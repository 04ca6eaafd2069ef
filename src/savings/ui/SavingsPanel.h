#pragma once
// The savings entries and the growth grid as the savings worksheet lays them out; the savings
// goal worksheet shows the same fields and the same grid.
#include <QComboBox>
#include <array>
#include <functional>
#include <string>

#include "Currency.h"

class Grid;
class QGridLayout;
class QLabel;
class Dialogs;
struct NumberSeparators;
struct SavingsGridView;

// A drop-down field of the worksheet's look; `editable`: it takes typing.
QComboBox* makeEntryList(const char* name, QWidget* parent, bool editable);
// The seven savings fields in entry order (lump sum, contribution, frequency, rate,
// increase, inflation, years), named `names` and stored through `fields`; the frequency list
// takes no typing. Each gets its drop-down entries.
void makeSavingsLists(const std::array<const char*, 7>& names,
                      const std::array<QComboBox**, 7>& fields, QWidget* parent);
// The grid the captions and fields stand in.
QGridLayout* makeEntryGrid();
// The caption above a field; its blanks are kept, drawn as rich text so runs wrap like one.
QLabel* entryCaption(const char* text, QWidget* control, QWidget* parent);
// The captions of the seven fields, in entry order.
extern const std::array<const char*, 7> SavingsCaptions;

// Stores a typed or chosen figure as savings entry `element` (a savings_input element):
// years beyond the limit are the limit, with its message; a figure beyond the currency
// range is noted in `outOfRange`. Returns the figure the field shows.
double storeSavingsFigure(int element, double value, std::array<Currency, 9>& inputs,
                          std::array<bool, 9>& outOfRange, Dialogs& dialogs);
// A drop-down entry chosen in `box`, savings entry `element`: `store` keeps its figure and
// returns it, and the field shows it as the savings worksheet writes it.
void showChosenEntry(QComboBox* box, int element, const std::function<double(int, double)>& store,
                     const std::string& symbol, const NumberSeparators& seps);

// The growth grid, named `name` for the tests and `accessibleName` for screen readers.
Grid* makeGrowthGrid(const char* name, const char* accessibleName, QWidget* parent);
// The grid's columns and headings before a calculation.
void layOutGrowthGrid(Grid* grid);
// The grid after a calculation.
void showGrowthGrid(Grid* grid, const SavingsGridView& view);
