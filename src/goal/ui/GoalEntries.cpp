// The worksheet's entry fields: the savings entries as the savings worksheet has them, the
// target, the money it is given in and what is solved for; Enter moves on past the field
// solved for, which is greyed.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "Dialogs.h"
#include "EntryFigure.h"
#include "GoalTables.h"
#include "GoalWindow.h"
#include "NumericEntry.h"
#include "Platform.h"
#include "QtText.h"
#include "SavingsPanel.h"
#include "SavingsTables.h"
#include "SavingsTexts.h"
#include "ShellState.h"
#include "TypedKey.h"
#include "Workspace.h"

namespace {
// An amount right-aligned in its field's width, as the savings worksheet shows it; a longer
// figure keeps every digit (answers and targets go up to the currency's limit).
template <class Figure>
std::string moneyText(Figure value, const std::string& symbol, const NumberSeparators& seps,
                      const char* pattern, int width) {
    const std::string text = symbol + formatNumber(value, pattern, seps);
    return charCount(text) < width ? RightAlign(text, width) : text;
}
template <class Figure>
std::string targetText(Figure value, const std::string& symbol, const NumberSeparators& seps) {
    return moneyText(value, symbol, seps, "###,,###.00", 15);
}
constexpr int TargetSlot = 0; // outOfRange_'s element for the target

// The savings entry each unknown is, in GoalUnknown order.
constexpr int UnknownElements[] = {savings_input::Contribution, savings_input::Lump,
                                   savings_input::Years, savings_input::Rate};
int elementOf(GoalUnknown unknown) {
    return UnknownElements[static_cast<std::size_t>(unknown)];
}
GoalUnknown solvedFor(const GoalTables& tables) {
    return goalInputFrom(tables).solve;
}
} // namespace

void GoalWindow::setUpEntries() {
    namespace e = savings_input;
    auto entry = [&](QLineEdit* field, std::function<double(double)> commit,
                     std::function<std::string(double)> display, bool minus = false,
                     bool digits = false) {
        NumericEntryConfig config;
        config.filter =
            digits ? NumericEntryConfig::Filter::Digit : NumericEntryConfig::Filter::Decimal;
        config.minusEmpties = minus;
        config.commit = std::move(commit);
        config.display = std::move(display);
        auto* numeric = new NumericEntry(field, state_, std::move(config));
        connect(numeric, &NumericEntry::editStarted, this, &GoalWindow::changeOfEntry);
        // A click or Delete in the field is a change of entry too.
        field->installEventFilter(this);
        return numeric;
    };
    auto element = [this](int i) { return [this, i](double v) { return commit(i, v); }; };
    auto rate = [this](double v) {
        return entryText(v, [this](auto figure) { return rateText(figure, seps_); });
    };
    // Amounts show the currency symbol as it is when they are shown.
    auto target = [this](double v) {
        return entryText(v, [this](auto f) { return targetText(f, state_.CurrencySymbol, seps_); });
    };
    auto lump = [this](double v) {
        return entryText(v, [this](auto f) {
            return moneyText(f, state_.CurrencySymbol, seps_, "###,,###.00", 13);
        });
    };
    auto contribution = [this](double v) {
        return entryText(v, [this](auto f) {
            return moneyText(f, state_.CurrencySymbol, seps_, "####,,###.00", 13);
        });
    };
    typed_ = {
        {GTarget, entry(
                      GTarget, [this](double v) { return commitTarget(v); }, target)},
        {GLumpInv, entry(GLumpInv->lineEdit(), element(e::Lump), lump)},
        {GInvest, entry(GInvest->lineEdit(), element(e::Contribution), contribution)},
        {GRate, entry(GRate->lineEdit(), element(e::Rate), rate)},
        {GIncrRate, entry(GIncrRate->lineEdit(), element(e::Increase), rate, true)},
        {GInflatRate, entry(GInflatRate->lineEdit(), element(e::Inflation), rate, true)},
        {GTerm, entry(
                    GTerm->lineEdit(), element(e::Years),
                    [this](double v) { return yearsText(entryMoney(v), seps_); }, false, true)},
    };

    const std::pair<QComboBox*, int> lists[] = {
        {GLumpInv, e::Lump},      {GInvest, e::Contribution},  {GRate, e::Rate},
        {GIncrRate, e::Increase}, {GInflatRate, e::Inflation}, {GTerm, e::Years}};
    for (const auto& [box, element] : lists)
        connect(box, &QComboBox::activated, this, [this, box, element] {
            showChosenEntry(
                box, element, [this](int i, double v) { return commit(i, v); },
                state_.CurrencySymbol, seps_);
            changeOfEntry();
        });
    for (QWidget* w : std::initializer_list<QWidget*>{GSolve, GMonthsYrs, GToday})
        w->installEventFilter(this);
    connect(GSolve, &QComboBox::currentIndexChanged, this, &GoalWindow::onSolveChosen);
    connect(GMonthsYrs, &QComboBox::currentIndexChanged, this, [this](int) {
        if (filling_)
            return;
        tables_.GoalFrequency = GMonthsYrs->currentText().toStdString();
        changeOfEntry();
    });
    connect(GToday, &QCheckBox::toggled, this, &GoalWindow::onTodayToggled);
}

void GoalWindow::showEntries() {
    filling_ = true;
    GSolve->setCurrentIndex(tables_.GoalSolve);
    GTarget->setText(qs(targetText(tables_.GoalTarget, state_.CurrencySymbol, seps_)));
    GToday->setChecked(tables_.GoalToday == 1);
    GMonthsYrs->setCurrentText(qs(tables_.GoalFrequency));
    for (const GoalUnknownNames& n : GoalUnknowns)
        showFigure(n.unknown);
    for (QComboBox* box : {GIncrRate, GInflatRate}) {
        box->setCurrentIndex(-1);
        const int element = box == GIncrRate ? savings_input::Increase : savings_input::Inflation;
        box->setEditText(
            qs(rateText(tables_.SavingsInputs[static_cast<std::size_t>(element)], seps_)));
    }
    outOfRange_ = {};
    filling_ = false;
    chainEntries();
}

void GoalWindow::showFigure(GoalUnknown unknown) {
    QComboBox* const fields[] = {GInvest, GLumpInv, GTerm, GRate}; // in GoalUnknown order
    QComboBox* box = fields[static_cast<std::size_t>(unknown)];
    const Currency figure = tables_.SavingsInputs[static_cast<std::size_t>(elementOf(unknown))];
    const std::string& sym = state_.CurrencySymbol;
    const std::string text =
        unknown == GoalUnknown::Lump           ? moneyText(figure, sym, seps_, "###,,###.00", 15)
        : unknown == GoalUnknown::Contribution ? moneyText(figure, sym, seps_, "###,,###.00", 13)
        : unknown == GoalUnknown::Rate         ? rateText(figure, seps_)
                                               : yearsText(figure, seps_);
    const bool wasFilling = filling_;
    filling_ = true;
    box->setCurrentIndex(-1);
    box->setEditText(qs(text));
    filling_ = wasFilling;
}

void GoalWindow::setSolvedFigure(Currency figure) {
    const auto element = static_cast<std::size_t>(elementOf(solvedFor(tables_)));
    tables_.SavingsInputs[element] = figure;
    outOfRange_[element] = false;
    showFigure(solvedFor(tables_));
}

double GoalWindow::commit(int element, double value) {
    return storeSavingsFigure(element, value, tables_.SavingsInputs, outOfRange_,
                              workspace_.dialogs());
}

double GoalWindow::commitTarget(double value) {
    return storeEntryFigure(value, tables_.GoalTarget, outOfRange_[TargetSlot]);
}

void GoalWindow::onSolveChosen(int index) {
    if (filling_ || index < 0)
        return;
    tables_.GoalSolve = static_cast<std::int16_t>(index);
    chainEntries();
    changeOfEntry();
}

void GoalWindow::onTodayToggled(bool on) {
    if (filling_)
        return;
    tables_.GoalToday = on ? 1 : 0;
    chainEntries();
    changeOfEntry();
}

void GoalWindow::chainEntries() {
    QWidget* const fields[] = {GInvest, GLumpInv, GTerm, GRate}; // in GoalUnknown order
    for (QWidget* w : fields)
        w->setEnabled(w != fields[static_cast<std::size_t>(solvedFor(tables_))]);
    // In future money the plan is compared without inflation.
    GInflatRate->setEnabled(tables_.GoalToday == 1);
    for (const auto& [field, numeric] : typed_) {
        QWidget* next = nullptr;
        const auto at = std::find(order_.begin(), order_.end(), field);
        for (auto it = at + 1; it != order_.end() && !next; ++it)
            if ((*it)->isEnabled())
                next = *it;
        numeric->setNext(next);
    }
}

void GoalWindow::focusAfter(QWidget* from) {
    const auto at = std::find(order_.begin(), order_.end(), from);
    for (auto it = at == order_.end() ? at : at + 1; it != order_.end(); ++it)
        if ((*it)->isEnabled()) {
            (*it)->setFocus(Qt::TabFocusReason);
            return;
        }
}

// A list that takes no typing, and the check box: Enter moves on, a typed key beeps.
bool GoalWindow::onListKey(QWidget* list, QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const typed_key::Key typed = typed_key::classify(key);
    if (typed.kind == typed_key::Kind::Enter) {
        focusAfter(list);
        return true;
    }
    if (typed.kind == typed_key::Kind::PassOn || (list == GToday && key->key() == Qt::Key_Space))
        return false; // Tab, arrows, F4, Alt+..., the check box's Space
    platform::beep();
    state_.EditStarted = 0;
    return true;
}

bool GoalWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == GSolve || watched == GMonthsYrs || watched == GToday) {
        if (type == QEvent::FocusIn && watched != GToday)
            platform::clearClipboard();
        return type == QEvent::KeyPress && onListKey(static_cast<QWidget*>(watched), event);
    }
    // A line edit of an entry field: a click or Delete is a change of entry.
    if (type == QEvent::MouseButtonPress ||
        (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete))
        changeOfEntry();
    return false;
}
